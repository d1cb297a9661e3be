#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <memory>

#include "widgets/Appearance.h"
#include "widgets/ProgramStyle.h"

namespace fortunix {
namespace {

constexpr QRgb kThemeWhite = qRgb(255, 255, 255);

// Stands in for a Windows theme: every command button and drop-down list is painted white,
// whatever its palette says, as the windowsvista style paints them.
class WhiteThemeStyle final : public QProxyStyle {
  public:
    WhiteThemeStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_PushButton) {
            painter->fillRect(option->rect, QColor(kThemeWhite));
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (control == CC_ComboBox) {
            painter->fillRect(option->rect, QColor(kThemeWhite));
            return;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
};

// Close to the designed sky blue in hue and clearly coloured: a style may shade a button
// lighter or darker, but never to white or grey.
bool LooksSkyBlue(QColor colour) {
    return std::abs(colour.hsvHue() - kSkyBlue.hsvHue()) <= 12 && colour.hsvSaturationF() >= 0.3;
}

// A pixel inside the button's frame, clear of its caption.
QColor InsideColour(const QImage& picture) {
    return picture.pixelColor(5, picture.height() / 2);
}

QImage Drawn(QStyle& style, const QPushButton& button, QStyle::State extraState = {}) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.state |= QStyle::State_Raised | extraState;
    QImage picture(button.size(), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    style.drawControl(QStyle::CE_PushButton, &option, &painter, &button);
    return picture;
}

QImage Drawn(QStyle& style, const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.subControls = QStyle::SC_All;
    QImage picture(list.size(), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    style.drawComplexControl(QStyle::CC_ComboBox, &option, &painter, &list);
    return picture;
}

// Inside: sky blue when drawn in its own colour, else exactly the theme's white.
void ExpectSkyBlueOrTheTheme(const QImage& picture, bool skyBlue, const char* name) {
    const QColor inside = InsideColour(picture);
    EXPECT_EQ(LooksSkyBlue(inside), skyBlue) << name << ": " << qPrintable(inside.name());
    if (!skyBlue) {
        EXPECT_EQ(inside.rgb(), kThemeWhite) << name;
    }
}

class ProgramStyleTest : public ::testing::Test {
  protected:
    ProgramStyle style{new WhiteThemeStyle};
    QWidget panel;
};

TEST_F(ProgramStyleTest, CommandButtonsGivenAColourKeepItOverAThemeThatIgnoresIt) {
    auto* own = new QPushButton(QStringLiteral("Own colour"), &panel);
    SetBackground(own, kSkyBlue);
    auto* inner = new QWidget(&panel);
    SetBackground(inner, kSkyBlue);
    auto* inherited = new QPushButton(QStringLiteral("From its panel"), inner);
    auto* plain = new QPushButton(QStringLiteral("Plain"), &panel);
    const struct {
        const char* name;
        QPushButton* button;
        bool skyBlue;
    } rows[] = {{"its own colour", own, true},
                {"the colour of the panel it sits on", inherited, true},
                {"no colour of its own: the theme's look", plain, false}};
    for (const auto& row : rows) {
        row.button->resize(200, 30);
        ExpectSkyBlueOrTheTheme(Drawn(style, *row.button), row.skyBlue, row.name);
    }
}

TEST_F(ProgramStyleTest, DropDownListsGivenAColourKeepItOverAThemeThatIgnoresIt) {
    auto* own = new QComboBox(&panel);
    SetBackground(own, kSkyBlue);
    auto* plain = new QComboBox(&panel);
    // clang-format off
    const struct {
        const char* name;
        QComboBox* list;
        bool skyBlue;
    } rows[] = {
        {"its own colour", own, true},
        {"no colour of its own: the theme's look", plain, false},
    };
    // clang-format on
    for (const auto& row : rows) {
        row.list->resize(200, 22);
        ExpectSkyBlueOrTheTheme(Drawn(style, *row.list), row.skyBlue, row.name);
    }
}

TEST_F(ProgramStyleTest, AColouredButtonShowsWhenItIsPressedAndWhenItHasTheFocus) {
    auto* button = new QPushButton(QStringLiteral("Get My Part Of Fortune Reading"), &panel);
    SetBackground(button, kSkyBlue);
    SetFocusColour(&panel);
    button->resize(320, 25);
    const QImage idle = Drawn(style, *button);
    const QImage pressed = Drawn(style, *button, QStyle::State_Sunken);
    const QImage focused =
        Drawn(style, *button, QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);

    const QColor idleInside = InsideColour(idle);
    const QColor pressedInside = InsideColour(pressed);
    EXPECT_TRUE(LooksSkyBlue(pressedInside)) << qPrintable(pressedInside.name());
    EXPECT_LT(pressedInside.value(), idleInside.value()) << "a pressed button looks pushed in";

    // The focus frame in the window's focus colour, navy, somewhere on the button.
    int navyPixels = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            const QColor colour = focused.pixelColor(x, y);
            if (focused.pixel(x, y) != idle.pixel(x, y) && colour.blue() > 2 * colour.green() &&
                colour.blue() > 2 * colour.red()) {
                ++navyPixels;
            }
        }
    }
    EXPECT_GT(navyPixels, 2 * (button->width() + button->height()) / 2)
        << "the focus frame should run round the button";
}

TEST(UseProgramStyle, PutsTheProgramStyleOverTheStyleQtChoseForThePlatform) {
    const auto* inUse = qobject_cast<const ProgramStyle*>(QApplication::style());
    ASSERT_NE(inUse, nullptr) << "the tests run with the program's style";
    const QString platformStyle = inUse->baseStyle()->name();

    QApplication::setStyle(QStringLiteral("windows"));  // as Qt may choose it
    for (int times = 1; times <= 2; ++times) {          // the second time over the first
        UseProgramStyle();
        const auto* style = qobject_cast<const ProgramStyle*>(QApplication::style());
        ASSERT_NE(style, nullptr) << times;
        EXPECT_EQ(style->baseStyle()->name(), QStringLiteral("windows")) << times;
    }
    QApplication::setStyle(platformStyle);
    UseProgramStyle();
}

// The arrows of the button for menus that do not fit, read when first drawn, are the platform
// style's own, in each size it has them.
TEST_F(ProgramStyleTest, ExtensionArrowsAreThePlatformStylesOwn) {
    for (const auto arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon own = style.standardIcon(arrow, nullptr, &panel);
        const QIcon platform = style.baseStyle()->standardIcon(arrow, nullptr, &panel);
        ASSERT_FALSE(platform.availableSizes().isEmpty()) << arrow;
        EXPECT_EQ(own.availableSizes(), platform.availableSizes()) << arrow;
        for (const QSize& size : platform.availableSizes()) {
            EXPECT_EQ(own.pixmap(size).toImage(), platform.pixmap(size).toImage()) << arrow;
        }
    }
}

}  // namespace
}  // namespace fortunix
