#!/usr/bin/env python3
"""Writes the sample payload: one file per manifest row, of the row's sample size.

Usage: gen_sample_payload.py MANIFEST OUTDIR [NUMBER=MODULE ...]
A row given a built module (the stand-in IME builds) gets that file, padded with zero
bytes after the image to the row's size, so that installing the sample writes as much as
the product does; the loader maps only the image. Every other row gets pseudo-random bytes,
fixed per resource number, so files of different rows never match each other and every
build writes the same bytes.
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


def padded_module(path, size):
    data = open(path, "rb").read()
    if len(data) > size:
        sys.exit(f"{path} has {len(data)} bytes, more than the {size} its manifest row allows")
    return data + bytes(size - len(data))


def main(manifest, outdir, modules):
    os.makedirs(outdir, exist_ok=True)
    for line in open(manifest, encoding="utf-8"):
        fields = line.split("#", 1)[0].split()
        if not fields:
            continue
        number, name, size = int(fields[0]), fields[1], int(fields[2])
        path = os.path.join(outdir, name)
        data = padded_module(modules[number], size) if number in modules else sample_bytes(number, size)
        if not os.path.exists(path) or open(path, "rb").read() != data:
            with open(path, "wb") as f:
                f.write(data)


if __name__ == "__main__":
    built = dict((int(n), p) for n, p in (arg.split("=", 1) for arg in sys.argv[3:]))
    main(sys.argv[1], sys.argv[2], built)
