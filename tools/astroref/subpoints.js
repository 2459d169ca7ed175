// Writes subpoints.txt: the points where the Sun and the Moon stand overhead at a spread of
// instants, and the Moon's lit fraction, for the tests of the map's sun and moon symbols.
// The reference is Astronomy Engine (VSOP87 and the full lunar theory, nutation, aberration,
// apparent sidereal time), which shares nothing with the library's low-precision series.
//
// Usage: npm ci && node subpoints.js <output folder>
'use strict';

const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

const outDir = process.argv[2] || path.join(__dirname, '..', '..', 'tests', 'data');

// A small linear congruential generator, so that a rerun writes the same instants.
function lcg(seed) {
    let s = seed >>> 0;
    return () => {
        s = (Math.imul(s, 1664525) + 1013904223) >>> 0;
        return s / 4294967296;
    };
}

function iso(date) {
    return date.toISOString().replace(/\.\d{3}Z$/, 'Z');
}

// Right ascension (degrees) and declination of a geocentric J2000 vector, in the equator and
// equinox of date.
function ofDate(vec, time) {
    const eq = Astronomy.EquatorFromVector(Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), vec));
    return [eq.ra * 15, eq.dec];
}

function under(raDeg, decDeg, time) {
    let lon = raDeg - Astronomy.SiderealTime(time) * 15;
    lon = ((lon + 180) % 360 + 360) % 360 - 180;
    return [decDeg, lon];
}

function main() {
    const rows = ['# utc sun_lat sun_lon moon_lat moon_lon moon_lit_fraction moon_waxing'];
    const instants = [];
    // The solstices and equinoxes of 2026 at noon UT, then instants spread over 1975 to 2036.
    for (const s of ['2026-03-20T12:00:00Z', '2026-06-21T12:00:00Z', '2026-09-23T12:00:00Z',
                     '2026-12-21T12:00:00Z', '2026-10-20T00:00:00Z', '2027-03-29T14:00:00Z']) {
        instants.push(new Date(s));
    }
    const random = lcg(20261208);
    const from = Date.UTC(1975, 0, 1), to = Date.UTC(2036, 11, 31);
    for (let i = 0; i < 200; ++i) {
        instants.push(new Date(Math.floor((from + random() * (to - from)) / 1000) * 1000));
    }
    for (const date of instants) {
        const time = Astronomy.MakeTime(date);
        const [sunRa, sunDec] = ofDate(Astronomy.GeoVector(Astronomy.Body.Sun, time, true), time);
        const [moonRa, moonDec] = ofDate(Astronomy.GeoMoon(time), time);
        const sun = under(sunRa, sunDec, time);
        const moon = under(moonRa, moonDec, time);
        const lit = Astronomy.Illumination(Astronomy.Body.Moon, time).phase_fraction;
        const waxing = Astronomy.MoonPhase(time) < 180 ? 1 : 0;
        rows.push([iso(date), sun[0].toFixed(4), sun[1].toFixed(4), moon[0].toFixed(4), moon[1].toFixed(4),
                   lit.toFixed(4), waxing].join(' '));
    }
    fs.writeFileSync(path.join(outDir, 'subpoints.txt'), rows.join('\n') + '\n');
}

main();
