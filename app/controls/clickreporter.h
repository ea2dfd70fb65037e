#pragma once

#include <QObject>

class QWidget;

// Reports the clicks of the control it is made for: a left button pressed and
// released over it. The control's other events go on as before and do nothing
// here.
class ClickReporter : public QObject
{
    Q_OBJECT

public:
    explicit ClickReporter(QWidget *control);

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_control;
    bool m_pressed = false;
};
