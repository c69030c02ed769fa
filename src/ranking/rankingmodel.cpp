#include "ranking/rankingmodel.h"

#include "language/language.h"
#include "numbers/lattice.h"

namespace {

using numbers::u64;

// The figures with a column, in the catalogue's order, after Rang and k:
// those of the Euclid pass, then the figure of merit M₈.
const std::vector<const numbers::FigureEntry *> &shownFigures()
{
    static const std::vector<const numbers::FigureEntry *> shown = [] {
        std::vector<const numbers::FigureEntry *> entries;
        for (const numbers::FigureEntry &entry : numbers::everyFigure()) {
            if (entry.column)
                entries.push_back(&entry);
        }
        entries.push_back(&numbers::entryOf(numbers::Figure::Merit));
        return entries;
    }();
    return shown;
}

constexpr int firstFigure = RankingModel::Multiplier + 1;

} // namespace

int RankingModel::columns()
{
    return firstFigure + int(shownFigures().size());
}

int RankingModel::columnOf(numbers::Figure figure)
{
    const auto &shown = shownFigures();
    for (size_t i = 0; i < shown.size(); ++i) {
        if (shown[i]->figure == figure)
            return firstFigure + int(i);
    }
    return -1;
}

const numbers::FigureEntry *RankingModel::figureAt(int column)
{
    const auto &shown = shownFigures();
    return column >= firstFigure && column < columns() ? shown[size_t(column - firstFigure)]
                                                       : nullptr;
}

void RankingModel::setN(int n)
{
    if (n == m_n)
        return;
    m_n = n;
    rank();
}

void RankingModel::setCriterion(numbers::Criterion criterion)
{
    if (criterion == m_criterion)
        return;
    m_criterion = criterion;
    if (m_n > 0)
        rank();
}

search::RankingQuery RankingModel::queryBy(numbers::Criterion criterion) const
{
    // The window's N is small: one thread is quicker than starting two.
    search::RankingQuery query;
    query.n = u64(m_n);
    query.criterion = criterion;
    query.threads = 1;
    return query;
}

void RankingModel::rank()
{
    beginResetModel();
    const numbers::EquidistantRow equidistant{u64(m_n)};
    const std::vector<search::Ranked> ranked = search::ranking(queryBy(m_criterion));
    m_rows.clear();
    m_meritRanks.clear();
    m_rows.reserve(ranked.size());
    m_rowOfK.assign(size_t(m_n), -1);
    for (const search::Ranked &entry : ranked) {
        m_rowOfK[entry.k] = int(m_rows.size());
        Row row{entry.rank, numbers::figures(u64(m_n), entry.k, equidistant), {}};
        row.texts = {QString::number(entry.rank), QString::number(entry.k)};
        for (const numbers::FigureEntry *shown : shownFigures())
            row.texts.push_back(shown->figure == numbers::Figure::Merit
                                        ? QString()
                                        : QString::fromStdString(numbers::valueOf(
                                                  shown->figure, row.figures,
                                                  language::decimalPoint())));
        m_rows.push_back(std::move(row));
    }
    endResetModel();
}

const numbers::Figures &RankingModel::figuresAt(int row) const
{
    const Row &entry = m_rows[size_t(row)];
    if (!entry.reduced) {
        numbers::addDimensions(entry.figures, numbers::defaultDimensions);
        const numbers::Figure merit = numbers::Figure::Merit;
        entry.texts[size_t(columnOf(merit))] = QString::fromStdString(
                numbers::valueOf(merit, entry.figures, language::decimalPoint()));
        entry.reduced = true;
    }
    return entry.figures;
}

u64 RankingModel::meritRank(int row) const
{
    if (m_meritRanks.empty()) {
        m_meritRanks.assign(m_rows.size(), 0);
        for (const search::Ranked &ranked : search::ranking(queryBy(numbers::Criterion::Merit)))
            m_meritRanks[size_t(rowOf(int(ranked.k)))] = ranked.rank;
    }
    return m_meritRanks[size_t(row)];
}

int RankingModel::rowOf(int k) const
{
    return k > 0 && size_t(k) < m_rowOfK.size() ? m_rowOfK[size_t(k)] : -1;
}

int RankingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RankingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns();
}

QVariant RankingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Row &row = m_rows[size_t(index.row())];
    const numbers::FigureEntry *figure = figureAt(index.column());
    if (figure && figure->figure == numbers::Figure::Merit)
        figuresAt(index.row());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(figure && figure->figure == numbers::Figure::Fraction
                                           ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
    if (role == SortRole) {
        if (!figure)
            return qulonglong(index.column() == Rank ? row.rank : row.figures.k);
        // The figure of merit is no fraction: its rank, the best last, so
        // that it sorts as the fractions do, ascending by value.
        if (figure->figure == numbers::Figure::Merit)
            return qulonglong(m_rows.size() - meritRank(index.row()));
        // The window's N is at most 200: doubles order every figure's
        // numbers and fractions exactly.
        const numbers::Ratio number = numbers::numberOf(*figure, row.figures);
        return double(number.num) / double(number.den);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return row.texts[size_t(index.column())];
}

QVariant RankingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= columns())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (const numbers::FigureEntry *figure = figureAt(section))
        return language::translate("numbers", figure->column);
    return section == Rank ? tr("Rang") : QStringLiteral("k");
}
