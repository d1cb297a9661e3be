#include <QMenuBar>

#include "forms/FormTestSupport.h"
#include "forms/ProgramLanguage.h"
#include "forms/ReadingTexts.h"
#include "reading/TimeZoneTable.h"
#include "shell/Settings.h"

namespace fortunix::formtests {
namespace {

TEST(LanguageChoice, SavedChoiceFirstThenTheSystemsPreferencesThenEnglish) {
    // clang-format off
    const struct { const char* name; QStringList system; const char* saved; const char* chosen; } rows[] = {
        {"region of a language",          {"de-AT", "de"},          "",      "de"},
        {"second preference served",      {"sv-SE", "fr-CA"},       "",      "fr"},
        {"English preferred first",       {"en-GB", "de-DE"},       "",      "en"},
        {"Portugal reads Brazil's",       {"pt-PT"},                "",      "pt_BR"},
        {"simplified Chinese by script",  {"zh-Hans-CN"},           "",      "zh_CN"},
        {"traditional Chinese not served",{"zh-TW", "ja-JP"},       "",      "ja"},
        {"Arabic of Egypt",               {"ar-EG"},                "",      "ar"},
        {"none of the ten",               {"nb-NO", "fi"},          "",      "en"},
        {"saved language wins",           {"de-DE"},                "ja",    "ja"},
        {"saved English wins",            {"ru-RU"},                "en",    "en"},
        {"unknown saved choice ignored",  {"tr-TR"},                "xx",    "tr"},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(ChooseLanguage(row.system, QString::fromLatin1(row.saved)),
                  QString::fromLatin1(row.chosen))
            << row.name;
    }
}

class Language : public FormTest {
  protected:
    void TearDown() override {
        UseLanguage(QString::fromLatin1(kEnglish));
        FormTest::TearDown();
    }

    // The Language submenu's item for `name` (mnuLanguage_de, mnuLanguageSystem ...).
    static void Choose(frmMain& form, const char* name) { Child<QAction>(&form, name)->trigger(); }
};

TEST_F(Language, CaptionKeepsItsFormWithTheSignInTheLanguage) {
    // clang-format off
    const struct { const char* language; int degrees; const char* caption; } rows[] = {
        {"en", 80,  "20º Gemini"},
        {"de", 80,  "20º Zwillinge"},
        {"ja", 80,  "20º 双子座"},
        {"ar", 80,  "20º الجوزاء"},
        {"ru", 359, "29º Рыбы"},
        {"fr", 0,   "0º Bélier"},
    };
    // clang-format on
    for (const auto& row : rows) {
        UseLanguage(QString::fromLatin1(row.language));
        EXPECT_EQ(DegreeInSignCaption(row.degrees), QString::fromUtf8(row.caption)) << row.language;
    }
}

// A translator may rename a zone, never its abbreviation and offset, which the list shows as
// they are; and English shows the table's texts byte for byte.
TEST_F(Language, EveryZoneKeepsItsAbbreviationAndOffsetInEveryLanguage) {
    for (const ProgramLanguage& language : TranslatedLanguages()) {
        UseLanguage(QString::fromLatin1(language.code));
        for (int row = 0; row < kTimeZoneCount; ++row) {
            const std::string_view english = kTimeZoneTable[static_cast<std::size_t>(row)].listText;
            const QString shown = TimeZoneListText(row);
            const QString englishRest = QString::fromUtf8(english.substr(english.find(',')));
            EXPECT_TRUE(shown.endsWith(englishRest)) << language.code << " row " << row;
            EXPECT_NE(shown.left(shown.indexOf(u',')),
                      QString::fromUtf8(english.substr(0, english.find(','))))
                << language.code << " row " << row << ": the name is not translated";
        }
    }
    UseLanguage(QString::fromLatin1(kEnglish));
    for (int row = 0; row < kTimeZoneCount; ++row) {
        EXPECT_EQ(TimeZoneListText(row),
                  QString::fromUtf8(kTimeZoneTable[static_cast<std::size_t>(row)].listText));
    }
}

TEST_F(Language, ChoosingFromTheMenuKeepsTheChoiceAndSwitchesTheOpenWindow) {
    frmMain& form = ShownMainWindow();
    auto* zones = Child<QComboBox>(&form, "cmbTimeZone");
    zones->setCurrentIndex(20);

    Choose(form, "mnuLanguage_de");
    EXPECT_EQ(ReadSetting(QStringLiteral("Language")), QStringLiteral("de"));
    EXPECT_EQ(zones->currentText(), QStringLiteral("Mitteleuropäische Zeit,CET,+1.0"));
    EXPECT_EQ(zones->currentIndex(), 20);
    EXPECT_EQ(Child<QMenu>(&form, "mnuLanguage")->title(), QStringLiteral("&Sprache"));
    EXPECT_EQ(form.layoutDirection(), Qt::LeftToRight);

    Choose(form, "mnuLanguage_ar");
    EXPECT_EQ(zones->currentText(), QStringLiteral("توقيت وسط أوروبا,CET,+1.0"));
    EXPECT_EQ(form.layoutDirection(), Qt::RightToLeft);

    Choose(form, "mnuLanguageSystem");
    EXPECT_EQ(ReadSetting(QStringLiteral("Language")), QString());
    EXPECT_EQ(LanguageInUse(), SystemLanguage());
}

TEST_F(Language, MenuNamesEachLanguageInItsOwnWordsAndTicksTheSavedChoice) {
    SaveSetting(QStringLiteral("Language"), QStringLiteral("ru"));
    frmMain& form = ShownMainWindow();
    // clang-format off
    const struct { const char* item; const char* caption; bool ticked; } rows[] = {
        {"mnuLanguageSystem", "System language", false},
        {"mnuLanguage_en",    "English",         false},
        {"mnuLanguage_de",    "Deutsch",         false},
        {"mnuLanguage_ru",    "Русский",         true},
        {"mnuLanguage_ja",    "日本語",          false},
        {"mnuLanguage_ar",    "العربية",         false},
    };
    // clang-format on
    for (const auto& row : rows) {
        const QAction* item = Child<QAction>(&form, row.item);
        EXPECT_EQ(item->text(), QString::fromUtf8(row.caption)) << row.item;
        EXPECT_EQ(item->isChecked(), row.ticked) << row.item;
    }
}

}  // namespace
}  // namespace fortunix::formtests
