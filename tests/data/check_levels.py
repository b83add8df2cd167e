#!/usr/bin/env python3
"""Checks the shipped levels against the world map:

- every level of the map (and the ending) has its data file, names and
  descriptions in English and Czech, and a reference solution in
  data/solutions/CODENAME.txt that replays to "solved" with
  `tidepool-level replay`;
- every level of the tree records that solution's length with
  node_bestSolution;
- the node locations lie on the map picture, clear of the corner buttons,
  of each other and of the line where the selected name is drawn;
- every poster script the map names exists, every speech file a level
  names exists, and each spoken line has its
  subtitle in both languages.

    check_levels.py TIDEPOOL_LEVEL SOURCE_ROOT
"""
import json
import os
import re
import subprocess
import sys

TOOL, ROOT = sys.argv[1], os.path.abspath(sys.argv[2])
DATA = os.path.join(ROOT, 'data')
LANGS = ('en', 'cs')
MAP_W, MAP_H = 640, 480
CORNER_W, CORNER_H = 100, 76     # the four button regions of the map
NAME_Y = MAP_H - 50              # the selected level's name is drawn here
NODE_R = 14                      # half the node picture, plus the selection ring
MOVE_SYMBOL = re.compile(r'^[!-~]+$')

errors = []


def fail(text):
    errors.append(text)


STR = r'"((?:[^"\\]|\\.)*)"'
INT = r'(-?\d+)'


def calls(text, name, *args):
    """Arguments of every call `name(args...)` written on one statement."""
    pattern = r'\b%s\(\s*%s' % (name, r'\s*,\s*'.join(args))
    return re.findall(pattern, text)


with open(os.path.join(DATA, 'script', 'worldmap.lua'), encoding='utf-8') as f:
    worldmap = re.sub(r'--[^\n]*', '', f.read())

nodes = {}      # codename -> (parent, datafile, x, y)
order = []
for parent, code, datafile, x, y in calls(worldmap, 'branch_addNode', STR, STR, STR, INT, INT):
    if code in nodes:
        fail('worldmap: node %s added twice' % code)
    if parent and parent not in nodes:
        fail('worldmap: node %s comes before its parent %s' % (code, parent))
    nodes[code] = (parent, datafile, int(x), int(y))
    order.append(code)
# Posters: the optional last argument of branch_addNode and branch_setEnding.
for code, poster in re.findall(r'\bbranch_(?:addNode|setEnding)\(\s*(?:"[^"]*"\s*,\s*)?"([^"]*)"\s*,\s*"[^"]*"'
                               r'[^()]*?,\s*"([^"]+)"\s*\)', worldmap):
    if not os.path.isfile(os.path.join(DATA, poster)):
        fail('%s: no poster script %s' % (code, poster))
if sum(1 for p, _, _, _ in nodes.values() if p == '') != 1:
    fail('worldmap: there must be exactly one root node')
if len(nodes) < 8:
    fail('worldmap: %d levels, at least 8 expected' % len(nodes))

endings = calls(worldmap, 'branch_setEnding', STR, STR)
if len(endings) != 1:
    fail('worldmap: expected one ending, found %d' % len(endings))

best = {}
for code, moves, _author in calls(worldmap, 'node_bestSolution', STR, INT, STR):
    if code not in nodes:
        fail('worldmap: node_bestSolution for unknown node %s' % code)
    best[code] = int(moves)

descs = {}
for code, lang, name, text in calls(worldmap, 'worldmap_addDesc', STR, STR, STR, STR):
    descs[(code, lang)] = (name, text)

levels = [(code, nodes[code][1]) for code in order] + [tuple(e) for e in endings]
for code, datafile in levels:
    for lang in LANGS:
        name, text = descs.get((code, lang), ('', ''))
        if not name or not text:
            fail('%s: no level name or description in %s' % (code, lang))

# Node locations.
for code in order:
    _, _, x, y = nodes[code]
    if not (NODE_R <= x < MAP_W - NODE_R and NODE_R <= y < NAME_Y - NODE_R):
        fail('%s: node at (%d, %d) is off the map or on the name line' % (code, x, y))
    if (x < CORNER_W + NODE_R or x >= MAP_W - CORNER_W - NODE_R) and \
            (y < CORNER_H + NODE_R or y >= MAP_H - CORNER_H - NODE_R):
        fail('%s: node at (%d, %d) covers a corner button' % (code, x, y))
for i, a in enumerate(order):
    for b in order[i + 1:]:
        ax, ay = nodes[a][2:]
        bx, by = nodes[b][2:]
        if (ax - bx) ** 2 + (ay - by) ** 2 < (2 * NODE_R) ** 2:
            fail('nodes %s and %s overlap' % (a, b))

# Levels, their solutions and their speech.
for code, datafile in levels:
    path = os.path.join(DATA, datafile)
    if not os.path.isfile(path):
        fail('%s: no data file %s' % (code, datafile))
        continue
    with open(path, encoding='utf-8') as f:
        text = f.read()
    for sound in re.findall(r'"(sound/[^"]+)"', text):
        if not os.path.isfile(os.path.join(DATA, sound)):
            fail('%s: missing sound %s' % (code, sound))
    for entry in re.findall(r'\{name = "[^"]*".*?\}\}', text, re.S):
        for lang in LANGS:
            if not re.search(r'\b%s = "[^"]+"' % lang, entry):
                fail('%s: a dialog has no %s subtitle: %s' % (code, lang, entry.split(',')[0]))
            if not re.search(r'\b%s = "sound/[^"]+__%s\.ogg"' % (lang, lang), entry):
                fail('%s: a dialog has no %s speech: %s' % (code, lang, entry.split(',')[0]))

    solution = os.path.join(DATA, 'solutions', code + '.txt')
    if not os.path.isfile(solution):
        fail('%s: no reference solution data/solutions/%s.txt' % (code, code))
        continue
    with open(solution) as f:
        moves = f.read().strip()
    if not MOVE_SYMBOL.match(moves):
        fail('%s: the reference solution is not one line of move symbols' % code)
        continue
    if code in nodes:
        if code not in best:
            fail('%s: no node_bestSolution' % code)
        elif best[code] != len(moves):
            fail('%s: node_bestSolution says %d moves, the reference solution has %d'
                 % (code, best[code], len(moves)))
    run = subprocess.run([TOOL, 'replay', '--systemdir', DATA, '--codename', code, path, moves],
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, universal_newlines=True,
                         timeout=120)
    try:
        result = json.loads(run.stdout)
    except ValueError:
        fail('%s: replay printed no result (status %d): %s' % (code, run.returncode, run.stderr.strip()))
        continue
    if run.returncode != 0 or not result.get('solved'):
        fail('%s: the reference solution does not solve the level (status %d, error %s, failed at %s)'
             % (code, run.returncode, result.get('error'), result.get('failed_at')))
    elif result.get('steps') != len(moves):
        fail('%s: replay counted %s steps for %d moves' % (code, result.get('steps'), len(moves)))
    if run.stderr.strip():
        fail('%s: the level logs while it is replayed:\n%s' % (code, run.stderr.strip()))

for e in errors:
    print('FAIL', e)
print('%d levels checked, %d problems' % (len(levels), len(errors)))
sys.exit(1 if errors else 0)
