#pragma once

#include <QtGlobal>
#include <algorithm>

namespace fortunix::atlas {

// The first index in [0, count) whose value is above `target`, or `count`, for values that
// rise with the index (where keys start, each place's first other name). They rise about
// evenly, so the search opens where the values at both ends put the target, as one opens a
// book at the page a line number suggests, then steps out from there in doubling steps and
// halves what the steps enclose. The columns searched are mapped, and each page read brings
// its neighbours in: a halving from the ends would read a page far from the answer at each of
// its first steps.
template <typename Value>
qsizetype FirstAbove(qsizetype count, qint64 target, Value value) {
    if (count == 0) {
        return 0;
    }
    const auto first = qint64(value(0));
    const auto last = qint64(value(count - 1));
    const double share = last > first ? double(target - first) / double(last - first) : 0.0;
    const qsizetype guess =
        std::clamp<qsizetype>(qsizetype(share * double(count - 1)), 0, count - 1);
    qsizetype low = 0;  // the answer lies in [low, high]
    qsizetype high = count;
    if (qint64(value(guess)) <= target) {
        low = guess + 1;
        for (qsizetype step = 1; low + step - 1 < high; step *= 2) {
            const qsizetype probe = low + step - 1;
            if (qint64(value(probe)) > target) {
                high = probe;
                break;
            }
            low = probe + 1;
        }
    } else {
        high = guess;
        for (qsizetype step = 1; high - step >= low; step *= 2) {
            const qsizetype probe = high - step;
            if (qint64(value(probe)) <= target) {
                low = probe + 1;
                break;
            }
            high = probe;
        }
    }
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (qint64(value(middle)) <= target) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

}  // namespace fortunix::atlas
