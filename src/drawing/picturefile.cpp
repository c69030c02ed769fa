#include "drawing/picturefile.h"
#include "language/language.h"

#include "drawing/canvas.h"
#include "drawing/savefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace drawing {

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
    svg.setDescription(language::translate("drawing", "Gezeichnet von Zyklar"));
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
        return language::translate("drawing", "Das Bild ließ sich nicht erzeugen");
    return saveFile(path, [&bytes](QIODevice &device) {
        return device.write(bytes) == bytes.size();
    });
}

} // namespace drawing
