#!/usr/bin/env python3
"""Extracts the character facts Velmora needs from Unicode's Unihan database
and OpenCC's character table into compact UTF-8 TSV files beside this folder.

Run once by hand (Python 3 standard library only); its output is committed:

    python3 data/sources/tools/extract_unihan.py

Inputs (Debian packages unicode-data and opencc / libopencc-data):
    /usr/share/unicode/Unihan_RadicalStrokeCounts.txt.bz2  kRSKangXi
    /usr/share/unicode/Unihan_IRGSources.txt.bz2           kRSUnicode, kTotalStrokes
    /usr/share/unicode/Unihan_Variants.txt.bz2             kTraditionalVariant
    /usr/share/unicode/Unihan_Readings.txt.bz2             kMandarin
    /usr/share/unicode/CJKRadicals.txt                     the 214 radicals
    OpenCC's STCharacters and TWVariants (dumped to text with opencc_dict)

Outputs:
    kangxi_radicals.tsv  number, full radical character, its strokes
    han_characters.tsv   every CJK ideograph GBK encodes: character, radical
                         number as typed, Mandarin reading, traditional candidates
    han_strokes.tsv      for those characters and their traditional candidates:
                         character, Kangxi radical number, residual strokes,
                         written total strokes
"""

import bz2
import os
import re
import subprocess
import sys
import tempfile

UNICODE = "/usr/share/unicode"
OPENCC_TABLE = "/usr/share/opencc/STCharacters.ocd2"
# OpenCC's Taiwan variants turn its inherited forms into the ones in common use
# (峯 -> 峰, 羣 -> 群, 衆 -> 眾, 啓 -> 啟); names are written with the latter.
OPENCC_TW_VARIANTS = "/usr/share/opencc/TWVariants.ocd2"
OUT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

# The Kangxi radicals are numbered in order of their stroke counts: radicals
# 1-6 have 1 stroke, 7-29 have 2, and so on. Used to check the extracted table.
STROKE_GROUP_STARTS = [(1, 1), (7, 2), (30, 3), (61, 4), (95, 5), (118, 6), (147, 7),
                       (167, 8), (176, 9), (187, 10), (195, 11), (201, 12), (205, 13),
                       (209, 14), (211, 15), (212, 16), (214, 17)]


def strokes_of_radical_number(number):
    strokes = 0
    for start, count in STROKE_GROUP_STARTS:
        if number >= start:
            strokes = count
    return strokes


def read_unihan(name, fields):
    values = {}
    with bz2.open(os.path.join(UNICODE, name), "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, field, value = line.rstrip("\n").split("\t", 2)
            if field in fields:
                values.setdefault(int(code[2:], 16), {})[field] = value
    return values


def parse_rs(value):
    """'140.8' or "167'.5" or '96.-1' -> (radical number, residual strokes)."""
    first = value.split()[0]
    match = re.fullmatch(r"(\d+)'*\.(-?\d+)", first)
    if not match:
        raise ValueError("bad radical-stroke value " + value)
    return int(match.group(1)), int(match.group(2))


def gbk_ideographs():
    for cp in list(range(0x3400, 0xA000)) + list(range(0xF900, 0xFB00)):
        try:
            encoded = chr(cp).encode("gbk")
        except UnicodeEncodeError:
            continue
        if len(encoded) == 2:
            yield cp


def in_gbk(ch):
    try:
        return len(ch.encode("gbk")) == 2
    except UnicodeEncodeError:
        return False


def opencc_table(path):
    with tempfile.TemporaryDirectory() as tmp:
        text = os.path.join(tmp, "table.txt")
        subprocess.run(["opencc_dict", "-i", path, "-o", text, "-f", "ocd2", "-t", "text"],
                       check=True)
        table = {}
        with open(text, encoding="utf-8") as f:
            for line in f:
                key, _, forms = line.rstrip("\n").partition("\t")
                if len(key) == 1 and forms:
                    table[key] = forms.split()
        return table


def main():
    rs = read_unihan("Unihan_RadicalStrokeCounts.txt.bz2", {"kRSKangXi"})
    irg = read_unihan("Unihan_IRGSources.txt.bz2", {"kRSUnicode", "kTotalStrokes"})
    variants = read_unihan("Unihan_Variants.txt.bz2", {"kTraditionalVariant"})
    readings = read_unihan("Unihan_Readings.txt.bz2", {"kMandarin"})
    opencc = opencc_table(OPENCC_TABLE)
    tw_variants = {k: v[0] for k, v in opencc_table(OPENCC_TW_VARIANTS).items()}

    # The 214 radicals: full form and strokes. The Kangxi count is the radical's
    # stroke group; where Unihan's modern written count differs (廴 2 for 3,
    # 辵 and the like), the group holds and the difference is listed.
    radicals = {}
    with open(os.path.join(UNICODE, "CJKRadicals.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            number, _, ideograph = [p.strip() for p in line.split(";")]
            if number.endswith("'"):
                continue
            cp = int(ideograph, 16)
            strokes = int(irg[cp]["kTotalStrokes"].split()[0])
            expected = strokes_of_radical_number(int(number))
            if strokes != expected:
                print("radical %s %s: written %d, Kangxi %d" % (number, chr(cp), strokes, expected))
            radicals[int(number)] = (chr(cp), expected)
    assert sorted(radicals) == list(range(1, 215)), "expected 214 radicals"

    def stroke_facts(cp):
        """(Kangxi radical, residual, written total) of a character, or None."""
        facts = irg.get(cp, {})
        rs_value = rs.get(cp, {}).get("kRSKangXi") or facts.get("kRSUnicode")
        total = facts.get("kTotalStrokes")
        if not rs_value or not total:
            return None
        radical, residual = parse_rs(rs_value)
        # Where two totals are given, the second is the traditional (zh-Hant) count.
        return radical, residual, int(total.split()[-1])

    characters = []
    needed = set()
    for cp in gbk_ideographs():
        ch = chr(cp)
        facts = irg.get(cp, {})
        radical = parse_rs(facts["kRSUnicode"])[0] if "kRSUnicode" in facts else 0
        reading = readings.get(cp, {}).get("kMandarin", "").split(" ")[0]
        if ch in opencc:
            candidates = opencc[ch]
        elif "kTraditionalVariant" in variants.get(cp, {}):
            candidates = [chr(int(u[2:], 16)) for u in variants[cp]["kTraditionalVariant"].split()]
        else:
            candidates = []
        candidates = [tw_variants.get(c, c) for c in candidates]
        candidates = [c for i, c in enumerate(candidates) if c not in candidates[:i]]
        # Keep candidates GBK can show; the program's texts are GBK in the end.
        candidates = [c for c in candidates if in_gbk(c)]
        if candidates == [ch]:
            candidates = []
        characters.append((ch, radical, reading, candidates))
        needed.add(cp)
        needed.update(ord(c) for c in candidates)

    with open(os.path.join(OUT, "kangxi_radicals.tsv"), "w", encoding="utf-8") as f:
        f.write("# Kangxi radical number, full form, strokes (Unihan 15.0 CJKRadicals.txt, kTotalStrokes)\n")
        for number in range(1, 215):
            f.write("%d\t%s\t%d\n" % (number, radicals[number][0], radicals[number][1]))

    with open(os.path.join(OUT, "han_characters.tsv"), "w", encoding="utf-8") as f:
        f.write("# character, radical number (kRSUnicode), first kMandarin reading,"
                " traditional forms (OpenCC STCharacters with TWVariants, else Unihan kTraditionalVariant)\n")
        for ch, radical, reading, candidates in characters:
            f.write("%s\t%d\t%s\t%s\n" % (ch, radical, reading, " ".join(candidates)))

    missing = 0
    with open(os.path.join(OUT, "han_strokes.tsv"), "w", encoding="utf-8") as f:
        f.write("# character, Kangxi radical (kRSKangXi, else kRSUnicode), residual strokes,"
                " written total (kTotalStrokes, traditional value)\n")
        for cp in sorted(needed):
            facts = stroke_facts(cp)
            if facts is None:
                missing += 1
                continue
            f.write("%s\t%d\t%d\t%d\n" % (chr(cp), facts[0], facts[1], facts[2]))
    print("%d characters, %d with traditional candidates, %d without stroke facts"
          % (len(characters), sum(1 for c in characters if c[3]), missing))


if __name__ == "__main__":
    main()
