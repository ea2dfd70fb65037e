#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Controls as the layout gives them: a name, a place and a size in pixels, a
// text, and a font where the control has one of its own (an unset font means
// the window's default).

// An opaque label whose plain text wraps inside its box, from the top left.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                  const QFont &font = {});
// A single-line, left-aligned, editable text field.
QLineEdit *makeTextField(QWidget *parent, const QString &name, const QString &text,
                         const QRect &geometry, const QFont &font = {});
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text,
                        const QRect &geometry, const QFont &font = {});
QRadioButton *makeOptionButton(QWidget *parent, const QString &name, const QRect &geometry);

// A tool tip that shows the text as it stands, however much it looks like
// markup: a file's or a cell's words are never taken for rich text.
QString PlainToolTip(const QString &text);
