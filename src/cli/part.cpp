#include "cli/part.h"

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/rangliste.h"

#include <map>
#include <vector>

namespace cli {

namespace {

using numbers::u64;
using numbers::u128;
using numbers::U256;

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
    if (numbers::readsDimensions(part.criterion))
        fields.push_back({"dimensionen", std::to_string(part.dimensions), true});
    fields.push_back({"generator", generatorText(part.generator), true});
    fields.push_back({"von", numbers::decimal(part.first), true});
    fields.push_back({"bis", numbers::decimal(part.last), true});
    fields.push_back({"top", part.top ? std::to_string(*part.top) : "alle", true});
    fields.push_back({"zeilen", std::to_string(part.rows), false});
    return fields;
}

} // namespace

std::pair<u128, u128> Part::stretch() const
{
    const U256 count = U256(last) - first + 1;
    const U256 from = first + count * (index - 1) / parts;
    const U256 to = first + count * index / parts; // one past
    return {u128(from), u128(to - 1)};
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

// The fields by their keys, each value read on its own; the line must then
// be the very line that part writes, which settles their order, their
// spelling and that none is missing or extra.
std::optional<Part> partOf(std::string_view line)
{
    if (!line.starts_with(opening) || !line.ends_with(complete))
        return std::nullopt;
    std::map<std::string_view, std::string_view> fields;
    std::string_view rest = line.substr(opening.size());
    while (!rest.empty()) {
        const std::string_view word = rest.substr(0, rest.find(' '));
        rest.remove_prefix(std::min(rest.size(), word.size() + 1));
        const size_t equals = word.find('=');
        if (equals != std::string_view::npos)
            fields.emplace(word.substr(0, equals), word.substr(equals + 1));
    }
    const auto number = [&fields](std::string_view key, U256 max = search::everyMultiplier) {
        return writtenNumber(fields[key], max).value_or(0);
    };
    const std::string_view shard = fields["teil"];
    const size_t slash = std::min(shard.find('/'), shard.size());
    Part part;
    part.index = u64(writtenNumber(shard.substr(0, slash), search::everyMultiplier).value_or(0));
    part.parts = u64(writtenNumber(shard.substr(std::min(slash + 1, shard.size())),
                                   search::everyMultiplier)
                             .value_or(0));
    part.n = number("n", ranglisteCommand.maxN);
    part.criterion = numbers::criterionNamed(fields["nach"]).value_or(numbers::Criterion::Sum);
    if (numbers::readsDimensions(part.criterion))
        part.dimensions = int(number("dimensionen", numbers::maxDimension));
    for (numbers::Generator each :
         {numbers::Generator::Mcg, numbers::Generator::Lcg}) {
        if (fields["generator"] == generatorText(each))
            part.generator = each;
    }
    part.first = u128(number("von", numbers::maxModulus<u128> - 1));
    part.last = u128(number("bis", numbers::maxModulus<u128> - 1));
    if (fields["top"] != "alle")
        part.top = u64(number("top"));
    part.rows = u64(number("zeilen"));
    const bool sound = part.index >= 1 && part.index <= part.parts && part.n >= 2
            && (!numbers::readsDimensions(part.criterion)
                || part.dimensions >= numbers::minDimension)
            && part.first >= 1 && part.first <= part.last && U256(part.last) < part.n
            && part.top != u64(0);
    if (!sound || part.closingLine() != std::string(line) + '\n')
        return std::nullopt;
    return part;
}

} // namespace cli
