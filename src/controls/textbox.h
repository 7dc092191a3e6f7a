// A classic text box over QPlainTextEdit that keeps the exact text: a line break is
// CR LF and counts two characters in the text, the selection start and its length.
// Never read the widget with toPlainText(): it folds breaks and no-break spaces.
#pragma once

#include <QPlainTextEdit>

class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    int length() const { return int(text().size()); }

    int selStart() const;
    int selLength() const;
    QString selText() const;
    // Setting the start collapses the selection there, as a classic text box does;
    // a start or length past the end stops at the end.
    void setSelStart(int start);
    void setSelLength(int length);
    void setSelection(int start, int length);
    // Replaces the selection with model text; the caret ends after it.
    void setSelText(const QString& text);

    void setLocked(bool locked);
    bool isLocked() const { return isReadOnly(); }

    void setMultiLine(bool multiLine);
    void setCentred(bool centred);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

    // What a paste or drop inserts; the notes box narrows it to its character set.
    virtual QString acceptPastedText(const QString& text) const { return text; }

private:
    int toModel(int displayPos) const;
    int toDisplay(int modelPos) const;
    void applySelection();
    void showSelection(bool focused);

    mutable QString m_text;
    mutable bool m_textValid = true;
    // The selection as last set through the model; it stays exact (even between a
    // CR and its LF) until the user moves the caret.
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_selExact = true;
    bool m_settingSelection = false;
    bool m_multiLine = true;
    bool m_applyingPalette = false;
};
