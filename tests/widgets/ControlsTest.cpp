#include "widgets/Controls.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <tuple>

#include "widgets/Appearance.h"
#include "widgets/LinkLabel.h"

namespace fortunix {
namespace {

const QColor kRed{200, 0, 0};
const QColor kBlue{0, 0, 200};
const ControlColours kRedOnBlue{kBlue, kRed};

// Every factory names its control after the design and places it at its twips box, one pixel
// for 15 twips (the box below is 10, 20, 30, 40 pixels), in the container given.
TEST(Controls, EveryFactoryNamesAndPlacesItsControl) {
    QWidget container;
    auto* array = new QButtonGroup(&container);
    array->setObjectName(QStringLiteral("optTest"));
    const TwipsBox box{150, 300, 450, 600};
    const QString text = QStringLiteral("Text");
    const struct {
        const char* kind;
        std::function<QWidget*()> make;
        const char* name;
    } rows[] = {
        {"panel", [&] { return Panel(&container, "fraPanel", box, kBlue); }, "fraPanel"},
        {"frame", [&] { return Frame(&container, "fraFrame", text, box); }, "fraFrame"},
        {"label", [&] { return Label(&container, "lblLabel", text, box); }, "lblLabel"},
        {"paragraph", [&] { return Paragraph(&container, "lblText", text, box); }, "lblText"},
        {"picture", [&] { return Picture(&container, "picIcon", QIcon(), box); }, "picIcon"},
        {"link", [&] { return Link(&container, "lblLink", text, box); }, "lblLink"},
        {"text box", [&] { return TextBox(&container, "txtBox", box); }, "txtBox"},
        {"multi-line text box", [&] { return MultiLineTextBox(&container, "txtLines", box); },
         "txtLines"},
        {"drop-down list", [&] { return DropDownList(&container, "cboList", box); }, "cboList"},
        {"check box", [&] { return CheckBox(&container, "chkBox", text, box); }, "chkBox"},
        {"option button", [&] { return OptionButton(&container, array, 1, text, box); },
         "optTest_1"},
        {"command button", [&] { return CommandButton(&container, "cmdGo", text, box); }, "cmdGo"},
        {"wrapping command button",
         [&] { return WrappingCommandButton(&container, "cmdWrap", text, box); }, "cmdWrap"},
        {"horizontal rule", [&] { return HorizontalRule(&container, "Line1", box); }, "Line1"},
    };
    for (const auto& row : rows) {
        QWidget* control = row.make();
        EXPECT_EQ(control->objectName(), QString::fromLatin1(row.name)) << row.kind;
        EXPECT_EQ(control->geometry(), QRect(10, 20, 30, 40)) << row.kind;
        EXPECT_EQ(control->parentWidget(), &container) << row.kind;
    }
}

// A colour given is the control's own, drawn by the control; a colour left out is the
// container's.
TEST(Controls, ColoursGivenAreTheControlsOwn) {
    QWidget container;
    const TwipsBox box{0, 0, 300, 300};
    QLineEdit* coloured = TextBox(&container, "txtColoured", box, kRedOnBlue);
    EXPECT_EQ(coloured->palette().color(QPalette::Base), kBlue);
    EXPECT_EQ(coloured->palette().color(QPalette::Text), kRed);
    EXPECT_TRUE(coloured->autoFillBackground());

    QLineEdit* plain = TextBox(&container, "txtPlain", box);
    EXPECT_EQ(plain->palette().color(QPalette::Base), container.palette().color(QPalette::Base));
    EXPECT_EQ(plain->palette().color(QPalette::Text), container.palette().color(QPalette::Text));
    EXPECT_FALSE(plain->autoFillBackground());

    QLabel* textOnly = Label(&container, "lblText", QStringLiteral("x"), box, {std::nullopt, kRed});
    EXPECT_EQ(textOnly->palette().color(QPalette::WindowText), kRed);
    EXPECT_FALSE(textOnly->autoFillBackground());
}

// On a background of their own, check boxes and option buttons keep a white box to tick; on
// the container's, the style's own.
TEST(Controls, ChoiceButtonsKeepAWhiteBoxOnTheirOwnBackground) {
    QWidget container;
    QPalette palette = container.palette();
    palette.setColor(QPalette::Base, kRed);
    container.setPalette(palette);
    auto* array = new QButtonGroup(&container);
    array->setObjectName(QStringLiteral("optTest"));
    const TwipsBox box{0, 0, 300, 300};
    const QString text = QStringLiteral("x");

    EXPECT_EQ(
        CheckBox(&container, "chkOwn", text, box, kRedOnBlue)->palette().color(QPalette::Base),
        QColor(255, 255, 255));
    EXPECT_EQ(
        OptionButton(&container, array, 0, text, box, kRedOnBlue)->palette().color(QPalette::Base),
        QColor(255, 255, 255));
    EXPECT_EQ(CheckBox(&container, "chkPlain", text, box)->palette().color(QPalette::Base), kRed);
}

TEST(Controls, KindsBehaveAsTheirWindowsExpect) {
    QWidget container;
    const TwipsBox box{0, 0, 300, 300};
    EXPECT_EQ(TextBox(&container, "txt", box)->maxLength(), 32767);  // no limit of its own
    EXPECT_EQ(DropDownList(&container, "cbo", box)->maxVisibleItems(), 12);
    EXPECT_FALSE(DropDownList(&container, "cbo2", box)->isEditable());
    EXPECT_TRUE(CommandButton(&container, "cmd", QStringLiteral("x"), box)->autoDefault());
    QLabel* paragraph = Paragraph(&container, "lbl", QStringLiteral("x"), box);
    EXPECT_TRUE(paragraph->wordWrap());
    EXPECT_EQ(paragraph->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QFrame* rule = HorizontalRule(&container, "Line", box);
    EXPECT_EQ(rule->frameShape(), QFrame::HLine);
    EXPECT_EQ(rule->frameShadow(), QFrame::Sunken);

    QPixmap red(16, 16);
    red.fill(kRed);
    const QLabel* picture = Picture(&container, "pic", QIcon(red), {0, 0, 150, 150});
    EXPECT_EQ(picture->pixmap().size(), QSize(10, 10));
}

// Tab reaches an option array at its chosen button only; the choice moves the tab stop.
TEST(TabStopOnChosenOption, FollowsTheChoice) {
    QWidget container;
    auto* array = new QButtonGroup(&container);
    array->setObjectName(QStringLiteral("optTest"));
    QRadioButton* first = OptionButton(&container, array, 0, QStringLiteral("a"), {});
    QRadioButton* second = OptionButton(&container, array, 1, QStringLiteral("b"), {});
    first->setChecked(true);
    TabStopOnChosenOption(array);
    EXPECT_EQ(first->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(second->focusPolicy(), Qt::ClickFocus);

    second->setChecked(true);
    EXPECT_EQ(first->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(second->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(array->id(second), 1);
}

// The program's font names only the families of its list that the system has, and its letters
// come from the same font as with the whole list, in every style the windows use.
TEST(ProgramFont, NamesOnlyInstalledFamiliesAndDrawsWithTheSameFont) {
    const QStringList all{"Verdana", "DejaVu Sans", "Bitstream Vera Sans"};
    const QStringList installed = QFontDatabase::families();
    for (const auto& [points, bold, underline] : {std::tuple{8.25, false, false},
                                                  {8.25, true, false},
                                                  {8.25, true, true},
                                                  {6.75, false, false}}) {
        const QFont font = ProgramFont(points, bold, underline);
        QFont whole = font;
        whole.setFamilies(all);
        for (const QString& family : font.families()) {
            EXPECT_TRUE(installed.contains(family) || font.families() == all)
                << family.toStdString();
        }
        EXPECT_EQ(QFontInfo(font).family(), QFontInfo(whole).family()) << points << bold;
        EXPECT_EQ(QFontInfo(font).bold(), bold);
    }
}

// The icon's pixels the program reads are those of its PNGs, decoded here by Qt, in every size.
TEST(ProgramIcon, IsItsPngsInEverySize) {
    const QIcon icon = ProgramIcon();
    for (const int size : kProgramIconSizes) {
        const QImage png(QStringLiteral(FORTUNIX_ICONS_DIR "/fortunix-%1.png").arg(size));
        ASSERT_EQ(png.size(), QSize(size, size));
        EXPECT_EQ(icon.pixmap(QSize(size, size)).toImage(),
                  png.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << size;
    }
    EXPECT_EQ(icon.availableSizes().size(), std::size(kProgramIconSizes));
}

}  // namespace
}  // namespace fortunix
