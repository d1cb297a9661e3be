#pragma once

#include <QRect>

class QWidget;

namespace fortunix {

// Layouts are drawn in twips: 1440 to the inch, so 15 to a logical pixel at 96 dpi. Qt
// scales logical pixels to the screen, so the windows keep their proportions at any DPI.
inline constexpr int kTwipsPerPixel = 15;

int TwipsToPixels(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// A rectangle of a window's design, in twips, relative to the control's container.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The one way a control takes its place: it gets its design name as object name and the
// rectangle `box` of the design.
void NameAndPlace(QWidget* control, const char* name, const TwipsBox& box);

// The same, giving the control back for the rest of its set-up.
template <typename Control>
Control* Place(Control* control, const char* name, const TwipsBox& box) {
    NameAndPlace(control, name, box);
    return control;
}

}  // namespace fortunix
