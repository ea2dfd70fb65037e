// libFuzzer target for the readers of other programs' files, a CSV of
// tickets and a file of past draws.
#include "textfilechecks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (!textFilesReadSafely(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        std::abort();
    return 0;
}
