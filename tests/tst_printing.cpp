// Printing the notes: the layout of lines at 8 inches, the Print command with its
// one failure message, and the printer job over QPrinter written to a PDF that is
// read back.
#include "app/windows.h"
#include "main/frmmain.h"
#include "notes/notesbox.h"
#include "controls/roundhalfeven.h"
#include "notes/printlayout.h"
#include "platform/qtprinterjob.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"
#include "support/mainwindow.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
PrintLayout::Width every(double twips)
{
    return [twips](QChar) { return std::optional<double>(twips); };
}

// What a printer job was asked to do.
struct PrinterLog {
    QStringList calls;
    QList<FontAttributes> fonts;
    QStringList items;
};

// A printer whose characters are FontSize × 120 twips wide (1 inch at 12 pt), and
// which fails at the step it is told to.
class FakePrinterJob final : public PrinterJob {
public:
    FakePrinterJob(PrinterLog& log, QString failAt) : m_log(log), m_failAt(std::move(failAt)) {}
    bool setFont(const FontAttributes& font) override
    {
        m_log.calls << QStringLiteral("setFont");
        m_log.fonts << font;
        m_size = font.FontSize;
        return m_failAt != QLatin1String("setFont");
    }
    std::optional<double> textWidth(QChar) override
    {
        if (m_failAt == QLatin1String("textWidth"))
            return std::nullopt;
        return m_size * 120;
    }
    bool print(const QString& item) override
    {
        m_log.calls << QStringLiteral("print");
        m_log.items << item;
        return m_failAt != QLatin1String("print");
    }
    bool endDoc() override
    {
        m_log.calls << QStringLiteral("endDoc");
        return m_failAt != QLatin1String("endDoc");
    }

private:
    PrinterLog& m_log;
    QString m_failAt;
    double m_size = 12;
};

struct PrintingWindow : MainWindow {
    void useFakePrinter(PrinterLog& log, const QString& failAt = QString())
    {
        fake->printer = [&log, failAt] { return std::make_unique<FakePrinterJob>(log, failAt); };
    }
};

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

int pdfPages(const QString& pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                                         QRegularExpression::MultilineOption).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The printed lines of a PDF in reading order, pages joined, trailing spaces gone.
QStringList pdfLines(const QString& pdf)
{
    QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.remove(u'\f');
    QStringList lines = text.split(u'\n');
    for (QString& l : lines) {
        while (l.endsWith(u' '))
            l.chop(1);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The lines the printing layer should start for a laid-out text: one at each CR,
// none more for the LF after it.
QStringList printedLines(const QString& printText)
{
    QStringList lines = QString(printText).replace(QStringLiteral("\r\n"), QStringLiteral("\r")).split(u'\r');
    for (QString& l : lines) {
        while (l.endsWith(u' '))
            l.chop(1);
    }
    return lines;
}

// The width of a text in twips, measured apart from the printer: the font at 1440 dots an inch.
double twipsWide(const QFont& font, const QString& text)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(1440 / 0.0254));
    device.setDotsPerMeterY(qRound(1440 / 0.0254));
    const QFontMetricsF fm(font, &device);
    double sum = 0;
    for (const QChar c : text)
        sum += fm.horizontalAdvance(c);
    return sum;
}
} // namespace

class TestPrinting final : public QObject {
    Q_OBJECT
private slots:
    void roundHalfEven_data();
    void roundHalfEven();
    void layout_data();
    void layout();
    void truncateLineMovesBack();

    void printCommand();
    void printFailures_data();
    void printFailures();
    void largerFontFewerCharacters();

    void printerWidths();
    void pdfOutput();
    void pdfPagesAndColour();
};

void TestPrinting::roundHalfEven_data()
{
    QTest::addColumn<double>("sum");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half down to even") << 2.5 << 2.0;
    QTest::newRow("half up to even") << 3.5 << 4.0;
    QTest::newRow("zero and a half") << 0.5 << 0.0;
    QTest::newRow("just under a half") << 2.4999 << 2.0;
    QTest::newRow("just over a half") << 2.5001 << 3.0;
    QTest::newRow("at the limit") << 11520.5 << 11520.0;
    QTest::newRow("whole") << 7.0 << 7.0;
}

void TestPrinting::roundHalfEven()
{
    QFETCH(double, sum);
    QFETCH(double, rounded);
    QCOMPARE(::roundHalfEven(sum), rounded);
}

void TestPrinting::layout_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<double>("width"); // twips, every character alike
    QTest::addColumn<bool>("laidOut");
    QTest::addColumn<QString>("printText");

    // With 1440-twip characters eight fill a line.
    QTest::newRow("worked example") << "aaa bbbbb cc" << 1440.0 << true << "aaa \rbbbbb cc";
    QTest::newRow("exactly 11520 at the end") << "abcdefgh" << 1440.0 << true << "abcdefgh";
    QTest::newRow("exactly 11520 before Enter") << "abcdefgh\r\nabcdefg" << 1440.0 << true << "abcdefgh\r\nabcdefg";
    QTest::newRow("overflowing space is no break") << "aaa bbbb cc" << 1440.0 << true << "aaa \rbbbb cc";
    QTest::newRow("line already ends in a space") << "aaaaaaa bb" << 1440.0 << true << "aaaaaaa \rbb";
    QTest::newRow("trailing spaces stay") << "aaa     bbb" << 1440.0 << true << "aaa     \rbbb";
    QTest::newRow("no space") << "abcdefghi" << 1440.0 << false << "";
    QTest::newRow("word too long for its own line") << "a bcdefghij" << 1440.0 << false << "";
    QTest::newRow("tab is no break") << "aaa\tbbbbb" << 1440.0 << false << "";
    QTest::newRow("lone LF is no break") << "aaa\nbbbbb" << 1440.0 << false << "";
    QTest::newRow("line ends kept") << "ab\r\ncd" << 1440.0 << true << "ab\r\ncd";
    QTest::newRow("empty line kept") << "a\r\n\r\nb\r\n" << 1440.0 << true << "a\r\n\r\nb\r\n";
    QTest::newRow("LF after CR is measured") << "ab\r\nabc defgh" << 1440.0 << true << "ab\r\nabc \rdefgh";
    QTest::newRow("LF after CR can overflow") << "ab\r\nabcdefgh" << 1440.0 << false << "";
    QTest::newRow("empty notes") << "" << 1440.0 << true << "";
    // Sums round halves to even: 1440.5 adds 1440 (eight fit), 1047.5 adds 1048
    // (the eleventh overflows), 1440.6 adds 1441.
    QTest::newRow("half twips round down to even") << "abcdefgh" << 1440.5 << true << "abcdefgh";
    QTest::newRow("half twips round up to even") << "abcd efghij" << 1047.5 << true << "abcd \refghij";
    QTest::newRow("over half rounds up") << "abcd efgh" << 1440.6 << true << "abcd \refgh";
    QTest::newRow("width beyond the counter") << "a" << 40000.0 << false << "";
    // The 16-bit counters: 32766 characters lay out, 32767 do not.
    QTest::newRow("32766 characters") << QString(32766, u'a') << 0.0 << true << QString(32766, u'a');
    QTest::newRow("32767 characters") << QString(32767, u'a') << 0.0 << false << "";
    QTest::newRow("40000 characters") << QString(40000, u'a') << 0.0 << false << "";
}

void TestPrinting::layout()
{
    QFETCH(QString, notes);
    QFETCH(double, width);
    QFETCH(bool, laidOut);
    QFETCH(QString, printText);
    PrintLayout layout;
    layout.printText = QStringLiteral("left from before");
    QCOMPARE(layout.reformatDoc(notes, every(width)), laidOut);
    if (laidOut) {
        QCOMPARE(layout.printText, printText);
        QCOMPARE(layout.lineText, QString());
    }
}

void TestPrinting::truncateLineMovesBack()
{
    // The worked example at its break: "aaa bbbb" taken, the ninth character overflows.
    PrintLayout layout;
    layout.lineText = QStringLiteral("aaa bbbb");
    layout.lineLen = 8;
    layout.textPos = 9;
    QVERIFY(layout.truncateLine());
    QCOMPARE(layout.lineText, QStringLiteral("aaa \r"));
    QCOMPARE(int(layout.lineLen), 5);
    QCOMPARE(int(layout.textPos), 5);
    layout.placeLine();
    QCOMPARE(layout.printText, QStringLiteral("aaa \r"));
    QCOMPARE(layout.lineText, QString());

    layout.lineText = QStringLiteral("abc");
    layout.lineLen = 3;
    QVERIFY(!layout.truncateLine());
}

void TestPrinting::printCommand()
{
    PrintingWindow m;
    PrinterLog log;
    m.useFakePrinter(log);
    FontAttributes font;
    font.ForeColor = QColor(0, 0, 255);
    font.FontUnderline = true;
    m.fake->fontAnswers << font;
    m.w.mnuFormatFont->trigger();
    m.w.txtNotes->setText(QStringLiteral("aaa bbbbb cc"));

    m.w.cmdANprint->click();
    QCOMPARE(log.calls, (QStringList{QStringLiteral("setFont"), QStringLiteral("print"), QStringLiteral("endDoc")}));
    QCOMPARE(log.fonts.value(0), font);
    QCOMPARE(log.items, QStringList{QStringLiteral("aaa \rbbbbb cc")});
    QCOMPARE(m.w.printLayout->printText, QStringLiteral("aaa \rbbbbb cc"));
    QVERIFY(m.fake->messages.isEmpty());

    // Empty notes still make a document: an empty item, then its end.
    log = {};
    m.w.txtNotes->setText(QString());
    m.w.mnuFilePrint->trigger();
    QCOMPARE(log.items, QStringList{QString()});
    QCOMPARE(log.calls.value(2), QStringLiteral("endDoc"));
    QVERIFY(m.fake->messages.isEmpty());
}

void TestPrinting::printFailures_data()
{
    QTest::addColumn<QString>("failAt"); // "none": no default printer
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QStringList>("calls");
    const QString fits = QStringLiteral("a few words");
    const QString setFont = QStringLiteral("setFont");
    const QString print = QStringLiteral("print");
    const QString endDoc = QStringLiteral("endDoc");
    QTest::newRow("no printer") << "none" << fits << QStringList();
    QTest::newRow("font refused") << setFont << fits << QStringList{setFont};
    QTest::newRow("width not measured") << "textWidth" << fits << QStringList{setFont};
    QTest::newRow("print fails") << print << fits << QStringList{setFont, print};
    QTest::newRow("end of document fails") << endDoc << fits << QStringList{setFont, print, endDoc};
    // Layout failures: nothing reaches the printer.
    QTest::newRow("word wider than 8 inches") << "" << QStringLiteral("ok notwidenoughyet") << QStringList{setFont};
    QTest::newRow("32767 characters") << "" << QString(32767, u' ') << QStringList{setFont};
}

void TestPrinting::printFailures()
{
    QFETCH(QString, failAt);
    QFETCH(QString, notes);
    QFETCH(QStringList, calls);
    PrintingWindow m;
    PrinterLog log;
    if (failAt != QLatin1String("none"))
        m.useFakePrinter(log, failAt);
    m.w.txtNotes->setText(notes);
    m.w.notesFileName = QStringLiteral("kept.txt");

    m.w.mnuFilePrint->trigger();
    QCOMPARE(log.calls, calls);
    QCOMPARE(m.fake->messages.size(), 1);
    QCOMPARE(m.fake->messages[0].text, QStringLiteral("Document could not be printed."));
    QCOMPARE(m.fake->messages[0].title, QStringLiteral("Quillmere"));
    QCOMPARE(m.fake->messages[0].icon, MsgIcon::None);
    QCOMPARE(m.fake->messages[0].buttons, MsgButtons::Ok);
    QCOMPARE(m.w.txtNotes->text(), notes);
    QCOMPARE(m.w.notesFileName, QStringLiteral("kept.txt"));
}

void TestPrinting::largerFontFewerCharacters()
{
    PrintingWindow m;
    PrinterLog log;
    m.useFakePrinter(log);
    m.w.txtNotes->setText(QStringLiteral("aaa bbb ccc ddd"));
    m.w.mnuFilePrint->trigger();
    FontAttributes larger;
    larger.FontSize = 24; // two inches a character: four to the line
    m.fake->fontAnswers << larger;
    m.w.mnuFormatFont->trigger();
    m.w.mnuFilePrint->trigger();
    QCOMPARE(log.items, (QStringList{QStringLiteral("aaa bbb \rccc ddd"), QStringLiteral("aaa \rbbb \rccc \rddd")}));
}

void TestPrinting::printerWidths()
{
    // Widths come in twips at the printer's resolution, one character at a time.
    QTemporaryDir dir;
    auto job = QtPrinterJob::pdfFile(dir.filePath(QStringLiteral("w.pdf")));
    FontAttributes font;
    QVERIFY(job->setFont(font));
    const double m12 = job->textWidth(u'm').value_or(-1);
    QVERIFY(qAbs(m12 - twipsWide(font.toFont(), QStringLiteral("m"))) < 2);
    QVERIFY(m12 > 150 && m12 < 250); // a bold m at 12 pt is about a sixth of an inch
    font.FontSize = 24;
    QVERIFY(job->setFont(font));
    QVERIFY(qAbs(job->textWidth(u'm').value_or(-1) - 2 * m12) < 2);
    // Nothing printed, nothing written.
    job.reset();
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("w.pdf"))));
}

void TestPrinting::pdfOutput()
{
    PrintingWindow m;
    const QString pdf = m.data.file(QStringLiteral("notes.pdf"));
    m.fake->printer = [pdf] { return QtPrinterJob::pdfFile(pdf); };
    const QString notes = QStringLiteral(
        "My son, if sinners entice thee, consent thou not. If they say, Come with us, let us "
        "lay wait for blood, let us lurk privily for the innocent without cause.\r\n"
        "\r\n"
        "Short line\r\n"
        "Tab\there and the last line without Enter");
    m.w.txtNotes->setText(notes);
    m.w.mnuFilePrint->trigger();
    QVERIFY(m.fake->messages.isEmpty());

    const QStringList want = printedLines(m.w.printLayout->printText);
    QVERIFY2(want.size() > 4, qPrintable(want.join(u'|'))); // the long line was wrapped
    QStringList got = pdfLines(pdf);
    got.replaceInStrings(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    QStringList expected = want;
    expected.replaceInStrings(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    QCOMPARE(got, expected);
    QCOMPARE(pdfPages(pdf), 1);

    // Measured apart from the printer, every wrapped line fits 8 inches and the
    // next word would not have.
    const QFont font = m.w.txtNotes->fontAttributes().toFont();
    const double slack = 0.01 * PrintLayout::lineLimit;
    const QStringList laidOut = QString(m.w.printLayout->printText).split(u'\r');
    for (qsizetype i = 0; i + 1 < laidOut.size(); ++i) {
        const QString line = laidOut[i];
        QVERIFY2(twipsWide(font, line) <= PrintLayout::lineLimit + slack, qPrintable(line));
        if (laidOut[i + 1].startsWith(u'\n'))
            continue; // ended by Enter, not wrapped
        const QString nextWord = laidOut[i + 1].section(u' ', 0, 0);
        QVERIFY2(twipsWide(font, line + nextWord) > PrintLayout::lineLimit - slack, qPrintable(line));
    }
}

void TestPrinting::pdfPagesAndColour()
{
    PrintingWindow m;
    const QString pdf = m.data.file(QStringLiteral("long.pdf"));
    m.fake->printer = [pdf] { return QtPrinterJob::pdfFile(pdf); };
    FontAttributes blue;
    blue.ForeColor = QColor(0, 0, 255);
    m.fake->fontAnswers << blue;
    m.w.mnuFormatFont->trigger();
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    m.w.txtNotes->setText(lines.join(QStringLiteral("\r\n")));
    m.w.mnuFilePrint->trigger();
    QVERIFY(m.fake->messages.isEmpty());

    // Pages fill up before the next begins, and no line is lost or repeated.
    const int pages = pdfPages(pdf);
    QVERIFY2(pages >= 3 && pages <= 4, qPrintable(QString::number(pages)));
    QCOMPARE(pdfLines(pdf), lines);

    // The text is printed in the notes' colour.
    QTemporaryDir dir;
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-f"), QStringLiteral("1"),
                                     QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"), pdf,
                                     dir.filePath(QStringLiteral("page"))});
    const QStringList pngs = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    QCOMPARE(pngs.size(), 1);
    const QImage page(dir.filePath(pngs[0]));
    int bluish = 0;
    int other = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (qMin(qMin(c.red(), c.green()), c.blue()) >= 128)
                continue; // paper, or the light edge of a stroke
            (c.blue() > 200 && c.red() < 128 && c.green() < 128 ? bluish : other)++;
        }
    }
    QVERIFY2(bluish > 100 && other < bluish / 20, qPrintable(QStringLiteral("%1 %2").arg(bluish).arg(other)));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
