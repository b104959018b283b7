#!/usr/bin/env python3
"""Compares the solar-term instants of a built Tgcode.db with PyEphem (Debian
package python3-ephem, full VSOP87), as a check run by hand; not part of the
build or the tests.

    /usr/bin/python3 data/sources/tools/compare_solar_terms.py build/bin/data/Tgcode.db

Prints the largest differences and the mean and largest difference per 25 years.
Differences after today mostly come from the two programs' different guesses
of TT - UT.
"""
import datetime
import math
import sqlite3
import sys

import ephem

NAMES = ("小寒 大寒 立春 雨水 惊蛰 春分 清明 谷雨 立夏 小满 芒种 夏至 "
         "小暑 大暑 立秋 处暑 白露 秋分 寒露 霜降 立冬 小雪 大雪 冬至").split()


def apparent_longitude(sun, when):
    sun.compute(when, epoch=when)
    ecliptic = ephem.Ecliptic(ephem.Equatorial(sun.g_ra, sun.g_dec, epoch=when), epoch=when)
    return math.degrees(ecliptic.lon)


def main(path):
    sun = ephem.Sun()
    rows = sqlite3.connect(path).execute("SELECT YearA, JQ, SJ FROM JQ ORDER BY SJ")
    results = []
    for year, name, stored in rows:
        target = (285 + 15 * NAMES.index(name)) % 360
        ours = datetime.datetime.strptime(stored, "%Y-%m-%d %H:%M:%S") - datetime.timedelta(hours=8)
        when = ephem.Date(ours)
        for _ in range(8):  # Newton steps on the longitude
            error = (target - apparent_longitude(sun, when) + 180) % 360 - 180
            when = ephem.Date(when + error * 365.2422 / 360)
        seconds = (ephem.Date(ours) - when) * 86400
        results.append((abs(seconds), seconds, year, name, stored))
    results.sort()
    print("terms", len(results), "median |difference| %.1f s" % results[len(results) // 2][0])
    for r in results[-5:]:
        print("%+.1f s  %d %s %s" % r[1:])
    spans = {}
    for _, seconds, year, _, _ in results:
        spans.setdefault(year // 25 * 25, []).append(seconds)
    for start in sorted(spans):
        s = spans[start]
        print("%d-%d mean %+.1f s, largest %.1f s" % (start, start + 24, sum(s) / len(s), max(map(abs, s))))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build/bin/data/Tgcode.db")
