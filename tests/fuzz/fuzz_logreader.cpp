// libFuzzer target for the saved-log reader: it must never crash, never give
// more rows than the bytes have lines divided by three (rounded up), and never put
// a line break into a cell.
#include "linecount.h"
#include "logfile.h"
#include "loglistmodel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    LogListModel list;
    AppendLogRows(list, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    const std::size_t rows = std::size_t(list.size());
    if (rows > (countLines(data, size) + 2) / 3)
        std::abort();
    for (int row = 0; row < list.size(); ++row) {
        for (int column = 0; column < list.columns(); ++column) {
            const QString cell = list.text(row, column);
            if (cell.contains(u'\r') || cell.contains(u'\n'))
                std::abort();
        }
    }
    return 0;
}
