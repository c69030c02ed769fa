#include "cli/part.h"

#include "cli/command.h"
#include "cli/rangliste.h"

#include <vector>

namespace cli {

namespace {

using numbers::u64;
using numbers::Wide;

constexpr std::string_view opening = "# zyklar ";
constexpr std::string_view complete = "vollstaendig";

struct Field {
    std::string key, value;
    bool shared; // the same in every part of one ranking
};

// "mcg", "lcg", and "alle" for every multiplier.
std::string generatorText(numbers::Generator generator)
{
    const char *name = generatorName(generator);
    return name ? name : "alle";
}

// The fields of the closing line, in its order.
std::vector<Field> fieldsOf(const Part &part)
{
    std::vector<Field> fields{
            {"teil", std::to_string(part.index) + '/' + std::to_string(part.parts), false},
            {"n", numbers::decimal(part.n), true},
            {"nach", numbers::entryOf(part.criterion).sortKey, true}};
    if (part.criterion == numbers::Criterion::Merit)
        fields.push_back({"dimensionen", std::to_string(part.dimensions), true});
    fields.push_back({"generator", generatorText(part.generator), true});
    fields.push_back({"von", std::to_string(part.first), true});
    fields.push_back({"bis", std::to_string(part.last), true});
    fields.push_back({"top", part.top ? std::to_string(*part.top) : "alle", true});
    fields.push_back({"zeilen", std::to_string(part.rows), false});
    return fields;
}

// A decimal number without sign or leading zero, up to `max`.
std::optional<Wide> decimalIn(std::string_view text, Wide max)
{
    if (text.empty() || text.size() > 39 || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    Wide value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > (max - Wide(c - '0')) / 10)
            return std::nullopt;
        value = value * 10 + Wide(c - '0');
    }
    return value;
}

std::optional<u64> countIn(std::string_view text)
{
    const auto value = decimalIn(text, numbers::everyMultiplier);
    return value ? std::optional(u64(*value)) : std::nullopt;
}

} // namespace

std::pair<u64, u64> Part::stretch() const
{
    const Wide count = Wide(last) - first + 1;
    const Wide from = first + count * (index - 1) / parts;
    const Wide to = first + count * index / parts; // one past
    return {u64(from), u64(to - 1)};
}

std::string Part::closingLine() const
{
    std::string line(opening);
    for (const Field &field : fieldsOf(*this))
        line += field.key + '=' + field.value + ' ';
    return line + std::string(complete) + '\n';
}

std::optional<std::pair<std::string, std::string>> Part::differenceFrom(const Part &other) const
{
    const std::vector<Field> mine = fieldsOf(*this), theirs = fieldsOf(other);
    const auto text = [](const Field &field) { return field.key + '=' + field.value; };
    if (parts != other.parts)
        return std::pair{text(mine.front()), text(theirs.front())};
    for (size_t i = 0; i < mine.size() && i < theirs.size(); ++i) {
        if (mine[i].shared && (mine[i].key != theirs[i].key || mine[i].value != theirs[i].value))
            return std::pair{text(mine[i]), text(theirs[i])};
    }
    return std::nullopt;
}

std::optional<Part> partOf(std::string_view line)
{
    if (!line.starts_with(opening))
        return std::nullopt;
    line.remove_prefix(opening.size());
    std::vector<std::pair<std::string_view, std::string_view>> fields;
    bool finished = false;
    while (!line.empty()) {
        const size_t end = line.find(' ');
        const std::string_view word = line.substr(0, end);
        line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
        if (finished)
            return std::nullopt; // the mark of completeness comes last
        if (word == complete) {
            finished = true;
            continue;
        }
        const size_t equals = word.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        fields.emplace_back(word.substr(0, equals), word.substr(equals + 1));
    }
    if (!finished)
        return std::nullopt;

    // Each field in its order, each value checked as it is read.
    Part part;
    size_t at = 0;
    std::string_view value;
    const auto next = [&](std::string_view key) {
        if (at == fields.size() || fields[at].first != key)
            return false;
        value = fields[at++].second;
        return true;
    };
    const auto count = [&value](u64 &into, u64 least) {
        const std::optional<u64> read = countIn(value);
        into = read.value_or(0);
        return read && *read >= least;
    };
    if (!next("teil"))
        return std::nullopt;
    const size_t slash = value.find('/');
    const std::string_view shard = value;
    value = shard.substr(0, slash);
    if (slash == std::string_view::npos || !count(part.index, 1))
        return std::nullopt;
    value = shard.substr(slash + 1);
    if (!count(part.parts, part.index))
        return std::nullopt;
    if (!next("n"))
        return std::nullopt;
    const std::optional<Wide> n = decimalIn(value, ranglisteCommand.maxN);
    if (!n || *n < 2)
        return std::nullopt;
    part.n = *n;
    if (!next("nach"))
        return std::nullopt;
    const std::optional<numbers::Criterion> criterion = numbers::criterionNamed(value);
    if (!criterion || value != numbers::entryOf(*criterion).sortKey)
        return std::nullopt;
    part.criterion = *criterion;
    if (part.criterion == numbers::Criterion::Merit) {
        u64 dimensions = 0;
        if (!next("dimensionen") || !count(dimensions, numbers::minDimension)
            || dimensions > u64(numbers::maxDimension))
            return std::nullopt;
        part.dimensions = int(dimensions);
    }
    if (!next("generator"))
        return std::nullopt;
    for (numbers::Generator each :
         {numbers::Generator::Any, numbers::Generator::Mcg, numbers::Generator::Lcg}) {
        if (value == generatorText(each))
            part.generator = each;
    }
    if (value != generatorText(part.generator))
        return std::nullopt;
    if (!next("von") || !count(part.first, 1) || !next("bis") || !count(part.last, part.first)
        || Wide(part.last) >= part.n || !next("top"))
        return std::nullopt;
    if (value != "alle") {
        u64 top = 0;
        if (!count(top, 1))
            return std::nullopt;
        part.top = top;
    }
    if (!next("zeilen") || !count(part.rows, 0) || at != fields.size())
        return std::nullopt;
    return part;
}

} // namespace cli
