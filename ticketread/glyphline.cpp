#include "glyphline.h"

namespace {

char capital(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return char(c - U'a' + 'A');
    if (c < 0x80)
        return char(c);
    // What a reader makes of a ticket's marks beyond ASCII.
    switch (c) {
    case U'\u2014': // em dash
    case U'\u2013': // en dash
    case U'\u2212':
        return '-';
    case U'\u00A7': // section sign, a dot and a letter run together
        return '.';
    case U'\u00A2': // cent sign, an odd C
        return 'C';
    case U'\u201C': // a star read as quotes, before a ball
    case U'\u201D':
    case U'\u2018':
    case U'\u2019':
        return '"';
    default:
        return '?';
    }
}

bool isWordCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '?';
}

} // namespace

GlyphLine::GlyphLine(const ReadText::Line &line) : m_box(line.box)
{
    for (const ReadWord &word : line.words) {
        if (!m_glyphs.empty())
            m_glyphs.push_back({U' ', 1.0f, false, {}});
        const int width = word.text.empty() ? 0 : word.box.width / int(word.text.size());
        for (std::size_t at = 0; at < word.text.size(); ++at)
            m_glyphs.push_back(
                {word.text[at],
                 at < word.sureness.size() ? word.sureness[at] : 0.0f,
                 at < word.doubtful.size() && word.doubtful[at],
                 {word.box.left + int(at) * width, word.box.top, width, word.box.height}});
    }
    char before = ' ';
    bool spaced = true;
    for (std::size_t at = 0; at < m_glyphs.size();) {
        const char c = capital(m_glyphs[at].c);
        m_text += c;
        if (!isWordCharacter(c)) {
            if (c == ' ')
                spaced = true;
            else
                before = c == '"' || c == '\'' ? '*' : c; // a star read as quotes
            ++at;
            continue;
        }
        Token token;
        token.from = at;
        token.before = before;
        token.spaced = spaced;
        token.text += c;
        for (++at; at < m_glyphs.size() && isWordCharacter(capital(m_glyphs[at].c)); ++at) {
            token.text += capital(m_glyphs[at].c);
            m_text += capital(m_glyphs[at].c);
        }
        token.to = at;
        m_tokens.push_back(std::move(token));
        before = ' ';
        spaced = false;
    }
}

TextBox GlyphLine::boxOf(const Token &token) const
{
    TextBox box;
    for (std::size_t at = token.from; at < token.to; ++at)
        box = box.united(m_glyphs[at].box);
    return box;
}
