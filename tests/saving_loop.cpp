// Saves the window's picture again and again into the file named by the
// first argument, as SVG, until it is killed: the victim of the test of
// interrupted saves. Says "saving" once the window is up.

#include "app/application.h"
#include "app/form1.h"
#include "formcontrols.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    platform::setAnswerer([](const platform::Message &) { return platform::Answer::Ok; });
    platform::setSaveAnswerer([path](const platform::SaveQuestion &) {
        return platform::SaveAnswer{path, 3}; // "SVG-Vektorgrafik"
    });
    const auto form = startZyklar();
    ui::of(*form).txtN->setText(QStringLiteral("200"));
    ui::of(*form).txtk->setText(QStringLiteral("77"));
    ui::of(*form).Command2->click();
    std::puts("saving");
    std::fflush(stdout);
    for (;;)
        form->findChild<QAction *>(QStringLiteral("cmdBildSpeichern"))->trigger();
}
