#!/usr/bin/env python3
"""Writes the NMEA 0183 logs the location tests replay (run from this folder).

sydney.nmea: a fix at latitude -33.8688197, longitude 151.2092955 with HDOP 1.5, in two epochs
one second apart (a replay never delivers the last epoch of a file, so the fix is repeated).
nofix.nmea: a receiver that reports no fix (GGA quality 0, RMC status V), three epochs.
impossible.nmea: an epoch no receiver writes (minutes of 75 in GGA, a signed latitude with S in
RMC), then the Sydney fix in two epochs.
"""
from functools import reduce

DATE = "150324"
TIMES = ["020000.00", "020001.00", "020002.00"]


def sentence(body):
    return "$%s*%02X\r\n" % (body, reduce(lambda a, ch: a ^ ch, body.encode("ascii"), 0))


def ddmm(degrees, degree_digits):
    """Degrees and minutes, with six decimals of minutes (0.000001' is under 2 mm)."""
    whole = int(abs(degrees))
    return "%0*d%09.6f" % (degree_digits, whole, round((abs(degrees) - whole) * 60, 6))


def fix_epoch(time, lat, lon, hdop):
    la = "%s,%s" % (ddmm(lat, 2), "N" if lat >= 0 else "S")
    lo = "%s,%s" % (ddmm(lon, 3), "E" if lon >= 0 else "W")
    return (sentence("GPGGA,%s,%s,%s,1,08,%.1f,58.0,M,22.0,M,," % (time, la, lo, hdop)) +
            sentence("GPRMC,%s,A,%s,%s,0.0,0.0,%s,,,A" % (time, la, lo, DATE)))


def no_fix_epoch(time):
    return (sentence("GPGGA,%s,,,,,0,00,99.9,,M,,M,," % time) +
            sentence("GPRMC,%s,V,,,,,,,%s,,,N" % (time, DATE)))


with open("sydney.nmea", "w", newline="") as f:
    f.write("".join(fix_epoch(t, -33.8688197, 151.2092955, 1.5) for t in TIMES[:2]))
with open("nofix.nmea", "w", newline="") as f:
    f.write("".join(no_fix_epoch(t) for t in TIMES))
with open("impossible.nmea", "w", newline="") as f:
    la, lo = ddmm(-33.8688197, 2), ddmm(151.2092955, 3)
    f.write(sentence("GPGGA,%s,3375.000000,S,%s,E,1,08,1.5,58.0,M,22.0,M,," % (TIMES[0], lo)) +
            sentence("GPRMC,%s,A,-%s,S,%s,E,0.0,0.0,%s,,,A" % (TIMES[0], la, lo, DATE)))
    f.write("".join(fix_epoch(t, -33.8688197, 151.2092955, 1.5) for t in TIMES[1:]))
