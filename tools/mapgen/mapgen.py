#!/usr/bin/env python3
"""Writes a world's files from its source (see mapgen_lib.py for the source format).

Usage: mapgen.py SOURCE OUTDIR           writes map.txt, clearRRR.txt, stage.txt and, when the
                                          source gives them, name.txt, score.txt, screen.txt
       mapgen.py --check SOURCE OUTDIR   says which of those files differ from the source
"""
import sys, os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from mapgen_lib import world_text


def world_files(world):
    rooms = len(world['rooms'])
    files = {'map.txt': world_text(world, 1, False)}
    # The first clear of room r opens the hall's door r + 1; the last room's shows the world cleared.
    for r in range(1, rooms + 1):
        files['clear%03d.txt' % r] = world_text(world, r + 1, r == rooms)
    files['stage.txt'] = '%d\n' % (rooms + 1) + '0 0\n' * (rooms + 1)
    if world.get('names'):
        files['name.txt'] = '\n'.join(world['names']) + '\n'
    if world.get('pars'):
        files['score.txt'] = '000 000 000\n' + ''.join('%03d 999 000\n' % p for p in world['pars'])
    if world.get('screen'):
        files['screen.txt'] = world['screen']
    return files


def main():
    check = sys.argv[1] == '--check'
    src, out = sys.argv[2:4] if check else sys.argv[1:3]
    env = {}
    exec(open(src, encoding='utf-8').read(), env)
    files = world_files(env['WORLD'])
    if check:
        stale = []
        for name, text in files.items():
            path = os.path.join(out, name)
            try:
                same = open(path, encoding='utf-8', newline='').read() == text
            except OSError:
                same = False
            if not same:
                stale.append(path)
        for path in stale:
            print('%s: not what %s gives (run tools/mapgen/mapgen.py %s %s)' % (path, src, src, out))
        sys.exit(1 if stale else 0)
    os.makedirs(out, exist_ok=True)
    for name, text in files.items():
        with open(os.path.join(out, name), 'w', encoding='utf-8', newline='') as f:
            f.write(text)


main()
