#include "elidedlabel.h"

#include "controls.h"

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent)
{
    // However long its text, the line keeps to the room it has.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::setFullText(const QString &text)
{
    m_text = text;
    setToolTip(PlainToolTip(text));
    setAccessibleName(text);
    elide();
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide()
{
    setText(fontMetrics().elidedText(m_text, Qt::ElideRight, contentsRect().width()));
}
