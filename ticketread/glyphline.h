#pragma once

#include "readtext.h"

#include <string>
#include <vector>

// A line of a ticket's text as its characters, each with how sure the
// reader was of it, and as the words a ticket prints: runs of letters and
// digits between spaces and marks, in capitals, with what stood before
// each ("*24", "PB: 09", "A. 12").
class GlyphLine
{
public:
    struct Glyph
    {
        char32_t c;
        float sureness;
        bool doubtful;
        TextBox box;
    };
    struct Token
    {
        std::string text; // in capitals; a character beyond ASCII as '?'
        std::size_t from = 0;
        std::size_t to = 0; // its glyphs
        char before = ' ';  // the mark before it: ' ', '*', ':', '.', '-', '/', '$'
        bool spaced = true; // a space stood before it
    };

    explicit GlyphLine(const ReadText::Line &line);

    const std::vector<Glyph> &glyphs() const { return m_glyphs; }
    const std::vector<Token> &tokens() const { return m_tokens; }
    // The line in capitals, one space between its words.
    const std::string &text() const { return m_text; }
    bool has(std::string_view words) const { return m_text.find(words) != std::string::npos; }
    TextBox box() const { return m_box; }
    TextBox boxOf(const Token &token) const;

private:
    std::vector<Glyph> m_glyphs;
    std::vector<Token> m_tokens;
    std::string m_text;
    TextBox m_box;
};
