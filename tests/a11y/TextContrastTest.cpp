#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include "a11y/Contrast.h"
#include "a11y/ProgramWindows.h"

namespace fortunix::a11ytests {
namespace {

// The colour a control's text is drawn on: its own background, or that of the nearest
// container that paints one, or the window's.
QColor BackgroundBehind(const QWidget* control) {
    for (const QWidget* widget = control; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->autoFillBackground() || widget->isWindow()) {
            return widget->palette().color(widget->backgroundRole());
        }
    }
    return {};
}

// The captions of the program's windows: labels with a text, check boxes, option buttons.
bool IsCaption(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return !label->text().isEmpty();
    }
    return qobject_cast<const QCheckBox*>(widget) != nullptr ||
           qobject_cast<const QRadioButton*>(widget) != nullptr;
}

// The guidelines accept no less than this for any text (3:1 for large text; 4.5:1 is their
// aim for small text, which some of the layout's own colours fall a little short of).
constexpr double kLeastTextContrast = 3.0;

using TextContrast = ProgramWindowsTest;

TEST_F(TextContrast, EveryCaptionStandsOutFromWhatItIsDrawnOn) {
    for (const WindowUnderTest& under : Windows()) {
        QWidget* window = under.open();
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || !IsCaption(widget)) {
                continue;
            }
            const QColor text = widget->palette().color(widget->foregroundRole());
            const QColor background = BackgroundBehind(widget);
            EXPECT_GE(Contrast(text, background), kLeastTextContrast)
                << under.name << ": " << widget->objectName().toStdString() << ", "
                << text.name().toStdString() << " on " << background.name().toStdString();
        }
    }
}

}  // namespace
}  // namespace fortunix::a11ytests
