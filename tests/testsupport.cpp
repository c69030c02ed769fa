#include "testsupport.h"

#include "cli/run.h"
#include "language/language.h"
#include "platform/picturebox.h"
#include "platform/screen.h"
#include "drawing/units.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QScrollBar>
#include <QSettings>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

namespace {

// Tests never read or write the user's settings: Qt's settings go to a
// folder of their own for the whole test program.
const QTemporaryDir settingsFolder;
const bool settingsRedirected = [] {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    return true;
}();

} // namespace

namespace testsupport {

ScreenSize::ScreenSize(int width, int height)
{
    platform::setScreenSizeTwips(
            QSizeF(drawing::twipsFromPixels(width), drawing::twipsFromPixels(height)));
}

ScreenSize::~ScreenSize()
{
    platform::setScreenSizeTwips(std::nullopt);
}

MessageAnswers::MessageAnswers(std::function<platform::Answer(const platform::Message &)> answer)
    : m_answer(std::move(answer))
{
    m_previous = platform::setAnswerer([this](const platform::Message &message) {
        asked.append(message);
        return m_answer(message);
    });
}

MessageAnswers::~MessageAnswers()
{
    platform::setAnswerer(m_previous);
}

RealMessageBoxes::RealMessageBoxes()
    : m_previous(platform::setAnswerer({}))
{
}

RealMessageBoxes::~RealMessageBoxes()
{
    platform::setAnswerer(m_previous);
}

QRect scrollBarPart(const QScrollBar &bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

QStringList lines(const QString &text)
{
    QStringList all = text.split(QStringLiteral("\r\n"));
    all.removeLast(); // after the last line break, or the unfinished line
    return all;
}

QString lastLine(const QString &text)
{
    const qsizetype end = text.endsWith(u"\r\n") ? text.size() - 2 : text.size();
    const qsizetype start = end > 0 ? text.lastIndexOf(u"\r\n", end - 1) : -1;
    const qsizetype from = start < 0 ? 0 : start + 2;
    return text.mid(from, end - from);
}

QList<int> columns(QStringView row)
{
    QList<int> values;
    for (qsizetype i = 0; i + 3 <= row.size(); i += 3)
        values << row.mid(i, 3).trimmed().toInt();
    return values;
}

QPoint widgetPoint(platform::PictureBox &picture, double x, double y)
{
    return (picture.drawingArea().topLeft() + picture.toPixel(x, y)).toPoint();
}

bool onlyBackground(const QImage &image, QColor background)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                return false;
    return true;
}

void clickInNextModalBox(const QString &buttonText, int deadlineMs)
{
    auto *timer = new QTimer(qApp);
    const QDeadlineTimer deadline(deadlineMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, buttonText, deadline] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            for (auto *button : box->findChildren<QAbstractButton *>()) {
                if (button->text() == buttonText) {
                    timer->deleteLater();
                    button->click();
                    return;
                }
            }
        }
        if (deadline.hasExpired()) {
            timer->deleteLater();
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        }
    });
    timer->start(20);
}

void sendMouse(QWidget *widget, int type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::Type(type), QPointF(at), QPointF(widget->mapToGlobal(at)), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

bool colourNear(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
            && std::abs(actual.green() - expected.green()) <= tolerance
            && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

bool colourAround(const QImage &image, QPoint at, QColor expected, int radius, int tolerance)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.valid(p) && colourNear(image.pixelColor(p), expected, tolerance))
                return true;
        }
    }
    return false;
}

Run runWithoutDisplay(const QString &program, const QStringList &arguments,
                      const QString &outputFile)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        qFatal("%s %s did not finish", qPrintable(program), qPrintable(arguments.join(u' ')));
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

Run runCommand(const QStringList &arguments)
{
    std::vector<QByteArray> bytes{"zyklar"};
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    char *out = nullptr, *err = nullptr;
    size_t outSize = 0, errSize = 0;
    std::FILE *outFile = open_memstream(&out, &outSize);
    std::FILE *errFile = open_memstream(&err, &errSize);
    Run run;
    run.status = cli::run(int(bytes.size()), argv.data(), outFile, errFile);
    std::fclose(outFile);
    std::fclose(errFile);
    run.out = QString::fromUtf8(out, qsizetype(outSize));
    run.err = QString::fromUtf8(err, qsizetype(errSize));
    std::free(out);
    std::free(err);
    return run;
}

Run runCommand(const QString &arguments)
{
    return runCommand(arguments.split(u' ', Qt::SkipEmptyParts));
}

QString germanIn(const QString &text)
{
    static const char *const marks[] = {"ä",       "ö",      "ü",      "Ä",      "Ö",
                                        "Ü",       "ß",      "„",      " der ",  " die ",
                                        " das ",   " und ",  " nicht ", " ist ", " mit ",
                                        " für ",   " oder ", " ein ",  " wird ", " je ",
                                        "Schritt", "Summe",  "Rang ",  "Anteil"};
    for (const char *mark : marks) {
        if (text.contains(QString::fromUtf8(mark)))
            return QString::fromUtf8(mark);
    }
    return {};
}

static const char *const localeVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

Locale::Locale(const QByteArray &lang)
{
    for (const char *name : localeVariables)
        m_saved << qgetenv(name);
    for (const char *name : localeVariables)
        qunsetenv(name);
    qputenv("LANG", lang);
}

Locale::~Locale()
{
    for (qsizetype i = 0; i < m_saved.size(); ++i)
        qputenv(localeVariables[i], m_saved[i]);
    language::use(language::Language::German);
}

} // namespace testsupport
