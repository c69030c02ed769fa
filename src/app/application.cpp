#include "app/application.h"

#include "app/form1.h"

#include <QApplication>
#include <QStyleFactory>

std::unique_ptr<Form1> startZyklar()
{
    QApplication::setApplicationName(QStringLiteral("zyklar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zyklar"));
    // One look on every desktop, and one that honours the buttons' face
    // colours.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);

    auto form = std::make_unique<Form1>();
    form->Form_Load();
    return form;
}
