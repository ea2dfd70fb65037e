#include "keptfile.h"

#include "csvlines.h"
#include "datedfreepath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Another copy writes a few lines at a time: it lets go soon.
constexpr int waitMs = 10'000;

} // namespace

KeptFile::Contents KeptFile::read()
{
    m_onDisk.clear();
    m_settled = false;
    m_blocked = false;
    // Read whole, never while another copy replaces it; read still where
    // the lock cannot be had, as on a folder of no one's to write.
    FileLock reading(m_path);
    if (!m_held)
        reading.lock(waitMs, nullptr);
    Contents contents;
    QFile file(m_path);
    contents.exists = file.exists();
    if (!contents.exists)
        return contents;
    if (file.open(QIODevice::ReadOnly))
        contents.bytes = file.readAll();
    contents.whole = file.isOpen() && file.error() == QFileDevice::NoError;
    return contents; // closed here: Windows moves no file that is open
}

void KeptFile::settle(const QByteArray &bytes)
{
    m_onDisk = bytes; // shared with the reader's copy, not copied
    m_settled = true;
}

bool KeptFile::changed() const
{
    QFile file(m_path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    const bool there = file.exists();
    return !m_blocked && (there ? !m_settled || bytes != m_onDisk : m_settled);
}

void KeptFile::keepAside(const QString &stem)
{
    m_keptAside = QFileInfo(m_path).dir().filePath(
        QStringLiteral("%1-unreadable-%2.csv")
            .arg(stem, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    if (!QFile::rename(m_path, m_keptAside)) {
        m_keptAside.clear();
        m_blocked = true;
    }
}

KeptFile::Held::Held(const KeptFile &file, std::unique_ptr<FileLock> lock)
    : m_file(file), m_lock(std::move(lock))
{
    if (m_lock)
        m_file.m_held = true;
}

KeptFile::Held::~Held()
{
    if (m_lock)
        m_file.m_held = false;
}

KeptFile::Held KeptFile::lock(QString *reason) const
{
    auto held = std::make_unique<FileLock>(m_path);
    if (!held->lock(waitMs, reason))
        held.reset();
    return Held(*this, std::move(held));
}

QString KeptFile::keepCopy(const QString &stem) const
{
    const QString copy =
        DatedFreePath(QFileInfo(m_path).dir().filePath(stem + u'-')) + QStringLiteral(".csv");
    return QFile::copy(m_path, copy) ? copy : QString();
}

bool KeptFile::write(const QByteArray &bytes, QString *reason)
{
    if (m_blocked) {
        if (reason)
            *reason = QStringLiteral("%1 could not be read, nor moved aside")
                          .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        settle(bytes);
        return true;
    }
    if (reason)
        *reason = file.errorString();
    return false;
}

QString KeptFile::changedText(const QString &onward) const
{
    return m_keptAside.isEmpty()
               ? QStringLiteral("%1 was changed and can no longer be read")
                     .arg(QDir::toNativeSeparators(m_path))
               : QStringLiteral("%1 was changed and can no longer be read: it is kept as %2%3")
                     .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(m_keptAside),
                          onward);
}
