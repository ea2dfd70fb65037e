#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>

// A ticket drawn as a receipt printer prints one, in one of several
// lotteries' layouts, then photographed in software: turned, skewed, in
// perspective, blurred, noisy, unevenly lit, saved as JPEG. It knows what
// it says, as the log would hold it.
struct TicketPicture
{
    enum Layout
    {
        NewHampshire, // "A. 12 31 33 52 57   PB: 09", "FOR 1 DRAW - Sat Apr 01 17"
        Indiana,      // "A 02 25 36 43 61   *24   QP", "SINGLE DRAW  Jun 30 2018"
        Texas,        // Mega Millions "A 05 12 23 34 45 MB 07 QP", "2 DRAWS  TUE JAN02 18"
    };
    struct Shot
    {
        double turn = 0;        // degrees, as the paper lies in the photo
        double perspective = 0; // how far the top edge is narrowed, 0 to 0.3
        double blur = 0;        // pixels
        double noise = 0;       // grey levels
        double shadow = 0;      // how much darker one corner is, 0 to 1
        int quality = 90;       // the JPEG's
    };

    QString game;
    QString date;
    QStringList plays; // each play's NUMBERS
    QImage photo;

    static TicketPicture of(Layout layout, int plays, std::uint32_t seed, const Shot &shot);
};
