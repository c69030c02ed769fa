#include "testsupport.h"

#include "platform/screen.h"
#include "platform/units.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace testsupport {

ScreenSize::ScreenSize(int width, int height)
{
    platform::setScreenSizeTwips(
            QSizeF(platform::twipsFromPixels(width), platform::twipsFromPixels(height)));
}

ScreenSize::~ScreenSize()
{
    platform::setScreenSizeTwips(std::nullopt);
}

MessageAnswers::MessageAnswers(std::function<platform::Answer(const platform::Message &)> answer)
    : m_answer(std::move(answer))
{
    platform::setAnswerer([this](const platform::Message &message) {
        asked.append(message);
        return m_answer(message);
    });
}

MessageAnswers::~MessageAnswers()
{
    platform::setAnswerer({});
}

void clickInNextModalBox(const QString &buttonText, int deadlineMs)
{
    auto *timer = new QTimer(qApp);
    const QDeadlineTimer deadline(deadlineMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, buttonText, deadline] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            for (auto *button : box->findChildren<QAbstractButton *>()) {
                if (button->text() == buttonText) {
                    timer->deleteLater();
                    button->click();
                    return;
                }
            }
        }
        if (deadline.hasExpired()) {
            timer->deleteLater();
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        }
    });
    timer->start(20);
}

void sendMouse(QWidget *widget, int type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::Type(type), QPointF(at), QPointF(widget->mapToGlobal(at)), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

bool colourNear(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
            && std::abs(actual.green() - expected.green()) <= tolerance
            && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

bool colourAround(const QImage &image, QPoint at, QColor expected, int radius, int tolerance)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.valid(p) && colourNear(image.pixelColor(p), expected, tolerance))
                return true;
        }
    }
    return false;
}

} // namespace testsupport
