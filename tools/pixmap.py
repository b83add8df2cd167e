"""Small RGBA raster used by the picture generators.

A Pixmap keeps straight (not premultiplied) RGBA in four flat float lists,
values 0..255.  Shapes are drawn through signed distance functions: a pixel
whose centre lies at distance d outside the shape gets coverage
clamp(0.5 - d, 0, 1), which gives cheap anti-aliasing.  Pictures that the
engine blits pixel by pixel must have alpha exactly 0 or 255 (effects skip
everything else), so model pictures are passed through hard_alpha() before
they are written.  Only the Python standard library is used: PNG files are
assembled here with zlib.
"""

import math
import struct
import zlib


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(c1, c2, t):
    """Linear mix of two colours (tuples of equal length), t in 0..1."""
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0)) if e1 != e0 else (1.0 if x >= e1 else 0.0)
    return t * t * (3 - 2 * t)


# --- deterministic noise -------------------------------------------------

def hash2(ix, iy, seed=0):
    """A pseudo-random value in 0..1 for an integer lattice point."""
    h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return (h & 0xFFFFFF) / float(0x1000000)


def value_noise(x, y, seed=0):
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    ux, uy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = hash2(ix, iy, seed)
    b = hash2(ix + 1, iy, seed)
    c = hash2(ix, iy + 1, seed)
    d = hash2(ix + 1, iy + 1, seed)
    return a + (b - a) * ux + (c - a) * uy + (a - b - c + d) * ux * uy


def fbm(x, y, seed=0, octaves=4):
    total, amp, norm = 0.0, 0.5, 0.0
    for o in range(octaves):
        total += value_noise(x, y, seed + o * 17) * amp
        norm += amp
        x, y, amp = x * 2.03, y * 2.03, amp * 0.5
    return total / norm


def voronoi(x, y, seed=0):
    """Distances to the nearest and second nearest feature point (cells of size 1)."""
    ix, iy = math.floor(x), math.floor(y)
    d1 = d2 = 9.0
    for j in (-1, 0, 1):
        for i in (-1, 0, 1):
            cx, cy = ix + i, iy + j
            px = cx + 0.15 + 0.7 * hash2(cx, cy, seed)
            py = cy + 0.15 + 0.7 * hash2(cx, cy, seed + 101)
            d = math.hypot(px - x, py - y)
            if d < d1:
                d1, d2 = d, d1
            elif d < d2:
                d2 = d
    return d1, d2


# --- signed distance functions (negative inside) --------------------------

def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_ellipse(cx, cy, rx, ry):
    m = min(rx, ry)

    def f(x, y):
        nx, ny = (x - cx) / rx, (y - cy) / ry
        return (math.hypot(nx, ny) - 1.0) * m
    return f


def sd_box(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        out = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return out + min(max(qx, qy), 0.0) - r
    return f


def sd_segment(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy or 1e-9

    def f(x, y):
        t = clamp(((x - ax) * dx + (y - ay) * dy) / ll)
        return math.hypot(x - ax - dx * t, y - ay - dy * t) - r
    return f


def sd_polygon(pts):
    n = len(pts)

    def f(x, y):
        d = float('inf')
        inside = False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[(i + 1) % n]
            ex, ey = bx - ax, by - ay
            ll = ex * ex + ey * ey or 1e-9
            t = clamp(((x - ax) * ex + (y - ay) * ey) / ll)
            d = min(d, math.hypot(x - ax - ex * t, y - ay - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / (by - ay):
                inside = not inside
        return -d if inside else d
    return f


def sd_union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def sd_subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def sd_intersect(a, b):
    return lambda x, y: max(a(x, y), b(x, y))


# --- the raster -------------------------------------------------------------

class Pixmap:
    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        self.w, self.h = w, h
        n = w * h
        self.r = [float(fill[0])] * n
        self.g = [float(fill[1])] * n
        self.b = [float(fill[2])] * n
        self.a = [float(fill[3] if len(fill) > 3 else 255)] * n

    def copy(self):
        p = Pixmap.__new__(Pixmap)
        p.w, p.h = self.w, self.h
        p.r, p.g, p.b, p.a = self.r[:], self.g[:], self.b[:], self.a[:]
        return p

    def get(self, x, y):
        i = y * self.w + x
        return (self.r[i], self.g[i], self.b[i], self.a[i])

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            i = y * self.w + x
            self.r[i], self.g[i], self.b[i] = c[0], c[1], c[2]
            self.a[i] = c[3] if len(c) > 3 else 255.0

    def blend(self, x, y, c, cov=1.0):
        """Source-over of colour c (alpha in c[3], default opaque) scaled by cov."""
        if not (0 <= x < self.w and 0 <= y < self.h):
            return
        sa = cov * ((c[3] if len(c) > 3 else 255.0) / 255.0)
        if sa <= 0.0:
            return
        i = y * self.w + x
        da = self.a[i] / 255.0
        oa = sa + da * (1.0 - sa)
        if oa <= 0.0:
            return
        k = da * (1.0 - sa)
        self.r[i] = (c[0] * sa + self.r[i] * k) / oa
        self.g[i] = (c[1] * sa + self.g[i] * k) / oa
        self.b[i] = (c[2] * sa + self.b[i] * k) / oa
        self.a[i] = oa * 255.0

    def shade(self, sdf, color, bbox=None, soft=1.0):
        """Fills the shape of sdf; color is a tuple or a function (x, y, d) -> tuple."""
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        fn = callable(color)
        for y in range(y0, y1):
            py = y + 0.5
            for x in range(x0, x1):
                d = sdf(x + 0.5, py)
                cov = clamp(0.5 - d / soft)
                if cov > 0.0:
                    self.blend(x, y, color(x, y, d) if fn else color, cov)

    def fill(self, color_fn, bbox=None):
        """Paints every pixel (x, y) of the box with color_fn(x, y) (source-over)."""
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.w, self.h)
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.blend(x, y, color_fn(x, y))

    def paste(self, src, ox, oy, opacity=1.0):
        for y in range(src.h):
            for x in range(src.w):
                c = src.get(x, y)
                if c[3] > 0:
                    self.blend(ox + x, oy + y, c, opacity)

    def line(self, ax, ay, bx, by, width, color):
        r = width / 2.0
        bb = (min(ax, bx) - r - 1, min(ay, by) - r - 1, max(ax, bx) + r + 2, max(ay, by) + r + 2)
        self.shade(sd_segment(ax, ay, bx, by, r), color, bb)

    def mirrored(self):
        p = Pixmap(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                p.put(self.w - 1 - x, y, self.get(x, y))
        return p

    def flipped(self):
        p = Pixmap(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                p.put(x, self.h - 1 - y, self.get(x, y))
        return p

    def hard_alpha(self, threshold=110):
        """Makes every pixel fully opaque or fully transparent."""
        for i in range(self.w * self.h):
            if self.a[i] >= threshold:
                self.a[i] = 255.0
            else:
                self.r[i] = self.g[i] = self.b[i] = self.a[i] = 0.0
        return self

    def outline(self, color, inner=True, strength=1.0):
        """Darkens the rim of the opaque region: inner=True recolours the
        boundary pixels themselves, otherwise a one-pixel ring is added outside."""
        w, h = self.w, self.h
        solid = [a >= 128 for a in self.a]
        targets = []
        for y in range(h):
            for x in range(w):
                s = solid[y * w + x]
                if s != inner:
                    continue
                edge = False
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    nx, ny = x + dx, y + dy
                    ns = solid[ny * w + nx] if 0 <= nx < w and 0 <= ny < h else False
                    if ns != s:
                        edge = True
                        break
                if edge:
                    targets.append((x, y))
        for x, y in targets:
            if inner:
                c = self.get(x, y)
                self.put(x, y, mix(c[:3], color[:3], strength) + (c[3],))
            else:
                self.put(x, y, tuple(color[:3]) + (255.0,))
        return self

    def scaled_down(self, k):
        """Box filter by an integer factor (premultiplied, so edges stay clean)."""
        w, h = self.w // k, self.h // k
        p = Pixmap(w, h)
        n = float(k * k)
        for y in range(h):
            for x in range(w):
                sr = sg = sb = sa = 0.0
                for j in range(k):
                    base = (y * k + j) * self.w + x * k
                    for i in range(base, base + k):
                        a = self.a[i]
                        sr += self.r[i] * a
                        sg += self.g[i] * a
                        sb += self.b[i] * a
                        sa += a
                if sa > 0:
                    p.put(x, y, (sr / sa, sg / sa, sb / sa, sa / n))
        return p

    def png_bytes(self):
        w, h = self.w, self.h
        raw = bytearray()
        prev = bytes(w * 4)
        for y in range(h):
            row = bytearray(w * 4)
            base = y * w
            for x in range(w):
                i = base + x
                o = x * 4
                row[o] = int(clamp(self.r[i], 0, 255) + 0.5)
                row[o + 1] = int(clamp(self.g[i], 0, 255) + 0.5)
                row[o + 2] = int(clamp(self.b[i], 0, 255) + 0.5)
                row[o + 3] = int(clamp(self.a[i], 0, 255) + 0.5)
            raw += _best_filter(bytes(row), prev)
            prev = bytes(row)
        return png_encode(w, h, bytes(raw))

    def save(self, path):
        data = self.png_bytes()
        with open(path + '.tmp', 'wb') as f:
            f.write(data)
        import os
        os.replace(path + '.tmp', path)


def _best_filter(row, prev):
    """Picks the PNG row filter with the smallest sum of absolute bytes."""
    n = len(row)
    cands = [b'\x00' + row]
    sub = bytearray(n)
    up = bytearray(n)
    paeth = bytearray(n)
    for i in range(n):
        a = row[i - 4] if i >= 4 else 0
        b = prev[i]
        c = prev[i - 4] if i >= 4 else 0
        sub[i] = (row[i] - a) & 255
        up[i] = (row[i] - b) & 255
        p = a + b - c
        pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
        pr = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
        paeth[i] = (row[i] - pr) & 255
    cands += [b'\x01' + bytes(sub), b'\x02' + bytes(up), b'\x04' + bytes(paeth)]

    def cost(buf):
        return sum(v if v < 128 else 256 - v for v in buf[1:])
    return min(cands, key=cost)


def png_encode(w, h, filtered):
    def chunk(tag, data):
        c = struct.pack('>I', len(data)) + tag + data
        return c + struct.pack('>I', zlib.crc32(tag + data) & 0xFFFFFFFF)
    ihdr = struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr)
            + chunk(b'IDAT', zlib.compress(filtered, 9)) + chunk(b'IEND', b''))


def png_load(path):
    """Reads an 8-bit RGBA or RGB PNG (as written above) into a Pixmap."""
    with open(path, 'rb') as f:
        data = f.read()
    pos, idat = 8, bytearray()
    w = h = ctype = None
    while pos < len(data):
        ln, tag = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + ln]
        if tag == b'IHDR':
            w, h, _, ctype = struct.unpack('>IIBB', body[:10])
        elif tag == b'IDAT':
            idat += body
        pos += 12 + ln
    bpp = {6: 4, 2: 3}[ctype]
    raw = zlib.decompress(bytes(idat))
    stride = w * bpp
    p = Pixmap(w, h)
    prev = bytearray(stride)
    o = 0
    for y in range(h):
        f = raw[o]
        row = bytearray(raw[o + 1:o + 1 + stride])
        o += 1 + stride
        for i in range(stride):
            a = row[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1:
                row[i] = (row[i] + a) & 255
            elif f == 2:
                row[i] = (row[i] + b) & 255
            elif f == 3:
                row[i] = (row[i] + (a + b) // 2) & 255
            elif f == 4:
                pp = a + b - c
                pa, pb, pc = abs(pp - a), abs(pp - b), abs(pp - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        for x in range(w):
            px = row[x * bpp:x * bpp + bpp]
            p.put(x, y, tuple(px) if bpp == 4 else tuple(px) + (255,))
        prev = row
    return p
