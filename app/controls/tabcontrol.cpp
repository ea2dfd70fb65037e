#include "tabcontrol.h"

#include "tabpage.h"
#include "twips.h"

#include <QTabBar>

namespace {

class TabStrip : public QTabBar
{
public:
    TabStrip(int width, int tabCount) : m_width(width), m_tabCount(tabCount) {}

protected:
    QSize tabSizeHint(int index) const override
    {
        const int left = m_width * index / m_tabCount;
        const int right = m_width * (index + 1) / m_tabCount;
        return QSize(right - left, stripHeight);
    }

private:
    // 520 hundredths of a millimetre: about 295 twips.
    static constexpr int stripHeight = 20;
    int m_width;
    int m_tabCount;
};

constexpr int tabsPerRow = 3;

} // namespace

TabControl::TabControl(const QRect &geometry, QWidget *parent) : QTabWidget(parent)
{
    setGeometry(geometry);
    setTabBar(new TabStrip(geometry.width(), tabsPerRow));
}

void TabControl::addPage(QWidget *surface, const QString &caption)
{
    auto *page = new TabPage(surface, size(), this);
    addTab(page, caption);
    m_pages.append(page);
}

void TabControl::showEvent(QShowEvent *event)
{
    QTabWidget::showEvent(event);
    for (TabPage *page : std::as_const(m_pages))
        page->alignSurface();
}

void TabControl::resizeEvent(QResizeEvent *event)
{
    QTabWidget::resizeEvent(event);
    for (TabPage *page : std::as_const(m_pages))
        page->alignSurface();
}
