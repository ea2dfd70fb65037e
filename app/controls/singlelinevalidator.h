#pragma once

#include <QValidator>

// Keeps a text field on one line: a line break that comes in by typing,
// pasting or setText becomes a blank. A cell with a line break would shift
// every later ticket when the saved log is read back.
class SingleLineValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;
};
