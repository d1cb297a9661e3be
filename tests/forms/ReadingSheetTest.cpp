#include <QBuffer>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>
#include <random>

#include "forms/FormTestSupport.h"
#include "forms/ProgramLanguage.h"
#include "forms/ReadingExport.h"
#include "forms/ReadingSheetDrawing.h"
#include "platform/ProgramInfo.h"
#include "support/ModalWindow.h"

namespace fortunix::formtests {
namespace {

using ReadingSheetCommands = FormTest;

constexpr double kPi = 3.14159265358979323846;

// The sheet of the worked example, as the result window keeps it.
ReadingSheet WorkedExampleSheet() {
    BirthFormState form;
    form.fields = {"JOHN", "0", "0", "51", "30", "2000", 0, 0, "12", "0", false, false, false};
    return {form,
            {2000, 1, 1, 12, 0},
            {280, 223, 24},
            81,
            QStringLiteral("21\u00BA Gemini"),
            QStringLiteral("Like a child full of inquisitiveness")};
}

// Angle of `point` seen from `centre`, counter-clockwise from three o'clock, 0..360.
double AngleFrom(const QPointF& centre, const QPointF& point) {
    const double degrees = std::atan2(centre.y() - point.y(), point.x() - centre.x()) * 180 / kPi;
    return degrees < 0 ? degrees + 360 : degrees;
}

// Each marker at its longitude with the ascendant on the left: angles by hand, 180 +
// longitude - 24. Drawn on A4 at 1200 dots per inch, as a PDF is.
TEST(ReadingSheetDrawing, PutsEachMarkerAtItsLongitude) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins({});
    QPainter painter(&writer);
    const SheetDrawing drawing = DrawReadingSheet(
        painter, QRectF(0, 0, writer.width(), writer.height()), WorkedExampleSheet(), {2026, 1, 2});
    painter.end();

    const struct {
        const char* name;
        double angle;
    } expected[] = {{"Ascendant", 180}, {"Sun", 76}, {"Moon", 19}, {"Part of Fortune", 237}};
    ASSERT_EQ(drawing.markers.size(), std::size(expected));
    const QPointF centre = drawing.wheel.center();
    // A wheel of at least 8 cm on A4 (4724 dots at 1200 dpi), inside the page.
    EXPECT_GE(drawing.wheel.width(), 80 / 25.4 * 1200);
    EXPECT_TRUE(QRectF(0, 0, writer.width(), writer.height()).contains(drawing.wheel));
    for (const auto& row : expected) {
        const auto marker = std::find_if(drawing.markers.begin(), drawing.markers.end(),
                                         [&](const WheelMarker& m) { return m.name == row.name; });
        ASSERT_NE(marker, drawing.markers.end()) << row.name;
        EXPECT_NEAR(AngleFrom(centre, marker->point), row.angle, 0.01) << row.name;
        // On the inner edge of the sign ring, its label within the ring.
        const double distance =
            std::hypot(marker->point.x() - centre.x(), marker->point.y() - centre.y());
        EXPECT_NEAR(distance, 0.79 * drawing.wheel.width() / 2, 1) << row.name;
        for (const QPointF& corner : {marker->label.topLeft(), marker->label.topRight(),
                                      marker->label.bottomLeft(), marker->label.bottomRight()}) {
            EXPECT_LT(std::hypot(corner.x() - centre.x(), corner.y() - centre.y()), distance)
                << row.name;
        }
    }
}

// Markers within a few degrees of each other (Kathmandu: Sun 99, Moon 91; ascendant 187,
// Part of Fortune 195) keep their labels apart.
TEST(ReadingSheetDrawing, KeepsTheLabelsOfCloseMarkersApart) {
    ReadingSheet sheet = WorkedExampleSheet();
    sheet.chart = {99, 91, 187};
    sheet.fortuneDegrees = 195;
    for (const int side : {400, 2000}) {
        QImage picture(side, side, QImage::Format_RGB32);
        QPainter painter(&picture);
        const std::vector<WheelMarker> markers =
            DrawChartWheel(painter, QRectF(0, 0, side, side), sheet).markers;
        ASSERT_EQ(markers.size(), 4u);
        for (std::size_t a = 0; a < markers.size(); ++a) {
            for (std::size_t b = a + 1; b < markers.size(); ++b) {
                EXPECT_FALSE(markers[a].label.intersects(markers[b].label))
                    << markers[a].name.toStdString() << " and " << markers[b].name.toStdString()
                    << " at " << side;
            }
        }
    }
}

// The worked example with other positions, and the widest caption.
ReadingSheet SheetWith(int sun, int moon, int ascendant, int fortune) {
    ReadingSheet sheet = WorkedExampleSheet();
    sheet.chart = {double(sun), double(moon), static_cast<std::int16_t>(ascendant)};
    sheet.fortuneDegrees = fortune;
    sheet.caption = QStringLiteral("29\u00BA Sagittarius");
    return sheet;
}

WheelDrawing DrawnWheel(const ReadingSheet& sheet, int side) {
    QImage picture(side, side, QImage::Format_RGB32);
    QPainter painter(&picture);
    return DrawChartWheel(painter, QRectF(0, 0, side, side), sheet);
}

double AngleBetween(double a, double b) {
    const double difference = std::fmod(std::abs(a - b), 360.0);
    return std::min(difference, 360 - difference);
}

// Labels apart and inside the ring; each on its spoke, or led to it by a short leader.
void ExpectLabelsInPlace(const ReadingSheet& sheet, int side, const std::string& what) {
    const double radius = side / 2.0;
    const QPointF centre(radius, radius);
    const std::vector<WheelMarker> markers = DrawnWheel(sheet, side).markers;
    for (const WheelMarker& marker : markers) {
        const QRectF& box = marker.label;
        const std::string name = what + ", " + marker.name.toStdString();
        for (const WheelMarker& other : markers) {
            EXPECT_TRUE(&other == &marker || !box.intersects(other.label)) << name;
        }
        for (const QPointF& corner :
             {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
            EXPECT_LT(QLineF(centre, corner).length(), 0.79 * radius) << name;
        }
        const QPointF led = marker.leader.isNull() ? box.center() : marker.leader.p1();
        EXPECT_LT(AngleBetween(AngleFrom(centre, led), AngleFrom(centre, marker.point)), 0.5)
            << name;
        if (!marker.leader.isNull()) {
            EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).contains(marker.leader.p2())) << name;
            EXPECT_LT(marker.leader.length(), 0.5 * radius) << name;
        }
    }
}

// Every arrangement of the four: the issue's births, all four within 10 degrees, anywhere,
// the Sun on the Moon with the Part of Fortune on the ascendant's spoke.
TEST(ReadingSheetDrawing, LabelsNeverMeetNorCrossTheRing) {
    // clang-format off
    const struct { const char* birth; int sun, moon, ascendant, fortune; } births[] = {
        {"Kathmandu, 15 August 1985 06:30 (Moon = 138 - 156 + 142)", 142, 124, 156, 138},
        {"London, 6 January 2000 18:14 GMT, new moon", 285, 285, 130, 130},
        {"London, the Moon a degree behind", 285, 284, 130, 131}};
    // clang-format on
    for (const auto& row : births) {
        for (const int side : {300, 2400}) {
            ExpectLabelsInPlace(SheetWith(row.sun, row.moon, row.ascendant, row.fortune), side,
                                row.birth);
        }
    }
    std::mt19937 draw(20261207);
    std::uniform_int_distribution<int> degree(0, 359);
    std::uniform_int_distribution<int> near(0, 10);
    for (int round = 0; round < 400 && !HasFailure(); ++round) {
        const int a = degree(draw), b = degree(draw), c = degree(draw), d = degree(draw);
        for (const ReadingSheet& sheet :
             {SheetWith(a, (a + near(draw)) % 360, (a + near(draw)) % 360, (a + near(draw)) % 360),
              SheetWith(a, b, c, d), SheetWith(a, a, c, c)}) {
            ExpectLabelsInPlace(sheet, 400,
                                QStringLiteral("Sun %1, Moon %2, ascendant %3, fortune %4")
                                    .arg(sheet.chart.sun)
                                    .arg(sheet.chart.moon)
                                    .arg(sheet.chart.ascendant)
                                    .arg(sheet.fortuneDegrees)
                                    .toStdString());
        }
    }
}

// Markers far apart (the worked example's, at 76, 19, 180 and 237 degrees): each label stands
// on its own spoke, as far out as the ring lets it.
TEST(ReadingSheetDrawing, ALoneLabelSitsOnItsOwnSpoke) {
    const QPointF centre(500, 500);
    for (const WheelMarker& marker : DrawnWheel(WorkedExampleSheet(), 1000).markers) {
        const QRectF& box = marker.label;
        EXPECT_TRUE(marker.leader.isNull()) << marker.name.toStdString();
        EXPECT_LT(AngleBetween(AngleFrom(centre, box.center()), AngleFrom(centre, marker.point)),
                  0.5)
            << marker.name.toStdString();
        const double farthest = std::max({QLineF(centre, box.topLeft()).length(),
                                          QLineF(centre, box.topRight()).length(),
                                          QLineF(centre, box.bottomLeft()).length(),
                                          QLineF(centre, box.bottomRight()).length()});
        EXPECT_GT(farthest, 0.6 * 500) << marker.name.toStdString();
    }
}

// Each sign's name in the middle of its sign (the ascendant 24 degrees into Aries puts Aries'
// middle at 180 + 15 - 24 = 171 degrees), along the ring and never upside down.
TEST(ReadingSheetDrawing, SignNamesReadLeftToRight) {
    const int side = 1000;
    const QPointF centre(side / 2.0, side / 2.0);
    const std::vector<WheelSignName> names = DrawnWheel(WorkedExampleSheet(), side).signNames;
    ASSERT_EQ(names.size(), 12u);
    for (std::size_t sign = 0; sign < names.size(); ++sign) {
        const double angle = AngleFrom(centre, names[sign].centre);
        EXPECT_LT(AngleBetween(angle, 171.0 + 30.0 * static_cast<double>(sign)), 0.01)
            << names[sign].name.toStdString();
        // The baseline runs along the tangent, and to the right rather than to the left.
        const double radians = names[sign].rotation * kPi / 180;
        EXPECT_GT(std::cos(radians), 0.05) << names[sign].name.toStdString();
        EXPECT_LT(AngleBetween(std::fmod(names[sign].rotation + angle + 360, 180.0), 90), 0.01)
            << names[sign].name.toStdString();
    }
}

// In Arabic the sheet runs from the right margin: drawn from the left instead, with the same
// texts, each line stands in the mirror image of its place (the heading, each label beside its
// value, the framed caption, the paragraph, the footer). The wheel alone is drawn the same.
TEST(ReadingSheetDrawing, RightToLeftMirrorsTheLinesButNotTheWheel) {
    UseLanguage(QStringLiteral("ar"));
    const auto draw = [](Qt::LayoutDirection direction, QRectF* wheel) {
        QGuiApplication::setLayoutDirection(direction);
        QImage page(827, 1169, QImage::Format_RGB32);  // A4 at 100 dots per inch
        page.fill(Qt::white);
        QPainter painter(&page);
        *wheel = DrawReadingSheet(painter, page.rect(), WorkedExampleSheet(), {2026, 1, 2}).wheel;
        return page;
    };
    QRectF wheel, mirroredWheel;
    const QImage leftToRight = draw(Qt::LeftToRight, &wheel);
    const QImage rightToLeft = draw(Qt::RightToLeft, &mirroredWheel);
    UseLanguage(QString::fromLatin1(kEnglish));
    ASSERT_EQ(mirroredWheel, wheel);
    const QRect square = wheel.toAlignedRect();
    EXPECT_EQ(rightToLeft.copy(square), leftToRight.copy(square));

    // Each band of inked rows outside the wheel (a line of text, a rule, the frame's edges)
    // spans the same columns in both, mirrored, but for glyphs' side bearings.
    const QImage mirrored = rightToLeft.mirrored(true, false);
    const auto inked = [](const QImage& page, int top, int bottom) {
        std::pair<int, int> span{page.width(), -1};
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                    span = {std::min(span.first, x), std::max(span.second, x)};
                }
            }
        }
        return span;
    };
    const auto outsideTheWheel = [&square](int y) {
        return y < square.top() || y > square.bottom();
    };
    int bands = 0;
    for (int top = 0, bottom = 0; top < leftToRight.height(); top = std::max(bottom, top + 1)) {
        for (bottom = top; bottom < leftToRight.height() && outsideTheWheel(bottom) &&
                           inked(leftToRight, bottom, bottom + 1).second >= 0;
             ++bottom) {
        }
        if (bottom > top) {
            ++bands;
            EXPECT_NEAR(inked(mirrored, top, bottom).first, inked(leftToRight, top, bottom).first,
                        6)
                << top;
            EXPECT_NEAR(inked(mirrored, top, bottom).second, inked(leftToRight, top, bottom).second,
                        6)
                << top;
        }
    }
    EXPECT_GT(bands, 15);
}

TEST(ReadingSheetTexts, ProposeAFileNameEveryFolderTakes) {
    const QDate made(2026, 12, 7);
    const struct {
        const char* name;
        const char* file;
    } rows[] = {
        {"JOHN", "Fortunix reading - JOHN - 2026-12-07.pdf"},
        {"ANN LEE  ", "Fortunix reading - ANN LEE - 2026-12-07.pdf"},
        {"A/B\\C:D*E?F\"G<H>I|J", "Fortunix reading - A_B_C_D_E_F_G_H_I_J - 2026-12-07.pdf"},
        {"   ", "Fortunix reading - 2026-12-07.pdf"},
        {"", "Fortunix reading - 2026-12-07.pdf"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ProposedPdfName(QString::fromLatin1(row.name), made), row.file) << row.name;
    }
    // Long names cut to 60 characters, never inside a character outside the BMP.
    const QString n59(59, u'N');
    EXPECT_EQ(ProposedPdfName(QString(300, u'N'), made),
              "Fortunix reading - " + n59 + "N - 2026-12-07.pdf");
    EXPECT_EQ(ProposedPdfName(n59 + QStringLiteral("\U0001F600B"), made),
              "Fortunix reading - " + n59 + " - 2026-12-07.pdf");
}

// The zone's row with its offset as people write it ("+5.3" is five and a half hours); the
// formula named by the clock's side of noon.
TEST(ReadingSheetTexts, ZoneOffsetAndFormulaLines) {
    ReadingSheet sheet = WorkedExampleSheet();
    sheet.form.zoneRow = 34;
    sheet.form.fields.hourText = "11";
    QStringList lines;
    for (const SheetLine& line : SheetLines(sheet)) {
        lines.append(line.label + ": " + line.value);
    }
    EXPECT_TRUE(lines.contains("Time zone: Indian Time, IST, +5.3 (UTC+05:30)")) << Joined(lines);
    EXPECT_TRUE(
        lines.contains(QString::fromUtf8("Formula: born before noon: ascendant + Moon "
                                         "\u2212 Sun")))
        << Joined(lines);
}

TEST(ReadingSheetTexts, LetterWhereItIsTheUsualPaper) {
    EXPECT_EQ(PaperForTerritory(QLocale::UnitedStates), QPageSize::Letter);
    EXPECT_EQ(PaperForTerritory(QLocale::Canada), QPageSize::Letter);
    EXPECT_EQ(PaperForTerritory(QLocale::Mexico), QPageSize::Letter);
    EXPECT_EQ(PaperForTerritory(QLocale::UnitedKingdom), QPageSize::A4);
    EXPECT_EQ(PaperForTerritory(QLocale::Nepal), QPageSize::A4);
    EXPECT_EQ(PaperForTerritory(QLocale::AnyTerritory), QPageSize::A4);
    // The user's own choice comes before the country's usual paper.
    EXPECT_EQ(SheetPaper(QPageSize(QPageSize::A4), QLocale::UnitedStates).id(), QPageSize::A4);
    EXPECT_EQ(SheetPaper(std::nullopt, QLocale::UnitedStates).id(), QPageSize::Letter);
}

// The items of the sheet wait for a reading, then carry their keys; the paragraph can be
// selected with the mouse but takes no focus.
TEST_F(ReadingSheetCommands, WaitForAReadingAndCarryTheirKeys) {
    const char* items[] = {"mnuCopyReading", "mnuSaveReadingPdf", "mnuPrint", "mnuPrintPreview"};
    for (const char* item : items) {
        EXPECT_FALSE(Child<QAction>(&windows::Display(), item)->isEnabled()) << item;
    }
    frmDisplay& display = ShownReading();
    for (const char* item : items) {
        EXPECT_TRUE(Child<QAction>(&display, item)->isEnabled()) << item;
    }
    EXPECT_EQ(Child<QAction>(&display, "mnuCopyReading")->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(Child<QAction>(&display, "mnuSaveReadingPdf")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(Child<QAction>(&display, "mnuPrint")->shortcut(), QKeySequence("Ctrl+P"));
    auto* paragraph = Child<QLabel>(&display, "lblPartOfFortuneDesc");
    EXPECT_TRUE(paragraph->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(paragraph->focusPolicy(), Qt::NoFocus);
}

TEST_F(ReadingSheetCommands, SaveProposesTheDocumentsFolderAndWritesTheFile) {
    frmDisplay& display = ShownReading();
    const QString chosen = QDir(fake.folders.documentsFolder).filePath("mine");  // no suffix
    QDir().mkpath(fake.folders.documentsFolder);
    fake.dialogs.savePath = chosen;
    QTest::keyClick(&display, Qt::Key_S, Qt::ControlModifier);

    ASSERT_EQ(fake.dialogs.proposedPaths.size(), 1);
    EXPECT_EQ(
        fake.dialogs.proposedPaths[0],
        QDir(fake.folders.documentsFolder).filePath("Fortunix reading - JOHN - 2026-12-07.pdf"));
    EXPECT_EQ(fake.dialogs.saveTitles[0], "Save Reading as PDF");
    EXPECT_EQ(fake.dialogs.saveFilters[0], "PDF documents (*.pdf)");
    QFile pdf(chosen + ".pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_LE(pdf.size(), 200 * 1024);
    EXPECT_TRUE(fake.messages.shown.empty());

    fake.dialogs.savePath.clear();  // cancelled: nothing more is written
    display.mnuSaveReadingPdf_Click();
    EXPECT_EQ(QDir(fake.folders.documentsFolder).entryList(QDir::Files), QStringList{"mine.pdf"});
}

// A save that fails says so once and leaves no file, whole or partial, behind.
TEST_F(ReadingSheetCommands, AFailedSaveLeavesNoFile) {
    frmDisplay& display = ShownReading();
    QDir root(fake.folders.documentsFolder);
    root.mkpath(".");
    QFile blocker(root.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where a folder should be
    blocker.close();
    struct Row {
        const char* name;
        QString path;
    };
    std::vector<Row> rows = {
        {"a folder that is a file", root.filePath("blocked/reading.pdf")},
        {"a folder that does not exist", root.filePath("missing/reading.pdf")}};
    // A folder without write permission, where permissions hold (not for root, who may write
    // anywhere).
    root.mkdir("read-only");
    QFile::setPermissions(root.filePath("read-only"),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser);
    QFile probe(root.filePath("read-only/probe"));
    if (!probe.open(QIODevice::WriteOnly)) {
        rows.push_back({"a folder without write permission", root.filePath("read-only/r.pdf")});
    }
    probe.close();
    probe.remove();
    for (const auto& row : rows) {
        fake.messages.shown.clear();
        fake.dialogs.savePath = row.path;
        display.mnuSaveReadingPdf_Click();
        ASSERT_EQ(fake.messages.shown.size(), 1u) << row.name;
        EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Error) << row.name;
        EXPECT_TRUE(fake.messages.shown[0].text.startsWith(
            "The reading could not be saved as \"" + QDir::toNativeSeparators(row.path) + "\": "))
            << row.name;
        EXPECT_TRUE(fake.messages.shown[0].text.endsWith(". No file was written.")) << row.name;
        EXPECT_FALSE(QFile::exists(row.path)) << row.name;
    }
    EXPECT_EQ(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"blocked", "read-only"}));
    EXPECT_TRUE(QDir(root.filePath("read-only")).isEmpty());
}

TEST_F(ReadingSheetCommands, CopyPutsTheTextAndTheWheelOnTheClipboard) {
    frmDisplay& display = ShownReading();
    Child<QAction>(&display, "mnuCopyReading")->trigger();
    const QMimeData* copied = fake.clipboard.held.get();
    ASSERT_NE(copied, nullptr);
    const QString text = copied->text();
    for (const char* expected :
         {"Fortunix reading: JOHN\n", "Born: 1 January 2000, 12:00 local time\n",
          "Time zone: Greenwich Mean Time,GMT,0.0 (UTC+00:00)\n",
          "Universal time: 1 January 2000, 12:00\n", "Sun: 10\u00BA Capricorn\n",
          "Moon: 13\u00BA Scorpio\n", "Ascendant: 24\u00BA Aries\n",
          "Part of Fortune: 21\u00BA Gemini\n", "Like a child full of inquisitiveness"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected)))
            << expected << " in " << text.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("%1 %2 \u00B7 sheet made on 7 December 2026\n")
                                  .arg(kProgramName, kProgramVersion)));
    EXPECT_FALSE(text.contains("Birthplace"));
    ASSERT_TRUE(copied->hasImage());
    const QImage wheel = qvariant_cast<QImage>(copied->imageData());
    EXPECT_EQ(wheel.size(), QSize(800, 800));
    EXPECT_EQ(wheel.pixelColor(1, 1), QColor(Qt::white));
    int dark = 0;  // the lines and names of the wheel
    for (int y = 0; y < wheel.height(); ++y) {
        for (int x = 0; x < wheel.width(); ++x) {
            dark += qGray(wheel.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 5000);
}

// Ctrl+C copies the words selected in the paragraph, else the reading; its context menu
// copies a selection and selects all.
TEST_F(ReadingSheetCommands, TheParagraphsSelectionIsCopiedFirst) {
    frmDisplay& display = ShownReading();
    auto* paragraph = Child<QLabel>(&display, "lblPartOfFortuneDesc");
    const auto menuItem = [paragraph](const char* name) {
        const QPoint at(5, 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, paragraph->mapToGlobal(at));
        QApplication::sendEvent(paragraph, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            throw std::runtime_error("no context menu");
        }
        QAction* item = menu->findChild<QAction*>(QString::fromLatin1(name));
        menu->close();
        return item;
    };
    const auto copied = [this] { return fake.clipboard.held ? fake.clipboard.held->text() : ""; };
    // "child" of "Like a child" selected; the key goes where the focus is, to Exit.
    paragraph->setSelection(7, 5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copied(), "child");
    paragraph->setSelection(0, 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(copied().startsWith("Fortunix reading: JOHN\n"));

    EXPECT_FALSE(menuItem("mnuParagraphCopy")->isEnabled());
    menuItem("mnuParagraphSelectAll")->trigger();
    menuItem("mnuParagraphCopy")->trigger();
    EXPECT_EQ(copied(), paragraph->text());
}

// A name typed without ".pdf" is saved with it: a file of that name is replaced only after a
// Yes, on the paper the user chose for the system.
TEST_F(ReadingSheetCommands, SaveAsksBeforeReplacingTheFileItWrites) {
    frmDisplay& display = ShownReading();
    const QDir documents(fake.folders.documentsFolder);
    documents.mkpath(".");
    QFile earlier(documents.filePath("noext.pdf"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    fake.dialogs.savePath = documents.filePath("noext");
    fake.paper.paper = QPageSize(QPageSize::Legal);  // 8.5 by 14 inches: 612 by 1008 points
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        fake.messages.shown.clear();
        fake.messages.answers = {answer};
        display.mnuSaveReadingPdf_Click();
        ASSERT_NO_FATAL_FAILURE(
            ExpectOneMessage("\"" + QDir::toNativeSeparators(earlier.fileName()) +
                                 "\" already exists. Do you want to replace it?",
                             MessageIcon::Information, "replace"));
        EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::YesNo);
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.peek(7) == "earlier", answer == MessageAnswer::No);
        earlier.close();
    }
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QRegularExpression legal(R"(/MediaBox \[0 0 612(\.0*)? 1008(\.0*)?\])");
    EXPECT_TRUE(legal.match(QString::fromLatin1(earlier.readAll())).hasMatch());
    earlier.close();  // Windows replaces no file that is open
    // Typed with ".pdf", the name is the one the dialog already asked about.
    fake.messages.shown.clear();
    fake.dialogs.savePath = earlier.fileName();
    display.mnuSaveReadingPdf_Click();
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ReadingSheetCommands, SaveProposesTheHomeFolderWithoutDocuments) {
    ShownReading().mnuSaveReadingPdf_Click();
    ASSERT_EQ(fake.dialogs.proposedPaths.size(), 1);
    EXPECT_EQ(fake.dialogs.proposedPaths[0],
              QDir(fake.folders.HomeFolder()).filePath("Fortunix reading - JOHN - 2026-12-07.pdf"));
}

// Nothing printed says why, and a Yes opens the save dialog.
TEST_F(ReadingSheetCommands, PrintWithoutAPrinterOffersThePdf) {
    frmDisplay& display = ShownReading();
    const QString offer = " Do you want to save it as a PDF file instead?";
    // clang-format off
    const struct { bool installed; const char* printerPath; QString message; } rows[] = {
        {false, "", "No printer is installed." + offer},
        {true, "missing/printed.pdf", "The reading could not be printed." + offer}};
    // clang-format on
    for (const auto& row : rows) {
        fake.messages.shown.clear();
        fake.messages.answers = {MessageAnswer::Yes};
        fake.dialogs.proposedPaths.clear();
        fake.dialogs.printerInstalled = row.installed;
        fake.dialogs.printerAccepted = true;
        fake.dialogs.printerPdfPath = fake.folders.root.filePath(row.printerPath);
        QTest::keyClick(&display, Qt::Key_P, Qt::ControlModifier);
        ASSERT_NO_FATAL_FAILURE(ExpectOneMessage(row.message, MessageIcon::Error, row.printerPath));
        EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(fake.dialogs.proposedPaths.size(), 1);
    }
    EXPECT_EQ(fake.dialogs.printerQuestions, 1);
}

TEST_F(ReadingSheetCommands, PrintGoesToTheChosenPrinterOnly) {
    frmDisplay& display = ShownReading();
    QDir().mkpath(fake.folders.documentsFolder);
    const QString printed = QDir(fake.folders.documentsFolder).filePath("printed.pdf");
    fake.dialogs.printerPdfPath = printed;
    for (const bool accepted : {false, true}) {
        fake.dialogs.printerAccepted = accepted;
        QTest::keyClick(&display, Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(QFile::exists(printed), accepted) << accepted;
    }
    EXPECT_EQ(fake.dialogs.printerQuestions, 2);
}

TEST_F(ReadingSheetCommands, PreviewShowsTheOnePageSheet) {
    frmDisplay& display = ShownReading();
    int pages = -1;
    const test_support::ModalOutcome outcome = test_support::AnswerModalWindow(
        [&display] { Child<QAction>(&display, "mnuPrintPreview")->trigger(); },
        [&pages](QWidget& window) {
            EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(&window), nullptr);
            if (auto* preview = window.findChild<QPrintPreviewWidget*>()) {
                preview->updatePreview();
                pages = preview->pageCount();
            }
            test_support::CloseModalWindow(window);
        });
    EXPECT_TRUE(outcome.shown);
    EXPECT_FALSE(outcome.leftOpen);
    EXPECT_EQ(pages, 1);
}

}  // namespace
}  // namespace fortunix::formtests
