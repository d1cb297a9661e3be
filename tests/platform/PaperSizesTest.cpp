#include "platform/PaperSizes.h"

#include <gtest/gtest.h>

namespace fortunix {
namespace {

// Sizes as glibc's locales give them (`locale -k LC_PAPER`: en_US 216 by 279, de_DE 210 by
// 297) and the DMPAPER codes of wingdi.h.
TEST(PaperSizes, SystemPaperByItsSize) {
    // clang-format off
    const struct { int width, height; std::optional<QPageSize::PageSizeId> paper; } sizes[] = {
        {210, 297, QPageSize::A4}, {216, 279, QPageSize::Letter}, {216, 356, QPageSize::Legal},
        {0, 0, std::nullopt}, {100, 100, std::nullopt}};
    const struct { int code; std::optional<QPageSize::PageSizeId> paper; } codes[] = {
        {9, QPageSize::A4}, {1, QPageSize::Letter}, {5, QPageSize::Legal}, {0, std::nullopt}};
    // clang-format on
    for (const auto& row : sizes) {
        const std::optional<QPageSize> paper = PaperOfMillimetres(row.width, row.height);
        EXPECT_EQ(paper ? std::optional(paper->id()) : std::nullopt, row.paper)
            << row.width << " by " << row.height;
    }
    for (const auto& row : codes) {
        const std::optional<QPageSize> paper = PaperOfWindowsCode(row.code);
        EXPECT_EQ(paper ? std::optional(paper->id()) : std::nullopt, row.paper) << row.code;
    }
}

}  // namespace
}  // namespace fortunix
