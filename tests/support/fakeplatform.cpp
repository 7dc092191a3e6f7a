#include "fakeplatform.h"

#include "platform/commondialog.h"

MsgResult FakePlatform::messageBox(const QString& text, const QString& title, MsgIcon icon,
                                   MsgButtons buttons)
{
    messages.append({text, title, icon, buttons});
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    return messageAnswers.isEmpty() ? MsgResult::Ok : messageAnswers.dequeue();
}

bool FakePlatform::fileDialog(CommonDialog& dialog)
{
    ++fileDialogs;
    const std::optional<QString> answer = fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
    if (afterFileDialog)
        afterFileDialog();
    if (!answer)
        return false;
    dialog.FileName = *answer;
    return true;
}

bool FakePlatform::showOpen(CommonDialog& dialog) { return fileDialog(dialog); }
bool FakePlatform::showSave(CommonDialog& dialog) { return fileDialog(dialog); }

bool FakePlatform::showFont(CommonDialog& dialog)
{
    fontDialogFlags.append(dialog.Flags);
    fontDialogInputs.append(dialog.Font);
    const std::optional<FontAttributes> answer = fontAnswers.isEmpty() ? std::nullopt : fontAnswers.dequeue();
    if (!answer)
        return false;
    dialog.Font = *answer;
    return true;
}

std::unique_ptr<PrinterJob> FakePlatform::defaultPrinter()
{
    return printer ? printer() : nullptr;
}

QString FakePlatform::clipboardText(bool* ok)
{
    *ok = clipboardReadable;
    return clipboardReadable ? clipboard : QString();
}

FakePlatformScope::FakePlatformScope()
    : m_fake(new FakePlatform)
    , m_previous(installPlatform(std::unique_ptr<Platform>(m_fake)))
{
}

FakePlatformScope::~FakePlatformScope()
{
    installPlatform(std::move(m_previous));
}
