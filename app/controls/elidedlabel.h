#pragma once

#include <QLabel>

// A line of text cut to the room it is given, with "..." where it is cut;
// screen readers and the tool tip have it whole.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return m_text; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_text;
};
