#!/usr/bin/env python3
"""Prints facts of a PE file that the build checks compare, one per line:
  subsystem-version MAJOR.MINOR
  outside-resources BYTES   (file size minus the raw size of the .rsrc section and of an
                            appended signature, which is no part of the loaded image)
  import DLL!FUNCTION       (DLL in upper case; FUNCTION as #N for an import by ordinal)
  rcdata NUMBER OFFSET SIZE (a raw-data resource: where its bytes lie in the file)
Usage: pe_facts.py FILE
       pe_facts.py --flip NUMBER FILE   flips one bit of the middle byte of raw-data resource
                                        NUMBER in place, as a damaged download would"""
import struct
import sys


def main(path, flip=None):
    data = open(path, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"{path}: not a PE file")
    sections_count, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    wide = magic == 0x20B  # PE32+
    major, minor = struct.unpack_from("<HH", data, optional + 48)
    directories = optional + (112 if wide else 96)
    import_rva = struct.unpack_from("<I", data, directories + 8)[0]
    resource_rva = struct.unpack_from("<I", data, directories + 16)[0]
    signature_size = struct.unpack_from("<I", data, directories + 36)[0]  # a file offset, not an address

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

    def text(rva):
        at = offset(rva)
        return data[at:data.index(b"\0", at)].decode()

    # Resource directory: type, then number, then language; entries of 8 bytes after a
    # 16-byte header, the high bit of an entry's second word marking a subdirectory.
    def entries(directory):
        at = offset(resource_rva) + directory
        named, numbered = struct.unpack_from("<HH", data, at + 12)
        for i in range(named + numbered):
            yield struct.unpack_from("<II", data, at + 16 + 8 * i)

    def rcdata():  # (number, file offset, size) of every raw-data resource
        for type_id, types in entries(0) if resource_rva else ():
            if type_id != 10:
                continue
            for number, languages in entries(types & 0x7FFFFFFF):
                for _, leaf in entries(languages & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", data, offset(resource_rva) + leaf)
                    yield number, offset(rva), size

    if flip is not None:
        for number, at, size in rcdata():
            if number == flip:
                with open(path, "r+b") as out:
                    out.seek(at + size // 2)
                    out.write(bytes([data[at + size // 2] ^ 0x01]))
                return
        sys.exit(f"{path}: no raw-data resource {flip}")

    rsrc = sum(raw for name, _, _, raw, _ in sections if name == ".rsrc")
    print(f"subsystem-version {major}.{minor}")
    print(f"outside-resources {len(data) - rsrc - signature_size}")
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

    for number, at, size in rcdata():
        print(f"rcdata {number} {at} {size}")

if __name__ == "__main__":
    if sys.argv[1] == "--flip":
        main(sys.argv[3], int(sys.argv[2]))
    else:
        main(sys.argv[1])
