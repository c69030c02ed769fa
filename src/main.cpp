#include "app/application.h"
#include "app/form1.h"
#include "cli/run.h"

#include <QApplication>

#include <cstdio>

// Without arguments Zyklar opens its window; with arguments it is a
// command-line tool that needs no display.
int main(int argc, char *argv[])
{
    if (argc == 1) {
        QApplication app(argc, argv);
        const auto form = startZyklar();
        form->show();
        return app.exec();
    }

    // Qt's own diagnostics (a font cache, a runtime folder) are not the
    // user's business on the command line.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "zyklar: %s\n", qPrintable(text));
    });
    if (!cli::needsGuiApplication(argc, argv))
        return cli::run(argc, argv);
    // Text is laid out by a GUI application; the offscreen platform needs no
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int applicationArgc = 1; // the arguments are the command's, not Qt's
    const QGuiApplication application(applicationArgc, argv);
    return cli::run(argc, argv);
}
