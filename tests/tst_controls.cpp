// The text box's exact-text model: line breaks count two, every character stays.
#include "controls/exacttext.h"
#include "controls/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

class TestControls final : public QObject {
    Q_OBJECT
private slots:
    void displayRoundTrip_data();
    void displayRoundTrip();
    void displayOffset_data();
    void displayOffset();
    void foreignLines_data();
    void foreignLines();
    void boxKeepsExactText();
    void selectionCountsLineBreaksTwice();
    void selectionBeyondEndStopsAtEnd();
    void selectionBetweenCrAndLfStaysExact();
    void userSelectionMapsBack();
    void lockedBoxRefusesTyping();
    void shiftEnterStoresCrLf();
};

void TestControls::displayRoundTrip_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("display");
    QTest::newRow("plain") << "abc" << "abc";
    QTest::newRow("crlf") << "a\r\nb" << "a\nb";
    QTest::newRow("lone cr") << "a\rb" << QString::fromUtf16(u"a\u240Db");
    QTest::newRow("lone lf") << "a\nb" << QString::fromUtf16(u"a\u240Ab");
    QTest::newRow("lf cr") << "\n\r" << QString::fromUtf16(u"\u240A\u240D");
    QTest::newRow("cr crlf") << "\r\r\n" << QString::fromUtf16(u"\u240D\n");
    QTest::newRow("nul and esc") << QString::fromUtf16(u"\u0000x\u001B", 3) << QString::fromUtf16(u"\u2400x\u241B");
    QTest::newRow("tab stays") << "a\tb" << "a\tb";
    QTest::newRow("delete") << QString::fromUtf16(u"\u007F") << QString::fromUtf16(u"\u2421");
    QTest::newRow("no-break space") << QString::fromUtf16(u"a\u00A0b") << QString::fromUtf16(u"a\u00A0b");
    QTest::newRow("trailing break") << "abc\r\n" << "abc\n";
}

void TestControls::displayRoundTrip()
{
    QFETCH(QString, model);
    QFETCH(QString, display);
    QCOMPARE(exacttext::toDisplay(model), display);
    QCOMPARE(exacttext::fromDisplay(display), model);
}

void TestControls::displayOffset_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected");
    QTest::newRow("start") << "a\r\nb" << 0 << 0;
    QTest::newRow("before break") << "a\r\nb" << 1 << 1;
    QTest::newRow("between cr and lf") << "a\r\nb" << 2 << 1;
    QTest::newRow("after break") << "a\r\nb" << 3 << 2;
    QTest::newRow("end") << "a\r\nb" << 4 << 3;
    QTest::newRow("two breaks") << "\r\n\r\nx" << 4 << 2;
    QTest::newRow("lone cr counts one") << "a\rb" << 2 << 2;
    QTest::newRow("past the end") << "ab" << 9 << 2;
}

void TestControls::displayOffset()
{
    QFETCH(QString, model);
    QFETCH(int, offset);
    QFETCH(int, expected);
    QCOMPARE(exacttext::toDisplayOffset(model, offset), expected);
}

void TestControls::foreignLines_data()
{
    QTest::addColumn<QString>("foreign");
    QTest::addColumn<QString>("model");
    QTest::newRow("bare LF") << "a\nb" << "a\r\nb";
    QTest::newRow("already CR LF") << "a\r\nb" << "a\r\nb";
    QTest::newRow("leading and trailing") << "\nx\n" << "\r\nx\r\n";
    QTest::newRow("empty lines") << "\n\n" << "\r\n\r\n";
    QTest::newRow("lone CR stays") << "a\rb" << "a\rb";
    QTest::newRow("LF CR") << "\n\r" << "\r\n\r";
}

void TestControls::foreignLines()
{
    QFETCH(QString, foreign);
    QFETCH(QString, model);
    QCOMPARE(exacttext::fromForeign(foreign), model);
    // The program's own copies carry their exact text.
    std::unique_ptr<QMimeData> own(exacttext::toMime(foreign));
    QCOMPARE(exacttext::fromMime(*own), foreign);
    QMimeData other;
    other.setText(foreign);
    QCOMPARE(exacttext::fromMime(other), model);
}

void TestControls::boxKeepsExactText()
{
    TextBox box;
    QString all;
    for (int c = 0; c < 256; ++c)
        all.append(QChar(c));
    all += QStringLiteral("\r\n\r\r\n\n\r");
    box.setText(all);
    QCOMPARE(box.text(), all);
    // Editing elsewhere leaves the control characters in place.
    box.setSelection(0, 0);
    box.setSelText(QStringLiteral("x\r\ny"));
    QCOMPARE(box.text(), QStringLiteral("x\r\ny") + all);
}

void TestControls::selectionCountsLineBreaksTwice()
{
    TextBox box;
    box.setText(QStringLiteral("ab\r\ncd\r\nef"));
    box.setSelection(4, 4);
    QCOMPARE(box.selText(), QStringLiteral("cd\r\n"));
    QCOMPARE(box.textCursor().selectedText(), QString::fromUtf16(u"cd\u2029"));
    box.setSelText(QString());
    QCOMPARE(box.text(), QStringLiteral("ab\r\nef"));
    QCOMPARE(box.selStart(), 4);
    QCOMPARE(box.selLength(), 0);
}

void TestControls::selectionBeyondEndStopsAtEnd()
{
    TextBox box;
    box.setText(QStringLiteral("abc"));
    box.setSelection(1, 99);
    QCOMPARE(box.selLength(), 2);
    box.setSelStart(50);
    QCOMPARE(box.selStart(), 3);
    QCOMPARE(box.selLength(), 0);
}

void TestControls::selectionBetweenCrAndLfStaysExact()
{
    TextBox box;
    box.setText(QStringLiteral("a\r\nb"));
    box.setSelection(2, 2);
    QCOMPARE(box.selStart(), 2);
    QCOMPARE(box.selText(), QStringLiteral("\nb"));
}

void TestControls::userSelectionMapsBack()
{
    TextBox box;
    box.setText(QStringLiteral("ab\r\ncd"));
    QTextCursor c = box.textCursor();
    c.setPosition(3); // widget position of 'c'
    c.setPosition(5, QTextCursor::KeepAnchor);
    box.setTextCursor(c);
    QCOMPARE(box.selStart(), 4);
    QCOMPARE(box.selLength(), 2);
    QCOMPARE(box.selText(), QStringLiteral("cd"));
}

void TestControls::lockedBoxRefusesTyping()
{
    TextBox box;
    box.setLocked(true);
    box.setText(QStringLiteral("verse"));
    box.show();
    box.setFocus();
    box.setSelection(5, 0);
    QTest::keyClicks(&box, QStringLiteral("xyz"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.text(), QStringLiteral("verse"));
    // Selecting still works.
    QTest::keyClick(&box, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(box.selText(), QStringLiteral("verse"));
}

void TestControls::shiftEnterStoresCrLf()
{
    TextBox box;
    box.show();
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("a"));
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&box, QStringLiteral("b"));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.text(), QStringLiteral("a\r\nb\r\n"));
    QCOMPARE(box.selStart(), 6);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
