#include "readtext.h"

#include <algorithm>

namespace {

// UTF-8 to code points; a byte that starts no character is one of its own.
std::u32string codePoints(std::string_view utf8)
{
    std::u32string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[at]);
        const int length = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 1;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int more = 1; more < length && at + std::size_t(more) < utf8.size(); ++more)
            point =
                (point << 6) | (static_cast<unsigned char>(utf8[at + std::size_t(more)]) & 0x3F);
        text += point;
        at += std::size_t(length);
    }
    return text;
}

} // namespace

TextBox TextBox::united(const TextBox &other) const
{
    if (isEmpty())
        return other;
    if (other.isEmpty())
        return *this;
    const int right = std::max(left + width, other.left + other.width);
    const int bottom = std::max(top + height, other.top + other.height);
    TextBox box;
    box.left = std::min(left, other.left);
    box.top = std::min(top, other.top);
    box.width = right - box.left;
    box.height = bottom - box.top;
    return box;
}

ReadText ReadText::sure(std::string_view utf8)
{
    ReadText read;
    int top = 0;
    while (!utf8.empty()) {
        const std::size_t end = std::min(utf8.find('\n'), utf8.size());
        const std::u32string line = codePoints(utf8.substr(0, end));
        utf8.remove_prefix(std::min(end + 1, utf8.size()));
        Line made;
        int left = 0;
        for (std::size_t at = 0; at < line.size();) {
            const std::size_t space = std::min(line.find(U' ', at), line.size());
            if (space > at) {
                ReadWord word;
                word.text = line.substr(at, space - at);
                word.sureness.assign(word.text.size(), 1.0f);
                word.doubtful.assign(word.text.size(), false);
                word.box = {left * 10, top * 20, int(word.text.size()) * 10, 16};
                made.box = made.box.united(word.box);
                made.words.push_back(std::move(word));
            }
            left += int(space - at) + 1;
            at = space + 1;
        }
        if (!made.words.empty())
            read.lines.push_back(std::move(made));
        ++top;
    }
    return read;
}

ReadText ReadText::rows() const
{
    std::vector<Line> sorted = lines;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Line &a, const Line &b) { return a.box.top < b.box.top; });
    ReadText rows;
    for (Line &line : sorted) {
        if (!rows.lines.empty()) {
            Line &row = rows.lines.back();
            const int overlap =
                std::min(row.box.top + row.box.height, line.box.top + line.box.height) -
                std::max(row.box.top, line.box.top);
            // Of about one height: a tall line down the margin is no row's.
            if (overlap * 2 >= std::max(row.box.height, line.box.height)) {
                for (ReadWord &word : line.words)
                    row.words.push_back(std::move(word));
                std::stable_sort(
                    row.words.begin(), row.words.end(),
                    [](const ReadWord &a, const ReadWord &b) { return a.box.left < b.box.left; });
                row.box = row.box.united(line.box);
                continue;
            }
        }
        rows.lines.push_back(std::move(line));
    }
    return rows;
}
