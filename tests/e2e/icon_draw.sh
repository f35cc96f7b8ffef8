#!/usr/bin/env bash
# An icon from the command line: pen clicks on cells, a colour from the colour
# bar, a filled rectangle dragged with the tool palette's tool, one undo,
# Ctrl+S; the saved file holds the expected picture for two decoders (the
# format read by hand here, and ImageMagick), and the program quits without
# asking to save.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

f="$E2E_WORK/files/face.ico"
# A 32 x 32 16-colour icon: white, its top-right two cells transparent.
python3 - "$f" <<'EOF'
import struct, sys
std = [(0,0,0),(128,0,0),(0,128,0),(128,128,0),(0,0,128),(128,0,128),(0,128,128),(128,128,128),
       (192,192,192),(255,0,0),(0,255,0),(255,255,0),(0,0,255),(255,0,255),(0,255,255),(255,255,255)]
block = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 4, 0, 0, 0, 0, 0, 0)
block += b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in std)
block += b'\xff' * (16 * 32)
mask = [b'\0\0\0\0'] * 32
mask[31] = b'\0\0\0\x03'          # bottom-up: the last row is the top one
block += b''.join(mask)
head = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 32, 32, 16, 0, 0, 0, len(block), 22)
open(sys.argv[1], 'wb').write(head + block)
EOF

start_quillet "$(winpath "$f")"
view=$(winrects class IconEditWindowProc | head -1)
[ -n "$view" ] || fail "no icon view"
set -- $view
vx=$(($1 + 2)) vy=$(($2 + 2))   # inside the view's client edge
cell() { xdotool mousemove $((vx + 100 + 10 * $1 + 5)) $((vy + 10 * $2 + 5)); }

# The pen (chosen at the start) in black: three cells of row 1.
for x in 1 2 3; do cell $x 1; xdotool click 1; sleep 0.1; done
# Red from the colour bar: swatch 9, the second of the lower row.
swatches=$(winrects id 1422 | head -1)
[ -n "$swatches" ] || fail "no colour bar"
set -- $swatches
xdotool mousemove $(($1 + 15 + 6)) $(($2 + 15 + 6)) click 1
sleep 0.2
# A filled rectangle dragged from (4, 4) to (8, 6).
click_child toolbar 40128
cell 4 4; xdotool mousedown 1; sleep 0.1
cell 6 5; sleep 0.1
cell 8 6; sleep 0.1
xdotool mouseup 1; sleep 0.2
# One red pen click, taken back by one undo.
click_child toolbar 40120
cell 10 10; xdotool click 1; sleep 0.2
focus_frame
keys ctrl+z
keys ctrl+s
sleep 0.5

# The saved picture, one character per pixel: palette index, "." transparent.
expected="$E2E_WORK/expected.txt"
python3 - >"$expected" <<'EOF'
rows = [['f'] * 32 for _ in range(32)]
rows[0][30] = rows[0][31] = '.'
for x in (1, 2, 3): rows[1][x] = '0'
for y in range(4, 7):
    for x in range(4, 9): rows[y][x] = '9'
print('\n'.join(''.join(r) for r in rows))
EOF
got="$E2E_WORK/got.txt"
python3 - "$f" >"$got" <<'EOF' || fail "the saved file is not a one-image 32 x 32 16-colour icon"
import struct, sys
data = open(sys.argv[1], 'rb').read()
reserved, kind, count = struct.unpack_from('<HHH', data, 0)
assert (reserved, kind, count) == (0, 1, 1)
w, h, colours, _, planes, bits, size, offset = struct.unpack_from('<BBBBHHII', data, 6)
assert (w, h, colours, size, offset) == (32, 32, 16, 744, 22) and len(data) == 766
header = struct.unpack_from('<IiiHH', data, offset)
assert header == (40, 32, 64, 1, 4)
xor = offset + 40 + 64
mask = xor + 16 * 32
for y in range(32):
    row = 31 - y
    line = ''
    for x in range(32):
        if data[mask + 4 * row + x // 8] & (0x80 >> (x % 8)):
            line += '.'
        else:
            pair = data[xor + 16 * row + x // 2]
            line += '%x' % ((pair >> 4) if x % 2 == 0 else (pair & 15))
    print(line)
EOF
cmp -s "$expected" "$got" || { diff "$expected" "$got"; fail "the saved picture differs from the expected grid"; }

# ImageMagick decodes the same picture: the colours of the opaque pixels, alpha 0 for the transparent ones.
convert "$f" -depth 8 rgba:"$E2E_WORK/decoded.rgba" 2>/dev/null || fail "ImageMagick cannot read the saved icon"
python3 - "$expected" "$E2E_WORK/decoded.rgba" <<'EOF' || fail "ImageMagick decodes other pixels"
import sys
colour = {'f': (255, 255, 255), '0': (0, 0, 0), '9': (255, 0, 0)}
grid = open(sys.argv[1]).read().split()
rgba = open(sys.argv[2], 'rb').read()
assert len(rgba) == 32 * 32 * 4, len(rgba)
for y, line in enumerate(grid):
    for x, ch in enumerate(line):
        p = rgba[4 * (32 * y + x):4 * (32 * y + x) + 4]
        if ch == '.':
            assert p[3] == 0, (x, y, p)
        else:
            assert tuple(p) == colour[ch] + (255,), (x, y, tuple(p))
EOF

# Saved: closing asks nothing.
quit_quillet
echo "PASS"
