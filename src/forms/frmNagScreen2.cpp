#include "forms/frmNagScreen2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "platform/Platform.h"
#include "platform/ProgramInfo.h"
#include "shell/ProgramTexts.h"
#include "shell/Shutdown.h"
#include "shell/modHelp.h"
#include "shell/modTellAFriend.h"
#include "widgets/Appearance.h"
#include "widgets/Controls.h"
#include "widgets/LinkLabel.h"
#include "widgets/OutOfSightAccessible.h"
#include "widgets/WindowAccessible.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowTexts.h"

namespace fortunix {

namespace {

const QColor kYellowText{255, 255, 0};
const QColor kNavyBackdrop{0, 0, 128};  // yellow text is unreadable on the light grey

// MS Sans Serif is a Windows bitmap font; elsewhere the closest sans-serif stands in.
QFont WindowFont(double pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

// A check box does not wrap its caption: break it into lines that fit `width`, where the
// language breaks its lines (between words, or between the characters of Chinese and Japanese).
QString WrapCaption(const QString& caption, const QFont& font, int width) {
    QTextLayout layout(caption, font);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(caption.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines.join(u'\n');
}

// The room beside the tick box, less a few pixels for the focus frame around the caption.
int CaptionWidth(const QCheckBox* check) {
    constexpr int kFocusFrame = 4;
    const QStyle* style = check->style();
    return check->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check) -
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check) - kFocusFrame;
}

// floor(draw × 4): 0..3, one per appeal.
int AppealIndex(float draw) {
    const int index = static_cast<int>(std::floor(draw * 4.0f));
    return std::clamp(index, 0, 3);
}

// Focus that comes and goes with the whole window (another window or a message box in
// front) is not the user moving between the boxes.
bool MovesWithinWindow(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

frmNagScreen2::frmNagScreen2(QWidget* parent) : QWidget(parent) {
    AnswerAsWindow(this);
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setWindowIcon(ProgramIcon());
    setFont(WindowFont(8.25));
    SetFocusColour(this);
    BuildLayout();
    Form_Load();
    TranslateWindowTexts(this);
    TranslatePlaceholders();
}

void frmNagScreen2::BuildLayout() {
    setFixedSize(TwipsToPixels(11115), TwipsToPixels(4725));

    Picture1 = Picture(this, "Picture1", ProgramIcon(), {360, 120, 540, 540});

    Label1 = Label(this, "Label1", QString::fromLatin1(kProgramTitle), {1080, 240, 5595, 435});
    Label1->setFont(WindowFont(18));

    Label2 = Paragraph(this, "Label2", QString::fromUtf8(texts::kSupportAppeals[1]),
                       {120, 840, 6975, 1095});

    Check1 = CheckBox(this, "Check1", QString(), {30, 2040, 7185, 555});
    SetVisitCaption();
    Check1->setAccessibleName(
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Visit the web site now")));
    Check1->setAccessibleDescription(QString::fromUtf8(
        QT_TRANSLATE_NOOP("Fortunix", "Opens the Vespera Softwares web site in your web browser")));

    cmdClose =
        CommandButton(this, "cmdClose", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "E&xit")),
                      {6000, 2760, 1245, 375});
    cmdClose->setAccessibleName(QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Exit")));
    cmdClose->setAccessibleDescription(
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Ends the program")));

    Frame2 =
        Frame(this, "Frame2", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Refer A Friend")),
              {120, 3240, 7065, 1455});

    const auto addLineEdit = [this](const char* name, const char* placeholder,
                                    const char* accessibleName, int left, int top) {
        QLineEdit* box = TextBox(Frame2, name, {left, top, 3375, 285});
        box->setText(Translated(placeholder));
        box->setAccessibleName(QString::fromLatin1(accessibleName));
        box->installEventFilter(this);
        return box;
    };
    txtName = addLineEdit("txtName", referral::kNamePlaceholder,
                          QT_TRANSLATE_NOOP("Fortunix", "Your name"), 85, 360);
    txtEmail = addLineEdit("txtEmail", referral::kEmailPlaceholder,
                           QT_TRANSLATE_NOOP("Fortunix", "Your e-mail address"), 3600, 360);
    txtFriendName = addLineEdit("txtFriendName", referral::kFriendNamePlaceholder,
                                QT_TRANSLATE_NOOP("Fortunix", "Friend's name"), 85, 720);
    txtFriendEmail =
        addLineEdit("txtFriendEmail", referral::kFriendEmailPlaceholder,
                    QT_TRANSLATE_NOOP("Fortunix", "Friend's e-mail address"), 3600, 720);
    for (QLineEdit* box : {txtEmail, txtFriendEmail}) {
        box->setAccessibleDescription(
            QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "No spaces")));
    }

    cmdSubmit =
        CommandButton(Frame2, "cmdSubmit",
                      QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Refer A Friend &Now")),
                      {1920, 1080, 3375, 285});
    cmdSubmit->setAccessibleName(
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Refer a friend now")));
    cmdSubmit->setAccessibleDescription(QString::fromUtf8(
        QT_TRANSLATE_NOOP("Fortunix", "Opens the referral page in your web browser")));

    // Below the frame's visible height: out of sight, reachable only with Tab. Screen readers
    // are told so, or they would announce a box that no one can see.
    txtMessage = MultiLineTextBox(Frame2, "txtMessage", {4800, 3600, 1815, 495});
    AnswerAsOutOfSight(txtMessage);
    txtMessage->setAccessibleName(QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Your message")));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    SetBoxText(txtMessage, Translated(referral::kMessagePlaceholder) + QStringLiteral("\r\n"));
    txtMessage->installEventFilter(this);

    Frame6 = Frame(this, "Frame6",
                   QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Download Vespera Softwares")),
                   {7320, 120, 3735, 4575});

    Label3 = Paragraph(Frame6, "Label3", QString::fromUtf8(texts::kCatalogueDescription),
                       {120, 360, 3495, 3855});

    lblGoToHome = Link(
        Frame6, "lblGoToHome",
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Click Here To Visit Vespera Softwares")),
        {75, 4250, 3585, 210}, {kNavyBackdrop, kYellowText});
    lblGoToHome->setFont(WindowFont(8.25));
    lblGoToHome->setAccessibleName(
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Visit the software catalogue")));

    // Only the buttons, the check box and the text boxes take the focus, in this order.
    const QList<QWidget*> tabOrder = {cmdClose, Check1,         txtName,       cmdSubmit,
                                      txtEmail, txtFriendEmail, txtFriendName, txtMessage};
    for (qsizetype index = 1; index < tabOrder.size(); ++index) {
        setTabOrder(tabOrder[index - 1], tabOrder[index]);
    }

    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(Check1, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
}

void frmNagScreen2::Form_Load() {
    RandomSource& random = CurrentPlatform().random;
    random.SeedFromTimer();
    Label2->setText(QString::fromUtf8(texts::kSupportAppeals[AppealIndex(random.Draw())]));

    // Always on top, but never taking the keyboard from the window the user is in.
    setWindowFlags(kFixedWindowFlags | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    cmdClose->setFocus();
    CentreOnScreen(this);
}

void frmNagScreen2::closeEvent(QCloseEvent* event) {
    event->accept();
    ExitApplication();
}

// The caption is broken into lines to fit the box, in the language in use, so it follows the
// box's placing; the window's other texts then take it as it is.
void frmNagScreen2::SetVisitCaption() {
    Check1->setText(
        WrapCaption(Translated(texts::kVisitSiteNowCaption), Check1->font(), CaptionWidth(Check1)));
}

void frmNagScreen2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        SetVisitCaption();
        TranslateWindowTexts(this);
        TranslatePlaceholders();
    }
    QWidget::changeEvent(event);
}

void frmNagScreen2::cmdClose_Click() {
    ExitApplication();
}

void frmNagScreen2::Check1_Click() {
    // The box works as a link and never stays ticked.
    if (Check1->isChecked()) {
        Check1->setChecked(false);
        OpenHomePage();
    }
}

void frmNagScreen2::lblGoToHome_Click() {
    OpenSoftwareCatalog();
}

void frmNagScreen2::cmdSubmit_Click() {
    ReferralRequest.senderName = TrimSpaces(BoxText(txtName));
    ReferralRequest.senderEmail = TrimSpaces(BoxText(txtEmail));
    ReferralRequest.message = TrimSpaces(BoxText(txtMessage));
    ReferralRequest.friendName = TrimSpaces(BoxText(txtFriendName));
    ReferralRequest.friendEmail = TrimSpaces(BoxText(txtFriendEmail));
    if (const std::optional<QString> failure =
            CheckEmailPair(ReferralRequest.senderEmail, ReferralRequest.friendEmail)) {
        ShowMessage(this, *failure, MessageIcon::Error);
        return;
    }
    SubmitReferral(this);
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::FocusIn:
            if (MovesWithinWindow(event)) {
                TextBox_GotFocus(box);
            }
            break;
        case QEvent::FocusOut:
            if (MovesWithinWindow(event)) {
                TextBox_LostFocus(box);
            }
            break;
        case QEvent::KeyPress:
            if (box == txtEmail || box == txtFriendEmail) {
                return EmailBox_KeyPress(box, static_cast<const QKeyEvent*>(event));
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::TextBox_GotFocus(QWidget* box) {
    if (TrimSpaces(BoxText(box)) == PlaceholderOf(box)) {
        SetBoxText(box, QString());
    }
}

void frmNagScreen2::TextBox_LostFocus(QWidget* box) {
    if (TrimSpaces(BoxText(box)).isEmpty()) {
        SetBoxText(box, PlaceholderOf(box));
    }
}

bool frmNagScreen2::EmailBox_KeyPress(QWidget* box, const QKeyEvent* event) {
    if (event->text() != QStringLiteral(" ")) {
        return false;
    }
    ShowMessage(this, QString::fromLatin1(referral::kNoSpaceInEmail), MessageIcon::Error);
    box->setFocus();
    return true;
}

QString frmNagScreen2::PlaceholderOf(const QWidget* box) const {
    if (box == txtName) {
        return Translated(referral::kNamePlaceholder);
    }
    if (box == txtEmail) {
        return Translated(referral::kEmailPlaceholder);
    }
    if (box == txtFriendName) {
        return Translated(referral::kFriendNamePlaceholder);
    }
    if (box == txtFriendEmail) {
        return Translated(referral::kFriendEmailPlaceholder);
    }
    return Translated(referral::kMessagePlaceholder);
}

void frmNagScreen2::TranslatePlaceholders() {
    for (QWidget* box : std::initializer_list<QWidget*>{txtName, txtEmail, txtFriendName,
                                                        txtFriendEmail, txtMessage}) {
        const QString text = BoxText(box);
        const QString placeholder = PlaceholderOf(box);
        const QString shown = shownPlaceholders_.value(box, placeholder);
        // The message box starts on its placeholder with a line break after it.
        if (TrimSpaces(text) == shown || text == shown + QStringLiteral("\r\n")) {
            SetBoxText(box, QString(text).replace(shown, placeholder));
        }
        shownPlaceholders_.insert(box, placeholder);
    }
}

// The message box gives its line breaks as carriage return and line feed, like the other
// boxes' texts are given: as they go into the referral.
QString frmNagScreen2::BoxText(const QWidget* box) const {
    if (box == txtMessage) {
        return txtMessage->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    }
    return static_cast<const QLineEdit*>(box)->text();
}

void frmNagScreen2::SetBoxText(QWidget* box, const QString& text) {
    if (box == txtMessage) {
        txtMessage->setPlainText(
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return;
    }
    static_cast<QLineEdit*>(box)->setText(text);
}

}  // namespace fortunix
