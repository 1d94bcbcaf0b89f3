#!/usr/bin/python3
"""Cuts a rectangle out of an XWD image (Xvfb's -fbdir screen) into a PNG.

    xwd-to-png.py SCREEN.xwd OUT.png X Y WIDTH HEIGHT

Only 24/32-bit true-colour ZPixmap images, which is what Xvfb writes.
"""
import struct
import sys
import zlib


def read_xwd(path):
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    header_size, _, pixmap_format, _, width, height = header[:6]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    red_mask, green_mask, blue_mask, ncolors = header[14], header[15], header[16], header[19]
    if pixmap_format != 2 or bits_per_pixel != 32:
        sys.exit("solo imágenes ZPixmap de 32 bits por píxel")
    pixels = data[header_size + 12 * ncolors:]
    order = "<" if byte_order == 0 else ">"
    return width, height, bytes_per_line, pixels, order, (red_mask, green_mask, blue_mask)


def shift_of(mask):
    return (mask & -mask).bit_length() - 1


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\0" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def main():
    source, target = sys.argv[1], sys.argv[2]
    x, y, w, h = (int(v) for v in sys.argv[3:7])
    width, height, stride, pixels, order, masks = read_xwd(source)
    w, h = min(w, width - x), min(h, height - y)
    shifts = [shift_of(m) for m in masks]
    rows = []
    for row in range(y, y + h):
        line = struct.unpack_from(f"{order}{w}I", pixels, row * stride + 4 * x)
        rows.append(bytes(v for p in line for v in ((p >> shifts[0]) & 255, (p >> shifts[1]) & 255,
                                                     (p >> shifts[2]) & 255)))
    write_png(target, w, h, rows)


if __name__ == "__main__":
    main()
