#pragma once

#include <QMainWindow>

#include <optional>

#include "reading/BirthDataRules.h"
#include "reading/BirthFormState.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace fortunix {

class BirthplaceZoneFollower;
class RecentBirthsMenu;
struct ChosenPlace;

// The birth-data form: the program's main window.
//
// Every control carries its design name as object name (txtLatD, cmdRashi, mnuNext ...).
// The two option-button arrays are QButtonGroups named "optLong" and "optLat" whose ids are
// the array indexes; their buttons are named with the index after an underscore:
// optLong_0 ("East"), optLong_1 ("West"), optLat_0 ("North"), optLat_1 ("South").
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);

    // The reading request (the button and the File menu item).
    void cmdRashi_Click();
    // Looks the latitude and longitude of the typed place up.
    void cmdBrowser_Click();

    // Checks the birth data; tells the user and answers false when it cannot be used.
    bool Input_Validation();
    // Writes the correction of the chosen time zone into the current zone state.
    void Zone_Calculation();

    // Every control as it is now, with the atlas place while the coordinates are its own.
    BirthFormState FormState() const;
    // Fills every control as `state` has them; asks for no reading.
    void ShowFormState(const BirthFormState& state);

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The window as designed: its controls, their places, colours and tab order, and the
    // names a screen reader speaks (frmMainLayout.cpp).
    void BuildMenus();
    void BuildHeaderAndTexts(QWidget* client);
    void BuildInputPanel(QWidget* client);
    void BuildOfferStrip(QWidget* client);
    void SetTabOrder();
    void NameControls();
    void FitZoneListToLanguage();

    void Form_Load();
    // The twelve months in the language in use, the chosen one kept.
    void FillMonthList();
    // The birth data as the controls hold it, for the checks and the reading.
    BirthFormInput BirthForm() const;
    QWidget* FocusTarget(BirthField field) const;
    // Writes a place chosen in the look-up into the latitude and longitude controls and its
    // names into the look-up boxes; the zone follows the place from then on.
    void ShowPlace(const ChosenPlace& place);

    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    QComboBox* cmbTimeZone_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    QLineEdit* txtLatD_ = nullptr;
    QLineEdit* txtLatM_ = nullptr;
    QLineEdit* txtLonD_ = nullptr;
    QLineEdit* txtLonM_ = nullptr;
    QButtonGroup* optLat_ = nullptr;
    QButtonGroup* optLong_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;

    BirthplaceZoneFollower* zoneFollower_ = nullptr;
    RecentBirthsMenu* recentBirths_ = nullptr;

    // What a chosen place writes: the coordinates as the boxes and option buttons hold them,
    // and the look-up boxes that name it.
    struct PlaceBoxes {
        QString latDeg, latMin, lonDeg, lonMin;
        bool south = false;
        bool east = false;
        QString city, state, country;
        friend bool operator==(const PlaceBoxes&, const PlaceBoxes&) = default;
    };
    PlaceBoxes ShownPlaceBoxes() const;
    // The atlas place chosen last and the boxes as it left them: it is the birthplace while
    // they still read so.
    struct PlaceInForm {
        AtlasPlaceName place;
        PlaceBoxes boxes;
    };
    std::optional<PlaceInForm> placeInForm_;
};

}  // namespace fortunix
