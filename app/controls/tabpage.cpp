#include "tabpage.h"

TabPage::TabPage(QWidget *surface, const QSize &tabControlSize, QWidget *tabControl)
    : m_tabControl(tabControl), m_surface(surface)
{
    m_surface->setParent(this);
    m_surface->show();
    m_surface->resize(tabControlSize);
    // Pages in the plain button face, as the opaque labels on them are.
    setAutoFillBackground(true);
}

void TabPage::alignSurface()
{
    if (m_tabControl->isAncestorOf(this))
        m_surface->move(-mapTo(m_tabControl, QPoint(0, 0)));
}

void TabPage::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    alignSurface();
}
