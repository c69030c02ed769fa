#include "platform/filedialog.h"

#include "language/language.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace platform {

SaveAnswerer setSaveAnswerer(SaveAnswerer answerer)
{
    return AnswerSeam<SaveQuestion, SaveAnswer>::install(std::move(answerer));
}

SaveAnswer askSaveFile(QWidget *parent, const SaveQuestion &question)
{
    if (const auto &answerer = AnswerSeam<SaveQuestion, SaveAnswer>::installed())
        return answerer(question);

    // Qt's own dialog, so every caption is in Zyklar's language whatever the
    // desktop's.
    QFileDialog dialog(parent, question.title, question.folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(question.filters);
    dialog.selectFile(question.proposedName);
    using language::translate;
    dialog.setLabelText(QFileDialog::LookIn, translate("platform", "Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, translate("platform", "Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, translate("platform", "Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept, translate("platform", "Speichern"));
    dialog.setLabelText(QFileDialog::Reject, translate("platform", "Abbrechen"));
    // The chosen filter's extension for a name typed without one.
    const auto suffixOf = [](const QString &filter) {
        const QRegularExpressionMatch match
                = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        return match.hasMatch() ? match.captured(1) : QString();
    };
    if (!question.filters.isEmpty())
        dialog.setDefaultSuffix(suffixOf(question.filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().first(),
            int(question.filters.indexOf(dialog.selectedNameFilter()))};
}

} // namespace platform
