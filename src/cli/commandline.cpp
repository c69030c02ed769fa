#include "cli/commandline.h"

#include "analysis/drawing.h"
#include "circle/numbertext.h"
#include "layout/applylayout.h"
#include "layout/layouttable.h"
#include "numbers/ranking.h"
#include "numbers/spread.h"
#include "platform/canvas.h"
#include "platform/picturebox.h"
#include "platform/savefile.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <chrono>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace cli {

namespace {

using numbers::u64;
using numbers::Wide;

// A mistake in the arguments: reported as one line, exit status 2, and
// nothing on standard output.
struct UsageError {
    std::string message;
};

enum class Format { Text, Csv, Json };

// Standard output, written in large pieces.
class Output
{
public:
    explicit Output(std::FILE *file)
        : m_file(file)
    {
    }
    Output &operator<<(std::string_view text)
    {
        m_buffer += text;
        if (m_buffer.size() >= 1 << 16)
            flush();
        return *this;
    }
    Output &operator<<(char c) { return *this << std::string_view(&c, 1); }
    // False when anything could not be written (a full disk, say).
    bool finish()
    {
        flush();
        return std::fflush(m_file) == 0 && !std::ferror(m_file);
    }

private:
    void flush()
    {
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file);
        m_buffer.clear();
    }
    std::FILE *m_file;
    std::string m_buffer;
};

struct Invocation {
    std::vector<std::string> arguments; // after the command's name
    Format format = Format::Text;
    std::optional<u64> top;
    bool spokes = false;
    std::string output;               // --ausgabe
    std::optional<std::string> scale; // --skala
    Output &out;
    std::FILE *err;
    char *program;
};

// ---- Reading arguments ----------------------------------------------------

std::string quoted(std::string_view text)
{
    return "„" + std::string(text) + "“";
}

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A whole decimal number between min and max: digits only, no sign, no
// point, no exponent.
u64 wholeNumber(std::string_view text, const char *name, u64 min, u64 max)
{
    if (!allDigits(text))
        throw UsageError{std::string(name) + " muss eine ganze Dezimalzahl sein, nicht "
                         + quoted(text)};
    Wide value = 0;
    for (char digit : text) {
        value = value * 10 + u64(digit - '0');
        if (value > max)
            break;
    }
    if (value < min && max == numbers::everyMultiplier)
        throw UsageError{std::string(name) + " muss mindestens " + std::to_string(min)
                         + " sein, nicht " + std::string(text)};
    if (value < min || value > max)
        throw UsageError{std::string(name) + " muss zwischen " + std::to_string(min) + " und "
                         + std::to_string(max) + " liegen, nicht " + std::string(text)};
    return u64(value);
}

// K of any length, taken modulo N digit by digit.
u64 residue(std::string_view text, u64 n)
{
    if (!allDigits(text))
        throw UsageError{"K muss eine ganze Dezimalzahl sein, nicht " + quoted(text)};
    Wide rest = 0;
    for (char digit : text)
        rest = (rest * 10 + u64(digit - '0')) % n;
    return u64(rest);
}

// N and K reduced as the window reduces them: K modulo N, then their common
// divisor cancelled, with the window's message on standard error.
std::pair<u64, u64> multiplierOf(const Invocation &call, u64 maxN)
{
    const u64 n = wholeNumber(call.arguments[0], "N", 2, maxN);
    const u64 k = residue(call.arguments[1], n);
    if (k == 0)
        throw UsageError{"K darf kein Vielfaches von N sein: dann bliebe jeder Schritt auf "
                         "Position 1"};
    const u64 divisor = std::gcd(n, k);
    if (divisor != 1)
        std::fprintf(call.err, "Der gemeinsame Teiler %s wird herausgekürzt\n",
                     std::to_string(divisor).c_str());
    return {n / divisor, k / divisor};
}

// ---- Writing numbers ------------------------------------------------------

// Up to 999 positions the window's three-character columns; beyond, columns
// wide enough for N with its blank, so no digit is cut.
int columnWidth(u64 n)
{
    return n <= 999 ? 3 : int(circle::numberText(double(n)).size());
}

std::string fractionJson(const std::vector<u64> &quotients)
{
    std::string text = "[";
    for (size_t i = 0; i < quotients.size(); ++i) {
        if (i > 0)
            text += ',';
        text += std::to_string(quotients[i]);
    }
    return text + "]";
}

// A CSV field in double quotes, doubling any quote inside (RFC 4180).
std::string csvQuoted(const std::string &field)
{
    std::string text = "\"";
    for (char c : field)
        text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

// Display width of UTF-8 text: its code points.
size_t displayWidth(std::string_view text)
{
    size_t width = 0;
    for (unsigned char c : text)
        width += (c & 0xC0) != 0x80;
    return width;
}

std::string padded(std::string_view text, size_t width, bool right)
{
    const std::string fill(width > displayWidth(text) ? width - displayWidth(text) : 0, ' ');
    return right ? fill + std::string(text) : std::string(text) + fill;
}

// One multiplier's figures as the machine formats write them, in the order
// of their headers: summe, anteil, kettenbruch, groesster_teilnenner.
std::string csvFields(const numbers::Figures &f)
{
    return numbers::decimal(f.sum) + ',' + numbers::shareText(f.share) + ','
            + csvQuoted(numbers::continuedFractionText(f.quotients)) + ','
            + std::to_string(f.largest);
}

std::string jsonMembers(const numbers::Figures &f)
{
    return "\"summe\":" + numbers::decimal(f.sum) + ",\"anteil\":" + numbers::shareText(f.share)
            + ",\"kettenbruch\":" + fractionJson(f.quotients)
            + ",\"groesster_teilnenner\":" + std::to_string(f.largest);
}

// ---- The commands ---------------------------------------------------------

void analyse(const Invocation &call)
{
    const auto [n, k] = multiplierOf(call, 1'000'000);
    Output &out = call.out;
    numbers::Occupation steps(n, k);

    if (call.format == Format::Csv) {
        out << numbers::stepsCsv(n, k);
        return;
    }
    if (call.format == Format::Json) {
        const numbers::Figures f = numbers::figures(n, k, numbers::equidistantSum(n));
        out << "{\"n\":" + std::to_string(n) + ",\"k\":" + std::to_string(k)
                        + ",\"summe\":" + numbers::decimal(f.sum)
                        + ",\"anteil\":" + numbers::shareText(f.share) + ",\"kettenbruch\":"
                        + fractionJson(f.quotients) + ",\"schritte\":[";
        for (u64 i = 1; i < n; ++i) {
            steps.advance();
            out << std::string(i > 1 ? ",\n" : "\n") + "{\"schritt\":" + std::to_string(i)
                            + ",\"position\":" + std::to_string(steps.position() + 1)
                            + ",\"rueckwaerts\":" + std::to_string(steps.backward())
                            + ",\"vorwaerts\":" + std::to_string(steps.forward())
                            + ",\"minimum\":" + std::to_string(steps.minimal())
                            + ",\"gleichverteilt\":" + std::to_string(n / (i + 1)) + '}';
        }
        out << "\n]}\n";
        return;
    }

    // The five result boxes of the window, each under its caption, written
    // by the window's own number rules.
    using circle::column;
    using circle::numberText;
    const int width = columnWidth(n);
    QString sequence = column(1, width) + u' ';
    QString gaps;
    QString minimal = column(double(n), width);
    std::vector<u64> occupiedAt(n, 0); // position → 1-based step
    occupiedAt[0] = 1;
    u64 sum = 0;
    for (u64 i = 1; i < n; ++i) {
        steps.advance();
        sequence += column(double(steps.position() + 1), width) + u' ';
        gaps += numberText(double(steps.backward())) + u'-' + numberText(double(steps.forward()))
                + u'\n';
        minimal += column(double(steps.minimal()), width);
        sum += steps.minimal();
        occupiedAt[steps.position()] = i + 1;
    }
    QString permutation;
    for (u64 step : occupiedAt)
        permutation += column(double(step), width);

    out << "Die Folge\n" << sequence.toStdString() << "\n\n";
    out << "getrennt nach rechtem und linkem Nachbarn\n" << gaps.toStdString() << '\n';
    out << "Folge der Minimalabstände\n" << minimal.toStdString() << "\n\n";
    out << "  k:  Summe\n"
        << (numberText(double(k)) + u':' + numberText(double(sum))).toStdString() << "\n\n";
    out << "Reihenfolge der Felderbelegung / Permutation\n" << permutation.toStdString() << '\n';
}

void rangliste(const Invocation &call)
{
    const u64 n = wholeNumber(call.arguments[0], "N", 2, 1'000'000'000);
    const u64 top = call.top.value_or(numbers::everyMultiplier);

    // Progress only for a person watching a terminal, and only once the run
    // has taken a second.
    const bool terminal = isatty(fileno(call.err));
    const auto started = std::chrono::steady_clock::now();
    bool shown = false;
    const numbers::Progress progress = [&](double done) {
        if (std::chrono::steady_clock::now() - started < std::chrono::seconds(1))
            return;
        std::fprintf(call.err, "\rRangliste für N = %s: %3d %%", std::to_string(n).c_str(),
                     int(done * 100));
        std::fflush(call.err);
        shown = true;
    };
    const std::vector<numbers::Ranked> rows
            = numbers::ranking(n, top, terminal ? progress : numbers::Progress());
    if (shown)
        std::fprintf(call.err, "\r\033[K");
    const Wide equidistant = numbers::equidistantSum(n);

    const auto figuresOf = [&](const numbers::Ranked &row) {
        return numbers::figures(n, row.k, equidistant);
    };

    Output &out = call.out;
    if (call.format == Format::Csv) {
        out << "rang,k,summe,anteil,kettenbruch,groesster_teilnenner\n";
        for (const numbers::Ranked &row : rows)
            out << std::to_string(row.rank) + ',' + std::to_string(row.k) + ','
                            + csvFields(figuresOf(row)) + '\n';
        return;
    }
    if (call.format == Format::Json) {
        out << "[";
        for (size_t i = 0; i < rows.size(); ++i)
            out << std::string(i ? ",\n" : "\n") + "{\"rang\":" + std::to_string(rows[i].rank)
                            + ",\"k\":" + std::to_string(rows[i].k) + ','
                            + jsonMembers(figuresOf(rows[i])) + '}';
        out << "\n]\n";
        return;
    }

    // A table for reading: numbers right-aligned, the fraction left-aligned.
    // Two passes, the widths first, so no row is kept in memory.
    using Cells = std::array<std::string, 6>;
    const auto cellsOf = [&](const numbers::Ranked &row) {
        const numbers::Figures f = figuresOf(row);
        return Cells{std::to_string(row.rank), std::to_string(row.k), numbers::decimal(f.sum),
                     numbers::shareText(f.share, ','),
                     numbers::continuedFractionText(f.quotients), std::to_string(f.largest)};
    };
    const Cells headers{"Rang", "k", "Summe", "Anteil", "Kettenbruch", "größter Teilnenner"};
    std::array<size_t, 6> widths{};
    for (size_t c = 0; c < 6; ++c)
        widths[c] = displayWidth(headers[c]);
    for (const numbers::Ranked &row : rows) {
        const Cells cells = cellsOf(row);
        for (size_t c = 0; c < 6; ++c)
            widths[c] = std::max(widths[c], cells[c].size());
    }
    const auto line = [&](const Cells &cells) {
        std::string text;
        for (size_t c = 0; c < 5; ++c)
            text += padded(cells[c], widths[c], c != 4) + "  ";
        return text + cells[5] + '\n';
    };
    out << line(headers);
    for (const numbers::Ranked &row : rows)
        out << line(cellsOf(row));
}

void summe(const Invocation &call)
{
    const auto [n, k] = multiplierOf(call, 1'000'000'000'000'000'000);
    const numbers::Figures f = numbers::figures(n, k, numbers::equidistantSum(n));
    const std::string nText = std::to_string(n), kText = std::to_string(k);

    Output &out = call.out;
    switch (call.format) {
    case Format::Csv:
        out << "n,k,summe,anteil,kettenbruch,groesster_teilnenner\n"
            << nText + ',' + kText + ',' + csvFields(f) + '\n';
        break;
    case Format::Json:
        out << "{\"n\":" + nText + ",\"k\":" + kText + ',' + jsonMembers(f) + "}\n";
        break;
    case Format::Text:
        out << "N = " + nText + ", k = " + kText + '\n' + "Summe: " + numbers::decimal(f.sum)
                        + '\n' + "Anteil: " + numbers::shareText(f.share, ',') + '\n'
                        + "Kettenbruch: " + numbers::continuedFractionText(f.quotients) + '\n'
                        + "größter Teilnenner: " + std::to_string(f.largest) + '\n';
        break;
    }
}

// Picture1 as the window lays it out on a 1024 x 768 screen, the design
// size: its drawing area inside the border, in pixels.
QSize pictureSize()
{
    const auto row = std::find_if(layout::table.begin(), layout::table.end(), [](const auto &r) {
        return std::string_view(r.control) == "Picture1";
    });
    const QRectF twips = layout::scaledGeometry(
            *row, layout::scalesFor({layout::designWidth, layout::designHeight}, layout::minZoom));
    const int inside = 2 * platform::PictureBox::border;
    return {platform::pixelsFromTwips(twips.width()) - inside,
            platform::pixelsFromTwips(twips.height()) - inside};
}

void bild(const Invocation &call)
{
    if (call.output.empty())
        throw UsageError{"bild braucht --ausgabe DATEI (.png, .svg oder .pdf)"};
    const QString path = QString::fromLocal8Bit(call.output.c_str());
    const std::optional<platform::PictureType> type = platform::pictureTypeOf(path);
    if (!type)
        throw UsageError{quoted(call.output) + ": Bilder schreibt zyklar als .png, .svg oder .pdf"};
    qreal scale = 4;
    if (call.scale) {
        if (*type != platform::PictureType::Png)
            throw UsageError{"--skala gilt nur für PNG-Bilder"};
        if (*call.scale != "1" && *call.scale != "2" && *call.scale != "4")
            throw UsageError{"--skala muss 1, 2 oder 4 sein, nicht " + quoted(*call.scale)};
        scale = std::stoi(*call.scale);
    }
    const auto [n, k] = multiplierOf(call, 1000);

    // Text needs a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char *argv[] = {call.program, nullptr};
    const QGuiApplication application(argc, argv);

    platform::Canvas canvas;
    canvas.setBackground(analysis::pictureBackground);
    canvas.setFont(platform::makeFont(analysis::pictureFont));
    canvas.setSize(pictureSize());
    canvas.setScale(layout::pictureLeft, layout::pictureTop, layout::pictureRight,
                    layout::pictureBottom);
    analysis::drawAnalysis(canvas, int(n), int(k),
                           call.spokes ? analysis::Mode::Spokes : analysis::Mode::Star);
    const QString title = QStringLiteral("Zyklar: N = %1, k = %2").arg(n).arg(k);
    const QString failure = platform::savePicture(canvas, path, *type, scale, title);
    if (!failure.isEmpty())
        throw UsageError{quoted(call.output) + " wurde nicht geschrieben: " + failure.toStdString()};
}

// ---- Help -----------------------------------------------------------------

// The options a command takes, besides --help.
struct Option {
    const char *name;
    const char *value; // nullptr: a flag
    const char *help;
};
const Option options[] = {
    {"top", "T", "  --top T          nur die ersten T Plätze\n"},
    {"format", "F", "  --format F       text (Vorgabe), csv oder json\n"},
    {"speichen", nullptr, "  --speichen       Speichen statt Stern\n"},
    {"ausgabe", "DATEI", "  --ausgabe DATEI  die Bilddatei: .png, .svg oder .pdf\n"},
    {"skala", "S", "  --skala S        ein PNG 1-, 2- oder 4-mal so groß wie am Bildschirm\n"
                   "                   (Vorgabe 4)\n"},
};

struct Command {
    const char *name;
    int arguments;
    const char *options; // the names of its options, each followed by a blank
    void (*run)(const Invocation &);
    const char *usage;
    const char *help;

    bool takes(const char *option) const
    {
        return std::string_view(options).find(std::string(option) + ' ') != std::string_view::npos;
    }
};

const Command commands[] = {
    {"analyse", 2, "format ", analyse, "zyklar analyse N K [--format text|csv|json]",
     "Belegt N Positionen auf dem Kreis mit dem Multiplikator K, Schritt für Schritt,\n"
     "und zeigt, was das Fenster nach „Analyse“ zeigt: die Folge, die Abstände zu\n"
     "beiden Nachbarn, die Minimalabstände, die Summe und die Permutation.\n"
     "2 ≤ N ≤ 1000000.\n"},
    {"rangliste", 1, "top format ", rangliste, "zyklar rangliste N [--top T] [--format text|csv|json]",
     "Ordnet alle zu N teilerfremden Multiplikatoren k nach der Summe ihrer\n"
     "Minimalabstände, die größte zuerst; gleiche Summen teilen sich den Rang.\n"
     "Dazu der Anteil an der gleichverteilten Summe und der Kettenbruch von k/N.\n"
     "2 ≤ N ≤ 1000000000.\n"},
    {"summe", 2, "format ", summe, "zyklar summe N K [--format text|csv|json]",
     "Summe, Anteil, Kettenbruch und größter Teilnenner eines Multiplikators,\n"
     "in geschlossener Form je Teilnenner des Kettenbruchs. 2 ≤ N ≤ 10^18.\n"},
    {"bild", 2, "speichen ausgabe skala ", bild,
     "zyklar bild N K [--speichen] --ausgabe DATEI [--skala 1|2|4]",
     "Zeichnet das Bild der Analyse von N und K, wie es das Fenster zeigt, als Stern\n"
     "oder mit Speichen, in eine Datei: PNG, SVG (Vektoren) oder PDF, nach der\n"
     "Endung des Namens. 2 ≤ N ≤ 1000.\n"},
};

const char overview[]
        = "Aufruf: zyklar [BEFEHL ARGUMENTE… [OPTIONEN]]\n"
          "Ohne Argumente öffnet zyklar sein Fenster.\n"
          "\n"
          "Befehle:\n"
          "  analyse N K     die Belegung von N Positionen mit dem Multiplikator K\n"
          "  rangliste N     alle Multiplikatoren von N, der gleichmäßigste zuerst\n"
          "  summe N K       Summe, Anteil und Kettenbruch eines Multiplikators\n"
          "  bild N K        das Bild einer Analyse als PNG, SVG oder PDF\n"
          "\n"
          "Optionen:\n"
          "  --format F      text (Vorgabe), csv oder json\n"
          "  --top T         bei rangliste: nur die ersten T Plätze\n"
          "  --speichen, --ausgabe DATEI, --skala S\n"
          "                  bei bild: Speichen statt Stern, die Datei, ihre Größe\n"
          "  -h, --help      diese Hilfe; nach einem Befehl dessen Hilfe\n"
          "  --version       die Version\n"
          "\n"
          "K ≥ N wird modulo N genommen; ein gemeinsamer Teiler von N und K wird\n"
          "herausgekürzt. Zahlen sind ganze Dezimalzahlen ohne Vorzeichen.\n";


Format formatNamed(const QString &name)
{
    if (name == u"text")
        return Format::Text;
    if (name == u"csv")
        return Format::Csv;
    if (name == u"json")
        return Format::Json;
    throw UsageError{"unbekanntes Format " + quoted(name.toStdString())
                     + "; möglich sind text, csv und json"};
}

int runChecked(const QStringList &arguments, std::FILE *out, std::FILE *err, char *program)
{
    // A number with a sign would otherwise read as an unknown option.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument.size() > 1 && (argument[0] == u'-' || argument[0] == u'+')
            && argument[1].isDigit())
            throw UsageError{quoted(argument.toStdString())
                             + " ist keine ganze Dezimalzahl: Zahlen haben kein Vorzeichen"};
    }

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version(QStringLiteral("version"), {});
    parser.addOptions({help, version});
    for (const Option &option : options) {
        parser.addOption(QCommandLineOption(QLatin1String(option.name), {},
                                            option.value ? QLatin1String(option.value) : QString()));
    }
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().first();
            throw UsageError{"unbekannte Option "
                             + quoted((name.size() == 1 ? "-" : "--") + name.toStdString())
                             + "; die Optionen zeigt „zyklar --help“"};
        }
        throw UsageError{"einer Option fehlt ihr Wert, etwa --format F oder --top T"};
    }

    const QStringList positional = parser.positionalArguments();
    const Command *command = nullptr;
    if (!positional.isEmpty()) {
        for (const Command &candidate : commands) {
            if (positional.first() == QLatin1String(candidate.name))
                command = &candidate;
        }
        if (!command)
            throw UsageError{"unbekannter Befehl " + quoted(positional.first().toStdString())
                             + "; die Befehle zeigt „zyklar --help“"};
    }

    if (parser.isSet(help)) {
        std::string text = overview;
        if (command) {
            text = std::string("Aufruf: ") + command->usage + "\n\n" + command->help + "\n";
            for (const Option &option : options) {
                if (command->takes(option.name))
                    text += option.help;
            }
        }
        std::fputs(text.c_str(), out);
        return exitOk;
    }
    if (parser.isSet(version)) {
        std::fputs("zyklar " ZYKLAR_VERSION "\n", out);
        return exitOk;
    }
    if (!command)
        throw UsageError{"kein Befehl angegeben; die Befehle zeigt „zyklar --help“"};

    const std::string usage = std::string("; Aufruf: ") + command->usage;
    if (positional.size() - 1 < command->arguments)
        throw UsageError{"zu wenige Argumente" + usage};
    if (positional.size() - 1 > command->arguments)
        throw UsageError{"zu viele Argumente" + usage};
    for (const Option &option : options) {
        if (parser.isSet(QLatin1String(option.name)) && !command->takes(option.name))
            throw UsageError{std::string("--") + option.name + " gilt nicht für " + command->name
                             + usage};
    }

    Output output(out);
    Invocation call{{}, Format::Text, std::nullopt, false, {}, std::nullopt, output, err, program};
    for (qsizetype i = 1; i < positional.size(); ++i)
        call.arguments.push_back(positional[i].toStdString());
    const auto value = [&parser](const char *name) {
        return parser.value(QLatin1String(name)).toLocal8Bit().toStdString();
    };
    if (parser.isSet(QStringLiteral("format")))
        call.format = formatNamed(parser.value(QStringLiteral("format")));
    if (parser.isSet(QStringLiteral("top")))
        call.top = wholeNumber(value("top"), "T", 1, numbers::everyMultiplier);
    call.spokes = parser.isSet(QStringLiteral("speichen"));
    if (parser.isSet(QStringLiteral("ausgabe")))
        call.output = value("ausgabe");
    if (parser.isSet(QStringLiteral("skala")))
        call.scale = value("skala");

    command->run(call);
    if (!output.finish()) {
        std::fputs("zyklar: die Ergebnisse ließen sich nicht vollständig schreiben\n", err);
        return exitFailure;
    }
    return exitOk;
}

} // namespace

int run(int argc, char *argv[], std::FILE *out, std::FILE *err)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Qt's own diagnostics (a font cache, a runtime folder) are not the
    // user's business on the command line.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "zyklar: %s\n", qPrintable(text));
    });
    try {
        return runChecked(arguments, out, err, argv[0]);
    } catch (const UsageError &error) {
        std::fprintf(err, "zyklar: %s\n", error.message.c_str());
        return exitUsage;
    }
}

} // namespace cli
