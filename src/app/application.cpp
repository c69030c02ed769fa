#include "app/application.h"

#include "app/form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace {

// Qt's own German texts (the text boxes' context menus, standard dialogs),
// where Debian's qt6-translations-l10n has installed them; without them the
// program runs unchanged.
void loadGermanQtTexts()
{
    if (qApp->findChild<QTranslator *>(QStringLiteral("qtGerman")))
        return;
    auto *translator = new QTranslator(qApp);
    translator->setObjectName(QStringLiteral("qtGerman"));
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// Screen readers call the picture an image, the ranking's plot a chart and
// the ranking a window; as plain widgets they would be a frame and fillers.
QAccessibleInterface *accessibleDrawing(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && className == u"platform::PictureBox")
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (widget && className == u"StepPlot")
        return new QAccessibleWidget(widget, QAccessible::Chart);
    if (widget && className == u"RankingWindow")
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

std::unique_ptr<Form1> startZyklar()
{
    QApplication::setApplicationName(QStringLiteral("zyklar"));
    // No display name: the window system would append it to every title
    // ("Einzelschritt — Zyklar"); each window names itself.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZYKLAR_APP_ID));
    loadGermanQtTexts();
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
