#include "forms/frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/ProgramInfo.h"
#include "shell/ProgramTexts.h"
#include "shell/modHelp.h"
#include "widgets/Appearance.h"
#include "widgets/LinkLabel.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

namespace fortunix {

namespace {

constexpr int kBoxWidth = 6015;
constexpr int kBoxHeight = 4095;

constexpr char kCredits[] =
    "Built with Qt, used under the GNU LGPL version 3.\n"
    "Place names and coordinates: GeoNames, CC BY 4.0.\n"
    "Time-zone history: the IANA tz database, public domain.";

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const TwipsBox& box) {
    auto* label = Place(new QLabel(text, parent), name, box);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

LinkLabel* AddLink(QWidget* parent, const char* name, const char* accessibleName,
                   const QString& text, const TwipsBox& box) {
    auto* link = Place(new LinkLabel(parent), name, box);
    link->setText(text);
    link->setAccessibleName(QString::fromLatin1(accessibleName));
    link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetTextColour(link, kVioletText);
    return link;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent, kFixedWindowFlags) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setWindowIcon(ProgramIcon());
    setFont(ProgramFont());
    SetBackground(this, kSkyBlue);
    SetFocusColour(this);
    setFixedSize(TwipsToPixels(kBoxWidth), TwipsToPixels(kBoxHeight));

    auto* picIcon = Place(new QLabel(this), "picIcon", {150, 150, 510, 510});
    picIcon->setPixmap(ProgramIcon().pixmap(picIcon->size()));

    QLabel* Label2 =
        AddLabel(this, "Label2", QString::fromLatin1(kProgramTitle), {780, 285, 3840, 240});
    Label2->setFont(ProgramFont(8.25, /*bold=*/true));

    AddLabel(this, "Label1", QString::fromUtf8(texts::kAboutDescription), {120, 960, 5835, 855});

    LinkLabel* lblHomePage =
        AddLink(this, "lblHomePage", "Home page",
                QString::fromUtf8(texts::kAboutHomePageInvitation), {1320, 2040, 4650, 195});

    AddLabel(this, "Label3", QString::fromUtf8(texts::kAboutResaleOffer), {120, 2520, 5685, 675});

    LinkLabel* lblCoBrand =
        AddLink(this, "lblCoBrand", "More details", QStringLiteral("Click here for more details"),
                {3360, 3240, 2610, 195});
    lblCoBrand->setAccessibleDescription(
        QStringLiteral("Opens the page about selling this program under your own brand"));

    auto* Line2 = new QFrame(this);
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);
    // A rule across the whole box; drawn longer, it would only be cut at the edge.
    Place(Line2, "Line2", {0, 3465, kBoxWidth, 30});

    // The credits of the toolkit and the atlas, in small print in the free corner beside OK.
    QLabel* lblQtCredit =
        AddLabel(this, "lblQtCredit", QString::fromLatin1(kCredits), {120, 3510, 4440, 540});
    lblQtCredit->setFont(ProgramFont(6.75));
    lblQtCredit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setAccessibleName(QStringLiteral("OK"));
    Place(cmdOK, "cmdOK", {4680, 3615, 1260, 345});
    cmdOK->setDefault(true);  // Enter; Escape closes a dialog anyway
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);

    CentreOnScreen(this);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblHomePage_Click() {
    OpenHomePage();
}

void frmAbout::lblCobrand_Click() {
    OpenFullBrandPage();
}

void ShowAboutBox(QWidget* caller) {
    frmAbout box(caller);
    box.exec();
}

}  // namespace fortunix
