#!/usr/bin/env python3
"""Builds the program's icons, bitmaps and cursors from pixel-art text files.

A source file (resources/art/*.txt) holds one resource:

    kind: icon            # icon | bitmap | cursor
    hotspot: 0 0          # cursors only
    colors:               # optional; adds to or overrides palette.txt
      q #336699
    image 16              # one block per size (icons may have 16 and 32)
    ................
    ...

Every character of an image row is a colour letter; "." is transparent
(for bitmaps it becomes the mask colour #c0c0c0). Cursors are 32x32 and
may use only ". k w" (transparent, black, white). Bitmaps may be wider
than high (toolbar strips): "image 160x16".
Usage: artgen.py OUTDIR SRC...   |   artgen.py --palette OUT.plt
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def load_palette(path):
    pal = {}
    if not os.path.exists(path):
        return pal
    for line in open(path, encoding="utf-8"):
        line = line.split("#", 1)[0] if not line.strip().startswith("#") else ""
        parts = line.split()
        if len(parts) == 2:
            pal[parts[0]] = parts[1]
    return pal


def parse_color(text):
    if text == "transparent":
        return None
    text = text.lstrip("#")
    if len(text) != 6:
        raise ValueError("bad colour %r" % text)
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16))


def parse(path, base_palette):
    kind, hotspot, colors, images = None, (0, 0), dict(base_palette), []
    lines = open(path, encoding="utf-8").read().splitlines()
    i = 0
    current = None
    in_colors = False
    while i < len(lines):
        raw = lines[i]
        i += 1
        line = raw.strip()
        if current is not None:
            if line == "" or line.startswith("image "):
                if len(current[2]) != current[1]:
                    raise ValueError("%s: image has %d rows, expected %d" % (path, len(current[2]), current[1]))
                images.append(current)
                current = None
            else:
                if len(line) != current[0]:
                    raise ValueError("%s:%d: row of %d pixels, expected %d" % (path, i, len(line), current[0]))
                current[2].append(line)
                continue
        if line == "" or line.startswith("#"):
            continue
        if line.startswith("kind:"):
            kind = line.split(":", 1)[1].strip()
            in_colors = False
        elif line.startswith("hotspot:"):
            x, y = line.split(":", 1)[1].split()
            hotspot = (int(x), int(y))
            in_colors = False
        elif line.startswith("colors:"):
            in_colors = True
        elif line.startswith("image "):
            size = line.split()[1]
            if "x" in size:
                w, h = (int(v) for v in size.split("x"))
            else:
                w = h = int(size)
            current = [w, h, []]
            in_colors = False
        elif in_colors:
            letter, value = line.split()
            colors[letter] = value
        else:
            raise ValueError("%s:%d: cannot read %r" % (path, i, raw))
    if current is not None:
        if len(current[2]) != current[1]:
            raise ValueError("%s: last image has %d rows, expected %d" % (path, len(current[2]), current[1]))
        images.append(current)
    if kind not in ("icon", "bitmap", "cursor"):
        raise ValueError("%s: kind must be icon, bitmap or cursor" % path)
    if not images:
        raise ValueError("%s: no image" % path)
    table = {}
    for letter, value in colors.items():
        table[letter] = parse_color(value)
    table["."] = None
    for w, h, rows in images:
        for r in rows:
            for ch in r:
                if ch not in table:
                    raise ValueError("%s: colour letter %r is not defined" % (path, ch))
    return kind, hotspot, table, images


def mask_rows(w, h, rows, table):
    """AND mask, 1 bit per pixel, rows padded to 32 bits, bottom-up."""
    stride = ((w + 31) // 32) * 4
    out = b""
    for y in range(h - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(w):
            if table[rows[y][x]] is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def icon_image(w, h, rows, table):
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b""
    for y in range(h - 1, -1, -1):
        for x in range(w):
            c = table[rows[y][x]]
            pixels += struct.pack("BBBB", 0, 0, 0, 0) if c is None else struct.pack("BBBB", c[2], c[1], c[0], 255)
    return header + pixels + mask_rows(w, h, rows, table)


def cursor_image(w, h, rows, table):
    # Monochrome: XOR bits (white = 1) then AND bits (transparent = 1).
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("BBBB", 0, 0, 0, 0) + struct.pack("BBBB", 255, 255, 255, 0)
    stride = ((w + 31) // 32) * 4
    xor = b""
    for y in range(h - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(w):
            c = table[rows[y][x]]
            if c is not None and c != (0, 0, 0):
                if c != (255, 255, 255):
                    raise ValueError("cursor pixels must be black, white or transparent")
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(bits)
    return header + palette + xor + mask_rows(w, h, rows, table)


def write_group(path, kind, hotspot, images, table):
    blobs = [(w, h, (cursor_image if kind == "cursor" else icon_image)(w, h, rows, table)) for w, h, rows in images]
    out = struct.pack("<HHH", 0, 2 if kind == "cursor" else 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for w, h, blob in blobs:
        if kind == "cursor":
            out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, hotspot[0], hotspot[1], len(blob), offset)
        else:
            out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, _, blob in blobs:
        out += blob
    open(path, "wb").write(out)


def write_bitmap(path, image, table):
    w, h, rows = image
    stride = (w * 3 + 3) // 4 * 4
    pixels = b""
    for y in range(h - 1, -1, -1):
        row = b""
        for x in range(w):
            c = table[rows[y][x]] or (0xC0, 0xC0, 0xC0)
            row += struct.pack("BBB", c[2], c[1], c[0])
        pixels += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    open(path, "wb").write(header + info + pixels)


def write_palette(path):
    # The 20 static system colours, a 6x6x6 colour cube and a grey ramp: 256 RGBQUADs.
    static = [
        (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
        (0, 128, 128), (192, 192, 192), (192, 220, 192), (166, 202, 240),
        (255, 251, 240), (160, 160, 164), (128, 128, 128), (255, 0, 0), (0, 255, 0),
        (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
    ]
    cube = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    greys = [(v, v, v) for v in (8, 16, 24, 32, 40, 56, 64, 72, 88, 96, 104, 112, 136, 144, 152, 168, 176, 184, 200, 216)]
    colours = static[:10] + cube + greys + static[10:]
    assert len(colours) == 256
    open(path, "wb").write(b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in colours))


def main(argv):
    if len(argv) == 3 and argv[1] == "--palette":
        write_palette(argv[2])
        return 0
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    for src in argv[2:]:
        base = load_palette(os.path.join(os.path.dirname(src), "palette.txt"))
        try:
            kind, hotspot, table, images = parse(src, base)
        except ValueError as e:
            print("artgen: %s" % e, file=sys.stderr)
            return 1
        name = os.path.splitext(os.path.basename(src))[0]
        if kind == "bitmap":
            write_bitmap(os.path.join(outdir, name + ".bmp"), images[0], table)
        elif kind == "cursor":
            write_group(os.path.join(outdir, name + ".cur"), kind, hotspot, images, table)
        else:
            write_group(os.path.join(outdir, name + ".ico"), kind, hotspot, images, table)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
