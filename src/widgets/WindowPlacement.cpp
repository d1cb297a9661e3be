#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

#include "platform/ProgramInfo.h"
#include "widgets/Appearance.h"
#include "widgets/Twips.h"

namespace fortunix {

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

namespace {

class FirstShowCentring final : public QObject {
  public:
    explicit FirstShowCentring(QWidget* window) : QObject(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            CentreOnScreen(static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void CentreOnFirstShow(QWidget* window) {
    window->installEventFilter(new FirstShowCentring(window));
}

QWidget* SetUpFixedWindow(QMainWindow* window, const char* name, int clientWidthTwips,
                          int clientHeightTwips) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QString::fromLatin1(kProgramTitle));
    window->setWindowIcon(ProgramIcon());
    window->setFont(ProgramFont());
    SetFocusColour(window);
    CentreOnFirstShow(window);

    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(TwipsRect(0, 0, clientWidthTwips, clientHeightTwips).size());
    window->setCentralWidget(client);
    return client;
}

void FixWindowSize(QMainWindow* window) {
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace fortunix
