#include "picturebox.h"

#include <QPainter>

PictureBox::PictureBox(const QPixmap &picture, QWidget *parent) : QFrame(parent), m_picture(picture)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), m_picture);
}
