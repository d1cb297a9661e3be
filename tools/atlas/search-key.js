'use strict';

// The search key, as the program forms it (src/atlas/SearchKey.cpp): lower case, accents
// dropped, apostrophes dropped, other punctuation a word break, the usual abbreviations of
// place names written out. The program's tests compare every stored key with its own.

const plainForms = { ß: 'ss', æ: 'ae', œ: 'oe', ø: 'o', ł: 'l', đ: 'd', ð: 'd', þ: 'th', ı: 'i' };
const apostrophes = new Set(["'", '`', '\u00B4', '\u2018', '\u2019', '\u02BB', '\u02BC', '\u02BE', '\u02BF']);
const longForms = { st: 'saint', ste: 'sainte', mt: 'mount', ft: 'fort' };

function searchKey(text) {
    let key = '';
    for (const character of text.normalize('NFD')) {
        const lower = character.toLowerCase();
        if (/\p{M}/u.test(lower) || apostrophes.has(lower)) continue;
        if (/^[\p{L}\p{N}]$/u.test(lower)) {
            key += plainForms[lower] || lower;
        } else if (key !== '' && !key.endsWith(' ')) {
            key += ' ';
        }
    }
    return key.trimEnd();
}

function placeNameKey(text) {
    return searchKey(text)
        .split(' ')
        .map((word) => longForms[word] || word)
        .join(' ');
}

module.exports = { searchKey, placeNameKey };
