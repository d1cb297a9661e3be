#include "forms/frmMain.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string_view>

#include "atlas/LookupQuery.h"
#include "forms/ExitHandOff.h"
#include "forms/LinkStrips.h"
#include "forms/LocationSearch.h"
#include "forms/SharedMenus.h"
#include "forms/Windows.h"
#include "forms/frmAbout.h"
#include "forms/frmDisplay.h"
#include "platform/Platform.h"
#include "reading/CurrentReading.h"
#include "reading/ReadingChain.h"
#include "reading/TimeZoneTable.h"
#include "shell/IgnoringErrors.h"
#include "shell/ProgramTexts.h"
#include "shell/modHelp.h"
#include "widgets/Appearance.h"
#include "widgets/DropDownListAccessible.h"
#include "widgets/KeyPressFilter.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WrappingButton.h"
#include "zones/ZoneHistory.h"
#include "zones/ZoneProposal.h"

namespace fortunix {

namespace {

constexpr int kClientWidth = 6540;
constexpr int kClientHeight = 7440;

const QColor kCaptionBlack{0, 0, 0};
const QColor kIndicatorWhite{255, 255, 255};

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

const char kReadingFailed[] =
    "The reading could not be computed. Please check the birth data and try again.";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A frame without border: a coloured panel.
QWidget* Panel(QWidget* parent, const char* name, const TwipsBox& box, const QColor& background) {
    auto* panel = Place(new QWidget(parent), name, box);
    SetBackground(panel, background);
    return panel;
}

QGroupBox* TitledFrame(QWidget* parent, const char* name, const char* caption,
                       const TwipsBox& box) {
    auto* frame = Place(new QGroupBox(QString::fromLatin1(caption), parent), name, box);
    SetBackground(frame, kMintGreen);
    return frame;
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, const TwipsBox& box,
                const QColor& colour) {
    auto* label = Place(new QLabel(text, parent), name, box);
    SetTextColour(label, colour);
    return label;
}

QLineEdit* TextBox(QWidget* parent, const char* name, const TwipsBox& box, const QColor& background,
                   const QColor& text, int maxLength = 32767) {
    auto* edit = Place(new QLineEdit(parent), name, box);
    SetBackground(edit, background);
    SetTextColour(edit, text);
    edit->setMaxLength(maxLength);
    return edit;
}

QComboBox* DropDownList(QWidget* parent, const char* name, const TwipsBox& box,
                        const QColor& background) {
    InstallDropDownListAccessibility();
    auto* list = Place(new QComboBox(parent), name, box);
    SetBackground(list, background);
    SetTextColour(list, kVioletText);
    list->setMaxVisibleItems(12);
    return list;
}

// Check boxes and option buttons keep a white box to tick on their coloured background.
template <typename Button>
Button* ChoiceButton(QWidget* parent, const char* name, const char* text, const TwipsBox& box) {
    auto* button = Place(new Button(QString::fromLatin1(text), parent), name, box);
    SetBackground(button, kMintGreen);
    SetTextColour(button, kVioletText);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Base, kIndicatorWhite);
    button->setPalette(palette);
    return button;
}

QRadioButton* OptionButton(QWidget* parent, QButtonGroup* array, int index, const char* name,
                           const char* text, const TwipsBox& box) {
    auto* option = ChoiceButton<QRadioButton>(parent, name, text, box);
    array->addButton(option, index);
    return option;
}

// Tab stops at the chosen button of an option array only, as on Windows; the arrow keys move
// the choice within the array.
void TabStopOnChosenOption(QButtonGroup* array) {
    const auto update = [array] {
        for (QAbstractButton* option : array->buttons()) {
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    QObject::connect(array, &QButtonGroup::buttonToggled, array, update);
    update();
}

// A caption that a font broader than Verdana makes wider than its box grows to the right,
// into the free space beside it, rather than lose its last letter.
void WidenToText(QLabel* label) {
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

// "Deg" and "Min" under the two boxes of a coordinate frame.
void UnitCaptions(QWidget* frame, const char* degName, const char* minName) {
    Caption(frame, degName, QStringLiteral("Deg"), {195, 600, 345, 195}, kVioletText);
    WidenToText(Caption(frame, minName, QStringLiteral("Min"), {825, 600, 285, 195}, kVioletText));
}

void FillNumbers(QComboBox* list, int first, int last) {
    for (int number = first; number <= last; ++number) {
        list->addItem(QString::number(number));
    }
}

std::int16_t ToInt16(const QString& text) {
    return static_cast<std::int16_t>(text.toInt());
}

std::int16_t Flag16(bool value) {
    return value ? kTrue16 : kFalse16;
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
    ConnectZoneProposal();
    txtName_->setFocus();
}

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddMenuItem(file, "mnuNext", "Get My Part Of Fortune Reading"), &QAction::triggered,
            this, &frmMain::cmdRashi_Click);
    connect(AddMenuItem(file, "mnuExit", "E&xit"), &QAction::triggered, this, &QWidget::close);

    AddHelpAndOfferMenus(this, {"mnuHelp1", "mnuHelp2", "Check for Software &Update"});
}

void frmMain::BuildHeaderAndTexts(QWidget* client) {
    AddBannerStrip(client, {"fraHeader", {0, 0, 6540, 615}, {0, 120, 6600, 465}});

    QLabel* description =
        Caption(client, "lblDescription", QString::fromUtf8(texts::kProductDescription),
                {120, 600, 6375, 855}, kDarkGreen);
    description->setFont(ProgramFont(8.25, /*bold=*/true));
    description->setAlignment(Qt::AlignCenter);
    description->setWordWrap(true);

    QLabel* instruction =
        Caption(client, "lblInstruction",
                QStringLiteral("Enter the Correct Details and Know More about Yourself "),
                {120, 1425, 6375, 255}, kInstructionBlue);
    instruction->setFont(ProgramFont(8.25, /*bold=*/true));
    instruction->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void frmMain::BuildInputPanel(QWidget* client) {
    QWidget* panel = Panel(client, "fraInput", {0, 1680, 6540, 4935}, kSkyBlue);

    Caption(panel, "lblName", QStringLiteral("Name"), {840, 285, 1110, 195}, kCaptionBlack);
    Caption(panel, "lblDateOfBirth", QStringLiteral("Date of Birth"), {840, 660, 1110, 195},
            kCaptionBlack);
    Caption(panel, "lblTimeOfBirth", QStringLiteral("Time of Birth"), {840, 1020, 1110, 195},
            kCaptionBlack);
    Caption(panel, "lblTimeFormat", QStringLiteral("HH:MM:SS"), {4800, 1080, 900, 195},
            kCaptionBlack);
    Caption(panel, "lblCity", QStringLiteral("City"), {840, 3360, 690, 195}, kCaptionBlack);
    Caption(panel, "lblState", QStringLiteral("State"), {840, 3720, 690, 195}, kCaptionBlack);
    Caption(panel, "lblCountry", QStringLiteral("Country"), {840, 4080, 690, 195}, kCaptionBlack);

    txtName_ = TextBox(panel, "txtName", {2040, 240, 3615, 285}, kMintGreen, kVioletText);
    new KeyPressFilter(txtName_, FilterNameKey);

    cboMonth_ = DropDownList(panel, "cboMonth", {2040, 600, 1695, 315}, kMintGreen);
    cboDate_ = DropDownList(panel, "cboDate", {3900, 600, 735, 315}, kMintGreen);
    cboYear_ = DropDownList(panel, "cboYear", {4800, 600, 855, 315}, kMintGreen);
    cboHH_ = DropDownList(panel, "cboHH", {2040, 960, 735, 315}, kMintGreen);
    cboMM_ = DropDownList(panel, "cboMM", {3000, 960, 735, 315}, kMintGreen);
    cboSS_ = DropDownList(panel, "cboSS", {3900, 960, 735, 315}, kMintGreen);

    QGroupBox* zone = TitledFrame(panel, "fraZone", "Zone", {840, 1320, 4815, 1095});
    chkDST_ =
        ChoiceButton<QCheckBox>(zone, "chkDST", "Daylight Saving Time", {2040, 240, 2415, 375});
    chkDST_->setFont(ProgramFont(8.25, /*bold=*/true));
    cmbTimeZone_ = DropDownList(zone, "cmbTimeZone", {120, 600, 4335, 315}, kSkyBlue);

    QGroupBox* latitude = TitledFrame(panel, "fraLatitude", "Latitude", {840, 2475, 2415, 855});
    txtLatD_ = TextBox(latitude, "txtLatD", {120, 240, 495, 285}, kSkyBlue, kNavyText, 2);
    txtLatM_ = TextBox(latitude, "txtLatM", {720, 240, 495, 285}, kSkyBlue, kNavyText, 2);
    UnitCaptions(latitude, "lblLatDeg", "lblLatMin");
    optLat_ = new QButtonGroup(this);
    optLat_->setObjectName(QStringLiteral("optLat"));
    OptionButton(latitude, optLat_, 0, "optLat_0", "North", {1320, 240, 855, 255})
        ->setChecked(true);
    OptionButton(latitude, optLat_, 1, "optLat_1", "South", {1320, 480, 855, 255});

    QGroupBox* longitude = TitledFrame(panel, "fraLongitude", "Longitude", {3360, 2475, 2295, 855});
    txtLonD_ = TextBox(longitude, "txtLonD", {120, 240, 495, 285}, kSkyBlue, kNavyText, 3);
    txtLonM_ = TextBox(longitude, "txtLonM", {720, 240, 495, 285}, kSkyBlue, kNavyText, 2);
    UnitCaptions(longitude, "lblLonDeg", "lblLonMin");
    optLong_ = new QButtonGroup(this);
    optLong_->setObjectName(QStringLiteral("optLong"));
    OptionButton(longitude, optLong_, 0, "optLong_0", "East", {1320, 240, 735, 255})
        ->setChecked(true);
    OptionButton(longitude, optLong_, 1, "optLong_1", "West", {1320, 480, 735, 255});

    TabStopOnChosenOption(optLat_);
    TabStopOnChosenOption(optLong_);
    for (QLineEdit* box : {txtLatD_, txtLatM_, txtLonD_, txtLonM_}) {
        new KeyPressFilter(box, FilterNumericKey);
    }

    txtMCity_ = TextBox(panel, "txtMCity", {2040, 3360, 1935, 285}, kMintGreen, kVioletText);
    txtMState_ = TextBox(panel, "txtMState", {2040, 3720, 1935, 285}, kMintGreen, kVioletText);
    txtMCountry_ = TextBox(panel, "txtMCountry", {2040, 4080, 1935, 285}, kMintGreen, kVioletText);

    cmdBrowser_ =
        Place(new WrappingButton(QStringLiteral("Click Here To Find Latitude && Longitude"), panel),
              "cmdBrowser", {4200, 3360, 1455, 1035});
    cmdRashi_ = Place(new QPushButton(QStringLiteral("Get My Part Of Fortune Reading"), panel),
                      "cmdRashi", {840, 4440, 4815, 375});
    cmdRashi_->setFont(ProgramFont(8.25, /*bold=*/true));
    for (QPushButton* button : {cmdBrowser_, cmdRashi_}) {
        SetBackground(button, kSkyBlue);
        SetTextColour(button, kVioletText);
        button->setAutoDefault(true);  // Enter presses the button that has the focus
    }
    connect(cmdBrowser_, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(cmdRashi_, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
}

void frmMain::BuildOfferStrip(QWidget* client) {
    AddOfferStrip(client, {"fraOffers",
                           {0, 6600, 6540, 855},
                           {150, 120, 6225, 615},
                           {150, 120, 6225, 615},
                           OfferInFront::CoBrand});
}

void frmMain::SetTabOrder() {
    const std::array<QWidget*, 22> order = {txtName_,
                                            cboMonth_,
                                            cboDate_,
                                            cboYear_,
                                            cboHH_,
                                            cboMM_,
                                            cboSS_,
                                            chkDST_,
                                            txtLonM_,
                                            optLong_->button(0),
                                            optLong_->button(1),
                                            txtLatD_,
                                            txtLatM_,
                                            optLat_->button(0),
                                            optLat_->button(1),
                                            txtMCity_,
                                            txtMState_,
                                            txtMCountry_,
                                            cmdBrowser_,
                                            cmdRashi_,
                                            txtLonD_,
                                            cmbTimeZone_};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

// Names that a screen reader speaks for controls whose captions sit beside them, or whose
// captions ("Deg", "Min") mean nothing alone; the descriptions give the accepted values.
void frmMain::NameControls() {
    const struct {
        QWidget* control;
        const char* name;
        const char* description;
    } controls[] = {
        {txtName_, "Name", "Letters and spaces only"},
        {cboMonth_, "Month of birth", ""},
        {cboDate_, "Day of birth", ""},
        {cboYear_, "Year of birth", "1901 to 2050"},
        {cboHH_, "Hour of birth", "0 to 23"},
        {cboMM_, "Minute of birth", ""},
        {cboSS_, "Second of birth", "Not used by the reading"},
        {cmbTimeZone_, "Time zone", "The standard time zone of the place of birth"},
        {chkDST_, "Daylight Saving Time", "Tick when summer time was in force at the birth"},
        {txtLatD_, "Latitude degrees", "0 to 89"},
        {txtLatM_, "Latitude minutes", "0 to 59"},
        {optLat_->button(0), "North", ""},
        {optLat_->button(1), "South", ""},
        {txtLonD_, "Longitude degrees", "0 to 179"},
        {txtLonM_, "Longitude minutes", "0 to 59"},
        {optLong_->button(0), "East", ""},
        {optLong_->button(1), "West", ""},
        {txtMCity_, "City", "Place of birth, for the look-up of its latitude and longitude"},
        {txtMState_, "State", ""},
        {txtMCountry_, "Country", ""},
        {cmdBrowser_, "Find latitude and longitude", "Looks up the typed city, state and country"},
        {cmdRashi_, "Get My Part Of Fortune Reading", ""},
    };
    for (const auto& entry : controls) {
        entry.control->setAccessibleName(QString::fromLatin1(entry.name));
        entry.control->setAccessibleDescription(QString::fromLatin1(entry.description));
    }
}

void frmMain::Form_Load() {
    for (const char* month : kMonthNames) {
        cboMonth_->addItem(QString::fromLatin1(month));
    }
    for (const TimeZoneRow& row : kTimeZoneTable) {
        cmbTimeZone_->addItem(FromUtf8(row.listText));
    }
    FillNumbers(cboDate_, 1, 31);
    FillNumbers(cboYear_, kFirstYear, kLastYear);
    FillNumbers(cboHH_, 0, 23);
    FillNumbers(cboMM_, 0, 59);
    FillNumbers(cboSS_, 0, 59);
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_}) {
        list->setCurrentIndex(0);
    }
    cmbTimeZone_->setCurrentIndex(kDefaultTimeZoneIndex);
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
    BirthFormInput input;
    input.name = txtName_->text().toStdString();
    input.lonDeg = txtLonD_->text().toStdString();
    input.lonMin = txtLonM_->text().toStdString();
    input.latDeg = txtLatD_->text().toStdString();
    input.latMin = txtLatM_->text().toStdString();
    input.yearText = cboYear_->currentText().toStdString();
    input.monthIndex = cboMonth_->currentIndex();
    input.dayIndex = cboDate_->currentIndex();

    const std::optional<RuleFailure> failure = CheckBirthForm(input);
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
    if (index == zones::kBirthplaceTimeRow && birthplaceTimeMinutes_) {
        zoneState = ZoneStateForOffset(*birthplaceTimeMinutes_);
        return;
    }
    ApplyZoneSelection(index, zoneState);
}

void frmMain::cmdRashi_Click() {
    if (!Input_Validation()) {
        return;
    }
    birthRecord.name = txtName_->text().toStdString();
    Zone_Calculation();
    birthRecord.month = static_cast<std::int16_t>(cboMonth_->currentIndex() + 1);
    birthRecord.day = ToInt16(cboDate_->currentText());
    birthRecord.year = ToInt16(cboYear_->currentText());
    birthRecord.hour = ToInt16(cboHH_->currentText());
    birthRecord.minute = ToInt16(cboMM_->currentText());
    birthRecord.zoneHours = static_cast<std::int16_t>(std::abs(zoneState.hours));
    birthRecord.zoneMinutes = static_cast<std::int16_t>(std::abs(zoneState.minutes));
    birthRecord.lonDeg = ToInt16(txtLonD_->text());
    birthRecord.lonMin = ToInt16(txtLonM_->text());
    birthRecord.latDeg = ToInt16(txtLatD_->text());
    birthRecord.latMin = ToInt16(txtLatM_->text());
    birthRecord.isEast = Flag16(optLong_->button(0)->isChecked());
    birthRecord.isSouth = Flag16(optLat_->button(1)->isChecked());
    birthRecord.isDst = Flag16(chkDST_->isChecked());

    std::optional<std::string_view> paragraph;
    try {
        paragraph = RunReadingEngines(cboHH_->currentIndex());
    } catch (...) {
        ShowMessage(this, QString::fromLatin1(kReadingFailed), MessageIcon::Error);
        return;
    }

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
        LocationSearch search(this, typed, BirthMoment());
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
        birthplace_ = place.zone;
        zoneFollowsBirthplace_ = true;
        ShowZoneProposal(*place.proposal);
    }
}

void frmMain::ConnectZoneProposal() {
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::BirthMoment_Change);
    }
    // Only the user's own choices: `activated` and `clicked` come from the mouse and keys.
    connect(cmbTimeZone_, &QComboBox::activated, this, &frmMain::cmbTimeZone_Click);
    connect(chkDST_, &QCheckBox::clicked, this, &frmMain::chkDST_Click);
}

void frmMain::BirthMoment_Change() {
    if (zoneFollowsBirthplace_ && !proposing_) {
        ProposeBirthplaceZone();
    }
}

void frmMain::cmbTimeZone_Click(int index) {
    zoneFollowsBirthplace_ = false;
    if (index != zones::kBirthplaceTimeRow) {
        RemoveBirthplaceTime();
    }
}

void frmMain::chkDST_Click() {
    zoneFollowsBirthplace_ = false;
}

CivilMoment frmMain::BirthMoment() const {
    return {cboYear_->currentText().toInt(), cboMonth_->currentIndex() + 1,
            cboDate_->currentText().toInt(), cboHH_->currentText().toInt(),
            cboMM_->currentText().toInt()};
}

void frmMain::ProposeBirthplaceZone() {
    if (birthplace_) {
        // A new moment starts from the first of a repeated hour.
        ShowZoneProposal(
            zones::ProposeForMoment(zones::BuiltInZoneHistory(), *birthplace_, BirthMoment()));
    }
}

void frmMain::ShowZoneProposal(const zones::ZoneProposal& proposal) {
    proposing_ = true;
    if (proposal.row == zones::kBirthplaceTimeRow) {
        const QString text = zones::BirthplaceTimeText(proposal.exactOffsetMinutes);
        if (birthplaceTimeMinutes_) {
            cmbTimeZone_->setItemText(zones::kBirthplaceTimeRow, text);
        } else {
            cmbTimeZone_->addItem(text);
        }
        birthplaceTimeMinutes_ = proposal.exactOffsetMinutes;
    } else {
        RemoveBirthplaceTime();
    }
    cmbTimeZone_->setCurrentIndex(proposal.row);
    chkDST_->setChecked(proposal.daylightSaving);
    proposing_ = false;
}

void frmMain::RemoveBirthplaceTime() {
    if (birthplaceTimeMinutes_) {
        cmbTimeZone_->removeItem(zones::kBirthplaceTimeRow);
        birthplaceTimeMinutes_.reset();
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    IgnoringErrors(RunExitHandOff);
    event->accept();
}

}  // namespace fortunix
