#include "widgets/LinkLabel.h"

#include <QMouseEvent>

#include "widgets/Appearance.h"
#include "widgets/LinkLabelAccessible.h"

namespace fortunix {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setFont(ProgramFont(8.25, /*bold=*/true, /*underline=*/true));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    InstallLinkLabelAccessibility();
}

void LinkLabel::click() {
    emit clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    // Taking the press is what brings the release to this label.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        click();
    }
}

}  // namespace fortunix
