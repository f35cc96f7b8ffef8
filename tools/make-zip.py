#!/usr/bin/env python3
"""make-zip.py OUT.zip DIR: zips DIR (as its own top folder). Names are stored
in UTF-8 with the UTF-8 flag set, so Japanese folder names (the themes)
unpack correctly on Windows."""
import os
import sys
import zipfile


def main(out, root):
    base = os.path.dirname(os.path.abspath(root))
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        for folder, dirs, files in os.walk(root):
            dirs.sort()
            rel = os.path.relpath(folder, base)
            z.write(folder, rel + "/")
            for name in sorted(files):
                path = os.path.join(folder, name)
                z.write(path, os.path.join(rel, name))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    main(sys.argv[1], sys.argv[2])
