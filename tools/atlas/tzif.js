// Reads a compiled tz file (TZif, RFC 8536) into its list of periods and continues it with
// the POSIX rule of its footer, so that the clock changes of later years are listed too.
//   period: { start (UT seconds since 1970, -Infinity for the first), offset (seconds east of
//             UT), isDst, abbreviation }

'use strict';

const fs = require('fs');

function readBlock(data, position, wide) {
    const magic = data.toString('latin1', position, position + 4);
    if (magic !== 'TZif') throw new Error('not a TZif file');
    const version = data[position + 4];
    const counts = [];
    for (let i = 0; i < 6; ++i) counts.push(data.readUInt32BE(position + 20 + 4 * i));
    const [isUtCount, isStdCount, leapCount, timeCount, typeCount, charCount] = counts;
    const timeSize = wide ? 8 : 4;
    let at = position + 44;
    const times = [];
    for (let i = 0; i < timeCount; ++i, at += timeSize) {
        times.push(wide ? Number(data.readBigInt64BE(at)) : data.readInt32BE(at));
    }
    const typeIndexes = [];
    for (let i = 0; i < timeCount; ++i, ++at) typeIndexes.push(data[at]);
    const types = [];
    for (let i = 0; i < typeCount; ++i, at += 6) {
        types.push({ offset: data.readInt32BE(at), isDst: data[at + 4] !== 0, abbreviationIndex: data[at + 5] });
    }
    const chars = data.toString('latin1', at, at + charCount);
    at += charCount + leapCount * (timeSize + 4) + isStdCount + isUtCount;
    for (const type of types) {
        type.abbreviation = chars.slice(type.abbreviationIndex, chars.indexOf('\0', type.abbreviationIndex));
    }
    return { version, times, typeIndexes, types, end: at };
}

// "M3.2.0/2" and kin: the UT instant of a rule's change in `year`, given the offset in force
// before it. Only the forms the tz database uses: Mm.w.d, Jn and n, with an optional time.
function changeInstant(rule, year, offsetBefore) {
    const [date, time] = rule.split('/');
    let seconds = 2 * 3600;
    if (time !== undefined) {
        const sign = time.startsWith('-') ? -1 : 1;
        const [h, m = 0, s = 0] = time.replace(/^[-+]/, '').split(':').map(Number);
        seconds = sign * (h * 3600 + m * 60 + s);
    }
    let day; // days since 1970-01-01 of the local date
    if (date.startsWith('M')) {
        const [month, week, weekday] = date.slice(1).split('.').map(Number);
        const first = Date.UTC(year, month - 1, 1) / 86400000;
        const firstWeekday = (new Date(first * 86400000).getUTCDay());
        day = first + ((weekday - firstWeekday + 7) % 7) + 7 * (week - 1);
        const daysInMonth = new Date(Date.UTC(year, month, 0)).getUTCDate();
        while (day - first >= daysInMonth) day -= 7;
    } else if (date.startsWith('J')) {
        const n = Number(date.slice(1)); // 1..365, 29 February never counted
        const leap = (year % 4 === 0 && year % 100 !== 0) || year % 400 === 0;
        day = Date.UTC(year, 0, 1) / 86400000 + n - 1 + (leap && n >= 60 ? 1 : 0);
    } else {
        day = Date.UTC(year, 0, 1) / 86400000 + Number(date);
    }
    return day * 86400 + seconds - offsetBefore;
}

// "<+0330>-3:30", "EST5EDT,M3.2.0,M11.1.0", "IST-1GMT0,M10.5.0,M3.5.0/1".
function parsePosixRule(text) {
    let at = 0;
    const name = () => {
        if (text[at] === '<') {
            const close = text.indexOf('>', at);
            const result = text.slice(at + 1, close);
            at = close + 1;
            return result;
        }
        const match = /^[A-Za-z]+/.exec(text.slice(at));
        at += match[0].length;
        return match[0];
    };
    const offset = () => {
        const match = /^([-+]?)(\d+)(?::(\d+))?(?::(\d+))?/.exec(text.slice(at));
        at += match[0].length;
        const seconds = Number(match[2]) * 3600 + Number(match[3] || 0) * 60 + Number(match[4] || 0);
        return match[1] === '-' ? seconds : 0 - seconds || 0; // POSIX counts west positive
    };
    const standard = { abbreviation: name(), offset: offset(), isDst: false };
    if (at >= text.length) return { standard };
    const summer = { abbreviation: name(), isDst: true };
    summer.offset = text[at] !== ',' ? offset() : standard.offset + 3600;
    const [start, end] = text.slice(at + 1).split(',');
    return { standard, summer, start, end };
}

function readTzif(file, untilYear) {
    const data = fs.readFileSync(file);
    const first = readBlock(data, 0, false);
    if (first.version < 0x32) throw new Error(`${file}: version 1 files are not read`);
    const block = readBlock(data, first.end, true);
    const footer = data.toString('latin1', block.end).split('\n')[1] || '';

    const periods = [];
    const add = (start, type) => {
        const last = periods[periods.length - 1];
        if (last && last.offset === type.offset && last.isDst === type.isDst &&
            last.abbreviation === type.abbreviation) return;
        periods.push({ start, offset: type.offset, isDst: type.isDst, abbreviation: type.abbreviation });
    };
    // Without transitions, or before the first one, the first standard type holds (RFC 8536).
    add(-Infinity, block.types[0]);
    block.times.forEach((time, i) => add(time, block.types[block.typeIndexes[i]]));

    if (footer) {
        const rule = parsePosixRule(footer);
        const lastTime = block.times.length ? block.times[block.times.length - 1] : -Infinity;
        if (rule.summer) {
            const startYear = Number.isFinite(lastTime) ? new Date(lastTime * 1000).getUTCFullYear() : 1970;
            const changes = [];
            for (let year = startYear; year <= untilYear; ++year) {
                changes.push({ time: changeInstant(rule.start, year, rule.standard.offset), type: rule.summer });
                changes.push({ time: changeInstant(rule.end, year, rule.summer.offset), type: rule.standard });
            }
            changes.sort((a, b) => a.time - b.time);
            for (const change of changes) if (change.time > lastTime) add(change.time, change.type);
        } else {
            const last = periods[periods.length - 1];
            if (last.offset !== rule.standard.offset || last.isDst) {
                throw new Error(`${file}: the footer ${footer} differs from the last period`);
            }
        }
    }
    return periods;
}

module.exports = { readTzif, parsePosixRule, changeInstant };
