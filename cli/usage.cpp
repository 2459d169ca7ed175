#include "commands.h"

#include <QCoreApplication>

namespace cli {

QString Usage(const QString& command) {
    struct Help {
        const char* name;
        const char* text;
    };
    static const Help kHelp[] = {
        {"clock",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli [clock] [--json]\n"
         "  The five displayed cities with their local time and date; * marks the selected display.\n")},
        {"city",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli city NAME [--json]\n"
         "  Name and country, time zone, latitude and longitude, today's sunrise and sunset, airport\n"
         "  and phone codes. Names are matched without regard to case, and to accents when no name\n"
         "  is spelt so (Sao Paulo finds São Paulo); a name's first words are enough when they begin\n"
         "  one city's name only (Chicago finds Chicago, IL). Quote names with blanks. Also when the\n"
         "  city's clocks next change (\"Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00\").\n")},
        {"find",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli find TEXT [--json]\n"
         "  The entries of the city list that begin with TEXT, without regard to case and accents.\n")},
        {"codes",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli codes phone|airport [TEXT] [--json]\n"
         "  The rows of the Phone Codes or Airport Codes list, optionally only the cities that begin\n"
         "  with TEXT.\n")},
        {"time",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli time NAME [--at INSTANT] [--json]\n"
         "  The city's local time at an instant (default now), whether daylight time is in force and\n"
         "  the bias (UTC = local time + bias, in minutes). INSTANT is UTC: 2026-03-08T10:00:00Z,\n"
         "  from 1970 to 2037.\n")},
        {"convert",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli convert --from NAME --local 'YYYY-MM-DD HH:MM' [NAME ...] [--json]\n"
         "  The Time Calculator: the local time in the reference city --from, and the same instant\n"
         "  in each named city (default: the five displayed cities). A local time the clocks skip is\n"
         "  the time after the gap, one they repeat its first occurrence; a note says so.\n")},
        {"sun",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli sun NAME [--date YYYY-MM-DD] [--twilight none|civil|nautical|astronomical] [--json]\n"
         "zonaria-cli sun --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]\n"
         "  Sunrise, sunset and daylight hours of a local date (default today), with twilight on request.\n")},
        {"moon",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli moon NAME [--date YYYY-MM-DD] [--json]\n"
         "zonaria-cli moon --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]\n"
         "  Moonrise and moonset of a local date, and the last and next principal phases.\n")},
        {"distance",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli distance FROM TO [--units english|metric|nautical] [--speed N | --mode 0..11] [--json]\n"
         "zonaria-cli distance --modes [--units ...]\n"
         "  The Distance Calculator: FROM and TO are city names or positions @LAT,LON in degrees.\n"
         "  The speed is in the unit system's speed unit (default: 500 km/h in those units); --mode\n"
         "  takes a travel mode's speed (--modes lists them). Units default to the UnitSystem setting.\n")},
        {"set-city",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli set-city DISPLAY NAME [--json]\n"
         "  Shows the city NAME in display DISPLAY (0 to 4). On the selected display the city becomes\n"
         "  the device's current city, and the device takes its time zone.\n")},
        {"select",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli select DISPLAY [--json]\n"
         "  Makes display DISPLAY (0 to 4) the selected display: its city becomes the device's current\n"
         "  city, and the device takes its time zone when that differs. There is no question first.\n")},
        {"check",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli check [--json]\n"
         "  Checks the device profile as SQLite's integrity check does (which the sqlite3 tool cannot:\n"
         "  the city database needs Zonaria's collation), and its schema; shows the profile's path,\n"
         "  schema version, tzdata version, city count and the help file's place, then ok or what\n"
         "  is wrong (exit code 2), and which device the clock and zone are (see device).\n")},
        {"device",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli device [computer|private] [--json]\n"
         "  Shows, or chooses, the device whose clock and time zone Zonaria shows and sets: the\n"
         "  computer's own, through its time service (org.freedesktop.timedate1), or a private one\n"
         "  kept in the profile (the host's clock plus an offset, and a zone). A new profile takes the\n"
         "  computer when its time service answers; it changes only by this command.\n")},
        {"sync",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli sync [--server HOST] [--port N] [--timeout MS] [--dry-run] [--force] [--json]\n"
         "  Asks an Internet time server (SNTP, default pool.ntp.org port 123, 20000 ms time-out) for\n"
         "  the time once: prints the clock offset and the round-trip delay in seconds and the server's\n"
         "  stratum, and sets the device clock unless --dry-run. HOST is a name or an IPv4 or IPv6\n"
         "  address. A datagram that fails a check is refused and the wait goes on for a valid reply\n"
         "  until the time-out. An offset of more than a day is only applied with --force.\n")},
        {"alarm",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli alarm add CITY (--at 'YYYY-MM-DD HH:MM' | --in DURATION) [--message TEXT] [--json]\n"
         "zonaria-cli alarm list [--json]\n"
         "zonaria-cli alarm delete HANDLE [--json]\n"
         "  Alarms in a city's local time, the same ones as the window's Alarms: --at is the city's\n"
         "  local time, --in a time from now (90s, 10m, 2h, 1h30m). Without --message the alarm says\n"
         "  \"It is 7:00 AM in Tokyo\". A time in the past is refused. list shows each alarm's handle,\n"
         "  its time in the city and on this device, and its message; delete takes a handle. The alarm\n"
         "  agent zonaria-alarmd rings them, also when Zonaria is closed, and is started when needed.\n")},
        {"meet",
         QT_TRANSLATE_NOOP("Usage",
         "zonaria-cli meet [--date YYYY-MM-DD] [--hours 9-17] [CITY ...] [--json]\n"
         "  The meeting planner: each hour of the first city's local date (default today there) in\n"
         "  every city, marking the hours within each city's working hours (*) and those within\n"
         "  every city's (=), then the common working hours. Cities default to the five displayed,\n"
         "  the current city first; working hours to the Preferences' (09:00-17:00 unless set), or\n"
         "  --hours for all. A clock-change date shows as a 23- or 25-hour day.\n")},
    };
    for (const Help& h : kHelp) {
        if (command == QLatin1String(h.name)) return QCoreApplication::translate("Usage", h.text);
    }
    QString all = QCoreApplication::translate("Usage",
        "zonaria-cli: the Zonaria world clock and its calculators from a terminal.\n"
        "It uses the device profile of the application ($ZONARIA_DEVICE, else ~/.local/share/zonaria/device).\n"
        "--json gives machine-readable output; --help after a command describes it; --version\n"
        "prints the version.\n"
        "Errors print one line on stderr and exit with code 2.\n") + QLatin1Char('\n') +
        // The manual page is made from this text, and finds the commands after this heading.
        QCoreApplication::translate("Usage", "Commands:") + QLatin1Char('\n');
    for (const Help& h : kHelp) all += QCoreApplication::translate("Usage", h.text);
    return all;
}

}  // namespace cli
