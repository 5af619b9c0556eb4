#!/usr/bin/env python3
"""Writes the integrity table of the raw-data resources: per resource, by number, its number,
size and CRC-32, then the CRC-32 of those rows, all as little-endian 32-bit words.
Usage: gen_integrity_table.py OUTPUT NUMBER=FILE..."""
import struct
import sys
import zlib


def main(output, pairs):
    rows = b""
    for pair in sorted(pairs, key=lambda pair: int(pair.split("=")[0])):
        number, path = pair.split("=", 1)
        data = open(path, "rb").read()
        rows += struct.pack("<III", int(number), len(data), zlib.crc32(data))
    with open(output, "wb") as out:
        out.write(rows + struct.pack("<I", zlib.crc32(rows)))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
