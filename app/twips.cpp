#include "twips.h"

#include <QStringList>
#include <QtMath>

QFont layoutFont(const QString &family, double points, bool bold, bool underline)
{
    QFont font(family);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void registerFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Liberation Sans"),
                                           QStringLiteral("Arimo"), QStringLiteral("Arial"),
                                           QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               QStringList{QStringLiteral("Comic Neue")});
}
