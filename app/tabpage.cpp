#include "tabpage.h"

TabPage::TabPage(const QSize &tabControlSize, QWidget *tabControl)
    : m_tabControl(tabControl), m_surface(new QWidget(this))
{
    m_surface->resize(tabControlSize);
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
