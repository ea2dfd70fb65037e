#include "controls.h"

#include "singlelinevalidator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

namespace {

template <typename Control>
Control *place(Control *control, const QString &name, const QRect &geometry, const QFont &font)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    if (font != QFont())
        control->setFont(font);
    return control;
}

} // namespace

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                  const QFont &font)
{
    auto *label = place(new QLabel(text, parent), name, geometry, font);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

QLineEdit *makeTextField(QWidget *parent, const QString &name, const QString &text,
                         const QRect &geometry, const QFont &font)
{
    auto *field = place(new QLineEdit(text, parent), name, geometry, font);
    field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    field->setValidator(new SingleLineValidator(field));
    return field;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text,
                        const QRect &geometry, const QFont &font)
{
    auto *button = place(new QPushButton(text, parent), name, geometry, font);
    button->setAutoDefault(false);
    return button;
}

QRadioButton *makeOptionButton(QWidget *parent, const QString &name, const QRect &geometry)
{
    // Only the circle fits in the box: the caption is cut off, as the label
    // beside the button carries the text the user reads.
    return place(new QRadioButton(name, parent), name, geometry, QFont());
}

QString PlainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped())
                                     : text;
}
