#pragma once

#include <QMenu>

class QActionGroup;

namespace fortunix {

// The File menu's "Language" submenu: "System language", English and the ten languages, each
// in its own name, the choice in the settings ticked. Choosing one keeps it in the settings
// and switches every open window to it at once.
class LanguageMenu : public QMenu {
    Q_OBJECT

  public:
    explicit LanguageMenu(QWidget* parent);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();
    void Choose(const QString& choice);

    QAction* systemLanguage_ = nullptr;
};

}  // namespace fortunix
