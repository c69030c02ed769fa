#include "platform/messagebox.h"

#include "language/language.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {

Answerer setAnswerer(Answerer answerer)
{
    return AnswerSeam<Message, Answer>::install(std::move(answerer));
}

Answer messageBox(QWidget *parent, const Message &message)
{
    if (const auto &answerer = AnswerSeam<Message, Answer>::installed())
        return answerer(message);

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
