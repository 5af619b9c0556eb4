#!/usr/bin/env python3
"""Writes the sample payload: one file per manifest row, of the row's sample size.

Usage: gen_sample_payload.py MANIFEST OUTDIR
Contents are pseudo-random but fixed per resource number, so files of different rows
never match each other and every build writes the same bytes.
"""
import os
import sys

SIGNATURES = {211: b"ITSF", 210: b"MZ", 230: b"MZ", 250: b"MZ"}


def sample_bytes(number, size):
    state = (number * 2654435761) & 0xFFFFFFFF or 1
    out = bytearray(size)
    for i in range(size):
        state ^= (state << 13) & 0xFFFFFFFF
        state ^= state >> 17
        state ^= (state << 5) & 0xFFFFFFFF
        out[i] = state & 0xFF
    sig = SIGNATURES.get(number, b"")
    out[: len(sig)] = sig
    return bytes(out)


def main(manifest, outdir):
    os.makedirs(outdir, exist_ok=True)
    for line in open(manifest, encoding="utf-8"):
        fields = line.split("#", 1)[0].split()
        if not fields:
            continue
        number, name, size = int(fields[0]), fields[1], int(fields[2])
        path = os.path.join(outdir, name)
        data = sample_bytes(number, size)
        if not os.path.exists(path) or open(path, "rb").read() != data:
            with open(path, "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
