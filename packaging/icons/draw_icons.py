#!/usr/bin/env python3
"""Draws the window's trefoil icon and the NOTE pointer of the warranty notice.

Writes indexed PNGs of at most 16 colours at 16, 32 and 64 pixels (64 is the 2x
image of 32 for high-DPI screens) into window/icons/, and the trefoil's 16 and
32 pixel images as the Windows program icon packaging/windows/quarvel-calc.ico.
Python standard library only, so that anyone can redraw the images without
extra tools:

    python3 packaging/icons/draw_icons.py

The scalable trefoil for the desktop's icon theme (com.quarvel.Calc.svg beside
this script) is written by hand with the same proportions as TREFOIL below.
"""

import math
import os
import struct
import zlib

# Every image is painted in shapes over a design square of `units` units and
# rasterised at any pixel size; a shape is a predicate over design coordinates.


def disc(cx, cy, r):
  return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rect(x0, y0, x1, y1):
  return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def below_diagonal(s):
  # The part of the square up-left of the line x + y = s: the fold cuts
  # the lower right corner off along such a line.
  return lambda x, y: x + y < s


def both(*shapes):
  return lambda x, y: all(shape(x, y) for shape in shapes)


def wedge(cx, cy, centre_deg, span_deg):
  # Angles counted anticlockwise from the right, as seen on screen (y grows down).
  def inside(x, y):
    angle = math.degrees(math.atan2(cy - y, x - cx))
    delta = (angle - centre_deg + 180.0) % 360.0 - 180.0
    return abs(delta) <= span_deg / 2
  return inside


TRANSPARENT = (0, 0, 0, 0)
BLACK = (0, 0, 0, 255)
YELLOW = (255, 204, 0, 255)
WHITE = (255, 255, 255, 255)
RULE_GREY = (150, 150, 150, 255)
FLAP_GREY = (200, 200, 200, 255)
NOTE_RED = (220, 0, 0, 255)


def mix(a, b, t):
  return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(4))


# The trefoil is anti-aliased, so its palette holds the blends its edges need:
# black fading into the transparent background around the rim, and black into
# yellow along the wedges.
TREFOIL_PALETTE = ([TRANSPARENT] + [mix(TRANSPARENT, BLACK, t) for t in (0.25, 0.5, 0.75)] +
                   [BLACK] + [mix(BLACK, YELLOW, t) for t in (0.2, 0.4, 0.6, 0.8)] + [YELLOW])

# The pointer is hard-edged pixel art: at cursor size a blended outline only
# blurs the sheet into whatever lies under it.
NOTE_PALETTE = [TRANSPARENT, BLACK, WHITE, RULE_GREY, FLAP_GREY, NOTE_RED]


def trefoil_shapes():
  units = 64.0
  centre = units / 2
  outer = 31.0
  rim = 4.0
  hub = 7.0
  shapes = [(disc(centre, centre, outer), BLACK)]
  for direction in (90, 210, 330):  # top, lower left, lower right
    shapes.append((both(disc(centre, centre, outer - rim),
                        wedge(centre, centre, direction, 60)), YELLOW))
  shapes.append((disc(centre, centre, hub), BLACK))
  return units, shapes


TREFOIL = trefoil_shapes()

# The heading NOTE in pixel letters, one string per row, "#" is ink; `gaps`
# are the blank columns between neighbouring letters. At 16 pixels the sheet
# is 14 pixels wide inside: the N needs 4 columns to show its diagonal, so the
# O has open corners and may touch the T without merging into its bar, and the
# E makes do with 2 columns.
HEADING_16 = {
    "letters": [
        ["#..#", "##.#", "#.##", "#..#", "#..#"],
        [".#.", "#.#", "#.#", "#.#", ".#."],
        ["###", ".#.", ".#.", ".#.", ".#."],
        ["##", "#.", "##", "#.", "##"],
    ],
    "gaps": [1, 0, 1],
}
HEADING_32 = {
    "letters": [
        ["#...#", "##..#", "##..#", "#.#.#", "#..##", "#..##", "#...#"],
        [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
        ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
        ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    ],
    "gaps": [1, 1, 1],
}


def heading_shapes(heading, units, top):
  letters, gaps = heading["letters"], heading["gaps"]
  width = sum(len(rows[0]) for rows in letters) + sum(gaps)
  x = (units - width) // 2
  shapes = []
  for rows, gap in zip(letters, gaps + [0]):
    for dy, row in enumerate(rows):
      for dx, ink in enumerate(row):
        if ink == "#":
          shapes.append((rect(x + dx, top + dy, x + dx + 1, top + dy + 1), NOTE_RED))
    x += len(rows[0]) + gap
  return shapes


def note_shapes(units, fold, heading, heading_top, rules):
  """A sheet filling the square, outlined in black, its lower right corner
  folded up along a diagonal `fold` pixels from the corner; `rules` are the
  ruled lines as (y, x_start, x_end)."""
  last = units - 1
  cut = 2 * units - fold - 0.5  # half a pixel off, so that the diagonal steps cleanly
  inner_cut = cut - 1
  flap_side = units - fold
  shapes = [
      (both(rect(0, 0, units, units), below_diagonal(cut)), BLACK),
      (both(rect(1, 1, last, last), below_diagonal(inner_cut)), WHITE),
      (both(rect(flap_side, flap_side, units, units), below_diagonal(cut)), BLACK),
      (both(rect(flap_side + 1, flap_side + 1, units, units), below_diagonal(inner_cut)),
       FLAP_GREY),
  ]
  shapes += [(rect(x0, y, x1, y + 1), RULE_GREY) for y, x0, x1 in rules]
  return units, shapes + heading_shapes(heading, units, heading_top)


NOTE_16 = note_shapes(16, 6, HEADING_16, 2, [(8, 2, 14), (10, 2, 9), (12, 2, 9)])
NOTE_32 = note_shapes(32, 10, HEADING_32, 3, [(13, 3, 29), (17, 3, 29), (21, 3, 29), (25, 3, 21)])


def rasterise(design, size, samples):
  """Paints the shapes in order at `size` pixels, averaging samples x samples
  points per pixel in premultiplied RGBA."""
  units, shapes = design
  scale = units / size
  pixels = []
  for py in range(size):
    row = []
    for px in range(size):
      total = [0.0, 0.0, 0.0, 0.0]
      for sy in range(samples):
        for sx in range(samples):
          x = (px + (sx + 0.5) / samples) * scale
          y = (py + (sy + 0.5) / samples) * scale
          colour = TRANSPARENT
          for shape, paint in shapes:
            if shape(x, y):
              colour = paint
          alpha = colour[3] / 255.0
          for i in range(3):
            total[i] += colour[i] * alpha
          total[3] += colour[3]
      row.append(tuple(v / (samples * samples) for v in total))
    pixels.append(row)
  return pixels


def quantise(pixels, palette):
  premultiplied = [tuple(c[i] * c[3] / 255.0 for i in range(3)) + (c[3],) for c in palette]

  def nearest(p):
    return min(range(len(palette)),
               key=lambda i: sum((p[k] - premultiplied[i][k]) ** 2 for k in range(4)))

  return [[nearest(p) for p in row] for row in pixels]


def png_chunk(kind, data):
  body = kind + data
  return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_indexed_png(path, indices, palette):
  assert len(palette) <= 16
  size = len(indices)
  raw = bytearray()
  for row in indices:
    raw.append(0)  # no filter
    padded = row + [0] * (len(row) % 2)
    for high, low in zip(padded[0::2], padded[1::2]):
      raw.append(high << 4 | low)
  header = struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0)  # 4-bit indexed colour
  plte = b"".join(bytes(c[:3]) for c in palette)
  alphas = [c[3] for c in palette]
  while alphas and alphas[-1] == 255:
    alphas.pop()
  data = (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + png_chunk(b"PLTE", plte) +
          png_chunk(b"tRNS", bytes(alphas)) + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
          png_chunk(b"IEND", b""))
  with open(path, "wb") as out:
    out.write(data)


def write_ico(path, images):
  """`images` are (indices, palette) pairs, written as 32-bit BGRA bitmaps:
  every Windows version and icon reader takes those, not all take PNG."""
  header = struct.pack("<HHH", 0, 1, len(images))
  entries, bodies = b"", b""
  offset = len(header) + 16 * len(images)
  for indices, palette in images:
    size = len(indices)
    # Rows bottom up; the height counts the AND mask, all clear since the
    # alpha channel carries the shape.
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(
        bytes((palette[i][2], palette[i][1], palette[i][0], palette[i][3])) for row in reversed(indices)
        for i in row)
    mask = bytes(((size + 31) // 32) * 4 * size)
    body = info + pixels + mask
    entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(body), offset + len(bodies))
    bodies += body
  with open(path, "wb") as out:
    out.write(header + entries + bodies)


IMAGES = [
    # name, design, pixel size, samples per pixel side, palette
    ("trefoil-16.png", TREFOIL, 16, 8, TREFOIL_PALETTE),
    ("trefoil-32.png", TREFOIL, 32, 8, TREFOIL_PALETTE),
    ("trefoil-64.png", TREFOIL, 64, 8, TREFOIL_PALETTE),
    ("note-16.png", NOTE_16, 16, 1, NOTE_PALETTE),
    ("note-32.png", NOTE_32, 32, 1, NOTE_PALETTE),
    ("note-64.png", NOTE_32, 64, 1, NOTE_PALETTE),
]


def main():
  root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
  target = os.path.join(root, "window", "icons")
  os.makedirs(target, exist_ok=True)
  program_icon = []
  for name, design, size, samples, palette in IMAGES:
    indices = quantise(rasterise(design, size, samples), palette)
    write_indexed_png(os.path.join(target, name), indices, palette)
    if name in ("trefoil-16.png", "trefoil-32.png"):
      program_icon.append((indices, palette))
  write_ico(os.path.join(root, "packaging", "windows", "quarvel-calc.ico"), program_icon)


if __name__ == "__main__":
  main()
