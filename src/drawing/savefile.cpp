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

// The content into the unnamed file, synced to the disk. False with the
// failure's errno kept, past the file object's own closing.
bool writeAndSync(int fd, const std::function<bool(QIODevice &)> &write)
{
    bool written = false;
    int error = 0;
    {
        QFile file;
        errno = 0;
        written = file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle) && write(file)
                && file.flush() && file.error() == QFileDevice::NoError;
        error = errno;
    }
    errno = error;
    return written && fsync(fd) == 0;
}

// The unnamed file gets the target's name: directly where there is no such
// file, else a temporary name and one rename over it. Closes the file.
QString giveName(int fd, const QByteArray &targetName)
{
    const QByteArray unnamed = "/proc/self/fd/" + QByteArray::number(fd);
    if (linkat(AT_FDCWD, unnamed.constData(), AT_FDCWD, targetName.constData(),
               AT_SYMLINK_FOLLOW)
        != 0) {
        if (errno != EEXIST)
            return failed(fd);
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

    if (!writeAndSync(fd, write))
        return failed(fd);
    return giveName(fd, targetName);
}

} // namespace drawing
