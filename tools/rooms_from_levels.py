#!/usr/bin/env python3
"""Writes tools/rooms/CODENAME.txt for every level in data/levels/ whose
legend gives its wall model a picture under images/rooms/CODENAME/.

The wall grid is taken from the level's own map: every "#" is rock, every
other character water. A line "-- room style: NAME" in the level picks the
style (cave, reef, wreck; cave when missing). Run it after changing a
level's map, then `python3 tools/gen_images.py rooms`.

    python3 tools/rooms_from_levels.py [ROOT]
"""
import os
import re
import sys

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                       os.path.join(os.path.dirname(__file__), '..'))
LEVELS = os.path.join(ROOT, 'data', 'levels')
ROOMS = os.path.join(ROOT, 'tools', 'rooms')


def room_of(text, codename):
    if ('images/rooms/%s/walls.png' % codename) not in text:
        return None
    found = re.search(r'map\s*=\s*\[\[\n(.*?)\]\]', text, re.S)
    if not found:
        raise ValueError('%s: no map = [[ ... ]] block' % codename)
    rows = [row for row in found.group(1).split('\n') if row != '']
    style = re.search(r'^-- room style: (\w+)', text, re.M)
    grid = [''.join('X' if c == '#' else '.' for c in row) for row in rows]
    width = max(len(row) for row in grid)
    grid = [row.ljust(width, '.') for row in grid]
    return style.group(1) if style else 'cave', grid


def main():
    status = 0
    for fname in sorted(os.listdir(LEVELS)):
        if not fname.endswith('.lua'):
            continue
        codename = fname[:-4]
        with open(os.path.join(LEVELS, fname)) as f:
            text = f.read()
        try:
            room = room_of(text, codename)
        except ValueError as e:
            print(e, file=sys.stderr)
            status = 1
            continue
        if room is None:
            continue
        style, grid = room
        body = '# Walls of data/levels/%s, %d x %d cells; made by tools/rooms_from_levels.py.\nstyle %s\n%s\n' % (
            fname, len(grid[0]), len(grid), style, '\n'.join(grid))
        path = os.path.join(ROOMS, codename + '.txt')
        old = open(path).read() if os.path.exists(path) else None
        if old != body:
            with open(path + '.tmp', 'w') as f:
                f.write(body)
            os.replace(path + '.tmp', path)
            print('room: %s (%s)' % (codename, style))
    return status


if __name__ == '__main__':
    sys.exit(main())
