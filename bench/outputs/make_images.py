#!/usr/bin/env python3
"""Writes the benchmark inputs: big.bmp (4000 x 3000, 8 bits, 256 colours) and
square.bmp (2048 x 2048, 24 bits) into the folder given as the only argument."""
import struct
import sys


def bmp(path, width, height, bits, palette, row_of):
    stride = (width * bits // 8 + 3) & ~3
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + stride * height, 0, 0, offset))
        f.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, stride * height, 2835, 2835,
                            len(palette), 0))
        f.write(pal)
        pad = bytes(stride - width * bits // 8)
        for y in range(height - 1, -1, -1):
            f.write(row_of(y) + pad)


def main():
    out = sys.argv[1]
    palette = [((i * 37) & 255, (i * 91) & 255, (i * 151) & 255) for i in range(256)]
    # Smooth areas and noise, as in a dithered photo.
    bmp(out + "/big.bmp", 4000, 3000, 8, palette,
        lambda y: bytes(((x >> 3) + (y >> 4) + ((x * y * 2654435761) >> 28 & 7)) & 255 for x in range(4000)))
    bmp(out + "/square.bmp", 2048, 2048, 24, [],
        lambda y: bytes(((x * 3 + c) ^ y) & 255 for x in range(2048) for c in range(3)))


if __name__ == "__main__":
    main()
