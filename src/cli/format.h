#pragma once

#include "numbers/catalogue.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one place for the command line's output formats: a text table for
// reading, CSV with a header row (RFC 4180), JSON as one value. The figures'
// names and values come from the engine's catalogue.
namespace cli {

using numbers::Figure;

// The formats of the output: text for reading, with the decimal point of
// the language; CSV and JSON for machines, with a point, never localised.
enum class Format { Text, Csv, Json };

// A figure's value as the format writes it: the continued fraction quoted
// in CSV (RFC 4180) and an array of its quotients in JSON.
template <typename K>
std::string fieldOf(Figure figure, const numbers::BasicFigures<K> &figures, Format format);
// A decimal given in ten-thousandths, with the format's decimal point.
std::string decimalIn(numbers::Wide tenThousandths, Format format);

// Standard output, written in large pieces.
class Output
{
public:
    explicit Output(std::FILE *file)
        : m_file(file)
    {
    }
    Output &operator<<(std::string_view text);
    Output &operator<<(char c) { return *this << std::string_view(&c, 1); }
    // False when anything could not be written (a full disk, say).
    bool finish();

private:
    void flush();
    std::FILE *m_file;
    std::string m_buffer;
};

// The figures of the gap sum, which summe and analyse give.
inline constexpr Figure sumFigures[] = {Figure::Sum, Figure::Share, Figure::Fraction,
                                        Figure::Largest};

// "key":value
std::string jsonMember(std::string_view key, std::string_view value);
// {"key":value,…} of keys and values in the same order.
std::string jsonObject(const std::vector<std::string> &keys,
                       const std::vector<std::string> &values);

// A JSON array written one value at a time, each on a line of its own:
// "[", "\n" value, ",\n" value …, and at the close "\n]".
class JsonArray
{
public:
    explicit JsonArray(Output &out);
    void add(const std::string &value);
    void close();

private:
    Output &m_out;
    bool m_first = true;
};
// "a","b" → a,b with the separating commas; the fields are written as given.
std::string csvLine(const std::vector<std::string> &fields);
// The fields of a CSV line as they stand, quotes and all (RFC 4180, with no
// line break in a field), or none where its quotes do not close.
std::optional<std::vector<std::string_view>> csvFields(std::string_view line);

// A table for reading: columns separated by two blanks, each as wide as its
// widest cell, numbers right-aligned and text left-aligned; no line ends in
// blanks. Cells are measured first, then written, so rows may be made twice
// instead of kept.
class TextTable
{
public:
    struct Column {
        std::string caption;
        bool left = false;
    };
    explicit TextTable(std::vector<Column> columns);

    void measure(const std::vector<std::string> &cells);
    std::string header() const;
    std::string line(const std::vector<std::string> &cells) const;

private:
    std::vector<Column> m_columns;
    std::vector<size_t> m_widths;
};

// Columns of figures, as the commands write them: every figure of the
// Euclid pass, and the lattice figures of 3 … `dimensions` dimensions with
// the figure of merit M_T after them where dimensions is 2 or more. Text
// leaves out ν_t², and names M's T: "Gütemaß M₈". The figures shown
// where asked for (H_T, the lagged figure) come last.
struct FigureColumns {
    bool euclid = true;
    int dimensions = 0;
    std::vector<numbers::Figure> more = {};

    std::vector<TextTable::Column> captions() const;
    std::vector<std::string> keys() const;
    template <typename K>
    std::vector<std::string> values(const numbers::BasicFigures<K> &figures, Format format) const;

private:
    std::vector<const numbers::FigureEntry *> entries(Format format) const;
};

} // namespace cli
