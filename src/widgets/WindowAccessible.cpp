#include "widgets/WindowAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace fortunix {

namespace {

constexpr char kAnswersAsWindow[] = "fortunixAnswersAsWindow";

QAccessibleInterface* WindowAccessibleFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // Only for the window's own class, which Qt asks first.
    if (widget == nullptr || !widget->property(kAnswersAsWindow).toBool() ||
        className != QLatin1String(widget->metaObject()->className())) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void AnswerAsWindow(QWidget* window) {
    static const bool installed = [] {
        QAccessible::installFactory(WindowAccessibleFactory);
        return true;
    }();
    (void)installed;
    window->setProperty(kAnswersAsWindow, true);
}

}  // namespace fortunix
