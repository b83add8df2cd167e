#!/usr/bin/env python3
"""Draws every picture of the shipped game from code.

    python3 tools/gen_images.py [--out DIR] [GROUP ...]

Without groups every picture is drawn; a group name (map, nodes, pedometer,
menu, status, icon, credits, fish, items, walls, rooms, demo) redraws only
that part.  The output goes to data/images/ and a manifest
(data/images/manifest.txt: path, width, height) lists every file, so that
the data test can check them.  The drawing is deterministic: a second run
gives the same bytes.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pixmap import (Pixmap, png_load, clamp, mix, smoothstep, fbm, value_noise, hash2,
                    voronoi, sd_circle, sd_ellipse, sd_box, sd_segment,
                    sd_polygon, sd_union, sd_subtract, sd_intersect)
import pixfont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, 'data', 'images')
MANIFEST = []

# Palette shared by all pictures.
INK = (12, 22, 42)
WATER_TOP = (64, 168, 190)
WATER_MID = (22, 96, 142)
WATER_DEEP = (8, 30, 66)
SAND = (222, 196, 140)
SAND_DARK = (164, 134, 92)
GOLD = (250, 200, 70)
GOLD_DARK = (176, 118, 30)
CORAL = (238, 104, 110)
CORAL_LIGHT = (255, 170, 120)
WEED = (46, 142, 84)
WEED_DARK = (22, 88, 58)


def save(pix, rel):
    path = os.path.join(OUT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    pix.save(path)
    MANIFEST.append((rel, pix.w, pix.h))


# ---------------------------------------------------------------------------
# Scenery shared by the map, the rooms and the demo pictures
# ---------------------------------------------------------------------------

def water(w, h, top=WATER_TOP, bottom=WATER_DEEP, seed=1, rays=4, caustic=1.0):
    """Open water: a vertical gradient, soft light rays from the surface and
    rippling caustics that fade with depth."""
    pix = Pixmap(w, h, (0, 0, 0, 255))
    ray_x = [w * (0.1 + 0.8 * hash2(i, 3, seed)) for i in range(rays)]
    ray_wd = [w * (0.03 + 0.05 * hash2(i, 5, seed)) for i in range(rays)]
    for y in range(h):
        t = y / max(1, h - 1)
        base = mix(top, bottom, smoothstep(0.0, 1.0, t) * 0.85 + t * 0.15)
        for x in range(w):
            n = fbm(x / 60.0, y / 40.0, seed, 3) - 0.5
            light = n * 18.0
            for rx, rw in zip(ray_x, ray_wd):
                d = abs(x - rx + (y * 0.35)) / rw
                if d < 1.0:
                    light += (1.0 - d) ** 2 * 34.0 * (1.0 - t) ** 1.5
            if caustic:
                c = value_noise(x / 9.0 + y / 30.0, y / 7.0, seed + 9) + \
                    value_noise(x / 7.0 - y / 25.0, y / 11.0, seed + 13)
                c = max(0.0, 1.0 - abs(c - 1.0) * 7.0) ** 3
                light += c * 28.0 * caustic * (1.0 - t) ** 2.5
            pix.r[y * w + x] = base[0] + light * 0.7
            pix.g[y * w + x] = base[1] + light
            pix.b[y * w + x] = base[2] + light * 0.9
    return pix


def floor_profile(w, base, amp, seed, scale=90.0):
    return [base - amp * (fbm(x / scale, 0.5, seed, 4) - 0.5) * 2.0 for x in range(w)]


def draw_sand(pix, prof, seed=2, top_col=SAND, bottom_col=SAND_DARK):
    """Sand below the profile, with ripples and a light rim."""
    w, h = pix.w, pix.h
    for x in range(w):
        y0 = prof[x]
        for y in range(max(0, int(y0) - 1), h):
            d = y + 0.5 - y0
            cov = clamp(d + 0.5)
            if cov <= 0:
                continue
            depth = clamp(d / 60.0)
            rip = math.sin((x * 0.22 + fbm(x / 30.0, y / 8.0, seed, 3) * 9.0 + y * 0.9))
            grain = hash2(x, y, seed) - 0.5
            col = mix(top_col, bottom_col, depth * 0.8)
            k = rip * 10.0 + grain * 14.0 + (22.0 if d < 3 else 0.0)
            pix.blend(x, y, (col[0] + k, col[1] + k, col[2] + k * 0.7), cov)


def draw_hills(pix, prof, color, seed, haze=0.0):
    """A distant silhouette below the profile, slightly lighter at its crest."""
    w, h = pix.w, pix.h
    for x in range(w):
        y0 = prof[x]
        for y in range(max(0, int(y0) - 1), h):
            d = y + 0.5 - y0
            cov = clamp(d + 0.5)
            if cov <= 0:
                continue
            n = fbm(x / 25.0, y / 25.0, seed, 3) - 0.5
            k = n * 24.0 + (14.0 if d < 4 else 0.0) - clamp(d / 120.0) * 20.0
            pix.blend(x, y, (color[0] + k, color[1] + k, color[2] + k, 255 * (1 - haze)), cov)


def draw_rock(pix, cx, cy, rx, ry, seed, color=(96, 104, 120)):
    """A rounded boulder lit from above, with a dark rim."""
    def sdf(x, y):
        a = math.atan2(y - cy, x - cx)
        wob = 1.0 + 0.18 * (value_noise(math.cos(a) * 1.5 + 5, math.sin(a) * 1.5 + 5, seed) - 0.5)
        return sd_ellipse(cx, cy, rx * wob, ry * wob)(x, y)

    def col(x, y, d):
        ny = (y - cy) / ry
        nx = (x - cx) / rx
        lit = clamp(0.55 - ny * 0.5 - nx * 0.2)
        n = fbm(x / 6.0, y / 6.0, seed, 3) - 0.5
        c = mix((color[0] * 0.45, color[1] * 0.45, color[2] * 0.5), color, lit)
        c = tuple(v + n * 30.0 for v in c)
        if d > -1.6:
            c = mix(c, INK, 0.7)
        return c
    pix.shade(sdf, col, (cx - rx * 1.3, cy - ry * 1.3, cx + rx * 1.3, cy + ry * 1.3))


def draw_weed(pix, x0, y0, height, seed, color=WEED, dark=WEED_DARK, width=5.0, phase=0.0):
    """A strand of seaweed swaying from its root at (x0, y0)."""
    segs = max(4, int(height / 6))
    pts = []
    for i in range(segs + 1):
        t = i / segs
        x = x0 + math.sin(t * 3.2 + seed + phase) * 9.0 * t + (hash2(seed, i, 7) - 0.5) * 2
        pts.append((x, y0 - t * height))
    for lay, (col, grow) in enumerate(((dark, 1.6), (color, 0.0))):
        for i in range(segs):
            t = i / segs
            r = width * (1.0 - t * 0.7) / 2 + grow
            ax, ay = pts[i]
            bx, by = pts[i + 1]
            c = mix(col, (col[0] + 40, col[1] + 60, col[2] + 30), t * 0.6) if lay else col
            pix.line(ax, ay, bx, by, r * 2, c)
        if lay:
            for i in range(1, segs, 2):
                ax, ay = pts[i]
                side = 1 if i % 4 == 1 else -1
                pix.line(ax, ay, ax + side * width * 1.4, ay - width * 1.1, width * 0.8, mix(col, (255, 255, 200), 0.15))


def draw_coral(pix, x0, y0, size, seed, color=CORAL):
    """A branching coral growing upwards from (x0, y0)."""
    branches = []

    def grow(x, y, ang, length, width, depth):
        x2 = x + math.cos(ang) * length
        y2 = y + math.sin(ang) * length
        branches.append((x, y, x2, y2, width, depth))
        if depth < 3:
            for k, da in enumerate((-0.45, 0.4)):
                jitter = (hash2(int(x2 * 7), int(y2 * 5), seed + k) - 0.5) * 0.4
                grow(x2, y2, ang + da + jitter, length * 0.72, width * 0.72, depth + 1)
    grow(x0, y0, -math.pi / 2, size * 0.38, size * 0.14, 0)
    dark = mix(color, INK, 0.55)
    for x, y, x2, y2, wd, dp in branches:
        pix.line(x, y, x2, y2, wd + 2.4, dark)
    for x, y, x2, y2, wd, dp in branches:
        c = mix(color, CORAL_LIGHT, dp / 3.0)
        pix.line(x, y, x2, y2, wd, c)
        if dp == 3:
            pix.shade(sd_circle(x2, y2, wd * 0.7), mix(c, (255, 230, 200), 0.5),
                      (x2 - wd, y2 - wd, x2 + wd + 1, y2 + wd + 1))


def draw_bubble(pix, cx, cy, r):
    pix.shade(sd_subtract(sd_circle(cx, cy, r), sd_circle(cx, cy, r - 1.2)), (220, 245, 255, 190),
              (cx - r - 1, cy - r - 1, cx + r + 2, cy + r + 2))
    pix.shade(sd_circle(cx, cy, r - 1), (150, 210, 235, 50), (cx - r, cy - r, cx + r + 1, cy + r + 1))
    hr = max(0.8, r * 0.3)
    pix.shade(sd_circle(cx - r * 0.35, cy - r * 0.35, hr), (255, 255, 255, 230),
              (cx - r, cy - r, cx + 1, cy + 1))


def draw_shell_deco(pix, cx, cy, r, color=(246, 200, 186)):
    """A small scallop lying on the sand (scenery, not a model)."""
    fan = sd_intersect(sd_circle(cx, cy + r * 0.3, r), sd_box(cx - r, cy - r, cx + r, cy + r * 0.55))

    def col(x, y, d):
        a = math.atan2(y - (cy + r * 0.6), x - cx)
        rib = 0.5 + 0.5 * math.cos(a * 14)
        c = mix(color, (255, 240, 230), rib * 0.4)
        return mix(c, INK, 0.6) if d > -1.0 else c
    pix.shade(fan, col, (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1))


# ---------------------------------------------------------------------------
# Icons (drawn into a given box, used by buttons and menus)
# ---------------------------------------------------------------------------

def icon_play(pix, cx, cy, s, col):
    pts = [(cx - s * 0.35, cy - s * 0.45), (cx + s * 0.5, cy), (cx - s * 0.35, cy + s * 0.45)]
    pix.shade(sd_polygon(pts), col, (cx - s, cy - s, cx + s, cy + s))


def icon_power(pix, cx, cy, s, col):
    ring = sd_subtract(sd_circle(cx, cy, s * 0.42), sd_circle(cx, cy, s * 0.42 - s * 0.12))
    gap = sd_polygon([(cx, cy), (cx - s * 0.3, cy - s * 0.6), (cx + s * 0.3, cy - s * 0.6)])
    pix.shade(sd_subtract(ring, gap), col, (cx - s, cy - s, cx + s, cy + s))
    pix.shade(sd_segment(cx, cy - s * 0.52, cx, cy - s * 0.08, s * 0.07), col,
              (cx - s, cy - s, cx + s, cy + s))


def icon_gear(pix, cx, cy, s, col):
    teeth = []
    for k in range(8):
        a = k * math.pi / 4
        teeth.append(sd_segment(cx, cy, cx + math.cos(a) * s * 0.46, cy + math.sin(a) * s * 0.46, s * 0.09))
    body = sd_union(sd_circle(cx, cy, s * 0.33), *teeth)
    pix.shade(sd_subtract(body, sd_circle(cx, cy, s * 0.13)), col, (cx - s, cy - s, cx + s, cy + s))


def icon_scroll(pix, cx, cy, s, col, paper=None):
    paper = paper or mix(col, (255, 255, 255), 0.5)
    x0, x1, y0, y1 = cx - s * 0.32, cx + s * 0.32, cy - s * 0.42, cy + s * 0.42
    pix.shade(sd_box(x0, y0, x1, y1, 1.5), col, (x0 - 2, y0 - 2, x1 + 2, y1 + 2))
    pix.shade(sd_box(x0 + s * 0.06, y0 + s * 0.06, x1 - s * 0.06, y1 - s * 0.06, 1), paper,
              (x0, y0, x1, y1))
    for k in range(4):
        yy = y0 + s * 0.2 + k * s * 0.15
        pix.line(x0 + s * 0.14, yy, x1 - s * (0.14 if k < 3 else 0.28), yy, max(1.2, s * 0.05), col)
    for yy in (y0, y1):
        pix.shade(sd_segment(x0 - s * 0.1, yy, x1 + s * 0.1, yy, s * 0.08), col,
                  (x0 - s * 0.3, yy - s * 0.2, x1 + s * 0.3, yy + s * 0.2))


def icon_speaker(pix, cx, cy, s, col, waves=2):
    pts = [(cx - s * 0.42, cy - s * 0.14), (cx - s * 0.2, cy - s * 0.14), (cx + s * 0.04, cy - s * 0.38),
           (cx + s * 0.04, cy + s * 0.38), (cx - s * 0.2, cy + s * 0.14), (cx - s * 0.42, cy + s * 0.14)]
    pix.shade(sd_polygon(pts), col, (cx - s, cy - s, cx + s, cy + s))
    for k in range(waves):
        r = s * (0.22 + k * 0.16)
        arc = sd_subtract(sd_circle(cx + s * 0.06, cy, r + s * 0.045), sd_circle(cx + s * 0.06, cy, r - s * 0.045))
        arc = sd_intersect(arc, sd_polygon([(cx + s * 0.06, cy), (cx + s, cy - s), (cx + s, cy + s)]))
        pix.shade(arc, col, (cx - s, cy - s, cx + s, cy + s))


def icon_note(pix, cx, cy, s, col):
    pix.shade(sd_ellipse(cx - s * 0.22, cy + s * 0.28, s * 0.17, s * 0.13), col, (cx - s, cy - s, cx + s, cy + s))
    pix.shade(sd_ellipse(cx + s * 0.26, cy + s * 0.18, s * 0.17, s * 0.13), col, (cx - s, cy - s, cx + s, cy + s))
    pix.line(cx - s * 0.07, cy + s * 0.28, cx - s * 0.07, cy - s * 0.36, s * 0.08, col)
    pix.line(cx + s * 0.41, cy + s * 0.18, cx + s * 0.41, cy - s * 0.46, s * 0.08, col)
    pix.shade(sd_polygon([(cx - s * 0.11, cy - s * 0.40), (cx + s * 0.45, cy - s * 0.50),
                          (cx + s * 0.45, cy - s * 0.32), (cx - s * 0.11, cy - s * 0.22)]), col,
              (cx - s, cy - s, cx + s, cy + s))


def icon_bubble_text(pix, cx, cy, s, col, letter=None, inner=None):
    body = sd_union(sd_box(cx - s * 0.44, cy - s * 0.36, cx + s * 0.44, cy + s * 0.22, s * 0.14),
                    sd_polygon([(cx - s * 0.22, cy + s * 0.1), (cx - s * 0.02, cy + s * 0.1), (cx - s * 0.3, cy + s * 0.46)]))
    pix.shade(body, col, (cx - s, cy - s, cx + s, cy + s))
    if letter:
        sc = max(1, int(s / 14))
        pixfont.draw_text_centered(pix, letter, int(cx), int(cy - s * 0.07 - pixfont.text_height(sc) / 2 - sc), sc, inner)


def icon_globe(pix, cx, cy, s, col, bg):
    r = s * 0.42
    pix.shade(sd_circle(cx, cy, r), col, (cx - s, cy - s, cx + s, cy + s))
    lw = max(1.0, s * 0.05)
    pix.shade(sd_subtract(sd_ellipse(cx, cy, r * 0.45, r - lw), sd_ellipse(cx, cy, r * 0.45 - lw, r - lw * 2)), bg,
              (cx - s, cy - s, cx + s, cy + s))
    for yy in (-0.4, 0.0, 0.4):
        half = math.sqrt(max(0.0, 1 - yy * yy)) * r - lw
        pix.line(cx - half, cy + yy * r, cx + half, cy + yy * r, lw, bg)
    pix.line(cx, cy - r + lw, cx, cy + r - lw, lw, bg)


def icon_lips(pix, cx, cy, s, col):
    """A mouth with sound waves: speech."""
    pix.shade(sd_ellipse(cx - s * 0.12, cy, s * 0.3, s * 0.16), col, (cx - s, cy - s, cx + s, cy + s))
    pix.line(cx - s * 0.38, cy, cx + s * 0.14, cy, max(1.0, s * 0.05), mix(col, INK, 0.7))
    for k in range(2):
        r = s * (0.3 + k * 0.14)
        arc = sd_subtract(sd_circle(cx - s * 0.1, cy, r + s * 0.04), sd_circle(cx - s * 0.1, cy, r - s * 0.04))
        arc = sd_intersect(arc, sd_polygon([(cx - s * 0.1, cy), (cx + s, cy - s * 0.8), (cx + s, cy + s * 0.8)]))
        pix.shade(arc, col, (cx - s, cy - s, cx + s, cy + s))


def icon_check(pix, cx, cy, s, col):
    pix.line(cx - s * 0.32, cy, cx - s * 0.08, cy + s * 0.26, s * 0.16, col)
    pix.line(cx - s * 0.08, cy + s * 0.26, cx + s * 0.36, cy - s * 0.28, s * 0.16, col)


def icon_cross(pix, cx, cy, s, col):
    pix.line(cx - s * 0.3, cy - s * 0.3, cx + s * 0.3, cy + s * 0.3, s * 0.16, col)
    pix.line(cx - s * 0.3, cy + s * 0.3, cx + s * 0.3, cy - s * 0.3, s * 0.16, col)


def icon_replay(pix, cx, cy, s, col):
    r = s * 0.3
    ring = sd_subtract(sd_circle(cx, cy, r + s * 0.07), sd_circle(cx, cy, r - s * 0.07))
    ring = sd_subtract(ring, sd_polygon([(cx, cy), (cx + s, cy - s * 0.5), (cx + s, cy - s * 0.05)]))
    pix.shade(ring, col, (cx - s, cy - s, cx + s, cy + s))
    tip = (cx + r * 0.95, cy - r * 0.15)
    pix.shade(sd_polygon([(tip[0] - s * 0.18, tip[1] - s * 0.06), (tip[0] + s * 0.18, tip[1] - s * 0.06),
                          (tip[0], tip[1] + s * 0.2)]), col, (cx - s, cy - s, cx + s, cy + s))


# ---------------------------------------------------------------------------
# World map (640x480: the display scales it by one half)
# ---------------------------------------------------------------------------

MAP_W, MAP_H = 640, 480
CORNER_BUTTONS = {
    # name: (box x0, y0, x1, y1, icon, mask colour)
    'intro': ((8, 8, 92, 68), icon_play, (255, 0, 0)),
    'exit': ((548, 8, 632, 68), icon_power, (0, 255, 0)),
    'credits': ((8, 412, 92, 472), icon_scroll, (0, 0, 255)),
    'options': ((548, 412, 632, 472), icon_gear, (255, 255, 0)),
}


def draw_plate(pix, box, lit, icon, pressed_col=None):
    """A rounded stone plate with a bevel and an icon: a button of the map."""
    x0, y0, x1, y1 = box
    sdf = sd_box(x0, y0, x1, y1, 12)
    top = (118, 176, 186) if not lit else (150, 222, 226)
    bot = (40, 86, 112) if not lit else (58, 128, 150)
    rim = INK if not lit else (255, 214, 90)

    pix.shade(sd_box(x0 + 3, y0 + 4, x1 + 3, y1 + 4, 12), (0, 10, 20, 110), (x0, y0, x1 + 8, y1 + 8), soft=3.0)

    def col(x, y, d):
        t = (y - y0) / float(y1 - y0)
        c = mix(top, bot, t)
        n = fbm(x / 5.0, y / 5.0, 44, 2) - 0.5
        c = tuple(v + n * 16 for v in c)
        if d > -2.2:
            return rim
        if d > -4.5:
            return mix(c, (255, 255, 255), 0.35 if t < 0.5 else 0.0) if t < 0.5 else mix(c, INK, 0.3)
        return c
    pix.shade(sdf, col, (x0 - 1, y0 - 1, x1 + 1, y1 + 1))
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    s = min(x1 - x0, y1 - y0) * 0.78
    icol = (250, 250, 236) if not lit else (255, 236, 120)
    if lit:
        pix.shade(sd_circle(cx, cy, s * 0.55), (255, 240, 150, 60), (cx - s, cy - s, cx + s, cy + s), soft=6.0)
    # a dark copy of the icon one pixel down gives it depth
    icon(pix, cx + 1, cy + 2, s, (10, 30, 50, 160))
    icon(pix, cx, cy, s, icol)


def sea_floor_scene(w, h, seed, floor_at=0.78, weeds=8, corals=3, rocks=5, bubbles=12):
    pix = water(w, h, seed=seed)
    far = floor_profile(w, h * (floor_at - 0.12), h * 0.09, seed + 5, 140.0)
    draw_hills(pix, far, (40, 92, 122), seed + 6, haze=0.25)
    mid = floor_profile(w, h * (floor_at - 0.04), h * 0.06, seed + 7, 80.0)
    draw_hills(pix, mid, (62, 96, 110), seed + 8)
    near = floor_profile(w, h * floor_at, h * 0.04, seed + 9, 120.0)
    for k in range(weeds):
        x = w * (0.04 + 0.92 * hash2(k, 1, seed))
        draw_weed(pix, x, mid[int(x)] + 6, h * (0.12 + 0.14 * hash2(k, 2, seed)), k + seed,
                  width=4.0 + 3 * hash2(k, 3, seed))
    draw_sand(pix, near, seed + 10)
    for k in range(rocks):
        x = w * (0.05 + 0.9 * hash2(k, 4, seed))
        r = h * (0.03 + 0.04 * hash2(k, 5, seed))
        draw_rock(pix, x, near[int(x)] + r * 0.3, r * 1.5, r, seed + k)
    for k in range(corals):
        x = w * (0.08 + 0.84 * hash2(k, 6, seed))
        colr = CORAL if k % 2 == 0 else (250, 150, 70)
        draw_coral(pix, x, near[int(x)] + 4, h * (0.12 + 0.08 * hash2(k, 7, seed)), seed + k, colr)
    for k in range(weeds // 2):
        x = w * (0.02 + 0.96 * hash2(k, 8, seed))
        draw_weed(pix, x, near[int(x)] + 8, h * (0.08 + 0.1 * hash2(k, 9, seed)), k + seed + 50,
                  color=(70, 160, 70), dark=(30, 90, 40), width=5.0)
    for k in range(bubbles):
        x = w * hash2(k, 10, seed)
        y = h * 0.7 * hash2(k, 11, seed)
        draw_bubble(pix, x, y, 1.5 + 3.5 * hash2(k, 12, seed))
    return pix, near


def gen_map():
    pix, near = sea_floor_scene(MAP_W, MAP_H, seed=21, floor_at=0.84, weeds=10, corals=4, rocks=6, bubbles=22)
    for k in range(5):
        x = 140 + k * 90 + 30 * hash2(k, 1, 77)
        draw_shell_deco(pix, x, near[int(x)] + 12, 5 + 2 * hash2(k, 2, 77))
    title = 'TIDEPOOL'
    sc = 5
    tw = pixfont.text_width(title, sc)
    tx = (MAP_W - tw) // 2

    def title_col(x, y):
        t = (y - 12) / float(pixfont.text_height(sc))
        return mix((255, 244, 190), (236, 160, 60), clamp(t))
    pixfont.draw_text(pix, title, tx, 12, sc, None, outline=INK + (255,), shadow=(4, (0, 10, 30, 140)),
                      fill_fn=title_col)
    lower = pix.copy()
    mask = Pixmap(MAP_W, MAP_H, (0, 0, 0, 255))
    for name, (box, icon, mcol) in CORNER_BUTTONS.items():
        draw_plate(pix, box, False, icon)
        draw_plate(lower, box, True, icon)
        x0, y0, x1, y1 = box
        # the region runs from the picture's corner to the far side of the
        # button, so that the corner pixel carries the button's colour
        rx0 = 0 if x0 < MAP_W / 2 else x0 - 8
        rx1 = x1 + 8 if x0 < MAP_W / 2 else MAP_W
        ry0 = 0 if y0 < MAP_H / 2 else y0 - 8
        ry1 = y1 + 8 if y0 < MAP_H / 2 else MAP_H
        for y in range(ry0, ry1):
            for x in range(rx0, rx1):
                mask.put(x, y, mcol + (255,))
    save(pix, 'menu/map.png')
    save(lower, 'menu/map_lower.png')
    save(mask, 'menu/map_mask.png')


# ---------------------------------------------------------------------------
# Map nodes (27x27: the selection radius is 13 pixels)
# ---------------------------------------------------------------------------

NODE = 27


def gen_nodes():
    c = NODE / 2.0
    far = Pixmap(NODE, NODE)

    def socket(x, y, d):
        t = (y - 2) / 23.0
        base = mix((92, 110, 124), (40, 52, 70), t)
        return INK if d > -1.5 else base
    far.shade(sd_circle(c, c, 8.5), socket)
    far.shade(sd_circle(c, c, 5.2), (24, 34, 52))
    far.shade(sd_circle(c - 1.5, c - 1.5, 1.6), (140, 160, 176, 160))
    save(far, 'menu/n_far.png')

    for k in range(4):
        p = Pixmap(NODE, NODE)
        glow = 8.5 + k * 1.4
        p.shade(sd_circle(c, c, glow), (255, 236, 120, 70 + 25 * k), soft=2.5)
        r = 5.2 + k * 0.6

        def pearl(x, y, d, r=r):
            nx, ny = (x - c) / r, (y - c) / r
            lit = clamp(0.75 - (nx + ny) * 0.45)
            col = mix((120, 190, 230), (250, 255, 255), lit)
            return mix(col, (30, 60, 110), 0.8) if d > -1.1 else col
        p.shade(sd_circle(c, c, r), pearl)
        p.shade(sd_circle(c - r * 0.35, c - r * 0.4, r * 0.28), (255, 255, 255, 230))
        save(p, 'menu/n%d.png' % (k + 1))

    solved = Pixmap(NODE, NODE)
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        rr = 11.5 if k % 2 == 0 else 5.2
        pts.append((c + math.cos(a) * rr, c + 0.8 + math.sin(a) * rr))
    star = sd_polygon(pts)

    def gold(x, y, d):
        lit = clamp(0.7 - ((x - c) + (y - c)) / 18.0)
        col = mix(GOLD_DARK, (255, 240, 150), lit)
        return mix(col, (90, 50, 10), 0.85) if d > -1.2 else col
    solved.shade(sd_circle(c, c, 12.5), (255, 220, 90, 60), soft=2.0)
    solved.shade(star, gold)
    save(solved, 'menu/n0.png')


# ---------------------------------------------------------------------------
# Pedometer: a diver's counter over the map at (193, 141)
# ---------------------------------------------------------------------------

RACK_W, RACK_H = 256, 140
RACK_BUTTONS = {'run': (86, 100), 'replay': (128, 100), 'cancel': (170, 100)}
DIGIT_W, DIGIT_H = 18, 28
LCD_BG = (156, 188, 150)
LCD_ON = (22, 40, 30)
LCD_OFF = (140, 170, 136)
# digit area on the rack: x 82 .. 82 + 5 * 18, y 36 .. 36 + 28


def draw_rack(pix, lit):
    body = sd_box(6, 6, RACK_W - 6, RACK_H - 4, 26)
    pix.shade(sd_box(10, 12, RACK_W - 2, RACK_H, 26), (0, 10, 20, 120), soft=4.0)

    def shell(x, y, d):
        t = y / float(RACK_H)
        c = mix((238, 196, 104), (170, 104, 40), t)
        n = fbm(x / 9.0, y / 9.0, 61, 3) - 0.5
        c = tuple(v + n * 20 for v in c)
        if d > -2.5:
            return INK
        if d > -6:
            return mix(c, (255, 250, 210), 0.5) if y < RACK_H * 0.45 else mix(c, (90, 50, 20), 0.4)
        return c
    pix.shade(body, shell)
    # the face plate
    pix.shade(sd_box(22, 18, RACK_W - 22, RACK_H - 16, 16),
              lambda x, y, d: INK if d > -1.6 else mix((40, 80, 100), (18, 40, 60), y / float(RACK_H)))
    # screws in the corners
    for sx, sy in ((16, 16), (RACK_W - 16, 16), (16, RACK_H - 14), (RACK_W - 16, RACK_H - 14)):
        pix.shade(sd_circle(sx, sy, 4.0), lambda x, y, d: INK if d > -1 else (200, 200, 190))
        pix.line(sx - 2.5, sy, sx + 2.5, sy, 1.2, INK)
    # LCD window around the digits
    pix.shade(sd_box(74, 28, 182, 72, 5), lambda x, y, d: INK if d > -2 else LCD_BG)
    for i in range(5):
        draw_digit(pix, 82 + i * DIGIT_W, 36, 8, ghost=True)
    icons = {'run': icon_play, 'replay': icon_replay, 'cancel': icon_cross}
    colours = {'run': ((90, 200, 90), (30, 110, 40)), 'replay': ((100, 170, 250), (30, 80, 170)),
               'cancel': ((240, 100, 90), (150, 40, 40))}
    for name, (bx, by) in RACK_BUTTONS.items():
        hi, lo = colours[name]
        if lit:
            hi, lo = mix(hi, (255, 255, 255), 0.45), mix(lo, (255, 255, 200), 0.3)
            pix.shade(sd_circle(bx, by, 20), (255, 250, 180, 120), soft=3.0)

        def btn(x, y, d, hi=hi, lo=lo, bx=bx, by=by):
            lit_k = clamp(0.6 - ((x - bx) + (y - by)) / 26.0)
            c = mix(lo, hi, lit_k)
            return INK if d > -1.8 else c
        pix.shade(sd_circle(bx, by, 16), btn)
        icons[name](pix, bx + 0.5, by + 1.5, 22, (0, 0, 0, 90))
        icons[name](pix, bx, by, 22, (255, 255, 255) if not lit else (255, 255, 200))


SEGMENTS = {
    0: 'abcdef', 1: 'bc', 2: 'abged', 3: 'abgcd', 4: 'fgbc',
    5: 'afgcd', 6: 'afgedc', 7: 'abc', 8: 'abcdefg', 9: 'abcdfg',
}


def draw_digit(pix, ox, oy, digit, ghost=False, bg=True):
    """A seven-segment digit in a DIGIT_W x DIGIT_H cell."""
    if bg:
        for y in range(DIGIT_H):
            for x in range(DIGIT_W):
                pix.put(ox + x, oy + y, LCD_BG + (255,))
    m, t = 3.5, 3.0
    l, r = ox + m, ox + DIGIT_W - m
    top, mid, bot = oy + 3.0, oy + DIGIT_H / 2.0, oy + DIGIT_H - 3.0
    segs = {
        'a': (l + 1.5, top, r - 1.5, top), 'g': (l + 1.5, mid, r - 1.5, mid), 'd': (l + 1.5, bot, r - 1.5, bot),
        'f': (l, top + 1.5, l, mid - 1.5), 'b': (r, top + 1.5, r, mid - 1.5),
        'e': (l, mid + 1.5, l, bot - 1.5), 'c': (r, mid + 1.5, r, bot - 1.5),
    }
    on = SEGMENTS[digit]
    for name, (ax, ay, bx, by) in segs.items():
        # a slight slant makes it read as a real display
        sl = 0.12
        ax2, bx2 = ax - (ay - mid) * sl, bx - (by - mid) * sl
        if name in on and not ghost:
            pix.line(ax2, ay, bx2, by, t, LCD_ON)
        else:
            pix.line(ax2, ay, bx2, by, t, LCD_OFF)


def gen_pedometer():
    up = Pixmap(RACK_W, RACK_H)
    draw_rack(up, False)
    low = Pixmap(RACK_W, RACK_H)
    draw_rack(low, True)
    mask = Pixmap(RACK_W, RACK_H, (0, 0, 0, 255))
    mcol = {'run': (255, 0, 0), 'replay': (0, 255, 0), 'cancel': (0, 0, 255)}
    for name, (bx, by) in RACK_BUTTONS.items():
        for y in range(by - 19, by + 20):
            for x in range(bx - 19, bx + 20):
                if (x + 0.5 - bx) ** 2 + (y + 0.5 - by) ** 2 <= 19.0 ** 2:
                    mask.put(x, y, mcol[name] + (255,))
    save(up, 'menu/pedometer.png')
    save(low, 'menu/pedometer_lower.png')
    save(mask, 'menu/pedometer_mask.png')
    strip = Pixmap(DIGIT_W, DIGIT_H * 10)
    for cell in range(10):
        draw_digit(strip, 0, cell * DIGIT_H, 9 - cell)
    save(strip, 'menu/numbers.png')


# ---------------------------------------------------------------------------
# Options menu: icons (30x30, the height of a slider), flags, buttons
# ---------------------------------------------------------------------------

ICON = 30


def menu_tile(draw):
    p = Pixmap(ICON, ICON)
    p.shade(sd_box(1, 1, ICON - 1, ICON - 1, 7),
            lambda x, y, d: INK if d > -1.5 else mix((60, 140, 170), (20, 64, 100), y / float(ICON)))
    c = ICON / 2.0
    draw(p, c + 0.6, c + 1.0, ICON * 0.86, (0, 0, 0, 110))
    draw(p, c, c, ICON * 0.86, (250, 246, 220))
    return p


def draw_flag_en(p, x0, y0, w, h):
    blue, red, white = (28, 50, 130), (206, 30, 50), (250, 250, 250)
    for y in range(h):
        for x in range(w):
            p.put(x0 + x, y0 + y, blue + (255,))
    cx, cy = x0 + w / 2.0, y0 + h / 2.0
    bb = (x0, y0, x0 + w, y0 + h)
    clip = sd_box(x0, y0, x0 + w, y0 + h)
    for s in (1, -1):
        p.shade(sd_intersect(sd_segment(x0, cy - s * h / 2, x0 + w, cy + s * h / 2, h * 0.12), clip), white, bb)
        p.shade(sd_intersect(sd_segment(x0, cy - s * h / 2, x0 + w, cy + s * h / 2, h * 0.05), clip), red, bb)
    p.shade(sd_box(cx - h * 0.17, y0, cx + h * 0.17, y0 + h), white, bb)
    p.shade(sd_box(x0, cy - h * 0.17, x0 + w, cy + h * 0.17), white, bb)
    p.shade(sd_box(cx - h * 0.1, y0, cx + h * 0.1, y0 + h), red, bb)
    p.shade(sd_box(x0, cy - h * 0.1, x0 + w, cy + h * 0.1), red, bb)


def draw_flag_cs(p, x0, y0, w, h):
    for y in range(h):
        for x in range(w):
            p.put(x0 + x, y0 + y, ((250, 250, 250) if y < h / 2 else (210, 24, 40)) + (255,))
    p.shade(sd_polygon([(x0, y0), (x0 + w * 0.5, y0 + h / 2.0), (x0, y0 + h)]), (18, 64, 150),
            (x0, y0, x0 + w, y0 + h))


FLAG_W, FLAG_H = 36, 24


def flag(draw):
    p = Pixmap(FLAG_W, FLAG_H)
    draw(p, 1, 1, FLAG_W - 2, FLAG_H - 2)
    # a soft sheen across the cloth and a dark frame
    for y in range(FLAG_H):
        for x in range(FLAG_W):
            k = math.sin((x + y * 0.6) / FLAG_W * math.pi * 2) * 0.08
            c = p.get(x, y)
            if c[3] > 0:
                p.put(x, y, tuple(clamp(v * (1 + k), 0, 255) for v in c[:3]) + (255,))
    for x in range(FLAG_W):
        p.put(x, 0, INK + (255,))
        p.put(x, FLAG_H - 1, INK + (255,))
    for y in range(FLAG_H):
        p.put(0, y, INK + (255,))
        p.put(FLAG_W - 1, y, INK + (255,))
    return p


def gen_menu():
    save(menu_tile(lambda p, x, y, s, c: icon_speaker(p, x, y, s, c, 1)), 'menu/volume_sound.png')
    save(menu_tile(icon_note), 'menu/volume_music.png')
    save(menu_tile(lambda p, x, y, s, c: icon_globe(p, x, y, s, c, (30, 90, 130) if len(c) == 3 else (0, 0, 0, 0))),
         'menu/lang.png')
    save(menu_tile(icon_lips), 'menu/speech.png')
    save(menu_tile(lambda p, x, y, s, c: icon_bubble_text(p, x, y, s, c, 'A', (30, 70, 110) if len(c) == 3 else c)),
         'menu/subtitle.png')
    save(flag(draw_flag_en), 'menu/flags/en.png')
    save(flag(draw_flag_cs), 'menu/flags/cs.png')
    for name, draw, col in (('yes', icon_check, (90, 210, 90)), ('no', icon_cross, (230, 90, 80))):
        p = Pixmap(FLAG_W, FLAG_H)
        p.shade(sd_box(0, 0, FLAG_W, FLAG_H, 5),
                lambda x, y, d: INK if d > -1.5 else mix((70, 130, 160), (30, 70, 100), y / float(FLAG_H)))
        draw(p, FLAG_W / 2 + 0.6, FLAG_H / 2 + 1.0, FLAG_H * 0.95, (0, 0, 0, 110))
        draw(p, FLAG_W / 2, FLAG_H / 2, FLAG_H * 0.95, col)
        save(p, 'menu/subtitles/%s.png' % name)
    back = Pixmap(64, ICON)
    back.shade(sd_box(1, 1, 63, ICON - 1, 8),
               lambda x, y, d: INK if d > -1.5 else mix((240, 190, 90), (170, 100, 40), y / float(ICON)))
    arrow = sd_union(sd_polygon([(12, 15), (26, 5), (26, 25)]), sd_box(24, 11, 52, 19, 2))
    back.shade(arrow, (0, 0, 0, 100), (0, 0, 64, ICON))
    back.shade(lambda x, y: arrow(x + 0.6, y + 1.0) - 0.0, (0, 0, 0, 0), (0, 0, 0, 0))
    back.shade(lambda x, y: arrow(x + 0.8, y + 1.2), (60, 30, 10, 120), (0, 0, 64, ICON))
    back.shade(arrow, (255, 252, 236), (0, 0, 64, ICON))
    save(back, 'menu/back.png')


# ---------------------------------------------------------------------------
# Status picture, window icon
# ---------------------------------------------------------------------------

def gen_status():
    for suffix, text in (('', 'SAVED'), ('__cs', 'ULOŽENO')):
        sc = 2
        tw = pixfont.text_width(text, sc)
        w, h = tw + 44, 28
        p = Pixmap(w, h)
        p.shade(sd_box(2, 2, w - 2, h - 2, 9),
                lambda x, y, d: (255, 220, 100) if d > -1.6 else (16, 44, 70, 225))
        # a small floppy-like disk
        p.shade(sd_box(9, 7, 25, 23, 2), (200, 220, 235))
        p.shade(sd_box(12, 7, 22, 13, 1), (70, 100, 130))
        p.shade(sd_box(12, 16, 22, 23, 1), (250, 250, 250))
        pixfont.draw_text(p, text, 32, 5, sc, (255, 236, 150), outline=INK + (255,))
        save(p, 'menu/status/saved%s.png' % suffix)


def gen_icon():
    p = Pixmap(32, 32)
    p.shade(sd_box(0, 0, 32, 32, 7), lambda x, y, d: mix(WATER_TOP, WATER_MID, y / 32.0) if d < -1.2 else INK)
    fish = small_fish_frame('rest', 0)
    big = fish.copy()
    p.paste(scale_nearest(fish, 32 / 45.0 * 0.95), 1, 10)
    draw_bubble(p, 24, 8, 2.5)
    draw_bubble(p, 28, 4, 1.5)
    save(p, 'icon.png')
    del big


def scale_nearest(src, k):
    w, h = max(1, int(src.w * k)), max(1, int(src.h * k))
    p = Pixmap(w, h)
    for y in range(h):
        for x in range(w):
            p.put(x, y, src.get(min(src.w - 1, int(x / k)), min(src.h - 1, int(y / k))))
    return p


# ---------------------------------------------------------------------------
# Fish: small (3x1 cells, 45x15) and big (4x2 cells, 60x30), looking left
# ---------------------------------------------------------------------------

SS = 4   # supersampling factor for the small pictures

FISH_ANIMS = {
    # name: number of frames
    'rest': 4, 'swim': 6, 'turn': 3, 'talk': 3, 'push': 2, 'dead': 1,
}


def fish_picture(w, h, look, anim, frame):
    """Draws one frame of a fish looking left at SS times the size, then
    reduces it.  look holds the body geometry and colours."""
    W, H = w * SS, h * SS
    p = Pixmap(W, H)
    s = float(SS)
    body_l, body_r = look['body'][0] * s, look['body'][1] * s
    cy = look['cy'] * s
    ry = look['ry'] * s
    cx = (body_l + body_r) / 2.0
    rx = (body_r - body_l) / 2.0
    tail = 0.0
    squash = 1.0
    mouth = 0.0
    belly_up = anim == 'dead'
    if anim == 'rest':
        tail = math.sin(frame / 4.0 * 2 * math.pi) * 0.35
    elif anim == 'swim':
        tail = math.sin(frame / 6.0 * 2 * math.pi) * 1.0
    elif anim == 'push':
        tail = (0.8, -0.8)[frame]
    elif anim == 'talk':
        mouth = (0.2, 1.0, 0.55)[frame]
        tail = 0.15 * (frame - 1)
    elif anim == 'turn':
        squash = (0.72, 0.45, 0.25)[frame]
    if squash < 1.0:
        rx *= squash
        cx = W / 2.0
        body_l, body_r = cx - rx, cx + rx
    main, dark, light, fin = look['main'], look['dark'], look['light'], look['fin']
    if belly_up:
        main, dark, light, fin = (mix(c, (150, 150, 140), 0.55) for c in (main, dark, light, fin))

    # tail fin on the right side
    tl = body_r - rx * 0.18
    tx = min(W - 1.5 * s, tl + look['tail_len'] * s * max(0.35, squash))
    spread = look['tail_spread'] * s
    tw = tail * look['tail_spread'] * s * 0.45
    tail_pts = [(tl, cy), (tx, cy - spread + tw), (tx - rx * 0.12 * squash, cy + tw * 0.3), (tx, cy + spread + tw)]
    outline = mix(dark, INK, 0.65)

    def finfill(x, y, d):
        c = mix(fin, light, clamp((x - tl) / max(1.0, tx - tl)) * 0.4)
        stripe = 0.5 + 0.5 * math.sin((y - cy) * 1.2 / s)
        return mix(c, dark, stripe * 0.25)
    tail_sd = sd_polygon(tail_pts)
    p.shade(lambda x, y: tail_sd(x, y) - 1.2 * s, outline)
    p.shade(tail_sd, finfill)
    # dorsal fin and belly fin
    dors = look.get('dorsal')
    if dors:
        dl, dr, dh = dors[0] * s, dors[1] * s, dors[2] * s
        if squash < 1.0:
            dl, dr = cx - (cx - dl) * squash * 0.6, cx + (dr - cx) * squash * 0.6
        top = cy - ry
        pts = [(dl, top + s), (dl + (dr - dl) * 0.35, top - dh), (dr, top - dh * 0.3), (dr + s, top + 2 * s)]
        d_sd = sd_polygon(pts)
        p.shade(lambda x, y: d_sd(x, y) - 1.2 * s, outline)
        p.shade(d_sd, lambda x, y, d: mix(fin, dark, 0.2))
    # body
    body_sd = sd_ellipse(cx, cy, rx, ry)
    p.shade(lambda x, y: body_sd(x, y) - 1.2 * s, outline)

    def bodyfill(x, y, d):
        ny = (y - cy) / ry
        nx = (x - cx) / rx
        shade_k = clamp(0.55 - ny * 0.6 - nx * 0.1)
        c = mix(dark, light, shade_k)
        if ny > 0.25:
            c = mix(c, look['belly'], clamp((ny - 0.25) * 1.6) * 0.8)
        for sx in look.get('stripes', ()):
            # a band that bends with the body
            bx = sx * s + (ny * ny) * rx * 0.12
            dd = abs(x - bx) / s
            if squash >= 1.0 and dd < look['stripe_w'] + 0.8:
                edge = dd > look['stripe_w']
                c = mix(c, INK if edge else look['stripe_col'], 0.55 if edge else 0.85)
        if look.get('dots') and squash >= 1.0:
            for k in range(look['dots']):
                dx = body_l + rx * (0.55 + k * 0.24)
                if math.hypot(x - dx, y - (cy - ry * 0.12)) < 0.9 * s:
                    c = mix(c, (230, 245, 255), 0.8)
        scale = 0.5 + 0.5 * math.sin(x / s * 2.2) * math.sin(y / s * 2.2)
        return mix(c, main, 0.25 + 0.1 * scale)
    p.shade(body_sd, bodyfill)
    # pectoral fin: a small fan behind the gills
    if squash >= 0.5:
        px0 = body_l + rx * 1.0
        py0 = cy + ry * 0.18
        flap = 0.25 * tail
        pf = sd_polygon([(px0, py0 - ry * 0.08), (px0 + rx * 0.42, py0 + ry * (0.05 + flap)),
                         (px0 + rx * 0.36, py0 + ry * (0.42 + flap)), (px0 + rx * 0.05, py0 + ry * 0.22)])
        p.shade(lambda x, y: pf(x, y) - 0.7 * s, mix(outline, dark, 0.4))
        p.shade(pf, mix(fin, light, 0.45))
    # eye and mouth on the left (head) side
    ex = body_l + rx * (0.42 if squash >= 1.0 else 0.75 * squash + 0.3)
    if squash < 1.0:
        ex = cx - rx * 0.45
    ey = cy - ry * 0.25
    er = look['eye'] * s
    if anim == 'dead':
        for sgn in (1, -1):
            p.line(ex - er, ey - er * sgn, ex + er, ey + er * sgn, 0.9 * s, INK)
    else:
        p.shade(sd_circle(ex, ey, er + 0.7 * s), outline)
        p.shade(sd_circle(ex, ey, er), (252, 252, 248))
        p.shade(sd_circle(ex - er * 0.25, ey + er * 0.05, er * 0.55), INK)
        p.shade(sd_circle(ex - er * 0.45, ey - er * 0.35, er * 0.22), (255, 255, 255))
        if squash < 1.0:
            ex2 = cx + rx * 0.45
            p.shade(sd_circle(ex2, ey, er + 0.7 * s), outline)
            p.shade(sd_circle(ex2, ey, er), (252, 252, 248))
            p.shade(sd_circle(ex2 + er * 0.1, ey + er * 0.05, er * 0.55), INK)
        if anim == 'push':
            p.line(ex - er * 1.2, ey - er * 1.3, ex + er * 1.1, ey - er * 0.8, 0.9 * s, INK)
    mx = body_l + rx * 0.08 if squash >= 1.0 else cx
    my = cy + ry * 0.22
    if mouth > 0:
        p.shade(sd_ellipse(mx + rx * 0.06, my, rx * 0.09 + s * 0.5, ry * 0.2 * mouth + s * 0.4), (90, 20, 30))
    else:
        p.line(mx, my, mx + rx * 0.16, my - ry * 0.05, 0.9 * s, outline)
    small = p.scaled_down(SS)
    small.hard_alpha(100)
    small.outline(INK, inner=True, strength=0.55)
    if belly_up:
        small = small.flipped()
    return small


SMALL_FISH = {
    'body': (2.0, 34.0), 'cy': 8.2, 'ry': 5.2, 'tail_len': 10.5, 'tail_spread': 6.2,
    'main': (250, 150, 40), 'dark': (206, 90, 20), 'light': (255, 206, 120), 'fin': (255, 170, 70),
    'belly': (255, 236, 200), 'eye': 2.4, 'stripes': (12.8,), 'stripe_w': 0.9,
    'stripe_col': (255, 250, 240), 'dorsal': (11.0, 25.0, 2.6),
}
BIG_FISH = {
    'body': (2.0, 46.0), 'cy': 16.5, 'ry': 10.4, 'tail_len': 13.5, 'tail_spread': 12.5,
    'main': (70, 130, 220), 'dark': (28, 62, 150), 'light': (150, 200, 255), 'fin': (80, 150, 230),
    'belly': (210, 232, 250), 'eye': 3.6, 'stripes': (), 'stripe_w': 1.6, 'dots': 4,
    'stripe_col': (30, 50, 110), 'dorsal': (12.0, 34.0, 4.6),
}


def small_fish_frame(anim, frame):
    return fish_picture(45, 15, SMALL_FISH, anim, frame)


def gen_fish():
    for kind, (w, h, look) in (('small', (45, 15, SMALL_FISH)), ('big', (60, 30, BIG_FISH))):
        for anim, count in FISH_ANIMS.items():
            for frame in range(count):
                left = fish_picture(w, h, look, anim, frame)
                save(left, 'fish/%s/left/%s_%02d.png' % (kind, anim, frame))
                save(left.mirrored(), 'fish/%s/right/%s_%02d.png' % (kind, anim, frame))


# ---------------------------------------------------------------------------
# Items: light (shells, crates, a jar) and heavy (steel, pipes), 15-pixel cells
# ---------------------------------------------------------------------------

def parse_shape(text):
    cells = []
    for y, row in enumerate(text.strip('\n').split('\n')):
        for x, c in enumerate(row):
            if c == 'X':
                cells.append((x, y))
    w = 1 + max(x for x, _ in cells)
    h = 1 + max(y for _, y in cells)
    return cells, w, h


def finish_model(p):
    small = p.scaled_down(SS)
    small.hard_alpha(100)
    small.outline(INK, inner=True, strength=0.6)
    return small


def draw_scallop(p, w, h, s, color=(246, 170, 160)):
    cx, cy = w * s / 2.0, h * s * 0.62
    r = w * s * 0.47
    fan = sd_intersect(sd_circle(cx, cy, r), sd_box(0, cy - r, w * s, cy + r * 0.62))
    ear = sd_box(cx - r * 0.38, cy + r * 0.45, cx + r * 0.38, cy + r * 0.78, s * 0.5)

    def col(x, y, d):
        a = math.atan2(y - (cy + r * 0.7), x - cx)
        rib = 0.5 + 0.5 * math.cos(a * 16)
        lit = clamp(0.8 - (y - (cy - r)) / (2 * r))
        c = mix(mix(color, (140, 60, 70), 0.45), (255, 236, 228), lit)
        return mix(c, (130, 50, 60), rib * 0.35)
    p.shade(sd_union(fan, ear), col)


def draw_snail(p, w, h, s, color=(236, 196, 110)):
    cx, cy = w * s * 0.5, h * s * 0.55
    r = w * s * 0.44
    body = sd_circle(cx, cy, r)

    def col(x, y, d):
        dx, dy = x - cx, y - cy
        a = math.atan2(dy, dx)
        rr = math.hypot(dx, dy) / r
        # a spiral groove: distance to the curve rr = (a + 2 pi k) / (3 pi)
        t = (rr * 3.0 * math.pi - a) / (2 * math.pi)
        groove = abs(t - round(t))
        lit = clamp(0.75 - (dx + dy) / (2.4 * r))
        c = mix(mix(color, (120, 70, 20), 0.5), (255, 240, 200), lit)
        return mix(c, (110, 60, 20), 0.7) if groove < 0.09 else c
    p.shade(body, col)


def draw_starfish(p, w, h, s, color=(240, 120, 60)):
    cx, cy = w * s / 2.0, h * s * 0.54
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        rr = w * s * (0.49 if k % 2 == 0 else 0.2)
        pts.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    star = sd_polygon(pts)

    def col(x, y, d):
        lit = clamp(0.7 - ((x - cx) + (y - cy)) / (w * s * 0.8))
        c = mix(mix(color, (120, 40, 10), 0.4), (255, 210, 150), lit)
        dot = hash2(int(x / s * 2), int(y / s * 2), 5) > 0.8
        return mix(c, (255, 240, 200), 0.5) if dot else c
    p.shade(lambda x, y: star(x, y) - 0.6 * s, col)


def draw_crate(p, w, h, s):
    W, H = w * s, h * s
    m = 0.4 * s
    wood, dark = (196, 140, 78), (120, 76, 36)

    def col(x, y, d):
        plank = int((y - m) / (H - 2 * m) * (3 * h))
        grain = fbm(x / (s * 6.0), plank * 3.1, 9, 2)
        c = mix(dark, wood, 0.55 + grain * 0.5)
        if d > -1.6 * s:
            return mix(c, dark, 0.6)
        if abs(((y - m) / (H - 2 * m) * (3 * h)) - round((y - m) / (H - 2 * m) * (3 * h))) < 0.08:
            return mix(c, dark, 0.7)
        return c
    p.shade(sd_box(m, m, W - m, H - m, 0.8 * s), col)
    # the diagonal brace
    p.line(m + 2 * s, H - m - 2 * s, W - m - 2 * s, m + 2 * s, 1.8 * s, mix(wood, dark, 0.45))
    for x, y in ((m + 1.6 * s, m + 1.6 * s), (W - m - 1.6 * s, m + 1.6 * s),
                 (m + 1.6 * s, H - m - 1.6 * s), (W - m - 1.6 * s, H - m - 1.6 * s)):
        p.shade(sd_circle(x, y, 0.8 * s), (70, 50, 40))


def draw_amphora(p, w, h, s, color=(200, 110, 70)):
    W, H = w * s, h * s
    cx = W / 2.0
    body = sd_ellipse(cx, H * 0.58, W * 0.45, H * 0.36)
    neck = sd_box(cx - W * 0.16, H * 0.06, cx + W * 0.16, H * 0.35, s * 0.5)
    lip = sd_box(cx - W * 0.26, H * 0.03, cx + W * 0.26, H * 0.11, s * 0.6)
    handles = sd_union(
        sd_subtract(sd_circle(cx - W * 0.26, H * 0.24, W * 0.16), sd_circle(cx - W * 0.26, H * 0.24, W * 0.07)),
        sd_subtract(sd_circle(cx + W * 0.26, H * 0.24, W * 0.16), sd_circle(cx + W * 0.26, H * 0.24, W * 0.07)))
    shape = sd_union(body, neck, lip, handles)

    def col(x, y, d):
        lit = clamp(0.85 - (x - cx + W * 0.1) / (W * 0.6))
        c = mix(mix(color, (90, 40, 20), 0.5), (255, 200, 150), lit * 0.8)
        band = abs(y - H * 0.5) < s * 1.0 or abs(y - H * 0.7) < s * 0.6
        return mix(c, (60, 30, 20), 0.6) if band else c
    p.shade(shape, col)


def draw_steel(p, cells, w, h, s):
    """A riveted steel block filling its cells."""
    W, H = w * 15 * s, h * 15 * s
    m = 0.35 * s

    def plate(cx, cy):
        # a side shared with a neighbouring cell is extended, so the cells
        # merge into one plate; open sides are inset by the margin
        x0 = cx * 15 * s + (-m if (cx - 1, cy) in cells else m)
        y0 = cy * 15 * s + (-m if (cx, cy - 1) in cells else m)
        x1 = (cx + 1) * 15 * s + (m if (cx + 1, cy) in cells else -m)
        y1 = (cy + 1) * 15 * s + (m if (cx, cy + 1) in cells else -m)
        return sd_box(x0, y0, x1, y1, 0.5 * s)
    sdf = sd_union(*[plate(cx, cy) for cx, cy in cells])

    def col(x, y, d):
        t = (x + y) / float(W + H)
        c = mix((200, 210, 222), (86, 96, 112), t)
        n = fbm(x / (s * 3), y / (s * 8), 31, 2) - 0.5
        c = tuple(v + n * 18 for v in c)
        if d > -2.0 * s:
            lit = (x + y) < (W + H) * 0.5
            return mix(c, (240, 246, 255) if lit else (40, 46, 60), 0.45)
        return c
    p.shade(sdf, col)
    for cx, cy in cells:
        for rx, ry in ((3, 3), (12, 3), (3, 12), (12, 12)):
            X, Y = (cx * 15 + rx) * s, (cy * 15 + ry) * s
            p.shade(sd_circle(X, Y, 1.1 * s), lambda x, y, d, X=X, Y=Y: (235, 240, 250) if (x - X + y - Y) < 0 else (60, 66, 80))


def draw_pipe(p, cells, w, h, s):
    """A steel pipe running through the centres of its cells."""
    r = 5.4 * s
    segs = []
    for cx, cy in cells:
        X, Y = (cx + 0.5) * 15 * s, (cy + 0.5) * 15 * s
        for dx, dy in ((1, 0), (0, 1)):
            if (cx + dx, cy + dy) in cells:
                segs.append(sd_segment(X, Y, X + dx * 15 * s, Y + dy * 15 * s, r))
        segs.append(sd_circle(X, Y, r))
    ends = []
    for cx, cy in cells:
        X, Y = (cx + 0.5) * 15 * s, (cy + 0.5) * 15 * s
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            if (cx + dx, cy + dy) not in cells and (cx - dx, cy - dy) in cells:
                # a flange where the pipe ends
                ex, ey = X + dx * 5.6 * s, Y + dy * 5.6 * s
                if dx:
                    ends.append(sd_box(ex - 1.6 * s, Y - 7.0 * s, ex + 1.6 * s, Y + 7.0 * s, 0.6 * s))
                else:
                    ends.append(sd_box(X - 7.0 * s, ey - 1.6 * s, X + 7.0 * s, ey + 1.6 * s, 0.6 * s))
        # a plain end when a single cell has no neighbour at all
    body = sd_union(*segs)

    def col(x, y, d):
        # shade across the pipe: the distance to its surface gives a round look
        k = clamp(-d / r)
        lit = clamp(0.3 + k * 0.8)
        c = mix((50, 70, 80), (170, 196, 200), lit)
        return mix(c, (235, 250, 250), 0.5) if 0.55 < k < 0.7 else c
    p.shade(body, col)
    if ends:
        p.shade(sd_union(*ends), lambda x, y, d: (120, 140, 150) if d < -0.8 * s else (60, 70, 80))


def draw_outlet(p, cells, w, h, s):
    """The mouth of an old outlet pipe seen from the room: a rusty rim
    round a dark opening that leads out of the room to the left."""
    W, H = w * 15 * s, h * 15 * s
    cx, cy = W * 0.56, H / 2.0
    rim = sd_ellipse(cx, cy, W * 0.44, H * 0.48)
    hole = sd_ellipse(cx - W * 0.08, cy, W * 0.26, H * 0.36)

    def rust(x, y, d):
        n = fbm(x / (s * 4), y / (s * 4), 17, 3)
        lit = clamp(0.8 - (y - cy + H * 0.3) / (H * 0.9))
        c = mix((92, 60, 44), (196, 128, 76), lit)
        c = mix(c, (150, 84, 40), clamp(n - 0.35))
        return mix(c, (40, 24, 20), 0.5) if d > -1.2 * s else c
    p.shade(rim, rust)

    def inside(x, y, d):
        k = clamp(-d / (W * 0.2))
        return mix((40, 52, 60), (4, 10, 18), k)
    p.shade(hole, inside)
    for k in range(6):
        a = math.pi * (0.5 + k / 5.0) - math.pi
        X = cx + math.cos(a) * W * 0.37
        Y = cy + math.sin(a) * H * 0.42
        if X > cx:
            p.shade(sd_circle(X, Y, 1.1 * s), (230, 190, 140))


def draw_anchor(p, cells, w, h, s):
    """An iron anchor filling its box: ring, stock, shank and curved arms."""
    W, H = w * 15 * s, h * 15 * s
    cx = W / 2.0
    ring = sd_subtract(sd_circle(cx, H * 0.11, W * 0.11), sd_circle(cx, H * 0.11, W * 0.055))
    stock = sd_box(cx - W * 0.32, H * 0.24, cx + W * 0.32, H * 0.32, 0.8 * s)
    shank = sd_box(cx - W * 0.06, H * 0.18, cx + W * 0.06, H * 0.9, 0.6 * s)
    arc = sd_subtract(sd_circle(cx, H * 0.5, W * 0.44), sd_circle(cx, H * 0.5, W * 0.33))
    arms = sd_subtract(arc, sd_box(-W, -H, 2 * W, H * 0.6))
    flukes = sd_union(
        sd_polygon([(W * 0.02, H * 0.5), (W * 0.2, H * 0.66), (W * 0.02, H * 0.76)]),
        sd_polygon([(W * 0.98, H * 0.5), (W * 0.8, H * 0.66), (W * 0.98, H * 0.76)]))
    shape = sd_union(ring, stock, shank, arms, flukes)

    def iron(x, y, d):
        n = fbm(x / (s * 3), y / (s * 3), 23, 2)
        c = mix((40, 46, 56), (120, 130, 142), clamp(0.7 - (x + y) / float(W + H)))
        c = mix(c, (140, 80, 44), clamp(n - 0.45) * 1.5)
        return mix(c, (200, 210, 220), 0.35) if -1.6 * s < d < -0.6 * s and x < cx else c
    p.shade(shape, iron)


ITEMS = {
    # name: (weight, shape, drawer)
    'light/shell': ('light', 'X', lambda p, c, w, h, s: draw_scallop(p, w * 15, h * 15, s)),
    'light/snail': ('light', 'X', lambda p, c, w, h, s: draw_snail(p, w * 15, h * 15, s)),
    'light/starfish': ('light', 'X', lambda p, c, w, h, s: draw_starfish(p, w * 15, h * 15, s)),
    'light/crate': ('light', 'X', lambda p, c, w, h, s: draw_crate(p, w * 15, h * 15, s)),
    'light/crate_wide': ('light', 'XX', lambda p, c, w, h, s: draw_crate(p, w * 15, h * 15, s)),
    'light/amphora': ('light', 'X\nX', lambda p, c, w, h, s: draw_amphora(p, w * 15, h * 15, s)),
    'heavy/steel': ('heavy', 'X', draw_steel),
    'heavy/steel_wide': ('heavy', 'XX', draw_steel),
    'heavy/steel_tall': ('heavy', 'X\nX', draw_steel),
    'heavy/steel_big': ('heavy', 'XX\nXX', draw_steel),
    'heavy/steel_step': ('heavy', 'XX\nX.', draw_steel),
    'heavy/pipe_3': ('heavy', 'XXX', draw_pipe),
    'heavy/pipe_4': ('heavy', 'XXXX', draw_pipe),
    'heavy/pipe_tall': ('heavy', 'X\nX\nX', draw_pipe),
    'heavy/pipe_elbow': ('heavy', 'XX\nX.', draw_pipe),
    'heavy/pipe_hook': ('heavy', 'XXX\n..X', draw_pipe),
    'heavy/anchor': ('heavy', 'XX\nXX', draw_anchor),
    'fixed/outlet_left': ('fixed', 'X\nX', draw_outlet),
}


def gen_items():
    for name, (weight, shape, draw) in ITEMS.items():
        cells, w, h = parse_shape(shape)
        p = Pixmap(w * 15 * SS, h * 15 * SS)
        draw(p, set(cells), w, h, SS)
        save(finish_model(p), 'items/%s.png' % name)


# ---------------------------------------------------------------------------
# Walls and rooms
#
# A room is described by a text file in tools/rooms/: a line "style NAME"
# and the wall grid in the shape text of the levels ("X" wall, "." water).
# The generator draws images/rooms/NAME/bg.png (the background, cells x 15
# pixels) and images/rooms/NAME/walls.png (the picture of the wall model, to
# be placed at cell (0, 0) with the same grid as its shape).
# ---------------------------------------------------------------------------

WALL_STYLES = {
    # base colour, dark colour, light colour, stone size
    'cave': ((104, 112, 128), (40, 44, 60), (170, 178, 190), 7.0),
    'reef': ((196, 150, 120), (96, 60, 54), (246, 206, 170), 5.0),
    'wreck': ((136, 96, 64), (58, 36, 24), (196, 150, 100), 0.0),
}
BG_STYLES = {
    'cave': ((40, 110, 140), (6, 22, 44), (30, 60, 80)),
    'reef': ((70, 170, 186), (14, 60, 96), (50, 110, 120)),
    'wreck': ((66, 126, 120), (10, 34, 40), (40, 70, 64)),
}


def read_room(path):
    style, rows = 'cave', []
    with open(path) as f:
        for line in f:
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            if line.startswith('style '):
                style = line.split()[1]
                continue
            if set(line) - set('X.'):
                raise ValueError('%s: bad grid line %r' % (path, line))
            rows.append(line)
    if style not in WALL_STYLES:
        raise ValueError('%s: unknown style %s' % (path, style))
    w = max(len(r) for r in rows)
    return style, [r.ljust(w, '.') for r in rows], w, len(rows)


def wall_picture(rows, w, h, style, seed=3):
    """The wall model: rounded outer corners, a bevel lit from the top left,
    a dark rim and a texture of stones (or riveted planks for wrecks)."""
    base, dark, light, stone = WALL_STYLES[style]

    def filled(cx, cy):
        if cx < 0 or cy < 0 or cx >= w or cy >= h:
            return True          # the outside of the room counts as rock
        return rows[cy][cx] == 'X'
    p = Pixmap(w * 15, h * 15)
    R = 5.0
    for cy in range(h):
        for cx in range(w):
            if not filled(cx, cy):
                continue
            empty = [(cx + i, cy + j) for j in (-1, 0, 1) for i in (-1, 0, 1)
                     if (i or j) and not filled(cx + i, cy + j)]
            for ly in range(15):
                for lx in range(15):
                    px, py = cx * 15 + lx + 0.5, cy * 15 + ly + 0.5
                    dist, nx, ny = 99.0, 0.0, 0.0
                    for ex, ey in empty:
                        qx = clamp(px, ex * 15, ex * 15 + 15)
                        qy = clamp(py, ey * 15, ey * 15 + 15)
                        d = math.hypot(px - qx, py - qy)
                        if d < dist:
                            dist, nx, ny = d, qx - px, qy - py
                    # round the convex corners of the cell
                    for sx, sy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
                        if not filled(cx + sx, cy) and not filled(cx, cy + sy):
                            ccx = cx * 15 + (R if sx < 0 else 15 - R)
                            ccy = cy * 15 + (R if sy < 0 else 15 - R)
                            if (px - ccx) * sx > 0 and (py - ccy) * sy > 0:
                                dd = R - math.hypot(px - ccx, py - ccy)
                                if dd < dist:
                                    dist = dd
                                    nx, ny = (px - ccx), (py - ccy)
                    if dist < 0.0:
                        continue
                    p.put(cx * 15 + lx, cy * 15 + ly, wall_colour(px, py, dist, nx, ny, style, seed) + (255,))
    return p


def wall_colour(px, py, dist, nx, ny, style, seed):
    base, dark, light, stone = WALL_STYLES[style]
    n = fbm(px / 9.0, py / 9.0, seed, 3) - 0.5
    if style == 'wreck':
        plank = int(py // 5)
        g = fbm(px / 14.0, plank * 1.7, seed, 2)
        c = mix(dark, base, 0.5 + g * 0.6)
        if py % 5 < 1.0:
            c = mix(c, dark, 0.7)
        if (px + plank * 7) % 30 < 1.0:
            c = mix(c, dark, 0.6)
        if (px + plank * 7) % 30 < 3.0 and 2.0 < py % 5 < 3.5:
            c = (90, 70, 50)
    else:
        d1, d2 = voronoi(px / stone, py / stone, seed)
        edge = d2 - d1
        tone = hash2(int(px / stone * 3), int(py / stone * 3), seed)
        c = mix(base, light, clamp(0.4 - d1 * 0.4 + n))
        c = mix(c, dark, 0.15 + 0.1 * tone)
        if edge < 0.12:
            c = mix(c, dark, 0.65)
        if style == 'reef' and hash2(int(px // 4), int(py // 4), seed + 3) > 0.93:
            c = mix(c, (120, 60, 70), 0.6)
    c = tuple(v + n * 18 for v in c)
    if dist < 1.3:
        return tuple(INK)
    if dist < 4.0:
        ln = math.hypot(nx, ny) or 1.0
        facing = (nx * -0.6 + ny * -0.8) / ln      # outward normal towards the light
        k = (1.0 - (dist - 1.3) / 2.7)
        if facing > 0.2:
            c = mix(c, (255, 255, 240), 0.45 * k)
        elif facing < -0.2:
            c = mix(c, dark, 0.55 * k)
    # moss or sand on the upper faces
    if style == 'cave' and ny < -0.5 and dist < 3.0 and hash2(int(px // 2), 0, seed) > 0.3:
        c = mix(c, (70, 130, 80), 0.6)
    return c


def room_background(w, h, style, seed=5):
    top, bottom, sil = BG_STYLES[style]
    W, H = w * 15, h * 15
    pix = water(W, H, top, bottom, seed=seed, rays=3, caustic=0.6)
    far = floor_profile(W, H * 0.72, H * 0.12, seed + 1, 70.0)
    draw_hills(pix, far, sil, seed + 2, haze=0.45)
    if style == 'reef':
        for k in range(4):
            x = W * (0.1 + 0.8 * hash2(k, 1, seed))
            draw_coral(pix, x, far[int(x)] + 10, H * 0.22, seed + k, mix(CORAL, sil, 0.55))
    elif style == 'wreck':
        # the dim ribs of a hull far behind
        for k in range(6):
            x = W * (0.15 + k * 0.13)
            pix.line(x, H * 0.3 + k * 3, x + 6, H, 6, mix(sil, bottom, 0.3) + (200,))
        pix.line(W * 0.12, H * 0.3, W * 0.9, H * 0.36, 5, mix(sil, bottom, 0.3) + (200,))
    else:
        for k in range(5):
            x = W * (0.1 + 0.8 * hash2(k, 3, seed))
            draw_weed(pix, x, H, H * (0.2 + 0.2 * hash2(k, 4, seed)), k + seed,
                      color=mix(WEED, sil, 0.6), dark=mix(WEED_DARK, sil, 0.6))
    for k in range(int(w * h / 25)):
        draw_bubble(pix, W * hash2(k, 5, seed), H * hash2(k, 6, seed), 1.0 + 2.0 * hash2(k, 7, seed))
    return pix


SAMPLE_WALLS = {
    # small free-standing wall pieces (item_fixed models)
    'rock_1x1': ('cave', 'X'), 'rock_2x1': ('cave', 'XX'), 'rock_1x2': ('cave', 'X\nX'),
    'rock_2x2': ('cave', 'XX\nXX'), 'coral_1x1': ('reef', 'X'), 'coral_2x1': ('reef', 'XX'),
    'plank_3x1': ('wreck', 'XXX'), 'plank_1x3': ('wreck', 'X\nX\nX'),
}


def free_wall(style, shape):
    """A wall piece standing alone: every side is open water."""
    rows = shape.split('\n')
    w, h = max(len(r) for r in rows), len(rows)
    padded = ['.' * (w + 2)] + ['.' + r.ljust(w, '.') + '.' for r in rows] + ['.' * (w + 2)]
    big = wall_picture(padded, w + 2, h + 2, style)
    p = Pixmap(w * 15, h * 15)
    for y in range(h * 15):
        for x in range(w * 15):
            p.put(x, y, big.get(x + 15, y + 15))
    return p


def gen_walls():
    for name, (style, shape) in SAMPLE_WALLS.items():
        save(free_wall(style, shape), 'walls/%s.png' % name)


def gen_rooms():
    folder = os.path.join(ROOT, 'tools', 'rooms')
    for fname in sorted(os.listdir(folder)):
        if not fname.endswith('.txt'):
            continue
        name = fname[:-4]
        style, rows, w, h = read_room(os.path.join(folder, fname))
        seed = sum(ord(c) for c in name)
        save(room_background(w, h, style, seed), 'rooms/%s/bg.png' % name)
        save(wall_picture(rows, w, h, style, seed), 'rooms/%s/walls.png' % name)


# ---------------------------------------------------------------------------
# Credits: a tall translucent panel that scrolls up over the map
# ---------------------------------------------------------------------------

CREDITS = [
    ('title', 'TIDEPOOL'),
    ('small', 'A PUZZLE UNDER THE SEA'),
    ('gap', ''),
    ('head', 'PROGRAMMING'),
    ('line', 'THE TIDEPOOL TEAM'),
    ('gap', ''),
    ('head', 'LEVELS AND PUZZLES'),
    ('line', 'THE TIDEPOOL TEAM'),
    ('gap', ''),
    ('head', 'PICTURES'),
    ('line', 'DRAWN BY CODE'),
    ('small', 'TOOLS/GEN_IMAGES.PY'),
    ('gap', ''),
    ('head', 'MUSIC AND SOUNDS'),
    ('line', 'SYNTHESISED WITH SOX'),
    ('gap', ''),
    ('head', 'VOICES'),
    ('line', 'ESPEAK-NG'),
    ('gap', ''),
    ('head', 'LETTERS'),
    ('line', 'DEJAVU FONTS'),
    ('gap', ''),
    ('head', 'ENGINE'),
    ('line', 'SDL, LUA'),
    ('gap', ''),
    ('gap', ''),
    ('line', 'THANK YOU FOR PLAYING!'),
    ('small', 'DĚKUJEME ZA HRU!'),
]


def gen_credits():
    W = MAP_W
    layout = {'title': (5, 70), 'head': (3, 40), 'line': (2, 30), 'small': (2, 30), 'gap': (0, 22)}
    H = 120 + sum(layout[k][1] for k, _ in CREDITS) + 130
    p = Pixmap(W, H)
    p.shade(sd_box(60, 10, W - 60, H - 10, 24),
            lambda x, y, d: (255, 214, 90, 230) if d > -2.5 else mix((10, 40, 70, 215), (4, 16, 36, 225), y / float(H)))
    y = 40
    big = fish_picture(60, 30, BIG_FISH, 'swim', 1)
    small = fish_picture(45, 15, SMALL_FISH, 'swim', 3)
    p.paste(scale_nearest(small, 2), 110, y + 10)
    p.paste(scale_nearest(big.mirrored(), 2), W - 110 - 120, y - 4)
    y += 80
    for kind, text in CREDITS:
        sc, adv = layout[kind]
        if kind == 'title':
            pixfont.draw_text_centered(p, text, W // 2, y, sc, None, outline=INK + (255,), shadow=(3, (0, 0, 0, 140)),
                                       fill_fn=lambda px, py, y=y: mix((255, 244, 190), (236, 160, 60), clamp((py - y) / 45.0)))
        elif kind == 'head':
            pixfont.draw_text_centered(p, text, W // 2, y, sc, (255, 214, 90), outline=INK + (255,))
        elif kind == 'line':
            pixfont.draw_text_centered(p, text, W // 2, y, sc, (236, 244, 250), outline=INK + (255,))
        elif kind == 'small':
            pixfont.draw_text_centered(p, text, W // 2, y, sc, (150, 200, 220), outline=INK + (255,))
        y += adv
    for k in range(14):
        draw_bubble(p, (80 + 70 * hash2(k, 1, 90)) if k % 2 else (W - 150 + 70 * hash2(k, 1, 90)), 30 + (H - 60) * hash2(k, 2, 90), 2 + 3 * hash2(k, 3, 90))
    p.paste(scale_nearest(fish_picture(45, 15, SMALL_FISH, 'rest', 0).mirrored(), 2), W // 2 - 45, H - 90)
    save(p, 'menu/credits.png')


# ---------------------------------------------------------------------------
# Demo pictures: the slides of the intro and the posters of solved levels,
# 320x240 like the display; their texts come as subtitles, so the pictures
# carry no words and serve every language.
# ---------------------------------------------------------------------------

DEMO_W, DEMO_H = 320, 240


def model_picture(rel, k=2):
    """A model picture of this data set (drawn by an earlier group), enlarged."""
    return scale_nearest(png_load(os.path.join(OUT, rel)), k)


def fish_2x(kind, anim, frame, right=False):
    w, h, look = (45, 15, SMALL_FISH) if kind == 'small' else (60, 30, BIG_FISH)
    p = fish_picture(w, h, look, anim, frame)
    return scale_nearest(p.mirrored() if right else p, 2)


def motion_lines(pix, x, y, length, count, color=(220, 245, 255, 150)):
    for k in range(count):
        yy = y + k * 8
        pix.line(x, yy, x + length - 6 * k, yy, 1.6, color)


def poster_frame(pix, color=(255, 214, 90)):
    """A rounded gold frame with a dark vignette, so a poster reads as a picture
    hung over the scene."""
    w, h = pix.w, pix.h
    inner = sd_box(8, 8, w - 8, h - 8, 14)
    pix.fill(lambda x, y: (0, 10, 30, 0 if inner(x + 0.5, y + 0.5) < -4 else 200))
    ring = sd_subtract(sd_box(6, 6, w - 6, h - 6, 16), sd_box(10, 10, w - 10, h - 10, 12))
    pix.shade(ring, lambda x, y, d: mix(color, GOLD_DARK, y / float(h)))


def draw_star(pix, cx, cy, r, color=(255, 226, 110)):
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        rr = r if k % 2 == 0 else r * 0.45
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    pix.shade(sd_circle(cx, cy, r * 1.5), color + (50,), soft=r * 0.6)
    pix.shade(sd_polygon(pts), lambda x, y, d: INK if d > -1.4 else mix((255, 250, 200), color, clamp((y - cy + r) / (2 * r))))


def gen_demo():
    W, H = DEMO_W, DEMO_H
    # 1. two fish meet in the deep
    p, near = sea_floor_scene(W, H, seed=31, floor_at=0.86, weeds=7, corals=3, rocks=3, bubbles=16)
    p.paste(fish_2x('small', 'talk', 1, right=True), 50, 104)
    p.paste(fish_2x('big', 'rest', 0), 190, 84)
    save(p, 'demo/intro_1.png')
    # 2. the small fish moves light things, the big fish moves steel too
    p, near = sea_floor_scene(W, H, seed=33, floor_at=0.86, weeds=6, corals=2, rocks=2, bubbles=10)
    shell = model_picture('items/light/shell.png')
    steel = model_picture('items/heavy/steel_big.png')
    p.paste(fish_2x('small', 'push', 0, right=True), 16, 64)
    p.paste(shell, 106, 64)
    motion_lines(p, 4, 68, 14, 3)
    p.paste(fish_2x('big', 'push', 0, right=True), 40, int(near[100]) - 64)
    p.paste(steel, 160, int(near[200]) - steel.h + 4)
    motion_lines(p, 20, int(near[100]) - 54, 18, 4)
    save(p, 'demo/intro_2.png')
    # 3. what falls is dangerous: steel over the small fish's head
    p, near = sea_floor_scene(W, H, seed=35, floor_at=0.86, weeds=6, corals=3, rocks=2, bubbles=8)
    steel = model_picture('items/heavy/steel_wide.png')
    sx = 130
    p.paste(steel, sx, 40)
    for k in range(4):
        x = sx + 8 + k * (steel.w - 16) / 3.0
        p.line(x, 18, x, 34, 2.0, (230, 245, 255, 170))
    fy = int(near[160]) - 34
    p.paste(fish_2x('small', 'talk', 2), 118, fy)
    p.shade(sd_circle(168, fy - 16, 9), (255, 255, 255, 235))
    p.line(168, fy - 22, 168, fy - 14, 2.4, CORAL)
    p.shade(sd_circle(168, fy - 10.5, 1.4), CORAL)
    save(p, 'demo/intro_3.png')
    # 4. out of the room: the way home
    p, near = sea_floor_scene(W, H, seed=37, floor_at=0.84, weeds=8, corals=3, rocks=3, bubbles=18)
    title, sc = 'TIDEPOOL', 4
    pixfont.draw_text_centered(p, title, W // 2, 30, sc, None, outline=INK + (255,), shadow=(3, (0, 10, 30, 140)),
                               fill_fn=lambda x, y: mix((255, 244, 190), (236, 160, 60), clamp((y - 30) / 36.0)))
    p.paste(fish_2x('small', 'swim', 2, right=True), 200, 110)
    p.paste(fish_2x('big', 'swim', 4, right=True), 60, 100)
    motion_lines(p, 182, 114, 14, 3)
    motion_lines(p, 38, 106, 18, 4)
    save(p, 'demo/intro_4.png')

    # Posters of solved levels.
    # first_steps: the small fish out in open water, the shell left in its pit
    p, near = sea_floor_scene(W, H, seed=41, floor_at=0.82, weeds=6, corals=4, rocks=3, bubbles=20)
    p.paste(model_picture('items/light/shell.png'), 40, int(near[60]) - 24)
    p.paste(fish_2x('small', 'swim', 1, right=True), 170, 120)
    draw_star(p, W // 2, 64, 26)
    poster_frame(p)
    save(p, 'demo/poster_first_steps.png')
    # steel_gate: the big fish has moved the steel aside, both swim through
    p, near = sea_floor_scene(W, H, seed=43, floor_at=0.82, weeds=6, corals=2, rocks=2, bubbles=14)
    steel = model_picture('items/heavy/steel_tall.png')
    p.paste(steel, 36, int(near[50]) - steel.h + 4)
    p.paste(fish_2x('big', 'rest', 1, right=True), 120, 112)
    p.paste(fish_2x('small', 'talk', 1, right=True), 210, 84)
    draw_star(p, W // 2, 52, 22)
    poster_frame(p)
    save(p, 'demo/poster_steel_gate.png')


# ---------------------------------------------------------------------------
# Entry point
# ---------------------------------------------------------------------------

GROUPS = [
    ('map', gen_map), ('nodes', gen_nodes), ('pedometer', gen_pedometer), ('menu', gen_menu),
    ('status', gen_status), ('icon', gen_icon), ('fish', gen_fish), ('items', gen_items),
    ('walls', gen_walls), ('rooms', gen_rooms), ('credits', gen_credits), ('demo', gen_demo),
]


def read_manifest():
    path = os.path.join(OUT, 'manifest.txt')
    rows = {}
    if os.path.exists(path):
        with open(path) as f:
            for line in f:
                parts = line.split()
                if len(parts) == 3 and not line.startswith('#'):
                    rows[parts[0]] = (int(parts[1]), int(parts[2]))
    return rows


def write_manifest(rows):
    path = os.path.join(OUT, 'manifest.txt')
    with open(path + '.tmp', 'w') as f:
        f.write('# Generated by tools/gen_images.py: picture, width, height.\n')
        for rel in sorted(rows):
            f.write('%s %d %d\n' % (rel, rows[rel][0], rows[rel][1]))
    os.replace(path + '.tmp', path)


def main(argv):
    global OUT
    args = list(argv)
    if '--out' in args:
        i = args.index('--out')
        OUT = os.path.abspath(args[i + 1])
        del args[i:i + 2]
    names = [g for g, _ in GROUPS]
    unknown = [a for a in args if a not in names]
    if unknown:
        sys.stderr.write('unknown group: %s (known: %s)\n' % (' '.join(unknown), ' '.join(names)))
        return 2
    chosen = args or names
    rows = read_manifest() if args else {}
    for name, fn in GROUPS:
        if name in chosen:
            fn()
    for rel, w, h in MANIFEST:
        rows[rel] = (w, h)
    write_manifest(rows)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
