#include "shell/UpdateReminder.h"

#include <gtest/gtest.h>

#include <optional>

#include "shell/Settings.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"

namespace fortunix {
namespace {

const QString kPromptText = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

struct ReminderCase {
    const char* name;
    std::optional<QString> stored;  // the plain text in the store; none on a first run
    MessageAnswer answer;
    bool prompted;
    QString storedAfter;  // the plain text in the store afterwards
    bool downloadOpened;
};

// Today is 2026-12-07 on the fake clock.
TEST(PromptForUpdate, PromptsOnceTheStoredDateIs15DaysAway) {
    const QString today = QStringLiteral("2026-12-07");
    const ReminderCase cases[] = {
        {"first run", std::nullopt, MessageAnswer::No, false, today, false},
        {"14 days in the past", QStringLiteral("2026-11-23"), MessageAnswer::No, false,
         QStringLiteral("2026-11-23"), false},
        {"15 days in the past, No", QStringLiteral("2026-11-22"), MessageAnswer::No, true, today,
         false},
        {"15 days in the past, Yes", QStringLiteral("2026-11-22"), MessageAnswer::Yes, true, today,
         true},
        {"14 days ahead", QStringLiteral("2026-12-21"), MessageAnswer::No, false,
         QStringLiteral("2026-12-21"), false},
        {"15 days ahead (clock set back)", QStringLiteral("2026-12-22"), MessageAnswer::Yes, true,
         today, true},
        {"today", today, MessageAnswer::No, false, today, false},
        {"a year ago", QStringLiteral("2025-12-07"), MessageAnswer::No, true, today, false},
        {"not a date: replaced silently", QStringLiteral("soon"), MessageAnswer::Yes, false, today,
         false},
        {"an impossible date: replaced silently", QStringLiteral("2026-02-30"), MessageAnswer::Yes,
         false, today, false},
    };
    for (const ReminderCase& row : cases) {
        fakes::FakePlatform fake;
        if (row.stored) {
            SaveSetting(QString::fromLatin1(kDurationSetting), *row.stored);
        }
        const int writesBefore = fake.settings.writes;
        fake.messages.answers.push_back(row.answer);

        PromptForUpdate();

        ASSERT_EQ(fake.messages.shown.size(), row.prompted ? 1u : 0u) << row.name;
        if (row.prompted) {
            EXPECT_EQ(fake.messages.shown[0].text, kPromptText) << row.name;
            EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Information) << row.name;
            EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::YesNo) << row.name;
        }
        EXPECT_EQ(ReadSetting(QString::fromLatin1(kDurationSetting)), row.storedAfter) << row.name;
        const bool wrote = fake.settings.writes > writesBefore;
        EXPECT_EQ(wrote, row.storedAfter != row.stored.value_or(QString())) << row.name;
        EXPECT_EQ(fake.web.opened,
                  row.downloadOpened
                      ? QStringList{MainSiteBase() + "/fortunix/download-fortunix.html"}
                      : QStringList{})
            << row.name;
    }
}

TEST(PromptForUpdate, AfterAnsweringTheNextPromptComes15DaysLater) {
    fakes::FakePlatform fake;
    SaveSetting(QString::fromLatin1(kDurationSetting), QStringLiteral("2026-01-01"));
    PromptForUpdate();
    ASSERT_EQ(fake.messages.shown.size(), 1u);

    fake.clock.today = QDate(2026, 12, 21);  // 14 days on
    PromptForUpdate();
    EXPECT_EQ(fake.messages.shown.size(), 1u);

    fake.clock.today = QDate(2026, 12, 22);  // 15 days on
    PromptForUpdate();
    EXPECT_EQ(fake.messages.shown.size(), 2u);
}

TEST(PromptForUpdate, ReadsTheShortDateFormOfTheUserRegion) {
    const QLocale region = QLocale::system();
    struct ShortFormCase {
        const char* name;
        QDate stored;
        bool prompted;
    };
    const ShortFormCase cases[] = {
        {"10 days ago", QDate(2026, 11, 27), false},
        {"36 days ago", QDate(2026, 11, 1), true},
    };
    for (const ShortFormCase& row : cases) {
        fakes::FakePlatform fake;
        SaveSetting(QString::fromLatin1(kDurationSetting),
                    region.toString(row.stored, QLocale::ShortFormat));
        PromptForUpdate();
        EXPECT_EQ(fake.messages.shown.size(), row.prompted ? 1u : 0u)
            << row.name << " in " << region.dateFormat(QLocale::ShortFormat).toStdString();
    }
}

TEST(ReadDurationDate, AcceptsIsoAndTheShortFormsOfRegions) {
    const QDate today(2026, 12, 7);
    struct ReadCase {
        const char* name;
        QString text;
        QLocale region;
        QDate expected;
    };
    const ReadCase cases[] = {
        {"ISO anywhere", QStringLiteral("2026-11-22"), QLocale(QLocale::German),
         QDate(2026, 11, 22)},
        {"US month first, two-digit year", QStringLiteral("11/22/26"),
         QLocale(QLocale::English, QLocale::UnitedStates), QDate(2026, 11, 22)},
        {"German day first with dots", QStringLiteral("22.11.26"),
         QLocale(QLocale::German, QLocale::Germany), QDate(2026, 11, 22)},
        {"two-digit year of the last century", QStringLiteral("12/31/99"),
         QLocale(QLocale::English, QLocale::UnitedStates), QDate(1999, 12, 31)},
        {"British day first, four-digit year", QStringLiteral("22/11/2026"),
         QLocale(QLocale::English, QLocale::UnitedKingdom), QDate(2026, 11, 22)},
        {"words", QStringLiteral("next week"), QLocale(QLocale::English, QLocale::UnitedStates),
         QDate()},
        {"the other region's order", QStringLiteral("22/11/26"),
         QLocale(QLocale::English, QLocale::UnitedStates), QDate()},
    };
    for (const ReadCase& row : cases) {
        EXPECT_EQ(ReadDurationDate(row.text, row.region, today), row.expected)
            << row.name << " (" << row.region.dateFormat(QLocale::ShortFormat).toStdString() << ")";
    }
}

}  // namespace
}  // namespace fortunix
