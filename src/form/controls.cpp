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

namespace {

using drawing::FontSpec;
using platform::TextBox;
using Bars = TextBox::ScrollBars;
namespace caption = analysis::caption;

enum class Kind { TextBox, Button, Picture, Option, Frame, ScrollBar, CheckBox, Label };

// One control as the window is designed: front first within each container.
// Geometry in twips relative to the container; an empty font family is the
// window's own font; an invalid colour the toolkit's default.
struct Design {
    const char *name;
    Kind kind;
    const char *container;
    const char *text; // translated; %1 and %2 name the captions of the minima and the gaps
    int left, top, width, height;
    FontSpec font;
    QColor background, foreground;
    TextBox::Style textStyle;
    int tab;                       // focus order; -1 for labels and the frame
    int min = 0, max = 0, value = 0; // scroll bars; Value 1 ticks or selects
};

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

// clang-format off
const Design designs[] = {
    {"txtSchub2",  Kind::TextBox, "window", caption::sums, 8250, 7050, 2040, 285, columns, grey, silver, singleLine, 27},
    {"txtSumme",   Kind::TextBox, "window", "", 8175, 5100, 1890, 1590, columns, pale, none, {true, Bars::Vertical}, 26},
    {"txtSchub",   Kind::TextBox, "window", "", 1725, 6825, 7890, 285, columns, grey, silver, singleLine, 25},
    {"txtKopf",    Kind::TextBox, "window", "", 1725, 7575, 8265, 360, columns, grey, silver, singleLine, 24},
    {"Command1",   Kind::Button,  "window", "x", 12300, 75, 465, 285, serif14, lightBlue, none, noText, 22},
    {"txtAbs",     Kind::TextBox, "window", "", 150, 75, 1365, 9090, windowFont, silver, none, {true, Bars::Both}, 18},
    {"Picture1",   Kind::Picture, "window", "", 7725, 75, 5040, 4740, serif8, navy, none, noText, 15},
    {"Option2",    Kind::Option,  "Picture1", QT_TRANSLATE_NOOP("Form1", "Speiche"), 0, 4425, 840, 240, serif8, navy, optionText, noText, 21},
    {"Option1",    Kind::Option,  "Picture1", QT_TRANSLATE_NOOP("Form1", "Stern"), 0, 4200, 840, 240, serif8, navy, optionText, noText, 20, 0, 0, 1},
    {"Command4",   Kind::Button,  "window", "x", 12450, 4875, 390, 285, serif14, lightBlue, none, noText, 14},
    {"txtAbstand", Kind::TextBox, "window", "", 1725, 5175, 11115, 1515, columns, pale, navy, {true, Bars::Both}, 12},
    {"txtFolge",   Kind::TextBox, "window", "", 1725, 4125, 5640, 690, serif10, silver, darkGrey, {true, Bars::Horizontal}, 9},
    {"Command3",   Kind::Button,  "window", "x", 12300, 7050, 465, 285, serif14, lightBlue, none, noText, 8},
    {"txtAusgabe", Kind::TextBox, "window", "", 1725, 7875, 11040, 1290, columns, silver, none, {true, Bars::Both}, 6},
    {"Frame1",     Kind::Frame,   "window", QT_TRANSLATE_NOOP("Form1", "Eingabe"), 1725, 900, 5640, 2640, windowFont, none, none, noText, -1},
    {"HScroll2",   Kind::ScrollBar, "Frame1", "", 2175, 750, 840, 240, windowFont, none, none, noText, 23, 1, 200, 8},
    {"HScroll1",   Kind::ScrollBar, "Frame1", "", 825, 750, 840, 240, windowFont, none, none, noText, 19, 2, 200, 21},
    {"Check1",     Kind::CheckBox, "Frame1", QT_TRANSLATE_NOOP("Form1", "Einzelschritt"), 3825, 675, 1365, 315, serif10, none, none, noText, 16},
    {"Command2",   Kind::Button,  "Frame1", QT_TRANSLATE_NOOP("Form1", "Analyse"), 3825, 375, 1365, 315, windowFont, none, none, noText, 7},
    {"txtk",       Kind::TextBox, "Frame1", "8", 2175, 375, 840, 390, inputFont, inputYellow, none, centredLine, 5},
    {"txtN",       Kind::TextBox, "Frame1", "21", 825, 375, 840, 390, inputFont, inputYellow, none, centredLine, 4},
    {"Label9",     Kind::Label,   "Frame1", QT_TRANSLATE_NOOP("Form1", "Funktion: Die Partialfolgen von A(k) = m*k modulo N werden analysiert. "
                                            "Der Minimalabstand des neu hinzugekommenen Folgengliedes zu seinen direkten "
                                            "Nachbarn wird angegeben."), 375, 1275, 4815, 1215, serif10, none, captionBlue, noText, -1},
    {"Label3",     Kind::Label,   "Frame1", "k=", 1800, 375, 390, 390, serif14, none, none, noText, -1},
    {"Label2",     Kind::Label,   "Frame1", "N=", 375, 375, 390, 390, serif14, none, none, noText, -1},
    {"Label8",     Kind::Label,   "window", QT_TRANSLATE_NOOP("Form1", "%1    (%2: links am Bildrand; Extremfolge bei aquidistanter Teilung: Kopfzeile)"),
                                           
                                            1725, 4875, 6990, 315, windowFont, none, captionBlue, noText, -1},
    {"Label7",     Kind::Label,   "window", caption::permutation, 1725, 7125, 6165, 315, windowFont, none, captionBlue, noText, -1},
    {"Label6",     Kind::Label,   "window", caption::sequence, 1800, 3825, 915, 240, windowFont, none, captionBlue, noText, -1},
    {"Label1",     Kind::Label,   "window", QT_TRANSLATE_NOOP("Form1", "Zyklar-Analysator"), 1725, 75, 5940, 690, serif24, none, none, noText, -1},
};
// clang-format on

// What a screen reader says for the controls whose caption does not say it;
// labels, frame and captioned buttons are read by their captions.
struct Spoken {
    const char *name;
    const char *accessibleName; // translated, as the description
    const char *description;
};

const Spoken spoken[] = {
    {"txtSchub2", QT_TRANSLATE_NOOP("Form1", "Spaltenkopf k: Summe"), ""},
    {"txtSumme", QT_TRANSLATE_NOOP("Form1", "k: Summe"),
     QT_TRANSLATE_NOOP("Form1",
                       "Je Analyse der Multiplikator k und die Summe der Minimalabstände")},
    {"txtSchub", QT_TRANSLATE_NOOP("Form1", "Kopfzeile Extremfolge"),
     QT_TRANSLATE_NOOP("Form1", "N durch j abgerundet: der Abstand bei äquidistanter Teilung in "
                                "j Teile")},
    {"txtKopf", QT_TRANSLATE_NOOP("Form1", "Kopfzeile 1 bis N"),
     QT_TRANSLATE_NOOP("Form1", "Die Nummern der Positionen, eine je Spalte")},
    {"Command1", QT_TRANSLATE_NOOP("Form1", "Bild löschen"),
     QT_TRANSLATE_NOOP("Form1", "Inhalt löschen")},
    {"txtAbs", QT_TRANSLATE_NOOP("Form1", "Abstände zu den Nachbarn"),
     QT_TRANSLATE_NOOP("Form1", "Je Schritt der Abstand zum nächsten belegten Nachbarn rückwärts "
                                "und vorwärts")},
    {"Picture1", QT_TRANSLATE_NOOP("Form1", "Kreis der Positionen"),
     QT_TRANSLATE_NOOP("Form1", "Die Analyse als Stern oder mit Speichen gezeichnet")},
    {"Command4", QT_TRANSLATE_NOOP("Form1", "Minimalabstände löschen"),
     QT_TRANSLATE_NOOP("Form1", "Inhalt löschen")},
    {"txtAbstand", QT_TRANSLATE_NOOP("Form1", "Folge der Minimalabstände"),
     QT_TRANSLATE_NOOP("Form1", "Je Analyse eine Zeile; die erste Spalte ist N")},
    {"txtFolge", QT_TRANSLATE_NOOP("Form1", "Die Folge"),
     QT_TRANSLATE_NOOP("Form1", "Die Positionen in der Reihenfolge ihrer Belegung")},
    {"Command3", QT_TRANSLATE_NOOP("Form1", "Permutation löschen"),
     QT_TRANSLATE_NOOP("Form1", "Inhalt löschen")},
    {"txtAusgabe", QT_TRANSLATE_NOOP("Form1", "Reihenfolge der Felderbelegung / Permutation"),
     QT_TRANSLATE_NOOP("Form1", "Je Position der Schritt, in dem sie belegt wurde")},
    {"HScroll2", QT_TRANSLATE_NOOP("Form1", "k einstellen"),
     QT_TRANSLATE_NOOP("Form1", "Der Multiplikator, 1 bis 200")},
    {"HScroll1", QT_TRANSLATE_NOOP("Form1", "N einstellen"),
     QT_TRANSLATE_NOOP("Form1", "Die Anzahl der Positionen, 2 bis 200")},
    {"txtk", "k=", QT_TRANSLATE_NOOP("Form1", "Der Multiplikator")},
    {"txtN", "N=", QT_TRANSLATE_NOOP("Form1", "Die Anzahl der Positionen auf dem Kreis")},
};

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
QString textOf(const Design &design)
{
    const QString text = tr(design.text);
    if (!text.contains(u"%1"))
        return text;
    return text.arg(tr(caption::minimal), tr(caption::gaps));
}

QWidget *createControl(const Design &design, QWidget *container)
{
    const QString text = textOf(design);
    switch (design.kind) {
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
        option->setChecked(design.value == 1);
        return option;
    }
    case Kind::Frame:
        return new QGroupBox(text, container);
    case Kind::ScrollBar:
        return new platform::ScrollBar(design.min, design.max, design.value, container);
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

} // namespace

Form1Controls createControls(QWidget &client)
{

    std::vector<std::pair<const Design *, QWidget *>> created;
    for (const Design &design : designs) {
        QWidget *container = &client;
        if (qstrcmp(design.container, "window") != 0)
            container = client.findChild<QWidget *>(QLatin1String(design.container));
        QWidget *control = createControl(design, container);
        control->setObjectName(QLatin1String(design.name));
        control->setFont(fontFor(design.font));
        platform::setColours(*control, design.background, design.foreground);

        // Inside the picture box, positions count from the drawing area.
        const QPoint origin = design.kind == Kind::Option
                ? static_cast<platform::PictureBox *>(container)->drawingArea().topLeft()
                : QPoint();
        platform::setGeometryTwips(*control, design.left, design.top, design.width,
                                   design.height);
        control->move(control->pos() + origin);
        created.emplace_back(&design, control);
    }

    for (const Spoken &entry : spoken) {
        auto *control = client.findChild<QWidget *>(QLatin1String(entry.name));
        // A text box is read through its editor.
        for (QWidget *target : {control, control->focusProxy()}) {
            if (!target)
                continue;
            target->setAccessibleName(tr(entry.accessibleName));
            target->setAccessibleDescription(tr(entry.description));
        }
    }

    // Stacking: the table runs front first, so raise from the back; labels
    // are drawn on their container's surface beneath everything else.
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        it->second->raise();
    for (const auto &[design, control] : created) {
        if (design->kind == Kind::Label)
            control->lower();
    }

    std::vector<std::pair<int, QWidget *>> focusOrder;
    for (const auto &[design, control] : created) {
        if (design->tab >= 0) // a text box takes the focus through its editor
            focusOrder.emplace_back(design->tab,
                                    control->focusProxy() ? control->focusProxy() : control);
    }
    std::sort(focusOrder.begin(), focusOrder.end());
    for (size_t i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    Form1Controls c;
    c.firstStop = focusOrder.front().second;
    c.lastStop = focusOrder.back().second;

    auto find = [&client]<typename T>(T *&member, const char *name) {
        member = client.findChild<T *>(QLatin1String(name));
        Q_ASSERT_X(member, "createControls", name);
    };
    find(c.txtSchub2, "txtSchub2");
    find(c.txtSumme, "txtSumme");
    find(c.txtSchub, "txtSchub");
    find(c.txtKopf, "txtKopf");
    find(c.txtAbs, "txtAbs");
    find(c.txtAbstand, "txtAbstand");
    find(c.txtFolge, "txtFolge");
    find(c.txtAusgabe, "txtAusgabe");
    find(c.txtk, "txtk");
    find(c.txtN, "txtN");
    find(c.Command1, "Command1");
    find(c.Command2, "Command2");
    find(c.Command3, "Command3");
    find(c.Command4, "Command4");
    find(c.Picture1, "Picture1");
    find(c.Option1, "Option1");
    find(c.Option2, "Option2");
    find(c.Frame1, "Frame1");
    find(c.HScroll1, "HScroll1");
    find(c.HScroll2, "HScroll2");
    find(c.Check1, "Check1");
    find(c.Label1, "Label1");
    find(c.Label2, "Label2");
    find(c.Label3, "Label3");
    find(c.Label6, "Label6");
    find(c.Label7, "Label7");
    find(c.Label8, "Label8");
    find(c.Label9, "Label9");
    return c;
}
