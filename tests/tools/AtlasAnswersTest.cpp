// Every answer of the atlas to a fixed set of queries, compared with the answers recorded in
// atlas-answers.sha256 beside this file, one SHA-256 a query: fortunix-atlas's output and exit
// status, the place lines of the place-choice window (through the query text the main window
// joins and takes apart again), and the close spellings of the typed city in their order. The
// recorded answers came from the program before its atlas was stored as a mapped image (commit
// c1f23a5 writes the same text), so any change in what a user sees shows up here. A query whose
// answer differs is printed whole; the answers of this run are written to atlas-answers.txt and
// their digests to atlas-answers.sha256 in the working folder, to compare or to record anew.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "AtlasRun.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/CityCandidates.h"
#include "atlas/LookupQuery.h"
#include "atlas/PlaceLine.h"

namespace fortunix::atlastool {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The answers to one query (its tab-separated arguments), each line marked by where it shows.
QString Answers(const QStringList& arguments) {
    const AtlasRun run = RunAtlas(arguments);
    QString answers =
        QStringLiteral("## %1\nstatus %2\n").arg(arguments.join(u'|')).arg(run.status);
    answers += QString::fromStdString(run.out);
    for (const QString& line : QString::fromStdString(run.err).split(u'\n', Qt::SkipEmptyParts)) {
        answers += QStringLiteral("err ") + line + u'\n';
    }
    if (arguments.size() != 3) {
        return answers;
    }
    const atlas::Atlas& places = atlas::BuiltInAtlas();
    const QString text = atlas::LookupQueryText({arguments[0], arguments[1], arguments[2]});
    const atlas::PlaceLookup lookup =
        atlas::LookUpPlace(places, atlas::SplitLookupQuery(places, text), 20);
    answers += QStringLiteral("window %1%2%3\n")
                   .arg(int(lookup.closeSpellings))
                   .arg(int(lookup.unknownCountry))
                   .arg(int(lookup.noneInCountry));
    for (const atlas::RankedPlace& ranked : lookup.places) {
        answers += QStringLiteral("line ") +
                   atlas::DescribePlace(places, ranked.place, ranked.otherName) + u'\n';
    }
    // How many close spellings there are, and the first of them in their order.
    const std::vector<atlas::CityCandidate> close = atlas::FindCloseSpellings(places, arguments[0]);
    answers += QStringLiteral("close spellings %1\n").arg(close.size());
    for (std::size_t i = 0; i < std::min<std::size_t>(close.size(), 40); ++i) {
        answers += QStringLiteral("close %1 ").arg(close[i].letterEdits) +
                   atlas::DescribePlace(places, close[i].place, close[i].otherName) + u'\n';
    }
    return answers;
}

TEST(AtlasAnswers, AreThoseRecordedForEveryQuery) {
    const QString folder = QStringLiteral(FORTUNIX_ATLAS_ANSWERS_DIR "/");
    const QStringList queries =
        QString::fromUtf8(ReadFile(folder + "atlas-queries.tsv")).split(u'\n', Qt::SkipEmptyParts);
    const QList<QByteArray> recorded = ReadFile(folder + "atlas-answers.sha256").split('\n');
    ASSERT_GT(queries.size(), 600);
    ASSERT_GE(recorded.size(), queries.size());

    QFile written(QStringLiteral("atlas-answers.txt"));
    QFile digests(QStringLiteral("atlas-answers.sha256"));
    ASSERT_TRUE(written.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_TRUE(digests.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (qsizetype i = 0; i < queries.size(); ++i) {
        const QByteArray answer = Answers(queries[i].split(u'\t')).toUtf8();
        const QByteArray digest =
            QCryptographicHash::hash(answer, QCryptographicHash::Sha256).toHex();
        written.write(answer);
        digests.write(digest + '\n');
        EXPECT_EQ(digest, recorded[i]) << "query " << i + 1 << ", answered now:\n"
                                       << answer.toStdString();
    }
}

}  // namespace
}  // namespace fortunix::atlastool
