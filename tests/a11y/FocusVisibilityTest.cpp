#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

#include "a11y/Contrast.h"
#include "forms/FormTestSupport.h"
#include "forms/frmNagScreen2.h"

namespace fortunix::formtests {
namespace {

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
            change.contrast = std::max(
                change.contrast,
                a11ytests::Contrast(QColor(focused.pixel(x, y)), QColor(unfocused.pixel(x, y))));
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

// Each Tab stop, reached by Tab, shows a focus (or default-button) frame: two sides at least a
// text line high, standing out from what they replace. (The about box's one stop, OK, is the
// default button with or without the focus.)
TEST_F(FocusVisibility, EveryTabStopShowsTheFocus) {
    const struct {
        const char* window;
        std::function<QWidget*()> open;
        int stops;
    } windowsToWalk[] = {
        {"main window", [this]() -> QWidget* { return &ShownMainWindow(); }, 20},
        {"result window", [this]() -> QWidget* { return &ShownReading(); }, 2},
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
