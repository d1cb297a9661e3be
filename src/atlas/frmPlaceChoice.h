#pragma once

#include <QDialog>
#include <QStringList>

#include "atlas/PlaceChooser.h"

class QListWidget;
class QPushButton;

namespace fortunix::atlas {

// The list of places that match the typed city, state and country, most likely first. The
// user confirms one, asks for a web search instead, or cancels; nothing is written here.
class frmPlaceChoice : public QDialog {
    Q_OBJECT

  public:
    frmPlaceChoice(const QString& sought, const QStringList& placeLines, QWidget* parent = nullptr);

    PlaceChoice choice() const { return choice_; }

  private:
    void cmdUsePlace_Click();
    void cmdSearchWeb_Click();
    void cmdCancel_Click();

    QListWidget* lstPlaces_ = nullptr;
    PlaceChoice choice_;
};

}  // namespace fortunix::atlas
