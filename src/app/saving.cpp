// Keeping what the window shows: the picture as PNG, SVG or PDF, and the
// last completed analysis as CSV; and what Zyklar keeps between runs, the
// folder of the last save and the language of the windows.

#include "app/form1.h"

#include "analysis/texts.h"
#include "drawing/canvas.h"
#include "drawing/picturefile.h"
#include "drawing/savefile.h"
#include "language/language.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace {

using drawing::PictureType;

// The picture's file types, first the default. The filter decides a PNG's
// scale: four times the screen for print, twice, or as on the screen.
struct PictureKind {
    const char *filter;
    PictureType type;
    qreal scale;
};
const PictureKind pictureKinds[] = {
    {QT_TRANSLATE_NOOP("Form1", "PNG-Bild, vierfache Größe (*.png)"), PictureType::Png, 4},
    {QT_TRANSLATE_NOOP("Form1", "PNG-Bild, doppelte Größe (*.png)"), PictureType::Png, 2},
    {QT_TRANSLATE_NOOP("Form1", "PNG-Bild, Bildschirmgröße (*.png)"), PictureType::Png, 1},
    {QT_TRANSLATE_NOOP("Form1", "SVG-Vektorgrafik (*.svg)"), PictureType::Svg, 1},
    {QT_TRANSLATE_NOOP("Form1", "PDF-Dokument (*.pdf)"), PictureType::Pdf, 1},
};

// Zyklar's settings: ~/.config/zyklar/zyklar.ini, or where XDG_CONFIG_HOME
// points.
std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("zyklar"), QStringLiteral("zyklar"));
}

const QString saveFolderKey = QStringLiteral("speichern/ordner");
const QString languageKey = QStringLiteral("sprache");
const QString textScaleKey = QStringLiteral("abstaende/textgroesse");

} // namespace

std::optional<language::Language> storedLanguage()
{
    return language::named(settings()->value(languageKey).toString());
}

// The language chosen in the menu, for the next start: the windows are
// made in one language and stay in it.
void Form1::chooseLanguage(std::optional<language::Language> chosen)
{
    if (!m_settingsWritable) {
        platform::messageBox(this, {QStringLiteral("Die Einstellungen lassen sich nicht speichern; "
                                                   "die Sprache bleibt, wie sie ist.\n"
                                                   "The settings cannot be saved; the language "
                                                   "stays as it is."),
                                    QString(), platform::Message::Buttons::Ok,
                                    platform::Message::Icon::Warning});
        return;
    }
    if (chosen)
        settings()->setValue(languageKey, language::code(*chosen));
    else
        settings()->remove(languageKey);
    const language::Language next = chosen.value_or(language::ofLocale());
    if (next == language::current())
        return;
    // Said in both languages: whoever chose one may not read the other.
    platform::messageBox(this, {next == language::Language::English
                                        ? QStringLiteral("Zyklar spricht ab dem nächsten Start "
                                                         "Englisch.\nZyklar will speak English "
                                                         "from its next start.")
                                        : QStringLiteral("Zyklar spricht ab dem nächsten Start "
                                                         "Deutsch.\nZyklar will speak German "
                                                         "from its next start."),
                                QString(), platform::Message::Buttons::Ok,
                                platform::Message::Icon::Information});
}

// The folder of the last save, from an earlier run too; the home folder
// when there is none, or it is gone, or the settings cannot be read. Only
// settings read without a fault are written back later: a damaged file is
// left as it is, and a configuration folder that cannot be written is
// passed over in silence. Neither is worth a message, and neither may cost
// the user a file.
void Form1::readSettings()
{
    const auto stored = settings();
    const QString folder = stored->value(saveFolderKey).toString();
    m_saveFolder = !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
    m_settingsWritable = stored->status() == QSettings::NoError && stored->isWritable();
}

// Kept for this run in any case, and for the next where the settings can be
// written.
void Form1::rememberSaveFolder(const QString &file)
{
    m_saveFolder = QFileInfo(file).absolutePath();
    if (m_settingsWritable)
        settings()->setValue(saveFolderKey, m_saveFolder);
}

double Form1::storedTextScale() const
{
    bool read = false;
    const double scale = settings()->value(textScaleKey).toDouble(&read);
    return read ? scale : 1;
}

void Form1::rememberTextScale(double scale)
{
    if (m_settingsWritable)
        settings()->setValue(textScaleKey, scale);
}

// "zyklar-N21-k8.png" for what the window shows now.
QString Form1::proposedName(const QString &suffix) const
{
    const int n = m_selection.n > 0 ? m_selection.n : ui.HScroll1->value();
    const QString k = m_selection.k > 0 ? QStringLiteral("-k%1").arg(m_selection.k) : QString();
    return QStringLiteral("zyklar-N%1%2.%3").arg(n).arg(k, suffix);
}

void Form1::reportSaveFailure(const QString &path, const QString &reason)
{
    platform::messageBox(this, {tr("Die Datei „%1“ wurde nicht gespeichert.\n%2.")
                                        .arg(QDir::toNativeSeparators(path), reason),
                                QString(), platform::Message::Buttons::Ok,
                                platform::Message::Icon::Warning});
}

void Form1::cmdBildSpeichern_Click()
{
    const QString title
            = QStringLiteral("Zyklar: N = %1, k = %2").arg(m_selection.n).arg(m_selection.k);
    savePicture(ui.Picture1->canvas().drawing(), proposedName("png"), title);
}

// Any picture of Zyklar's windows: the dialog, the type by the name, the
// PNG's scale by the filter, the atomic write, and a failure said in a box.
void Form1::savePicture(const drawing::Drawing &drawing, const QString &proposedName,
                        const QString &title, const Animation &animation)
{
    QStringList filters;
    for (const PictureKind &kind : pictureKinds)
        filters << tr(kind.filter);
    if (animation)
        filters << tr("GIF-Animation aller Schritte (*.gif)");
    const platform::SaveAnswer answer = platform::askSaveFile(
            this, {tr("Bild speichern"), m_saveFolder, proposedName, filters});
    if (answer.path.isEmpty())
        return;
    rememberSaveFolder(answer.path);
    if (animation && answer.path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) {
        const QString failure = animation(answer.path);
        if (!failure.isEmpty())
            reportSaveFailure(answer.path, failure);
        return;
    }

    // The extension decides the type; a PNG takes its scale from the
    // filter when that was a PNG one, else four times.
    const std::optional<PictureType> type = drawing::pictureTypeOf(answer.path);
    if (!type) {
        reportSaveFailure(answer.path,
                          tr("Bilder speichert Zyklar als PNG, SVG oder PDF"));
        return;
    }
    const bool pngFilter = answer.filter >= 0 && answer.filter < int(std::size(pictureKinds))
            && pictureKinds[answer.filter].type == PictureType::Png;
    const qreal scale = *type != PictureType::Png ? 1
            : pngFilter                          ? pictureKinds[answer.filter].scale
                                                 : 4;
    const QString failure = drawing::savePicture(drawing, answer.path, *type, scale, title);
    if (!failure.isEmpty())
        reportSaveFailure(answer.path, failure);
}

void Form1::cmdErgebnisseSpeichern_Click()
{
    if (m_completedN == 0)
        return;
    const QString name = QStringLiteral("zyklar-N%1-k%2.csv").arg(m_completedN).arg(m_completedK);
    const platform::SaveAnswer answer = platform::askSaveFile(
            this, {tr("Ergebnisse speichern"), m_saveFolder, name, {tr("CSV-Tabelle (*.csv)")}});
    if (answer.path.isEmpty())
        return;
    rememberSaveFolder(answer.path);
    const std::string csv = analysis::stepsCsv(numbers::u64(m_completedN), numbers::u64(m_completedK));
    const QString failure = drawing::saveFile(answer.path, [&](QIODevice &device) {
        return device.write(csv.data(), qint64(csv.size())) == qint64(csv.size());
    });
    if (!failure.isEmpty())
        reportSaveFailure(answer.path, failure);
}
