#include "ranking/rankingwindow.h"

#include "ranking/rankingmodel.h"
#include "ranking/stepplot.h"

#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

RankingWindow::RankingWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmRangliste"));
    setWindowTitle(QStringLiteral("Rangliste"));
    setAccessibleName(QStringLiteral("Rangliste"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblRangliste"));
    m_caption->setAccessibleName(QStringLiteral("Erläuterung der Rangliste"));
    m_caption->setWordWrap(true);

    m_model = new RankingModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(RankingModel::SortRole);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("grdRangliste"));
    m_view->setAccessibleName(QStringLiteral("Rangliste der Multiplikatoren"));
    m_view->setAccessibleDescription(
            QStringLiteral("Doppelklick oder Eingabetaste analysiert den Multiplikator der Zeile"));
    m_view->setModel(m_proxy);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setTabKeyNavigation(false); // Tab leaves the table
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(RankingModel::Rank, Qt::AscendingOrder);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_plot = new StepPlot(this);
    m_plot->setObjectName(QStringLiteral("picVerlauf"));
    m_plot->setAccessibleName(QStringLiteral("Verlauf der Minimalabstände"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_view, 3);
    layout->addWidget(m_plot, 2);
    resize(640, 600);

    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        if (const int k = multiplierAt(index))
            emit multiplierChosen(k);
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                m_plot->setSeries(m_model->n(), multiplierAt(current));
            });
}

int RankingWindow::multiplierAt(const QModelIndex &viewIndex) const
{
    const QModelIndex source = m_proxy->mapToSource(viewIndex);
    return source.isValid() ? m_model->multiplierAt(source.row()) : 0;
}

int RankingWindow::currentMultiplier() const
{
    return multiplierAt(m_view->currentIndex());
}

void RankingWindow::showN(int n)
{
    if (n == m_model->n())
        return;
    m_model->setN(n);
    const int count = m_model->rowCount();
    m_caption->setText(QStringLiteral("N = %1: %2 teilerfremde Multiplikatoren, die größte Summe "
                                      "der Minimalabstände zuerst. Doppelklick oder Eingabetaste "
                                      "analysiert eine Zeile im Hauptfenster.")
                               .arg(n)
                               .arg(count));
    // The multiplier last analysed stays current where it belongs to this
    // N; otherwise the best one.
    selectMultiplier(n == m_analysedN ? m_analysedK : 0);
}

void RankingWindow::showAnalysed(int n, int k)
{
    m_analysedN = n;
    m_analysedK = k;
    showN(n);
    selectMultiplier(k);
}

void RankingWindow::selectMultiplier(int k)
{
    const int row = m_model->rowOf(k);
    const QModelIndex index = row >= 0 ? m_proxy->mapFromSource(m_model->index(row, 0))
                                       : m_proxy->index(0, 0);
    if (!index.isValid())
        return;
    m_view->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(index);
    m_plot->setSeries(m_model->n(), multiplierAt(index));
}
