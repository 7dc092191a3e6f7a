// The one place that talks to the desktop: message boxes, the beep, the common
// dialogs, the default printer, the clipboard and the clock. The program installs
// the Qt implementation at start; tests install a scripted fake.
#pragma once

#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <memory>

class CommonDialog;
class PrinterJob;
class QWidget;

enum class MsgIcon { None, Question, Information, Warning };
enum class MsgButtons { Ok, OkCancel };
enum class MsgResult { Ok, Cancel };

class Platform {
public:
    virtual ~Platform() = default;

    virtual MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    virtual void beep() = 0;

    // Common dialogs: return false when the user cancelled or the dialog could not be shown.
    virtual bool showOpen(CommonDialog& dialog) = 0;
    virtual bool showSave(CommonDialog& dialog) = 0;
    virtual bool showFont(CommonDialog& dialog) = 0;

    // The default printer, or null when there is none.
    virtual std::unique_ptr<PrinterJob> defaultPrinter() = 0;

    // Clipboard, plain text. clipboardText sets *ok to false when the clipboard cannot be read.
    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText(bool* ok) = 0;

    virtual QDateTime now() = 0;
    virtual QLocale locale() = 0;

    // Ends the event loop; every window is already gone when this is called.
    virtual void quit() = 0;
};

Platform& platform();
// Takes ownership; returns the previous platform so tests can put it back.
std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> p);
