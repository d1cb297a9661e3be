#pragma once

#include "shell/WindowRegistry.h"

namespace fortunix {

class frmMain;
class frmDisplay;
class frmNagScreen2;

// The program's windows, each loaded on first use and kept until it is closed.
namespace windows {

frmMain& Main();
bool IsMainLoaded();

frmDisplay& Display();
bool IsDisplayLoaded();

// The refer-a-friend window: loaded hidden; shown only by the exit hand-off.
frmNagScreen2& NagScreen();
bool IsNagScreenLoaded();

}  // namespace windows
}  // namespace fortunix
