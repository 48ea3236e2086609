#!/usr/bin/env python3
"""Draws the applet's icon (three mixer faders on a rounded dark-blue tile) and writes
app.ico with 16, 32 and 48 pixel images, 32-bit colour with alpha and an AND mask.

Usage: res/make_icon.py [output.ico]     (default: app.ico beside this script)
Only the standard library is needed; the output is deterministic.
"""
import os
import struct
import sys

SIZES = (16, 32, 48)
SUBSAMPLES = 6  # per axis, for anti-aliased edges

TILE_TOP = (0x35, 0x5C, 0x8A)
TILE_BOTTOM = (0x17, 0x2A, 0x45)
SLOT = (0x0C, 0x16, 0x24)
KNOB = (0xE8, 0xEE, 0xF4)
ACCENT = (0xF2, 0xA3, 0x2C)

# Fader columns as fractions of the tile width, and each knob's height along its slot
# (0 = top of the slot, 1 = bottom). The middle fader is the highlighted one.
FADERS = ((0.28, 0.65, KNOB), (0.50, 0.30, ACCENT), (0.72, 0.50, KNOB))


def inside_rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x < right and top <= y < bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius**2


def layout(size):
    """Shapes in pixel coordinates, snapped to whole pixels so small sizes stay crisp."""
    margin = max(1, round(size / 16))
    tile = (margin, margin, size - margin, size - margin, size * 0.18)
    slot_top = round(size * 0.2)
    slot_bottom = size - slot_top
    slot_width = max(1, round(size / 16))
    knob_width = max(3, round(size * 0.2))
    knob_width -= (knob_width - slot_width) % 2  # same parity as the slot, so it sits centred
    knob_height = max(3, round(size * 0.11))
    knob_radius = knob_height * 0.3 if size >= 32 else 0  # rounding a 3-pixel knob makes a cross
    shapes = []
    for fx, level, colour in FADERS:
        centre = round(size * fx)
        left = centre - slot_width // 2
        shapes.append(((left, slot_top, left + slot_width, slot_bottom, 0), SLOT))
        knob_y = round(slot_top + level * (slot_bottom - slot_top - knob_height))
        kx = left + (slot_width - knob_width) // 2
        shapes.append(((kx, knob_y, kx + knob_width, knob_y + knob_height, knob_radius), colour))
    return tile, shapes


def render(size):
    """Rows of (r, g, b, a), top row first."""
    tile, shapes = layout(size)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = px + (sx + 0.5) / SUBSAMPLES
                    y = py + (sy + 0.5) / SUBSAMPLES
                    if not inside_rounded_rect(x, y, *tile):
                        continue
                    t = (y - tile[1]) / (tile[3] - tile[1])
                    colour = tuple(a + (b - a) * t for a, b in zip(TILE_TOP, TILE_BOTTOM))
                    for rect, shape_colour in shapes:
                        if inside_rounded_rect(x, y, *rect):
                            colour = shape_colour
                    covered += 1
                    for i in range(3):
                        acc[i] += colour[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = round(255 * covered / SUBSAMPLES**2)
                row.append(tuple(round(c / covered) for c in acc) + (alpha,))
        rows.append(row)
    return rows


def dib(size, rows):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def icon_file(sizes):
    images = [dib(size, render(size)) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "app.ico")
    with open(target, "wb") as f:
        f.write(icon_file(SIZES))


if __name__ == "__main__":
    main()
