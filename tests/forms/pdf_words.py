"""pdftotext's output as typed: Arabic presentation forms back to their letters, without the
direction marks around right-to-left runs and without white space."""
import sys
import unicodedata


def typed(character):
    code = ord(character)
    if 0xFB50 <= code <= 0xFDFF or 0xFE70 <= code <= 0xFEFF:
        return unicodedata.normalize("NFKC", character)
    if 0x202A <= code <= 0x202E or 0x2066 <= code <= 0x2069 or character.isspace():
        return ""
    return character


sys.stdout.buffer.write("".join(map(typed, sys.stdin.buffer.read().decode("utf-8"))).encode())
