#include "atlas/QuotedExcerpt.h"

#include <gtest/gtest.h>

#include "atlas/QStringPrinter.h"

namespace fortunix::atlas {
namespace {

QString Repeated(const char* utf8, int times) {
    return QString::fromUtf8(utf8).repeated(times);
}

// Up to 60 characters stay whole; past them the first 60 and "…". A character is what the eye
// sees as one: a letter with a combining accent, an emoji of two UTF-16 units, a flag of two
// regional letters; none is ever cut in two.
TEST(QuotedExcerpt, CutsAfterSixtyCharactersNeverInsideOne) {
    const QString e = QString::fromUtf8("e\u0301");  // é as e and a combining acute
    const QString ellipsis = QString::fromUtf8("…");
    // clang-format off
    const struct {
        const char* name;
        QString typed;
        QString expected;
    } rows[] = {
        {"empty", QString(), QString()},
        {"a city", QStringLiteral("Paris"), QStringLiteral("Paris")},
        {"59 letters", Repeated("x", 59), Repeated("x", 59)},
        {"60 letters", Repeated("x", 60), Repeated("x", 60)},
        {"61 letters", Repeated("x", 61), Repeated("x", 60) + ellipsis},
        {"5,000 letters", Repeated("x", 5000), Repeated("x", 60) + ellipsis},
        {"60 emoji, 120 UTF-16 units", Repeated("😀", 60), Repeated("😀", 60)},
        {"61 emoji", Repeated("😀", 61), Repeated("😀", 60) + ellipsis},
        {"an emoji as the 60th of 61", Repeated("x", 59) + Repeated("😀", 1) + QStringLiteral("y"),
         Repeated("x", 59) + Repeated("😀", 1) + ellipsis},
        {"an emoji as the 61st", Repeated("x", 60) + Repeated("😀", 1),
         Repeated("x", 60) + ellipsis},
        {"60 accented letters, 120 units", e.repeated(60), e.repeated(60)},
        {"61 accented letters", e.repeated(61), e.repeated(60) + ellipsis},
        {"a flag as the 60th", Repeated("x", 59) + Repeated("🇳🇵", 1) + QStringLiteral("y"),
         Repeated("x", 59) + Repeated("🇳🇵", 1) + ellipsis},
        {"a lone surrogate counts as one", Repeated("x", 60) + QChar(0xD83D),
         Repeated("x", 60) + ellipsis},
        // Runs of scripts where Qt 6.4's finder breaks after every UTF-16 unit.
        {"an emoji after 59 Devanagari", Repeated("त", 59) + Repeated("👍x", 1), Repeated("त", 59) + Repeated("👍", 1) + ellipsis},
        {"joined emoji after 59 Devanagari", Repeated("त", 59) + Repeated("👩‍💻x", 1), Repeated("त", 59) + Repeated("👩‍💻", 1) + ellipsis},
        {"a flag after 59 Devanagari", Repeated("त", 59) + Repeated("🇳🇵x", 1), Repeated("त", 59) + Repeated("🇳🇵", 1) + ellipsis},
        {"a skin tone after 59 Devanagari", Repeated("त", 59) + Repeated("👍🏽x", 1), Repeated("त", 59) + Repeated("👍🏽", 1) + ellipsis},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(QuotedExcerpt(row.typed), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace fortunix::atlas
