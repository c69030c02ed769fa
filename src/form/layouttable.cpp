#include "form/layouttable.h"

#include "analysis/picture.h"

namespace form {

// Picture1's row is the picture's own geometry, which `zyklar bild` reads too.
constexpr QRectF picture = analysis::picture::designGeometry;

// clang-format off
const std::array<Row, 26> table = {{
    {"txtAbs",       240,   75,  1500, 10200, 12},
    {"Label1",      2000,   75,  6400,   690, 24},
    {"Frame1",      2000,  900,  6600,  3000,  8},
    {"Label2",       320,  620,   420,   620, 14}, // Frame1 holds rows 4 to 12
    {"txtN",         820,  520,  1200,   420, 12},
    {"HScroll1",     820,  920,  1200,   320,  0},
    {"Label3",      2220,  620,   420,   620, 14},
    {"txtk",        2720,  520,  1200,   420, 12},
    {"HScroll2",    2720,  920,  1200,   320,  0},
    {"Command2",    4420,  520,  1600,   420, 14},
    {"Check1",      4420, 1020,  1600,   320,  0},
    {"Label9",       320, 1620,  5820,  1220, 12},
    {"Label6",      2000, 4320,  5600,   420,  8},
    {"txtFolge",    2000, 4600,  6600,   800, 12},
    {"Label7",      2000, 9000,  5600,   420,  8},
    {"Command3",   14400, 9000,   600,   320, 12},
    {"txtKopf",     2000, 9275, 13000,   400, 14},
    {"txtAusgabe",  2000, 9675, 13000,   600, 14},
    {"Label8",      2000, 5600, 12000,   420,  8},
    {"Command4",   14400, 5600,   600,   320, 12},
    {"txtAbstand",  2000, 6275, 10000,  2600, 14},
    {"txtSumme",   12000, 6275,  3000,  2600, 14},
    {"txtSchub",    2000, 5875, 10000,   400, 14},
    {"txtSchub2",  12000, 5875,  3000,   400, 14},
    {"Picture1",    picture.left(), picture.top(), picture.width(), picture.height(), 0},
    {"Command1",   14400,    0,   600,   320, 12},
}};
// clang-format on

Scales scalesFor(QSizeF screenTwips, double zoomFactor)
{
    const double x = screenTwips.width() / (designWidth * zoomFactor);
    const double y = screenTwips.height() / (designHeight * zoomFactor);
    return {x, y, y < x ? y : x};
}

QRectF scaledGeometry(const Row &row, const Scales &scales)
{
    return {row.left * scales.x, row.top * scales.y, row.width * scales.x,
            row.height * scales.y};
}

double zoomedSmaller(double zoomFactor)
{
    if (zoomFactor < maxZoom)
        zoomFactor *= zoomStep;
    return zoomFactor > maxZoom ? maxZoom : zoomFactor;
}

double zoomedLarger(double zoomFactor)
{
    if (zoomFactor > minZoom)
        zoomFactor /= zoomStep;
    return zoomFactor < minZoom ? minZoom : zoomFactor;
}

} // namespace form
