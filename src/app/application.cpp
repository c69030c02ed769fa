#include "app/application.h"

#include "app/form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QStyleFactory>

namespace {

// Screen readers call the pictures images, the plots charts and the
// windows beside the main one windows; as plain widgets they would be a
// frame and fillers.
QAccessibleInterface *accessibleDrawing(const QString &className, QObject *object)
{
    struct Role {
        const char *className;
        QAccessible::Role role;
    };
    static const Role roles[] = {
        {"platform::PictureBox", QAccessible::Graphic}, {"GapCircle", QAccessible::Graphic},
        {"StepPlot", QAccessible::Chart},               {"ScatterPlot", QAccessible::Chart},
        {"RatioPlot", QAccessible::Chart},              {"RankingWindow", QAccessible::Window},
        {"ThreeGapsWindow", QAccessible::Window},
    };
    auto *widget = qobject_cast<QWidget *>(object);
    for (const Role &entry : roles) {
        if (widget && className == QLatin1String(entry.className))
            return new QAccessibleWidget(widget, entry.role);
    }
    return nullptr;
}

} // namespace

std::unique_ptr<Form1> startZyklar()
{
    QApplication::setApplicationName(QStringLiteral("zyklar"));
    // No display name: the window system would append it to every title
    // ("Einzelschritt — Zyklar"); each window names itself.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZYKLAR_APP_ID));
    // The language chosen in the menu, else the locale's.
    language::use(storedLanguage().value_or(language::ofLocale()));
    static const bool drawingsDescribed = (QAccessible::installFactory(accessibleDrawing), true);
    Q_UNUSED(drawingsDescribed);
    // One look on every desktop, and one that honours the buttons' face
    // colours.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);

    auto form = std::make_unique<Form1>();
    form->Form_Load();
    return form;
}
