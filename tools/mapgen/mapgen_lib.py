#!/usr/bin/env python3
"""Writes a world's map.txt and clearRRR.txt from an ASCII source.

Source file (python): WORLD = dict(hall=..., rooms=[...]) where each room is
  dict(x=, y=, rows=[...]) and every row holds two characters per cell: a kind and a parameter
  digit (' ' = 0). Kinds:
    '#' 10 wall   '=' 11 wall   '%' 12 wall   '.' 0 open  ',' 1  ':' 2  ';' 3 open variants
    'S' 200 start facing left   's' 210 start facing right   'G' 220 goal
    'c' 30 crate  'w' 40 heavy weight  'L' 50 lift  'f' 80 falling hazard  'x' 90 still hazard
    '^' 100 spike 'p' 110 spring  'o' 150 still block
    '1'..'5' doors 230..270 (hall; '1' stays open, later ones are shut with 280 until opened)
    'd' 280 shut door  't' 290 torch  'q' 300  'r' 390  'b' 400 bat   'T' 290 torch only once the
    world is cleared (clear of the last room), '.' before
Usage: mapgen.py SOURCE OUTDIR
"""
import sys, os

KIND = {'#': 10, '=': 11, '%': 12, '.': 0, ',': 1, ':': 2, ';': 3,
        'S': 200, 's': 210, 'G': 220, 'c': 30, 'w': 40, 'L': 50, 'f': 80, 'x': 90,
        '^': 100, 'p': 110, 'o': 150, 'd': 280, 't': 290, 'q': 300, 'r': 390, 'b': 400,
        'a': 120, 'l': 130, 'h': 60, 'k': 140}
DOOR = {'1': 230, '2': 240, '3': 250, '4': 260, '5': 270}


def cells(rows, opened, cleared):
    out = []
    size = len(rows)
    for r in rows:
        assert len(r) == 2 * size, (r, len(r), size)
        line = []
        for i in range(size):
            k, p = r[2 * i], r[2 * i + 1]
            param = 0 if p == ' ' else int(p)
            if k in DOOR:
                n = int(k)
                low = DOOR[k] if n <= opened else 280
            elif k == 'T':
                low = 290 if cleared else 0
            else:
                low = KIND[k]
            line.append(param * 1000 + low)
        out.append(line)
    return out


sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from views import rotate_back


def world_text(world, opened, cleared):
    text = ''
    for room in [world['hall']] + world['rooms']:
        rows = room['rows']
        if room.get('view', 0):
            rows = rotate_back(rows, room['view'])
        n = len(rows)
        text += '%03d %03d %03d %03d\n' % (room['x'], room['y'], n, n)
        for line in cells(rows, opened, cleared):
            text += ''.join('%04d ' % c for c in line) + '\n'
        text += '\n'
    return text

