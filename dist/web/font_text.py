#!/usr/bin/env python3
"""The characters the game's texts use, for the cut-down font of the web page.

Reads the texts (the source files with the game's own words, the translation
catalogues, the stage file) as UTF-8 and writes every character found in them,
once each, with printable ASCII and its full-width forms always included.

    font_text.py OUTPUT FILE...
"""
import sys


def main():
    output, *sources = sys.argv[1:]
    characters = {chr(c) for c in range(0x20, 0x7F)}
    characters |= {chr(c) for c in range(0xFF01, 0xFF5F)}
    for source in sources:
        with open(source, encoding="utf-8", errors="ignore") as text:
            characters |= {c for c in text.read() if c.isprintable()}
    with open(output, "w", encoding="utf-8") as out:
        out.write("".join(sorted(characters)))


if __name__ == "__main__":
    main()
