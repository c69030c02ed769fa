#pragma once

#include "platform/answerseam.h"

#include <QString>
#include <QStringList>


class QWidget;

namespace platform {

// The question "where to save?", asked by a modal German file dialog.
struct SaveQuestion {
    QString title;
    QString folder;       // where the dialog opens
    QString proposedName; // "zyklar-N21-k8.png"
    QStringList filters;  // "PNG-Bild (*.png)"; the first is selected
};

// The answer: an empty path when the user cancelled. A name typed without
// an extension gets the chosen filter's.
struct SaveAnswer {
    QString path;
    int filter = 0;
};

SaveAnswer askSaveFile(QWidget *parent, const SaveQuestion &question);

// Tests answer the dialog without a person, as they answer message boxes;
// an empty function shows the real dialog again.
using SaveAnswerer = AnswerSeam<SaveQuestion, SaveAnswer>::Answerer;
SaveAnswerer setSaveAnswerer(SaveAnswerer answerer);

} // namespace platform
