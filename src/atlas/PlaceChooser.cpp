#include "atlas/PlaceChooser.h"

#include "atlas/frmPlaceChoice.h"

namespace fortunix::atlas {

namespace {

class PlaceChoiceWindow final : public PlaceChooser {
  public:
    PlaceChoice Choose(QWidget* parent, const QString& sought,
                       const QStringList& placeLines) override {
        frmPlaceChoice window(sought, placeLines, parent);
        window.exec();
        return window.choice();
    }
};

PlaceChooser* installedChooser = nullptr;

}  // namespace

void InstallPlaceChooser(PlaceChooser* chooser) {
    installedChooser = chooser;
}

PlaceChooser& CurrentPlaceChooser() {
    static PlaceChoiceWindow window;
    return installedChooser != nullptr ? *installedChooser : window;
}

}  // namespace fortunix::atlas
