#include "platform/messagebox.h"

#include "language/language.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {

static Answerer &answerer()
{
    static Answerer instance;
    return instance;
}

Answerer setAnswerer(Answerer answerer)
{
    return std::exchange(platform::answerer(), std::move(answerer));
}

Answer messageBox(QWidget *parent, const Message &message)
{
    if (answerer())
        return answerer()(message);

    QMessageBox box(parent);
    box.setText(message.text);
    box.setWindowTitle(message.title.isEmpty() ? programTitle : message.title);
    switch (message.icon) {
    case Message::Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Message::Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Message::Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    }
    if (message.buttons == Message::Buttons::Ok) {
        box.setDefaultButton(
                box.addButton(language::translate("platform", "OK"), QMessageBox::AcceptRole));
        box.exec();
        return Answer::Ok;
    }
    QPushButton *yes
            = box.addButton(language::translate("platform", "Ja"), QMessageBox::YesRole);
    QPushButton *no
            = box.addButton(language::translate("platform", "Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == no ? Answer::No : Answer::Yes;
}

} // namespace platform
