// Printing on the system's default printer, as the program does it. ctest runs each
// function in an environment of its own: printsOnTheDefaultPrinter with PRINTER
// naming the CUPS PDF queue QuillmereTest (which the test runner sets up), and
// noPrinter with CUPS_SERVER pointing at a closed port.
#include "app/windows.h"
#include "main/frmmain.h"
#include "notes/notesbox.h"
#include "platform/qtplatform.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {
const QString queue = QStringLiteral("QuillmereTest");

struct MainWindow {
    FakePlatformScope fake;
    DataFolder data;
    FrmMain& w;
    MainWindow() : w(frmMain.get())
    {
        // The real default printer behind the scripted dialogs.
        fake->printer = [] { return QtPlatform().defaultPrinter(); };
    }
    ~MainWindow() { resetWindows(); }
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
};

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The ids of the queue's jobs, finished or not.
QSet<int> jobIds()
{
    QSet<int> ids;
    const QRegularExpression id(QStringLiteral("^%1-(\\d+)\\s").arg(queue), QRegularExpression::MultilineOption);
    for (const QString& which : {QStringLiteral("completed"), QStringLiteral("not-completed")}) {
        auto it = id.globalMatch(run(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o"), queue}));
        while (it.hasNext())
            ids.insert(it.next().captured(1).toInt());
    }
    return ids;
}

// cups-pdf writes into the PDF folder of the job's user, found through the user
// database rather than HOME, or into its spool folder for anonymous jobs.
QStringList outputFolders()
{
    QStringList folders{QDir::home().filePath(QStringLiteral("PDF"))};
    if (const passwd* pw = getpwuid(getuid()))
        folders << QDir(QString::fromLocal8Bit(pw->pw_dir)).filePath(QStringLiteral("PDF"));
    folders << QStringLiteral("/var/spool/cups-pdf/ANONYMOUS");
    folders.removeDuplicates();
    return folders;
}

QString findOutput(int job)
{
    const QRegularExpression name(QStringLiteral("job_%1\\.pdf$").arg(job));
    for (const QString& folder : outputFolders()) {
        for (const QString& f : QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
            if (name.match(f).hasMatch())
                return QDir(folder).filePath(f);
        }
    }
    return {};
}

int pdfPages(const QString& pdf)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
                                          .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
} // namespace

class TestDefaultPrinter final : public QObject {
    Q_OBJECT
private slots:
    void printsOnTheDefaultPrinter();
    void noPrinter();
};

void TestDefaultPrinter::printsOnTheDefaultPrinter()
{
    QVERIFY2(qEnvironmentVariable("PRINTER") == queue, "run through ctest, which sets PRINTER for this test");
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QVERIFY2(!info.isNull() && info.printerName() == queue,
             "the CUPS queue QuillmereTest is missing: scripts/run-tests.sh sets it up");

    // One line more than a page holds, so the job must run onto a second page.
    QPrinter probe(info, QPrinter::HighResolution);
    const QFontMetricsF fm(FontAttributes().toFont(), &probe);
    const double pageHeight = probe.pageLayout().paintRectPixels(probe.resolution()).height();
    const int perPage = int(pageHeight / fm.lineSpacing());
    QVERIFY(perPage > 10);
    QStringList lines;
    for (int i = 1; i <= perPage + 1; ++i)
        lines << QStringLiteral("Line %1 of the notes").arg(i);

    MainWindow m;
    m.w.txtNotes->setText(lines.join(QStringLiteral("\r\n")));
    const QSet<int> before = jobIds();
    m.w.mnuFilePrint->trigger();
    QVERIFY(m.fake->messages.isEmpty());

    // The job reaches the queue, and cups-pdf writes it out.
    QSet<int> added;
    QString pdf;
    const QDeadlineTimer deadline(90000);
    while (!deadline.hasExpired()) {
        if (added.isEmpty())
            added = jobIds() - before;
        if (added.size() == 1)
            pdf = findOutput(*added.begin());
        if (!pdf.isEmpty() && pdfPages(pdf) > 0)
            break;
        QTest::qWait(250);
    }
    QCOMPARE(added.size(), 1);
    QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no PDF of job %1 in %2").arg(*added.begin()).arg(outputFolders().join(u' '))));
    QCOMPARE(pdfPages(pdf), 2);
    QFile::remove(pdf);
}

void TestDefaultPrinter::noPrinter()
{
    QVERIFY2(!qEnvironmentVariable("CUPS_SERVER").isEmpty(), "run through ctest, which points CUPS_SERVER at a closed port");
    MainWindow m;
    m.w.txtNotes->setText(QStringLiteral("Nothing to print on"));
    QElapsedTimer clock;
    clock.start();
    m.w.cmdANprint->click();
    QVERIFY(clock.elapsed() < 10000); // at once, not after a long wait
    QCOMPARE(m.fake->messages.size(), 1);
    QCOMPARE(m.fake->messages[0].text, QStringLiteral("Document could not be printed."));
    QCOMPARE(m.fake->messages[0].title, QStringLiteral("Quillmere"));
    QCOMPARE(m.w.txtNotes->text(), QStringLiteral("Nothing to print on"));
}

QTEST_MAIN(TestDefaultPrinter)
#include "tst_defaultprinter.moc"
