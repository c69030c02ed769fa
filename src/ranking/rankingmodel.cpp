#include "ranking/rankingmodel.h"

namespace {

const char *const headers[] = {"Rang",   "k",           "Summe",
                               "Anteil", "Kettenbruch", "größter Teilnenner"};

} // namespace

void RankingModel::setN(int n)
{
    if (n == m_n)
        return;
    beginResetModel();
    m_n = n;
    const numbers::Wide equidistant = numbers::equidistantSum(numbers::u64(n));
    // The window's N is small: one thread is quicker than starting two.
    const std::vector<numbers::Ranked> ranked
            = numbers::ranking(numbers::u64(n), numbers::everyMultiplier, {}, 1);
    m_rows.clear();
    m_rows.reserve(ranked.size());
    m_rowOfK.assign(size_t(n), -1);
    for (const numbers::Ranked &entry : ranked) {
        m_rowOfK[entry.k] = int(m_rows.size());
        const numbers::Figures figures = numbers::figures(numbers::u64(n), entry.k, equidistant);
        m_rows.push_back({entry.rank, figures,
                          QString::fromStdString(numbers::continuedFractionText(figures.quotients))});
    }
    endResetModel();
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
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RankingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Row &row = m_rows[size_t(index.row())];
    const numbers::Figures &f = row.figures;
    const auto sum = qulonglong(f.sum); // below 2^64 for the window's N
    const auto column = Column(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column == Fraction ? Qt::AlignLeft | Qt::AlignVCenter
                                                      : Qt::AlignRight | Qt::AlignVCenter);
    if (role == SortRole) {
        switch (column) {
        case Rank: return qulonglong(row.rank);
        // A continued fraction's value is k/N: ordering by it orders by k.
        case Multiplier:
        case Fraction: return qulonglong(f.k);
        case Sum: return sum;
        case Share: return qulonglong(f.share);
        case Largest: return qulonglong(f.largest);
        case ColumnCount: break;
        }
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (column) {
    case Rank: return QString::number(row.rank);
    case Multiplier: return QString::number(f.k);
    case Sum: return QString::number(sum);
    case Share: return QString::fromStdString(numbers::shareText(f.share, ','));
    case Fraction: return row.fraction;
    case Largest: return QString::number(f.largest);
    case ColumnCount: break;
    }
    return {};
}

QVariant RankingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(headers[section]);
}
