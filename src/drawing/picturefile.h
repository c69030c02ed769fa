#pragma once

#include <QString>

#include <optional>

namespace drawing {

struct Drawing;

// A picture file by its extension, whatever its case: .png, .svg, .pdf.
enum class PictureType { Png, Svg, Pdf };
std::optional<PictureType> pictureTypeOf(const QString &path);

// A drawing as a file: a PNG at `scale` times its size, SVG vectors or a
// one-page PDF. Returns the reason when it failed.
QString savePicture(const Drawing &drawing, const QString &path, PictureType type, qreal scale,
                    const QString &title);

} // namespace drawing
