#!/usr/bin/env python3
"""Draws Tarvello's icon and writes every file made from it.

The icon is a few flat shapes on a 256 x 256 grid: a pair of trousers in front of the
orange of the kind buttons, with a measuring bar along its right side. From them this
script writes the scalable SVG, PNG files of every size the desktop asks for, the window's
icon as plain pixels (RGBA rows, which the program hands to the window system with nothing
to decode), and the 32 x 32, 256-colour Windows icon. Only the Python standard library is
needed:

    python3 resources/make_icons.py

The files it writes are committed, so a build needs no image tools.
"""

import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
NAME = "org.example.Tarvello"
SIZES = (16, 24, 32, 48, 64, 128, 256)
WINDOW_SIZES = (16, 24, 32, 48, 64)  # the sizes a window system takes for a window

ORANGE = (255, 128, 0)
NAVY = (36, 52, 128)
BAND = (22, 32, 86)
PALE = (192, 192, 255)

# (colour, kind, data), painted in order. Kinds: "round" (x0, y0, x1, y1, radius),
# "poly" [(x, y), ...].
SHAPES = [
    (ORANGE, "round", (12, 12, 244, 244, 44)),
    (NAVY, "poly", [(64, 44), (172, 44), (186, 222), (136, 222), (118, 112), (100, 222), (50, 222)]),
    (BAND, "poly", [(64, 44), (172, 44), (174, 66), (62, 66)]),
    (PALE, "round", (198, 44, 222, 222, 6)),
] + [
    (BAND, "poly", [(198, y), (212 if i % 2 else 218, y), (212 if i % 2 else 218, y + 5), (198, y + 5)])
    for i, y in enumerate(range(58, 214, 18))
]


def inside(kind, data, x, y):
    if kind == "round":
        x0, y0, x1, y1, r = data
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    points = data
    hit = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def render(size, samples=4):
    """RGBA rows of the icon at size x size, each pixel averaged over samples^2 points."""
    scale = 256.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = None
                    for fill, kind, data in SHAPES:
                        if inside(kind, data, x, y):
                            colour = fill
                    if colour:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            n = samples * samples
            row.append((r // a, g // a, b // a, 255 * a // n) if a else (0, 0, 0, 0))
        rows.append(row)
    return rows


def png(rows):
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_256_colours(rows):
    """A Windows icon with one 8-bit (256-colour) image and its transparency mask."""
    size = len(rows)
    opaque = [[pixel[3] >= 128 for pixel in row] for row in rows]
    colours = [pixel[:3] for row in rows for pixel in row if pixel[3] >= 128]
    step = 1
    while len({tuple(c // step * step for c in colour) for colour in colours}) > 255:
        step *= 2
    palette = sorted({tuple(c // step * step for c in colour) for colour in colours})
    palette = [(0, 0, 0)] + palette
    palette += [(0, 0, 0)] * (256 - len(palette))
    index = {colour: i for i, colour in enumerate(palette) if i == 0 or colour != (0, 0, 0)}

    pixels = b""
    mask = b""
    for y in reversed(range(size)):  # bottom-up, as bitmaps are stored
        line = bytearray()
        bits = 0
        mask_line = bytearray()
        for x in range(size):
            pixel = rows[y][x]
            line.append(index[tuple(c // step * step for c in pixel[:3])] if opaque[y][x] else 0)
            bits = (bits << 1) | (0 if opaque[y][x] else 1)
            if x % 8 == 7:
                mask_line.append(bits)
                bits = 0
        pixels += bytes(line) + b"\0" * (-len(line) % 4)
        mask += bytes(mask_line) + b"\0" * (-len(mask_line) % 4)

    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(pixels) + len(mask), 0, 0, 256, 0)
    image = header + b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette) + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + image


def svg():
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">']
    for (r, g, b), kind, data in SHAPES:
        fill = f"#{r:02x}{g:02x}{b:02x}"
        if kind == "round":
            x0, y0, x1, y1, radius = data
            parts.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" rx="{radius}" fill="{fill}"/>')
        else:
            points = " ".join(f"{x},{y}" for x, y in data)
            parts.append(f'  <polygon points="{points}" fill="{fill}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def main():
    icons = HERE / "icons"
    icons.mkdir(exist_ok=True)
    (icons / f"{NAME}.svg").write_text(svg())
    for size in SIZES:
        rows = render(size)
        (icons / f"{NAME}-{size}.png").write_bytes(png(rows))
        if size in WINDOW_SIZES:
            (icons / f"{NAME}-{size}.rgba").write_bytes(bytes(v for row in rows for pixel in row for v in pixel))
    (icons / "tarvello.ico").write_bytes(ico_256_colours(render(32)))


if __name__ == "__main__":
    main()
