#pragma once

#include <QPushButton>

namespace fortunix {

// A command button whose caption wraps at word boundaries when it is wider than the button,
// as a long caption on a tall narrow button needs. The text keeps its access-key marks
// ("&&" shows as one "&").
class WrappingButton : public QPushButton {
    Q_OBJECT

  public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace fortunix
