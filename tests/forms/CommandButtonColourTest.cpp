#include <QPushButton>
#include <QStyleFactory>
#include <memory>

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
            EXPECT_TRUE(LooksSkyBlue(inside)) << row.button << ": " << qPrintable(inside.name());
        }
    }
}

// What the program's style is there for: the Windows style alone ignores the colour.
TEST_F(CommandButtonColour, TheWindowsStyleAloneDrawsThemWithoutTheirColour) {
    if (!WindowsStyleExists()) {
        GTEST_SKIP() << "the windowsvista style exists only on Windows";
    }
    std::unique_ptr<QStyle> windowsStyle(QStyleFactory::create(QStringLiteral("windowsvista")));
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
