#include "drawing/animation.h"

#include "drawing/savefile.h"

#include <QIODevice>
#include <QImage>
#include <QPainter>

#include <gif_lib.h>

#include <memory>

namespace drawing {

namespace {

// The colours first, then a 6 × 6 × 6 cube and greys up to 256.
QList<QRgb> paletteOf(const std::vector<QColor> &colours)
{
    QList<QRgb> palette;
    const auto add = [&palette](QRgb colour) {
        if (palette.size() < 256 && !palette.contains(colour))
            palette << colour;
    };
    for (const QColor &colour : colours)
        add(colour.rgb());
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                add(qRgb(51 * r, 51 * g, 51 * b));
    for (int grey = 0; palette.size() < 256 && grey < 256; grey += 8)
        add(qRgb(grey, grey, grey));
    while (palette.size() < 256)
        palette << qRgb(255, 255, 255);
    return palette;
}

int writeTo(GifFileType *gif, const GifByteType *data, int length)
{
    auto *device = static_cast<QIODevice *>(gif->UserData);
    return int(device->write(reinterpret_cast<const char *>(data), length));
}

struct CloseGif {
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};
struct FreeMap {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

// The screen, its colours, and a loop for ever (the NETSCAPE2.0 block).
bool writeHead(GifFileType *gif, QSize size, const QList<QRgb> &palette)
{
    std::vector<GifColorType> colours;
    for (QRgb rgb : palette)
        colours.push_back({GifByteType(qRed(rgb)), GifByteType(qGreen(rgb)), GifByteType(qBlue(rgb))});
    const std::unique_ptr<ColorMapObject, FreeMap> map(
            GifMakeMapObject(int(colours.size()), colours.data()));
    EGifSetGifVersion(gif, true);
    static const char application[] = "NETSCAPE2.0";
    const GifByteType loop[] = {1, 0, 0};
    return map && EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, map.get()) == GIF_OK
            && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
            && EGifPutExtensionBlock(gif, 11, application) == GIF_OK
            && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK
            && EGifPutExtensionTrailer(gif) == GIF_OK;
}

// Where two frames of one size differ; empty where they do not.
QRect changed(const QImage &before, const QImage &after)
{
    if (before.isNull())
        return after.rect();
    QRect found;
    for (int y = 0; y < after.height(); ++y) {
        const uchar *a = before.constScanLine(y), *b = after.constScanLine(y);
        int left = 0, right = after.width() - 1;
        while (left <= right && a[left] == b[left])
            ++left;
        if (left > right)
            continue;
        while (a[right] == b[right])
            --right;
        found |= QRect(left, y, right - left + 1, 1);
    }
    return found;
}

// A frame as the part that changed since the one before, drawn over it.
bool writeFrame(GifFileType *gif, const QImage &frame, const QImage &before, int delay)
{
    QRect part = changed(before, frame);
    if (part.isEmpty())
        part = QRect(0, 0, 1, 1); // a frame is still a frame, for its delay
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delay;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK
        || EGifPutImageDesc(gif, part.left(), part.top(), part.width(), part.height(), false,
                            nullptr)
                != GIF_OK)
        return false;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        auto *row = const_cast<GifByteType *>(frame.constScanLine(y)) + part.left();
        if (EGifPutLine(gif, row, part.width()) != GIF_OK)
            return false;
    }
    return true;
}

} // namespace

QString saveAnimation(const QString &path, QSize size, int frames, int delay,
                      const std::vector<QColor> &colours,
                      const std::function<void(QPainter &, int frame)> &draw)
{
    const QList<QRgb> palette = paletteOf(colours);
    return saveFile(path, [&](QIODevice &device) {
        int error = 0;
        std::unique_ptr<GifFileType, CloseGif> gif(EGifOpen(&device, writeTo, &error));
        if (!gif || !writeHead(gif.get(), size, palette))
            return false;
        QImage before;
        for (int frame = 0; frame < frames; ++frame) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            draw(painter, frame);
            painter.end();
            QImage indexed = image.convertToFormat(QImage::Format_Indexed8, palette,
                                                   Qt::ThresholdDither | Qt::AvoidDither);
            if (!writeFrame(gif.get(), indexed, before, delay))
                return false;
            before = std::move(indexed);
        }
        // Closing writes the trailer, and frees the file whatever it says.
        return EGifCloseFile(gif.release(), &error) == GIF_OK;
    });
}

} // namespace drawing
