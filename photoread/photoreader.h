#pragma once

#include "photoimage.h"
#include "photopreparer.h"
#include "readticket.h"
#include "textreader.h"

#include <QPolygonF>
#include <QString>

#include <atomic>
#include <functional>

// A photo of a ticket read: made ready, its text read, and what the text
// says of the ticket; read again turned half round where it reads as no
// ticket the right way up. Where each play stands is given in the photo's
// pixels, to outline it there.
struct PhotoReading
{
    PhotoImage photo;
    PreparedPhoto prepared;
    ReadTicket ticket;
    QString problem; // why nothing can be added; empty where plays were read
    bool cancelled = false;

    QPolygonF onPhoto(const TextBox &box) const;

    // progress(done, of) is told how far the reading is; false from it
    // stops it.
    static PhotoReading read(PhotoImage photo, TextReader &reader,
                             const std::function<bool(int done, int of)> &progress = {});
};
