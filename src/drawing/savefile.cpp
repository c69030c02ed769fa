#include "drawing/savefile.h"
#include "language/language.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drawing {

QString reasonFor(int error, const QString &systemText)
{
    switch (error) {
    case EACCES:
    case EPERM: return language::translate("drawing", "Keine Berechtigung, dort zu schreiben");
    case EROFS: return language::translate("drawing", "Der Datenträger ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT: return language::translate("drawing", "Der Datenträger ist voll");
    case ENOENT: return language::translate("drawing", "Den Ordner gibt es nicht");
    case EISDIR: return language::translate("drawing", "Unter diesem Namen gibt es einen Ordner");
    case ENAMETOOLONG: return language::translate("drawing", "Der Name ist zu lang");
    default:
        return language::translate("drawing", "Fehler beim Schreiben (%1)")
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
        return language::translate("drawing", "Den Ordner „%1“ gibt es nicht")
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

} // namespace drawing
