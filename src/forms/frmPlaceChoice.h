#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace fortunix {

// The places that match the typed city, state and country, most likely first. The user
// confirms one, asks for a web search instead, or cancels; the window itself writes nothing
// and only says which was chosen.
class frmPlaceChoice : public QDialog {
    Q_OBJECT

  public:
    // `sought` names what was looked for ("Paris, IDF, France"); `placeLines` may be empty.
    frmPlaceChoice(const QString& sought, const QStringList& placeLines, QWidget* parent = nullptr);

  signals:
    void placeChosen(int row);
    void webSearchChosen();

  private:
    void cmdUsePlace_Click();
    void cmdSearchWeb_Click();

    QListWidget* lstPlaces_ = nullptr;
};

}  // namespace fortunix
