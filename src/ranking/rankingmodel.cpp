#include "ranking/rankingmodel.h"

namespace {

using numbers::u64;

const char *const headers[] = {"Rang",    "k",       "Summe",           "Anteil",
                               "Kettenbruch", "größter Teilnenner", "Spektraltest f₂",
                               "Zaremba", "Lückenverhältnis"};

QString fourDecimals(numbers::Wide tenThousandths)
{
    return QString::fromStdString(numbers::fourDecimals(tenThousandths, ','));
}

} // namespace

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

void RankingModel::rank()
{
    beginResetModel();
    const numbers::Wide equidistant = numbers::equidistantSum(u64(m_n));
    // The window's N is small: one thread is quicker than starting two.
    numbers::RankingQuery query;
    query.n = u64(m_n);
    query.criterion = m_criterion;
    query.threads = 1;
    const std::vector<numbers::Ranked> ranked = numbers::ranking(query);
    m_rows.clear();
    m_rows.reserve(ranked.size());
    m_rowOfK.assign(size_t(m_n), -1);
    for (const numbers::Ranked &entry : ranked) {
        m_rowOfK[entry.k] = int(m_rows.size());
        const numbers::Figures figures = numbers::figures(u64(m_n), entry.k, equidistant);
        const QString fraction
                = QString::fromStdString(numbers::continuedFractionText(figures.quotients));
        m_rows.push_back({entry.rank, figures, fraction});
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
    const auto column = Column(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column == Fraction ? Qt::AlignLeft | Qt::AlignVCenter
                                                      : Qt::AlignRight | Qt::AlignVCenter);
    // The window's N is at most 200: every figure fits 64 bits.
    const auto number = [](numbers::Wide value) { return qulonglong(value); };
    if (role == SortRole) {
        switch (column) {
        case Rank: return number(row.rank);
        // A continued fraction's value is k/N: ordering by it orders by k.
        case Multiplier:
        case Fraction: return number(f.k);
        case Sum: return number(f.sum);
        case Share: return number(f.share);
        case Largest: return number(f.largest);
        case Spectral: return number(f.nu2); // f₂ grows with ν₂² at one N
        case Zaremba: return number(f.zaremba);
        // Fractions of numbers up to 200: doubles order them exactly.
        case GapRatio: return double(f.gapRatio.num) / double(f.gapRatio.den);
        case ColumnCount: break;
        }
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (column) {
    case Rank: return QString::number(number(row.rank));
    case Multiplier: return QString::number(number(f.k));
    case Sum: return QString::number(number(f.sum));
    case Share: return fourDecimals(f.share);
    case Fraction: return row.fraction;
    case Largest: return QString::number(number(f.largest));
    case Spectral: return fourDecimals(f.f2);
    case Zaremba: return QString::number(number(f.zaremba));
    case GapRatio: return fourDecimals(numbers::tenThousandths(f.gapRatio));
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
