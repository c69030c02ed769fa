#include "platform/textbox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace platform {

TextBox::TextBox(const Style &style, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget *view = nullptr;
    if (style.multiLine) {
        m_plain = new QPlainTextEdit(this);
        m_plain->document()->setUndoRedoEnabled(false);
        m_plain->setTabChangesFocus(true); // Tab moves on, as from every other box
        const bool horizontal = style.scrollBars == ScrollBars::Horizontal
                || style.scrollBars == ScrollBars::Both;
        const bool vertical = style.scrollBars == ScrollBars::Vertical
                || style.scrollBars == ScrollBars::Both;
        // Lines wrap at the box's width only when there is no horizontal bar
        // to reach their end with.
        m_plain->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap
                                            : QPlainTextEdit::WidgetWidth);
        m_plain->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                         : Qt::ScrollBarAlwaysOff);
        m_plain->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn
                                                     : Qt::ScrollBarAlwaysOff);
        if (style.centred) {
            QTextOption option = m_plain->document()->defaultTextOption();
            option.setAlignment(Qt::AlignHCenter);
            m_plain->document()->setDefaultTextOption(option);
        }
        connect(m_plain->document(), &QTextDocument::contentsChange, this,
                [this] { takeUserEdit(); });
        view = m_plain;
    } else {
        m_line = new QLineEdit(this);
        m_line->setAlignment(style.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        connect(m_line, &QLineEdit::textEdited, this, [this] { takeUserEdit(); });
        view = m_line;
    }
    layout->addWidget(view);
    setFocusProxy(view);
}

QWidget *TextBox::editor() const
{
    return m_line ? static_cast<QWidget *>(m_line) : m_plain;
}

const QString &TextBox::text() const
{
    return m_text;
}

void TextBox::setText(const QString &text)
{
    // Rewriting the same text (the header rows after every analysis) leaves
    // the editor alone: whatever sync is pending already ends at this text.
    if (text == m_text)
        return;
    m_text = text;
    m_pending.clear();
    m_resetView = true;
    scheduleSync();
}

void TextBox::append(const QString &piece)
{
    if (piece.isEmpty())
        return;
    m_text += piece;
    if (!m_resetView)
        m_pending += piece;
    scheduleSync();
}

void TextBox::scheduleSync()
{
    if (m_syncScheduled)
        return;
    m_syncScheduled = true;
    QMetaObject::invokeMethod(this, &TextBox::syncView, Qt::QueuedConnection);
}

QString TextBox::displayed(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void TextBox::syncView()
{
    m_syncScheduled = false;
    if (!m_resetView && m_pending.isEmpty())
        return;
    m_syncing = true;
    if (m_line) {
        m_line->setText(m_text);
        m_line->setCursorPosition(0);
    } else if (m_resetView) {
        m_plain->setPlainText(displayed(m_text));
    } else {
        // Insert at the end through a cursor of its own, so the user's caret
        // and selection stay where they are; undo history is off.
        QTextCursor end(m_plain->document());
        end.movePosition(QTextCursor::End);
        end.insertText(displayed(m_pending));
    }
    m_syncing = false;
    m_pending.clear();
    m_resetView = false;
}

void TextBox::takeUserEdit()
{
    if (m_syncing)
        return;
    // What the user typed is the text now; the editor shows plain line
    // feeds where the box holds CR LF.
    m_text = m_line ? m_line->text()
                    : m_plain->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace platform
