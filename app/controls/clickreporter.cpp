#include "clickreporter.h"

#include <QMouseEvent>
#include <QWidget>

ClickReporter::ClickReporter(QWidget *control) : QObject(control), m_control(control)
{
    control->installEventFilter(this);
}

bool ClickReporter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control)
        return false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        // The second press of a double click is no click of its own.
        m_pressed = false;
    } else if (event->type() == QEvent::MouseButtonPress) {
        m_pressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool click = m_pressed && mouse->button() == Qt::LeftButton &&
                           m_control->rect().contains(mouse->position().toPoint());
        m_pressed = false;
        if (click)
            emit clicked();
    }
    return false;
}
