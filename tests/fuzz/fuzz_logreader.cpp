// libFuzzer target for the saved-log reader: it must never crash, never give
// more rows than the bytes have lines divided by three (rounded up), never put
// a line break into a cell, and read the same rows however the bytes are cut
// into blocks.
#include "linecount.h"
#include "logfile.h"
#include "loglistmodel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    LogListModel list;
    AppendLogRows(list, bytes);
    LogListModel blockwise;
    AppendLogRows(blockwise, bytes, size > 0 ? 1 + data[0] % 16 : 1);
    if (blockwise.size() != list.size())
        std::abort();

    const std::size_t rows = std::size_t(list.size());
    if (rows > (countLines(data, size) + 2) / 3)
        std::abort();
    for (int row = 0; row < list.size(); ++row) {
        for (int column = 0; column < list.columns(); ++column) {
            const QStringView cell = list.text(row, column);
            if (cell.contains(u'\r') || cell.contains(u'\n') || cell != blockwise.text(row, column))
                std::abort();
        }
    }
    return 0;
}
