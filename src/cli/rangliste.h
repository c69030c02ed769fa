#pragma once

#include "cli/command.h"
#include "search/multiplierranking.h"

#include <functional>

// What rangliste and zusammenfuehren share: reading the ranking a command
// asks for, and writing ranked rows with every figure.
namespace cli {

// The --nach key of a ranking in the language of the call: "spektral",
// "spectral".
std::string keyOf(numbers::Criterion criterion);
// "mcg" and "lcg" as --generator names them; nullptr for every multiplier.
const char *generatorName(numbers::Generator generator);

// The generator --generator names; every multiplier without it.
numbers::Generator generatorOf(const Invocation &call);

// Under a text table whose spectral figures are read on the MCG's own
// lattice, the line that says so; empty where they are N's.
std::string latticeNote(const numbers::U256 &n, numbers::Generator generator);

// The criterion, dimensions and generator of --nach, --dimensionen and
// --generator, for N; K is the multipliers' type (u64 up to N = 2^64,
// u128 beyond).
template <typename K>
search::BasicRankingQuery<K> rankingOrderOf(const Invocation &call, numbers::WideOf<K> n);

// The columns of a ranking in CSV and JSON: rang, k and every figure, and
// ranked by a figure of the lattices their dimensions after them.
std::vector<std::string> rankingColumns(numbers::Criterion criterion, int dimensions);

// The rows that forEach hands to its visitor, written in the call's format.
template <typename K>
using RankedRows = std::function<void(const std::function<void(const search::BasicRanked<K> &)> &)>;
template <typename K>
void writeRanking(const Invocation &call, const search::BasicRankingQuery<K> &query,
                  const RankedRows<K> &forEach);

} // namespace cli
