#include "qtplatform.h"

#include "commondialog.h"
#include "controls/exacttext.h"
#include "fontchooser.h"
#include "qtprinterjob.h"
#include "x11selection.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>

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
// Qt's file dialog stores its last folder, history and sidebar in the user's
// settings and reads them back in the next run. The program keeps no settings, so
// the dialog's go to a private folder that disappears with the process.
void keepFileDialogStateToThisRun()
{
    static QTemporaryDir scratch;
    static const bool redirected = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, scratch.path());
        return true;
    }();
    Q_UNUSED(redirected);
}

// A file dialog that proposes the component's file name (the current folder while
// there is none), leaves the current folder as it was and remembers nothing after it closes.
bool runFileDialog(CommonDialog& dialog, QFileDialog::AcceptMode mode)
{
    keepFileDialogStateToThisRun();
    const QString currentFolder = QDir::currentPath();
    QFileDialog fd(QApplication::activeWindow());
    fd.setAcceptMode(mode);
    fd.setFileMode(QFileDialog::AnyFile);
    fd.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = dialog.nameFilters();
    fd.setNameFilters(filters);
    if (dialog.FilterIndex >= 1 && dialog.FilterIndex <= filters.size())
        fd.selectNameFilter(filters.at(dialog.FilterIndex - 1));
    fd.setDirectory(currentFolder);
    if (!dialog.FileName.isEmpty())
        fd.selectFile(dialog.FileName);
    const bool accepted = fd.exec() == QDialog::Accepted && !fd.selectedFiles().isEmpty();
    if (QDir::currentPath() != currentFolder)
        QDir::setCurrent(currentFolder);
    if (!accepted)
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
    cb->setMimeData(exacttext::toMime(text));
}

QString QtPlatform::clipboardText(bool* ok)
{
    QClipboard* cb = QApplication::clipboard();
    if (!cb) {
        *ok = false;
        return {};
    }
    const QMimeData* data = cb->mimeData();
    // An owner that offers nothing did not answer in time (it hangs, or went away
    // mid-request): that clipboard could not be read, which is not an empty one.
    const bool offersNothing = !data || data->formats().isEmpty();
    *ok = !(offersNothing && !cb->ownsClipboard() && x11selection::clipboardHasOwner());
    // Empty, image-only or cleared clipboards all read as empty text.
    return *ok && data ? exacttext::fromMime(*data) : QString();
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
    constexpr int effects = 0x100; // strikethrough, underline and the text colour are offered
    FontChooser chooser(dialog.Font, dialog.Flags & effects, QApplication::activeWindow());
    if (chooser.exec() != QDialog::Accepted)
        return false;
    dialog.Font = chooser.chosen();
    return true;
}

std::unique_ptr<PrinterJob> QtPlatform::defaultPrinter()
{
    return QtPrinterJob::defaultPrinter();
}
