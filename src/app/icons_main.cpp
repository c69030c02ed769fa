// Writes Zyklar's icon files for installation: ID.svg and ID-SIZE.png for
// the sizes of the hicolor theme.
// Usage: zyklar_icons OUTDIR ID

#include "app/icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zyklar_icons OUTDIR ID\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString id = QString::fromLocal8Bit(argv[2]);
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    QFile svg(out.filePath(id + QStringLiteral(".svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(zyklarIconSvg().toUtf8()) < 0)
        return 1;
    for (int size : {16, 32, 48, 256}) {
        if (!zyklarIconImage(size).save(out.filePath(QStringLiteral("%1-%2.png").arg(id).arg(size))))
            return 1;
    }
    return 0;
}
