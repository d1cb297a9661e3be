#include <QPushButton>
#include <QStyleFactory>
#include <memory>

#include "forms/FormTestSupport.h"
#include "widgets/Appearance.h"
#include "widgets/ProgramStyle.h"

namespace fortunix::formtests {
namespace {

// Close to the designed colour in hue and clearly coloured: the style shades a button
// lighter towards its top, but never to white or grey.
bool LooksLike(QColor colour, QColor designed) {
    return std::abs(colour.hsvHue() - designed.hsvHue()) <= 12 && colour.hsvSaturationF() >= 0.3;
}

// The colour inside a control's frame near its two ends, where no caption reaches.
std::vector<QColor> InsideColours(QWidget* control) {
    const QImage picture = control->grab().toImage();
    const int inset = static_cast<int>(5 * picture.devicePixelRatio());
    return {picture.pixelColor(inset, inset),
            picture.pixelColor(picture.width() - 1 - inset, picture.height() - 1 - inset)};
}

std::vector<QColor> InsideColoursUnderTheWindowsStyleAlone(QWidget* control) {
    std::unique_ptr<QStyle> windowsStyle(QStyleFactory::create(QStringLiteral("windowsvista")));
    control->setStyle(windowsStyle.get());
    std::vector<QColor> colours = InsideColours(control);
    control->setStyle(nullptr);
    return colours;
}

bool WindowsStyleExists() {
    return QStyleFactory::keys().contains(QStringLiteral("windowsvista"), Qt::CaseInsensitive);
}

// The windows under the style the program has on Windows, its own over the windowsvista style
// (which exists only there, and which the offscreen platform of the tests does not choose);
// elsewhere under the application's style, the program's own over Fusion.
class CommandButtonColour : public FormTest {
  protected:
    void SetUp() override {
        platformStyle_ = QApplication::style()->name();
        if (const auto* style = qobject_cast<const ProgramStyle*>(QApplication::style())) {
            platformStyle_ = style->baseStyle()->name();
        }
        if (WindowsStyleExists()) {
            QApplication::setStyle(QStringLiteral("windowsvista"));
            UseProgramStyle();
        }
    }
    void TearDown() override {
        FormTest::TearDown();
        QApplication::setStyle(platformStyle_);
        UseProgramStyle();
    }

  private:
    QString platformStyle_;
};

TEST_F(CommandButtonColour, TheCommandButtonsOfTheMainAndResultWindowsAreSkyBlue) {
    frmDisplay& result = ShownReading();
    frmMain& main = windows::Main();
    const struct {
        QWidget* window;
        const char* button;
    } rows[] = {
        {&main, "cmdRashi"}, {&main, "cmdBrowser"}, {&result, "cmdOK"}, {&result, "cmdExit"}};
    for (const auto& row : rows) {
        for (const QColor& inside : InsideColours(Child<QPushButton>(row.window, row.button))) {
            EXPECT_TRUE(LooksLike(inside, kSkyBlue))
                << row.button << ": " << qPrintable(inside.name());
        }
    }
}

// What the program's style is there for: the Windows style alone ignores the colour.
TEST_F(CommandButtonColour, TheWindowsStyleAloneDrawsThemWithoutTheirColour) {
    if (!WindowsStyleExists()) {
        GTEST_SKIP() << "the windowsvista style exists only on Windows";
    }
    for (const QColor& inside : InsideColoursUnderTheWindowsStyleAlone(
             Child<QPushButton>(&ShownMainWindow(), "cmdRashi"))) {
        EXPECT_FALSE(LooksLike(inside, kSkyBlue)) << qPrintable(inside.name());
    }
}

// The same style over the drop-down lists of the main window.
using DropDownListColour = CommandButtonColour;

TEST_F(DropDownListColour, TheDateTimeAndZoneListsAreInTheirDesignedColours) {
    frmMain& main = ShownMainWindow();
    // clang-format off
    const struct {
        const char* list;
        QColor colour;
    } rows[] = {
        {"cboMonth", kMintGreen},
        {"cboHH", kMintGreen},
        {"cmbTimeZone", kSkyBlue},
    };
    // clang-format on
    for (const auto& row : rows) {
        for (const QColor& inside : InsideColours(Child<QComboBox>(&main, row.list))) {
            EXPECT_TRUE(LooksLike(inside, row.colour))
                << row.list << ": " << qPrintable(inside.name());
        }
    }
}

TEST_F(DropDownListColour, TheWindowsStyleAloneDrawsThemWithoutTheirColour) {
    if (!WindowsStyleExists()) {
        GTEST_SKIP() << "the windowsvista style exists only on Windows";
    }
    for (const QColor& inside :
         InsideColoursUnderTheWindowsStyleAlone(Child<QComboBox>(&ShownMainWindow(), "cboMonth"))) {
        EXPECT_FALSE(LooksLike(inside, kMintGreen)) << qPrintable(inside.name());
    }
}

}  // namespace
}  // namespace fortunix::formtests
