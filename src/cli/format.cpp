#include "cli/format.h"

#include "language/language.h"

#include "numbers/lattice.h"

#include <algorithm>

namespace cli {

namespace {

// Display width of UTF-8 text: its code points.
size_t displayWidth(std::string_view text)
{
    return size_t(std::count_if(text.begin(), text.end(),
                                [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

} // namespace

Output &Output::operator<<(std::string_view text)
{
    m_buffer += text;
    if (m_buffer.size() >= 1 << 16)
        flush();
    return *this;
}

bool Output::finish()
{
    flush();
    return std::fflush(m_file) == 0 && !std::ferror(m_file);
}

void Output::flush()
{
    std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file);
    m_buffer.clear();
}

std::string jsonMember(std::string_view key, std::string_view value)
{
    return '"' + std::string(key) + "\":" + std::string(value);
}

std::string jsonObject(const std::vector<std::string> &keys,
                       const std::vector<std::string> &values)
{
    std::string object = "{";
    for (size_t i = 0; i < keys.size() && i < values.size(); ++i)
        (object += i ? "," : "") += jsonMember(keys[i], values[i]);
    return object + '}';
}

JsonArray::JsonArray(Output &out)
    : m_out(out)
{
    m_out << '[';
}

void JsonArray::add(const std::string &value)
{
    m_out << (m_first ? "\n" : ",\n") << value;
    m_first = false;
}

void JsonArray::close()
{
    m_out << "\n]";
}

std::string csvLine(const std::vector<std::string> &fields)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i)
        (line += i ? "," : "") += fields[i];
    return line + '\n';
}

std::optional<std::vector<std::string_view>> csvFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t at = 0;
    for (;;) {
        size_t end = at;
        if (at < line.size() && line[at] == '"') {
            for (end = at + 1;; end += 2) {
                end = line.find('"', end);
                if (end == std::string_view::npos)
                    return std::nullopt;
                if (end + 1 >= line.size() || line[end + 1] != '"')
                    break;
            }
            ++end;
            if (end < line.size() && line[end] != ',')
                return std::nullopt;
        } else {
            end = std::min(line.find(',', at), line.size());
        }
        fields.push_back(line.substr(at, end - at));
        if (end == line.size())
            return fields;
        at = end + 1;
    }
}

TextTable::TextTable(std::vector<Column> columns)
    : m_columns(std::move(columns))
{
    for (const Column &column : m_columns)
        m_widths.push_back(displayWidth(column.caption));
}

void TextTable::measure(const std::vector<std::string> &cells)
{
    for (size_t c = 0; c < cells.size() && c < m_widths.size(); ++c)
        m_widths[c] = std::max(m_widths[c], displayWidth(cells[c]));
}

std::string TextTable::header() const
{
    std::vector<std::string> captions;
    for (const Column &column : m_columns)
        captions.push_back(column.caption);
    return line(captions);
}

std::string TextTable::line(const std::vector<std::string> &cells) const
{
    std::string text;
    for (size_t c = 0; c < cells.size(); ++c) {
        const std::string fill(m_widths[c] - std::min(m_widths[c], displayWidth(cells[c])), ' ');
        const bool last = c + 1 == cells.size();
        if (m_columns[c].left)
            text += last ? cells[c] : cells[c] + fill; // no blanks at the end of a line
        else
            text += fill + cells[c];
        if (!last)
            text += "  ";
    }
    return text + '\n';
}

std::vector<const numbers::FigureEntry *> FigureColumns::entries(Format format) const
{
    std::vector<const numbers::FigureEntry *> shown;
    if (euclid) {
        for (const numbers::FigureEntry &entry : numbers::everyFigure())
            shown.push_back(&entry);
    }
    if (dimensions >= numbers::minDimension) {
        for (const numbers::FigureEntry *entry : numbers::dimensionFigures(dimensions)) {
            if (format != Format::Text || entry->inText)
                shown.push_back(entry);
        }
    }
    for (const numbers::Figure figure : more)
        shown.push_back(&numbers::entryOf(figure));
    return shown;
}

std::vector<TextTable::Column> FigureColumns::captions() const
{
    std::vector<TextTable::Column> columns;
    for (const numbers::FigureEntry *entry : entries(Format::Text)) {
        std::string caption = language::translate("numbers", entry->caption).toStdString();
        if (entry->figure == Figure::Merit || entry->figure == Figure::Harmonic)
            caption += numbers::subscriptOf(dimensions);
        columns.push_back({caption, entry->figure == Figure::Fraction});
    }
    return columns;
}

std::vector<std::string> FigureColumns::keys() const
{
    std::vector<std::string> keys;
    for (const numbers::FigureEntry *entry : entries(Format::Csv))
        keys.emplace_back(entry->key);
    return keys;
}

template <typename K>
std::vector<std::string> FigureColumns::values(const numbers::BasicFigures<K> &figures,
                                               Format format) const
{
    std::vector<std::string> values;
    for (const numbers::FigureEntry *entry : entries(format))
        values.push_back(fieldOf(entry->figure, figures, format));
    return values;
}
template std::vector<std::string> FigureColumns::values(const numbers::Figures &, Format) const;
template std::vector<std::string> FigureColumns::values(const numbers::Figures128 &,
                                                        Format) const;

namespace {

char pointOf(Format format)
{
    return format == Format::Text ? language::decimalPoint() : '.';
}

// A CSV field in double quotes, doubling any quote inside (RFC 4180).
std::string csvQuoted(std::string_view field)
{
    std::string text = "\"";
    for (char c : field)
        text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

template <typename W>
std::string jsonArray(const std::vector<W> &values)
{
    std::string text = "[";
    for (size_t i = 0; i < values.size(); ++i)
        (text += i ? "," : "") += numbers::decimal(values[i]);
    return text + "]";
}

} // namespace

template <typename K>
std::string fieldOf(Figure figure, const numbers::BasicFigures<K> &figures, Format format)
{
    if (figure == Figure::Fraction && format == Format::Json)
        return jsonArray(figures.quotients);
    const std::string value = numbers::valueOf(figure, figures, pointOf(format));
    return figure == Figure::Fraction && format == Format::Csv ? csvQuoted(value) : value;
}
template std::string fieldOf(Figure, const numbers::Figures &, Format);
template std::string fieldOf(Figure, const numbers::Figures128 &, Format);

std::string decimalIn(numbers::Wide tenThousandths, Format format)
{
    return numbers::decimalOf(tenThousandths, pointOf(format));
}

} // namespace cli
