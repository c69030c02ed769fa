#include "form/controls.h"

#include "analysis/picture.h"
#include "analysis/texts.h"
#include "drawing/units.h"
#include "language/language.h"
#include "platform/geometry.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace form {

namespace {

using drawing::FontSpec;
using platform::TextBox;
using Bars = TextBox::ScrollBars;
namespace caption = analysis::caption;

const FontSpec columns{QStringLiteral("Courier New"), 12, true, true};
const FontSpec windowFont{};
const FontSpec serif8 = analysis::picture::font;
const FontSpec serif10{QStringLiteral("Times New Roman"), 9.75};
const FontSpec serif14{QStringLiteral("Times New Roman"), 14.25};
const FontSpec serif24{QStringLiteral("Times New Roman"), 24};
const FontSpec inputFont{QStringLiteral("MS Sans Serif"), 9.75, true};

const QColor none;
const QColor grey(128, 128, 128), silver(192, 192, 192), pale(224, 224, 224);
const QColor navy = analysis::picture::background, captionBlue(0, 0, 192), lightBlue(128, 128, 255);
const QColor inputYellow(255, 255, 192), optionText(192, 192, 255), darkGrey(64, 64, 64);

const TextBox::Style singleLine{false, Bars::None, false};
const TextBox::Style centredLine{false, Bars::None, true};
const TextBox::Style noText{};

const char clearTip[] = QT_TRANSLATE_NOOP("Form1", "Inhalt löschen");

// Picture1's layout is the picture's own geometry, which `zyklar bild` reads too.
constexpr QRectF picture = analysis::picture::designGeometry;

} // namespace

// clang-format off
const std::array<Control, 28> controlTable = {{
    {"txtSchub2", slot<&Controls::txtSchub2>, Container::Window, caption::sums,
     {8250, 7050, 2040, 285}, columns, grey, silver, singleLine, 27, {},
     {24, {12000, 5875, 3000, 400}, 14},
     QT_TRANSLATE_NOOP("Form1", "Spaltenkopf k: Summe"), ""},
    {"txtSumme", slot<&Controls::txtSumme>, Container::Window, "",
     {8175, 5100, 1890, 1590}, columns, pale, none, {true, Bars::Vertical}, 26, {},
     {22, {12000, 6275, 3000, 2600}, 14},
     QT_TRANSLATE_NOOP("Form1", "k: Summe"),
     QT_TRANSLATE_NOOP("Form1",
                       "Je Analyse der Multiplikator k und die Summe der Minimalabstände")},
    {"txtSchub", slot<&Controls::txtSchub>, Container::Window, "",
     {1725, 6825, 7890, 285}, columns, grey, silver, singleLine, 25, {},
     {23, {2000, 5875, 10000, 400}, 14},
     QT_TRANSLATE_NOOP("Form1", "Kopfzeile Extremfolge"),
     QT_TRANSLATE_NOOP("Form1", "N durch j abgerundet: der Abstand bei äquidistanter Teilung in "
                                "j Teile")},
    {"txtKopf", slot<&Controls::txtKopf>, Container::Window, "",
     {1725, 7575, 8265, 360}, columns, grey, silver, singleLine, 24, {},
     {17, {2000, 9275, 13000, 400}, 14},
     QT_TRANSLATE_NOOP("Form1", "Kopfzeile 1 bis N"),
     QT_TRANSLATE_NOOP("Form1", "Die Nummern der Positionen, eine je Spalte")},
    {"Command1", slot<&Controls::Command1>, Container::Window, "x",
     {12300, 75, 465, 285}, serif14, lightBlue, none, noText, 22, {},
     {26, {14400, 0, 600, 320}, 12},
     QT_TRANSLATE_NOOP("Form1", "Bild löschen"),
     QT_TRANSLATE_NOOP("Form1", "Inhalt löschen")},
    {"txtAbs", slot<&Controls::txtAbs>, Container::Window, "",
     {150, 75, 1365, 9090}, windowFont, silver, none, {true, Bars::Both}, 18, {},
     {1, {240, 75, 1500, 10200}, 12},
     QT_TRANSLATE_NOOP("Form1", "Abstände zu den Nachbarn"),
     QT_TRANSLATE_NOOP("Form1", "Je Schritt der Abstand zum nächsten belegten Nachbarn rückwärts "
                                "und vorwärts")},
    {"Picture1", slot<&Controls::Picture1>, Container::Window, "",
     {7725, 75, 5040, 4740}, serif8, navy, none, noText, 15, {},
     {25, picture, 0},
     QT_TRANSLATE_NOOP("Form1", "Kreis der Positionen"),
     QT_TRANSLATE_NOOP("Form1", "Die Analyse als Stern oder mit Speichen gezeichnet")},
    {"Option2", slot<&Controls::Option2>, Container::Picture1, QT_TRANSLATE_NOOP("Form1", "Speiche"),
     {0, 4425, 840, 240}, serif8, navy, optionText, noText, 21, {},
     {}},
    {"Option1", slot<&Controls::Option1>, Container::Picture1, QT_TRANSLATE_NOOP("Form1", "Stern"),
     {0, 4200, 840, 240}, serif8, navy, optionText, noText, 20, {0, 0, 1},
     {}},
    {"Command4", slot<&Controls::Command4>, Container::Window, "x",
     {12450, 4875, 390, 285}, serif14, lightBlue, none, noText, 14, {},
     {20, {14400, 5600, 600, 320}, 12},
     QT_TRANSLATE_NOOP("Form1", "Minimalabstände löschen"),
     QT_TRANSLATE_NOOP("Form1", "Inhalt löschen")},
    {"txtAbstand", slot<&Controls::txtAbstand>, Container::Window, "",
     {1725, 5175, 11115, 1515}, columns, pale, navy, {true, Bars::Both}, 12, {},
     {21, {2000, 6275, 10000, 2600}, 14},
     QT_TRANSLATE_NOOP("Form1", "Folge der Minimalabstände"),
     QT_TRANSLATE_NOOP("Form1", "Je Analyse eine Zeile; die erste Spalte ist N")},
    {"txtFolge", slot<&Controls::txtFolge>, Container::Window, "",
     {1725, 4125, 5640, 690}, serif10, silver, darkGrey, {true, Bars::Horizontal}, 9, {},
     {14, {2000, 4600, 6600, 800}, 12},
     QT_TRANSLATE_NOOP("Form1", "Die Folge"),
     QT_TRANSLATE_NOOP("Form1", "Die Positionen in der Reihenfolge ihrer Belegung")},
    {"Command3", slot<&Controls::Command3>, Container::Window, "x",
     {12300, 7050, 465, 285}, serif14, lightBlue, none, noText, 8, {},
     {16, {14400, 9000, 600, 320}, 12},
     QT_TRANSLATE_NOOP("Form1", "Permutation löschen"),
     QT_TRANSLATE_NOOP("Form1", "Inhalt löschen")},
    {"txtAusgabe", slot<&Controls::txtAusgabe>, Container::Window, "",
     {1725, 7875, 11040, 1290}, columns, silver, none, {true, Bars::Both}, 6, {},
     {18, {2000, 9675, 13000, 600}, 14},
     QT_TRANSLATE_NOOP("Form1", "Reihenfolge der Felderbelegung / Permutation"),
     QT_TRANSLATE_NOOP("Form1", "Je Position der Schritt, in dem sie belegt wurde")},
    {"Frame1", slot<&Controls::Frame1>, Container::Window, QT_TRANSLATE_NOOP("Form1", "Eingabe"),
     {1725, 900, 5640, 2640}, windowFont, none, none, noText, -1, {},
     {3, {2000, 900, 6600, 3000}, 8}},
    {"HScroll2", slot<&Controls::HScroll2>, Container::Frame1, "",
     {2175, 750, 840, 240}, windowFont, none, none, noText, 23, {1, 200, 8},
     {9, {2720, 920, 1200, 320}, 0},
     QT_TRANSLATE_NOOP("Form1", "k einstellen"),
     QT_TRANSLATE_NOOP("Form1", "Der Multiplikator, 1 bis 200")},
    {"HScroll1", slot<&Controls::HScroll1>, Container::Frame1, "",
     {825, 750, 840, 240}, windowFont, none, none, noText, 19, {2, 200, 21},
     {6, {820, 920, 1200, 320}, 0},
     QT_TRANSLATE_NOOP("Form1", "N einstellen"),
     QT_TRANSLATE_NOOP("Form1", "Die Anzahl der Positionen, 2 bis 200")},
    {"Check1", slot<&Controls::Check1>, Container::Frame1, QT_TRANSLATE_NOOP("Form1", "Einzelschritt"),
     {3825, 675, 1365, 315}, serif10, none, none, noText, 16, {},
     {11, {4420, 1020, 1600, 320}, 0}},
    {"Command2", slot<&Controls::Command2>, Container::Frame1, QT_TRANSLATE_NOOP("Form1", "Analyse"),
     {3825, 375, 1365, 315}, windowFont, none, none, noText, 7, {},
     {10, {4420, 520, 1600, 420}, 14}},
    {"txtk", slot<&Controls::txtk>, Container::Frame1, "8",
     {2175, 375, 840, 390}, inputFont, inputYellow, none, centredLine, 5, {},
     {8, {2720, 520, 1200, 420}, 12},
     "k=", QT_TRANSLATE_NOOP("Form1", "Der Multiplikator")},
    {"txtN", slot<&Controls::txtN>, Container::Frame1, "21",
     {825, 375, 840, 390}, inputFont, inputYellow, none, centredLine, 4, {},
     {5, {820, 520, 1200, 420}, 12},
     "N=", QT_TRANSLATE_NOOP("Form1", "Die Anzahl der Positionen auf dem Kreis")},
    {"Label9", slot<&Controls::Label9>, Container::Frame1,
     QT_TRANSLATE_NOOP("Form1", "Funktion: Die Partialfolgen von A(k) = m*k modulo N werden analysiert. "
                                "Der Minimalabstand des neu hinzugekommenen Folgengliedes zu seinen direkten "
                                "Nachbarn wird angegeben."),
     {375, 1275, 4815, 1215}, serif10, none, captionBlue, noText, -1, {},
     {12, {320, 1620, 5820, 1220}, 12}},
    {"Label3", slot<&Controls::Label3>, Container::Frame1, "k=",
     {1800, 375, 390, 390}, serif14, none, none, noText, -1, {},
     {7, {2220, 620, 420, 620}, 14}},
    {"Label2", slot<&Controls::Label2>, Container::Frame1, "N=",
     {375, 375, 390, 390}, serif14, none, none, noText, -1, {},
     {4, {320, 620, 420, 620}, 14}},
    {"Label8", slot<&Controls::Label8>, Container::Window,
     QT_TRANSLATE_NOOP("Form1", "%1    (%2: links am Bildrand; Extremfolge bei aquidistanter Teilung: Kopfzeile)"),
     {1725, 4875, 6990, 315}, windowFont, none, captionBlue, noText, -1, {},
     {19, {2000, 5600, 12000, 420}, 8}},
    {"Label7", slot<&Controls::Label7>, Container::Window, caption::permutation,
     {1725, 7125, 6165, 315}, windowFont, none, captionBlue, noText, -1, {},
     {15, {2000, 9000, 5600, 420}, 8}},
    {"Label6", slot<&Controls::Label6>, Container::Window, caption::sequence,
     {1800, 3825, 915, 240}, windowFont, none, captionBlue, noText, -1, {},
     {13, {2000, 4320, 5600, 420}, 8}},
    {"Label1", slot<&Controls::Label1>, Container::Window, QT_TRANSLATE_NOOP("Form1", "Zyklar-Analysator"),
     {1725, 75, 5940, 690}, serif24, none, none, noText, -1, {},
     {2, {2000, 75, 6400, 690}, 24}},
}};
// clang-format on

namespace {

QFont fontFor(const FontSpec &face)
{
    if (!face.family.isEmpty())
        return drawing::makeFont(face);
    // The window's font, set explicitly so a container's font size (Frame1's
    // caption) does not pass on to the controls inside it.
    const QFont standard = QApplication::font();
    return drawing::makeFont({standard.family(), standard.pointSizeF(), false, false});
}

QString tr(const char *text)
{
    return language::translate("Form1", text);
}

// The control's caption or contents in the current language.
QString textOf(const Control &design)
{
    const QString text = tr(design.text);
    if (!text.contains(u"%1"))
        return text;
    return text.arg(tr(caption::minimal), tr(caption::gaps));
}

QWidget *createControl(const Control &design, QWidget *container)
{
    const QString text = textOf(design);
    switch (design.slot.kind) {
    case Kind::TextBox: {
        auto *box = new TextBox(design.textStyle, container);
        box->setText(text);
        return box;
    }
    case Kind::Button: {
        auto *button = new QPushButton(text, container);
        if (text == u"x")
            button->setToolTip(tr(clearTip));
        return button;
    }
    case Kind::Picture: {
        auto *picture = new platform::PictureBox(container);
        picture->setBackground(design.background);
        picture->setFocusPolicy(Qt::StrongFocus);
        return picture;
    }
    case Kind::Option: {
        auto *option = new QRadioButton(text, container);
        option->setChecked(design.range.value == 1);
        return option;
    }
    case Kind::Frame:
        return new QGroupBox(text, container);
    case Kind::ScrollBar:
        return new platform::ScrollBar(design.range.min, design.range.max, design.range.value, container);
    case Kind::CheckBox:
        return new QCheckBox(text, container);
    case Kind::Label: {
        auto *label = new QLabel(text, container);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    }
    return nullptr;
}

QWidget *containerOf(const Control &design, const Controls &made, QWidget &client)
{
    switch (design.container) {
    case Container::Frame1:
        return made.Frame1;
    case Container::Picture1:
        return made.Picture1;
    case Container::Window:
        break;
    }
    return &client;
}

// Font, colours, geometry and what a screen reader says.
void dressControl(const Control &design, QWidget &control)
{
    control.setFont(fontFor(design.font));
    platform::setColours(control, design.background, design.foreground);
    const QRectF &at = design.design;
    platform::setGeometryTwips(control, float(at.left()), float(at.top()), float(at.width()),
                               float(at.height()));
    // Inside the picture box, positions count from the drawing area.
    if (design.container == Container::Picture1)
        control.move(control.pos()
                     + static_cast<platform::PictureBox *>(control.parentWidget())
                               ->drawingArea()
                               .topLeft());
    if (!design.spokenName)
        return;
    // A text box is read through its editor.
    for (QWidget *target : {&control, control.focusProxy()}) {
        if (!target)
            continue;
        target->setAccessibleName(tr(design.spokenName));
        target->setAccessibleDescription(tr(design.description));
    }
}

using Made = std::vector<std::pair<const Control *, QWidget *>>;

// The table runs front first, so raise from the back; labels are drawn on
// their container's surface beneath everything else.
void stackControls(const Made &made)
{
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        it->second->raise();
    for (const auto &[design, control] : made) {
        if (design->slot.kind == Kind::Label)
            control->lower();
    }
}

// A text box takes the focus through its editor.
QWidget *tabStop(QWidget &control)
{
    return control.focusProxy() ? control.focusProxy() : &control;
}

// The tab column in the table's focus order.
std::vector<QWidget *> tabColumn(const Controls &c)
{
    std::vector<std::pair<int, QWidget *>> stops;
    for (const Control &design : controlTable) {
        if (design.tab >= 0)
            stops.emplace_back(design.tab, tabStop(*design.slot.read(c)));
    }
    std::sort(stops.begin(), stops.end());
    std::vector<QWidget *> column;
    for (const auto &stop : stops)
        column.push_back(stop.second);
    return column;
}

void keepEnds(Controls &c)
{
    const std::vector<QWidget *> column = tabColumn(c);
    c.firstStop = column.front();
    c.lastStop = column.back();
}

} // namespace

Controls createControls(QWidget &client)
{
    Controls c{};
    Made made;
    for (const Control &design : controlTable) {
        QWidget *control = createControl(design, containerOf(design, c, client));
        control->setObjectName(QLatin1String(design.name));
        design.slot.store(c, control);
        made.emplace_back(&design, control);
        dressControl(design, *control);
    }
    stackControls(made);
    const std::vector<QWidget *> column = tabColumn(c);
    for (size_t i = 1; i < column.size(); ++i)
        QWidget::setTabOrder(column[i - 1], column[i]);
    keepEnds(c);
    return c;
}

Controls controlsOf(const QWidget &window)
{
    Controls c{};
    for (const Control &design : controlTable) {
        auto *control = window.findChild<QWidget *>(QLatin1String(design.name));
        if (!control)
            qFatal("no control %s", design.name);
        design.slot.store(c, control);
    }
    keepEnds(c);
    return c;
}

const std::array<const Control *, 26> &layoutOrder()
{
    static const auto order = [] {
        std::array<const Control *, 26> rows{};
        for (const Control &control : controlTable) {
            if (control.layout.step > 0)
                rows[size_t(control.layout.step - 1)] = &control;
        }
        return rows;
    }();
    return order;
}

} // namespace form
