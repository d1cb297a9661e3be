#include "forms/frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "platform/ProgramInfo.h"
#include "shell/ProgramTexts.h"
#include "shell/modHelp.h"
#include "widgets/Appearance.h"
#include "widgets/Controls.h"
#include "widgets/LinkLabel.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowTexts.h"

namespace fortunix {

namespace {

constexpr int kBoxWidth = 6015;
constexpr int kBoxHeight = 4095;

constexpr char kCredits[] =
    QT_TRANSLATE_NOOP("Fortunix",
                      "Built with Qt, used under the GNU LGPL version 3.\n"
                      "Place names and coordinates: GeoNames, CC BY 4.0.\n"
                      "Time-zone history: the IANA tz database, public domain.");

// The box's links stand at the left of their boxes.
LinkLabel* AddLink(QWidget* parent, const char* name, const char* accessibleName,
                   const QString& text, const TwipsBox& box) {
    LinkLabel* link = Link(parent, name, text, box, {std::nullopt, kVioletText});
    link->setAccessibleName(QString::fromLatin1(accessibleName));
    link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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

    Picture(this, "picIcon", ProgramIcon(), {150, 150, 510, 510});

    QLabel* Label2 =
        Paragraph(this, "Label2", QString::fromLatin1(kProgramTitle), {780, 285, 3840, 240});
    Label2->setFont(ProgramFont(8.25, /*bold=*/true));

    Paragraph(this, "Label1", QString::fromUtf8(texts::kAboutDescription), {120, 960, 5835, 855});

    LinkLabel* lblHomePage =
        AddLink(this, "lblHomePage", QT_TRANSLATE_NOOP("Fortunix", "Home page"),
                QString::fromUtf8(texts::kAboutHomePageInvitation), {1320, 2040, 4650, 195});

    Paragraph(this, "Label3", QString::fromUtf8(texts::kAboutResaleOffer), {120, 2520, 5685, 675});

    LinkLabel* lblCoBrand =
        AddLink(this, "lblCoBrand", QT_TRANSLATE_NOOP("Fortunix", "More details"),
                QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Click here for more details")),
                {3360, 3240, 2610, 195});
    lblCoBrand->setAccessibleDescription(QString::fromUtf8(QT_TRANSLATE_NOOP(
        "Fortunix", "Opens the page about selling this program under your own brand")));

    // A rule across the whole box; drawn longer, it would only be cut at the edge.
    HorizontalRule(this, "Line2", {0, 3465, kBoxWidth, 30});

    // The credits of the toolkit and the atlas, in small print in the free corner beside OK.
    QLabel* lblQtCredit =
        Paragraph(this, "lblQtCredit", QString::fromLatin1(kCredits), {120, 3510, 4440, 540});
    lblQtCredit->setFont(ProgramFont(6.75));
    lblQtCredit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    QPushButton* cmdOK =
        CommandButton(this, "cmdOK", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "&OK")),
                      {4680, 3615, 1260, 345});
    cmdOK->setAccessibleName(QStringLiteral("OK"));
    cmdOK->setDefault(true);  // Enter; Escape closes a dialog anyway
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);

    CentreOnScreen(this);
    TranslateWindowTexts(this);
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
