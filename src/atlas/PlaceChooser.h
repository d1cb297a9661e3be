#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace fortunix::atlas {

enum class PlaceChoiceAction { Cancel, UsePlace, SearchWeb };

struct PlaceChoice {
    PlaceChoiceAction action = PlaceChoiceAction::Cancel;
    int row = -1;  // the chosen line, for UsePlace
};

// Lets the user pick one of the places found, ask for a web search instead, or cancel.
// The program shows the modal place-choice window; tests install a scripted chooser.
class PlaceChooser {
  public:
    virtual ~PlaceChooser() = default;
    // `sought` names what was looked for ("Paris, IDF, France"); `placeLines` may be empty.
    virtual PlaceChoice Choose(QWidget* parent, const QString& sought,
                               const QStringList& placeLines) = 0;
};

// nullptr puts the place-choice window back.
void InstallPlaceChooser(PlaceChooser* chooser);
PlaceChooser& CurrentPlaceChooser();

}  // namespace fortunix::atlas
