#!/usr/bin/env python3
"""Draws the bonus plaque shown beside the score sheet once the upper section earns its bonus:
a yellow plaque with rounded corners and a black rim reading +35 Bonus, the +35 small and red at
the left, the word Bonus large and black beside it. 416 by 154 pixels in four colours, written as
a GIF whose first colour is transparent, so the window's green shows round the corners.

Usage: scripts/make_bonus_plaque.py [OUTPUT.gif] [--preview PREVIEW.png]
Standard library only; the letters are drawn from strokes defined below.
"""
import math
import struct
import sys
import zlib

WIDTH, HEIGHT = 416, 154
PALETTE = [(0, 128, 0), (255, 232, 0), (224, 0, 0), (0, 0, 0)]
CLEAR, YELLOW, RED, BLACK = range(4)

# Letters as stroke centre lines in a box whose capitals stand from y = 0 to the baseline y = 1
# (y grows downwards). Each stroke is a list of points; arc() samples an elliptic arc.


def arc(cx, cy, rx, ry, a0, a1, steps=24):
    pts = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


GLYPHS = {
    '+': (0.80, [[(0.40, 0.25), (0.40, 0.85)], [(0.10, 0.55), (0.70, 0.55)]]),
    '3': (0.62, [arc(0.30, 0.25, 0.23, 0.24, 200, 450), arc(0.30, 0.745, 0.26, 0.255, -90, 160)]),
    '5': (0.62, [[(0.54, 0.02), (0.13, 0.02), (0.11, 0.47)],
                 arc(0.30, 0.70, 0.26, 0.29, -135, 150)]),
    'B': (0.68, [[(0.40, 0.00), (0.08, 0.00), (0.08, 1.00), (0.44, 1.00)],
                 arc(0.40, 0.235, 0.22, 0.235, -90, 90) + [(0.08, 0.47), (0.44, 0.47)],
                 arc(0.44, 0.735, 0.25, 0.265, -90, 90)]),
    'o': (0.62, [arc(0.31, 0.64, 0.24, 0.36, 0, 360, 48)]),
    'n': (0.60, [[(0.08, 0.28), (0.08, 1.00)],
                 arc(0.30, 0.54, 0.22, 0.24, 180, 360) + [(0.52, 1.00)]]),
    'u': (0.60, [[(0.08, 0.28)] + arc(0.30, 0.74, 0.22, 0.24, 180, 0), [(0.52, 0.28), (0.52, 1.00)]]),
    's': (0.52, [arc(0.26, 0.455, 0.19, 0.175, -20, -270) + arc(0.26, 0.815, 0.20, 0.185, -90, 160)]),
}


def paint_stroke(pixels, points, width, colour):
    """Inks every pixel whose centre lies within width / 2 of the poly-line."""
    r = width / 2.0
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1e-9
        for py in range(max(0, int(min(y0, y1) - r) - 1), min(HEIGHT, int(max(y0, y1) + r) + 2)):
            for px in range(max(0, int(min(x0, x1) - r) - 1), min(WIDTH, int(max(x0, x1) + r) + 2)):
                cx, cy = px + 0.5, py + 0.5
                t = max(0.0, min(1.0, ((cx - x0) * dx + (cy - y0) * dy) / length2))
                ex, ey = x0 + t * dx - cx, y0 + t * dy - cy
                if ex * ex + ey * ey <= r * r:
                    pixels[py][px] = colour


def paint_text(pixels, text, left, baseline, cap, weight, spacing, colour):
    """Writes text with its capitals cap pixels high; returns the x where it ends."""
    x = left
    for ch in text:
        advance, strokes = GLYPHS[ch]
        for stroke in strokes:
            pts = [(x + u * cap, baseline - cap + v * cap) for u, v in stroke]
            paint_stroke(pixels, pts, weight * cap, colour)
        x += (advance + spacing) * cap
    return x


def inside_rounded(px, py, left, top, right, bottom, radius):
    cx = min(max(px, left + radius), right - radius)
    cy = min(max(py, top + radius), bottom - radius)
    return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius


def draw():
    pixels = [[CLEAR] * WIDTH for _ in range(HEIGHT)]
    rim, radius = 5, 30
    for py in range(HEIGHT):
        for px in range(WIDTH):
            cx, cy = px + 0.5, py + 0.5
            if inside_rounded(cx, cy, 1, 1, WIDTH - 1, HEIGHT - 1, radius):
                inner = inside_rounded(cx, cy, 1 + rim, 1 + rim, WIDTH - 1 - rim,
                                       HEIGHT - 1 - rim, radius - rim)
                pixels[py][px] = YELLOW if inner else BLACK
    baseline = 114
    end = paint_text(pixels, "+35", 22, baseline, 46, 0.17, 0.08, RED)
    paint_text(pixels, "Bonus", end + 18, baseline, 74, 0.17, 0.10, BLACK)
    return pixels


def lzw(indices, min_code_size):
    """GIF's variable-length LZW, codes packed least significant bit first."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, acc, nbits = bytearray(), 0, 0

    def emit(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def fresh():
        return {bytes([i]): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, size = fresh()
    emit(clear, size)
    w = bytes([indices[0]])
    for k in indices[1:]:
        wk = w + bytes([k])
        if wk in table:
            w = wk
            continue
        emit(table[w], size)
        table[wk] = next_code
        next_code += 1
        if next_code == 4096:
            emit(clear, size)
            table, next_code, size = fresh()
        elif next_code > (1 << size):
            size += 1
        w = bytes([k])
    emit(table[w], size)
    emit(end, size)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(pixels):
    flat = [c for row in pixels for c in row]
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", WIDTH, HEIGHT, 0x80 | 0x01, 0, 0)  # 4-entry global table
    for r, g, b in PALETTE:
        data += bytes([r, g, b])
    data += bytes([0x21, 0xF9, 4, 0x01, 0, 0, CLEAR, 0])  # colour 0 is transparent
    data += b"\x2C" + struct.pack("<HHHHB", 0, 0, WIDTH, HEIGHT, 0)
    data.append(2)
    packed = lzw(flat, 2)
    for i in range(0, len(packed), 255):
        chunk = packed[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00\x3B"
    return bytes(data)


def png(pixels):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\x00" + bytes(row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(argv):
    args = list(argv)
    preview = None
    if "--preview" in args:
        i = args.index("--preview")
        preview = args[i + 1]
        del args[i:i + 2]
    output = args[0] if args else "resources/bonus.gif"
    pixels = draw()
    with open(output, "wb") as f:
        f.write(gif(pixels))
    if preview:
        with open(preview, "wb") as f:
            f.write(png(pixels))


if __name__ == "__main__":
    main(sys.argv[1:])
