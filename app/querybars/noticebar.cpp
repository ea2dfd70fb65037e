#include "noticebar.h"

#include "controls.h"

#include <QToolButton>

NoticeBar::NoticeBar(QWidget *parent) : QueryBar(parent)
{
    m_button = addButton(QStringLiteral("NoticeButton"), QString());
    m_button->hide();
    connect(m_button, &QToolButton::clicked, this, [this] {
        if (m_pressed)
            m_pressed();
    });
    finishRow(QStringLiteral("Notice"), {});
}

void NoticeBar::setText(const QString &text)
{
    setText(text, {}, {});
}

void NoticeBar::setText(const QString &text, const QString &button, std::function<void()> pressed)
{
    m_pressed = std::move(pressed);
    m_button->setText(button);
    m_button->setVisible(!button.isEmpty());
    showStatus(text);
    setToolTip(PlainToolTip(text));
}
