#!/usr/bin/env python3
# Independent check of the Kathmandu sheet: 1 July 2000 12:00 at UTC+05:45 = 06:15 UT,
# 27°42' N, 85°19' E. Sun: the Astronomical Almanac's low-precision formula; Moon: the
# project's reference script (written from the published series); ascendant: the textbook
# formula from Greenwich mean sidereal time (IAU 1982) and the mean obliquity. Prints
# "sun 99.721 moon 91.940 asc 187.702" and "99 91 187 195 15 Libra": the expected values of
# SheetPdfText.cmake (9º Cancer, 1º Cancer, 7º Libra, Part of Fortune 15º Libra).
import math, os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'ephemeris'))
import moon_reference as m
d2r = math.pi / 180
jd = 2451726.5 + 6.25 / 24          # 2000-07-01 06:15 UT
n = jd - 2451545.0
L = (280.460 + 0.9856474 * n) % 360
g = (357.528 + 0.9856003 * n) % 360 * d2r
sun = (L + 1.915 * math.sin(g) + 0.020 * math.sin(2 * g)) % 360
moon = m.moon_longitude(2000, 7, 1, 6.25)
T = n / 36525
gmst = (280.46061837 + 360.98564736629 * n + 0.000387933 * T * T) % 360
lst = (gmst + 85 + 19 / 60) % 360 * d2r
eps = (23.439291 - 0.0130042 * T) * d2r
phi = (27 + 42 / 60) * d2r
asc = math.degrees(math.atan2(math.cos(lst), -(math.sin(lst) * math.cos(eps) + math.tan(phi) * math.sin(eps)))) % 360
print("sun %.3f moon %.3f asc %.3f" % (sun, moon, asc))
S, M, A = int(sun), int(moon), int(asc)
pof = (A + S - M) % 360   # 12:00 counts as from noon on
print(S, M, A, pof, "%d %s" % (pof % 30, ["Aries","Taurus","Gemini","Cancer","Leo","Virgo","Libra","Scorpio","Sagittarius","Capricorn","Aquarius","Pisces"][pof // 30]))
