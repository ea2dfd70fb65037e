#include "ticketfinder.h"

#include "codepage.h"

namespace {

const std::array<char16_t, 256> *singleByteFolds()
{
    static const std::optional<std::array<char16_t, 256>> folds =
        []() -> std::optional<std::array<char16_t, 256>> {
        if (!LogCodePageIsSingleByte())
            return std::nullopt;
        std::array<char16_t, 256> table{};
        CodePageDecoder decoder;
        for (int byte = 0; byte < 256; ++byte) {
            const char single = char(byte);
            const QString character = decoder.decode(QByteArrayView(&single, 1));
            table[byte] = character.size() == 1 ? character[0].toCaseFolded().unicode() : 0xFFFD;
        }
        return table;
    }();
    return folds ? &*folds : nullptr;
}

} // namespace

TicketFinder::TicketFinder(QStringView text)
    : m_folded(text.toString().toCaseFolded()), m_byteFolds(singleByteFolds())
{
}

bool TicketFinder::matches(const LogList &list, int row) const
{
    if (isEmpty())
        return true;
    for (int column = 0; column < list.columns(); ++column) {
        const std::optional<QByteArrayView> bytes =
            m_byteFolds ? list.savedBytes(row, column) : std::nullopt;
        if (bytes ? bytesMatch(*bytes) : list.text(row, column).toCaseFolded().contains(m_folded))
            return true;
    }
    return false;
}

bool TicketFinder::bytesMatch(QByteArrayView cell) const
{
    const std::array<char16_t, 256> &fold = *m_byteFolds;
    const qsizetype length = m_folded.size();
    const char16_t *needle = reinterpret_cast<const char16_t *>(m_folded.constData());
    const auto *bytes = reinterpret_cast<const uchar *>(cell.data());
    for (qsizetype start = 0; start + length <= cell.size(); ++start) {
        if (fold[bytes[start]] != needle[0])
            continue;
        qsizetype at = 1;
        while (at < length && fold[bytes[start + at]] == needle[at])
            ++at;
        if (at == length)
            return true;
    }
    return false;
}
