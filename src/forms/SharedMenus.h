#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace fortunix {

// Adds an item with its object name and caption ("&" marks the access key).
QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption);

// Names and the one caption in which the Help menus of the two windows differ.
struct HelpMenuDesign {
    const char* firstSeparator;
    const char* secondSeparator;
    const char* updateCaption;
};

// The menus the main and the result window share, after their own File menu: Help (online
// help, home page, update check, about box), Donate, and Make Money Online, which ships
// unavailable and is shown greyed out.
void AddHelpAndOfferMenus(QMainWindow* window, const HelpMenuDesign& design);

}  // namespace fortunix
