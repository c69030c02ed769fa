#include "app/application.h"
#include "app/form1.h"
#include "cli/commandline.h"

#include <QApplication>

// Without arguments Zyklar opens its window; with arguments it is a
// command-line tool that needs no display.
int main(int argc, char *argv[])
{
    if (argc > 1)
        return cli::run(argc, argv);

    QApplication app(argc, argv);
    const auto form = startZyklar();
    form->show();
    return app.exec();
}
