// txtNotes: the editable text box that holds the study notes. It takes only what a
// notes file can store: typed control characters and characters outside the 8-bit
// set are refused with a beep, and pasted text is narrowed to the set at once.
#pragma once

#include "controls/textbox.h"
#include "platform/fontattributes.h"

class NotesBox final : public TextBox {
    Q_OBJECT
public:
    explicit NotesBox(QWidget* parent = nullptr);

    // Replaces the selection with clipboard text, as a paste does.
    void pasteText(const QString& text);

    // The box has one font and one text colour for all of its text.
    FontAttributes fontAttributes() const { return m_font; }
    void setFontAttributes(const FontAttributes& font);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    QString acceptPastedText(const QString& text) const override;

private:
    FontAttributes m_font;
};
