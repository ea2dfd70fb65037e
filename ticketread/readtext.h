#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where a piece of a photo's text stands, in the photo's pixels as it was
// read.
struct TextBox
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    TextBox united(const TextBox &other) const;
};

// A word as a reader of text made it out: its characters, and how sure the
// reader was of each, from 0 to 1; doubtful where another character was
// nearly as likely.
struct ReadWord
{
    std::u32string text;
    std::vector<float> sureness;
    std::vector<bool> doubtful;
    TextBox box;
};

// The text a reader made of a photo of a ticket: its lines from the top,
// each its words from the left.
struct ReadText
{
    struct Line
    {
        std::vector<ReadWord> words;
        TextBox box;
    };
    std::vector<Line> lines;

    // Text read with every character sure, each line its words between
    // spaces, for a test or a text typed.
    static ReadText sure(std::string_view utf8);
    // The same lines as rows of the ticket: lines of about one height a
    // reader found apart on one row (a play's numbers and its ball, far to
    // the right) are one, their words from the left.
    ReadText rows() const;
};
