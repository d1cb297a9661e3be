#!/usr/bin/env python3
"""Reference Moon longitudes for MoonPositionTest, computed apart from the C++ engine.

Written from the published lunar series (the 25 longitude terms, the mean elements and the
day-number rule), not from the program's code. Prints one C++ table row per instant; the
rows in MoonPositionTest.cpp are this script's output (moon_reference.txt beside it).

    python3 tests/ephemeris/moon_reference.py > tests/ephemeris/moon_reference.txt
"""

import math

DEG_TO_RAD = 0.0174532925199433

# D, M, M', F multiples, coefficient in degrees, multiplied once by E.
TERMS = [
    (2, 0, -1, 0, +1.274027, False),
    (0, 0, 1, 0, +6.288774, False),
    (2, 0, 0, 0, +0.658314, False),
    (0, 0, 2, 0, +0.213618, False),
    (0, 1, 0, 0, -0.185116, True),
    (0, 0, 0, 2, -0.114332, False),
    (2, 0, -2, 0, +0.058793, False),
    (2, -1, -1, 0, +0.057066, True),
    (2, 0, 1, 0, +0.053322, False),
    (2, -1, 0, 0, +0.045758, True),
    (0, 1, -1, 0, -0.040923, True),
    (1, 0, 0, 0, -0.034720, False),
    (0, 1, 1, 0, -0.030383, True),
    (2, 0, 0, -2, +0.015327, False),
    (0, 0, 1, 2, -0.012528, False),
    (0, 0, 1, -2, +0.010980, False),
    (4, 0, -1, 0, +0.010675, False),
    (0, 0, 3, 0, +0.010034, False),
    (4, 0, -2, 0, +0.008548, False),
    (2, 1, -1, 0, -0.007888, True),
    (2, 1, 0, 0, -0.006766, True),
    (1, 0, -1, 0, -0.005163, False),
    (1, 1, 0, 0, +0.004987, True),
    (2, -1, 1, 0, +0.004036, True),
    (2, 0, 2, 0, +0.003994, False),
]


def day_number(month, day, year):
    m = 12 * (year + 4800) + month - 3
    j = (2 * (m - 12 * math.floor(m / 12)) + 7 + 365 * m) / 12
    j = math.floor(j) + day + math.floor(m / 48) - 32083
    if j > 2299171:
        j = j + math.floor(m / 4800) - math.floor(m / 1200) + 38
    return j


def moon_longitude(year, month, day, universal_hours):
    t = (day_number(month, day, year) - 2451545 + universal_hours / 24 - 0.5) / 36525
    mean_longitude = 218.3164591 + 481267.88134236 * t
    d = (297.8502042 + 445267.1115168 * t) * DEG_TO_RAD
    m = (357.5291092 + 35999.0502909 * t) * DEG_TO_RAD
    m_prime = (134.9634114 + 477198.8676313 * t) * DEG_TO_RAD
    f = (93.2720993 + 483202.0175273 * t) * DEG_TO_RAD
    e = 1 - 0.002516 * t - 0.0000074 * t * t
    total = 0.0
    for a, b, c, g, coefficient, times_e in TERMS:
        value = coefficient * math.sin(a * d + b * m + c * m_prime + g * f)
        total += value * e if times_e else value
    longitude = mean_longitude + total
    while longitude < 0:
        longitude += 360
    while longitude > 360:
        longitude -= 360
    return longitude


# Universal instants across the program's years: year, month, day and the universal hours
# as the C++ table writes them (an expression both languages read alike).
INSTANTS = [
    (1901, 1, 1, "0.0"),
    (1923, 9, 1, "2 + 58 / 60.0"),
    (1948, 5, 14, "16.0"),
    (1969, 7, 20, "20 + 17 / 60.0"),
    (1990, 7, 4, "18.5"),
    (1990, 7, 4, "-4.5"),
    (2000, 1, 1, "12.0"),
    (2024, 4, 8, "18 + 18 / 60.0"),
    (2050, 12, 31, "23 + 59 / 60.0"),
]

if __name__ == "__main__":
    for year, month, day, hours in INSTANTS:
        longitude = moon_longitude(year, month, day, eval(hours))
        print(f"{{{year}, {month}, {day}, {hours}, {longitude:.10f}}},")
