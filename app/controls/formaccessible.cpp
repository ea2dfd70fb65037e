#include "formaccessible.h"

#include <QWidget>

FormAccessible::FormAccessible(QWidget *form) : QAccessibleWidget(form, QAccessible::Client) {}

QWidgetList FormAccessible::shownControls() const
{
    QWidgetList controls;
    for (QObject *object : widget()->children()) {
        auto *control = qobject_cast<QWidget *>(object);
        if (control && !control->isWindow() && !control->isHidden())
            controls << control;
    }
    return controls;
}

int FormAccessible::childCount() const
{
    return int(shownControls().size());
}

QAccessibleInterface *FormAccessible::child(int index) const
{
    const QWidgetList controls = shownControls();
    return index >= 0 && index < controls.size()
               ? QAccessible::queryAccessibleInterface(controls[index])
               : nullptr;
}

int FormAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child ? int(shownControls().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
}

QAccessibleInterface *FormAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("Form1") && object && object->isWidgetType())
        return new FormAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
