#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace platform {

// A text box of the forms runtime. The box keeps its own text as the source
// of truth, CR LF line breaks included, and shows it through a Qt editor: a
// QLineEdit for a single line, a QPlainTextEdit for several.
//
// Handlers run to completion before the window can repaint, so the editor
// only needs to be current when control goes back to the event loop. An
// append therefore records the new piece, and the editor catches up once per
// handler by inserting everything recorded at its end. The cost of an append
// does not depend on how much the box already holds.
class TextBox : public QWidget
{
    Q_OBJECT
public:
    enum class ScrollBars { None, Horizontal, Vertical, Both };

    struct Style {
        bool multiLine = false;
        ScrollBars scrollBars = ScrollBars::None;
        bool centred = false;
    };

    explicit TextBox(const Style &style, QWidget *parent = nullptr);

    const QString &text() const;
    void setText(const QString &text);
    void append(const QString &piece);

    // Brings the editor up to date now instead of at the next turn of the
    // event loop.
    void syncView();

    QWidget *editor() const;

private:
    void scheduleSync();
    void takeUserEdit();
    static QString displayed(QString text);

    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_plain = nullptr;
    QString m_text;
    QString m_pending;
    bool m_resetView = false;
    bool m_syncScheduled = false;
    bool m_syncing = false;
};

} // namespace platform
