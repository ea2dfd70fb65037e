#include "contextmenukeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

namespace {

class ShiftF10 : public QObject
{
public:
    explicit ShiftF10(QAbstractItemView *view) : QObject(view), m_view(view) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_view || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
            return false;
        const QModelIndex current = m_view->currentIndex();
        const QPoint inViewport = current.isValid() ? m_view->visualRect(current).center()
                                                    : m_view->viewport()->rect().topLeft();
        const QPoint at = m_view->viewport()->mapTo(m_view, inViewport);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, m_view->mapToGlobal(at));
        QApplication::sendEvent(m_view, &menu);
        return true;
    }

private:
    QAbstractItemView *m_view;
};

} // namespace

void OpenContextMenuOnShiftF10(QAbstractItemView *view)
{
    view->installEventFilter(new ShiftF10(view));
}
