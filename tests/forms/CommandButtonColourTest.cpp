#include <QPushButton>
#include <QStyleFactory>

#include "forms/FormTestSupport.h"
#include "widgets/Appearance.h"
#include "widgets/ProgramStyle.h"

namespace fortunix::formtests {
namespace {

// Close to the designed sky blue in hue and clearly coloured: the style shades a button
// lighter towards its top, but never to white or grey.
bool LooksSkyBlue(QColor colour) {
    return std::abs(colour.hsvHue() - kSkyBlue.hsvHue()) <= 12 && colour.hsvSaturationF() >= 0.3;
}

// The colour inside a button's frame near its two ends, where no caption reaches.
std::vector<QColor> InsideColours(QPushButton* button) {
    const QImage picture = button->grab().toImage();
    const int inset = static_cast<int>(5 * picture.devicePixelRatio());
    return {picture.pixelColor(inset, inset),
            picture.pixelColor(picture.width() - 1 - inset, picture.height() - 1 - inset)};
}

using CommandButtonColour = FormTest;

// Under the application's style, the program's own over the platform's: on Windows that is the
// windowsvista style, which by itself paints command buttons white.
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
            EXPECT_TRUE(LooksSkyBlue(inside)) << row.button << ": " << qPrintable(inside.name());
        }
    }
}

// What the program's style is there for: the Windows style alone ignores the colour.
TEST_F(CommandButtonColour, TheWindowsStyleAloneDrawsThemWithoutTheirColour) {
    std::unique_ptr<QStyle> windowsStyle(QStyleFactory::create(QStringLiteral("windowsvista")));
    if (!windowsStyle) {
        GTEST_SKIP() << "the windowsvista style exists only on Windows";
    }
    auto* button = Child<QPushButton>(&ShownMainWindow(), "cmdRashi");
    button->setStyle(windowsStyle.get());
    const std::vector<QColor> colours = InsideColours(button);
    button->setStyle(nullptr);
    for (const QColor& inside : colours) {
        EXPECT_FALSE(LooksSkyBlue(inside)) << qPrintable(inside.name());
    }
}

}  // namespace
}  // namespace fortunix::formtests
