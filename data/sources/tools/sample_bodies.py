#!/usr/bin/env python3
"""Prints a random sample of the name bodies the candidate search proposes, so a
change of cyzi.txt or mz_parts.txt can be read before it is committed. Run by
hand after building the databases; not part of the build or the tests.

    cmake --build build --target velmora-cli bin/data/Vudazod.db
    python3 data/sources/tools/sample_bodies.py --count 50
    python3 data/sources/tools/sample_bodies.py --lengths 2 --owner 赵,1993-1-10,0

It runs `velmora-cli suggest` (the program's own search, on the databases
beside it) for a few owners and each body length, and draws COUNT distinct
bodies per length, spread evenly over the owners. The default owners lack
水, 土, nothing, and 金 and 木. Each line: length, number in the sample,
the owner's missing elements, the body, its elements, its score.
--check instead runs one search per element for owners lacking only that
element and fails when a length finds no body holding it.
"""
import argparse
import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_CLI = os.path.join(HERE, "..", "..", "..", "build", "bin", "velmora-cli")

# surname, solar birth date, hour; the missing elements come from the program.
DEFAULT_OWNERS = [
    ("王", "1985-3-12", "10"),  # lacks 水
    ("李", "1990-7-1", "10"),  # lacks 土
    ("张", "1975-5-5", "10"),  # lacks nothing
    ("陈", "1978-11-20", "10"),  # lacks 金 and 木
]
# Owners lacking exactly one element each, for --check.
SINGLE_ELEMENT_OWNERS = {
    "金": ("周", "1988-12-25", "10"),
    "木": ("吴", "1981-10-10", "10"),
    "水": ("王", "1985-3-12", "10"),
    "火": ("赵", "1993-1-10", "0"),
    "土": ("李", "1990-7-1", "10"),
}


def suggest(cli, owner, length, suffix, pages):
    """Runs one search; returns the missing elements and the rows (body, elements, score)."""
    surname, date, hour = owner
    command = [cli, "suggest", "--surname", surname, "--date", date, "--hour", hour,
               "--length", str(length), "--pages", str(pages)]
    if suffix:
        command += ["--suffix", suffix]
    done = subprocess.run(command, capture_output=True, text=True, encoding="utf-8")
    if done.returncode != 0:
        sys.exit("velmora-cli failed (%d): %s" % (done.returncode, done.stderr.strip()))
    lines = done.stdout.splitlines()
    if not lines or not lines[0].startswith("缺:"):
        sys.exit("velmora-cli: unexpected output: %r" % lines[:1])
    missing = lines[0][len("缺:"):]
    rows = []
    for line in lines[1:]:
        fields = line.split("\t")
        if len(fields) >= 9:  # number, name, traditional, score, body, elements, ...
            rows.append((fields[4], fields[5], fields[3]))
    return missing, rows


def sample(args, rng):
    owners = args.owner or DEFAULT_OWNERS
    for length in args.lengths:
        share = [args.count // len(owners) + (i < args.count % len(owners))
                 for i in range(len(owners))]
        seen = set()
        number = 0
        for owner, wanted in zip(owners, share):
            missing, rows = suggest(args.cli, owner, length, args.suffix, args.pages)
            rows = [row for row in dict((row[0], row) for row in rows).values()
                    if row[0] not in seen]
            if len(rows) < wanted:
                print("warning: %s found only %d new bodies of length %d"
                      % (owner[0], len(rows), length), file=sys.stderr)
            for body, elements, score in rng.sample(rows, min(wanted, len(rows))):
                seen.add(body)
                number += 1
                print("%d\t%d\t缺:%s\t%s\t%s\t%s" % (length, number, missing or "-", body,
                                                    elements, score))


def check(args):
    failures = 0
    for element, owner in SINGLE_ELEMENT_OWNERS.items():
        for length in args.lengths:
            missing, rows = suggest(args.cli, owner, length, args.suffix, 1)
            holding = [row for row in rows if element in row[1]]
            ok = missing == element and rows and len(holding) == len(rows)
            failures += not ok
            print("%s\t缺:%s\tlength %d\t%d bodies%s" % ("ok" if ok else "FAIL", missing, length,
                                                       len(rows), "" if ok else " (expected 缺:"
                                                       + element + ", all holding it)"))
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", default=DEFAULT_CLI, help="velmora-cli to run")
    parser.add_argument("--count", type=int, default=20, help="bodies per length")
    parser.add_argument("--lengths", type=int, nargs="+", default=[2, 3, 4], choices=[2, 3, 4])
    parser.add_argument("--suffix", default="科技有限公司", help="industry suffix")
    parser.add_argument("--pages", type=int, default=1, help="result pages per search")
    parser.add_argument("--seed", type=int, help="seed of the draw from the results")
    parser.add_argument("--owner", action="append", type=lambda text: tuple(text.split(",")),
                        help="surname,yyyy-m-d,hour (repeatable; replaces the default owners)")
    parser.add_argument("--check", action="store_true",
                        help="check that owners lacking one element get bodies holding it")
    args = parser.parse_args()
    if args.owner and any(len(owner) != 3 for owner in args.owner):
        parser.error("--owner takes surname,yyyy-m-d,hour")
    if args.check:
        return check(args)
    sample(args, random.Random(args.seed))
    return 0


if __name__ == "__main__":
    sys.exit(main())
