#pragma once

#include "platform/answerseam.h"

#include <QString>


class QWidget;

namespace platform {

// The modal message box of the forms runtime: buttons in Zyklar's language
// ("Ja" and "Nein", or "Yes" and "No"), yes the default of a question, and
// the program's title when the box has none of its own.
struct Message {
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Information, Warning };

    QString text;
    QString title; // empty: the program's title
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

enum class Answer { Ok, Yes, No };

// The program's title, which a box without a title of its own shows.
inline const QString programTitle = QStringLiteral("Zyklar");

// Shows the box and waits until it is answered. The window stays painted
// meanwhile but takes no input.
Answer messageBox(QWidget *parent, const Message &message);

// Tests answer boxes without a person: while an answerer is installed it is
// asked instead, and no box is shown. An empty function shows real boxes
// again. Returns the answerer it replaces.
using Answerer = AnswerSeam<Message, Answer>::Answerer;
Answerer setAnswerer(Answerer answerer);

} // namespace platform
