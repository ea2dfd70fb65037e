#pragma once

#include <cstddef>
#include <cstdint>

// Lines as a text editor counts them: each ends in CR LF, LF or CR, and text
// after the last line end is one more line. The reader may give no more rows
// than this divided by three, rounded up.
inline std::size_t countLines(const std::uint8_t *data, std::size_t size)
{
    std::size_t lines = 0;
    std::size_t position = 0;
    while (position < size) {
        while (position < size && data[position] != '\r' && data[position] != '\n')
            ++position;
        ++lines;
        if (position < size && data[position++] == '\r' && position < size &&
            data[position] == '\n')
            ++position;
    }
    return lines;
}
