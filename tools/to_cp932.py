#!/usr/bin/env python3
"""to_cp932.py SOURCE TARGET: writes the UTF-8 text SOURCE as Shift-JIS
(code page 932) to TARGET, byte for byte otherwise (line ends are kept).
Data files are kept in UTF-8 in the tree; the program reads them as CP932."""
import sys

if len(sys.argv) != 3:
    sys.exit(__doc__)
with open(sys.argv[1], "rb") as f:
    text = f.read().decode("utf-8")
with open(sys.argv[2], "wb") as f:
    f.write(text.encode("cp932"))
