#!/usr/bin/env python3
"""Prints a room source (2 chars per cell) in its four orientations (k anticlockwise turns), and
rotates a room given in view k back to the stored orientation.
  views.py FILE ROOMNAME        (FILE defines rooms as python lists of rows)
"""
import sys

def parse(rows):
    return [[r[2*i:2*i+2] for i in range(len(r)//2)] for r in rows]

def turn_a(g):  # one anticlockwise turn: new[i][j] = old[j][w-1-i]
    w = len(g)
    out = [[None]*w for _ in range(w)]
    for i in range(w):
        for j in range(w):
            cell = g[j][w-1-i]
            k, p = cell[0], cell[1]
            if k in 'G^a':
                d = 0 if p == ' ' else int(p)
                p = str((d + 1) % 4)
            out[i][j] = k + p
    return out

def show(g):
    return '\n'.join(''.join(c[0] if c[1] in ' 0' else c for c in row).replace(' ', '') if False else ''.join(c for c in row) for row in g)

def rotate_back(rows, k):
    g = parse(rows)
    for _ in range((4 - k) % 4):
        g = turn_a(g)
    return [''.join(row) for row in g]

if __name__ == '__main__':
    env = {}
    exec(open(sys.argv[1], encoding='utf-8').read(), env)
    rows = env[sys.argv[2]]
    g = parse(rows)
    for k in range(4):
        print('view %d (after %d anticlockwise turns):' % (k, k))
        print(show(g))
        print()
        g = turn_a(g)
