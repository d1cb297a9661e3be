"""Reads pdftotext's output on standard input and writes its letters as they were typed: the
joined presentation forms of Arabic letters back to the letters (their compatibility
decomposition), without the direction marks pdftotext puts around right-to-left runs and
without any white space, which pdftotext also puts between the letters of some words."""
import sys
import unicodedata


def typed(character):
    code = ord(character)
    if 0xFB50 <= code <= 0xFDFF or 0xFE70 <= code <= 0xFEFF:
        return unicodedata.normalize("NFKC", character)
    if 0x202A <= code <= 0x202E or 0x2066 <= code <= 0x2069 or character.isspace():
        return ""
    return character


text = sys.stdin.buffer.read().decode("utf-8")
sys.stdout.buffer.write("".join(typed(c) for c in text).encode("utf-8"))
