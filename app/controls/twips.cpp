#include "twips.h"

#include <QFontInfo>
#include <QStringList>
#include <QtMath>

QFont layoutFont(const QString &family, double points, bool bold, bool underline)
{
    QFont font(family);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    font.setUnderline(underline);
    // The stand-in for "MS Sans Serif" runs a little wider than the original;
    // narrowed, captions such as "Click Here" fit their boxes as designed.
    if (family == msSansSerif && QFontInfo(font).family() != family)
        font.setStretch(96);
    return font;
}

void registerFontSubstitutes()
{
    QFont::insertSubstitutions(
        msSansSerif, QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                 QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(comicSansMs, QStringList{QStringLiteral("Comic Neue")});
}
