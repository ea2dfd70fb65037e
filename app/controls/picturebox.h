#pragma once

#include <QFrame>
#include <QPixmap>

// A sunken box that shows its picture unscaled from the top left of its inner
// area, cut off where the box is smaller.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    PictureBox(const QPixmap &picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
