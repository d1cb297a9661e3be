#pragma once

#include <QRect>

class QWidget;

namespace fortunix {

// Layouts are drawn in twips: 1440 to the inch, so 15 to a logical pixel at 96 dpi. Qt
// scales logical pixels to the screen, so the windows keep their proportions at any DPI.
inline constexpr int kTwipsPerPixel = 15;

int TwipsToPixels(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// Places `widget` at a rectangle given in twips, relative to its parent.
void PlaceInTwips(QWidget* widget, int left, int top, int width, int height);

}  // namespace fortunix
