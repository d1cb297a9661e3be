#include "forms/LinkLabel.h"

#include <QMouseEvent>

#include "forms/Appearance.h"

namespace fortunix {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setFont(ProgramFont(8.25, /*bold=*/true, /*underline=*/true));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    // Taking the press is what brings the release to this label.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace fortunix
