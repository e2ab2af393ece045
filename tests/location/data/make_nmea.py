#!/usr/bin/env python3
"""Writes the NMEA 0183 logs the location tests replay (run from this folder).

sydney.nmea: a fix at latitude -33.8688197, longitude 151.2092955 with HDOP 1.5, in two
epochs one second apart (a replay never delivers the last epoch of a file, so the fix is
repeated once more at the end).
nofix.nmea: a receiver that reports no fix (GGA quality 0, RMC status V).
"""


def checksum(body):
    value = 0
    for ch in body.encode("ascii"):
        value ^= ch
    return "%02X" % value


def sentence(body):
    return "$%s*%s\r\n" % (body, checksum(body))


def ddmm(degrees, degree_digits):
    """Degrees and minutes, with six decimals of minutes (0.000001' is under 2 mm)."""
    magnitude = abs(degrees)
    whole = int(magnitude)
    minutes = round((magnitude - whole) * 60, 6)
    return "%0*d%09.6f" % (degree_digits, whole, minutes)


def fix_epoch(time, date, lat, lon, hdop):
    ns = "N" if lat >= 0 else "S"
    ew = "E" if lon >= 0 else "W"
    la, lo = ddmm(lat, 2), ddmm(lon, 3)
    gga = "GPGGA,%s,%s,%s,%s,%s,1,08,%.1f,58.0,M,22.0,M,," % (time, la, ns, lo, ew, hdop)
    rmc = "GPRMC,%s,A,%s,%s,%s,%s,0.0,0.0,%s,,,A" % (time, la, ns, lo, ew, date)
    return sentence(gga) + sentence(rmc)


def no_fix_epoch(time, date):
    gga = "GPGGA,%s,,,,,0,00,99.9,,M,,M,," % time
    rmc = "GPRMC,%s,V,,,,,,,%s,,,N" % (time, date)
    return sentence(gga) + sentence(rmc)


DATE = "150324"
TIMES = ["020000.00", "020001.00", "020002.00"]

with open("sydney.nmea", "w", newline="") as f:
    for t in TIMES[:2]:
        f.write(fix_epoch(t, DATE, -33.8688197, 151.2092955, 1.5))

with open("nofix.nmea", "w", newline="") as f:
    for t in TIMES:
        f.write(no_fix_epoch(t, DATE))
