#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace fortunix {

class frmMain;
class frmDisplay;
class frmNagScreen2;

// The program's windows, each created (loaded) on first use and kept until it is closed.
// Closing a window deletes it; using it again loads a fresh one from its design.
namespace windows {

frmMain& Main();
bool IsMainLoaded();

frmDisplay& Display();
bool IsDisplayLoaded();

// The refer-a-friend window: loaded hidden; shown only by the exit hand-off.
frmNagScreen2& NagScreen();
bool IsNagScreenLoaded();

// Every loaded window, in the order in which they were loaded.
QList<QWidget*> Loaded();

// Records a newly loaded window; the windows above do this themselves.
void RegisterLoaded(QWidget* window);

}  // namespace windows
}  // namespace fortunix
