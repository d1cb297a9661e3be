#include "forms/ProgramLanguage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <QWidget>
#include <array>

#include "shell/Settings.h"
#include "widgets/Appearance.h"

namespace fortunix {

namespace {

// clang-format off
constexpr std::array<ProgramLanguage, 10> kLanguages = {{
    {"de", "&Deutsch", QLocale::German},
    {"fr", "&Français", QLocale::French},
    {"es", "Españ&ol", QLocale::Spanish},
    {"pt_BR", "&Português (Brasil)", QLocale::Portuguese},
    {"it", "&Italiano", QLocale::Italian},
    {"ru", "&Русский", QLocale::Russian},
    {"tr", "&Türkçe", QLocale::Turkish},
    {"ja", "日本語(&J)", QLocale::Japanese},
    {"zh_CN", "简体中文(&C)", QLocale::Chinese},
    {"ar", "&العربية", QLocale::Arabic},
}};
// clang-format on

const QString kLanguageSetting = QStringLiteral("Language");

bool IsTranslated(const QString& code) {
    for (const ProgramLanguage& row : kLanguages) {
        if (code == QLatin1String(row.code)) {
            return true;
        }
    }
    return false;
}

// The language of the ten that serves a reader of `tag`; empty when none does. Portugal
// reads the Brazilian translation; traditional Chinese is not served by the simplified one.
QString LanguageServing(const QString& tag) {
    const QLocale locale(tag);
    if (locale.language() == QLocale::English) {
        return QString::fromLatin1(kEnglish);
    }
    if (locale.language() == QLocale::Chinese && locale.script() == QLocale::TraditionalHanScript) {
        return {};
    }
    for (const ProgramLanguage& row : kLanguages) {
        if (locale.language() == row.spoken) {
            return QString::fromLatin1(row.code);
        }
    }
    return {};
}

QString& CodeInUse() {
    static QString code = QString::fromLatin1(kEnglish);
    return code;
}

// Replaces the translation `slot` holds by the file at `path`; none when the path is empty.
void Replace(QTranslator*& slot, const QString& path) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
        slot = nullptr;
    }
    if (path.isEmpty()) {
        return;
    }
    slot = new QTranslator(QCoreApplication::instance());
    if (slot->load(path)) {
        QCoreApplication::installTranslator(slot);
    }
}

}  // namespace

std::span<const ProgramLanguage> TranslatedLanguages() {
    return kLanguages;
}

QString ChooseLanguage(const QStringList& uiLanguages, const QString& savedChoice) {
    if (savedChoice == QLatin1String(kEnglish) || IsTranslated(savedChoice)) {
        return savedChoice;
    }
    for (const QString& tag : uiLanguages) {
        const QString served = LanguageServing(tag);
        if (!served.isEmpty()) {
            return served;
        }
    }
    return QString::fromLatin1(kEnglish);
}

QString SystemLanguage() {
    return ChooseLanguage(QLocale::system().uiLanguages(), QString());
}

QString SavedLanguageChoice() {
    return ReadSetting(kLanguageSetting);
}

void SaveLanguageChoice(const QString& choice) {
    SaveSetting(kLanguageSetting, choice);
}

void UseLanguage(const QString& code) {
    static QTranslator* program = nullptr;
    static QTranslator* qt = nullptr;
    const bool english = !IsTranslated(code);
    Replace(program, english ? QString() : QStringLiteral(":/i18n/fortunix_%1.qm").arg(code));
    Replace(qt, english ? QString() : QStringLiteral(":/i18n/qtbase_%1.qm").arg(code));
    QApplication::setLayoutDirection(code == QLatin1String("ar") ? Qt::RightToLeft
                                                                 : Qt::LeftToRight);
    CodeInUse() = english ? QString::fromLatin1(kEnglish) : code;
    UseFamiliesFor(english ? QLocale::English : QLocale(code).language());
    // Every window, shown or hidden, translates itself again before the choice returns.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &change);
    }
}

void UseSavedLanguage() {
    const QString chosen = ChooseLanguage(QLocale::system().uiLanguages(), SavedLanguageChoice());
    if (chosen != LanguageInUse()) {
        UseLanguage(chosen);
    }
}

QString LanguageInUse() {
    return CodeInUse();
}

}  // namespace fortunix
