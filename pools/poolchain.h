#pragma once

#include <QByteArray>
#include <QString>

// What proves pools.csv's record: each line's chain is the SHA-256 of the
// chain of the line before it (its 32 bytes) and the line's own values, so that a line
// changed after it was written, or one taken out, breaks the chain from
// there; a member who keeps a chain as it stood, on the sheet they signed,
// shows later that the record before it is the one they saw.
namespace PoolChain {

// The chain of a line after one whose chain was previous (empty for the
// first line), in 64 lower-case hex digits.
QString next(const QString &previous, const QByteArray &values);
// Whether a cell holds a chain: 64 hex digits.
bool isChain(QStringView cell);
// As a sheet prints it: its first 16 hex digits.
QString shortened(const QString &chain);

} // namespace PoolChain
