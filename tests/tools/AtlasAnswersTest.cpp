// Every answer of the atlas to a fixed set of queries, compared with the answers recorded in
// atlas-answers.txt beside this file: fortunix-atlas's output and exit status, the place lines
// of the place-choice window (through the query text the main window joins and takes apart
// again), and the close spellings of the typed city in their order. The recorded answers came
// from the program before its atlas was stored as a mapped image, so any change in what a user
// sees shows up here. The answers of this run are written to atlas-answers.txt in the working
// folder, to compare or to record anew.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <sstream>
#include <vector>

#include "AtlasCommand.h"
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
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunAtlasCommand(arguments, out, err);
    QString answers = QStringLiteral("## %1\nstatus %2\n").arg(arguments.join(u'|')).arg(status);
    answers += QString::fromStdString(out.str());
    for (const QString& line : QString::fromStdString(err.str()).split(u'\n', Qt::SkipEmptyParts)) {
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
    const QStringList recorded = QString::fromUtf8(ReadFile(folder + "atlas-answers.txt"))
                                     .split(QStringLiteral("## "), Qt::SkipEmptyParts);
    ASSERT_GT(queries.size(), 600);

    QStringList answers;
    QFile written(QStringLiteral("atlas-answers.txt"));
    ASSERT_TRUE(written.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QString& query : queries) {
        answers.append(Answers(query.split(u'\t')));
        written.write(answers.last().toUtf8());
    }
    ASSERT_EQ(recorded.size(), queries.size());
    for (qsizetype i = 0; i < queries.size(); ++i) {
        EXPECT_EQ(answers[i], QStringLiteral("## ") + recorded[i]) << "query " << i + 1;
    }
}

}  // namespace
}  // namespace fortunix::atlastool
