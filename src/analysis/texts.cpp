#include "analysis/texts.h"

#include "analysis/numbertext.h"
#include "language/language.h"

namespace analysis {

using numbers::u64;

QString caption::text(const char *caption)
{
    return language::translate("Form1", caption);
}

int columnWidth(u64 n)
{
    return n <= 999 ? 3 : int(numberText(double(n)).size());
}

AnalysisTexts::AnalysisTexts(u64 n, u64 k, int width, const QString &lineBreak)
    : m_width(width), m_lineBreak(lineBreak), m_k(k), m_steps(n, k)
{
}

QString AnalysisTexts::firstSequence() const
{
    return column(1, m_width) + u' ';
}

QString AnalysisTexts::firstMinimal() const
{
    return column(double(m_steps.n()), m_width);
}

void AnalysisTexts::advance()
{
    m_steps.advance();
    m_sum += m_steps.minimal();
}

QString AnalysisTexts::sequence() const
{
    return column(double(m_steps.position() + 1), m_width) + u' ';
}

QString AnalysisTexts::gaps() const
{
    return numberText(double(m_steps.backward())) + u'-' + numberText(double(m_steps.forward()))
            + m_lineBreak;
}

QString AnalysisTexts::minimal() const
{
    return column(double(m_steps.minimal()), m_width);
}

QString AnalysisTexts::sumLine() const
{
    return numberText(double(m_k)) + u':' + numberText(double(m_sum)) + m_lineBreak;
}

QString AnalysisTexts::permutation() const
{
    const std::vector<u64> steps = numbers::stepsByPosition(m_steps.n(), m_k);
    QString row;
    row.reserve(qsizetype(steps.size()) * m_width + m_lineBreak.size());
    for (u64 step : steps)
        row += column(double(step), m_width);
    return row + m_lineBreak;
}

Texts analysisTexts(u64 n, u64 k, int width, const QString &lineBreak)
{
    AnalysisTexts pieces(n, k, width, lineBreak);
    Texts texts{pieces.firstSequence(), {}, pieces.firstMinimal(), {}, {}};
    for (u64 i = 1; i < n; ++i) {
        pieces.advance();
        texts.sequence += pieces.sequence();
        texts.gaps += pieces.gaps();
        texts.minimal += pieces.minimal();
    }
    texts.minimal += pieces.endOfMinimal();
    texts.sums = pieces.sumLine();
    texts.permutation = pieces.permutation();
    return texts;
}

namespace {

// The fields of one step of an occupation.
struct StepField {
    const char *key;
    u64 (*value)(const numbers::Occupation &steps);
};
const StepField stepFields[] = {
    {"schritt", [](const numbers::Occupation &s) { return s.step(); }},
    {"position", [](const numbers::Occupation &s) { return s.position() + 1; }},
    {"rueckwaerts", [](const numbers::Occupation &s) { return s.backward(); }},
    {"vorwaerts", [](const numbers::Occupation &s) { return s.forward(); }},
    {"minimum", [](const numbers::Occupation &s) { return s.minimal(); }},
    {"gleichverteilt", [](const numbers::Occupation &s) { return s.n() / (s.step() + 1); }},
};

} // namespace

const std::vector<std::string> &stepKeys()
{
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> names;
        for (const StepField &field : stepFields)
            names.emplace_back(field.key);
        return names;
    }();
    return keys;
}

std::vector<std::string> stepValues(const numbers::Occupation &steps)
{
    std::vector<std::string> values;
    for (const StepField &field : stepFields)
        values.push_back(std::to_string(field.value(steps)));
    return values;
}

std::string stepsCsv(u64 n, u64 k)
{
    std::string csv;
    for (const StepField &field : stepFields)
        (csv += field.key) += ',';
    csv.back() = '\n';
    numbers::Occupation steps(n, k);
    for (u64 i = 1; i < n; ++i) {
        steps.advance();
        for (const StepField &field : stepFields)
            (csv += std::to_string(field.value(steps))) += ',';
        csv.back() = '\n';
    }
    return csv;
}

} // namespace analysis
