#pragma once

#include <QLabel>

namespace fortunix {

// A label that works as a web link: hand pointer, bold underlined text, centred and
// word-wrapped. `clicked` fires when the left button is released over the label, so a press
// dragged off it does nothing.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // Follows the link as a click does; assistive technology presses it this way.
    void click();

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace fortunix
