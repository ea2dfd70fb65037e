#pragma once

#include <QWidget>

// A page of the tab control. Its controls stand on a surface the size of the
// whole tab control, shifted back by the page's own offset, so that a control
// placed at a position of the layout shows there on screen.
class TabPage : public QWidget
{
    Q_OBJECT

public:
    TabPage(QWidget *surface, const QSize &tabControlSize, QWidget *tabControl);

    void alignSurface();

protected:
    void moveEvent(QMoveEvent *event) override;

private:
    QWidget *m_tabControl;
    QWidget *m_surface;
};
