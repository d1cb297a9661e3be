#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace fortunix {

// What the place-choice window offers.
struct PlaceChoice {
    QString sought;               // what was looked for, "Paris, IDF, France"
    QStringList placeLines;       // most likely first; may be empty
    bool closeSpellings = false;  // nothing matched: these names are a letter or two off
    QString unknownCountry;       // the typed country, when it names no country known
};

// The window's texts, from what it offers.
QString PlaceChoicePrompt(const PlaceChoice& choice);
QString UnknownCountryNote(const PlaceChoice& choice);  // empty when the country is known

// The places that match the typed city, state and country, most likely first, or else the
// places of names spelled closest to the city. The user confirms one, asks for a web search
// instead, or cancels; the window itself writes nothing
// and only says which was chosen.
class frmPlaceChoice : public QDialog {
    Q_OBJECT

  public:
    explicit frmPlaceChoice(const PlaceChoice& choice, QWidget* parent = nullptr);

  signals:
    void placeChosen(int row);
    void webSearchChosen();

  private:
    void cmdUsePlace_Click();
    void cmdSearchWeb_Click();

    QListWidget* lstPlaces_ = nullptr;
};

}  // namespace fortunix
