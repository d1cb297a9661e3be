#include "forms/RecentBirthsMenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <utility>

#include "forms/ReadingSheet.h"
#include "forms/SharedMenus.h"
#include "platform/Platform.h"
#include "reading/BirthRecordFilling.h"
#include "widgets/WindowTexts.h"

namespace fortunix {

namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

QString RecentBirthText(const BirthFormState& state) {
    const BirthFormInput& fields = state.fields;
    QString text =
        QString::fromStdString(fields.name).trimmed() + QStringLiteral(", ") +
        SheetDate(CheckedNumber(fields.yearText), fields.monthIndex + 1, fields.dayIndex + 1) +
        u' ' + SheetClock(CheckedNumber(fields.hourText), CheckedNumber(fields.minuteText));
    if (state.place) {
        text += QStringLiteral(", ") + QString::fromStdString(state.place->name);
    }
    return text;
}

RecentBirthsMenu::RecentBirthsMenu(QWidget* window, QMenu* fileMenu,
                                   std::function<void(const BirthFormState&)> chosen)
    : QObject(window),
      window_(window),
      chosen_(std::move(chosen)),
      file_(CurrentPlatform().folders.DataFolder()) {
    submenu_ =
        fileMenu->addMenu(QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Recent &Births")));
    submenu_->setObjectName(QStringLiteral("mnuRecentBirths"));
    submenu_->menuAction()->setObjectName(QStringLiteral("mnuRecentBirthsMenu"));
    connect(submenu_, &QMenu::aboutToShow, this, &RecentBirthsMenu::mnuRecentBirths_Show);

    remember_ = AddMenuItem(fileMenu, "mnuRememberBirths",
                            QT_TRANSLATE_NOOP("Fortunix", "&Remember Births"));
    remember_->setCheckable(true);
    remember_->setChecked(true);
    connect(remember_, &QAction::triggered, this, &RecentBirthsMenu::mnuRememberBirths_Click);
    connect(fileMenu, &QMenu::aboutToShow, this, &RecentBirthsMenu::EnsureLoaded);
}

void RecentBirthsMenu::EnsureLoaded() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    RecentBirthsFile::Loaded loaded = file_.Load();
    recent_ = std::move(loaded.recent);
    remember_->setChecked(recent_.remember);
    if (!loaded.setAsidePath) {
        return;
    }
    if (loaded.setAsidePath->isEmpty()) {
        saveFailureTold_ = true;  // saving would fail for the same reason
        ShowMessage(window_,
                    QCoreApplication::translate(
                        "Fortunix",
                        "The list of recent births in \"%1\" could not be read, nor "
                        "moved aside. It is left as it is, and births are not "
                        "remembered until it is moved away.")
                        .arg(Native(file_.Path())),
                    MessageIcon::Information);
    } else if (loaded.unreadableEntries > 0) {
        ShowMessage(window_,
                    QCoreApplication::translate(
                        "Fortunix",
                        "%1 of the recent births could not be read. The list has been "
                        "set aside as \"%2\", and the births that could be read are "
                        "kept.")
                        .arg(loaded.unreadableEntries)
                        .arg(Native(*loaded.setAsidePath)),
                    MessageIcon::Information);
    } else {
        ShowMessage(
            window_,
            QCoreApplication::translate("Fortunix",
                                        "The list of recent births could not be read. It has been "
                                        "set aside as \"%1\", and the list starts empty.")
                .arg(Native(*loaded.setAsidePath)),
            MessageIcon::Information);
    }
}

void RecentBirthsMenu::Remember(const BirthFormState& state) {
    EnsureLoaded();
    if (!recent_.remember) {
        return;
    }
    AddRecentBirth(recent_.births, state);
    Save();
}

void RecentBirthsMenu::mnuRecentBirths_Show() {
    EnsureLoaded();
    submenu_->clear();
    for (std::size_t index = 0; index < recent_.births.size(); ++index) {
        QString text = RecentBirthText(recent_.births[index]);
        QAction* item = submenu_->addAction(text.replace(u'&', QStringLiteral("&&")));
        item->setObjectName(QStringLiteral("mnuRecentBirth_%1").arg(index));
        const BirthFormState state = recent_.births[index];
        connect(item, &QAction::triggered, this, [this, state] { chosen_(state); });
    }
    if (!recent_.births.empty()) {
        submenu_->addSeparator();
    }
    QAction* clear = AddMenuItem(submenu_, "mnuClearRecentBirths",
                                 QT_TRANSLATE_NOOP("Fortunix", "&Clear Recent Births"));
    clear->setEnabled(!recent_.births.empty());
    connect(clear, &QAction::triggered, this, &RecentBirthsMenu::mnuClearRecentBirths_Click);
    TranslateWindowTexts(submenu_);
}

void RecentBirthsMenu::mnuClearRecentBirths_Click() {
    EnsureLoaded();
    recent_.births.clear();
    Save();
}

void RecentBirthsMenu::mnuRememberBirths_Click(bool checked) {
    EnsureLoaded();
    recent_.remember = checked;
    if (!checked) {
        recent_.births.clear();
    }
    Save();
}

void RecentBirthsMenu::Save() {
    const std::optional<QString> failure = file_.Save(recent_);
    if (!failure || saveFailureTold_) {
        return;
    }
    saveFailureTold_ = true;
    ShowMessage(
        window_,
        QCoreApplication::translate("Fortunix",
                                    "The list of recent births could not be saved in \"%1\": %2. "
                                    "It is kept until Fortunix ends.")
            .arg(Native(file_.Path()), *failure),
        MessageIcon::Information);
}

}  // namespace fortunix
