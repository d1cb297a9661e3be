#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QLabel;
class QListWidget;
class QRadioButton;

namespace fortunix {

// What a listed place means for the time zone at the form's birth moment.
struct PlaceZoneNote {
    QString description;  // "Time zone on 1 July 1950, 12:00: UTC−04:00 EDT, summer time (…)"
    QString sets;         // what "Use This Place" sets in the zone list and the tick
    // For an hour that the clocks repeated: the two choices, and what the second sets.
    QString firstChoice;
    QString secondChoice;
    QString setsSecond;
};

// What the place-choice window offers.
struct PlaceChoice {
    QString sought;                    // what was looked for, "Paris, IDF, France"
    QStringList placeLines;            // most likely first; may be empty
    bool closeSpellings = false;       // nothing matched: these names are a letter or two off
    QString unknownCountry;            // the typed country, when it names no country known
    QString countryWithoutPlace = {};  // the typed country, when known but no place is in it
};

// The window's texts, from what it offers; what was typed is quoted at most
// atlas::kQuotedCharacters long.
QString PlaceChoicePrompt(const PlaceChoice& choice);
// Why places of other countries are listed: empty when the typed country holds them, or none
// was typed.
QString CountryNote(const PlaceChoice& choice);

// The places that match the typed city, state and country, most likely first, or else the
// places of names spelled closest to the city. The user confirms one, asks for a web search
// instead, or cancels; the window itself writes nothing
// and only says which was chosen.
class frmPlaceChoice : public QDialog {
    Q_OBJECT

  public:
    // `zoneNotes`, one per place when the birth moment is known, are shown for the highlighted
    // place.
    explicit frmPlaceChoice(const PlaceChoice& choice, QWidget* parent = nullptr,
                            std::vector<PlaceZoneNote> zoneNotes = {});

  signals:
    // `laterOfRepeated`: the user chose the second of an hour that the clocks repeated.
    void placeChosen(int row, bool laterOfRepeated);
    void webSearchChosen();

  private:
    void cmdUsePlace_Click();
    void cmdSearchWeb_Click();
    void ShowZoneNote();

    QListWidget* lstPlaces_ = nullptr;
    QLabel* lblZone_ = nullptr;
    QRadioButton* optRepeated_[2] = {nullptr, nullptr};
    std::vector<PlaceZoneNote> zoneNotes_;
};

}  // namespace fortunix
