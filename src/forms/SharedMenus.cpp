#include "forms/SharedMenus.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "forms/frmAbout.h"
#include "shell/IgnoringErrors.h"
#include "shell/modHelp.h"

namespace fortunix {

QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption) {
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

namespace {

QAction* AddTopLevelItem(QMenuBar* bar, const char* name, const char* caption) {
    QAction* item = bar->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

void AddHelpAndOfferMenus(QMainWindow* window, const HelpMenuDesign& design) {
    QMenuBar* bar = window->menuBar();
    QMenu* help = bar->addMenu(QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "&Help")));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(AddMenuItem(help, "mnuOnline", QT_TRANSLATE_NOOP("Fortunix", "&Online Help")),
                     &QAction::triggered, window, OpenOnlineHelp);
    QObject::connect(
        AddMenuItem(help, "mnuVisit", QT_TRANSLATE_NOOP("Fortunix", "&Visit Us Online")),
        &QAction::triggered, window, OpenHomePage);
    AddSeparator(help, design.firstSeparator);
    QObject::connect(AddMenuItem(help, "mnuUpdate", design.updateCaption), &QAction::triggered,
                     window, OpenDownloadPage);
    AddSeparator(help, design.secondSeparator);
    QObject::connect(
        AddMenuItem(help, "mnuAbout", QT_TRANSLATE_NOOP("Fortunix", "&About Software")),
        &QAction::triggered, window,
        [window] { IgnoringErrors([window] { ShowAboutBox(window); }); });

    QObject::connect(AddTopLevelItem(bar, "mnuDonate", QT_TRANSLATE_NOOP("Fortunix", "&Donate")),
                     &QAction::triggered, window, OpenDonatePage);
    QAction* makeMoney =
        AddTopLevelItem(bar, "mkmoney", QT_TRANSLATE_NOOP("Fortunix", "Make Money &Online"));
    QObject::connect(makeMoney, &QAction::triggered, window, OpenFullBrandPage);
    makeMoney->setEnabled(false);
}

}  // namespace fortunix
