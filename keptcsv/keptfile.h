#pragma once

#include "filelock.h"

#include <QByteArray>
#include <QString>

#include <memory>

// A file the program keeps beside the log, read whole and written whole
// through a temporary file: what it held when last read or written, so
// that a change by another hand or copy is seen before it is written over,
// and where it went where it was no file of its kind. Another copy of the
// program writes it only once it holds its lock: a change is read again and
// the file written under one lock.
class KeptFile
{
public:
    explicit KeptFile(const QString &path) : m_path(path) {}

    struct Contents
    {
        QByteArray bytes;
        bool exists = false;
        bool whole = false; // read to its end
    };
    // Reads it, and forgets what it held before.
    Contents read();
    // What was read is what the file holds now.
    void settle(const QByteArray &bytes);
    // Whether it differs from what was last read or written.
    bool changed() const;
    // Moves it aside as <stem>-unreadable-DATE-TIME.csv; where it cannot
    // be moved, it is never written over.
    void keepAside(const QString &stem);
    QString keptAside() const { return m_keptAside; }
    bool blocked() const { return m_blocked; }
    // The lock, held from reading it again to writing it; false, with the
    // reason, where another copy held it too long or it cannot be had. Once
    // a copy holds it, no other reads the file either: Windows replaces no
    // file another program has open.
    class Held
    {
    public:
        Held(const KeptFile &file, std::unique_ptr<FileLock> lock);
        Held(Held &&other) noexcept : m_file(other.m_file), m_lock(std::move(other.m_lock)) {}
        Held(const Held &) = delete;
        ~Held();
        explicit operator bool() const { return bool(m_lock); }

    private:
        const KeptFile &m_file;
        std::unique_ptr<FileLock> m_lock;
    };
    Held lock(QString *reason) const;
    // Copies it beside itself as <stem>-DATE-TIME.csv, as it is on the disk;
    // the copy's path, empty where it could not be made.
    QString keepCopy(const QString &stem) const;
    // Writes it whole; false, with the reason, where it could not be, or
    // where it was not read and could not be moved aside.
    bool write(const QByteArray &bytes, QString *reason);
    // What the user is told where it changed into no file of its kind;
    // onward says what comes of it where it was moved aside.
    QString changedText(const QString &onward = {}) const;

    QString path() const { return m_path; }

private:
    QString m_path;
    QString m_keptAside;
    QByteArray m_onDisk;         // the file as last read or written
    bool m_settled = false;      // it was there then
    bool m_blocked = false;      // unreadable and not moved aside
    mutable bool m_held = false; // by this copy, while it reads again and writes
};
