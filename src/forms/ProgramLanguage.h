#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <span>

namespace fortunix {

// A language the program speaks besides English: its code (the name of its translation
// files), its name as its own speakers write it, with the access key it has in the Language
// menu, and the language of the system's settings that it serves.
struct ProgramLanguage {
    const char* code;
    const char* menuCaption;  // UTF-8, "&Deutsch"
    QLocale::Language spoken;
};

// "en": the language of the program's own texts, which needs no translation.
inline constexpr char kEnglish[] = "en";

// The ten languages, in the order of the Language menu.
std::span<const ProgramLanguage> TranslatedLanguages();

// The language to speak: the saved choice when it is one of the ten or English, else the
// first of the system's languages (most preferred first, "de-AT", "pt-BR", "zh-Hans-CN") that
// one of the ten serves, else English.
QString ChooseLanguage(const QStringList& uiLanguages, const QString& savedChoice);

// The language of the system's settings, the saved choice left aside.
QString SystemLanguage();

// The choice kept in the settings: a code, or empty for the system's language.
QString SavedLanguageChoice();
void SaveLanguageChoice(const QString& choice);

// Makes `code` the language of every text from now on: the program's translation and Qt's
// own (dialogs, standard buttons) replace those in use, the windows are told to translate
// themselves again, and Arabic lays them out from right to left.
void UseLanguage(const QString& code);

// At start-up, once the program knows it is the only copy: the saved choice, when it is not
// the system's language already in use (only a refused start must read no setting).
void UseSavedLanguage();

// The language in use: a code of TranslatedLanguages() or kEnglish.
QString LanguageInUse();

}  // namespace fortunix
