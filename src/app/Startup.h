#pragma once

#include <QtGlobal>

class QWidget;

namespace fortunix {

inline constexpr char kAlreadyRunningText[] =
    QT_TRANSLATE_NOOP("Fortunix", "Application is already running");

// The start-up sequence: refuses a second copy (and asks the running copy to come to the
// front), answers later starts, seeds the random generator, runs the update reminder, shows
// the main window and picks the offer in front. False when the program must end at once
// (another copy runs); no window has then been shown.
bool RunStartup();

// Brings one of the main window's two overlapping offer labels to the front, at random.
void CoBrand_Randomize();

// The draw turned into 1..7: draw × 6 + 1 in single precision, rounded to the nearest whole
// number with halves going to the even neighbour.
int CoBrandChoice(float draw);

// Odd choices (1, 3, 5) put lblCobrand in front, even ones (2, 4, 6) lblFullBrand; 7 keeps
// the stacking of the window's layout.
void BringOfferToFront(QWidget* window, int choice);

}  // namespace fortunix
