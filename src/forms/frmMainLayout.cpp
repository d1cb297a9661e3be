// The main window as designed: menus, controls at their twips places with their colours, the
// tab order and the names a screen reader speaks. The handlers are in frmMain.cpp.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>

#include "forms/LanguageMenu.h"
#include "forms/LinkStrips.h"
#include "forms/NameLetters.h"
#include "forms/ProgramLanguage.h"
#include "forms/RecentBirthsMenu.h"
#include "forms/SharedMenus.h"
#include "forms/frmMain.h"
#include "shell/ProgramTexts.h"
#include "widgets/Appearance.h"
#include "widgets/Controls.h"
#include "widgets/KeyPressFilter.h"
#include "widgets/Twips.h"
#include "widgets/WindowTexts.h"

namespace fortunix {

namespace {

const QColor kCaptionBlack{0, 0, 0};

// Input controls are mint green, except the zone list and the two commands, sky blue like the
// panel, and the coordinate boxes, sky blue with navy text.
const ControlColours kInputColours{kMintGreen, kVioletText};
const ControlColours kSkyInputColours{kSkyBlue, kVioletText};
const ControlColours kCoordinateColours{kSkyBlue, kNavyText};

// The zone frame and its list as designed. Zone names in other languages run longer than the
// English ones: there both reach further right, to the panel's margin, rather than cut the
// names short.
constexpr TwipsBox kZoneFrameBox{840, 1320, 4815, 1095};
constexpr TwipsBox kZoneListBox{120, 600, 4335, 315};
constexpr int kZoneWidening = 765;

// A caption that a font broader than Verdana makes wider than its box grows to the right,
// into the free space beside it, rather than lose its last letter.
void WidenToText(QLabel* label) {
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

// "Deg" and "Min" under the two boxes of a coordinate frame.
void UnitCaptions(QWidget* frame, const char* degName, const char* minName) {
    const ControlColours units{std::nullopt, kVioletText};
    Label(frame, degName, QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Deg")),
          {195, 600, 345, 195}, units);
    WidenToText(Label(frame, minName, QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Min")),
                      {825, 600, 285, 195}, units));
}

QButtonGroup* OptionArray(QObject* owner, const char* name) {
    auto* array = new QButtonGroup(owner);
    array->setObjectName(QString::fromLatin1(name));
    return array;
}

}  // namespace

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "&File")));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddMenuItem(file, "mnuNext",
                        QT_TRANSLATE_NOOP("Fortunix", "Get My Part Of Fortune Reading")),
            &QAction::triggered, this, &frmMain::cmdRashi_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuBirthsSep1"));
    recentBirths_ = new RecentBirthsMenu(
        this, file, [this](const BirthFormState& state) { ShowFormState(state); });
    file->addSeparator()->setObjectName(QStringLiteral("mnuBirthsSep2"));
    file->addMenu(new LanguageMenu(this));
    connect(AddMenuItem(file, "mnuExit", QT_TRANSLATE_NOOP("Fortunix", "E&xit")),
            &QAction::triggered, this, &QWidget::close);

    AddHelpAndOfferMenus(this, {"mnuHelp1", "mnuHelp2",
                                QT_TRANSLATE_NOOP("Fortunix", "Check for Software &Update")});
}

void frmMain::BuildHeaderAndTexts(QWidget* client) {
    AddBannerStrip(client, {"fraHeader", {0, 0, 6540, 615}, {0, 120, 6600, 465}});

    QLabel* description =
        Label(client, "lblDescription", QString::fromUtf8(texts::kProductDescription),
              {120, 600, 6375, 855}, {std::nullopt, kDarkGreen});
    description->setFont(ProgramFont(8.25, /*bold=*/true));
    description->setAlignment(Qt::AlignCenter);
    description->setWordWrap(true);

    QLabel* instruction =
        Label(client, "lblInstruction",
              QString::fromUtf8(QT_TRANSLATE_NOOP(
                  "Fortunix", "Enter the Correct Details and Know More about Yourself ")),
              {120, 1425, 6375, 255}, {std::nullopt, kInstructionBlue});
    instruction->setFont(ProgramFont(8.25, /*bold=*/true));
    instruction->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void frmMain::BuildInputPanel(QWidget* client) {
    QWidget* panel = Panel(client, "fraInput", {0, 1680, 6540, 4935}, kSkyBlue);

    const ControlColours caption{std::nullopt, kCaptionBlack};
    Label(panel, "lblName", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Name")),
          {840, 285, 1110, 195}, caption);
    Label(panel, "lblDateOfBirth",
          QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Date of Birth")), {840, 660, 1110, 195},
          caption);
    Label(panel, "lblTimeOfBirth",
          QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Time of Birth")), {840, 1020, 1110, 195},
          caption);
    Label(panel, "lblTimeFormat", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "HH:MM:SS")),
          {4800, 1080, 900, 195}, caption);
    Label(panel, "lblCity", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "City")),
          {840, 3360, 690, 195}, caption);
    Label(panel, "lblState", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "State")),
          {840, 3720, 690, 195}, caption);
    Label(panel, "lblCountry", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Country")),
          {840, 4080, 690, 195}, caption);

    txtName_ = TextBox(panel, "txtName", {2040, 240, 3615, 285}, kInputColours);
    new KeyPressFilter(txtName_, FilterNameKeyInUse);

    cboMonth_ = DropDownList(panel, "cboMonth", {2040, 600, 1695, 315}, kInputColours);
    cboDate_ = DropDownList(panel, "cboDate", {3900, 600, 735, 315}, kInputColours);
    cboYear_ = DropDownList(panel, "cboYear", {4800, 600, 855, 315}, kInputColours);
    cboHH_ = DropDownList(panel, "cboHH", {2040, 960, 735, 315}, kInputColours);
    cboMM_ = DropDownList(panel, "cboMM", {3000, 960, 735, 315}, kInputColours);
    cboSS_ = DropDownList(panel, "cboSS", {3900, 960, 735, 315}, kInputColours);

    const ControlColours frame{kMintGreen, std::nullopt};
    QGroupBox* zone =
        Frame(panel, "fraZone", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Zone")),
              kZoneFrameBox, frame);
    chkDST_ = CheckBox(zone, "chkDST",
                       QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Daylight Saving Time")),
                       {2040, 240, 2415, 375}, kInputColours);
    chkDST_->setFont(ProgramFont(8.25, /*bold=*/true));
    cmbTimeZone_ = DropDownList(zone, "cmbTimeZone", kZoneListBox, kSkyInputColours);

    QGroupBox* latitude =
        Frame(panel, "fraLatitude", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Latitude")),
              {840, 2475, 2415, 855}, frame);
    txtLatD_ = TextBox(latitude, "txtLatD", {120, 240, 495, 285}, kCoordinateColours);
    txtLatM_ = TextBox(latitude, "txtLatM", {720, 240, 495, 285}, kCoordinateColours);
    UnitCaptions(latitude, "lblLatDeg", "lblLatMin");
    optLat_ = OptionArray(this, "optLat");
    OptionButton(latitude, optLat_, 0, QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "North")),
                 {1320, 240, 855, 255}, kInputColours)
        ->setChecked(true);
    OptionButton(latitude, optLat_, 1, QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "South")),
                 {1320, 480, 855, 255}, kInputColours);

    QGroupBox* longitude =
        Frame(panel, "fraLongitude", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Longitude")),
              {3360, 2475, 2295, 855}, frame);
    txtLonD_ = TextBox(longitude, "txtLonD", {120, 240, 495, 285}, kCoordinateColours);
    txtLonM_ = TextBox(longitude, "txtLonM", {720, 240, 495, 285}, kCoordinateColours);
    UnitCaptions(longitude, "lblLonDeg", "lblLonMin");
    optLong_ = OptionArray(this, "optLong");
    OptionButton(longitude, optLong_, 0, QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "East")),
                 {1320, 240, 735, 255}, kInputColours)
        ->setChecked(true);
    OptionButton(longitude, optLong_, 1, QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "West")),
                 {1320, 480, 735, 255}, kInputColours);

    txtLonD_->setMaxLength(kLonDegLength);
    for (QLineEdit* box : {txtLatD_, txtLatM_, txtLonM_}) {
        box->setMaxLength(kCoordinateLength);
    }
    TabStopOnChosenOption(optLat_);
    TabStopOnChosenOption(optLong_);
    for (QLineEdit* box : {txtLatD_, txtLatM_, txtLonD_, txtLonM_}) {
        new KeyPressFilter(box, FilterNumericKey);
    }

    txtMCity_ = TextBox(panel, "txtMCity", {2040, 3360, 1935, 285}, kInputColours);
    txtMState_ = TextBox(panel, "txtMState", {2040, 3720, 1935, 285}, kInputColours);
    txtMCountry_ = TextBox(panel, "txtMCountry", {2040, 4080, 1935, 285}, kInputColours);

    cmdBrowser_ =
        WrappingCommandButton(panel, "cmdBrowser",
                              QString::fromUtf8(QT_TRANSLATE_NOOP(
                                  "Fortunix", "Click Here To Find Latitude && Longitude")),
                              {4200, 3360, 1455, 1035}, kSkyInputColours);
    cmdRashi_ = CommandButton(
        panel, "cmdRashi",
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Get My Part Of Fortune Reading")),
        {840, 4440, 4815, 375}, kSkyInputColours);
    cmdRashi_->setFont(ProgramFont(8.25, /*bold=*/true));
    connect(cmdBrowser_, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(cmdRashi_, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
}

void frmMain::FitZoneListToLanguage() {
    const int widening = LanguageInUse() == QLatin1String(kEnglish) ? 0 : kZoneWidening;
    const auto place = [widening](QWidget* control, const TwipsBox& box) {
        PlaceAsDesigned(control, TwipsRect(box.left, box.top, box.width + widening, box.height));
    };
    place(cmbTimeZone_->parentWidget(), kZoneFrameBox);
    place(cmbTimeZone_, kZoneListBox);
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
        {txtName_, QT_TRANSLATE_NOOP("Fortunix", "Name"),
         QT_TRANSLATE_NOOP("Fortunix", "Letters and spaces only")},
        {cboMonth_, QT_TRANSLATE_NOOP("Fortunix", "Month of birth"), ""},
        {cboDate_, QT_TRANSLATE_NOOP("Fortunix", "Day of birth"), ""},
        {cboYear_, QT_TRANSLATE_NOOP("Fortunix", "Year of birth"),
         QT_TRANSLATE_NOOP("Fortunix", "1901 to 2050")},
        {cboHH_, QT_TRANSLATE_NOOP("Fortunix", "Hour of birth"),
         QT_TRANSLATE_NOOP("Fortunix", "0 to 23")},
        {cboMM_, QT_TRANSLATE_NOOP("Fortunix", "Minute of birth"), ""},
        {cboSS_, QT_TRANSLATE_NOOP("Fortunix", "Second of birth"),
         QT_TRANSLATE_NOOP("Fortunix", "Not used by the reading")},
        {cmbTimeZone_, QT_TRANSLATE_NOOP("Fortunix", "Time zone"),
         QT_TRANSLATE_NOOP("Fortunix", "The standard time zone of the place of birth")},
        {chkDST_, QT_TRANSLATE_NOOP("Fortunix", "Daylight Saving Time"),
         QT_TRANSLATE_NOOP("Fortunix", "Tick when summer time was in force at the birth")},
        {txtLatD_, QT_TRANSLATE_NOOP("Fortunix", "Latitude degrees"),
         QT_TRANSLATE_NOOP("Fortunix", "0 to 89")},
        {txtLatM_, QT_TRANSLATE_NOOP("Fortunix", "Latitude minutes"),
         QT_TRANSLATE_NOOP("Fortunix", "0 to 59")},
        {optLat_->button(0), QT_TRANSLATE_NOOP("Fortunix", "North"), ""},
        {optLat_->button(1), QT_TRANSLATE_NOOP("Fortunix", "South"), ""},
        {txtLonD_, QT_TRANSLATE_NOOP("Fortunix", "Longitude degrees"),
         QT_TRANSLATE_NOOP("Fortunix", "0 to 179")},
        {txtLonM_, QT_TRANSLATE_NOOP("Fortunix", "Longitude minutes"),
         QT_TRANSLATE_NOOP("Fortunix", "0 to 59")},
        {optLong_->button(0), QT_TRANSLATE_NOOP("Fortunix", "East"), ""},
        {optLong_->button(1), QT_TRANSLATE_NOOP("Fortunix", "West"), ""},
        {txtMCity_, QT_TRANSLATE_NOOP("Fortunix", "City"),
         QT_TRANSLATE_NOOP("Fortunix",
                           "Place of birth, for the look-up of its latitude and longitude")},
        {txtMState_, QT_TRANSLATE_NOOP("Fortunix", "State"), ""},
        {txtMCountry_, QT_TRANSLATE_NOOP("Fortunix", "Country"), ""},
        {cmdBrowser_, QT_TRANSLATE_NOOP("Fortunix", "Find latitude and longitude"),
         QT_TRANSLATE_NOOP("Fortunix", "Looks up the typed city, state and country")},
        {cmdRashi_, QT_TRANSLATE_NOOP("Fortunix", "Get My Part Of Fortune Reading"), ""},
    };
    for (const auto& entry : controls) {
        entry.control->setAccessibleName(QString::fromLatin1(entry.name));
        entry.control->setAccessibleDescription(QString::fromLatin1(entry.description));
    }
}

}  // namespace fortunix
