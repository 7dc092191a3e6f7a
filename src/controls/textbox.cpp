#include "textbox.h"

#include "exacttext.h"
#include "shortcuts.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document()->setDocumentMargin(2);
    connect(document(), &QTextDocument::contentsChanged, this, [this] { m_textValid = false; });
    auto userMoved = [this] {
        if (!m_settingSelection)
            m_selExact = false;
    };
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, userMoved);
    connect(this, &QPlainTextEdit::selectionChanged, this, userMoved);
    showSelection(false);
}

QString TextBox::text() const
{
    if (!m_textValid) {
        QString t;
        t.reserve(document()->characterCount() + document()->blockCount());
        for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
            if (b != document()->begin())
                t.append(u"\r\n");
            t.append(exacttext::paragraphToModel(b.text()));
        }
        m_text = t;
        m_textValid = true;
    }
    return m_text;
}

void TextBox::setText(const QString& text)
{
    m_settingSelection = true;
    setPlainText(exacttext::toDisplay(text));
    m_settingSelection = false;
    m_text = text;
    m_textValid = true;
    m_selStart = 0;
    m_selLength = 0;
    m_selExact = true;
}

int TextBox::toModel(int displayPos) const
{
    return displayPos + document()->findBlock(displayPos).blockNumber();
}

int TextBox::toDisplay(int modelPos) const
{
    return int(exacttext::toDisplayOffset(text(), modelPos));
}

int TextBox::selStart() const
{
    if (m_selExact)
        return m_selStart;
    return toModel(textCursor().selectionStart());
}

int TextBox::selLength() const
{
    if (m_selExact)
        return m_selLength;
    const QTextCursor c = textCursor();
    return toModel(c.selectionEnd()) - toModel(c.selectionStart());
}

QString TextBox::selText() const
{
    return text().mid(selStart(), selLength());
}

void TextBox::setSelStart(int start)
{
    setSelection(start, 0);
}

void TextBox::setSelLength(int length)
{
    setSelection(selStart(), length);
}

void TextBox::setSelection(int start, int length)
{
    const int len = int(text().size());
    m_selStart = qBound(0, start, len);
    m_selLength = qBound(0, length, len - m_selStart);
    m_selExact = true;
    applySelection();
}

void TextBox::applySelection()
{
    QTextCursor c = textCursor();
    c.setPosition(toDisplay(m_selStart));
    c.setPosition(toDisplay(m_selStart + m_selLength), QTextCursor::KeepAnchor);
    m_settingSelection = true;
    setTextCursor(c);
    m_settingSelection = false;
}

void TextBox::setSelText(const QString& text)
{
    const int start = selStart();
    QTextCursor c = textCursor();
    c.setPosition(toDisplay(start));
    c.setPosition(toDisplay(start + selLength()), QTextCursor::KeepAnchor);
    m_settingSelection = true;
    c.insertText(exacttext::toDisplay(text));
    m_settingSelection = false;
    setSelection(start + int(text.size()), 0);
}

void TextBox::setLocked(bool locked)
{
    setReadOnly(locked);
    if (locked) // read-only, yet the caret can be placed and text selected
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TextBox::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    setLineWrapMode(multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    if (!multiLine) {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
}

void TextBox::setCentred(bool centred)
{
    QTextOption o = document()->defaultTextOption();
    o.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    document()->setDefaultTextOption(o);
}

bool TextBox::event(QEvent* e)
{
    if (shortcuts::isMenuShortcut(e)) {
        e->ignore(); // the window's menu shortcut wins over the box's own key
        return true;
    }
    return QPlainTextEdit::event(e);
}

void TextBox::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && !m_multiLine) {
        e->ignore(); // a single-line box leaves Enter to the window's default button
        return;
    }
    if (enter && (e->modifiers() & Qt::ShiftModifier) && !isReadOnly()) {
        // Shift+Enter would store a line separator; a line break is always CR LF.
        textCursor().insertText(QStringLiteral("\n"));
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TextBox::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly() || !source)
        return;
    setSelText(acceptPastedText(exacttext::fromMime(*source)));
}

QMimeData* TextBox::createMimeDataFromSelection() const
{
    const QTextCursor c = textCursor();
    const int from = toModel(c.selectionStart());
    return exacttext::toMime(text().mid(from, toModel(c.selectionEnd()) - from));
}

void TextBox::focusInEvent(QFocusEvent* e)
{
    showSelection(true);
    QPlainTextEdit::focusInEvent(e);
}

void TextBox::focusOutEvent(QFocusEvent* e)
{
    showSelection(false);
    QPlainTextEdit::focusOutEvent(e);
}

void TextBox::showSelection(bool focused)
{
    // The selection stays while unfocused but its highlight shows only with the focus.
    if (m_applyingPalette)
        return;
    m_applyingPalette = true;
    QPalette p = palette();
    const QPalette::ColorGroup g = QPalette::Inactive;
    if (focused) {
        p.setColor(g, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
        p.setColor(g, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    } else {
        p.setColor(g, QPalette::Highlight, p.color(QPalette::Active, QPalette::Base));
        p.setColor(g, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::Text));
    }
    setPalette(p);
    m_applyingPalette = false;
}

void TextBox::changeEvent(QEvent* e)
{
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::PaletteChange)
        showSelection(hasFocus());
}
