#include "shell/UpdateReminder.h"

#include <cstdlib>

#include "platform/Platform.h"
#include "shell/Settings.h"
#include "shell/modHelp.h"

namespace fortunix {

namespace {

bool UsesTwoDigitYear(const QString& format) {
    return format.contains(QStringLiteral("yy")) && !format.contains(QStringLiteral("yyyy"));
}

// Qt reads "yy" as 19yy; move the date by whole centuries until it lies nearest today.
QDate NearestCentury(QDate date, const QDate& today) {
    while (today.daysTo(date) < -50 * 365) {
        date = date.addYears(100);
    }
    while (today.daysTo(date) > 50 * 365) {
        date = date.addYears(-100);
    }
    return date;
}

}  // namespace

QString DurationText(const QDate& date) {
    return date.toString(Qt::ISODate);
}

QDate ReadDurationDate(const QString& text, const QLocale& locale, const QDate& today) {
    const QString trimmed = text.trimmed();
    const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
    if (iso.isValid()) {
        return iso;
    }
    const QString shortForm = locale.dateFormat(QLocale::ShortFormat);
    const QDate regional = locale.toDate(trimmed, shortForm);
    if (regional.isValid() && UsesTwoDigitYear(shortForm)) {
        return NearestCentury(regional, today);
    }
    return regional;
}

UpdateReminderStep DecideUpdateReminder(const QString& storedText, const QDate& today,
                                        const QLocale& locale) {
    if (storedText.isEmpty()) {
        return UpdateReminderStep::StoreToday;
    }
    const QDate stored = ReadDurationDate(storedText, locale, today);
    if (!stored.isValid()) {
        return UpdateReminderStep::StoreToday;
    }
    const qint64 daysAhead = today.daysTo(stored);  // negative when stored in the past
    if (std::llabs(daysAhead) < kReminderIntervalDays) {
        return UpdateReminderStep::Nothing;
    }
    return UpdateReminderStep::Prompt;
}

void PromptForUpdate() {
    const QString durationKey = QString::fromLatin1(kDurationSetting);
    const QDate today = CurrentPlatform().clock.Today();
    switch (DecideUpdateReminder(ReadSetting(durationKey), today, QLocale::system())) {
        case UpdateReminderStep::Nothing:
            return;
        case UpdateReminderStep::StoreToday:
            SaveSetting(durationKey, DurationText(today));
            return;
        case UpdateReminderStep::Prompt: {
            const MessageAnswer answer =
                ShowMessage(nullptr, QString::fromLatin1(kUpdatePromptText),
                            MessageIcon::Information, MessageButtons::YesNo);
            SaveSetting(durationKey, DurationText(today));
            if (answer == MessageAnswer::Yes) {
                OpenDownloadPage();
            }
            return;
        }
    }
}

}  // namespace fortunix
