#include "ranking/rankingwindow.h"

#include "ranking/rankingmodel.h"
#include "ranking/scatterplot.h"
#include "ranking/stepplot.h"

#include "language/language.h"
#include "numbers/lattice.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Draws a cell's text from a cache of laid-out texts. The ranking repaints
// whenever N moves, and shaping every cell's text afresh, as the standard
// delegate does, would cost more than the main window's whole scroll event.
// The texts repeat (ranks, small numbers, shares), so the cache stays small.
class CachedTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QStaticText &text = laidOut(item.text, item.font);
        constexpr int margin = 4;
        const QRect area = item.rect.adjusted(margin, 0, -margin, 0);
        if (text.size().width() > area.width()) { // too narrow: let Qt elide
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QWidget *view = option.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, view);
        const bool selected = item.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(item.font); // the font the text was laid out in
        const double x = item.displayAlignment & Qt::AlignRight
                ? area.right() + 1 - text.size().width()
                : area.left();
        painter->drawStaticText(QPointF(x, area.top() + (area.height() - text.size().height()) / 2),
                                text);
    }

private:
    const QStaticText &laidOut(const QString &string, const QFont &font) const
    {
        if (font != m_font || m_texts.size() > 4096) {
            m_texts.clear();
            m_font = font;
        }
        QStaticText &text = m_texts[string];
        if (text.text() != string) {
            text.setText(string);
            text.setTextFormat(Qt::PlainText);
            text.prepare(QTransform(), font);
        }
        return text;
    }

    mutable QHash<QString, QStaticText> m_texts;
    mutable QFont m_font;
};

} // namespace

RankingWindow::RankingWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmRangliste"));
    setWindowTitle(tr("Rangliste"));
    setAccessibleName(tr("Rangliste"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblRangliste"));
    m_caption->setAccessibleName(tr("Erläuterung der Rangliste"));
    m_caption->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addLayout(orderRow());
    layout->addWidget(tableView(), 3);
    layout->addLayout(plotRow(), 2);
    resize(1060, 680);

    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        if (m_followedN != m_model->n()) {
            showN(m_followedN);
            m_settle.start();
        }
    });
}

// "Rangfolge nach:" and its choices, one for each ranking.
QLayout *RankingWindow::orderRow()
{
    m_order = new QComboBox(this);
    m_order->setObjectName(QStringLiteral("cboRangfolge"));
    for (numbers::Criterion criterion : numbers::windowCriteria)
        m_order->addItem(language::translate("numbers", numbers::entryOf(criterion).choice));
    auto *label = new QLabel(tr("Rangfolge &nach:"), this);
    label->setBuddy(m_order);
    m_order->setAccessibleName(tr("Rangfolge nach"));
    connect(m_order, &QComboBox::currentIndexChanged, this, &RankingWindow::rankBy);

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_order);
    row->addStretch();
    return row;
}

// The ranking as a table, sorted by any column; a row activated is analysed.
QWidget *RankingWindow::tableView()
{
    m_model = new RankingModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(RankingModel::SortRole);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("grdRangliste"));
    m_view->setAccessibleName(tr("Rangliste der Multiplikatoren"));
    m_view->setAccessibleDescription(
            tr("Doppelklick oder Eingabetaste analysiert den Multiplikator der Zeile"));
    m_view->setModel(m_proxy);
    m_view->setItemDelegate(new CachedTextDelegate(m_view));
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setTabKeyNavigation(false); // Tab leaves the table
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(RankingModel::Rank, Qt::AscendingOrder);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    fitColumns();

    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        if (const int k = multiplierAt(index))
            emit multiplierChosen(m_model->n(), k);
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showChosen(multiplierAt(current)); });
    return m_view;
}

// Column widths fit the window's largest N once, instead of being measured
// from every cell whenever N moves: that would cost more than the main
// window's whole scroll event.
void RankingWindow::fitColumns()
{
    QHeaderView *header = m_view->horizontalHeader();
    header->setStretchLastSection(true);
    const QFontMetrics metrics = m_view->fontMetrics();
    for (int column = 0; column < RankingModel::columns() - 1; ++column) {
        const QString caption = m_model->headerData(column, Qt::Horizontal).toString();
        const numbers::FigureEntry *figure = RankingModel::figureAt(column);
        QString widest = caption;
        if (column == RankingModel::Multiplier)
            widest = QStringLiteral("200");
        else if (figure && figure->widest)
            widest = QString::fromUtf8(figure->widest);
        const int text = std::max(metrics.horizontalAdvance(widest),
                                  metrics.horizontalAdvance(caption));
        header->resizeSection(column, text + 28); // room for the sort arrow
    }
}

// The minimal distances of the chosen multiplier, its spectral test in
// every dimension, and the figure of every multiplier over k/N.
QLayout *RankingWindow::plotRow()
{
    m_plot = new StepPlot(this);
    m_plot->setObjectName(QStringLiteral("picVerlauf"));
    m_plot->setAccessibleName(tr("Verlauf der Minimalabstände"));
    m_dimensions = new QLabel(this);
    m_dimensions->setObjectName(QStringLiteral("lblDimensionen"));
    m_dimensions->setAccessibleName(tr("Spektraltest in 2 bis 8 Dimensionen"));
    m_dimensions->setTextFormat(Qt::RichText);
    m_dimensions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scatter = new ScatterPlot(this);
    m_scatter->setObjectName(QStringLiteral("picStreuung"));
    m_scatter->setAccessibleName(tr("Kennzahl aller Multiplikatoren über k/N"));
    connect(m_scatter, &ScatterPlot::clicked, this, &RankingWindow::selectMultiplier);
    connect(m_scatter, &ScatterPlot::activated, this,
            [this](int k) { emit multiplierChosen(m_model->n(), k); });

    auto *row = new QHBoxLayout;
    row->addWidget(m_plot, 3);
    row->addWidget(m_dimensions);
    row->addWidget(m_scatter, 2);
    return row;
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
    describe();
    plotEveryMultiplier();
    // The multiplier last analysed stays current where it belongs to this
    // N; otherwise the best one.
    selectMultiplier(n == m_analysedN ? m_analysedK : 0);
}

// The Rang column and the order follow the figure chosen; the current
// multiplier stays current.
void RankingWindow::rankBy(int choice)
{
    const int k = currentMultiplier();
    m_model->setCriterion(numbers::windowCriteria[choice]);
    m_view->sortByColumn(RankingModel::Rank, Qt::AscendingOrder);
    describe();
    plotEveryMultiplier();
    selectMultiplier(k);
}

// The scatter plot from the rows the ranking already holds, in the order of k.
// The figure the scatter plot shows for a ranking: its scaled form where it
// has one in the table (the share of the sum, f₂ of ν₂²), else the figure
// that names it.
static const numbers::FigureEntry &plottedFigure(numbers::Criterion criterion)
{
    const numbers::FigureEntry *plotted = &numbers::entryOf(criterion);
    for (const numbers::FigureEntry &entry : numbers::everyFigure()) {
        if (entry.rankedBy == criterion && entry.column && !entry.sortKey)
            plotted = &entry;
    }
    return *plotted;
}

// The scatter plot from the rows the ranking already holds, in the order
// of k, by the figure the ranking orders by.
void RankingWindow::plotEveryMultiplier()
{
    const numbers::FigureEntry &figure = plottedFigure(m_model->criterion());
    std::vector<ScatterPlot::Point> points;
    points.reserve(size_t(m_model->rowCount()));
    for (int k = 1; k < m_model->n(); ++k) {
        const int row = m_model->rowOf(k);
        if (row < 0)
            continue;
        const numbers::Figures &f = figure.figure == numbers::Figure::Merit
                ? m_model->figuresAt(row)
                : m_model->euclidFiguresAt(row);
        const QString value = QString::fromStdString(
                numbers::valueOf(figure.figure, f, '.'));
        points.push_back({k, value.toDouble(),
                          QString::fromStdString(
                                  numbers::valueOf(figure.figure, f, language::decimalPoint()))});
    }
    m_scatter->setPoints(m_model->n(), std::move(points),
                         language::translate("numbers",
                                             figure.column ? figure.column : figure.caption));
}

void RankingWindow::describe()
{
    m_caption->setText(tr("N = %1: %2 teilerfremde Multiplikatoren, %3. Doppelklick oder "
                          "Eingabetaste analysiert eine Zeile im Hauptfenster.")
                               .arg(m_model->n())
                               .arg(m_model->rowCount())
                               .arg(language::translate(
                                       "numbers", numbers::entryOf(m_model->criterion()).first)));
}

void RankingWindow::followN(int n)
{
    m_followedN = n;
    if (m_settle.isActive())
        return; // shown when the timer runs out
    showN(n);
    m_settle.start();
}

void RankingWindow::showAnalysed(int n, int k)
{
    m_followedN = n;
    m_analysedN = n;
    m_analysedK = k;
    if (n == m_model->n())
        selectMultiplier(k);
    else
        showN(n); // which makes k current
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
    showChosen(multiplierAt(index));
}

// The chosen multiplier in the plots, and its figure in every dimension
// beside its steps: f₂ … f₈ and their least, M₈, which the worst dimension
// decides.
void RankingWindow::showChosen(int k)
{
    m_plot->setSeries(m_model->n(), k);
    m_scatter->setChosen(k);
    const int row = m_model->rowOf(k);
    if (row < 0) {
        m_dimensions->clear();
        return;
    }
    const numbers::Figures &f = m_model->figuresAt(row);
    QString text = QStringLiteral("<table cellspacing=\"2\"><tr><th colspan=\"2\">k = %1</th></tr>")
                           .arg(k);
    const auto line = [&](numbers::Figure figure, const char *caption, bool worst) {
        const QString value = QString::fromStdString(numbers::valueOf(figure, f, language::decimalPoint()));
        text += (worst ? QStringLiteral("<tr><td><b>%1</b></td><td align=\"right\"><b>%2</b></td></tr>")
                       : QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>"))
                        .arg(language::translate("numbers", caption), value);
    };
    // Bold every dimension whose f_t is M₈ exactly.
    const numbers::SpectralOrder order(f.n);
    const int worst = f.meritDimension;
    for (int t = numbers::minDimension; t <= numbers::defaultDimensions; ++t) {
        const numbers::Figure figure = t == 2 ? numbers::Figure::F2
                                              : numbers::Figure(int(numbers::Figure::F3) + t - 3);
        line(figure, numbers::entryOf(figure).caption,
             order.compare(f.nu2t[size_t(t)], t, f.nu2t[size_t(worst)], worst) == 0);
    }
    line(numbers::Figure::Merit, numbers::entryOf(numbers::Figure::Merit).column, true);
    m_dimensions->setText(text + QStringLiteral("</table>"));
}
