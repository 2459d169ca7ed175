// Writes the reference tables that the astronomy tests compare against:
//   riseset.txt      sunrise, sunset and twilight, moonrise and moonset for a spread of places
//                    and local days;
//   moonphase.txt    the principal lunar phases before and after a spread of instants.
// The reference is Astronomy Engine (full VSOP87 and lunar theory, topocentric, with ΔT),
// which shares nothing with the low-precision series under test.
//
// Usage: npm install && node generate.js <output folder>
'use strict';

const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

const outDir = process.argv[2] || path.join(__dirname, '..', '..', 'tests', 'data');

// Places: latitude and longitude in hundredths of a degree as a city stores them, and the
// standard-time bias in minutes (UTC = local + bias). Half- and quarter-hour zones and both
// sides of the date line are in on purpose.
const places = [
    ['SanFrancisco', 3778, -12242, 480],
    ['Quito', -22, -7851, 300],
    ['Singapore', 129, 10385, -480],
    ['Delhi', 2861, 7721, -330],
    ['Kathmandu', 2771, 8532, -345],
    ['Tehran', 3569, 5139, -210],
    ['Sydney', -3387, 15121, -600],
    ['CapeTown', -3392, 1842, -120],
    ['StJohns', 4756, -5271, 210],
    ['London', 5151, -13, 0],
    ['Moscow', 5576, 3762, -180],
    ['Honolulu', 2131, -15786, 600],
    ['Apia', -1383, -17177, -780],
    ['Kiritimati', 187, -15740, -840],
    ['Ushuaia', -5480, -6830, 180],
    ['Anchorage', 6122, -14990, 540],
    ['Reykjavik', 6413, -2190, 0],
    ['Tromso', 6965, 1896, -60],
    ['Longyearbyen', 7822, 1565, -60],
    ['McMurdo', -7785, 16667, -720],
];

// Local days: every 37th day from 5 January 2024 (so the Moon's age and the season both
// wander), the solstices and equinoxes of 2026, and a few days far from the present.
function localDays() {
    const days = [];
    let t = Date.UTC(2024, 0, 5);
    for (let i = 0; i < 20; ++i, t += 37 * 86400000) days.push(new Date(t));
    for (const [y, m, d] of [[2026, 3, 20], [2026, 6, 21], [2026, 9, 23], [2026, 12, 21],
                             [1950, 2, 14], [1987, 7, 30], [2061, 10, 8], [2090, 4, 2]]) {
        days.push(new Date(Date.UTC(y, m - 1, d)));
    }
    return days;
}

// The events: body, the ZENITH value of the system, and how the reference defines them.
// Official sunrise and moonrise are the standard definitions (upper limb on the horizon with
// 34' of refraction, the Moon seen from the observer's place); twilight is the Sun's centre
// at a geometric altitude, unrefracted.
const events = [
    {zenith: 0, body: Astronomy.Body.Moon, altitude: null},
    {zenith: 1, body: Astronomy.Body.Sun, altitude: null},
    {zenith: 2, body: Astronomy.Body.Sun, altitude: -6},
    {zenith: 3, body: Astronomy.Body.Sun, altitude: -12},
    {zenith: 4, body: Astronomy.Body.Sun, altitude: -18},
];

function search(ev, observer, direction, start, limitDays) {
    if (ev.altitude === null) return Astronomy.SearchRiseSet(ev.body, observer, direction, start, limitDays);
    return Astronomy.SearchAltitude(ev.body, observer, direction, start, limitDays, ev.altitude);
}

function altitudeDeg(body, observer, date) {
    const eq = Astronomy.Equator(body, date, observer, true, true);
    return Astronomy.Horizon(date, observer, eq.ra, eq.dec).altitude;
}

// Rate of the altitude at an event, in arc-minutes per minute of time, unsigned: the time
// error of an event is its altitude error divided by this.
function slope(body, observer, date) {
    const a = altitudeDeg(body, observer, new Date(date.getTime() - 30000));
    const b = altitudeDeg(body, observer, new Date(date.getTime() + 30000));
    return Math.abs(b - a) * 60;
}

const pad = (n, w = 2) => String(n).padStart(w, '0');

function clockOf(ms) {
    const s = Math.round(ms / 1000);
    return `${pad(Math.floor(s / 3600))}:${pad(Math.floor(s / 60) % 60)}:${pad(s % 60)}`;
}

// Every crossing in one direction within [start, end), as local clock times of the window
// with the slope at each.
function crossings(ev, observer, direction, start, end) {
    const found = [];
    let from = start;
    for (;;) {
        const limit = (end - from) / 86400000;
        if (limit <= 0) break;
        const t = search(ev, observer, direction, new Date(from), limit);
        if (!t || t.date.getTime() >= end) break;
        found.push(`${clockOf(t.date.getTime() - start)}/${slope(ev.body, observer, t.date).toFixed(2)}`);
        from = t.date.getTime() + 60000;
    }
    return found.length ? found.join(',') : '-';
}

function writeRiseSet() {
    const lines = [
        '# Rise and set reference: one row per place, local day and ZENITH value.',
        '# place latitude longitude bias date zenith rises sets',
        '# latitude, longitude: hundredths of a degree; bias: minutes, UTC = local + bias;',
        '# rises, sets: every crossing within the local day (from local midnight at that bias, 24 hours),',
        '#   as HH:MM:SS of the local clock (to the second) / altitude rate in arc-minutes per minute;',
        '#   "-" when there is none.',
    ];
    for (const day of localDays()) {
        const date = `${day.getUTCFullYear()}-${pad(day.getUTCMonth() + 1)}-${pad(day.getUTCDate())}`;
        for (const [name, lat, lon, bias] of places) {
            const observer = new Astronomy.Observer(lat / 100, lon / 100, 0);
            const start = day.getTime() + bias * 60000;
            const end = start + 86400000;
            for (const ev of events) {
                const rises = crossings(ev, observer, +1, start, end);
                const sets = crossings(ev, observer, -1, start, end);
                lines.push(`${name} ${lat} ${lon} ${bias} ${date} ${ev.zenith} ${rises} ${sets}`);
            }
        }
    }
    fs.writeFileSync(path.join(outDir, 'riseset.txt'), lines.join('\n') + '\n');
}

function iso(date) {
    return `${date.getUTCFullYear()}-${pad(date.getUTCMonth() + 1)}-${pad(date.getUTCDate())}T` +
           `${pad(date.getUTCHours())}:${pad(date.getUTCMinutes())}:${pad(date.getUTCSeconds())}`;
}

// A small deterministic generator so that regenerating gives the same instants.
function lcg(seed) {
    let s = seed >>> 0;
    return () => (s = (Math.imul(s, 1664525) + 1013904223) >>> 0) / 4294967296;
}

function writeMoonPhase() {
    const lines = [
        '# Principal lunar phases around an instant: the last one before it and the first one after it.',
        '# when last_phase last_time next_phase next_time',
        '# phases: 0 new, 1 first quarter, 2 full, 3 last quarter; all times UTC, to the second.',
    ];
    const rnd = lcg(20240105);
    const instants = [];
    // Spread over the years the series accept with a correction for ΔT and beyond, denser
    // around the present.
    const from = Date.UTC(1826, 0, 1), to = Date.UTC(2099, 11, 31);
    for (let i = 0; i < 160; ++i) instants.push(from + Math.floor(rnd() * (to - from) / 1000) * 1000);
    const near0 = Date.UTC(2000, 0, 1), near1 = Date.UTC(2035, 0, 1);
    for (let i = 0; i < 160; ++i) instants.push(near0 + Math.floor(rnd() * (near1 - near0) / 1000) * 1000);
    instants.sort((a, b) => a - b);
    for (const ms of instants) {
        const when = new Date(ms);
        // The last quarter before: start the search 10 days back and walk forward.
        let q = Astronomy.SearchMoonQuarter(new Date(ms - 10 * 86400000));
        let last = null;
        while (q.time.date.getTime() < ms) {
            last = q;
            q = Astronomy.NextMoonQuarter(q);
        }
        const next = q.time.date.getTime() > ms ? q : Astronomy.NextMoonQuarter(q);
        lines.push(`${iso(when)} ${last.quarter} ${iso(last.time.date)} ${next.quarter} ${iso(next.time.date)}`);
    }
    fs.writeFileSync(path.join(outDir, 'moonphase.txt'), lines.join('\n') + '\n');
}

// The UTC instant (ms) of local midnight starting `date` (y, m, d) in an IANA zone, from the
// zone's offsets as the JavaScript runtime's time-zone data give them. Where midnight is
// skipped (clocks going from 00:00 to 01:00) the day begins with the change.
function offsetMs(zone, ms) {
    const parts = new Intl.DateTimeFormat('en-US', {timeZone: zone, hourCycle: 'h23', year: 'numeric',
        month: 'numeric', day: 'numeric', hour: 'numeric', minute: 'numeric', second: 'numeric'})
        .formatToParts(new Date(ms));
    const v = Object.fromEntries(parts.map(p => [p.type, p.value]));
    return Date.UTC(+v.year, +v.month - 1, +v.day, +v.hour, +v.minute, +v.second) - Math.floor(ms / 1000) * 1000;
}

function localMidnight(zone, y, m, d) {
    const wall = Date.UTC(y, m - 1, d);
    // The instants whose wall clock reads midnight, by the offsets of the day before and after;
    // the first of them (a midnight that occurs twice begins the day at its first occurrence).
    const offsets = [offsetMs(zone, wall - 86400000), offsetMs(zone, wall + 86400000)];
    const valid = offsets.map(o => wall - o).filter(t => offsetMs(zone, t) === wall - t);
    if (valid.length) return Math.min(...valid);
    // Midnight skipped: the day begins with the change, found by bisection.
    let lo = wall - offsets[0] - 86400000, hi = wall - offsets[0];
    while (hi - lo > 1000) {
        const mid = Math.floor((lo + hi) / 2000) * 1000;
        if (offsetMs(zone, mid) === offsets[0]) lo = mid; else hi = mid;
    }
    return hi;
}

// Local days on which the clocks change, each from its own local midnight to the next one
// (23, 24.5 or 25 hours), in the places' real zones.
const clockChangeDays = [
    ['SanFrancisco', 3778, -12242, 'America/Los_Angeles', [[2026, 3, 8], [2026, 11, 1], [2026, 3, 7], [2026, 11, 2]]],
    ['Sydney', -3387, 15121, 'Australia/Sydney', [[2026, 4, 5], [2026, 10, 4]]],
    ['London', 5151, -13, 'Europe/London', [[2026, 3, 29], [2026, 10, 25]]],
    ['Santiago', -3345, -7067, 'America/Santiago', [[2026, 4, 5], [2026, 9, 6]]],
    ['LordHowe', -3155, 15908, 'Australia/Lord_Howe', [[2026, 4, 5], [2026, 10, 4]]],
];

function writeClockChange() {
    const lines = [
        '# Rise and set on days when the clocks change: one row per place, local day and ZENITH value.',
        '# place latitude longitude zone date zenith start end rises sets',
        '# zone: the IANA zone; start, end: the UTC instants of the local day\'s midnight and the next;',
        '# rises, sets: every crossing within [start, end), as UTC YYYY-MM-DDTHH:MM:SS / altitude rate',
        '#   in arc-minutes per minute; "-" when there is none.',
    ];
    for (const [name, lat, lon, zone, days] of clockChangeDays) {
        const observer = new Astronomy.Observer(lat / 100, lon / 100, 0);
        for (const [y, m, d] of days) {
            const start = localMidnight(zone, y, m, d);
            const next = new Date(Date.UTC(y, m - 1, d) + 86400000);
            const end = localMidnight(zone, next.getUTCFullYear(), next.getUTCMonth() + 1, next.getUTCDate());
            for (const ev of events.slice(0, 2)) {
                const list = direction => {
                    const found = [];
                    let from = start;
                    for (;;) {
                        const limit = (end - from) / 86400000;
                        if (limit <= 0) break;
                        const t = search(ev, observer, direction, new Date(from), limit);
                        if (!t || t.date.getTime() >= end) break;
                        found.push(`${iso(t.date)}/${slope(ev.body, observer, t.date).toFixed(2)}`);
                        from = t.date.getTime() + 60000;
                    }
                    return found.length ? found.join(',') : '-';
                };
                lines.push(`${name} ${lat} ${lon} ${zone} ${y}-${pad(m)}-${pad(d)} ${ev.zenith} ` +
                           `${iso(new Date(start))} ${iso(new Date(end))} ${list(+1)} ${list(-1)}`);
            }
        }
    }
    fs.writeFileSync(path.join(outDir, 'clockchange.txt'), lines.join('\n') + '\n');
}

fs.mkdirSync(outDir, {recursive: true});
writeRiseSet();
writeMoonPhase();
writeClockChange();
