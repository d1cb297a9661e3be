#!/usr/bin/env node
// Counts the other names of places and countries in the tables of build-names.js by the
// script they are written in, and prints the sizes of the tables.
// Usage: node count-scripts.js <atlas folder>   (see README.md)

'use strict';

const fs = require('fs');
const path = require('path');
const { readTable } = require('./atlas-table.js');

const atlasFolder = process.argv[2];
if (!atlasFolder) {
    console.error('usage: node count-scripts.js <atlas folder>');
    process.exit(2);
}

// Japanese is told from Chinese by its kana; a name mixing scripts counts in the first that
// it holds, in this order.
const scripts = [
    ['Japanese', /[\p{Script=Hiragana}\p{Script=Katakana}]/u],
    ['Hangul', /\p{Script=Hangul}/u],
    ['Han (Chinese)', /\p{Script=Han}/u],
    ['Cyrillic', /\p{Script=Cyrillic}/u],
    ['Greek', /\p{Script=Greek}/u],
    ['Arabic', /\p{Script=Arabic}/u],
    ['Hebrew', /\p{Script=Hebrew}/u],
    ['Devanagari', /\p{Script=Devanagari}/u],
    ['Thai', /\p{Script=Thai}/u],
    ['Georgian', /\p{Script=Georgian}/u],
    ['Armenian', /\p{Script=Armenian}/u],
    ['Latin', /\p{Script=Latin}/u],
];

function scriptOf(name) {
    for (const [script, pattern] of scripts) {
        if (pattern.test(name)) return script;
    }
    const letter = [...name].find((c) => /\p{L}/u.test(c));
    for (const script of ['Bengali', 'Tamil', 'Telugu', 'Kannada', 'Malayalam', 'Gujarati', 'Gurmukhi',
        'Sinhala', 'Khmer', 'Lao', 'Myanmar', 'Tibetan', 'Ethiopic', 'Syriac', 'Thaana', 'Oriya',
        'Mongolian', 'Cherokee', 'Tifinagh', 'Canadian_Aboriginal']) {
        if (letter && new RegExp(`\\p{Script=${script}}`, 'u').test(letter)) return script;
    }
    return 'other';
}

function lines(fileName) {
    return fs
        .readFileSync(path.join(atlasFolder, fileName), 'utf8')
        .split('\n')
        .filter((line) => !line.startsWith('#'))
        .slice(0, -1);
}

// A place's names line by line with its keys; an empty name is its key (in capitals).
function placeNames() {
    const names = lines('place-names.tsv');
    const keys = lines('place-name-keys.tsv');
    const all = [];
    names.forEach((line, index) => {
        if (keys[index] === '') return;
        const lineKeys = keys[index].split('|');
        const lineNames = line === '' ? lineKeys.map(() => '') : line.split('|');
        lineKeys.forEach((key, item) => all.push(lineNames[item] || key));
    });
    return all;
}

function countByScript(names) {
    const counts = new Map();
    for (const name of names) {
        const script = scriptOf(name);
        counts.set(script, (counts.get(script) || 0) + 1);
    }
    return [...counts.entries()].sort((a, b) => b[1] - a[1]);
}

const places = placeNames();
const countries = readTable(path.join(atlasFolder, 'country-names.tsv')).flatMap(([, names]) => names.split('|'));
console.log(`names of places: ${places.length}; of countries: ${countries.length}`);
console.log('script\tplaces\tcountries');
const countryCounts = new Map(countByScript(countries));
for (const [script, count] of countByScript(places)) {
    console.log(`${script}\t${count}\t${countryCounts.get(script) || 0}`);
    countryCounts.delete(script);
}
for (const [script, count] of countryCounts) console.log(`${script}\t0\t${count}`);
for (const file of fs.readdirSync(atlasFolder).filter((name) => name.endsWith('.tsv')).sort()) {
    console.log(`${file}\t${fs.statSync(path.join(atlasFolder, file)).size} bytes`);
}
