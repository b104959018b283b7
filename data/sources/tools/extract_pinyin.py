#!/usr/bin/env python3
"""Writes gbk_pinyin.tsv beside this folder: for every GBK double-byte code
whose character Unihan gives a Mandarin reading, the code, the character and
its first kMandarin reading without tone marks (ü written v). A compatibility
ideograph (郎 U+F92C) takes the reading of the ideograph it decomposes to.

Run once by hand (Python 3 standard library only); its output is committed:

    python3 data/sources/tools/extract_pinyin.py

Input (Debian package unicode-data):
    /usr/share/unicode/Unihan_Readings.txt.bz2   kMandarin

The codes are decoded with Python's "gbk" codec, which agrees with glibc's
iconv GBK (the program's converter) on every double-byte code. The build turns
the file into the program's pinyin index table (src/tools/pinyin_table.cmake).
"""

import os
import unicodedata

from extract_unihan import OUT, read_unihan


def toneless(reading):
    """'zhōng' -> 'zhong', 'lǜ' -> 'lv', 'ê' -> 'e'."""
    out = ""
    for ch in unicodedata.normalize("NFD", reading):
        if ch == "\u0308":  # the diaeresis of ü
            out = out[:-1] + "v"
        elif not unicodedata.combining(ch):
            out += ch
    if not out.isascii() or not out.isalpha() or not out.islower():
        raise ValueError("unexpected reading " + reading)
    return out


def gbk_codes():
    """Every double-byte GBK code with its character, in code order."""
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            try:
                ch = bytes([lead, trail]).decode("gbk")
            except UnicodeDecodeError:
                continue
            yield lead, trail, ch


def main():
    readings = read_unihan("Unihan_Readings.txt.bz2", {"kMandarin"})
    rows = []
    ideographs = 0
    unread = []
    gb2312_unread = []
    for lead, trail, ch in gbk_codes():
        cp = ord(ch)
        reading = readings.get(cp, {}).get("kMandarin")
        # A compatibility ideograph reads as the ideograph it stands for.
        canonical = unicodedata.normalize("NFD", ch)
        if reading is None and len(canonical) == 1 and canonical != ch:
            reading = readings.get(ord(canonical), {}).get("kMandarin")
        is_ideograph = unicodedata.name(ch, "").startswith("CJK")
        ideographs += is_ideograph
        if reading is None:
            if is_ideograph:
                unread.append(ch)
                # GB 2312's characters occupy rows 0xB0-0xF7, trail 0xA1-0xFE.
                if 0xB0 <= lead <= 0xF7 and trail >= 0xA1:
                    gb2312_unread.append(ch)
            continue
        rows.append((lead, trail, ch, toneless(reading.split()[0])))

    with open(os.path.join(OUT, "gbk_pinyin.tsv"), "w", encoding="utf-8") as f:
        f.write("# GBK code, character, first Unihan kMandarin reading without tone (ü as v)\n")
        for lead, trail, ch, syllable in rows:
            f.write("%02X%02X\t%s\t%s\n" % (lead, trail, ch, syllable))
    print("%d codes with a reading, %d distinct syllables; %d GBK ideographs, %d without a"
          " reading (%s), %d of them in GB 2312"
          % (len(rows), len({r[3] for r in rows}), ideographs, len(unread), "".join(unread),
             len(gb2312_unread)))


if __name__ == "__main__":
    main()
