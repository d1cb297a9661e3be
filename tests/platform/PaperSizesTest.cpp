#include "platform/PaperSizes.h"

#include <gtest/gtest.h>

namespace fortunix {
namespace {

QPageSize::PageSizeId IdOf(const std::optional<QPageSize>& paper) {
    return paper ? paper->id() : QPageSize::Custom;
}

// Sizes as glibc's locales give them (`locale -k LC_PAPER`: en_US 216 by 279, de_DE 210 by
// 297) and the DMPAPER codes of wingdi.h; Custom stands for none.
TEST(PaperSizes, SystemPaperByItsSize) {
    EXPECT_EQ(IdOf(PaperOfMillimetres(216, 279)), QPageSize::Letter);
    EXPECT_EQ(IdOf(PaperOfMillimetres(100, 100)), QPageSize::Custom);
    EXPECT_EQ(IdOf(PaperOfWindowsCode(9)), QPageSize::A4);
    EXPECT_EQ(IdOf(PaperOfWindowsCode(0)), QPageSize::Custom);
}

}  // namespace
}  // namespace fortunix
