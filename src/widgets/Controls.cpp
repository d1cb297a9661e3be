#include "widgets/Controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/Appearance.h"
#include "widgets/DropDownListAccessible.h"
#include "widgets/LinkLabel.h"
#include "widgets/WrappingButton.h"

namespace fortunix {

namespace {

const QColor kTickBoxWhite{255, 255, 255};

template <typename Control>
Control* Coloured(Control* control, const ControlColours& colours) {
    if (colours.background) {
        SetBackground(control, *colours.background);
    }
    if (colours.text) {
        SetTextColour(control, *colours.text);
    }
    return control;
}

// Check boxes and option buttons keep a white box to tick on a coloured background.
template <typename Button>
Button* ChoiceButton(Button* button, const ControlColours& colours) {
    Coloured(button, colours);
    if (colours.background) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Base, kTickBoxWhite);
        button->setPalette(palette);
    }
    return button;
}

QPushButton* Command(QPushButton* button, const char* name, const TwipsBox& box,
                     const ControlColours& colours) {
    Place(button, name, box);
    Coloured(button, colours);
    button->setAutoDefault(true);
    return button;
}

}  // namespace

QWidget* Panel(QWidget* container, const char* name, const TwipsBox& box,
               const QColor& background) {
    return Coloured(Place(new QWidget(container), name, box), {background, std::nullopt});
}

QGroupBox* Frame(QWidget* container, const char* name, const QString& caption, const TwipsBox& box,
                 const ControlColours& colours) {
    return Coloured(Place(new QGroupBox(caption, container), name, box), colours);
}

QLabel* Label(QWidget* container, const char* name, const QString& text, const TwipsBox& box,
              const ControlColours& colours) {
    return Coloured(Place(new QLabel(text, container), name, box), colours);
}

QLabel* Paragraph(QWidget* container, const char* name, const QString& text, const TwipsBox& box,
                  const ControlColours& colours) {
    QLabel* label = Label(container, name, text, box, colours);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* Picture(QWidget* container, const char* name, const QIcon& icon, const TwipsBox& box) {
    auto* picture = Place(new QLabel(container), name, box);
    picture->setPixmap(icon.pixmap(picture->size()));
    return picture;
}

LinkLabel* Link(QWidget* container, const char* name, const QString& text, const TwipsBox& box,
                const ControlColours& colours) {
    auto* link = Place(new LinkLabel(container), name, box);
    link->setText(text);
    return Coloured(link, colours);
}

QLineEdit* TextBox(QWidget* container, const char* name, const TwipsBox& box,
                   const ControlColours& colours) {
    return Coloured(Place(new QLineEdit(container), name, box), colours);
}

QPlainTextEdit* MultiLineTextBox(QWidget* container, const char* name, const TwipsBox& box) {
    return Place(new QPlainTextEdit(container), name, box);
}

QComboBox* DropDownList(QWidget* container, const char* name, const TwipsBox& box,
                        const ControlColours& colours) {
    InstallDropDownListAccessibility();
    auto* list = Coloured(Place(new QComboBox(container), name, box), colours);
    list->setMaxVisibleItems(12);
    return list;
}

QCheckBox* CheckBox(QWidget* container, const char* name, const QString& text, const TwipsBox& box,
                    const ControlColours& colours) {
    return ChoiceButton(Place(new QCheckBox(text, container), name, box), colours);
}

QRadioButton* OptionButton(QWidget* container, QButtonGroup* array, int index, const QString& text,
                           const TwipsBox& box, const ControlColours& colours) {
    const QByteArray name = (array->objectName() + u'_' + QString::number(index)).toLatin1();
    auto* option =
        ChoiceButton(Place(new QRadioButton(text, container), name.constData(), box), colours);
    array->addButton(option, index);
    return option;
}

void TabStopOnChosenOption(QButtonGroup* array) {
    const auto update = [array] {
        for (QAbstractButton* option : array->buttons()) {
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    QObject::connect(array, &QButtonGroup::buttonToggled, array, update);
    update();
}

QPushButton* CommandButton(QWidget* container, const char* name, const QString& caption,
                           const TwipsBox& box, const ControlColours& colours) {
    return Command(new QPushButton(caption, container), name, box, colours);
}

QPushButton* WrappingCommandButton(QWidget* container, const char* name, const QString& caption,
                                   const TwipsBox& box, const ControlColours& colours) {
    return Command(new WrappingButton(caption, container), name, box, colours);
}

QFrame* HorizontalRule(QWidget* container, const char* name, const TwipsBox& box) {
    auto* rule = new QFrame(container);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return Place(rule, name, box);
}

}  // namespace fortunix
