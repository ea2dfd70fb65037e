#include "noticebar.h"

#include "controls.h"

NoticeBar::NoticeBar(QWidget *parent) : QueryBar(parent)
{
    finishRow(QStringLiteral("Notice"), {});
}

void NoticeBar::setText(const QString &text)
{
    showStatus(text);
    setToolTip(PlainToolTip(text));
}
