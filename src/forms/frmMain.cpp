#include "forms/frmMain.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>
#include <string_view>

#include "atlas/LookupQuery.h"
#include "ephemeris/Calendar.h"
#include "forms/BirthplaceZoneFollower.h"
#include "forms/ExitHandOff.h"
#include "forms/LocationSearch.h"
#include "forms/Windows.h"
#include "forms/frmDisplay.h"
#include "platform/Platform.h"
#include "reading/BirthRecordFilling.h"
#include "reading/CurrentReading.h"
#include "reading/TimeZoneTable.h"
#include "shell/IgnoringErrors.h"
#include "shell/modHelp.h"
#include "widgets/WindowPlacement.h"
#include "zones/ZoneProposal.h"

namespace fortunix {

namespace {

constexpr int kClientWidth = 6540;
constexpr int kClientHeight = 7440;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void FillNumbers(QComboBox* list, int first, int last) {
    for (int number = first; number <= last; ++number) {
        list->addItem(QString::number(number));
    }
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent, kFixedWindowFlags) {
    QWidget* client = SetUpFixedWindow(this, "frmMain", kClientWidth, kClientHeight);

    BuildMenus();
    BuildHeaderAndTexts(client);
    BuildInputPanel(client);
    BuildOfferStrip(client);
    SetTabOrder();
    NameControls();
    FixWindowSize(this);

    Form_Load();
    zoneFollower_ = new BirthplaceZoneFollower(
        {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cmbTimeZone_, chkDST_}, this);
    txtName_->setFocus();
}

// Each step runs with errors ignored: one that fails leaves its list as it is.
void frmMain::Form_Load() {
    IgnoringErrors([this] {
        for (int month = 1; month <= 12; ++month) {
            cboMonth_->addItem(FromUtf8(MonthName(month)));
        }
    });
    IgnoringErrors([this] {
        for (const TimeZoneRow& row : kTimeZoneTable) {
            cmbTimeZone_->addItem(FromUtf8(row.listText));
        }
    });
    IgnoringErrors([this] {
        FillNumbers(cboDate_, 1, 31);
        FillNumbers(cboYear_, kFirstYear, kLastYear);
        FillNumbers(cboHH_, 0, 23);
        FillNumbers(cboMM_, 0, 59);
        FillNumbers(cboSS_, 0, 59);
    });
    IgnoringErrors([this] {
        for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_}) {
            list->setCurrentIndex(0);
        }
    });
    IgnoringErrors([this] { cmbTimeZone_->setCurrentIndex(kDefaultTimeZoneIndex); });
}

BirthFormInput frmMain::BirthForm() const {
    BirthFormInput input;
    input.name = txtName_->text().toStdString();
    input.lonDeg = txtLonD_->text().toStdString();
    input.lonMin = txtLonM_->text().toStdString();
    input.latDeg = txtLatD_->text().toStdString();
    input.latMin = txtLatM_->text().toStdString();
    input.yearText = cboYear_->currentText().toStdString();
    input.monthIndex = cboMonth_->currentIndex();
    input.dayIndex = cboDate_->currentIndex();
    input.hourText = cboHH_->currentText().toStdString();
    input.minuteText = cboMM_->currentText().toStdString();
    input.east = optLong_->button(0)->isChecked();
    input.south = optLat_->button(1)->isChecked();
    input.dst = chkDST_->isChecked();
    return input;
}

QWidget* frmMain::FocusTarget(BirthField field) const {
    switch (field) {
        case BirthField::Name:
            return txtName_;
        case BirthField::LonDeg:
            return txtLonD_;
        case BirthField::LonMin:
            return txtLonM_;
        case BirthField::LatDeg:
            return txtLatD_;
        case BirthField::LatMin:
            return txtLatM_;
        case BirthField::None:
            break;
    }
    return nullptr;
}

bool frmMain::Input_Validation() {
    const std::optional<RuleFailure> failure = CheckBirthForm(BirthForm());
    if (!failure) {
        return true;
    }
    ShowMessage(this, FromUtf8(failure->message), failure->icon);
    if (QWidget* field = FocusTarget(failure->focus)) {
        field->setFocus();
    }
    return false;
}

void frmMain::Zone_Calculation() {
    const int index = cmbTimeZone_->currentIndex();
    const std::optional<int> birthplaceTime = zoneFollower_->BirthplaceTimeMinutes();
    if (index == zones::kBirthplaceTimeRow && birthplaceTime) {
        zoneState = ZoneStateForOffset(*birthplaceTime);
        return;
    }
    ApplyZoneSelection(index, zoneState);
}

// The engines are arithmetic over checked input and fail on none of it, so the request
// catches nothing.
void frmMain::cmdRashi_Click() {
    if (!Input_Validation()) {
        return;
    }
    Zone_Calculation();
    birthRecord = FillBirthRecord(BirthForm(), zoneState);
    const std::optional<std::string_view> paragraph = RunReadingEngines(cboHH_->currentIndex());

    frmDisplay& display = windows::Display();
    display.SetPartOfFortune(QString::fromStdString(partOfFortune.caption));
    if (paragraph) {
        display.SetInterpretation(FromUtf8(*paragraph));
    }
    HideExitWindow();
    hide();
    display.show();
}

void frmMain::cmdBrowser_Click() {
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {{txtMCity_, "Please Enter City"},
                    {txtMState_, "Please Enter State"},
                    {txtMCountry_, "Please Enter Country"}};
    for (const auto& field : required) {
        if (field.box->text().isEmpty()) {
            ShowMessage(this, QString::fromLatin1(field.message), MessageIcon::Information);
            field.box->setFocus();
            return;
        }
    }
    const atlas::PlaceQuery typed{txtMCity_->text(), txtMState_->text(), txtMCountry_->text()};
    // The look-up is a helper outside the reading: if it fails, the click does nothing.
    IgnoringErrors([this, &typed] {
        LocationSearch search(this, typed, zoneFollower_->BirthMoment());
        QVariant chosen;
        search.Search(atlas::LookupQueryText(typed), MainSiteBase(), chosen);
        if (chosen.canConvert<ChosenPlace>()) {
            ShowPlace(chosen.value<ChosenPlace>());
        }
    });
}

void frmMain::ShowPlace(const ChosenPlace& place) {
    txtLatD_->setText(QString::number(place.latitude.degrees));
    txtLatM_->setText(QString::number(place.latitude.minutes));
    optLat_->button(place.latitude.positive ? 0 : 1)->setChecked(true);  // North : South
    txtLonD_->setText(QString::number(place.longitude.degrees));
    txtLonM_->setText(QString::number(place.longitude.minutes));
    optLong_->button(place.longitude.positive ? 0 : 1)->setChecked(true);  // East : West
    if (place.proposal) {
        zoneFollower_->Follow(place.zone, *place.proposal);
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    IgnoringErrors(RunExitHandOff);
    event->accept();
}

}  // namespace fortunix
