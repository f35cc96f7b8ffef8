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
Lines starting with "#" are comments; a colour line may end with a comment
("q #336699  # sky").
Usage: artgen.py OUTDIR SRC...   |   artgen.py --palette OUT.plt
"""
import os
import struct
import sys

MASK_COLOUR = (0xC0, 0xC0, 0xC0)


class ArtError(ValueError):
    pass


def parse_color(text, where):
    if text == "transparent":
        return None
    hexpart = text[1:] if text.startswith("#") else text
    if len(hexpart) != 6 or any(ch not in "0123456789abcdefABCDEF" for ch in hexpart):
        raise ArtError("%s: bad colour %r (want #rrggbb)" % (where, text))
    return (int(hexpart[0:2], 16), int(hexpart[2:4], 16), int(hexpart[4:6], 16))


def parse_color_line(line, where):
    """'q #336699  # comment' -> ('q', '#336699')."""
    parts = line.split()
    if len(parts) < 2 or (len(parts) > 2 and not parts[2].startswith("#")):
        raise ArtError("%s: expected 'letter #rrggbb', got %r" % (where, line))
    letter, value = parts[0], parts[1]
    if len(letter) != 1 or letter == "." or letter == "#":
        raise ArtError("%s: colour letter must be one character other than '.' and '#', got %r" % (where, letter))
    parse_color(value, where)
    return letter, value


def load_palette(path):
    pal = {}
    if not os.path.exists(path):
        return pal
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.strip()
            if line == "" or line.startswith("#"):
                continue
            letter, value = parse_color_line(line, "%s:%d" % (path, number))
            pal[letter] = value
    return pal


def parse_size(text, where):
    try:
        if "x" in text:
            w, h = (int(v) for v in text.split("x"))
        else:
            w = h = int(text)
    except ValueError:
        raise ArtError("%s: bad image size %r (want N or WxH)" % (where, text)) from None
    if not (1 <= w <= 4096 and 1 <= h <= 4096):
        raise ArtError("%s: image size %dx%d out of range" % (where, w, h))
    return w, h


def parse(path, base_palette):
    kind, hotspot, colors, images = None, None, dict(base_palette), []
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    current = None  # [w, h, rows, first line number]
    in_colors = False

    def close_image():
        w, h, rows, start = current
        if len(rows) != h:
            raise ArtError("%s:%d: image has %d rows, expected %d" % (path, start, len(rows), h))
        images.append((w, h, rows, start))

    for number, raw in enumerate(lines, 1):
        line = raw.strip()
        where = "%s:%d" % (path, number)
        if current is not None:
            if line == "" or line.startswith("image "):
                close_image()
                current = None
            else:
                if len(line) != current[0]:
                    raise ArtError("%s: row of %d pixels, expected %d" % (where, len(line), current[0]))
                current[2].append(line)
                continue
        if line == "" or line.startswith("#"):
            continue
        if line.startswith("kind:"):
            kind = line.split(":", 1)[1].split("#", 1)[0].strip()
            in_colors = False
        elif line.startswith("hotspot:"):
            try:
                x, y = line.split(":", 1)[1].split("#", 1)[0].split()
                hotspot = (int(x), int(y))
            except ValueError:
                raise ArtError("%s: expected 'hotspot: X Y'" % where) from None
            in_colors = False
        elif line.startswith("colors:"):
            in_colors = True
        elif line.startswith("image "):
            w, h = parse_size(line.split()[1], where)
            current = [w, h, [], number]
            in_colors = False
        elif in_colors:
            letter, value = parse_color_line(line, where)
            colors[letter] = value
        else:
            raise ArtError("%s: cannot read %r" % (where, raw))
    if current is not None:
        close_image()

    if kind not in ("icon", "bitmap", "cursor"):
        raise ArtError("%s: kind must be icon, bitmap or cursor" % path)
    if not images:
        raise ArtError("%s: no image" % path)
    if hotspot is not None and kind != "cursor":
        raise ArtError("%s: only cursors have a hotspot" % path)
    if kind == "bitmap" and len(images) != 1:
        raise ArtError("%s: a bitmap holds exactly one image" % path)
    sizes = set()
    for w, h, _, start in images:
        if kind != "bitmap" and (w != h or w > 256):
            raise ArtError("%s:%d: %s images are square and at most 256 pixels" % (path, start, kind))
        if kind == "cursor" and w != 32:
            raise ArtError("%s:%d: cursors are 32x32" % (path, start))
        if (w, h) in sizes:
            raise ArtError("%s:%d: a second %dx%d image" % (path, start, w, h))
        sizes.add((w, h))

    table = {letter: parse_color(value, path) for letter, value in colors.items()}
    table["."] = None
    for w, h, rows, start in images:
        for y, r in enumerate(rows):
            for x, ch in enumerate(r):
                where = "%s:%d: pixel (%d,%d)" % (path, start + 1 + y, x, y)
                if ch not in table:
                    raise ArtError("%s: colour letter %r is not defined" % (where, ch))
                c = table[ch]
                if kind == "bitmap" and c == MASK_COLOUR:
                    raise ArtError("%s: %r is the mask colour #c0c0c0 and would turn transparent" % (where, ch))
                if kind == "cursor" and c not in (None, (0, 0, 0), (255, 255, 255)):
                    raise ArtError("%s: cursor pixels must be black, white or transparent" % where)
    if kind == "cursor":
        hotspot = hotspot or (0, 0)
        w, h = images[0][0], images[0][1]
        if not (0 <= hotspot[0] < w and 0 <= hotspot[1] < h):
            raise ArtError("%s: hotspot %d %d lies outside the image" % (path, hotspot[0], hotspot[1]))
    return kind, hotspot or (0, 0), table, [(w, h, rows) for w, h, rows, _ in images]


def mask_rows(w, h, rows, table):
    """AND mask, 1 bit per pixel, rows padded to 32 bits, bottom-up."""
    stride = ((w + 31) // 32) * 4
    out = []
    for y in range(h - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(w):
            if table[rows[y][x]] is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        out.append(bytes(bits))
    return b"".join(out)


def icon_image(w, h, rows, table):
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = []
    for y in range(h - 1, -1, -1):
        for x in range(w):
            c = table[rows[y][x]]
            pixels.append(b"\0\0\0\0" if c is None else struct.pack("BBBB", c[2], c[1], c[0], 255))
    return header + b"".join(pixels) + mask_rows(w, h, rows, table)


def cursor_image(w, h, rows, table):
    # Monochrome: XOR bits (white = 1) then AND bits (transparent = 1).
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("BBBB", 0, 0, 0, 0) + struct.pack("BBBB", 255, 255, 255, 0)
    stride = ((w + 31) // 32) * 4
    xor = []
    for y in range(h - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(w):
            if table[rows[y][x]] == (255, 255, 255):
                bits[x // 8] |= 0x80 >> (x % 8)
        xor.append(bytes(bits))
    return header + palette + b"".join(xor) + mask_rows(w, h, rows, table)


def write_group(path, kind, hotspot, images, table):
    blobs = [(w, h, (cursor_image if kind == "cursor" else icon_image)(w, h, rows, table)) for w, h, rows in images]
    out = [struct.pack("<HHH", 0, 2 if kind == "cursor" else 1, len(blobs))]
    offset = 6 + 16 * len(blobs)
    for w, h, blob in blobs:
        if kind == "cursor":
            out.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, hotspot[0], hotspot[1], len(blob), offset))
        else:
            out.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset))
        offset += len(blob)
    out.extend(blob for _, _, blob in blobs)
    with open(path, "wb") as f:
        f.write(b"".join(out))


def write_bitmap(path, image, table):
    w, h, rows = image
    stride = (w * 3 + 3) // 4 * 4
    lines = []
    for y in range(h - 1, -1, -1):
        row = b"".join(struct.pack("BBB", c[2], c[1], c[0])
                       for c in (table[ch] or MASK_COLOUR for ch in rows[y]))
        lines.append(row + b"\0" * (stride - len(row)))
    pixels = b"".join(lines)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)


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
    with open(path, "wb") as f:
        f.write(b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in colours))


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
        if os.path.basename(src) == "palette.txt":
            continue
        try:
            base = load_palette(os.path.join(os.path.dirname(src), "palette.txt"))
            kind, hotspot, table, images = parse(src, base)
            name = os.path.splitext(os.path.basename(src))[0]
            if kind == "bitmap":
                write_bitmap(os.path.join(outdir, name + ".bmp"), images[0], table)
            else:
                ext = ".cur" if kind == "cursor" else ".ico"
                write_group(os.path.join(outdir, name + ext), kind, hotspot, images, table)
        except ArtError as e:
            print("artgen: %s" % e, file=sys.stderr)
            return 1
        except (OSError, UnicodeDecodeError) as e:
            print("artgen: %s: %s" % (src, e), file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
