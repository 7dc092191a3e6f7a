#include "qtplatform.h"

#include "commondialog.h"
#include "printerjob.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QMimeData>

MsgResult QtPlatform::messageBox(const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    box.setText(text);
    box.setWindowTitle(title);
    box.setIcon(icon == MsgIcon::Question      ? QMessageBox::Question
                : icon == MsgIcon::Information ? QMessageBox::Information
                : icon == MsgIcon::Warning     ? QMessageBox::Warning
                                               : QMessageBox::NoIcon);
    if (buttons == MsgButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

void QtPlatform::beep()
{
    QApplication::beep();
}

namespace {
// A file dialog that proposes the component's file name, leaves the current
// folder alone and remembers nothing after it closes.
bool runFileDialog(CommonDialog& dialog, QFileDialog::AcceptMode mode)
{
    QFileDialog fd(QApplication::activeWindow());
    fd.setAcceptMode(mode);
    fd.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::AnyFile : QFileDialog::AnyFile);
    fd.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = dialog.nameFilters();
    fd.setNameFilters(filters);
    if (dialog.FilterIndex >= 1 && dialog.FilterIndex <= filters.size())
        fd.selectNameFilter(filters.at(dialog.FilterIndex - 1));
    if (!dialog.FileName.isEmpty())
        fd.selectFile(dialog.FileName);
    if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty())
        return false;
    dialog.FileName = QDir::toNativeSeparators(fd.selectedFiles().constFirst());
    const qsizetype index = filters.indexOf(fd.selectedNameFilter());
    if (index >= 0)
        dialog.FilterIndex = int(index) + 1;
    return true;
}
} // namespace

bool QtPlatform::showOpen(CommonDialog& dialog)
{
    return runFileDialog(dialog, QFileDialog::AcceptOpen);
}

bool QtPlatform::showSave(CommonDialog& dialog)
{
    return runFileDialog(dialog, QFileDialog::AcceptSave);
}

void QtPlatform::setClipboardText(const QString& text)
{
    QClipboard* cb = QApplication::clipboard();
    cb->clear();
    cb->setText(text);
}

QString QtPlatform::clipboardText(bool* ok)
{
    QClipboard* cb = QApplication::clipboard();
    if (!cb) {
        *ok = false;
        return {};
    }
    *ok = true;
    const QMimeData* data = cb->mimeData();
    // Empty, image-only or cleared clipboards all read as empty text.
    return data && data->hasText() ? data->text() : QString();
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

QLocale QtPlatform::locale()
{
    return QLocale::system();
}

void QtPlatform::quit()
{
    QCoreApplication::exit(0);
}

bool QtPlatform::showFont(CommonDialog& dialog)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, dialog.Font.toFont(), QApplication::activeWindow());
    if (!ok)
        return false;
    dialog.Font.FontName = chosen.family();
    dialog.Font.FontSize = chosen.pointSizeF();
    dialog.Font.FontBold = chosen.bold();
    dialog.Font.FontItalic = chosen.italic();
    dialog.Font.FontStrikethru = chosen.strikeOut();
    dialog.Font.FontUnderline = chosen.underline();
    return true;
}

std::unique_ptr<PrinterJob> QtPlatform::defaultPrinter()
{
    return nullptr;
}
