#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>

#include "forms/FormTestSupport.h"
#include "shell/frmNagScreen2.h"

namespace fortunix::formtests {
namespace {

// Relative luminance of a colour, and the contrast ratio of two colours (1 to 21), as the
// web content accessibility guidelines define them.
double Luminance(QRgb pixel) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) +
           0.0722 * channel(qBlue(pixel));
}
double Contrast(QRgb one, QRgb other) {
    const double lighter = std::max(Luminance(one), Luminance(other));
    const double darker = std::min(Luminance(one), Luminance(other));
    return (lighter + 0.05) / (darker + 0.05);
}

// How the focus changes the pictures of a control: how many pixels, and the strongest
// contrast between a pixel with the focus and the same pixel without it.
struct FocusChange {
    int pixels = 0;
    double contrast = 1.0;
};

// Pixels of `control` (and a pixel around it) that differ between two pictures of its window.
// In a text box only the frame counts: the blinking text cursor is no sign of focus to rely on.
FocusChange ChangedPixels(const QImage& focused, const QImage& unfocused, const QWidget* control) {
    const qreal scale = focused.devicePixelRatio();
    const QRect area = QRect(control->mapTo(control->window(), QPoint(0, 0)), control->size())
                           .adjusted(-1, -1, 1, 1);
    const QRect pixels =
        QRect((area.topLeft() * scale), area.size() * scale).intersected(focused.rect());
    const bool frameOnly = qobject_cast<const QLineEdit*>(control) != nullptr ||
                           qobject_cast<const QPlainTextEdit*>(control) != nullptr;
    const int frame = static_cast<int>(4 * scale);
    const QRect inside = pixels.adjusted(frame, frame, -frame, -frame);
    FocusChange change;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if ((frameOnly && inside.contains(x, y)) ||
                focused.pixel(x, y) == unfocused.pixel(x, y)) {
                continue;
            }
            ++change.pixels;
            change.contrast =
                std::max(change.contrast, Contrast(focused.pixel(x, y), unfocused.pixel(x, y)));
        }
    }
    return change;
}

QImage Picture(QWidget* window) {
    QApplication::processEvents();
    return window->grab().toImage();
}

// The least contrast of a focus frame against what it replaces that the web content
// accessibility guidelines ask of parts of controls.
constexpr double kLeastFocusContrast = 3.0;

using FocusVisibility = FormTest;

// Each stop of a window's Tab order, reached as a keyboard user reaches it (the first on
// opening, the others with Tab), looks different with the focus than without: a focus frame,
// or the default-button frame that tells which button Enter presses. A frame around the
// control or its caption has two sides at least a text line high, so fewer changed pixels
// than that is no frame; and it must stand out from what it replaces. (The about box has one
// stop, its OK button, which is the default button with or without the focus.)
TEST_F(FocusVisibility, EveryTabStopShowsTheFocus) {
    const struct {
        const char* window;
        std::function<QWidget*()> open;
        int stops;
    } windowsToWalk[] = {
        {"main window", [this]() -> QWidget* { return &ShownMainWindow(); }, 20},
        {"result window",
         [this]() -> QWidget* {
             Fill(ShownMainWindow(), BirthInput{});
             windows::Main().cmdRashi_Click();
             Activate(windows::Display());
             return &windows::Display();
         },
         2},
        // The message box, out of sight below its frame, is the last stop and left out.
        {"refer-a-friend window",
         [this]() -> QWidget* {
             windows::NagScreen().show();
             Activate(windows::NagScreen());
             return &windows::NagScreen();
         },
         7},
    };
    for (const auto& walk : windowsToWalk) {
        QWidget* window = walk.open();
        for (int stop = 0; stop < walk.stops; ++stop) {
            QWidget* control = QApplication::focusWidget();
            ASSERT_NE(control, nullptr) << walk.window << ", stop " << stop;
            const QImage focused = Picture(window);
            control->clearFocus();
            const QImage unfocused = Picture(window);
            control->setFocus(Qt::TabFocusReason);

            const FocusChange change = ChangedPixels(focused, unfocused, control);
            EXPECT_GE(change.pixels, 2 * control->fontMetrics().height())
                << walk.window << ": " << control->objectName().toStdString();
            EXPECT_GE(change.contrast, kLeastFocusContrast)
                << walk.window << ": " << control->objectName().toStdString();
            QTest::keyClick(control, Qt::Key_Tab);
        }
        TearDown();
    }
}

}  // namespace
}  // namespace fortunix::formtests
