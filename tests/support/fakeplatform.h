// A scripted platform for tests: it answers dialogs from queues and records what
// the program showed, beeped, printed and put on the clipboard.
#pragma once

#include "platform/fontattributes.h"
#include "platform/platform.h"
#include "platform/printerjob.h"

#include <QQueue>
#include <QStringList>
#include <functional>
#include <optional>

struct ShownMessage {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakePlatform : public Platform {
public:
    // Answers, taken in order; when a queue is empty: OK, and Cancel for dialogs.
    QQueue<MsgResult> messageAnswers;
    QQueue<std::optional<QString>> fileAnswers;            // nullopt = Cancel
    std::function<void()> afterFileDialog;                  // runs as a file dialog closes
    QQueue<std::optional<FontAttributes>> fontAnswers;      // nullopt = Cancel
    std::function<std::unique_ptr<PrinterJob>()> printer;   // unset = no default printer

    // What happened.
    QList<ShownMessage> messages;
    int beeps = 0;
    int quits = 0;
    int fileDialogs = 0;
    QList<int> fontDialogFlags;
    QList<FontAttributes> fontDialogInputs;

    // The clipboard.
    QString clipboard;
    bool clipboardReadable = true;

    QDateTime clock = QDateTime(QDate(1998, 12, 9), QTime(13, 5));
    QLocale clockLocale = QLocale(QLocale::English, QLocale::UnitedStates);

    MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override { ++beeps; }
    bool showOpen(CommonDialog& dialog) override;
    bool showSave(CommonDialog& dialog) override;
    bool showFont(CommonDialog& dialog) override;
    std::unique_ptr<PrinterJob> defaultPrinter() override;
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString clipboardText(bool* ok) override;
    QDateTime now() override { return clock; }
    QLocale locale() override { return clockLocale; }
    void quit() override { ++quits; }

private:
    bool fileDialog(CommonDialog& dialog);
};

// Installs a fresh FakePlatform for the life of the object.
class FakePlatformScope {
public:
    FakePlatformScope();
    ~FakePlatformScope();
    FakePlatform* operator->() { return m_fake; }
    FakePlatform& operator*() { return *m_fake; }

private:
    FakePlatform* m_fake;
    std::unique_ptr<Platform> m_previous;
};
