#include "app/application.h"
#include "app/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const auto form = startZyklar();
    form->show();
    return app.exec();
}
