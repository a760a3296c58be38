#!/usr/bin/env python3
"""Writes the macOS program icon packaging/macos/quarvel-calc.icns from the
scalable trefoil beside this script, so that every size up to the 1024-pixel
Retina image is drawn sharp rather than scaled up from a small bitmap. Needs
rsvg-convert (Debian's librsvg2-bin); the .icns is committed, so a build on
macOS needs neither this script nor any tool of its own:

    python3 packaging/icons/make_icns.py
"""

import os
import struct
import subprocess

# Icon types that hold PNG data, and their pixel sizes (macOS 10.7 and later).
TYPES = [(b"icp4", 16), (b"icp5", 32), (b"ic11", 32), (b"ic12", 64), (b"ic07", 128),
         (b"ic13", 256), (b"ic08", 256), (b"ic14", 512), (b"ic09", 512), (b"ic10", 1024)]


def main():
  here = os.path.dirname(os.path.abspath(__file__))
  svg = os.path.join(here, "com.quarvel.Calc.svg")
  body = b""
  for kind, size in TYPES:
    png = subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), svg],
                         check=True, capture_output=True).stdout
    body += kind + struct.pack(">I", 8 + len(png)) + png
  with open(os.path.join(here, "..", "macos", "quarvel-calc.icns"), "wb") as out:
    out.write(b"icns" + struct.pack(">I", 8 + len(body)) + body)


if __name__ == "__main__":
  main()
