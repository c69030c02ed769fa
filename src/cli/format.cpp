#include "cli/format.h"

#include <algorithm>

namespace cli {

namespace {

using numbers::u64;

// Display width of UTF-8 text: its code points.
size_t displayWidth(std::string_view text)
{
    return size_t(std::count_if(text.begin(), text.end(),
                                [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

// A CSV field in double quotes, doubling any quote inside (RFC 4180).
std::string csvQuoted(std::string_view field)
{
    std::string text = "\"";
    for (char c : field)
        text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

std::string jsonArray(const std::vector<numbers::Wide> &values)
{
    std::string text = "[";
    for (size_t i = 0; i < values.size(); ++i)
        (text += i ? "," : "") += numbers::decimal(values[i]);
    return text + "]";
}

struct FigureName {
    const char *key;
    const char *caption;
};
const FigureName figureNames[] = {
    {"summe", "Summe"},
    {"anteil", "Anteil"},
    {"kettenbruch", "Kettenbruch"},
    {"groesster_teilnenner", "größter Teilnenner"},
    {"nu2_quadrat", "ν₂²"},
    {"f2", "f₂"},
    {"zaremba", "Zaremba"},
    {"lueckenverhaeltnis", "Lückenverhältnis"},
};

// The fields of one step of an occupation.
struct StepField {
    const char *key;
    u64 (*value)(const numbers::Occupation &steps, u64 n);
};
const StepField stepFields[] = {
    {"schritt", [](const numbers::Occupation &s, u64) { return s.step(); }},
    {"position", [](const numbers::Occupation &s, u64) { return s.position() + 1; }},
    {"rueckwaerts", [](const numbers::Occupation &s, u64) { return s.backward(); }},
    {"vorwaerts", [](const numbers::Occupation &s, u64) { return s.forward(); }},
    {"minimum", [](const numbers::Occupation &s, u64) { return s.minimal(); }},
    {"gleichverteilt", [](const numbers::Occupation &s, u64 n) { return n / (s.step() + 1); }},
};

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

const char *keyOf(Figure figure)
{
    return figureNames[int(figure)].key;
}

const char *captionOf(Figure figure)
{
    return figureNames[int(figure)].caption;
}

std::string decimalOf(numbers::Wide tenThousandths, Format format)
{
    return numbers::fourDecimals(tenThousandths, format == Format::Text ? ',' : '.');
}

std::string valueOf(Figure figure, const numbers::Figures &f, Format format)
{
    switch (figure) {
    case Figure::Sum: return numbers::decimal(f.sum);
    case Figure::Share: return decimalOf(f.share, format);
    case Figure::Fraction:
        if (format == Format::Json)
            return jsonArray(f.quotients);
        if (format == Format::Csv)
            return csvQuoted(numbers::continuedFractionText(f.quotients));
        return numbers::continuedFractionText(f.quotients);
    case Figure::Largest: return numbers::decimal(f.largest);
    case Figure::Nu2: return numbers::decimal(f.nu2);
    case Figure::F2: return decimalOf(f.f2, format);
    case Figure::Zaremba: return std::to_string(f.zaremba);
    case Figure::GapRatio: return decimalOf(numbers::tenThousandths(f.gapRatio), format);
    }
    return {};
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

std::string stepsCsv(u64 n, u64 k)
{
    std::vector<std::string> keys;
    for (const StepField &field : stepFields)
        keys.emplace_back(field.key);
    std::string csv = csvLine(keys);
    numbers::Occupation steps(n, k);
    for (u64 i = 1; i < n; ++i) {
        steps.advance();
        for (const StepField &field : stepFields)
            (csv += std::to_string(field.value(steps, n))) += ',';
        csv.back() = '\n';
    }
    return csv;
}

void writeStepsJson(JsonArray &array, u64 n, u64 k)
{
    std::vector<std::string> keys;
    for (const StepField &field : stepFields)
        keys.emplace_back(field.key);
    numbers::Occupation steps(n, k);
    for (u64 i = 1; i < n; ++i) {
        steps.advance();
        std::vector<std::string> values;
        for (const StepField &field : stepFields)
            values.push_back(std::to_string(field.value(steps, n)));
        array.add(jsonObject(keys, values));
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

} // namespace cli
