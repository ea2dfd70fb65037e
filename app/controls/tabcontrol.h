#pragma once

#include <QTabWidget>
#include <QVector>

class TabPage;

// SSTab1: three tabs of equal width in a strip about 20 pixels high, and
// pages whose controls are placed from the top-left of the whole control.
class TabControl : public QTabWidget
{
    Q_OBJECT

public:
    TabControl(const QRect &geometry, QWidget *parent);

    // Adds a page whose controls take their places on surface, which is made
    // the size of the whole tab control.
    void addPage(QWidget *surface, const QString &caption);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QVector<TabPage *> m_pages;
};
