// A secondary window of the program: a fixed-size client area at its designed
// screen place, the program's icon, an optional default (Enter) and cancel (Esc)
// button, and a close box that destroys it.
#pragma once

#include <QDialog>

class QPushButton;

class Form : public QDialog {
    Q_OBJECT
public:
    enum class Frame { FixedSingle, FixedDialog, FixedDialogNoClose };

    Form(const QString& name, const QString& caption, QRect clientTwips, Frame frame);

    // True from the close box on: the window is on its way out and a new one is due.
    bool isClosing() const { return m_closing; }
    void setCancelButton(QPushButton* b) { m_cancel = b; }

    // The caption: the name, spaces, and a word pushed to the right end, `total` characters in all.
    static QString caption(const QString& prefix, int total, const QString& suffix);

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // A hidden QDialog must never end through reject()/accept(): only the buttons hide it.
    void reject() override {}
    void accept() override {}

private:
    bool m_closing = false;
    QPushButton* m_cancel = nullptr;
};
