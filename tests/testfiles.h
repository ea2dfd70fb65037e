#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QSettings>
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

// The user's own settings put aside for a test, the program's one setting
// among them (on Windows, in the registry), and put back after it.
class SettingsAside
{
public:
    explicit SettingsAside(const QStringList &keys)
        : m_settings(QSettings::UserScope, QStringLiteral("Ticketwise"),
                     QStringLiteral("Ticketwise"))
    {
        for (const QString &key : keys) {
            m_kept.push_back({key, m_settings.value(key)});
            m_settings.remove(key);
        }
    }
    ~SettingsAside()
    {
        for (const auto &[key, value] : m_kept)
            value.isValid() ? m_settings.setValue(key, value) : m_settings.remove(key);
    }
    QSettings &settings() { return m_settings; }

private:
    QSettings m_settings;
    QList<std::pair<QString, QVariant>> m_kept;
};
