#include "notesbox.h"

#include "controls/style.h"
#include "notes/cp1252.h"
#include "notes/keyfilter.h"
#include "platform/platform.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

NotesBox::NotesBox(QWidget* parent)
    : TextBox(parent)
{
    setFontAttributes(m_font);
}

void NotesBox::pasteText(const QString& text)
{
    setSelText(acceptPastedText(text));
}

void NotesBox::setFontAttributes(const FontAttributes& font)
{
    m_font = font;
    setFont(font.toFont());
    setTextColor(this, font.ForeColor);
}

void NotesBox::keyPressEvent(QKeyEvent* e)
{
    const int code = keyfilter::typedCode(e->key(), e->modifiers(), e->text());
    if (code == keyfilter::noCharacter) {
        TextBox::keyPressEvent(e);
        return;
    }
    if (!keyfilter::accepts(code)) {
        // Refused before the base class sees it, which would select all on Ctrl+A.
        platform().beep();
        e->accept();
        return;
    }
    // Ctrl+H, Ctrl+I and Ctrl+M type the same codes as Backspace, Tab and Enter.
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (code == 8 && ctrl && e->key() != Qt::Key_Backspace) {
        QTextCursor c = textCursor();
        c.deletePreviousChar();
        setTextCursor(c);
        e->accept();
        return;
    }
    if ((code == 9 && (ctrl || e->key() != Qt::Key_Tab)) || (code == 13 && ctrl)) {
        insertPlainText(code == 9 ? QStringLiteral("\t") : QStringLiteral("\n"));
        e->accept();
        return;
    }
    TextBox::keyPressEvent(e);
}

void NotesBox::inputMethodEvent(QInputMethodEvent* e)
{
    // Text composed by an input method is typed text too.
    const QString commit = e->commitString();
    for (const QChar c : commit) {
        const int b = cp1252::toByte(c);
        if (!keyfilter::accepts(b < 0 ? keyfilter::foreign : b)) {
            platform().beep();
            QInputMethodEvent withoutCommit(e->preeditString(), e->attributes());
            TextBox::inputMethodEvent(&withoutCommit);
            e->accept();
            return;
        }
    }
    TextBox::inputMethodEvent(e);
}

QString NotesBox::acceptPastedText(const QString& text) const
{
    // Shown as it will be saved: what the notes file cannot hold becomes '?' at once.
    return cp1252::narrow(text);
}
