#include "atlas/ColumnSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace fortunix::atlas {
namespace {

// Whatever the guess, the answer is the standard library's: over columns that rise evenly, in
// jumps, in plateaus or not at all, for targets before, within and after them.
TEST(ColumnSearch, FindsWhatUpperBoundFinds) {
    std::mt19937 random(29);
    for (int round = 0; round < 3000; ++round) {
        std::vector<qint64> column(random() % 300);
        qint64 value = qint64(random() % 50) - 25;
        for (qint64& entry : column) {
            const unsigned kind = random() % 8;  // mostly even steps, some plateaus and jumps
            value += kind == 0 ? 0 : kind == 1 ? qint64(random() % 100000) : qint64(random() % 12);
            entry = value;
        }
        const auto at = [&column](qsizetype index) { return column[std::size_t(index)]; };
        for (int query = 0; query < 20; ++query) {
            const qint64 target = qint64(random() % std::uint64_t(value + 80)) - 40;
            const auto expected = std::upper_bound(column.begin(), column.end(), target);
            ASSERT_EQ(FirstAbove(qsizetype(column.size()), target, at), expected - column.begin())
                << "round " << round << ", target " << target;
        }
    }
}

}  // namespace
}  // namespace fortunix::atlas
