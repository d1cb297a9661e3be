#include "widgets/Twips.h"

#include <QWidget>
#include <cmath>

namespace fortunix {

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

void NameAndPlace(QWidget* control, const char* name, const TwipsBox& box) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(TwipsRect(box.left, box.top, box.width, box.height));
}

}  // namespace fortunix
