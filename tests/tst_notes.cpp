// The study notes editor: the 8-bit codec, the keystroke filter, the notes files
// and their commands, the clipboard commands with the Edit menu's states, Font and Bold.
#include "app/windows.h"
#include "main/frmmain.h"
#include "notes/cp1252.h"
#include "notes/notesbox.h"
#include "notes/notesfile.h"
#include "platform/commondialog.h"
#include "platform/fontchooser.h"
#include "platform/qtplatform.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"
#include "support/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    // The line ends that must not merge or vanish: lone CR, lone LF, LF CR, CR CR LF.
    bytes.append("\r\n\n\r\r\r\n\n\0\0", 10);
    return bytes;
}

// Runs f on the dialog the next blocking call opens. A dialog that f leaves open
// (a failed check returns early) is rejected, so a failing test ends instead of hanging.
template <class D, class F>
void onDialog(F f)
{
    QTimer::singleShot(0, [f] {
        QDialog* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* typed = qobject_cast<D*>(d))
            f(typed);
        else
            QTest::qFail("the expected dialog is not open", __FILE__, __LINE__);
        if (d && d->isVisible())
            d->reject();
    });
}

void makeReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
} // namespace

class TestNotes final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    // The 8-bit set.
    void codecMapsEveryByte_data();
    void codecMapsEveryByte();
    void codecEncodesWhatItCan_data();
    void codecEncodesWhatItCan();

    // Typing.
    void everyTypedCode_data();
    void everyTypedCode();
    void keyForms_data();
    void keyForms();
    void inputMethodCommit_data();
    void inputMethodCommit();
    void pasteIntoBoxNarrows();

    // Files.
    void saveWritesNotesAndLineEnd_data();
    void saveWritesNotesAndLineEnd();
    void openSaveSequence();
    void allBytesRoundTrip();
    void newPage();
    void cancelledDialogsEndTheCommand();
    void openFailureKeepsNotes_data();
    void openFailureKeepsNotes();
    void saveFailureKeepsNotes_data();
    void saveFailureKeepsNotes();

    // Clipboard, Font and Bold.
    void clipboardAndMenuStates();
    void pasteNarrowsAndKeepsControls();
    void unreadableClipboardChangesNothing();
    void fontDialog();
    void boldToggles();

    // The real dialogs of the Qt platform.
    void fileDialogLeavesFolderAndRemembersNothing();
    void fontChooser();

private:
    QTemporaryDir m_config;
};

void TestNotes::initTestCase()
{
    // Anything Qt wants to remember would land here, where the test can look.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

// --- The 8-bit set ---------------------------------------------------------

void TestNotes::codecMapsEveryByte_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    // Every byte of 0x80–0x9F from the set's own table; the rest is Latin-1.
    const int high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int b = 0; b < 256; ++b)
        QTest::addRow("0x%02X", b) << b << (b >= 0x80 && b < 0xA0 ? high[b - 0x80] : b);
}

void TestNotes::codecMapsEveryByte()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QByteArray one(1, char(byte));
    const QString decoded = cp1252::decode(one);
    QCOMPARE(decoded, QString(QChar(char16_t(unicode))));
    QCOMPARE(cp1252::encode(decoded), one);
}

void TestNotes::codecEncodesWhatItCan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Latin-1 and the table") << QStringLiteral("é€\u201D\u00A0ÿ") << QByteArray("\xE9\x80\x94\xA0\xFF");
    QTest::newRow("C1 control outside the table") << QStringLiteral("\u0080\u009F") << QByteArray("??");
    QTest::newRow("beyond the set") << QStringLiteral("Ā ж \u2400") << QByteArray("? ? ?");
    QTest::newRow("surrogate pair is one character") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void TestNotes::codecEncodesWhatItCan()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(cp1252::encode(text), bytes);
    QCOMPARE(cp1252::narrow(text), cp1252::decode(bytes));
    QCOMPARE(cp1252::encode(cp1252::narrow(text)), bytes);
}

// --- Typing ----------------------------------------------------------------

void TestNotes::everyTypedCode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after"); // the notes "x" after the key
    QTest::addColumn<int>("beeps");

    const int ctrl = Qt::ControlModifier;
    const QString x = QStringLiteral("x");
    // Codes 0 to 31 from the Ctrl combinations that type them, as a synthetic key event
    // reports them (Ctrl+A arrives as "a", not as code 1).
    const int punctuation[] = {Qt::Key_BracketLeft, Qt::Key_Backslash, Qt::Key_BracketRight,
                               Qt::Key_AsciiCircum, Qt::Key_Underscore};
    for (int code = 0; code < 32; ++code) {
        int key = Qt::Key_At;
        QString text;
        if (code >= 1 && code <= 26) {
            key = Qt::Key_A + code - 1;
            text = QString(QChar(u'a' + code - 1));
        } else if (code >= 27) {
            key = punctuation[code - 27];
        }
        QString after = x;
        int beeps = 1;
        if (code == 8 || code == 9 || code == 13) {
            beeps = 0; // Ctrl+H, Ctrl+I and Ctrl+M: Backspace, tab and Enter
            after = code == 8 ? QString() : code == 9 ? QStringLiteral("x\t") : QStringLiteral("x\r\n");
        }
        QTest::addRow("code %d", code) << key << ctrl << text << after << beeps;
    }
    for (int code = 32; code < 256; ++code) {
        const QChar c = cp1252::toChar(uchar(code));
        const bool refused = code >= 128 && code < 160;
        // DEL is taken but, like any other control character, not inserted by the box.
        const QString after = refused || code == 127 ? x : x + c;
        const int key = code == 127 ? int(Qt::Key_unknown) : int(c.toUpper().unicode());
        QTest::addRow("code %d", code) << key << 0 << QString(c) << after << (refused ? 1 : 0);
    }
}

// Types the row's key into a notes box holding `before` with the caret at `caret`,
// and checks the text and the beeps that follow.
static void typeRowInto(const QString& before, int caret)
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(int, beeps);
    FakePlatformScope fake;
    NotesBox box;
    box.setText(before);
    box.setSelStart(caret);
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box.text(), after);
    QCOMPARE(fake->beeps, beeps);
}

void TestNotes::everyTypedCode()
{
    typeRowInto(QStringLiteral("x"), 1);
}

void TestNotes::keyForms_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("Ctrl+A from a keyboard") << int(Qt::Key_A) << ctrl << QStringLiteral("\x01") << "ab" << 1;
    QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A) << (ctrl | shift) << QStringLiteral("A") << "ab" << 1;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << QStringLiteral("\x1b") << "ab" << 1;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << QStringLiteral("\r") << "a\r\nb" << 0;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << QStringLiteral("\r") << "a\r\nb" << 0;
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << shift << QStringLiteral("\r") << "a\r\nb" << 0;
    QTest::newRow("Ctrl+Enter is a line feed") << int(Qt::Key_Return) << ctrl << QStringLiteral("\n") << "ab" << 1;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << QStringLiteral("\b") << "b" << 0;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << QStringLiteral("\x7f") << "a" << 0;
    QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << QString() << "ab" << 0;
    QTest::newRow("é") << int(Qt::Key_Eacute) << 0 << QStringLiteral("é") << "aéb" << 0;
    QTest::newRow("no-break space") << int(Qt::Key_nobreakspace) << 0 << QStringLiteral("\u00A0") << "a\u00A0b" << 0;
    QTest::newRow("code 150 (en dash)") << 0x2013 << 0 << QStringLiteral("\u2013") << "ab" << 1;
    QTest::newRow("AltGr euro") << int(Qt::Key_E) << int(Qt::ControlModifier | Qt::AltModifier) << QStringLiteral("€") << "ab" << 1;
    QTest::newRow("AltGr at sign") << int(Qt::Key_Q) << int(Qt::ControlModifier | Qt::AltModifier) << QStringLiteral("@") << "a@b" << 0;
    QTest::newRow("Cyrillic") << 0x416 << 0 << QStringLiteral("ж") << "ab" << 1;
    QTest::newRow("emoji") << int(Qt::Key_unknown) << 0 << QStringLiteral("\U0001F600") << "ab" << 1;
    QTest::newRow("control picture") << int(Qt::Key_unknown) << 0 << QStringLiteral("\u240D") << "ab" << 1;
}

void TestNotes::keyForms()
{
    typeRowInto(QStringLiteral("ab"), 1);
}

void TestNotes::inputMethodCommit_data()
{
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");
    QTest::newRow("accented") << QStringLiteral("ñ") << QStringLiteral("ñ") << 0;
    QTest::newRow("outside the set") << QStringLiteral("ñж") << QString() << 1;
    QTest::newRow("control code") << QStringLiteral("\x01") << QString() << 1;
}

void TestNotes::inputMethodCommit()
{
    QFETCH(QString, commit);
    QFETCH(QString, after);
    QFETCH(int, beeps);
    FakePlatformScope fake;
    NotesBox box;
    QInputMethodEvent e;
    e.setCommitString(commit);
    QCoreApplication::sendEvent(&box, &e);
    QCOMPARE(box.text(), after);
    QCOMPARE(fake->beeps, beeps);
}

void TestNotes::pasteIntoBoxNarrows()
{
    // The box's own paste (Shift+Insert, the context menu, a drop) narrows too; a
    // line of another program, ended by a bare LF, arrives as a CR LF line break.
    FakePlatformScope fake;
    NotesBox box;
    QApplication::clipboard()->setText(QStringLiteral("a€ж\U0001F600\x01\r\nb\nc"));
    QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box.text(), QStringLiteral("a€??\x01\r\nb\r\nc"));
    QCOMPARE(box.document()->blockCount(), 3);
    QCOMPARE(box.selStart(), 11);

    // What a box copied itself comes back exactly, a lone LF staying a character.
    box.setText(QStringLiteral("x\ny"));
    box.setSelection(0, 3);
    box.copy();
    box.setSelStart(3);
    QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box.text(), QStringLiteral("x\nyx\ny"));
}

// --- Files -----------------------------------------------------------------

void TestNotes::saveWritesNotesAndLineEnd_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("abc") << QStringLiteral("abc") << QByteArray("\x61\x62\x63\x0D\x0A");
    QTest::newRow("empty") << QString() << QByteArray("\x0D\x0A");
    QTest::newRow("two lines") << QStringLiteral("a\r\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("8-bit") << QStringLiteral("é€—") << QByteArray("\xE9\x80\x97\r\n");
}

void TestNotes::saveWritesNotesAndLineEnd()
{
    QFETCH(QString, notes);
    QFETCH(QByteArray, bytes);
    MainWindow m;
    const QString path = m.data.file(QStringLiteral("notes.txt"));
    m.w.txtNotes->setText(notes);
    m.fake->fileAnswers << path;
    m.w.cmdANsave->click(); // no file yet: Save runs Save As

    QCOMPARE(readBytes(path), bytes);
    QCOMPARE(m.fake->fileDialogs, 1);
    QCOMPARE(m.w.CommonDialog1->Filter, QStringLiteral("Text files|*.TXT"));
    QCOMPARE(m.w.CommonDialog1->FilterIndex, 1);
    QCOMPARE(m.fake->messages.size(), 1);
    QCOMPARE(m.fake->messages[0].text, QStringLiteral("Saving As: ") + path);
    QCOMPARE(m.fake->messages[0].title, QStringLiteral("Quillmere"));
    QCOMPARE(m.fake->messages[0].icon, MsgIcon::None);
    QCOMPARE(m.fake->messages[0].buttons, MsgButtons::Ok);
    QCOMPARE(m.w.notesFileName, path);
    QCOMPARE(m.w.lblFileName->text(), path);
    QCOMPARE(m.w.txtNotes->text(), notes);
}

void TestNotes::openSaveSequence()
{
    MainWindow m;
    const QString path = m.data.file(QStringLiteral("abc.txt"));
    m.w.txtNotes->setText(QStringLiteral("abc"));
    m.fake->fileAnswers << path;
    m.w.mnuFileSaveAs->trigger();

    // Opening replaces unsaved notes without a question; the line end saved is kept.
    m.w.txtNotes->setText(QStringLiteral("unsaved"));
    m.fake->fileAnswers << path;
    m.w.cmdANopen->click();
    QCOMPARE(m.w.txtNotes->text(), QStringLiteral("abc\r\n"));
    QCOMPARE(m.w.txtNotes->document()->blockCount(), 2);

    // Saving again writes to the same file, silently, and adds another line end.
    m.w.mnuFileSave->trigger();
    QCOMPARE(readBytes(path), QByteArray("abc\r\n\r\n"));
    QCOMPARE(m.fake->fileDialogs, 2);
    QCOMPARE(m.fake->messages.size(), 1); // only the "Saving As" of the first save
    QCOMPARE(m.w.notesFileName, path);
}

void TestNotes::allBytesRoundTrip()
{
    MainWindow m;
    const QByteArray bytes = allBytes();
    m.data.write(QStringLiteral("bytes.txt"), bytes);
    const QString path = m.data.file(QStringLiteral("bytes.txt"));
    m.fake->fileAnswers << path;
    m.w.mnuFileOpenNotes->trigger();

    const QString text = m.w.txtNotes->text();
    QCOMPARE(text.size(), bytes.size());
    QCOMPARE(text, cp1252::decode(bytes));
    QCOMPARE(m.w.txtNotes->document()->blockCount(), 1 + int(bytes.count("\r\n")));

    m.w.mnuFileSave->trigger();
    QCOMPARE(readBytes(path), bytes + "\r\n");
    QVERIFY(m.fake->messages.isEmpty());
}

void TestNotes::newPage()
{
    MainWindow m;
    const QString path = m.data.file(QStringLiteral("n.txt"));
    m.w.txtNotes->setText(QStringLiteral("keep"));
    m.fake->fileAnswers << path;
    m.w.mnuFileSaveAs->trigger();
    m.fake->messages.clear();

    m.fake->messageAnswers << MsgResult::Cancel;
    m.w.cmdANnew->click();
    QCOMPARE(m.fake->messages.size(), 1);
    QCOMPARE(m.fake->messages[0].text, QStringLiteral("Erase all text?"));
    QCOMPARE(m.fake->messages[0].title, QStringLiteral("New"));
    QCOMPARE(m.fake->messages[0].icon, MsgIcon::Question);
    QCOMPARE(m.fake->messages[0].buttons, MsgButtons::OkCancel);
    QCOMPARE(m.w.txtNotes->text(), QStringLiteral("keep"));
    QCOMPARE(m.w.notesFileName, path);

    m.fake->messageAnswers << MsgResult::Ok;
    m.w.mnuFileNewPage->trigger();
    QCOMPARE(m.w.txtNotes->text(), QString());
    QCOMPARE(m.w.notesFileName, QString());
    QCOMPARE(m.w.lblFileName->text(), QString());

    // With the name forgotten, Save asks for one again.
    m.w.mnuFileSave->trigger();
    QCOMPARE(m.fake->fileDialogs, 2);
}

void TestNotes::cancelledDialogsEndTheCommand()
{
    MainWindow m;
    // Right after start: a cancelled Save writes nothing and says nothing.
    m.w.txtNotes->setText(QStringLiteral("first"));
    m.w.mnuFileSave->trigger();
    QCOMPARE(m.fake->fileDialogs, 1);
    QVERIFY(m.fake->messages.isEmpty());
    QCOMPARE(m.w.notesFileName, QString());
    QCOMPARE(QDir(m.data.path()).entryList({QStringLiteral("*.txt"), QStringLiteral("*.TXT")}, QDir::Files), QStringList());

    // After a path was chosen, a cancel does not go on with that path.
    const QString path = m.data.file(QStringLiteral("c.txt"));
    m.fake->fileAnswers << path;
    m.w.mnuFileSaveAs->trigger();
    m.w.txtNotes->setText(QStringLiteral("edited"));
    m.fake->messages.clear();

    m.w.mnuFileOpenNotes->trigger(); // cancelled: the file is not read over the notes
    QCOMPARE(m.w.txtNotes->text(), QStringLiteral("edited"));
    m.w.mnuFileSaveAs->trigger(); // cancelled: the file is not rewritten
    QCOMPARE(readBytes(path), QByteArray("first\r\n"));
    QVERIFY(m.fake->messages.isEmpty());
    QCOMPARE(m.w.CommonDialog1->FileName, path); // still proposed next time
}

void TestNotes::openFailureKeepsNotes_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("message");
    QTest::newRow("missing file") << QStringLiteral("missing.txt") << false;
    QTest::newRow("a folder") << QStringLiteral("folder") << false;
    QTest::newRow("empty name") << QString() << false;
    QTest::newRow("too large") << QStringLiteral("large.txt") << true;
}

void TestNotes::openFailureKeepsNotes()
{
    QFETCH(QString, target);
    QFETCH(bool, message);
    MainWindow m;
    m.data.write(QStringLiteral("first.txt"), "first\r\n");
    QDir(m.data.path()).mkdir(QStringLiteral("folder"));
    QFile large(m.data.file(QStringLiteral("large.txt")));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(notesfile::largestSize + 1));
    large.close();

    const QString first = m.data.file(QStringLiteral("first.txt"));
    m.fake->fileAnswers << first;
    m.w.mnuFileOpenNotes->trigger();
    m.w.txtNotes->setText(QStringLiteral("unsaved"));

    const QString path = target.isEmpty() ? QString() : m.data.file(target);
    m.fake->fileAnswers << path;
    m.w.mnuFileOpenNotes->trigger();

    QCOMPARE(m.w.txtNotes->text(), QStringLiteral("unsaved"));
    QCOMPARE(m.w.notesFileName, first);
    QCOMPARE(m.w.lblFileName->text(), first);
    QCOMPARE(m.fake->messages.size(), message ? 1 : 0);
    if (message) {
        QVERIFY(m.fake->messages[0].text.contains(path));
        QCOMPARE(m.fake->messages[0].title, QStringLiteral("Quillmere"));
    }
}

void TestNotes::saveFailureKeepsNotes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only file") << QStringLiteral("read-only") << QStringLiteral("read-only");
    QTest::newRow("missing folder") << QStringLiteral("missing folder") << QString();
    QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("folder");
}

void TestNotes::saveFailureKeepsNotes()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    MainWindow m;
    QDir dir(m.data.path());
    dir.mkdir(QStringLiteral("sub"));
    const QString path = kind == QLatin1String("folder") ? m.data.file(QStringLiteral("sub"))
                                                         : m.data.file(QStringLiteral("sub/notes.txt"));
    const QByteArray before = "old\r\n";
    if (kind != QLatin1String("folder"))
        m.data.write(QStringLiteral("sub/notes.txt"), before);

    // Make path the current notes file, then take away the means to write it.
    if (kind == QLatin1String("folder")) {
        m.w.txtNotes->setText(QStringLiteral("x"));
        m.w.CommonDialog1->FileName = path;
        m.w.notesFileName = path; // as if it had been a file when it was opened
    } else {
        m.fake->fileAnswers << path;
        m.w.mnuFileOpenNotes->trigger();
        QCOMPARE(m.w.notesFileName, path);
    }
    if (kind == QLatin1String("read-only"))
        makeReadOnly(path);
    if (kind == QLatin1String("missing folder"))
        QVERIFY(QDir(m.data.file(QStringLiteral("sub"))).removeRecursively());
    m.w.txtNotes->setText(QStringLiteral("new words"));

    // Save Notes says so, naming the file and the reason.
    m.w.cmdANsave->click();
    QCOMPARE(m.fake->messages.size(), 1);
    const ShownMessage shown = m.fake->messages[0];
    QCOMPARE(shown.title, QStringLiteral("Quillmere"));
    QVERIFY2(shown.text.contains(path), qPrintable(shown.text));
    const QStringList lines = shown.text.split(u'\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY2(!lines[1].isEmpty() && lines[1].contains(reason), qPrintable(shown.text));
    QCOMPARE(m.w.txtNotes->text(), QStringLiteral("new words"));
    QCOMPARE(m.w.notesFileName, path);
    if (kind == QLatin1String("read-only"))
        QCOMPARE(readBytes(path), before);

    // Save As to the same place fails silently and keeps the name it had.
    m.fake->messages.clear();
    m.w.notesFileName = m.data.file(QStringLiteral("other.txt"));
    m.fake->fileAnswers << path;
    m.w.mnuFileSaveAs->trigger();
    QVERIFY(m.fake->messages.isEmpty());
    QCOMPARE(m.w.notesFileName, m.data.file(QStringLiteral("other.txt")));
    QCOMPARE(m.w.txtNotes->text(), QStringLiteral("new words"));
    if (kind == QLatin1String("read-only"))
        QCOMPARE(readBytes(path), before);
    if (kind == QLatin1String("missing folder"))
        QVERIFY(!QFile::exists(path));
    // Nothing half-written is left behind.
    if (kind == QLatin1String("read-only"))
        QCOMPARE(QDir(m.data.file(QStringLiteral("sub"))).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("notes.txt")});
}

// --- Clipboard, Font and Bold ----------------------------------------------

void TestNotes::clipboardAndMenuStates()
{
    MainWindow m;
    QVERIFY(m.showActive());
    FrmMain& w = m.w;
    w.txtNotes->setText(QStringLiteral("Hello world"));
    w.txtNotes->setSelection(6, 5);
    QVERIFY(!w.txtProverbs->text().isEmpty());
    w.txtProverbs->setSelection(0, 10);
    w.txtProverbs->setFocus();

    // Ctrl+C with the focus in the chapter text copies the notes' selection.
    QTest::keyClick(w.txtProverbs, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m.fake->clipboard, QStringLiteral("world"));
    QVERIFY(!w.mnuEditCopy->isEnabled());
    QVERIFY(!w.mnuEditCut->isEnabled());
    QVERIFY(w.mnuEditPaste->isEnabled());

    // Greyed, Ctrl+C and Ctrl+X reach the notes box as control characters and beep.
    m.fake->clipboard = QStringLiteral("other");
    w.txtNotes->setFocus();
    QTest::keyClick(w.txtNotes, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(w.txtNotes, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(m.fake->beeps, 2);
    QCOMPARE(m.fake->clipboard, QStringLiteral("other"));
    QCOMPARE(w.txtNotes->text(), QStringLiteral("Hello world"));

    // The Copy button copies all the same and leaves the menu as it is.
    w.txtNotes->setSelection(0, 5);
    w.cmdANcopy->click();
    QCOMPARE(m.fake->clipboard, QStringLiteral("Hello"));
    QVERIFY(!w.mnuEditCopy->isEnabled());

    // Paste with an empty clipboard deletes the selection and enables both items.
    m.fake->clipboard.clear();
    QTest::keyClick(w.txtNotes, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.txtNotes->text(), QStringLiteral(" world"));
    QVERIFY(w.mnuEditCopy->isEnabled());
    QVERIFY(w.mnuEditCut->isEnabled());
    QCOMPARE(m.fake->beeps, 2);

    // Cut with nothing selected empties the clipboard and leaves the notes.
    m.fake->clipboard = QStringLiteral("before");
    w.txtNotes->setSelStart(3);
    QTest::keyClick(w.txtNotes, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(m.fake->clipboard, QString());
    QCOMPARE(w.txtNotes->text(), QStringLiteral(" world"));
    QVERIFY(!w.mnuEditCut->isEnabled());
    QVERIFY(!w.mnuEditCopy->isEnabled());

    // Paste, then Cut of a selection.
    m.fake->clipboard = QStringLiteral("new");
    w.mnuEditPaste->trigger();
    QCOMPARE(w.txtNotes->text(), QStringLiteral(" wonewrld"));
    QCOMPARE(w.txtNotes->selStart(), 6);
    w.txtNotes->setSelection(0, 3);
    w.mnuEditCut->trigger();
    QCOMPARE(m.fake->clipboard, QStringLiteral(" wo"));
    QCOMPARE(w.txtNotes->text(), QStringLiteral("newrld"));
    QVERIFY(!w.mnuEditCopy->isEnabled());
    QCOMPARE(m.fake->beeps, 2);
    QVERIFY(m.fake->messages.isEmpty());
}

void TestNotes::pasteNarrowsAndKeepsControls()
{
    MainWindow m;
    m.w.txtNotes->setText(QStringLiteral("[]"));
    m.w.txtNotes->setSelStart(1);
    m.fake->clipboard = QStringLiteral("\x01\x1b naïve € ж \U0001F600\r\nz");
    m.w.mnuEditPaste->trigger();
    QCOMPARE(m.w.txtNotes->text(), QStringLiteral("[\x01\x1b naïve € ? ?\r\nz]"));
    QCOMPARE(m.fake->beeps, 0);
}

void TestNotes::unreadableClipboardChangesNothing()
{
    MainWindow m;
    m.w.txtNotes->setText(QStringLiteral("keep me"));
    m.w.txtNotes->setSelection(0, 4);
    m.w.mnuEditCopy->trigger();
    m.fake->clipboardReadable = false;
    m.w.mnuEditPaste->trigger();
    QCOMPARE(m.w.txtNotes->text(), QStringLiteral("keep me"));
    QCOMPARE(m.w.txtNotes->selText(), QStringLiteral("keep"));
    QVERIFY(!m.w.mnuEditCopy->isEnabled()); // the Paste did not happen
    QCOMPARE(m.fake->messages.size(), 1);
    QCOMPARE(m.fake->messages[0].title, QStringLiteral("Quillmere"));
}

void TestNotes::fontDialog()
{
    MainWindow m;
    NotesBox* notes = m.w.txtNotes;
    const FontAttributes start = notes->fontAttributes();
    QCOMPARE(start, FontAttributes()); // Times New Roman 12, bold, dark red

    // Cancelled: nothing changes.
    m.w.mnuFormatFont->trigger();
    QCOMPARE(m.fake->fontDialogFlags, QList<int>{259});
    QCOMPARE(m.fake->fontDialogInputs.value(0), start);
    QCOMPARE(notes->fontAttributes(), start);
    QCOMPARE(notes->font().pointSizeF(), 12.0);

    FontAttributes chosen;
    chosen.FontName = QStringLiteral("Liberation Sans");
    chosen.FontSize = 16;
    chosen.FontBold = false;
    chosen.FontItalic = true;
    chosen.FontStrikethru = true;
    chosen.FontUnderline = true;
    chosen.ForeColor = QColor(0, 0, 255);
    m.fake->fontAnswers << chosen;
    m.w.mnuFormatFont->trigger();
    QCOMPARE(m.fake->fontDialogFlags, (QList<int>{259, 259}));
    QCOMPARE(notes->fontAttributes(), chosen);
    const QFont shown = notes->font();
    QCOMPARE(QFontInfo(shown).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(shown.pointSizeF(), 16.0);
    QVERIFY(!shown.bold());
    QVERIFY(shown.italic() && shown.strikeOut() && shown.underline());
    QCOMPARE(notes->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
    QCOMPARE(notes->palette().color(QPalette::Active, QPalette::Base), QColor(192, 192, 192));
    QVERIFY(!m.w.mnuFormatBold->isChecked()); // the dialog leaves the check mark alone

    // Bold after the dialog made the text non-bold: bold, and checked.
    m.w.mnuFormatBold->trigger();
    QVERIFY(notes->fontAttributes().FontBold);
    QVERIFY(notes->font().bold());
    QVERIFY(m.w.mnuFormatBold->isChecked());
    QCOMPARE(notes->fontAttributes().ForeColor, QColor(0, 0, 255));
}

void TestNotes::boldToggles()
{
    MainWindow m;
    QVERIFY(m.showActive());
    m.w.txtNotes->setFocus();
    QVERIFY(!m.w.mnuFormatBold->isChecked());
    // The notes start bold with the item unchecked: the first Bold makes them plain.
    QTest::keyClick(m.w.txtNotes, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(!m.w.txtNotes->fontAttributes().FontBold);
    QVERIFY(!m.w.txtNotes->font().bold());
    QVERIFY(!m.w.mnuFormatBold->isChecked());
    m.w.mnuFormatBold->trigger();
    QVERIFY(m.w.txtNotes->fontAttributes().FontBold);
    QVERIFY(m.w.txtNotes->font().bold());
    QVERIFY(m.w.mnuFormatBold->isChecked());
    QCOMPARE(m.fake->beeps, 0);
}

// --- The real dialogs ------------------------------------------------------

void TestNotes::fileDialogLeavesFolderAndRemembersNothing()
{
    DataFolder data{QStringList()};
    const QString folder = QDir::currentPath();
    QDir(folder).mkdir(QStringLiteral("elsewhere"));
    const QString chosen = data.file(QStringLiteral("elsewhere/notes.txt"));
    QtPlatform qt;
    CommonDialog dialog;
    dialog.Filter = QStringLiteral("Text files|*.TXT");
    dialog.FilterIndex = 1;

    // The first dialog opens in the current folder; the choice comes back as FileName.
    QString openedIn;
    onDialog<QFileDialog>([&](QFileDialog* fd) {
        openedIn = fd->directory().absolutePath();
        QCOMPARE(fd->selectedNameFilter(), QStringLiteral("Text files (*.TXT)"));
        fd->selectFile(chosen);
        QMetaObject::invokeMethod(fd, "accept");
    });
    QVERIFY(qt.showSave(dialog));
    QCOMPARE(openedIn, folder);
    QCOMPARE(dialog.FileName, chosen);
    QCOMPARE(QDir::currentPath(), folder);

    // The next one proposes that name; a cancel leaves it.
    QString proposed;
    onDialog<QFileDialog>([&](QFileDialog* fd) {
        proposed = fd->selectedFiles().value(0);
        fd->reject();
    });
    QVERIFY(!qt.showOpen(dialog));
    QCOMPARE(proposed, chosen);
    QCOMPARE(dialog.FileName, chosen);
    QCOMPARE(QDir::currentPath(), folder);

    // Nothing of the dialogs is stored among the user's settings.
    QCOMPARE(QDir(m_config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TestNotes::fontChooser()
{
    QtPlatform qt;
    CommonDialog dialog;
    dialog.Flags = 259;
    const FontAttributes start;

    // What the dialog shows first, then a choice of every attribute.
    onDialog<FontChooser>([&](FontChooser* fc) {
        QCOMPARE(fc->fontName->currentText(), QStringLiteral("Times New Roman"));
        QCOMPARE(fc->fontSize->currentText(), QStringLiteral("12"));
        QVERIFY(fc->fontBold->isChecked() && !fc->fontItalic->isChecked());
        QCOMPARE(fc->foreColor->currentText(), QStringLiteral("Maroon"));
        QVERIFY(fc->fontStrikethru->isVisibleTo(fc) && fc->fontUnderline->isVisibleTo(fc) && fc->foreColor->isVisibleTo(fc));
        fc->fontName->setCurrentText(QStringLiteral("Liberation Mono"));
        fc->fontSize->setEditText(QStringLiteral("14.5"));
        fc->fontBold->setChecked(false);
        fc->fontItalic->setChecked(true);
        fc->fontStrikethru->setChecked(true);
        fc->fontUnderline->setChecked(true);
        fc->foreColor->setCurrentIndex(fc->foreColor->findText(QStringLiteral("Blue")));
        fc->accept();
    });
    QVERIFY(qt.showFont(dialog));
    FontAttributes want;
    want.FontName = QStringLiteral("Liberation Mono");
    want.FontSize = 14.5;
    want.FontBold = false;
    want.FontItalic = true;
    want.FontStrikethru = true;
    want.FontUnderline = true;
    want.ForeColor = QColor(0, 0, 255);
    QCOMPARE(dialog.Font, want);

    // Cancel leaves the component's font; without the effects flag they are not offered.
    dialog.Flags = 3;
    onDialog<FontChooser>([&](FontChooser* fc) {
        QVERIFY(!fc->foreColor->isVisibleTo(fc) && !fc->fontUnderline->isVisibleTo(fc));
        fc->fontSize->setEditText(QStringLiteral("30"));
        fc->reject();
    });
    QVERIFY(!qt.showFont(dialog));
    QCOMPARE(dialog.Font, want);
}

QTEST_MAIN(TestNotes)
#include "tst_notes.moc"
