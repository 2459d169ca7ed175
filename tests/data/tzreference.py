#!/usr/bin/python3
"""Reference offsets of tz database zones, for the city time-zone test.

Reads zone names (one a line) on standard input. For each zone, takes the transitions from
1970-01-01 to 2038-01-01 out of the system's compiled file (/usr/share/zoneinfo, TZif version 2
or later, 64-bit section) and prints, for one second before, at and one second after each, the
offset from UTC that Python's zoneinfo gives:

    ZONE UTC_SECONDS OFFSET_SECONDS

plus the first instant of every year and of every month's 15th, so that a zone without
transitions is still checked. Needs Debian's /usr/bin/python3 (3.9 or later) and tzdata.
"""
import datetime
import struct
import sys
import zoneinfo

FIRST = 0                      # 1970-01-01T00:00:00Z
LAST = 2145916800              # 2038-01-01T00:00:00Z


def transitions(name):
    for base in zoneinfo.TZPATH:
        try:
            with open(f"{base}/{name}", "rb") as f:
                data = f.read()
            break
        except OSError:
            continue
    else:
        return []
    if data[:4] != b"TZif":
        return []
    def counts(at):
        return struct.unpack(">6l", data[at + 20:at + 44])
    isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt = counts(0)
    version = data[4:5]
    if version >= b"2":
        # Skip the 32-bit section to the 64-bit one.
        at = 44 + timecnt * 5 + typecnt * 6 + charcnt + leapcnt * 8 + isstdcnt + isutcnt
        isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt = counts(at)
        times = struct.unpack(f">{timecnt}q", data[at + 44:at + 44 + timecnt * 8])
    else:
        times = struct.unpack(f">{timecnt}l", data[44:44 + timecnt * 4])
    return [t for t in times if FIRST <= t < LAST]


def main():
    utc = datetime.timezone.utc
    probes_common = []
    for year in range(1970, 2038):
        for month in range(1, 13):
            probes_common.append(int(datetime.datetime(year, month, 1 if month == 1 else 15, tzinfo=utc).timestamp()))
    out = sys.stdout
    for line in sys.stdin:
        name = line.strip()
        if not name:
            continue
        zone = zoneinfo.ZoneInfo(name)
        probes = set(probes_common)
        for t in transitions(name):
            probes.update((t - 1, t, t + 1))
        for t in sorted(probes):
            if not FIRST <= t < LAST:
                continue
            offset = datetime.datetime.fromtimestamp(t, tz=zone).utcoffset()
            out.write(f"{name} {t} {int(offset.total_seconds())}\n")


if __name__ == "__main__":
    main()
