#include "shell/Settings.h"

#include <gtest/gtest.h>

#include "shell/SettingsCodec.h"
#include "support/FakePlatform.h"

namespace fortunix {
namespace {

struct CodecCase {
    const char* name;
    QString plain;
    QString encoded;
};

// Expected codes worked out from the Windows-1252 table: 'D' 68 + 85 = 153 (0x99, U+2122),
// '2' 50 + 85 = 135 (0x87, U+2021), '-' 45 + 85 = 130 (0x82, U+201A), and so on.
TEST(SettingsCodec, ShiftsEachCharacterBy85InWindows1252) {
    const CodecCase cases[] = {
        {"empty", QString(), QString()},
        {"setting name", QStringLiteral("Duration"),
         QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3")},
        {"ISO date", QStringLiteral("2026-12-07"),
         QString::fromUtf16(u"\u2021\u2026\u2021\u2039\u201A\u2020\u2021\u201A\u2026\u0152")},
        {"short date with slashes", QStringLiteral("7/12/26"),
         QString::fromUtf16(u"\u0152\u201E\u2020\u2021\u201E\u2021\u2039")},
        {"space and a code of the 0x80 block", QString::fromUtf16(u" \u20AC"),
         QString::fromUtf16(u"\u0075\u00D5")},
        {"code 0 lands on 85", QString(QChar(0)), QStringLiteral("U")},
        {"code 170 lands on 255", QString::fromUtf16(u"\u00AA"), QString::fromUtf16(u"\u00FF")},
    };
    for (const CodecCase& row : cases) {
        EXPECT_EQ(EncodeSetting(row.plain), row.encoded) << row.name;
        EXPECT_EQ(DecodeSetting(row.encoded), row.plain) << row.name;
    }
}

TEST(SettingsCodec, DropsWhatCannotBeShifted) {
    const CodecCase cases[] = {
        {"code 171 and above on encoding", QString::fromUtf16(u"a\u00ABb\u00FF"),
         QStringLiteral("\u00B6\u00B7")},
        {"no Windows-1252 code", QString::fromUtf16(u"a\u4E2Db\u0100"),
         QStringLiteral("\u00B6\u00B7")},
    };
    for (const CodecCase& row : cases) {
        EXPECT_EQ(EncodeSetting(row.plain), row.encoded) << row.name;
    }
    // Below 85 on decoding: 'T' is 84, the tab 9; 'U' (85) becomes code 0.
    EXPECT_EQ(DecodeSetting(QStringLiteral("T\t\u00B6U")), QStringLiteral("a") + QChar(0));
    EXPECT_EQ(DecodeSetting(QString::fromUtf16(u"\u4E2D\u00B6")), QStringLiteral("a"));
}

TEST(SettingsCodec, EveryTextOfCodes0To170RoundTrips) {
    QString all;
    for (char16_t code = 0; code < 0x80; ++code) {
        all.append(QChar(code));
    }
    // Samples of 0x80..0xAA, the block where Windows-1252 differs from Latin-1 included.
    all.append(QString::fromUtf16(u"\u20AC\u201A\u0192\u2122\u0178\u00A0\u00AA"));
    const QString encoded = EncodeSetting(all);
    for (const QChar character : encoded) {
        EXPECT_GE(static_cast<int>(character.unicode()), 85);
    }
    EXPECT_EQ(DecodeSetting(encoded), all);
}

TEST(Settings, StoresOnlyDisguisedNamesAndValuesUnderTheExecutableName) {
    fakes::FakePlatform fake;
    SaveSetting(QStringLiteral("Duration"), QStringLiteral("2026-12-07"));

    ASSERT_EQ(fake.settings.values.size(), 1);
    const QString storedKey = fake.settings.values.firstKey();
    EXPECT_EQ(storedKey,
              QStringLiteral("fortunix_shell_tests/Settings/") +
                  QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));
    EXPECT_FALSE(storedKey.contains(QStringLiteral("Duration")));
    EXPECT_FALSE(fake.settings.values.first().contains(QStringLiteral("2026")));
    EXPECT_EQ(ReadSetting(QStringLiteral("Duration")), QStringLiteral("2026-12-07"));
    EXPECT_EQ(ReadSetting(QStringLiteral("Missing")), QString());
}

}  // namespace
}  // namespace fortunix
