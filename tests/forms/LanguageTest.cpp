#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "forms/FormTestSupport.h"
#include "forms/NameLetters.h"
#include "forms/ProgramLanguage.h"
#include "forms/ReadingTexts.h"
#include "forms/frmNagScreen2.h"
#include "forms/frmPlaceChoice.h"
#include "reading/TimeZoneTable.h"
#include "shell/Settings.h"
#include "widgets/Appearance.h"

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

TEST(NameLetters, EnglishAsDesignedOtherLanguagesTakeEveryScript) {
    const std::optional<RuleFailure> none;
    const RuleFailure refused{messages::kOnlyLetters, MessageIcon::Information, BirthField::None};
    // clang-format off
    const struct { const char* name; const char* language; char32_t typed; char32_t kept; bool refusedRow; } rows[] = {
        {"English capitalises a-z",        "en", U'a',     U'A',     false},
        {"English refuses an accent",      "en", U'é',     0,        true},
        {"English refuses Cyrillic",       "en", U'м',     0,        true},
        {"accent capitalised",             "fr", U'é',     U'É',     false},
        {"Cyrillic capitalised",           "ru", U'м',     U'М',     false},
        {"Turkish dotted capital I",       "tr", U'i',     U'İ',     false},
        {"dotted I only in Turkish",       "de", U'i',     U'I',     false},
        {"script without case kept",       "ja", U'山',    U'山',    false},
        {"Arabic letter kept",             "ar", U'م',     U'م',     false},
        {"Arabic vowel mark kept",         "ar", 0x064E,   0x064E,   false},
        {"Devanagari vowel sign kept",     "de", 0x093F,   0x093F,   false},
        {"joiner kept",                    "ar", 0x200C,   0x200C,   false},
        {"letter beyond U+FFFF kept",      "zh_CN", 0x20BB7, 0x20BB7, false},
        {"space kept",                     "ru", U' ',     U' ',     false},
        {"backspace kept",                 "ja", 8,        8,        false},
        {"Latin digit refused",            "de", U'7',     0,        true},
        {"Arabic-Indic digit refused",     "ar", 0x0663,   0,        true},
        {"hyphen refused",                 "fr", U'-',     0,        true},
        {"ideographic full stop refused",  "ja", 0x3002,   0,        true},
        {"enclosing mark refused",         "de", 0x20DD,   0,        true},
    };
    // clang-format on
    for (const auto& row : rows) {
        const KeyVerdict verdict =
            FilterNameKeyIn(QString::fromLatin1(row.language), static_cast<int>(row.typed));
        EXPECT_EQ(verdict.code, static_cast<int>(row.kept)) << row.name;
        EXPECT_EQ(verdict.message, row.refusedRow ? std::optional(refused) : none) << row.name;
    }
}

// A translation that drops or adds a placeholder shows the wrong value or a stray "%2": every
// translation of every language keeps exactly the placeholders of its English text.
TEST(TranslationSources, EveryTranslationKeepsThePlaceholdersOfItsText) {
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    const auto placeholders = [&placeholder](const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
            found.append(match.captured());
        }
        found.sort();
        return found;
    };
    for (const ProgramLanguage& language : TranslatedLanguages()) {
        QFile file(QStringLiteral(FORTUNIX_TRANSLATIONS_DIR "/fortunix_%1.ts")
                       .arg(QString::fromLatin1(language.code)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language.code;
        QXmlStreamReader ts(&file);
        QString source;
        int messages = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (ts.name() == u"source") {
                source = ts.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (ts.name() == u"translation") {
                const QString translation =
                    ts.readElementText(QXmlStreamReader::IncludeChildElements);
                EXPECT_FALSE(translation.isEmpty())
                    << language.code << ": " << source.toStdString();
                EXPECT_EQ(placeholders(translation), placeholders(source))
                    << language.code << ": " << source.toStdString();
                ++messages;
            }
        }
        EXPECT_FALSE(ts.hasError()) << language.code;
        EXPECT_GT(messages, 0) << language.code;
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

// The main window's name box applies the rule of the language in use, to typed keys and to
// what an input method commits, a letter beyond U+FFFF counting as one.
TEST_F(Language, NameBoxTakesTheLettersOfTheLanguageInUse) {
    // clang-format off
    const struct { const char* language; QString committed; QString shown; bool message; } rows[] = {
        {"en", QStringLiteral("ann"),              QStringLiteral("ANN"),              false},
        {"en", QStringLiteral("z\U00020BB7"),      QStringLiteral("Z"),                true},
        {"de", QStringLiteral("jürgen"),           QStringLiteral("JÜRGEN"),           false},
        {"ja", QStringLiteral("\U00020BB7野 7"),   QStringLiteral("\U00020BB7野 "),    true},
    };
    // clang-format on
    frmMain& form = ShownMainWindow();
    auto* box = Child<QLineEdit>(&form, "txtName");
    for (const auto& row : rows) {
        UseLanguage(QString::fromLatin1(row.language));
        box->clear();
        fake.messages.shown.clear();
        QInputMethodEvent commit;
        commit.setCommitString(row.committed);
        QApplication::sendEvent(box, &commit);
        EXPECT_EQ(box->text(), row.shown) << row.language;
        EXPECT_EQ(fake.messages.shown.size(), row.message ? 1u : 0u) << row.language;
    }
    UseLanguage(QStringLiteral("ru"));
    box->clear();
    for (const QChar letter : QStringLiteral("анна")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(box, &press);
    }
    EXPECT_EQ(box->text(), QStringLiteral("АННА"));
}

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

// The place choice says in the language why it lists places of every country.
TEST_F(Language, UnknownCountryNoteIsInTheLanguage) {
    UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(
        CountryNote(PlaceChoice{QStringLiteral("Paris"), {}, false, QStringLiteral("Atlantis")}),
        QString::fromUtf8("Kein Land namens „Atlantis“ bekannt; es werden Orte in allen "
                          "Ländern gezeigt"));
}

// The zone list's entry for an offset no row holds: its words, the offset as it is.
TEST_F(Language, BirthplaceEntryIsWordedWithItsOffsetAsItIs) {
    // clang-format off
    const struct { int minutes; const char* text; } rows[] = {
        {345,  "Birthplace time,UTC+05:45"},
        {-210, "Birthplace time,UTC-03:30"},
        {0,    "Birthplace time,UTC+00:00"},
        {-1,   "Birthplace time,UTC-00:01"},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(BirthplaceTimeText(row.minutes), QString::fromUtf8(row.text)) << row.minutes;
    }
}

// Kathmandu's +05:45 is the added entry of the zone list; it and the time format's hint beside
// the hour change with the language.
TEST_F(Language, SwitchingKeepsTheBirthplaceEntryAndTranslatesIt) {
    frmMain& form = ShownMainWindow();
    BirthFormState kathmandu;
    kathmandu.zoneRow = kTimeZoneCount;
    kathmandu.birthplaceTimeMinutes = 345;
    form.ShowFormState(kathmandu);
    auto* zones = Child<QComboBox>(&form, "cmbTimeZone");
    UseLanguage(QStringLiteral("ru"));
    EXPECT_EQ(zones->currentText(), QStringLiteral("Время места рождения,UTC+05:45"));
    EXPECT_EQ(Child<QLabel>(&form, "lblTimeFormat")->text(), QStringLiteral("ЧЧ:ММ:СС"));
    UseLanguage(QString::fromLatin1(kEnglish));
    EXPECT_EQ(zones->currentText(), QStringLiteral("Birthplace time,UTC+05:45"));
    EXPECT_EQ(zones->currentIndex(), kTimeZoneCount);
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
        {"mnuLanguageSystem", "&System language", false},
        {"mnuLanguage_en",    "&English",        false},
        {"mnuLanguage_de",    "&Deutsch",        false},
        {"mnuLanguage_ru",    "&Русский",        true},
        {"mnuLanguage_ja",    "日本語(&J)",      false},
        {"mnuLanguage_ar",    "&العربية",        false},
    };
    // clang-format on
    for (const auto& row : rows) {
        const QAction* item = Child<QAction>(&form, row.item);
        EXPECT_EQ(item->text(), QString::fromUtf8(row.caption)) << row.item;
        EXPECT_EQ(item->isChecked(), row.ticked) << row.item;
    }
}

// The worked example (1 January 2000, 12:00 GMT, 51°30' N, 0°0' W: 21º Gemini) read in German
// and in Arabic: the caption keeps its form, the paragraph and the copied sheet are in the
// language, every expected text written here by hand.
TEST_F(Language, WorkedExampleInGermanAndArabic) {
    // clang-format off
    const struct { const char* language; const char* caption; const char* opening; QStringList sheetLines; } rows[] = {
        {"de", "21º Zwillinge", "Wie ein neugieriges Kind",
         {"Fortunix-Deutung", "Geboren: 1. Januar 2000, 12:00 Ortszeit", "Sonne: 10º Steinbock",
          "Glückspunkt: 21º Zwillinge"}},
        {"ar", "21º الجوزاء", "كطفل يفيض فضولًا",
         {"قراءة Fortunix", "الشمس: 10º الجدي", "الطالع: 24º الحمل", "سهم السعادة: 21º الجوزاء",
          "\u206651°30′\u2069 شمالًا, \u20660°00′\u2069 غربًا"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        UseLanguage(QString::fromLatin1(row.language));
        frmDisplay& display = ShownReading();
        EXPECT_EQ(ShownCaption(), QString::fromUtf8(row.caption)) << row.language;
        EXPECT_TRUE(ShownParagraph().startsWith(QString::fromUtf8(row.opening))) << row.language;
        display.mnuCopyReading_Click();
        ASSERT_TRUE(fake.clipboard.held) << row.language;
        const QString copied = fake.clipboard.held->text();
        for (const QString& line : row.sheetLines) {
            EXPECT_TRUE(copied.contains(line)) << row.language << ": " << line.toStdString();
        }
        test_support::UnloadAllWindows();
    }
}

// A start on a German system: the language the program speaks before its first window is
// German, for its own texts and for Qt's buttons. Runs only where CTest starts it with
// LANG=de_DE.UTF-8 (the run Language.StartsOnAGermanSystem), which Wine turns into the Windows
// user's locale.
TEST_F(Language, StartsInTheLanguageOfAGermanSystem) {
    if (!qEnvironmentVariable("LANG").startsWith(QLatin1String("de_DE"))) {
        GTEST_SKIP() << "started with LANG=de_DE.UTF-8 only";
    }
    UseLanguage(SystemLanguage());
    EXPECT_EQ(LanguageInUse(), QStringLiteral("de"));
    EXPECT_EQ(Child<QMenu>(&ShownMainWindow(), "mnuFile")->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
}

// The language chosen while the result window is open: its texts, the reading included, change
// at once.
TEST_F(Language, SwitchingWhileTheResultWindowIsOpenChangesItsTexts) {
    frmDisplay& display = ShownReading();
    ASSERT_EQ(ShownCaption(), QStringLiteral("21º Gemini"));
    UseLanguage(QStringLiteral("fr"));
    EXPECT_EQ(ShownCaption(), QStringLiteral("21º Gémeaux"));
    EXPECT_TRUE(ShownParagraph().startsWith(QStringLiteral("Tel un enfant curieux")));
    EXPECT_EQ(Child<QPushButton>(&display, "cmdOK")->text(), QStringLiteral("&Retour"));
    EXPECT_EQ(Child<QMenu>(&display, "mnuFile")->title(), QStringLiteral("&Fichier"));
    UseLanguage(QString::fromLatin1(kEnglish));
    EXPECT_EQ(ShownCaption(), QStringLiteral("21º Gemini"));
    EXPECT_EQ(Child<QPushButton>(&display, "cmdOK")->text(), QStringLiteral("&Back"));
}

// The refer-a-friend window open while the language changes: a box still on its placeholder
// shows the new one, a box the user typed in keeps what was typed, and the captions change.
TEST_F(Language, SwitchingWhileTheReferralWindowIsOpenChangesItsPlaceholders) {
    frmNagScreen2& window = windows::NagScreen();
    Child<QLineEdit>(&window, "txtFriendName")->setText(QStringLiteral("Ann"));
    UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(Child<QLineEdit>(&window, "txtName")->text(), QStringLiteral("Dein Name"));
    EXPECT_EQ(Child<QPlainTextEdit>(&window, "txtMessage")->toPlainText(),
              QStringLiteral("Deine Nachricht\n"));
    EXPECT_EQ(Child<QLineEdit>(&window, "txtFriendName")->text(), QStringLiteral("Ann"));
    // The check box's caption, broken into lines for its box, in the new language too.
    EXPECT_EQ(Child<QCheckBox>(&window, "Check1")->text().replace(u'\n', u' '),
              QStringLiteral("Ja, bring mich jetzt zur Website von Vespera Softwares, um weitere "
                             "nützliche Programme zu entdecken"));
}

// Chinese and Japanese letters stand taller than the captions were drawn for: where there is
// room, a caption grows, half up and half down so that it stays level with its box, and keeps
// the letter size it has in English.
TEST_F(Language, CaptionsKeepTheirLetterSizeInChineseAndJapanese) {
    // clang-format off
    const struct { const char* language; bool result; const char* control; } rows[] = {
        {"ja", false, "lblTimeOfBirth"},    // room above and below
        {"zh_CN", false, "lblName"},
        {"ja", false, "chkDST"},            // a check box tall enough already
        {"ja", false, "cmdRashi"},          // a command button, taller than its text
        {"ja", true, "Label2"},             // the result's line, which moves its value along
    };
    // clang-format on
    for (const auto& row : rows) {
        QWidget& window = row.result ? static_cast<QWidget&>(ShownReading()) : ShownMainWindow();
        auto* control = Child<QWidget>(&window, row.control);
        const double englishSize = control->font().pointSizeF();
        const int englishMiddle = control->geometry().center().y();
        const QString englishFamily = control->fontInfo().family();
        UseLanguage(QString::fromLatin1(row.language));
        EXPECT_EQ(control->font().pointSizeF(), englishSize) << row.control;
        EXPECT_NEAR(control->geometry().center().y(), englishMiddle, 1) << row.control;
        // The open window writes in the language's letters, and in English ones again after.
        EXPECT_EQ(control->fontInfo().family(), QFontInfo(ProgramFont()).family()) << row.control;
        UseLanguage(QString::fromLatin1(kEnglish));
        EXPECT_EQ(control->fontInfo().family(), englishFamily) << row.control;
    }
}

// In Arabic every window runs right to left; a place line keeps its names in their order, each
// whole.
TEST_F(Language, ArabicWindowsRunRightToLeftAndPlaceLinesKeepTheirOrder) {
    UseLanguage(QStringLiteral("ar"));
    const QString cairo = QStringLiteral("Cairo (القاهرة), Cairo, Egypt");
    frmPlaceChoice choice(
        PlaceChoice{QStringLiteral("القاهرة"), QStringList{cairo}, false, QString()});
    QWidget* const opened[] = {&windows::Main(), &windows::Display(), &windows::NagScreen(),
                               &choice};
    for (QWidget* window : opened) {
        EXPECT_EQ(window->layoutDirection(), Qt::RightToLeft) << window->objectName().toStdString();
    }
    EXPECT_EQ(Child<QListWidget>(&choice, "lstPlaces")->item(0)->text(), cairo);
    // Placed by hand, the main window's captions stand right of their boxes.
    EXPECT_GT(Child<QLabel>(&windows::Main(), "lblName")->x(),
              Child<QLineEdit>(&windows::Main(), "txtName")->x());
}

}  // namespace
}  // namespace fortunix::formtests
