"""Reads the pictures png_tool wrote with Python's own zlib and a decoder
written from the PNG format, and compares every pixel with the raw file."""
import os
import struct
import subprocess
import sys
import zlib

tool, out = sys.argv[1:3]
os.makedirs(out, exist_ok=True)
listing = subprocess.run([tool, out], check=True, capture_output=True, text=True).stdout.split("\n")


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n", data[:8]
    at, chunks = 8, []
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        kind, body = data[at + 4:at + 8], data[at + 8:at + 8 + length]
        (crc,) = struct.unpack(">I", data[at + 8 + length:at + 12 + length])
        assert crc == zlib.crc32(kind + body), f"bad CRC on {kind}"
        chunks.append((kind, body))
        at += 12 + length
    assert chunks[0][0] == b"IHDR" and chunks[-1] == (b"IEND", b""), [c[0] for c in chunks]
    width, height, depth, colour, method, filt, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    assert (depth, colour, method, filt, interlace) == (8, 2, 0, 0, 0)
    raw = zlib.decompress(b"".join(b for k, b in chunks if k == b"IDAT"))  # checks the Adler-32 too
    stride = width * 3
    assert len(raw) == height * (stride + 1), len(raw)
    rows, above = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 3] if i >= 3 else 0
            b = above[i]
            c = above[i - 3] if i >= 3 else 0
            predicted = [0, a, b, (a + b) // 2, paeth(a, b, c)][kind]
            line[i] = (line[i] + predicted) & 0xFF
        rows.append(bytes(line))
        above = line
    return width, height, b"".join(rows)


for entry in filter(None, listing):
    name, width, height = entry.split()
    with open(os.path.join(out, name + ".png"), "rb") as f:
        got = decode(f.read())
    with open(os.path.join(out, name + ".rgb"), "rb") as f:
        want = f.read()
    assert got[:2] == (int(width), int(height)), (name, got[:2])
    assert got[2] == want, f"{name}: pixels differ"
    print(f"ok: {name} {width}x{height}")
