#!/usr/bin/env python3
"""Draws the bitmaps, icons and sounds of korvui01 and korvuc: plain bands, tiles, a logo,
small icons and short tones, all made here from nothing."""
import math
import struct
import sys
from pathlib import Path


def bmp(width, height, pixel):
    """24-bit bottom-up BMP; pixel(x, y) gives (r, g, b) with y counted from the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def icon_image(size, pixel):
    """One 32-bit image of an .ico: BITMAPINFOHEADER of double height, XOR pixels, AND mask."""
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_stride * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + mask


def ico(pixel, sizes=(32, 16)):
    images = [icon_image(s, pixel) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    return out + b"".join(images)


def wav(notes, rate=22050):
    """16-bit mono PCM: each note is (frequency, seconds), faded at both ends."""
    samples = bytearray()
    for freq, secs in notes:
        n = int(rate * secs)
        for i in range(n):
            fade = min(1.0, i / 200.0, (n - i) / 200.0)
            v = int(12000 * fade * math.sin(2 * math.pi * freq * i / rate))
            samples += struct.pack("<h", v)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(samples)) + samples
    return b"RIFF" + struct.pack("<I", len(body)) + body


def band(top, bottom):
    def pixel(x, y, h):
        t = y / max(1, h - 1)
        return tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
    return pixel


def gradient_bmp(width, height, top, bottom):
    p = band(top, bottom)
    return bmp(width, height, lambda x, y: p(x, y, height))


def tile(base, line):
    return lambda x, y: line if (x + y) % 8 == 0 else base


def logo(x, y):
    cx, cy = 60, 45
    d = math.hypot(x - cx, y - cy)
    if 22 <= d <= 30:
        return (0x1f, 0x5f, 0xa8)
    if abs(x - cx) < 4 and abs(y - cy) < 18:
        return (0xe0, 0x7a, 0x10)
    return (0xf4, 0xf4, 0xf4)


# Letters of the product's name, 5 by 7 cells each ("#" drawn); the small ones sit on the
# same base line as the capital.
GLYPHS = {
    "Q": (" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"),
    "u": ("     ", "     ", "#   #", "#   #", "#   #", "#  ##", " ## #"),
    "o": ("     ", "     ", " ### ", "#   #", "#   #", "#   #", " ### "),
    "r": ("     ", "     ", "# ## ", "##  #", "#    ", "#    ", "#    "),
    "v": ("     ", "     ", "#   #", "#   #", "#   #", " # # ", "  #  "),
    "a": ("     ", "     ", " ### ", "    #", " ####", "#   #", " ####"),
    "n": ("     ", "     ", "# ## ", "##  #", "#   #", "#   #", "#   #"),
    "t": (" #   ", " #   ", "#### ", " #   ", " #   ", " #  #", "  ## "),
}


def name_picture(text, width, height, cell=4, gap=1):
    """The product's name in white on a blue band that darkens downwards, with a thin
    orange rule under it: the picture of the login screen's left half."""
    cols = len(text) * (5 + gap) - gap
    left = (width - cols * cell) // 2
    # Centred on the upper part: the login window shows the frame's top 290 pixels or so.
    top = height * 35 // 100 - 7 * cell // 2
    ink = set()
    for i, ch in enumerate(text):
        for row, line in enumerate(GLYPHS[ch]):
            for col, c in enumerate(line):
                if c == "#":
                    ink.add((i * (5 + gap) + col, row))
    back = band((0x2a, 0x5f, 0x9a), (0x12, 0x2e, 0x52))
    rule = top + 7 * cell + 3 * cell

    def pixel(x, y):
        gx, gy = (x - left), (y - top)
        if gx >= 0 and gy >= 0 and (gx // cell, gy // cell) in ink:
            return (0xff, 0xff, 0xff)
        if rule <= y < rule + 2 and left <= x < left + cols * cell:
            return (0xe0, 0x7a, 0x10)
        return back(x, y, height)
    return bmp(width, height, pixel)


def icon_shape(kind):
    def pixel(x, y, size):
        c = size / 2 - 0.5
        inside = abs(x - c) <= size * 0.42 and abs(y - c) <= size * 0.42
        if not inside:
            return (0, 0, 0, 0)
        bar = size * 0.1
        horizontal = abs(y - c) <= bar and abs(x - c) <= size * 0.3
        vertical = abs(x - c) <= bar and abs(y - c) <= size * 0.3
        if kind == "plus" and (horizontal or vertical):
            return (255, 255, 255, 255)
        if kind == "minus" and horizontal:
            return (255, 255, 255, 255)
        if kind == "entry" and abs(y - c) <= (x - c * 0.5) * 0.6 and x <= c * 1.5:
            return (255, 255, 255, 255)
        if kind == "program" and (abs(math.hypot(x - c, y - c) - size * 0.25) < size * 0.08):
            return (255, 255, 255, 255)
        return {"plus": (0x2e, 0x7d, 0x32, 255), "minus": (0xc6, 0x28, 0x28, 255),
                "entry": (0x1f, 0x5f, 0xa8, 255), "program": (0x1f, 0x5f, 0xa8, 255)}[kind]
    return pixel


ASSETS = {
    # list headers: 135 default, 137 wide (50), 132 (53), 136 (150)
    "bmp132.bmp": lambda: gradient_bmp(640, 20, (0xd8, 0xe4, 0xf0), (0x9c, 0xb4, 0xcc)),
    "bmp135.bmp": lambda: gradient_bmp(640, 20, (0xe8, 0xee, 0xf4), (0xb0, 0xc0, 0xd4)),
    "bmp136.bmp": lambda: gradient_bmp(1280, 20, (0xe8, 0xee, 0xf4), (0xb0, 0xc0, 0xd4)),
    "bmp137.bmp": lambda: gradient_bmp(400, 20, (0xe8, 0xee, 0xf4), (0xb0, 0xc0, 0xd4)),
    "bmp138.bmp": lambda: gradient_bmp(800, 24, (0x3a, 0x6e, 0xa5), (0x1f, 0x4a, 0x7a)),
    "bmp1130.bmp": lambda: gradient_bmp(240, 24, (0xf0, 0xf0, 0xf0), (0xc8, 0xd0, 0xd8)),
    "bmp1139.bmp": lambda: bmp(8, 8, tile((0xff, 0xfb, 0xe6), (0xf0, 0xe6, 0xc0))),
    "bmp140.bmp": lambda: bmp(8, 8, tile((0xe8, 0xf6, 0xe8), (0xcc, 0xe6, 0xcc))),
    "bmp141.bmp": lambda: bmp(8, 8, tile((0xe8, 0xf0, 0xfa), (0xc8, 0xd8, 0xf0))),
    "bmp133.bmp": lambda: bmp(120, 90, logo),
    # the login screen's picture frame, 250 by 400
    "bmp247.bmp": lambda: name_picture("Quorvanta", 250, 400),
    "ico354.ico": lambda: ico(icon_shape("plus"), (16,)),
    "ico355.ico": lambda: ico(icon_shape("minus"), (16,)),
    "ico356.ico": lambda: ico(icon_shape("entry"), (16,)),
    "korvuc.ico": lambda: ico(icon_shape("program")),
    "snd332.wav": lambda: wav([(660, 0.12)]),
    "snd333.wav": lambda: wav([(880, 0.1), (660, 0.1)]),
    "snd334.wav": lambda: wav([(440, 0.15), (330, 0.2)]),
}


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, make in ASSETS.items():
        data = make()
        path = out / name
        if not path.exists() or path.read_bytes() != data:
            path.write_bytes(data)


if __name__ == "__main__":
    main()
