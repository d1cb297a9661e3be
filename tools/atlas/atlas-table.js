'use strict';

const fs = require('fs');

// The rows of a generated table: the tab-separated fields of each line that is neither empty
// nor a comment (starting with '#').
function readTable(file) {
    return fs
        .readFileSync(file, 'utf8')
        .split('\n')
        .filter((line) => line !== '' && !line.startsWith('#'))
        .map((line) => line.split('\t'));
}

// Degrees as the tables write them: five decimals (about a metre), trailing zeros dropped.
function formatDegrees(value) {
    return Number(value).toFixed(5).replace(/\.?0+$/, '');
}

module.exports = { readTable, formatDegrees };
