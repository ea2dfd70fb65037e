#pragma once

#include "loglist.h"

#include <QString>
#include <QStringView>

#include <array>

// Find: whether a ticket holds a text in its game, its date or its numbers,
// as the list shows them, whatever the case of each letter of the code page
// ("é" finds "É"). Cells read from a log in a single-byte code page are
// searched in their own bytes, so that a keystroke over a long log decodes
// nothing.
class TicketFinder
{
public:
    explicit TicketFinder(QStringView text = {});

    bool isEmpty() const { return m_folded.isEmpty(); }
    bool matches(const LogList &list, int row) const;
    // Every ticket this finder matches, the other one matches too.
    bool narrows(const TicketFinder &other) const { return m_folded.contains(other.m_folded); }

private:
    bool bytesMatch(QByteArrayView cell) const;

    QString m_folded;
    // Each byte of the code page as its case-folded character, where every
    // byte is a character; null elsewhere.
    const std::array<char16_t, 256> *m_byteFolds;
};
