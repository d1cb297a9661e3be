#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace fortunix {

// The setting that holds the date on which the update reminder last ran.
inline constexpr char kDurationSetting[] = "Duration";

// A carriage return alone separates the two lines, as the message has always been written.
inline constexpr char kUpdatePromptText[] = QT_TRANSLATE_NOOP(
    "Fortunix",
    "There maybe an update to this software available\rDo you want to check for an update?");

// The reminder comes back once the stored date lies this many days or more from today.
inline constexpr int kReminderIntervalDays = 15;

// The date as it is stored: ISO 8601 (yyyy-MM-dd), the same under every regional setting.
QString DurationText(const QDate& date);

// The stored text as a date: ISO 8601, or the short date form of `locale` that earlier
// versions wrote. A two-digit year is put in the century that lies nearest to `today`. An
// invalid date when the text is neither.
QDate ReadDurationDate(const QString& text, const QLocale& locale, const QDate& today);

enum class UpdateReminderStep {
    StoreToday,  // nothing stored yet, or nothing readable: arm the reminder silently
    Nothing,     // reminded less than 15 days ago (or ahead)
    Prompt,      // ask, then store today whatever the answer
};

UpdateReminderStep DecideUpdateReminder(const QString& storedText, const QDate& today,
                                        const QLocale& locale);

// Start-up's offer to look for a newer version, at most once in 15 days.
void PromptForUpdate();

}  // namespace fortunix
