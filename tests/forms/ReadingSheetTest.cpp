#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <cmath>

#include "forms/FormTestSupport.h"
#include "forms/ReadingExport.h"
#include "forms/ReadingSheetDrawing.h"
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
            DrawChartWheel(painter, QRectF(0, 0, side, side), sheet);
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
}

TEST(ReadingSheetTexts, LetterWhereItIsTheUsualPaper) {
    EXPECT_EQ(PaperForTerritory(QLocale::UnitedStates), QPageSize::Letter);
    EXPECT_EQ(PaperForTerritory(QLocale::Canada), QPageSize::Letter);
    EXPECT_EQ(PaperForTerritory(QLocale::Mexico), QPageSize::Letter);
    EXPECT_EQ(PaperForTerritory(QLocale::UnitedKingdom), QPageSize::A4);
    EXPECT_EQ(PaperForTerritory(QLocale::Nepal), QPageSize::A4);
    EXPECT_EQ(PaperForTerritory(QLocale::AnyTerritory), QPageSize::A4);
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
    QGuiApplication::clipboard()->clear();
    Child<QAction>(&display, "mnuCopyReading")->trigger();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    const QString text = copied->text();
    for (const char* expected :
         {"Fortunix reading: JOHN\n", "Born: 1 January 2000, 12:00 local time\n",
          "Time zone: Greenwich Mean Time,GMT,0.0\n", "Universal time: 1 January 2000, 12:00\n",
          "Sun: 10\u00BA Capricorn\n", "Moon: 13\u00BA Scorpio\n", "Ascendant: 24\u00BA Aries\n",
          "Part of Fortune: 21\u00BA Gemini\n", "Like a child full of inquisitiveness",
          "Fortunix 1.30 \u00B7 sheet made on 7 December 2026\n"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected)))
            << expected << " in " << text.toStdString();
    }
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
