#pragma once

#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace platform {

struct Drawing;

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

// A picture file by its extension, whatever its case: .png, .svg, .pdf.
enum class PictureType { Png, Svg, Pdf };
std::optional<PictureType> pictureTypeOf(const QString &path);

// A drawing as a file: a PNG at `scale` times its size, SVG vectors or a
// one-page PDF. Returns the reason when it failed.
QString savePicture(const Drawing &drawing, const QString &path, PictureType type, qreal scale,
                    const QString &title);

} // namespace platform
