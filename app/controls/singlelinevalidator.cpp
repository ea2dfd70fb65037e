#include "singlelinevalidator.h"

QValidator::State SingleLineValidator::validate(QString &input, int &position) const
{
    if (!input.contains(u'\r') && !input.contains(u'\n'))
        return Acceptable;

    QString oneLine;
    oneLine.reserve(input.size());
    for (qsizetype index = 0; index < input.size(); ++index) {
        const QChar character = input[index];
        if (character == u'\r' && index + 1 < input.size() && input[index + 1] == u'\n') {
            if (index < position)
                --position;
            continue;
        }
        oneLine += (character == u'\r' || character == u'\n') ? QChar(u' ') : character;
    }
    input = oneLine;
    return Acceptable;
}
