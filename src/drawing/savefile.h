#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace drawing {

// Writes a file so that nothing is lost: the content goes to a file without
// a name beside the target, which replaces the target only once it is
// complete (QSaveFile where the file system has no such files). On any
// failure, a killed process included, the target is as it was and no
// temporary file remains. Returns an empty text on success, else the
// reason in German ("Den Ordner … gibt es nicht").
//
// `write` fills the device and returns false when it could not.
QString saveFile(const QString &path, const std::function<bool(QIODevice &)> &write);

// Why a file could not be written, in German where it is one of the usual
// reasons ("Der Datenträger ist voll"); `systemText` is the system's own
// words for the rest, by default strerror's.
QString reasonFor(int error, const QString &systemText = {});

} // namespace drawing
