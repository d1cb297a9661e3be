#include "widgets/OutOfSightAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace fortunix {

namespace {

constexpr char kOutOfSight[] = "fortunixOutOfSight";

class OutOfSightAccessible final : public QAccessibleWidget {
  public:
    explicit OutOfSightAccessible(QWidget* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    // Out of sight whenever its containers leave none of it to be drawn.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->visibleRegion().isEmpty()) {
            state.invisible = true;
            state.offscreen = true;
        }
        return state;
    }
};

QAccessibleInterface* OutOfSightAccessibleFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // Only for the box's own class, which Qt asks first.
    if (widget == nullptr || !widget->property(kOutOfSight).toBool() ||
        className != QLatin1String(widget->metaObject()->className())) {
        return nullptr;
    }
    return new OutOfSightAccessible(widget);
}

}  // namespace

void AnswerAsOutOfSight(QWidget* box) {
    static const bool installed = [] {
        QAccessible::installFactory(OutOfSightAccessibleFactory);
        return true;
    }();
    (void)installed;
    box->setProperty(kOutOfSight, true);
}

}  // namespace fortunix
