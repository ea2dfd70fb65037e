#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A part of a record the player saves, as a PDF or a CSV: a title, a table
// and the notes under it, and the pictures after them (image files, each
// with its caption), printed in a PDF only.
struct RecordSection
{
    struct Picture
    {
        QString path;
        QString caption;
    };
    QString title;
    QStringList columns;
    std::vector<QStringList> rows;
    QStringList notes;
    std::vector<Picture> pictures = {};
};

// A CSV as Excel opens it: the heading, then a section after another; false,
// with the reason, where it could not be written.
bool WriteSectionsCsv(const QString &heading, const std::vector<RecordSection> &sections,
                      const QString &path, QString *reason);
