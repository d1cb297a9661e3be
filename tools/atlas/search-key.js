'use strict';

// The search key, as the program forms it (src/atlas/SearchKey.cpp): lower case, accents
// dropped, apostrophes dropped, other punctuation a word break, the usual abbreviations of
// place names written out. The program's tests compare every stored key with its own.
//
// Characters below U+0250 (ASCII and the accented Latin letters) fold one by one through
// their canonical decomposition, as they always have. Runs of other characters are
// decomposed (letters to their compatibility forms: half-width kana, presentation forms),
// lose only the marks people leave out (Latin, Greek and Cyrillic accents, Hebrew points,
// Arabic short vowels, the hamza and madda of alef), fold their case, and are composed again
// (NFC): the vowel signs of Devanagari or Thai and the voicing marks of kana stay.

const plainForms = { ß: 'ss', æ: 'ae', œ: 'oe', ø: 'o', ł: 'l', đ: 'd', ð: 'd', þ: 'th', ı: 'i' };
// U+05F3, the Hebrew geresh, stands where other scripts write an apostrophe ("ג׳").
const apostrophes = new Set(["'", '`', '\u00B4', '\u2018', '\u2019', '\u02BB', '\u02BC', '\u02BE', '\u02BF', '\u05F3']);
const longForms = { st: 'saint', ste: 'sainte', mt: 'mount', ft: 'fort' };

const latinEnd = 0x250;
const alef = 0x0627;
const tatweel = 0x0640;

const isMark = (c) => /\p{M}/u.test(c);
const isLetterOrNumber = (c) => /[\p{L}\p{N}]/u.test(c);

// A character below U+0250: what it adds to a key, '' for nothing, ' ' for a word break.
function latinFold(character) {
    let key = '';
    for (const part of character.normalize('NFD')) {
        const lower = part.toLowerCase();
        if (isMark(lower) || apostrophes.has(lower)) continue;
        if (isLetterOrNumber(lower)) key += plainForms[lower] || lower;
        else return key === '' ? ' ' : key;
    }
    return key;
}

// Marks that people leave out: the accents of Latin, Greek and Cyrillic letters (combining
// diacritical marks, in whichever block), Hebrew points and cantillation, Arabic short vowels
// and Quranic signs. The hamza and madda over or under alef go too (أ إ آ → ا), but not
// elsewhere: ؤ and ئ are letters of their own.
function isForgottenMark(code, previous) {
    if ((code >= 0x0300 && code <= 0x036f) || (code >= 0x0483 && code <= 0x0489) ||
        (code >= 0x1ab0 && code <= 0x1aff) || (code >= 0x1dc0 && code <= 0x1dff) ||
        (code >= 0x20d0 && code <= 0x20ff) || (code >= 0xfe20 && code <= 0xfe2f)) {
        return true;
    }
    if (code >= 0x0591 && code <= 0x05c7) return true; // Hebrew
    if (code >= 0x0653 && code <= 0x0655) return previous === alef;
    return (code >= 0x0610 && code <= 0x061a) || (code >= 0x064b && code <= 0x065f) ||
        code === 0x0670 || (code >= 0x06d6 && code <= 0x06ed) || (code >= 0x08d3 && code <= 0x08ff);
}

// Characters that only steer the direction of text, as a name copied from a right-to-left
// page may carry.
function isDirectionMark(code) {
    return code === 0x061c || code === 0x200e || code === 0x200f ||
        (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
}

// Unicode's simple case folding, as Qt's QChar::toCaseFolded gives it. JavaScript has only
// upper and lower case: the lower case of the upper case is the folded form (ς → Σ → σ,
// ᲀ → В → в), except in Cherokee, whose folded form is the capital.
function caseFolded(character) {
    const code = character.codePointAt(0);
    if ((code >= 0x13a0 && code <= 0x13fd) || (code >= 0xab70 && code <= 0xabbf)) {
        return character.toUpperCase();
    }
    const single = (text) => [...text].length === 1;
    const upper = character.toUpperCase();
    const folded = single(upper) ? upper.toLowerCase() : character.toLowerCase();
    return single(folded) ? folded : character;
}

// The decomposition of a run of characters from U+0250 on: letters, marks and digits take
// their compatibility decomposition (ｶ → カ, ﻻ → لا, ５ → 5), other signs only their
// canonical one, so that № stays a sign rather than becoming "No". The marks are then put in
// their canonical order.
function decomposed(run) {
    let text = '';
    for (const character of run) {
        text += character.normalize(/[\p{L}\p{M}\p{N}]/u.test(character) ? 'NFKD' : 'NFD');
    }
    return text.normalize('NFD');
}

// What a run of characters from U+0250 on adds to a key.
function otherScriptFold(run) {
    let key = '';
    let previous = 0;
    for (const character of decomposed(run)) {
        const code = character.codePointAt(0);
        if (code < latinEnd) {
            key += latinFold(character);
            previous = code;
            continue;
        }
        if (isForgottenMark(code, previous) || code === tatweel || isDirectionMark(code)) continue;
        const folded = caseFolded(character);
        const foldedCode = folded.codePointAt(0);
        if (foldedCode < latinEnd) {
            key += latinFold(folded);
        } else if (apostrophes.has(folded)) {
            continue;
        } else if (foldedCode >= 0x0671 && foldedCode <= 0x0673) {
            key += String.fromCodePoint(alef); // alef wasla and the wavy hamzas: alef
        } else if (isLetterOrNumber(folded) || isMark(folded)) {
            key += folded;
        } else {
            key += ' ';
        }
        previous = foldedCode >= 0x0671 && foldedCode <= 0x0673 ? alef : foldedCode;
    }
    return key;
}

function searchKey(text) {
    let raw = '';
    let run = '';
    let otherScripts = false;
    for (const character of text) {
        if (character.codePointAt(0) >= latinEnd) {
            run += character;
            otherScripts = true;
            continue;
        }
        if (run !== '') raw += otherScriptFold(run);
        run = '';
        raw += latinFold(character);
    }
    if (run !== '') raw += otherScriptFold(run);
    const key = raw.replace(/ +/g, ' ').replace(/^ /, '').replace(/ $/, '');
    return otherScripts ? key.normalize('NFC') : key;
}

function placeNameKey(text) {
    return searchKey(text)
        .split(' ')
        .map((word) => longForms[word] || word)
        .join(' ');
}

module.exports = { searchKey, placeNameKey };
