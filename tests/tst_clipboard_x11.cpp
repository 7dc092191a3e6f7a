// The notes' clipboard commands against another program on a real X display
// (run under xvfb-run): xclip owns the clipboard, offers only a picture, stops
// answering, or reads what the notes copied.
#include "app/windows.h"
#include "main/frmmain.h"
#include "notes/notesbox.h"
#include "platform/qtplatform.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <csignal>

namespace {
// The fake platform for dialogs, with the real clipboard.
class RealClipboard final : public FakePlatform {
public:
    void setClipboardText(const QString& text) override { m_qt.setClipboardText(text); }
    QString clipboardText(bool* ok) override { return m_qt.clipboardText(ok); }

private:
    QtPlatform m_qt;
};

// xclip holding the clipboard until it ends.
class Owner {
public:
    Owner(const QByteArray& data, const QString& type)
    {
        m_xclip.start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                                QStringLiteral("clipboard"), QStringLiteral("-t"), type});
        m_xclip.waitForStarted();
        m_xclip.write(data);
        m_xclip.closeWriteChannel();
        QTest::qWait(300); // until it owns the selection
    }
    ~Owner()
    {
        ::kill(pid_t(m_xclip.processId()), SIGCONT);
        m_xclip.kill();
        m_xclip.waitForFinished();
    }
    void stop() { ::kill(pid_t(m_xclip.processId()), SIGSTOP); }

private:
    QProcess m_xclip;
};

void selectAllNotes()
{
    frmMain->txtNotes->setSelection(0, frmMain->txtNotes->length());
}
} // namespace

class TestClipboardX11 final : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_previous = installPlatform(std::make_unique<RealClipboard>());
        m_data.emplace();
        frmMain.show();
        frmMain->txtNotes->setText(QStringLiteral("my notes"));
    }
    void cleanup()
    {
        resetWindows();
        m_data.reset();
        installPlatform(std::move(m_previous));
    }
    void pasteFromAnotherProgram();
    void linesFromAnotherProgramStayLines();
    void pictureOnlyDeletesTheSelection();
    void silentOwnerLeavesTheNotes();
    void anotherProgramReadsWhatWasCopied();

private:
    FakePlatform& fake() { return static_cast<FakePlatform&>(platform()); }
    std::unique_ptr<Platform> m_previous;
    std::optional<DataFolder> m_data;
};

void TestClipboardX11::pasteFromAnotherProgram()
{
    Owner owner("from another program", QStringLiteral("UTF8_STRING"));
    frmMain->txtNotes->setSelection(3, 5); // "notes"
    frmMain->mnuEditPaste->trigger();
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("my from another program"));
    QVERIFY(fake().messages.isEmpty());
}

void TestClipboardX11::linesFromAnotherProgramStayLines()
{
    Owner owner("two\nlines\r\nand\n", QStringLiteral("UTF8_STRING"));
    frmMain->txtNotes->setText(QString());
    frmMain->mnuEditPaste->trigger();
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("two\r\nlines\r\nand\r\n"));

    // What the notes copy comes back exactly, lone line feeds and all.
    frmMain->txtNotes->setText(QStringLiteral("a\nb"));
    selectAllNotes();
    frmMain->cmdANcopy->click();
    frmMain->txtNotes->setSelStart(3);
    frmMain->mnuEditPaste->trigger();
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("a\nba\nb"));
}

void TestClipboardX11::pictureOnlyDeletesTheSelection()
{
    frmMain->mnuEditCopy->trigger(); // greys Copy and Cut until the next Paste
    frmMain->txtNotes->setSelection(0, 3);
    Owner picture(QByteArray("\x89PNG\r\n\x1a\n", 8), QStringLiteral("image/png"));
    frmMain->mnuEditPaste->trigger();
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("notes"));
    QVERIFY(frmMain->mnuEditCopy->isEnabled());
    QVERIFY(fake().messages.isEmpty());
}

void TestClipboardX11::silentOwnerLeavesTheNotes()
{
    Owner owner("never delivered", QStringLiteral("UTF8_STRING"));
    owner.stop();
    selectAllNotes();
    frmMain->mnuEditPaste->trigger(); // Qt gives up on the owner after its timeout
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("my notes"));
    QCOMPARE(frmMain->txtNotes->selText(), QStringLiteral("my notes"));
    QCOMPARE(fake().messages.size(), 1);
    QVERIFY(frmMain.isVisible());
}

void TestClipboardX11::anotherProgramReadsWhatWasCopied()
{
    frmMain->txtNotes->setSelection(3, 5);
    frmMain->cmdANcopy->click();
    QProcess reader;
    reader.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    // The program answers the request from its event loop.
    QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 5000);
    QCOMPARE(reader.readAllStandardOutput(), QByteArray("notes"));
}

QTEST_MAIN(TestClipboardX11)
#include "tst_clipboard_x11.moc"
