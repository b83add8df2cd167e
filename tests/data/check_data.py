#!/usr/bin/env python3
"""Checks the generated game data: every picture of the manifest is a sound
PNG of its listed size, the pictures the engine opens by name are there with
the sizes and mask colours it relies on, model pictures have only fully
opaque or fully transparent pixels, and every sound, music and speech file
exists as Ogg.

    check_data.py SOURCE_DIR
"""
import os
import re
import struct
import sys
import zlib

SRC = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else '.')
DATA = os.path.join(SRC, 'data')
IMAGES = os.path.join(DATA, 'images')
errors = []


def fail(msg):
    errors.append(msg)


def decode_png(path):
    """(width, height, rows of RGBA tuples) after checking signature, CRCs and length."""
    with open(path, 'rb') as f:
        data = f.read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('no PNG signature')
    pos, idat, ihdr, ended = 8, bytearray(), None, False
    while pos + 12 <= len(data):
        ln, tag = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + ln]
        if len(body) != ln or pos + 12 + ln > len(data):
            raise ValueError('truncated chunk')
        crc = struct.unpack('>I', data[pos + 8 + ln:pos + 12 + ln])[0]
        if zlib.crc32(tag + body) & 0xFFFFFFFF != crc:
            raise ValueError('bad CRC in %r' % tag)
        if tag == b'IHDR':
            ihdr = struct.unpack('>IIBBBBB', body)
        elif tag == b'IDAT':
            idat += body
        elif tag == b'IEND':
            ended = True
            break
        pos += 12 + ln
    if ihdr is None or not ended:
        raise ValueError('missing IHDR or IEND')
    w, h, depth, ctype, _, _, interlace = ihdr
    if depth != 8 or ctype != 6 or interlace != 0:
        raise ValueError('expected 8-bit RGBA without interlace')
    raw = zlib.decompress(bytes(idat))
    stride = w * 4
    if len(raw) != h * (stride + 1):
        raise ValueError('image data has the wrong length')
    rows, prev, o = [], bytearray(stride), 0
    for _ in range(h):
        f, row = raw[o], bytearray(raw[o + 1:o + 1 + stride])
        o += stride + 1
        if f > 4:
            raise ValueError('bad filter type %d' % f)
        for i in range(stride):
            a = row[i - 4] if i >= 4 else 0
            b, c = prev[i], (prev[i - 4] if i >= 4 else 0)
            if f == 1:
                row[i] = (row[i] + a) & 255
            elif f == 2:
                row[i] = (row[i] + b) & 255
            elif f == 3:
                row[i] = (row[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(row[x * 4:x * 4 + 4]) for x in range(w)])
        prev = row
    return w, h, rows


pictures = {}


def picture(rel):
    if rel not in pictures:
        path = os.path.join(IMAGES, rel)
        try:
            pictures[rel] = decode_png(path)
        except (OSError, ValueError, zlib.error) as e:
            fail('%s: %s' % (rel, e))
            pictures[rel] = None
    return pictures[rel]


def size_of(rel):
    p = picture(rel)
    return (p[0], p[1]) if p else None


# 1. The manifest and the files agree.
manifest = {}
with open(os.path.join(IMAGES, 'manifest.txt')) as f:
    for line in f:
        if line.startswith('#') or not line.strip():
            continue
        rel, w, h = line.split()
        manifest[rel] = (int(w), int(h))
on_disk = set()
for base, _, files in os.walk(IMAGES):
    for name in files:
        if name.endswith('.png'):
            on_disk.add(os.path.relpath(os.path.join(base, name), IMAGES))
for rel in sorted(set(manifest) - on_disk):
    fail('%s: listed in the manifest but missing' % rel)
for rel in sorted(on_disk - set(manifest)):
    fail('%s: not in the manifest' % rel)
for rel in sorted(on_disk & set(manifest)):
    s = size_of(rel)
    if s and s != manifest[rel]:
        fail('%s: is %dx%d, the manifest says %dx%d' % ((rel,) + s + manifest[rel]))


def expect_size(rel, w, h):
    s = size_of(rel) if rel in on_disk else None
    if rel not in on_disk:
        fail('%s: missing' % rel)
    elif s and s != (w, h):
        fail('%s: is %dx%d, expected %dx%d' % ((rel,) + s + (w, h)))


# 2. Pictures the engine opens by name.
expect_size('menu/map.png', 640, 480)
expect_size('menu/map_lower.png', 640, 480)
expect_size('menu/map_mask.png', 640, 480)
expect_size('icon.png', 32, 32)
for rel in ['menu/n0.png', 'menu/n1.png', 'menu/n2.png', 'menu/n3.png', 'menu/n4.png', 'menu/n_far.png',
            'menu/pedometer.png', 'menu/pedometer_lower.png', 'menu/pedometer_mask.png', 'menu/numbers.png',
            'menu/credits.png', 'menu/status/saved.png', 'menu/volume_sound.png', 'menu/volume_music.png',
            'menu/lang.png', 'menu/speech.png', 'menu/subtitle.png', 'menu/subtitles/yes.png',
            'menu/subtitles/no.png', 'menu/back.png', 'menu/flags/en.png', 'menu/flags/cs.png']:
    if rel not in on_disk:
        fail('%s: missing' % rel)

mask = picture('menu/map_mask.png')
if mask:
    w, h, rows = mask
    corners = [rows[0][0], rows[0][w - 1], rows[h - 1][0], rows[h - 1][w - 1]]
    if len(set(corners)) != 4:
        fail('map_mask.png: the four corner colours must differ: %r' % corners)
    if rows[h // 2][w // 2] in corners:
        fail('map_mask.png: the middle of the map must not be a button')
    if any(c[3] != 255 for row in rows for c in row):
        fail('map_mask.png: must be fully opaque')

ped = size_of('menu/pedometer.png')
if ped and (ped[0] < 193 or ped[1] < 104):
    fail('pedometer.png: too small for its buttons at y 100')
if size_of('menu/pedometer_lower.png') != size_of('menu/pedometer_mask.png'):
    fail('pedometer_lower.png and pedometer_mask.png differ in size')
pmask = picture('menu/pedometer_mask.png')
if pmask and pmask[0] > 170 and pmask[1] > 100:
    buttons = [pmask[2][100][x] for x in (86, 128, 170)]
    if len(set(buttons)) != 3 or pmask[2][0][0] in buttons:
        fail('pedometer_mask.png: run, replay and cancel need three own colours: %r' % buttons)
num = size_of('menu/numbers.png')
if num and num[1] % 10:
    fail('numbers.png: height %d is not ten equal cells' % num[1])
cred = size_of('menu/credits.png')
if cred and cred[0] != 640:
    fail('credits.png: must be as wide as the map')
if cred and cred[1] <= 480:
    fail('credits.png: must be taller than the map to scroll over it')
flag_sizes = set()
for script in ('select_lang.lua', 'select_speech.lua'):
    try:
        with open(os.path.join(DATA, 'script', script), encoding='utf-8') as f:
            flags = re.findall(r'select_addFlag\(\s*"([^"]*)"\s*,\s*"images/([^"]+)"', f.read())
    except OSError as e:
        fail('script/%s: %s' % (script, e.strerror))
        continue
    if len(flags) < 2:
        fail('script/%s: offers fewer than two languages' % script)
    for value, rel in flags:
        if rel not in on_disk:
            fail('script/%s: flag of %s: images/%s is missing' % (script, value, rel))
        else:
            flag_sizes.add(size_of(rel))
if len(flag_sizes) > 1:
    fail('the flags differ in size: %r' % sorted(flag_sizes))
# The intro and the posters are slides of the display's size.
demo_pics = sorted(r for r in on_disk if r.startswith('demo/'))
if not demo_pics:
    fail('demo/: no slides for the intro and the posters')
for rel in demo_pics:
    expect_size(rel, 320, 240)


# 3. Model pictures: whole cells, left and right alike, alpha 0 or 255 only.
def check_model(rel):
    p = picture(rel)
    if not p:
        return
    w, h, rows = p
    if w % 15 or h % 15:
        fail('%s: %dx%d is not a whole number of 15-pixel cells' % (rel, w, h))
    bad = sum(1 for row in rows for c in row if c[3] not in (0, 255))
    if bad:
        fail('%s: %d pixels are neither opaque nor transparent' % (rel, bad))
    if all(c[3] == 0 for row in rows for c in row):
        fail('%s: empty picture' % rel)


for rel in sorted(on_disk):
    if rel.startswith(('fish/', 'items/', 'walls/')) or rel.endswith('/walls.png'):
        check_model(rel)
for kind, size in (('small', (45, 15)), ('big', (60, 30))):
    left = sorted(r[len('fish/%s/left/' % kind):] for r in on_disk if r.startswith('fish/%s/left/' % kind))
    right = sorted(r[len('fish/%s/right/' % kind):] for r in on_disk if r.startswith('fish/%s/right/' % kind))
    if left != right:
        fail('fish/%s: left and right frames differ' % kind)
    for anim in ('rest', 'swim', 'turn', 'talk', 'dead'):
        if '%s_00.png' % anim not in left:
            fail('fish/%s: no %s animation' % (kind, anim))
    for name in left:
        s = size_of('fish/%s/left/%s' % (kind, name))
        if s and s != size:
            fail('fish/%s/left/%s: expected %dx%d' % ((kind, name) + size))

# 4. Rooms drawn from tools/rooms: background and walls match the grid.
rooms = os.path.join(SRC, 'tools', 'rooms')
for name in sorted(os.listdir(rooms)) if os.path.isdir(rooms) else []:
    if not name.endswith('.txt'):
        continue
    with open(os.path.join(rooms, name)) as f:
        grid = [l.rstrip('\n') for l in f if l.strip() and not l.startswith(('#', 'style '))]
    size = (max(len(r) for r in grid) * 15, len(grid) * 15)
    for part in ('bg.png', 'walls.png'):
        expect_size('rooms/%s/%s' % (name[:-4], part), *size)

# 5. Sounds, music and speech.
def check_ogg(rel):
    path = os.path.join(DATA, rel)
    try:
        with open(path, 'rb') as f:
            head = f.read(64)
        if head[:4] != b'OggS' or b'vorbis' not in head + open(path, 'rb').read(200):
            fail('%s: not an Ogg Vorbis file' % rel)
        elif os.path.getsize(path) < 1000:
            fail('%s: suspiciously small' % rel)
    except OSError as e:
        fail('%s: %s' % (rel, e.strerror))


for rel in ['sound/impact_light.ogg', 'sound/impact_heavy.ogg', 'sound/dead_small.ogg', 'sound/dead_big.ogg',
            'music/menu.ogg', 'music/level_calm.ogg', 'music/level_deep.ogg', 'music/level_reef.ogg']:
    check_ogg(rel)
speech_dir = os.path.join(SRC, 'tools', 'speech')
for table in sorted(t for t in os.listdir(speech_dir) if t.endswith('.tsv')):
    with open(os.path.join(speech_dir, table), encoding='utf-8') as f:
        for n, line in enumerate(f, 1):
            if not line.strip() or line.startswith('#'):
                continue
            fields = line.rstrip('\n').split('\t')
            if len(fields) != 4:
                fail('%s:%d: expected four tab-separated fields' % (table, n))
                continue
            check_ogg(fields[0])

total = 0
for base, _, files in os.walk(DATA):
    if os.sep + 'font' in base:
        continue
    total += sum(os.path.getsize(os.path.join(base, f)) for f in files)
if total > 20 * 1024 * 1024:
    fail('data/ holds %.1f MB, more than the 20 MB budget' % (total / 1048576.0))

for e in errors:
    print('FAIL ' + e)
print('%d pictures checked, %d problems' % (len(on_disk), len(errors)))
sys.exit(1 if errors else 0)
