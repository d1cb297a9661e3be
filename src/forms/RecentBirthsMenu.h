#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "reading/BirthFormState.h"
#include "shell/RecentBirthsFile.h"

class QAction;
class QMenu;
class QWidget;

namespace fortunix {

// The births the user asked readings for, in the main window's File menu: the submenu
// "Recent Births" (newest first, then "Clear Recent Births") and the check item "Remember
// Births". They are kept in recent-births.json in the user's data folder, which is read once,
// after the window is shown or when first needed; the submenu is filled each time it opens.
class RecentBirthsMenu : public QObject {
    Q_OBJECT

  public:
    // Adds the two items to the end of `fileMenu`; choosing a birth calls `chosen` with it.
    RecentBirthsMenu(QWidget* window, QMenu* fileMenu,
                     std::function<void(const BirthFormState&)> chosen);

    // Reads the file unless it has been read. A file that cannot be read is set aside, the user
    // is told where, and the list starts empty.
    void EnsureLoaded();

    // Keeps `state` as the newest birth, while births are remembered.
    void Remember(const BirthFormState& state);

    const RecentBirths& Recent() const { return recent_; }

  private:
    void mnuRecentBirths_Show();
    void mnuClearRecentBirths_Click();
    void mnuRememberBirths_Click(bool checked);
    void Save();

    QWidget* window_;
    QMenu* submenu_ = nullptr;
    QAction* remember_ = nullptr;
    std::function<void(const BirthFormState&)> chosen_;
    RecentBirthsFile file_;
    RecentBirths recent_;
    bool loaded_ = false;
    bool saveFailureTold_ = false;  // a folder that cannot be written is told once per run
};

// "ANN, 1 January 2000 12:00, London": a birth as the submenu lists it, the place only when the
// atlas gave one.
QString RecentBirthText(const BirthFormState& state);

}  // namespace fortunix
