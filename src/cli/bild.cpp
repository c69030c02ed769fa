// zyklar bild N K --ausgabe DATEI: the window's picture of an analysis as a
// file, drawn by the window's own drawing code on a canvas of its own.

#include "cli/arguments.h"
#include "cli/command.h"
#include "analysis/starsandspokes.h"
#include "analysis/picture.h"
#include "drawing/canvas.h"
#include "drawing/picturefile.h"

#include <QGuiApplication>

namespace cli {

namespace {

void run(const Invocation &call)
{
    const std::optional<std::string> file = call.value(Option::Output);
    if (!file)
        throw UsageError{say(translate("cli", "%1 braucht %2 (.png, .svg oder .pdf)"),
                             {call.command.name.shown(), descriptionOf(Option::Output).usage()})};
    const QString path = QString::fromLocal8Bit(file->c_str());
    const std::optional<drawing::PictureType> type = drawing::pictureTypeOf(path);
    if (!type)
        throw UsageError{
                say(translate("cli", "%1: Bilder schreibt zyklar als .png, .svg oder .pdf"),
                    {quoted(*file)})};
    qreal scale = 4;
    if (const std::optional<std::string> chosen = call.value(Option::Scale)) {
        if (*type != drawing::PictureType::Png)
            throw UsageError{say(translate("cli", "%1 gilt nur für PNG-Bilder"),
                                 {optionName(Option::Scale)})};
        if (*chosen != "1" && *chosen != "2" && *chosen != "4")
            throw UsageError{say(translate("cli", "%1 muss 1, 2 oder 4 sein, nicht %2"),
                                 {optionName(Option::Scale), quoted(*chosen)})};
        scale = std::stoi(*chosen);
    }
    const Multiplier m = multiplierOf(call);
    // Text is laid out by the GUI application that main() made.
    Q_ASSERT(qobject_cast<QGuiApplication *>(QCoreApplication::instance()));

    drawing::Canvas canvas;
    analysis::picture::setUpCanvas(canvas);
    analysis::drawAnalysis(canvas, int(m.n), int(m.k),
                           call.isSet(Option::Spokes) ? analysis::Mode::Spokes
                                                      : analysis::Mode::Star);
    const QString title = QStringLiteral("Zyklar: N = %1, k = %2").arg(int(m.n)).arg(m.k);
    const QString failure = drawing::savePicture(canvas.drawing(), path, *type, scale, title);
    if (!failure.isEmpty())
        throw Failure{say(translate("cli", "%1 wurde nicht geschrieben: %2"),
                          {quoted(*file), failure.toStdString()})};
}

} // namespace

const Command bildCommand{
    .name = {"bild", "picture"},
    .arguments = {"N K"},
    .argumentCount = 2,
    .maxN = 1000,
    .options = {Option::Spokes, Option::Output, Option::Scale},
    .needsGui = true,
    .summary = QT_TRANSLATE_NOOP("cli", "das Bild einer Analyse als PNG, SVG oder PDF"),
    .help = QT_TRANSLATE_NOOP("cli",
    "Zeichnet das Bild der Analyse von N und K, wie es das Fenster zeigt, als Stern\n"
    "oder mit Speichen, in eine Datei: PNG, SVG (Vektoren) oder PDF, nach der\n"
    "Endung des Namens. {N}.\n"),
    .run = run};

} // namespace cli
