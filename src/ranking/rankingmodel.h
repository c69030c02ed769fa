#pragma once

#include "search/multiplierranking.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

// The ranking of every multiplier of one N as a read-only table, ranked by
// one figure and showing all of them: the rank, k, and a column for every
// figure of the catalogue that has one. Display texts are German
// ("0,7755"); the sort role holds the number behind each cell, so a sorted
// view orders numerically.
class RankingModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Rank, Multiplier };
    static constexpr int SortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // The column of a figure, −1 where it has none; the figure of a column,
    // nullptr for the rank and k.
    static int columnOf(numbers::Figure figure);
    static const numbers::FigureEntry *figureAt(int column);
    static int columns();

    // Ranks every multiplier of n afresh; nothing happens when n is shown.
    void setN(int n);
    int n() const { return m_n; }
    // What the Rang column ranks by; the sum at first.
    void setCriterion(numbers::Criterion criterion);
    numbers::Criterion criterion() const { return m_criterion; }

    // The row of multiplier k, or −1 when k is not coprime to N.
    int rowOf(int k) const;
    int multiplierAt(int row) const { return int(m_rows[size_t(row)].figures.k); }
    // Every figure of a row. The lattices of 3 … 8 dimensions are reduced
    // when first asked for, here or by the cells of the M₈ column, so that
    // following N costs only the rows on show.
    const numbers::Figures &figuresAt(int row) const;
    // The figures of the Euclid pass alone, without reducing.
    const numbers::Figures &euclidFiguresAt(int row) const { return m_rows[size_t(row)].figures; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void rank();
    // The ranking of every multiplier of the window's N by one figure.
    search::RankingQuery queryBy(numbers::Criterion criterion) const;
    // A row's rank by M₈, which is exact: how its column sorts. Ranked
    // when the column first sorts.
    numbers::u64 meritRank(int row) const;

    struct Row {
        numbers::u64 rank;
        mutable numbers::Figures figures;
        mutable std::vector<QString> texts; // every column's, laid out once
        mutable bool reduced = false;       // the dimensions are there
    };
    int m_n = 0;
    numbers::Criterion m_criterion = numbers::Criterion::Sum;
    std::vector<Row> m_rows;
    std::vector<int> m_rowOfK; // k → row, −1 where not coprime
    mutable std::vector<numbers::u64> m_meritRanks; // by row, once the column sorts
};
