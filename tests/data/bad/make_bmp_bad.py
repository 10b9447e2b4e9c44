#!/usr/bin/env python3
# Writes the malformed BMP files of this folder, each named for its defect.
import struct

def info(w, h, bpp, comp=0, size_image=0, clr_used=0, header_size=40):
    return struct.pack('<IiiHHIIiiII', header_size, w, h, 1, bpp, comp, size_image, 2835, 2835, clr_used, 0)

def bmp(head, bits=b'', magic=b'BM'):
    # head: info header, palette and masks; bfOffBits points at the bits after it.
    return magic + struct.pack('<IHHI', 14 + len(head) + len(bits), 0, 0, 14 + len(head)) + head + bits

def pal(n):
    return b''.join(struct.pack('<BBBB', i, i, i, 0) for i in range(n))

files = {}
hdr = info(4, 2, 8, clr_used=4) + pal(4)
files['bmp_truncated_in_file_header.bmp'] = b'BM\x10\x00\x00'
files['bmp_magic_not_bm.bmp'] = bmp(hdr, bytes(8), magic=b'BA')
files['bmp_width_negative.bmp'] = bmp(info(-4, 2, 8, clr_used=4) + pal(4), bytes(8))
files['bmp_height_zero.bmp'] = bmp(info(4, 0, 8, clr_used=4) + pal(4))
files['bmp_too_many_pixels.bmp'] = bmp(info(65536, 65536, 24), bytes(64))
files['bmp_bitcount_2.bmp'] = bmp(info(4, 2, 2, clr_used=4) + pal(4), bytes(8))
files['bmp_bitcount_0_embedded_jpeg.bmp'] = bmp(info(4, 2, 0, comp=4), b'\xff\xd8\xff\xd9')
files['bmp_header_size_8.bmp'] = bmp(struct.pack('<II', 8, 4), bytes(16))
files['bmp_palette_index_beyond_palette.bmp'] = bmp(hdr, bytes([0, 1, 2, 3, 4, 5, 6, 7]))
files['bmp_bitfields16_mask_high_bits_only.bmp'] = bmp(
    info(2, 1, 16, comp=3) + struct.pack('<III', 0xF8000000, 0x07E0, 0x001F), bytes(4))
files['bmp_bitfields16_zero_mask.bmp'] = bmp(
    info(2, 1, 16, comp=3) + struct.pack('<III', 0xF800, 0x07E0, 0), bytes(4))
files['bmp_bitfields32_zero_mask.bmp'] = bmp(
    info(2, 1, 32, comp=3) + struct.pack('<III', 0xFF0000, 0, 0xFF), bytes(8))
files['bmp_bitfields_masks_missing.bmp'] = bmp(info(2, 1, 32, comp=3) + b'\x00\x00')
files['bmp_compression_unknown_8bpp.bmp'] = bmp(info(4, 2, 8, comp=2, clr_used=4) + pal(4), bytes(8))
files['bmp_compression_unknown_4bpp.bmp'] = bmp(info(4, 2, 4, comp=1, clr_used=4) + pal(4), bytes(8))
files['bmp_compression_unknown_16bpp.bmp'] = bmp(info(2, 1, 16, comp=1), bytes(4))
# Two end-of-line codes for a two-row image: the second one runs past the top row.
files['bmp_rle8_data_after_end.bmp'] = bmp(
    info(2, 2, 8, comp=1, size_image=10, clr_used=4) + pal(4), bytes([2, 1, 0, 0, 2, 2, 0, 0, 0, 1]))
files['bmp_rle8_negative_length.bmp'] = bmp(
    info(2, 2, 8, comp=1, size_image=0xFFFFFFF0, clr_used=4) + pal(4), bytes([2, 1, 0, 1]))
files['bmp_rle4_negative_length.bmp'] = bmp(
    info(2, 2, 4, comp=2, size_image=0x80000000, clr_used=4) + pal(4), bytes([2, 0x11, 0, 1]))

for name, data in files.items():
    with open(name, 'wb') as f:
        f.write(data)
