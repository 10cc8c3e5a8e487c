"""Reads the few things the install tests need from a PNG file: its size
and, for comparing two files, its decoded pixel rows."""

import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunks(data):
    """Yields (kind, payload) of every chunk; raises ValueError on a bad
    signature, a cut-off chunk or a wrong checksum."""
    if not data.startswith(SIGNATURE):
        raise ValueError("not a PNG file")
    pos = len(SIGNATURE)
    while pos < len(data):
        if pos + 8 > len(data):
            raise ValueError("cut-off chunk header")
        length, kind = struct.unpack(">I4s", data[pos : pos + 8])
        payload = data[pos + 8 : pos + 8 + length]
        crc = data[pos + 8 + length : pos + 12 + length]
        if len(payload) != length or len(crc) != 4:
            raise ValueError("cut-off %s chunk" % kind.decode("latin-1"))
        if struct.unpack(">I", crc)[0] != zlib.crc32(kind + payload):
            raise ValueError("bad checksum in %s chunk" % kind.decode("latin-1"))
        yield kind, payload
        pos += 12 + length


def header(data):
    """(width, height, bit depth, colour type) from the IHDR chunk, which
    must come first."""
    kind, payload = next(chunks(data))
    if kind != b"IHDR" or len(payload) != 13:
        raise ValueError("first chunk is not IHDR")
    width, height, depth, colour_type = struct.unpack(">IIBB", payload[:10])
    return width, height, depth, colour_type


def rgba_rows(data):
    """The pixel rows of an 8-bit RGBA, non-interlaced PNG, unfiltered."""
    width, height, depth, colour_type = header(data)
    if (depth, colour_type) != (8, 6):
        raise ValueError("not 8-bit RGBA")
    raw = zlib.decompress(b"".join(p for k, p in chunks(data) if k == b"IDAT"))
    stride = 4 * width
    rows, previous = [], bytes(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1 : start + 1 + stride])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            upper_left = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
                line[i] = (line[i] + predictor) & 0xFF
            elif kind != 0:
                raise ValueError("unknown filter %d in row %d" % (kind, y))
        rows.append(bytes(line))
        previous = line
    return rows
