#pragma once

#include <QFont>
#include <QRect>

// The layout is given in twips: 15 twips make one pixel at 96 dots per inch.
constexpr int twipsToPixels(int twips)
{
    return (twips * 2 + 15) / 30;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// The faces the layout names; where they are missing, as on Linux,
// registerFontSubstitutes() gives close ones.
inline const QString msSansSerif = QStringLiteral("MS Sans Serif");
inline const QString comicSansMs = QStringLiteral("Comic Sans MS");

// A font of the layout, sized in points at 96 dots per inch so that it keeps
// its place among controls measured in pixels.
QFont layoutFont(const QString &family, double points, bool bold = false, bool underline = false);

// Where the fonts the layout names are missing, as on Linux, use close faces.
void registerFontSubstitutes();
