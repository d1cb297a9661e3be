// The atlas's stored keys come from tools/atlas/search-key.js, typed text's from SearchKey and
// PlaceNameKey: where the two folds part, a name stops matching without a word. Both run here
// on the same texts and must give the same keys.

#include <gtest/gtest.h>

#include <QChar>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "atlas/PlaceNameKey.h"
#include "atlas/QStringPrinter.h"
#include "atlas/SearchKey.h"

namespace fortunix::atlas {
namespace {

// Both keys of each line of standard input, tab-separated, one line each.
constexpr char kKeysScript[] = R"(
const { searchKey, placeNameKey } = require(process.argv[process.argv.length - 1]);
const texts = require('fs').readFileSync(0, 'utf8').split('\n');
texts.pop();
process.stdout.write(texts.map((t) => searchKey(t) + '\t' + placeNameKey(t) + '\n').join(''));
)";

// The script's "search key<TAB>place name key" for each text (texts hold no line breaks).
QStringList ScriptKeys(const QStringList& texts) {
    QProcess node;
    node.start(QStringLiteral(FORTUNIX_NODE),
               {QStringLiteral("-e"), kKeysScript, QStringLiteral(FORTUNIX_SEARCH_KEY_JS)});
    if (!node.waitForStarted()) {
        ADD_FAILURE() << "cannot start Node.js (" FORTUNIX_NODE
                         "): scripts/packages-test.txt installs it";
        return {};
    }
    node.write((texts.join(u'\n') + u'\n').toUtf8());
    node.closeWriteChannel();
    node.waitForFinished(120000);
    EXPECT_EQ(node.exitCode(), 0) << node.readAllStandardError().toStdString();
    QStringList keys = QString::fromUtf8(node.readAllStandardOutput()).split(u'\n');
    keys.removeLast();
    return keys;
}

void ExpectSameKeys(const QStringList& texts) {
    const QStringList scriptKeys = ScriptKeys(texts);
    ASSERT_EQ(scriptKeys.size(), texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString programKeys = QString::fromUtf8(SearchKey(texts[i])) + u'\t' +
                                    QString::fromUtf8(PlaceNameKey(texts[i]));
        EXPECT_EQ(programKeys, scriptKeys[i]) << texts[i].toStdString();
    }
}

// Names as people type them, in every script, with what must fold and what must not.
TEST(SearchKeyScript, FormsTheKeysOfTheProgram) {
    // clang-format off
    const char* const names[] = {
        "São Paulo", "Xi'an", "Saint-Denis", "ŁÓDŹ", "Straße", "Ærøskøbing", "Þórshöfn", "Iğdır",
        "İstanbul", "Đà Nẵng", "St. Louis", "Ste-Foy", "Mt Vernon", "Ft. Worth", "Stanford", "ǄǅǆǇ",
        "МОСКВА", "Ёлкино", "Ростов-на-Дону", "Київ", "ΑΘΗΝΑ", "Αθήνας", "Χαϊδάρι", "Ἀθῆναι",
        "ԵՐԵՎԱՆ", "Երևան", "ᲗᲑᲘᲚᲘᲡᲘ", "יְרוּשָׁלַיִם", "ג׳ת", "בת ים", "أبو ظبي", "إربد", "آمد",
        "ٱلقاهرة", "القَاهِرَة", "القـاهرة", "مؤتة", "بئر", "ﻟﻨﺩﻮ", "‏القاهرة‎", "١٢٣", "मुंबई",
        "काठमाडौं", "เชียงใหม่", "กำแพง", "ประเทศไทย", "ガ", "ﾄｳｷﾞｮｳ", "北京", "서울", "Ｔｏｋｙｏ",
        "Posten № 3", "ﬁnale", "ᏣᎳᎩ", "ꮳꮃꭹ", "👍x", "Saint-Pétersbourg Санкт-Петербург", "",
        " - ", "O'Neill ʻOkina", "Ά-ά ΐ",
    };
    // clang-format on
    QStringList texts;
    for (const char* name : names) {
        texts.append(QString::fromUtf8(name));
    }
    ExpectSameKeys(texts);
}

// Every character of the Unicode version Qt knows, between two letters; characters Qt does
// not know yet are word breaks to it but may be letters to a newer Node.js.
TEST(SearchKeyScript, FoldsEveryCharacterAlike) {
    QStringList texts;
    for (char32_t c = 0x20; c <= QChar::LastValidCodePoint; ++c) {
        if (QChar::unicodeVersion(c) != QChar::Unicode_Unassigned && !QChar::isSurrogate(c) &&
            c != u'\n' && QChar::category(c) != QChar::Other_PrivateUse) {
            texts.append(u'a' + QString::fromUcs4(&c, 1) + u'b');
        }
    }
    ExpectSameKeys(texts);
}

}  // namespace
}  // namespace fortunix::atlas
