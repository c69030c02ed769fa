#pragma once

#include "platform/messagebox.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSizeF>
#include <QStringList>
#include <QStyle>

#include <functional>

namespace platform {
class PictureBox;
}
class QScrollBar;
class QWidget;

namespace testsupport {

// Lays windows out for a screen of the given pixel size while alive.
class ScreenSize
{
public:
    ScreenSize(int width, int height);
    ~ScreenSize();
};

// Answers every message box while alive ("OK", or "Ja" to a question
// unless told otherwise) and records what each one asked.
class MessageAnswers
{
public:
    explicit MessageAnswers(std::function<platform::Answer(const platform::Message &)> answer =
                                    [](const platform::Message &) { return platform::Answer::Ok; });
    ~MessageAnswers();
    QList<platform::Message> asked;

private:
    std::function<platform::Answer(const platform::Message &)> m_answer;
    platform::Answerer m_previous;
};

// Shows real modal boxes while alive, whatever answers them otherwise.
class RealMessageBoxes
{
public:
    RealMessageBoxes();
    ~RealMessageBoxes();

private:
    platform::Answerer m_previous;
};

// Clicks the given button of the next modal box that opens, polling every
// 20 ms and giving up after a deadline, so a test can never hang on a box.
// Returns at once; the click happens while the box's own event loop runs.
void clickInNextModalBox(const QString &buttonText, int deadlineMs = 5000);

// Sends a mouse event of the given type to the widget at a local position.
void sendMouse(QWidget *widget, int type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons);

// A part of a scroll bar (arrow, trough, thumb) in its own coordinates.
QRect scrollBarPart(const QScrollBar &bar, QStyle::SubControl part);

// The rows of a text box: lines ended by CR LF, and three-character columns.
QStringList lines(const QString &text);
QString lastLine(const QString &text);
QList<int> columns(QStringView row);

// A point in the picture's user coordinates as a position in the widget.
QPoint widgetPoint(platform::PictureBox &picture, double x, double y);

// Whether the picture holds nothing but its background colour.
bool onlyBackground(const QImage &image, QColor background = QColor(0, 0, 128));

bool colourNear(QColor actual, QColor expected, int tolerance = 8);

// A program run to its end with neither a display nor a platform named, as
// over ssh; standard output goes to `outputFile` when one is given.
struct Run {
    int status = -1; // -1 when it crashed
    QString out;
    QString err;
};
Run runWithoutDisplay(const QString &program, const QStringList &arguments,
                      const QString &outputFile = {});

// The command line run in this process, as `zyklar ARGUMENTS` (split at
// blanks), its two streams caught in memory.
Run runCommand(const QStringList &arguments);
Run runCommand(const QString &arguments);

// The first letter or word of a text that only German has ("ä", " und ",
// "Summe"), or nothing: an English text has none. The names of commands
// and options (rangliste, --nach) are not looked for here.
QString germanIn(const QString &text);

// The locale's four variables set for a test's scope, restored after it,
// and German in use again.
class Locale
{
public:
    explicit Locale(const QByteArray &lang);
    ~Locale();

private:
    QList<QByteArray> m_saved;
};

// Whether any pixel within `radius` of `at` is near the expected colour.
bool colourAround(const QImage &image, QPoint at, QColor expected, int radius = 1,
                  int tolerance = 8);

} // namespace testsupport
