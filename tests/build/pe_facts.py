#!/usr/bin/env python3
"""Prints facts of a PE file that the build checks compare, one per line:
  subsystem-version MAJOR.MINOR
  outside-resources BYTES   (file size minus the raw size of the .rsrc section)
  import DLL!FUNCTION       (DLL in upper case; FUNCTION as #N for an import by ordinal)
Usage: pe_facts.py FILE
       pe_facts.py --damage TYPE/ID FILE OUT
The second form writes a copy of FILE whose resource TYPE/ID (numbers, first language) has
one byte in the middle of its data inverted: a program damaged in transit."""
import struct
import sys


def parse(path, data):
    """(is PE32+, sections as (name, rva, size, raw size, raw offset), data directory offset, rva->offset)"""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"{path}: not a PE file")
    sections_count, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    wide = magic == 0x20B  # PE32+
    major, minor = struct.unpack_from("<HH", data, optional + 48)
    directories = optional + (112 if wide else 96)
    sections = []
    for i in range(sections_count):
        at = optional + optional_size + 40 * i
        name = data[at:at + 8].rstrip(b"\0").decode()
        vsize, rva, raw_size, raw_at = struct.unpack_from("<IIII", data, at + 8)
        sections.append((name, rva, max(vsize, raw_size), raw_size, raw_at))

    def offset(rva):
        for _, start, size, _, raw_at in sections:
            if start <= rva < start + size:
                return rva - start + raw_at
        sys.exit(f"{path}: address {rva:#x} outside every section")

    return wide, sections, directories, offset, (major, minor)


def damage(resource, path, out):
    data = bytearray(open(path, "rb").read())
    _, _, directories, offset, _ = parse(path, data)
    rsrc_rva = struct.unpack_from("<I", data, directories + 16)[0]
    root = offset(rsrc_rva)

    def entry(directory, wanted):
        named, numbered = struct.unpack_from("<HH", data, directory + 12)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", data, directory + 16 + 8 * i)
            if wanted is None or (not name & 0x80000000 and name == wanted):
                return target
        sys.exit(f"{path}: no resource {resource}")

    kind, number = (int(part) for part in resource.split("/"))
    level = root
    for wanted in (kind, number, None):
        target = entry(level, wanted)
        level = root + (target & 0x7FFFFFFF)
    data_rva, size = struct.unpack_from("<II", data, level)
    if size == 0:
        sys.exit(f"{path}: resource {resource} is empty")
    data[offset(data_rva) + size // 2] ^= 0xFF
    open(out, "wb").write(data)


def main(path):
    data = open(path, "rb").read()
    wide, sections, directories, offset, (major, minor) = parse(path, data)
    import_rva = struct.unpack_from("<I", data, directories + 8)[0]

    def text(rva):
        at = offset(rva)
        return data[at:data.index(b"\0", at)].decode()

    rsrc = sum(raw for name, _, _, raw, _ in sections if name == ".rsrc")
    print(f"subsystem-version {major}.{minor}")
    print(f"outside-resources {len(data) - rsrc}")
    at = offset(import_rva) if import_rva else None
    while at is not None:
        lookup, _, _, name_rva, first = struct.unpack_from("<IIIII", data, at)
        if name_rva == 0:
            break
        dll = text(name_rva).upper()
        entry = offset(lookup or first)
        size, flag = (8, 1 << 63) if wide else (4, 1 << 31)
        while True:
            value = struct.unpack_from("<Q" if wide else "<I", data, entry)[0]
            if value == 0:
                break
            print(f"import {dll}!" + (f"#{value & 0xFFFF}" if value & flag else text((value & 0x7FFFFFFF) + 2)))
            entry += size
        at += 20


if __name__ == "__main__":
    if sys.argv[1] == "--damage":
        damage(*sys.argv[2:5])
    else:
        main(sys.argv[1])
