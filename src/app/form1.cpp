#include "app/form1.h"

#include "analysis/gapspicture.h"

#include "form/analysecommand.h"
#include "app/icon.h"
#include "gaps/threegapswindow.h"
#include "form/applylayout.h"
#include "form/layoutscale.h"
#include "platform/messagebox.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/scrollbar.h"
#include "platform/geometry.h"
#include "platform/textbox.h"
#include "platform/windowframe.h"
#include "ranking/rankingmodel.h"
#include "ranking/rankingwindow.h"

#include <QCheckBox>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Zyklar"));
    readSettings();
    setWindowIcon(zyklarIcon());
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    platform::setGeometryTwips(*client, 0, 0, 11070, 9270);
    ui = form::createControls(*client);
    createMenu();

    m_circle = std::make_unique<form::PositionCircle>(ui, m_selection);
    m_analysis = std::make_unique<form::AnalyseCommand>(*this, ui, *m_circle, m_selection);
    connectEvents();
}

Form1::~Form1() = default;

namespace {

// The menu bar left to right; an item with a menu goes into that menu,
// made where its first item appears. The two zoom items keep their
// swapped names: cmdgroesser reads "kleiner", cmdkleiner reads "größer".
// "Extras" holds what the program does beyond its first design.
struct Menu {
    const char *name;
    const char *caption;
};
const Menu sizeMenu{"dmdGroesse", QT_TRANSLATE_NOOP("Form1", "Größe")};
const Menu extrasMenu{"mnuExtras", QT_TRANSLATE_NOOP("Form1", "Extras")};
struct Item {
    const char *name;
    const char *caption;
    const Menu *menu;
    void (Form1::*handler)();
    QKeySequence shortcut = {};
};
const Item menuItems[] = {
    {"cmdEnde", QT_TRANSLATE_NOOP("Form1", "Programm beenden"), nullptr, &Form1::cmdEnde_Click},
    {"cmdBildschirm", QT_TRANSLATE_NOOP("Form1", "Bildschirm"), &sizeMenu, &Form1::cmdBildschirm_Click},
    {"cmdgroesser", QT_TRANSLATE_NOOP("Form1", "kleiner"), &sizeMenu, &Form1::cmdgroesser_Click},
    {"cmdkleiner", QT_TRANSLATE_NOOP("Form1", "größer"), &sizeMenu, &Form1::cmdkleiner_Click},
    {"cmdclear", QT_TRANSLATE_NOOP("Form1", "Alles löschen"), nullptr, &Form1::cmdclear_Click},
    {"cmdCopy", "copyright", nullptr, &Form1::cmdCopy_Click},
    {"cmdRangliste", QT_TRANSLATE_NOOP("Form1", "Rangliste…"), &extrasMenu, &Form1::cmdRangliste_Click,
     QKeySequence(Qt::CTRL | Qt::Key_R)},
    {"cmdDreiAbstaende", QT_TRANSLATE_NOOP("Form1", "Drei Abstände…"), &extrasMenu,
     &Form1::cmdDreiAbstaende_Click, QKeySequence(Qt::CTRL | Qt::Key_D)},
    {"cmdBildSpeichern", QT_TRANSLATE_NOOP("Form1", "Bild speichern…"), &extrasMenu,
     &Form1::cmdBildSpeichern_Click, QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"cmdErgebnisseSpeichern", QT_TRANSLATE_NOOP("Form1", "Ergebnisse speichern…"), &extrasMenu,
     &Form1::cmdErgebnisseSpeichern_Click},
};

} // namespace

void Form1::createMenu()
{
    QHash<const Menu *, QMenu *> menus;
    for (const Item &item : menuItems) {
        auto *action = new QAction(tr(item.caption), this);
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this, item.handler);
        // Until an analysis has completed there are no results to save.
        if (item.handler == &Form1::cmdErgebnisseSpeichern_Click) {
            m_saveResults = action;
            action->setEnabled(false);
        }
        if (!item.menu) {
            menuBar()->addAction(action);
            continue;
        }
        QMenu *&menu = menus[item.menu];
        if (!menu) {
            menu = menuBar()->addMenu(tr(item.menu->caption));
            menu->setObjectName(QLatin1String(item.menu->name));
            menu->menuAction()->setObjectName(QLatin1String(item.menu->name));
        }
        menu->addAction(action);
    }
    createLanguageMenu(*menus[&extrasMenu]);
}

// "Sprache / Language" in both languages, so whoever cannot read the one
// the windows speak still finds it; each language in its own.
void Form1::createLanguageMenu(QMenu &extras)
{
    QMenu *menu = extras.addMenu(QStringLiteral("Sprache / Language"));
    const QString name = QStringLiteral("mnuSprache");
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    struct Choice {
        const char *name;
        QString caption;
        std::optional<language::Language> language;
    };
    const Choice choices[] = {
        {"mnuSpracheUmgebung", tr("wie die Arbeitsumgebung"), std::nullopt},
        {"mnuSpracheDeutsch", QStringLiteral("Deutsch"), language::Language::German},
        {"mnuSpracheEnglisch", QStringLiteral("English"), language::Language::English},
    };
    auto *group = new QActionGroup(menu);
    const std::optional<language::Language> stored = storedLanguage();
    for (const Choice &choice : choices) {
        QAction *action = menu->addAction(choice.caption);
        action->setObjectName(QLatin1String(choice.name));
        action->setCheckable(true);
        action->setChecked(stored == choice.language);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, chosen = choice.language] { chooseLanguage(chosen); });
    }
}

void Form1::connectEvents()
{
    connect(ui.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(ui.Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(ui.Command4, &QPushButton::clicked, this, &Form1::Command4_Click);

    form::PositionCircle *positions = m_circle.get();
    for (auto event : {&platform::ScrollBar::change, &platform::ScrollBar::scroll}) {
        connect(ui.HScroll1, event, this, [positions] { positions->HScroll1_Change(); });
        connect(ui.HScroll2, event, this, [positions] { positions->HScroll2_Change(); });
        // After the window's own handler: the ranking follows N.
        connect(ui.HScroll1, event, this, [this] {
            if (m_ranking && m_ranking->isVisible())
                m_ranking->followN(m_selection.n);
        });
    }

    // The two option buttons are one tab stop, the selected one, as an
    // option group is; the arrow keys move between them.
    const auto oneStop = [this] {
        for (QRadioButton *option : {ui.Option1, ui.Option2})
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    connect(ui.Option1, &QRadioButton::toggled, this, oneStop);
    oneStop();

    connect(ui.Picture1, &platform::PictureBox::mouseDown, this, &Form1::Picture1_MouseDown);
    connect(ui.Picture1, &platform::PictureBox::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y) {
                Picture1_MouseMove(x, y);
            });
    connect(ui.Picture1, &platform::PictureBox::mouseUp, this, &Form1::Picture1_MouseUp);
}

bool Form1::focusNextPrevChild(bool next)
{
    QWidget *from = next ? ui.lastStop : ui.firstStop;
    if (focusWidget() == from) {
        QWidget *to = next ? ui.firstStop : ui.lastStop;
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QMainWindow::focusNextPrevChild(next);
}

void Form1::Form_Load()
{
    zoomFactor = form::minZoom;
    platform::learnFrameBeforeShow(*this); // so the first layout fits the frame too
    platform::setWindowPositionTwips(*this, 0, 0);
    platform::setWindowSizeTwips(*this, 13200, 10100);
    m_circle->showStartValue();
    ApplyLayout();
}

void Form1::ApplyLayout()
{
    form::applyLayout(*this, ui, zoomFactor);
    if (!ui.Check1->isChecked())
        Command2_Click();
}

void Form1::Command2_Click()
{
    analysisDone(m_analysis->Command2_Click(), false);
}

// After an analysis, completed or stopped: the results to save, and the
// windows beside this one follow; "Drei Abstände" only a completed one, or
// a row chosen in the ranking.
void Form1::analysisDone(bool completed, bool chosen)
{
    // The pair analysed, which the scroll bars do not move.
    m_analysedN = m_selection.n;
    m_analysedK = m_selection.k;
    if (completed) {
        m_completedN = m_selection.n;
        m_completedK = m_selection.k;
        m_saveResults->setEnabled(true);
    }
    if (m_ranking && m_ranking->isVisible())
        m_ranking->showAnalysed(m_selection.n, m_selection.k);
    if (m_gaps && m_gaps->isVisible() && (completed || chosen))
        m_gaps->showAnalysed(m_selection.n, m_selection.k);
}

void Form1::cmdRangliste_Click()
{
    if (!m_ranking) {
        m_ranking = new RankingWindow(this);
        connect(m_ranking, &RankingWindow::multiplierChosen, this, &Form1::analyseMultiplier);
    }
    // Before the first analysis N and k are still unset.
    if (m_selection.k > 0)
        m_ranking->showAnalysed(m_selection.n, m_selection.k);
    else
        m_ranking->showN(m_selection.n > 0 ? m_selection.n : ui.HScroll1->value());
    showBeside(*m_ranking);
    m_ranking->raise();
    m_ranking->activateWindow();
}

void Form1::cmdDreiAbstaende_Click()
{
    if (!m_gaps) {
        m_gaps = new ThreeGapsWindow(this);
        m_gaps->setTextScale(storedTextScale());
        connect(m_gaps, &ThreeGapsWindow::textScaleChanged, this, &Form1::rememberTextScale);
        connect(m_gaps, &ThreeGapsWindow::saveRequested, this, [this] {
            // A GIF of every step where there are few enough steps for one.
            Animation animation;
            if (m_gaps->n() <= analysis::mostAnimatedN)
                animation = [this](const QString &path) { return m_gaps->saveAnimation(path); };
            savePicture(m_gaps->drawing(), m_gaps->proposedName(), m_gaps->title(), animation);
        });
    }
    // Before the first analysis N and k are still unset.
    // The last analysis, whatever the scroll bars show since.
    if (m_analysedK > 0)
        m_gaps->showAnalysed(m_analysedN, m_analysedK);
    else
        m_gaps->showAnalysed(ui.HScroll1->value(), 1);
    showBeside(*m_gaps);
    m_gaps->raise();
    m_gaps->activateWindow();
}

// A window of "Extras" opens, the first time, beside this one where the
// screen has room, and otherwise over it but clear of the boxes for N and
// k, within the screen's available area. It belongs to this window, so the
// window manager keeps it above it and minimises it with it.
void Form1::showBeside(QWidget &window)
{
    if (!window.isVisible() && !window.property("placed").toBool()) {
        QRect input;
        for (QWidget *control : std::initializer_list<QWidget *>{
                     ui.txtN, ui.txtk, ui.HScroll1, ui.HScroll2, ui.Command2, ui.Check1})
            input |= QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
        // The frame the window system adds, as this window has it.
        const QRect outer = frameGeometry(), inner = geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        const QRect placed = platform::placeBeside(screen()->availableGeometry(), outer, input,
                                                   window.size().grownBy(frame));
        window.setGeometry(placed.marginsRemoved(frame));
        window.setProperty("placed", true);
    }
    platform::showOwnedBy(window, *this);
}

// A row chosen in the ranking: the analysis of its N and multiplier, run as
// the "Analyse" button runs it with them in the boxes.
void Form1::analyseMultiplier(int n, int k)
{
    analysisDone(m_analysis->analyse(n, k), true);
}

void Form1::cmdBildschirm_Click()
{
    zoomFactor = form::minZoom;
    ApplyLayout();
}

void Form1::cmdgroesser_Click()
{
    zoomFactor = form::zoomedSmaller(zoomFactor);
    ApplyLayout();
}

void Form1::cmdkleiner_Click()
{
    zoomFactor = form::zoomedLarger(zoomFactor);
    ApplyLayout();
}

void Form1::cmdEnde_Click()
{
    close();
    QCoreApplication::quit();
}

// Housekeeping: the clear commands touch only their boxes and the picture.

void Form1::Command1_Click()
{
    ui.Picture1->cls();
}

void Form1::Command3_Click()
{
    ui.txtAusgabe->setText({});
}

void Form1::Command4_Click()
{
    ui.txtAbstand->setText({});
    ui.txtSumme->setText({});
}

void Form1::cmdclear_Click()
{
    for (platform::TextBox *box :
         {ui.txtAusgabe, ui.txtAbstand, ui.txtFolge, ui.txtAbs, ui.txtSumme})
        box->setText({});
    ui.Picture1->cls();
}

void Form1::cmdCopy_Click()
{
    platform::messageBox(this, {tr("Zyklar – der Zyklus-Analysator, Arbeitsgruppe Zahlentheorie"),
                                tr("Programmiert von"), platform::Message::Buttons::Ok,
                                platform::Message::Icon::Information});
}

// Freehand marking: while a button pressed over the picture is held, every
// reported movement leaves one white point.

void Form1::Picture1_MouseDown()
{
    mouseDown = 1;
}

void Form1::Picture1_MouseMove(double x, double y)
{
    if (mouseDown != 1)
        return;
    ui.Picture1->setCurrentX(x);
    ui.Picture1->setCurrentY(y);
    ui.Picture1->pset(x, y, Qt::white);
}

void Form1::Picture1_MouseUp()
{
    mouseDown = 0;
}
