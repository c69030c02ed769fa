#include "platform/savefile.h"

#include "platform/canvas.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// Through QSaveFile: a named temporary file beside the target, renamed over
// it once complete. For file systems without unnamed files.
QString saveThroughQSaveFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
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

// The error of the last system call, as a reason, with the descriptor closed.
QString failed(int fd)
{
    const int error = errno;
    close(fd);
    return reasonFor(error);
}

} // namespace

// The content goes to a file without a name in the target's folder
// (O_TMPFILE), written and synced to the disk. Only then does it get a
// name: the target's own when there was none, else a temporary one that is
// renamed over the target in the same step. A process killed while it
// writes leaves neither a half file nor a temporary one behind; the old
// file is either untouched or wholly replaced.
QString saveFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // A link is followed, and the file it names replaced, as QSaveFile does.
    const QFileInfo named(path);
    const QFileInfo target(named.isSymLink() ? named.symLinkTarget() : path);
    if (target.isDir())
        return reasonFor(EISDIR, {});
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("Den Ordner „%1“ gibt es nicht")
                .arg(QDir::toNativeSeparators(folder.filePath()));

    const QByteArray folderName = QFile::encodeName(folder.absoluteFilePath());
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    const int fd = open(folderName.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
        return saveThroughQSaveFile(path, write);
    if (fd < 0)
        return reasonFor(errno);
    // An existing file keeps its permissions, as QSaveFile keeps them.
    struct stat existing;
    if (stat(targetName.constData(), &existing) == 0 && fchmod(fd, existing.st_mode & 07777) != 0)
        return failed(fd);

    {
        QFile file;
        if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            return failed(fd);
        errno = 0;
        const bool written = write(file) && file.flush() && file.error() == QFileDevice::NoError;
        if (!written)
            return failed(fd);
    }
    if (fsync(fd) != 0)
        return failed(fd);

    const QByteArray unnamed = "/proc/self/fd/" + QByteArray::number(fd);
    const int linked = linkat(AT_FDCWD, unnamed.constData(), AT_FDCWD, targetName.constData(),
                              AT_SYMLINK_FOLLOW);
    if (linked != 0 && errno != EEXIST)
        return failed(fd);
    if (linked != 0) {
        // Replacing a file: a temporary name, then one rename over it.
        for (int attempt = 0;; ++attempt) {
            const QByteArray temporary = targetName + ".zyklar-"
                    + QByteArray::number(getpid()) + "-" + QByteArray::number(attempt);
            if (linkat(AT_FDCWD, unnamed.constData(), AT_FDCWD, temporary.constData(),
                       AT_SYMLINK_FOLLOW)
                == 0) {
                if (rename(temporary.constData(), targetName.constData()) != 0) {
                    const QString reason = failed(fd);
                    unlink(temporary.constData());
                    return reason;
                }
                break;
            }
            if (errno != EEXIST || attempt == 100)
                return failed(fd);
        }
    }
    close(fd);
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

namespace {

// Text is sized in points; the image turns points into pixels at its
// resolution, and a vector file must do the same so the numbers keep their
// size against the lines.
int imageResolution()
{
    return QImage(1, 1, QImage::Format_RGB32).logicalDpiY();
}

QImage rendered(const Drawing &drawing, qreal scale)
{
    QImage image(drawing.size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    drawing.paint(painter);
    return image;
}

bool writeSvg(const Drawing &drawing, QIODevice &device, const QString &title)
{
    QSvgGenerator svg;
    svg.setResolution(imageResolution());
    svg.setOutputDevice(&device);
    svg.setSize(drawing.size);
    svg.setViewBox(QRect(QPoint(0, 0), drawing.size));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Gezeichnet von Zyklar"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    drawing.paint(painter);
    return painter.end();
}

// One page exactly the picture's size, one unit a device-independent pixel.
bool writePdf(const Drawing &drawing, QIODevice &device, const QString &title)
{
    const int dpi = imageResolution();
    QPdfWriter pdf(&device);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Zyklar"));
    pdf.setResolution(dpi);
    pdf.setPageSize(QPageSize(QSizeF(drawing.size) * 72.0 / dpi, QPageSize::Point, QString(),
                              QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    drawing.paint(painter);
    return painter.end();
}

} // namespace

QString savePicture(const Drawing &drawing, const QString &path, PictureType type, qreal scale,
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
    case PictureType::Png: made = rendered(drawing, scale).save(&buffer, "PNG"); break;
    case PictureType::Svg: made = writeSvg(drawing, buffer, title); break;
    case PictureType::Pdf: made = writePdf(drawing, buffer, title); break;
    }
    if (!made)
        return QStringLiteral("Das Bild ließ sich nicht erzeugen");
    return saveFile(path, [&bytes](QIODevice &device) {
        return device.write(bytes) == bytes.size();
    });
}

} // namespace platform
