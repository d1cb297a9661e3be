#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <set>

#include "a11y/ProgramWindows.h"
#include "forms/ProgramLanguage.h"
#include "widgets/WrappingButton.h"

// Every window at the machine's fonts (maybe wider than the layout's): no control outside its
// container, no two controls over each other, every caption whole.
namespace fortunix::formtests {
namespace {

// Controls that lie where they do on purpose.
bool OutOfSightByDesign(const QWidget* control) {
    // The referral message box sits below the visible height of its frame.
    return control->objectName() == "txtMessage" && qobject_cast<frmNagScreen2*>(control->window());
}
bool StackedByDesign(const QWidget* one, const QWidget* other) {
    // The two offers share one rectangle; one of them lies in front.
    const std::set<QString> offers = {QStringLiteral("lblFullBrand"), QStringLiteral("lblCobrand")};
    return offers.contains(one->objectName()) && offers.contains(other->objectName());
}

// The program's own controls below `container` (or only its direct children): named, shown
// with it, and not out of sight by design.
QList<const QWidget*> Controls(const QWidget* container,
                               Qt::FindChildOptions options = Qt::FindChildrenRecursively) {
    QList<const QWidget*> controls;
    for (const QWidget* widget : container->findChildren<QWidget*>(options)) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QStringLiteral("qt_")) && !widget->isWindow() &&
            widget->isVisibleTo(container) && !OutOfSightByDesign(widget)) {
            controls.append(widget);
        }
    }
    return controls;
}

int TextFlags(const QLabel* label) {
    return static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
}

// Where a label's text falls within it, in the label's coordinates; may pass its edges.
QRect LabelTextRect(const QLabel* label) {
    return label->fontMetrics().boundingRect(label->contentsRect(), TextFlags(label),
                                             label->text());
}

// Room for the caption of a button, check box or option button, or another part of it.
QRect ButtonPart(const QAbstractButton* button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

// The tick box or circle of a check box or option button, and its caption's text.
QRect DrawnButtonPart(const QAbstractButton* button, QStyle::SubElement indicator,
                      QStyle::SubElement contents) {
    const QRect text = button->fontMetrics().boundingRect(
        ButtonPart(button, contents), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
        button->text());
    return ButtonPart(button, indicator) | text;
}

// Check boxes and option buttons draw a tick box or circle beside their caption.
bool IsTickBox(const QAbstractButton* button) {
    return qobject_cast<const QCheckBox*>(button) != nullptr ||
           qobject_cast<const QRadioButton*>(button) != nullptr;
}
QStyle::SubElement Indicator(const QAbstractButton* button) {
    return qobject_cast<const QCheckBox*>(button) != nullptr ? QStyle::SE_CheckBoxIndicator
                                                             : QStyle::SE_RadioButtonIndicator;
}
QStyle::SubElement Contents(const QAbstractButton* button) {
    if (qobject_cast<const QCheckBox*>(button) != nullptr) {
        return QStyle::SE_CheckBoxContents;
    }
    return qobject_cast<const QRadioButton*>(button) != nullptr ? QStyle::SE_RadioButtonContents
                                                                : QStyle::SE_PushButtonContents;
}

bool IsBorderlessPanel(const QWidget* control) {
    return control->metaObject() == &QWidget::staticMetaObject;
}

// What a control covers, where a neighbour would hide something: a label without background
// only its text, a check box or option button its box and caption, a borderless panel what its
// controls cover (the layout's rectangles overlap here and there by a pixel, unseen).
QRect CoveredRect(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label != nullptr && !label->text().isEmpty() && !label->autoFillBackground()) {
        return LabelTextRect(label).intersected(label->rect()).translated(label->pos());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control);
        button != nullptr && IsTickBox(button)) {
        return DrawnButtonPart(button, Indicator(button), Contents(button))
            .translated(button->pos());
    }
    if (IsBorderlessPanel(control)) {
        QRect covered;
        for (const QWidget* child : Controls(control, Qt::FindDirectChildrenOnly)) {
            covered |= CoveredRect(child);
        }
        return covered.translated(control->pos());
    }
    return control->geometry();
}

// The caption of a titled frame, which its controls must leave free.
QRect GroupBoxTitleRect(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

QSize TextSize(const QWidget* control, const QString& text) {
    return control->fontMetrics().boundingRect(QRect(), Qt::TextShowMnemonic, text).size();
}

// What does not fit, or an empty text when everything does.
std::string CaptionOverflow(const QWidget* control) {
    const auto tooBig = [](const QSize& needed, const QRect& room) {
        return needed.width() > room.width() || needed.height() > room.height();
    };
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (!label->text().isEmpty() && !label->contentsRect().contains(LabelTextRect(label))) {
            return "text needs " + std::to_string(LabelTextRect(label).width()) + "x" +
                   std::to_string(LabelTextRect(label).height());
        }
    } else if (const auto* wrapping = qobject_cast<const WrappingButton*>(control)) {
        const QRect room = ButtonPart(wrapping, QStyle::SE_PushButtonContents);
        const QRect needed = wrapping->fontMetrics().boundingRect(
            room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, wrapping->text());
        if (!room.contains(needed)) {
            return "wrapped caption does not fit";
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        if (tooBig(TextSize(button, button->text()), ButtonPart(button, Contents(button)))) {
            return "caption does not fit";
        }
    } else if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
        if (!box->rect().contains(GroupBoxTitleRect(box)) ||
            TextSize(box, box->title()).width() > GroupBoxTitleRect(box).width()) {
            return "title does not fit";
        }
    } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (int index = 0; index < list->count(); ++index) {
            if (TextSize(list, list->itemText(index)).width() > field.width()) {
                return "entry \"" + list->itemText(index).toStdString() + "\" is cut off";
            }
        }
    }
    return {};
}

using a11ytests::WindowUnderTest;

// Every window in every language the program speaks; CTest runs the checks again at 200 %.
class LayoutFit : public a11ytests::ProgramWindowsTest {
  protected:
    void TearDown() override {
        UseLanguage(QString::fromLatin1(kEnglish));
        ProgramWindowsTest::TearDown();
    }

    // Calls `check` with each window, settled, in each language, and its name for messages.
    void ForEachWindowInEachLanguage(
        const std::function<void(QWidget* window, const std::string& where)>& check) {
        QStringList languages{QString::fromLatin1(kEnglish)};
        for (const ProgramLanguage& language : TranslatedLanguages()) {
            languages.append(QString::fromLatin1(language.code));
        }
        for (const QString& language : languages) {
            UseLanguage(language);
            for (const WindowUnderTest& under : Windows()) {
                QWidget* window = under.open();
                Settle(window);
                check(window, language.toStdString() + " " + under.name);
            }
            test_support::UnloadAllWindows();
        }
    }
};

TEST_F(LayoutFit, EveryControlLiesWithinItsContainer) {
    ForEachWindowInEachLanguage([](QWidget* window, const std::string& where) {
        for (const QWidget* control : Controls(window)) {
            const QRect container = control->parentWidget()->rect();
            EXPECT_TRUE(container.contains(CoveredRect(control)))
                << where << ": " << control->objectName().toStdString() << " outside "
                << control->parentWidget()->objectName().toStdString();
        }
    });
}

TEST_F(LayoutFit, NoTwoControlsOfAContainerOverlap) {
    ForEachWindowInEachLanguage([](QWidget* window, const std::string& where) {
        const QList<const QWidget*> controls = Controls(window);
        for (const QWidget* one : controls) {
            if (const auto* frame = qobject_cast<const QGroupBox*>(one->parentWidget())) {
                EXPECT_FALSE(CoveredRect(one).intersects(GroupBoxTitleRect(frame)))
                    << where << ": " << one->objectName().toStdString() << " covers the title of "
                    << frame->objectName().toStdString();
            }
            for (const QWidget* other : controls) {
                if (one < other && one->parentWidget() == other->parentWidget() &&
                    !StackedByDesign(one, other)) {
                    EXPECT_FALSE(CoveredRect(one).intersects(CoveredRect(other)))
                        << where << ": " << one->objectName().toStdString() << " and "
                        << other->objectName().toStdString();
                }
            }
        }
    });
}

TEST_F(LayoutFit, EveryCaptionFitsItsControl) {
    ForEachWindowInEachLanguage([](QWidget* window, const std::string& where) {
        for (const QWidget* control : Controls(window)) {
            EXPECT_EQ(CaptionOverflow(control), "")
                << where << ": " << control->objectName().toStdString() << " in font "
                << control->fontInfo().family().toStdString();
        }
    });
}

}  // namespace
}  // namespace fortunix::formtests
