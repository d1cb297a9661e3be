#include "forms/frmMain.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>
#include <optional>
#include <string_view>

#include "atlas/LookupQuery.h"
#include "ephemeris/Calendar.h"
#include "forms/BirthplaceZoneFollower.h"
#include "forms/ExitHandOff.h"
#include "forms/LocationSearch.h"
#include "forms/ProgramLanguage.h"
#include "forms/ReadingSheet.h"
#include "forms/ReadingTexts.h"
#include "forms/RecentBirthsMenu.h"
#include "forms/Windows.h"
#include "forms/frmDisplay.h"
#include "platform/Platform.h"
#include "reading/BirthRecordFilling.h"
#include "reading/CurrentReading.h"
#include "reading/TimeZoneTable.h"
#include "shell/IgnoringErrors.h"
#include "shell/modHelp.h"
#include "widgets/Utf8Text.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowTexts.h"
#include "zones/ZoneHistory.h"
#include "zones/ZoneProposal.h"

namespace fortunix {

namespace {

constexpr int kClientWidth = 6540;
constexpr int kClientHeight = 7440;

// All at once: the list then takes in its entries and tells its watchers once, not once for
// each entry.
void FillNumbers(QComboBox* list, int first, int last) {
    QStringList numbers;
    numbers.reserve(last - first + 1);
    for (int number = first; number <= last; ++number) {
        numbers.append(QString::number(number));
    }
    list->addItems(numbers);
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
    FitZoneListToLanguage();
    FixWindowSize(this);

    Form_Load();
    // The window is built in English; a change of language later translates it as well.
    if (LanguageInUse() != QLatin1String(kEnglish)) {
        TranslateWindowTexts(this);
    }
    zoneFollower_ = new BirthplaceZoneFollower(
        {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cmbTimeZone_, chkDST_}, this);
    txtName_->setFocus();
    // Read once the window is up: nothing of it delays the start.
    QTimer::singleShot(0, recentBirths_, &RecentBirthsMenu::EnsureLoaded);
}

// Each step runs with errors ignored: one that fails leaves its list as it is.
void frmMain::Form_Load() {
    IgnoringErrors([this] { FillMonthList(); });
    IgnoringErrors([this] {
        QStringList zones;
        zones.reserve(kTimeZoneCount);
        for (int row = 0; row < kTimeZoneCount; ++row) {
            zones.append(TimeZoneListText(row));
        }
        cmbTimeZone_->addItems(zones);
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

void frmMain::FillMonthList() {
    for (int month = 1; month <= 12; ++month) {
        if (cboMonth_->count() < month) {
            cboMonth_->addItem(MonthText(month));
        } else {
            cboMonth_->setItemText(month - 1, MonthText(month));
        }
    }
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

// A position outside the list leaves the zone state as it was.
void frmMain::Zone_Calculation() {
    // The list holds the birthplace-time entry only while it has its offset.
    const zones::ZoneProposal shown{cmbTimeZone_->currentIndex(), chkDST_->isChecked(),
                                    zoneFollower_->BirthplaceTimeMinutes().value_or(0)};
    if (const std::optional<ZoneState> correction = zones::CorrectionOf(shown)) {
        zoneState = *correction;
    }
}

// The engines are arithmetic over checked input and fail on none of it, so the request
// catches nothing.
void frmMain::cmdRashi_Click() {
    if (!Input_Validation()) {
        return;
    }
    Zone_Calculation();
    const BirthFormState form = FormState();
    birthRecord = FillBirthRecord(form.fields, zoneState);
    const std::optional<std::string_view> paragraph = RunReadingEngines(cboHH_->currentIndex());

    frmDisplay& display = windows::Display();
    const int sign = SignIndexOfDegree(partOfFortune.degrees);
    display.SetPartOfFortune(DegreeInSignCaption(partOfFortune.degrees));
    if (paragraph) {
        display.SetInterpretation(InterpretationParagraphText(sign));
    }
    // The sheet shows the universal time of the Sun engine's record; the ascendant and Moon
    // engines count the same instant from the local date.
    display.SetReading({form, planetEngineState.universal, chartPositions, partOfFortune.degrees,
                        DegreeInSignCaption(partOfFortune.degrees),
                        paragraph ? InterpretationParagraphText(sign) : QString()});
    recentBirths_->Remember(form);
    HideExitWindow();
    hide();
    display.show();
}

void frmMain::cmdBrowser_Click() {
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {{txtMCity_, QT_TRANSLATE_NOOP("Fortunix", "Please Enter City")},
                    {txtMState_, QT_TRANSLATE_NOOP("Fortunix", "Please Enter State")},
                    {txtMCountry_, QT_TRANSLATE_NOOP("Fortunix", "Please Enter Country")}};
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

frmMain::PlaceBoxes frmMain::ShownPlaceBoxes() const {
    return {txtLatD_->text(),
            txtLatM_->text(),
            txtLonD_->text(),
            txtLonM_->text(),
            optLat_->button(1)->isChecked(),
            optLong_->button(0)->isChecked(),
            txtMCity_->text(),
            txtMState_->text(),
            txtMCountry_->text()};
}

BirthFormState frmMain::FormState() const {
    BirthFormState state;
    state.fields = BirthForm();
    state.secondIndex = cboSS_->currentIndex();
    state.zoneRow = cmbTimeZone_->currentIndex();
    state.birthplaceTimeMinutes = zoneFollower_->BirthplaceTimeMinutes();
    state.city = txtMCity_->text().toStdString();
    state.state = txtMState_->text().toStdString();
    state.country = txtMCountry_->text().toStdString();
    // A place whose coordinates or names were edited afterwards is no longer the birthplace.
    if (placeInForm_ && placeInForm_->boxes == ShownPlaceBoxes()) {
        state.place = placeInForm_->place;
        state.zoneFollowsPlace = zoneFollower_->FollowsPlace();
    }
    return state;
}

void frmMain::ShowFormState(const BirthFormState& state) {
    const BirthFormInput& fields = state.fields;
    zoneFollower_->StopFollowing();
    txtName_->setText(QString::fromStdString(fields.name));
    cboMonth_->setCurrentIndex(fields.monthIndex);
    cboDate_->setCurrentIndex(fields.dayIndex);
    cboYear_->setCurrentIndex(cboYear_->findText(QString::fromStdString(fields.yearText)));
    cboHH_->setCurrentIndex(cboHH_->findText(QString::fromStdString(fields.hourText)));
    cboMM_->setCurrentIndex(cboMM_->findText(QString::fromStdString(fields.minuteText)));
    cboSS_->setCurrentIndex(state.secondIndex);
    txtLatD_->setText(QString::fromStdString(fields.latDeg));
    txtLatM_->setText(QString::fromStdString(fields.latMin));
    optLat_->button(fields.south ? 1 : 0)->setChecked(true);
    txtLonD_->setText(QString::fromStdString(fields.lonDeg));
    txtLonM_->setText(QString::fromStdString(fields.lonMin));
    optLong_->button(fields.east ? 0 : 1)->setChecked(true);
    txtMCity_->setText(QString::fromStdString(state.city));
    txtMState_->setText(QString::fromStdString(state.state));
    txtMCountry_->setText(QString::fromStdString(state.country));

    std::optional<zones::BirthplaceZone> followed;
    placeInForm_.reset();
    if (state.place) {
        placeInForm_ = PlaceInForm{*state.place, ShownPlaceBoxes()};
        const qsizetype zone =
            state.zoneFollowsPlace
                ? zones::BuiltInZoneHistory().findZone(QString::fromStdString(state.place->zone))
                : -1;
        if (zone >= 0) {
            followed = zones::BirthplaceZone{static_cast<quint16>(zone), state.place->longitude};
        }
    }
    zoneFollower_->Restore(state.zoneRow, state.birthplaceTimeMinutes, fields.dst, followed);
}

void frmMain::ShowPlace(const ChosenPlace& place) {
    txtLatD_->setText(QString::number(place.latitude.degrees));
    txtLatM_->setText(QString::number(place.latitude.minutes));
    optLat_->button(place.latitude.positive ? 0 : 1)->setChecked(true);  // North : South
    txtLonD_->setText(QString::number(place.longitude.degrees));
    txtLonM_->setText(QString::number(place.longitude.minutes));
    optLong_->button(place.longitude.positive ? 0 : 1)->setChecked(true);  // East : West
    // The boxes name the place the coordinates are of, not a slip the look-up forgave; a
    // place without a division leaves State as typed.
    txtMCity_->setText(place.name);
    if (!place.division.isEmpty()) {
        txtMState_->setText(place.division);
    }
    txtMCountry_->setText(place.country);
    if (place.proposal) {
        zoneFollower_->Follow(place.zone, *place.proposal);
    }
    const QString zoneName = zones::BuiltInZoneHistory().zoneName(place.zone.zone);
    placeInForm_ =
        PlaceInForm{{place.name.toStdString(), place.division.toStdString(),
                     place.country.toStdString(), zoneName.toStdString(), place.zone.longitude},
                    ShownPlaceBoxes()};
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        FitZoneListToLanguage();
        TranslateWindowTexts(this);
        FillMonthList();
        for (int row = 0; row < kTimeZoneCount; ++row) {
            cmbTimeZone_->setItemText(row, TimeZoneListText(row));
        }
        if (const std::optional<int> minutes = zoneFollower_->BirthplaceTimeMinutes()) {
            cmbTimeZone_->setItemText(zones::kBirthplaceTimeRow, BirthplaceTimeText(*minutes));
        }
    }
    QMainWindow::changeEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    IgnoringErrors(RunExitHandOff);
    event->accept();
}

}  // namespace fortunix
