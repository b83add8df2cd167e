#!/usr/bin/env python3
"""Puts pictures side by side, enlarged, on a checkered sheet for a look.

    python3 tools/contact_sheet.py OUT.png SCALE PICTURE...
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pixmap import Pixmap, png_load  # noqa: E402


def main(argv):
    out, k, files = argv[0], int(argv[1]), argv[2:]
    pics = [png_load(f) for f in files]
    gap = 6
    cols = max(1, min(len(pics), 640 // (max(p.w for p in pics) * k + gap)))
    cw = max(p.w for p in pics) * k + gap
    ch = max(p.h for p in pics) * k + gap
    rows = (len(pics) + cols - 1) // cols
    sheet = Pixmap(cols * cw + gap, rows * ch + gap, (0, 0, 0, 255))
    for y in range(sheet.h):
        for x in range(sheet.w):
            v = 70 if ((x // 8) + (y // 8)) % 2 else 100
            sheet.put(x, y, (v, v + 10, v + 20, 255))
    for n, p in enumerate(pics):
        ox, oy = gap + (n % cols) * cw, gap + (n // cols) * ch
        for y in range(p.h * k):
            for x in range(p.w * k):
                c = p.get(x // k, y // k)
                if c[3] > 0:
                    sheet.blend(ox + x, oy + y, c)
    sheet.save(out)


if __name__ == '__main__':
    main(sys.argv[1:])
