#!/usr/bin/env python3
"""Converts a UTF-8 text of the repository into the bytes the program ships.

Usage: encode_text.py SRC DST CODEPAGE [--ascii-with-936]
CODEPAGE is 936, 950 or ascii. Line ends become CR LF; a character that the code page
cannot hold stops the build. --ascii-with-936 allows, besides ASCII, only the book-title
brackets, which are written in code page 936.
"""
import sys

CODECS = {"936": "gbk", "950": "cp950", "ascii": "ascii"}
BOOK_BRACKETS = "\u300a\u300b"


def main(src, dst, codepage, mixed=False):
    text = open(src, encoding="utf-8").read().replace("\r\n", "\n").replace("\n", "\r\n")
    if mixed:
        out = bytearray()
        for ch in text:
            if ord(ch) < 128:
                out += ch.encode("ascii")
            elif ch in BOOK_BRACKETS:
                out += ch.encode("gbk")
            else:
                sys.exit(f"{src}: character U+{ord(ch):04X} is neither ASCII nor a book-title bracket")
        data = bytes(out)
    else:
        try:
            data = text.encode(CODECS[codepage])
        except UnicodeEncodeError as e:
            sys.exit(f"{src}: {e}")
    with open(dst, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], "--ascii-with-936" in sys.argv[4:])
