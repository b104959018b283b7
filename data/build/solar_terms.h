#pragma once
// Instants of the 24 solar terms from the Sun's apparent geocentric longitude:
// the Earth's heliocentric position from a truncated VSOP87 series, reduced to
// FK5, with nutation in longitude and aberration; ΔT from polynomial fits of
// the observed (and, after today, extrapolated) difference between TT and UT.

#include "base/dates.h"

namespace velmora::databuild {

// Apparent geocentric ecliptic longitude of the Sun, degrees 0..360, at a
// Julian Ephemeris Day (TT).
double ApparentSolarLongitude(double julianEphemerisDay);

// TT - UT in seconds for a decimal year (1900..2150).
double DeltaTSeconds(double decimalYear);

// Instant of term `term` (0 = 小寒 at 285°, 2 = 立春 at 315°, ..., 23 = 冬至 at
// 270°) of a Gregorian year, in China Standard Time (UTC+8), rounded to the
// whole second.
DateValue SolarTermInstantCst(int year, int term);

}  // namespace velmora::databuild
