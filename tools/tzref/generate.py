#!/usr/bin/python3
"""Writes the tz reference tables that the clock-change and meeting-planner tests compare with:

  clockchanges.csv  the first change of a city's UTC offset after each of a set of instants;
  meetingplan.csv   every city's local time in each hour of a reference city's local day.

The reference is Python's zoneinfo (PEP 615) reading the system's tz database; it shares no
code with Qt's QTimeZone, from which the library derives its zone records. Cities and their tz
zones come from data/cities.csv.

Usage: /usr/bin/python3 tools/tzref/generate.py [output folder]   (default tests/data)
"""

import csv
import os
import sys
from datetime import date, datetime, timedelta, timezone
from zoneinfo import ZoneInfo

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "tests", "data")

# Cities whose zone in the zone table is derived from their own tz zone: the northern and
# southern daylight rules, half- and quarter-hour zones, half an hour of daylight time (Lord
# Howe), zones without daylight time, changes at local midnight (Santiago, Cairo, Havana) and
# Morocco's Ramadan breaks.
CHANGE_CITIES = [
    "London", "Paris", "Berlin", "New York, NY", "St. John's, NL", "Tokyo", "Sydney", "Adelaide",
    "Lord Howe Island", "Auckland", "Santiago", "Cairo", "Jerusalem", "Havana", "Casablanca",
    "Beirut", "Tehran", "New Delhi", "Kathmandu", "Moscow",
]

# Instants after which the next change is sought: ordinary days, the days before the changes of
# 2026, an instant one second before a change and one exactly at it (the change after it is
# the next one), and years far off.
START_INSTANTS = [
    "2026-01-15T12:00:00Z", "2026-03-27T00:00:00Z", "2026-03-29T00:59:59Z", "2026-03-29T01:00:00Z",
    "2026-06-30T23:00:00Z", "2026-10-20T00:00:00Z", "2026-12-31T23:30:00Z", "2029-02-10T06:00:00Z",
    "2033-09-01T00:00:00Z", "2037-05-01T00:00:00Z",
]

HORIZON_DAYS = 400

# Meeting plans: a name, the reference city's date, the cities (the first is the reference).
PLANS = [
    ("ThreeContinents", "2027-03-29", ["London", "New York, NY", "Tokyo"]),
    ("LondonSpringDay", "2026-03-29", ["London", "New York, NY", "New Delhi"]),
    ("LondonAutumnDay", "2026-10-25", ["London", "Paris", "Kathmandu", "Sydney"]),
    ("NewYorkSpringDay", "2026-03-08", ["New York, NY", "London", "Tokyo", "St. John's, NL"]),
    ("SydneyAutumnDay", "2026-04-05", ["Sydney", "Auckland", "Lord Howe Island", "New York, NY"]),
    ("AucklandEarly", "2026-07-01", ["Auckland", "Santiago", "Tehran"]),
]

WORK_START, WORK_END = 9 * 60, 17 * 60


def city_zones():
    zones = {}
    with open(os.path.join(ROOT, "data", "cities.csv"), newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            zones[row["name"]] = row["tz"]
    return zones


def parse_utc(text):
    return datetime.strptime(text, "%Y-%m-%dT%H:%M:%SZ").replace(tzinfo=timezone.utc)


def offset_minutes(zone, instant):
    return int(instant.astimezone(zone).utcoffset().total_seconds()) // 60


def next_change(zone, start):
    """The first second after start whose UTC offset differs from start's, within the horizon."""
    before = offset_minutes(zone, start)
    low = start
    step = timedelta(hours=1)
    t = start + step
    end = start + timedelta(days=HORIZON_DAYS)
    while t <= end:
        if offset_minutes(zone, t) != before:
            high = t
            while (high - low).total_seconds() > 1:
                middle = low + timedelta(seconds=int((high - low).total_seconds()) // 2)
                if offset_minutes(zone, middle) == before:
                    low = middle
                else:
                    high = middle
            return high, before, offset_minutes(zone, high)
        low = t
        t += step
    return None


def write_changes(zones):
    path = os.path.join(OUT, "clockchanges.csv")
    with open(path, "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["city", "tz", "after_utc", "change_utc", "offset_before_min", "offset_after_min",
                    "local_before"])
        for city in CHANGE_CITIES:
            zone = ZoneInfo(zones[city])
            for text in START_INSTANTS:
                found = next_change(zone, parse_utc(text))
                if found is None:
                    w.writerow([city, zones[city], text, "none", "", "", ""])
                    continue
                at, before, after = found
                local = (at + timedelta(minutes=before)).replace(tzinfo=None)
                w.writerow([city, zones[city], text, at.strftime("%Y-%m-%dT%H:%M:%SZ"), before, after,
                            local.strftime("%Y-%m-%dT%H:%M:%S")])


def write_plans(zones):
    path = os.path.join(OUT, "meetingplan.csv")
    with open(path, "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["plan", "date", "slot", "slot_utc", "city", "local", "working"])
        for name, day, cities in PLANS:
            d = date.fromisoformat(day)
            ref = ZoneInfo(zones[cities[0]])
            start = datetime(d.year, d.month, d.day, tzinfo=ref).astimezone(timezone.utc)
            nxt = d + timedelta(days=1)
            end = datetime(nxt.year, nxt.month, nxt.day, tzinfo=ref).astimezone(timezone.utc)
            slot, t = 0, start
            while t < end:
                for city in cities:
                    local = t.astimezone(ZoneInfo(zones[city]))
                    minute = local.hour * 60 + local.minute
                    working = 1 if WORK_START <= minute < WORK_END else 0
                    w.writerow([name, day, slot, t.strftime("%Y-%m-%dT%H:%M:%SZ"), city,
                                local.strftime("%Y-%m-%dT%H:%M"), working])
                slot += 1
                t += timedelta(hours=1)


def main():
    zones = city_zones()
    write_changes(zones)
    write_plans(zones)


if __name__ == "__main__":
    main()
