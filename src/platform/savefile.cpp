#include "platform/savefile.h"

#include "platform/canvas.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace platform {

QString reasonFor(int error, const QString &systemText)
{
    switch (error) {
    case EACCES:
    case EPERM: return QStringLiteral("Keine Berechtigung, dort zu schreiben");
    case EROFS: return QStringLiteral("Der Datenträger ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("Der Datenträger ist voll");
    case ENOENT: return QStringLiteral("Den Ordner gibt es nicht");
    case EISDIR: return QStringLiteral("Unter diesem Namen gibt es einen Ordner");
    case ENAMETOOLONG: return QStringLiteral("Der Name ist zu lang");
    default:
        return QStringLiteral("Fehler beim Schreiben (%1)")
                .arg(systemText.isEmpty() ? qt_error_string(error) : systemText);
    }
}

QString saveFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    const QFileInfo target(path);
    if (target.isDir())
        return reasonFor(EISDIR, {});
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("Den Ordner „%1“ gibt es nicht")
                .arg(QDir::toNativeSeparators(folder.filePath()));

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return reasonFor(errno, file.errorString());
    errno = 0;
    const bool written = write(file) && file.error() == QFileDevice::NoError;
    const int writeError = errno;
    if (!written) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return reasonFor(writeError, file.errorString());
    }
    errno = 0;
    if (!file.commit())
        return reasonFor(errno, file.errorString());
    return {};
}

std::optional<PictureType> pictureTypeOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png")
        return PictureType::Png;
    if (suffix == u"svg")
        return PictureType::Svg;
    if (suffix == u"pdf")
        return PictureType::Pdf;
    return std::nullopt;
}

QString savePicture(const Canvas &canvas, const QString &path, PictureType type, qreal scale,
                    const QString &title)
{
    // The picture is made in memory first, so the encoders never meet a
    // failing disk (libpng leaks and prints when a write fails under it);
    // only plain bytes go to the file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool made = false;
    switch (type) {
    case PictureType::Png: made = canvas.render(scale).save(&buffer, "PNG"); break;
    case PictureType::Svg: made = canvas.writeSvg(buffer, title); break;
    case PictureType::Pdf: made = canvas.writePdf(buffer, title); break;
    }
    if (!made)
        return QStringLiteral("Das Bild ließ sich nicht erzeugen");
    return saveFile(path, [&bytes](QIODevice &device) {
        return device.write(bytes) == bytes.size();
    });
}

} // namespace platform
