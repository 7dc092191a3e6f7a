// Faults from outside the program: a full disk, a notes file turned into a folder
// or gone before it is read, a damaged database, a printer queue that stops taking
// jobs. The program keeps running and the notes stay exactly as they were.
#include "app/windows.h"
#include "controls/textbox.h"
#include "main/frmmain.h"
#include "notes/notesbox.h"
#include "platform/qtprinterjob.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Opens a notes file through the Open command, so that Save Notes writes back to it.
void openNotes(FakePlatform& fake, const QString& path)
{
    fake.fileAnswers.enqueue(path);
    frmMain->mnuFileOpenNotes_Click();
    QCOMPARE(frmMain->notesFileName, path);
}

// A job on the real default printer that the queue stops taking just before the
// document ends: Qt would report it printed.
class StoppingJob final : public PrinterJob {
public:
    explicit StoppingJob(std::unique_ptr<PrinterJob> job) : m_job(std::move(job)) {}
    bool setFont(const FontAttributes& f) override { return m_job->setFont(f); }
    std::optional<double> textWidth(QChar c) override { return m_job->textWidth(c); }
    bool print(const QString& item) override { return m_job->print(item); }
    bool endDoc() override
    {
        QProcess::execute(QStringLiteral("cupsreject"), {QStringLiteral("QuillmereStop")});
        return m_job->endDoc();
    }

private:
    std::unique_ptr<PrinterJob> m_job;
};
} // namespace

class TestFaults final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { resetWindows(); }
    void fullDiskOnSave();
    void notesFileReplacedByFolder();
    void fileVanishesBeforeTheRead();
    void truncatedDatabase();
    void queueRefusesJobs();
    void queueStopsDuringTheJob();
};

void TestFaults::fullDiskOnSave()
{
    FakePlatformScope fake;
    DataFolder data;
    QTemporaryDir disk;
    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                    QStringLiteral("size=64k"), QStringLiteral("tmpfs"), disk.path()})
        != 0)
        QSKIP("needs to mount a small tmpfs (root)");
    auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {disk.path()}); });

    const QString path = disk.filePath(QStringLiteral("notes.txt"));
    writeFile(path, "old notes\r\n");
    openNotes(*fake, path);
    // Fill the disk, then write more notes than fit in what is left.
    writeFile(disk.filePath(QStringLiteral("filler")), QByteArray(40 * 1024, 'x'));
    const QString notes = QString(30000, u'n') + QStringLiteral("\r\nthe end");
    frmMain->txtNotes->setText(notes);
    frmMain->mnuFileSave_Click();

    QCOMPARE(fake->messages.size(), 1);
    QVERIFY(fake->messages[0].text.contains(path));
    QCOMPARE(readAll(path), QByteArray("old notes\r\n")); // the old file is whole
    QCOMPARE(frmMain->txtNotes->text(), notes);
    QCOMPARE(frmMain->notesFileName, path);
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files).size(), 2); // no temporary left behind

    // Save As to the full disk fails silently and changes nothing.
    fake->fileAnswers.enqueue(disk.filePath(QStringLiteral("other.txt")));
    frmMain->mnuFileSaveAs_Click();
    QCOMPARE(fake->messages.size(), 1);
    QCOMPARE(frmMain->notesFileName, path);
    QVERIFY(!QFile::exists(disk.filePath(QStringLiteral("other.txt"))));
}

void TestFaults::notesFileReplacedByFolder()
{
    FakePlatformScope fake;
    DataFolder data;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    writeFile(path, "abc\r\n");
    openNotes(*fake, path);
    frmMain->txtNotes->setText(QStringLiteral("new words"));
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path));

    frmMain->mnuFileSave_Click();
    QCOMPARE(fake->messages.size(), 1);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("new words"));

    // Opening the folder changes nothing either.
    fake->fileAnswers.enqueue(path);
    frmMain->mnuFileOpenNotes_Click();
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("new words"));
    QCOMPARE(frmMain->notesFileName, path);
}

void TestFaults::fileVanishesBeforeTheRead()
{
    FakePlatformScope fake;
    DataFolder data;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    writeFile(path, "soon gone\r\n");
    frmMain->txtNotes->setText(QStringLiteral("my notes"));
    fake->fileAnswers.enqueue(path);
    fake->afterFileDialog = [&] { QFile::remove(path); };
    frmMain->mnuFileOpenNotes_Click();
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("my notes"));
    QCOMPARE(frmMain->notesFileName, QString());
    QVERIFY(fake->messages.isEmpty()); // a file that is not there ends Open silently
}

void TestFaults::truncatedDatabase()
{
    FakePlatformScope fake;
    DataFolder data;
    QFile pad(data.file(QStringLiteral("pad.mdb")));
    QVERIFY(pad.resize(pad.size() / 2));
    frmMain.show();
    QVERIFY(frmMain.isVisible());
    QCOMPARE(fake->messages.size(), 1);
    QVERIFY(fake->messages[0].text.contains(QStringLiteral("pad.mdb")));
    QCOMPARE(frmMain->txtProverbs->text(), QString());
    frmMain->txtNotes->setText(QStringLiteral("still here"));
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("still here"));
}

void TestFaults::queueRefusesJobs()
{
    FakePlatformScope fake;
    DataFolder data;
    qputenv("PRINTER", "QuillmereReject");
    auto restore = qScopeGuard([] { qunsetenv("PRINTER"); });
    fake->printer = [] { return std::unique_ptr<PrinterJob>(QtPrinterJob::defaultPrinter()); };
    frmMain->txtNotes->setText(QStringLiteral("a prayer list"));
    frmMain->mnuFilePrint_Click();
    QCOMPARE(fake->messages.size(), 1);
    QCOMPARE(fake->messages[0].text, QStringLiteral("Document could not be printed."));
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("a prayer list"));
}

void TestFaults::queueStopsDuringTheJob()
{
    FakePlatformScope fake;
    DataFolder data;
    qputenv("PRINTER", "QuillmereStop");
    QProcess::execute(QStringLiteral("cupsaccept"), {QStringLiteral("QuillmereStop")});
    auto restore = qScopeGuard([] {
        QProcess::execute(QStringLiteral("cupsaccept"), {QStringLiteral("QuillmereStop")});
        qunsetenv("PRINTER");
    });
    bool made = false;
    fake->printer = [&]() -> std::unique_ptr<PrinterJob> {
        std::unique_ptr<PrinterJob> job = QtPrinterJob::defaultPrinter();
        made = job != nullptr;
        return job ? std::make_unique<StoppingJob>(std::move(job)) : nullptr;
    };
    frmMain->txtNotes->setText(QStringLiteral("a prayer list"));
    frmMain->mnuFilePrint_Click();
    if (!made)
        QSKIP("the CUPS queue QuillmereStop is not set up (scripts/run-tests.sh makes it)");
    QCOMPARE(fake->messages.size(), 1);
    QCOMPARE(fake->messages[0].text, QStringLiteral("Document could not be printed."));
    QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("a prayer list"));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
