#!/usr/bin/env python3
"""Rewrites PNG files as stored ones: every row unfiltered, the image data kept by zlib without
compression. The window reads its icon and tool bar images at every start; stored, reading them
costs a third of what it did (inflating and unfiltering were most of it), for a few kilobytes
more.

    storepng.py FILE.png ...

Only 8-bit, non-interlaced images are taken; the pixels stay exactly as they were."""
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def chunks(data):
    at = len(SIGNATURE)
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        yield kind, data[at + 8:at + 8 + length]
        at += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unfiltered_rows(raw, width, height, bpp):
    stride = width * bpp
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, row = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            left = row[i - bpp] if i >= bpp else 0
            up = previous[i]
            upleft = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                row[i] = (row[i] + paeth(left, up, upleft)) & 0xFF
            elif kind != 0:
                raise ValueError("unknown filter %d" % kind)
        rows.append(bytes(row))
        previous = row
    return rows


def store(path):
    data = open(path, "rb").read()
    if not data.startswith(SIGNATURE):
        raise ValueError(path + ": not a PNG")
    parts = list(chunks(data))
    header = dict(parts)[b"IHDR"]
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", header)
    if depth != 8 or interlace != 0 or colour not in CHANNELS:
        raise ValueError(path + ": only 8-bit, non-interlaced images")
    raw = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    rows = unfiltered_rows(raw, width, height, CHANNELS[colour])
    stored = zlib.compress(b"".join(b"\x00" + row for row in rows), 0)
    out = SIGNATURE
    wrote_data = False
    for kind, body in parts:
        if kind == b"IDAT":
            if not wrote_data:
                out += chunk(b"IDAT", stored)
                wrote_data = True
        else:
            out += chunk(kind, body)
    open(path, "wb").write(out)


if __name__ == "__main__":
    for name in sys.argv[1:]:
        store(name)
