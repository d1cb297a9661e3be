#include "forms/LanguageMenu.h"

#include <QActionGroup>
#include <QEvent>
#include <QLocale>

#include "forms/ProgramLanguage.h"

namespace fortunix {

namespace {

// The choice an item stands for, as the settings keep it: empty for the system's language.
const char* const kChoiceProperty = "languageChoice";

}  // namespace

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("mnuLanguage"));
    menuAction()->setObjectName(QStringLiteral("mnuLanguageMenu"));
    auto* choices = new QActionGroup(this);
    const QString saved = SavedLanguageChoice();
    const auto addChoice = [this, choices, &saved](const char* name, const QString& caption,
                                                   const QString& choice) {
        QAction* item = addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        item->setProperty(kChoiceProperty, choice);
        item->setCheckable(true);
        item->setActionGroup(choices);
        connect(item, &QAction::triggered, this, [this, choice] { Choose(choice); });
        return item;
    };
    systemLanguage_ = addChoice("mnuLanguageSystem", QString(), QString());
    addSeparator();
    addChoice("mnuLanguage_en", QStringLiteral("&English"), QString::fromLatin1(kEnglish));
    for (const ProgramLanguage& language : TranslatedLanguages()) {
        const QByteArray name = QByteArray("mnuLanguage_") + language.code;
        addChoice(name.constData(), QString::fromUtf8(language.menuCaption),
                  QString::fromLatin1(language.code));
    }
    for (QAction* item : choices->actions()) {
        item->setChecked(item->property(kChoiceProperty).toString() == saved);
    }
    if (!choices->checkedAction()) {
        systemLanguage_->setChecked(true);  // a choice the program does not know
    }
    Retranslate();
}

void LanguageMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QMenu::changeEvent(event);
}

void LanguageMenu::Retranslate() {
    setTitle(tr("&Language"));
    systemLanguage_->setText(tr("&System language"));
}

void LanguageMenu::Choose(const QString& choice) {
    SaveLanguageChoice(choice);
    UseLanguage(ChooseLanguage(QLocale::system().uiLanguages(), choice));
}

}  // namespace fortunix
