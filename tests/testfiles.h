#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTest>

// What the tests compare: the rows of the ticket list, cell by cell, and the
// bytes of a file.
using Rows = QList<QStringList>;

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline Rows rowsOf(const QAbstractItemModel &model)
{
    Rows rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows << cells;
    }
    return rows;
}
