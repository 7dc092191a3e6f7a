// The platform over Qt's own dialogs, clipboard, printer and clock.
#pragma once

#include "platform.h"

class QtPlatform final : public Platform {
public:
    MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override;
    bool showOpen(CommonDialog& dialog) override;
    bool showSave(CommonDialog& dialog) override;
    bool showFont(CommonDialog& dialog) override;
    std::unique_ptr<PrinterJob> defaultPrinter() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText(bool* ok) override;
    QDateTime now() override;
    QLocale locale() override;
    void quit() override;
};
