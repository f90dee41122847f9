#!/usr/bin/env python3
"""Reads raw 8-bit RGB pixels (top row first) on stdin and writes the picture
stream: magic 6C 74 00 00, the bitmap file's length, then a BMP with a 40-byte
info header, 24 bits per pixel, rows bottom-up and padded to 4 bytes."""
import struct
import sys

width, height = int(sys.argv[1]), int(sys.argv[2])
rgb = sys.stdin.buffer.read()
if len(rgb) != width * height * 3:
    sys.exit(f"expected {width * height * 3} bytes of RGB, got {len(rgb)}")
stride = (width * 3 + 3) // 4 * 4
rows = []
for y in range(height - 1, -1, -1):
    row = bytearray()
    for x in range(width):
        r, g, b = rgb[(y * width + x) * 3:(y * width + x) * 3 + 3]
        row += bytes((b, g, r))
    row += bytes(stride - width * 3)
    rows.append(bytes(row))
pixels = b"".join(rows)
file_size = 14 + 40 + len(pixels)
bmp = (b"BM" + struct.pack("<IHHI", file_size, 0, 0, 54)
       + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
       + pixels)
sys.stdout.buffer.write(bytes((0x6C, 0x74, 0, 0)) + struct.pack("<I", len(bmp)) + bmp)
