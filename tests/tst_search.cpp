// The text search and the three find dialogs, driven through their real widgets.
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include "app/windows.h"
#include "controls/picture.h"
#include "controls/style.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "main/frmmain.h"
#include "notes/notesbox.h"
#include "records/databar.h"
#include "records/recordsource.h"
#include "reference/frminfo.h"
#include "search/frmfind.h"
#include "search/textsearch.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

Instance<FrmFind>& instanceOf(const QString& which)
{
    if (which == u"P")
        return frmFindP;
    if (which == u"N")
        return frmFindN;
    return frmFindINFO;
}

TextBox* targetOf(const QString& which)
{
    if (which == u"P")
        return frmMain->txtProverbs;
    if (which == u"N")
        return frmMain->txtNotes;
    return frmInfo->txtMy;
}

// Opens a dialog the way a user does: P by its menu item, N by its menu item or the
// binoculars, INFO by the bookshelf of the information window (opened first if need be).
FrmFind* open(const QString& which, const QString& opener = QString())
{
    frmMain.show();
    if (which == u"P") {
        frmMain->mnuSearchProverbs->trigger();
    } else if (which == u"N") {
        if (opener == u"picture")
            QTest::mouseClick(frmMain->Image2, Qt::LeftButton);
        else
            frmMain->mnuSearchNotes->trigger();
    } else {
        if (!frmInfo.isVisible())
            QTest::mouseClick(frmMain->Image1, Qt::LeftButton);
        QTest::mouseClick(frmInfo->Image1, Qt::LeftButton);
    }
    FrmFind* dialog = &instanceOf(which).get();
    if (!dialog->isVisible())
        qWarning("the opener did not show the dialog");
    return dialog;
}

QString lines(int count, const QString& line)
{
    QString t;
    for (int i = 0; i < count; ++i)
        t += line;
    return t;
}

} // namespace

class TestSearch final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The search function.
    void find_data();
    void find();
    void emptySearchTextDoesNothing();
    void indexOfAgreesWithPlainSearch();

    // The dialogs.
    void layout_data();
    void layout();
    void findThroughDialog_data();
    void findThroughDialog();
    void sameHitTwiceThenMoveOn();
    void emptySearchLeavesEverything_data();
    void emptySearchLeavesEverything();
    void leavingKeepsTextAndCheckBox_data();
    void leavingKeepsTextAndCheckBox();
    void reopenBringsSameDialogToFront_data();
    void reopenBringsSameDialogToFront();
    void findInfoOnHiddenInformationWindow();
    void findInfoAfterInformationWindowClosed();

private:
    FakePlatform& fake() { return **m_fake; }

    std::unique_ptr<DataFolder> m_data;
    std::unique_ptr<FakePlatformScope> m_fake;
};

void TestSearch::init()
{
    m_data = std::make_unique<DataFolder>();
    m_fake = std::make_unique<FakePlatformScope>();
}

void TestSearch::cleanup()
{
    resetWindows();
    m_fake.reset();
    m_data.reset();
}

void TestSearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<int>("expectStart");
    QTest::addColumn<int>("expectLength");
    QTest::addColumn<QString>("message"); // empty: none shown

    QTest::newRow("ignore case finds a capitalised word") << "The Wisdom of old" << 0 << "wisdom" << true << 4 << 6 << "";
    QTest::newRow("ignore case finds an upper-case word") << "HEAR WISDOM" << 0 << "wisdom" << true << 5 << 6 << "";
    QTest::newRow("upper-case search text finds lower case") << "get wisdom" << 0 << "WISDOM" << true << 4 << 6 << "";
    QTest::newRow("ignore case beyond ASCII") << "Ärger and ÿ" << 0 << "ärger AND Ÿ" << true << 0 << 11 << "";
    QTest::newRow("case kept misses a capitalised word") << "The Wisdom" << 0 << "wisdom" << false << 10 << 0 << "wisdom not found";
    QTest::newRow("case kept passes over a capitalised word") << "Wisdom and wisdom" << 0 << "wisdom" << false << 11 << 6 << "";
    QTest::newRow("message in upper case when ignoring case") << "folly" << 0 << "Wisdom" << true << 5 << 0 << "WISDOM not found";
    QTest::newRow("hit ending at the end of the text") << "seek wisdom" << 0 << "wisdom" << true << 5 << 6 << "";
    QTest::newRow("whole text is the hit") << "wisdom" << 0 << "wisdom" << false << 0 << 6 << "";
    QTest::newRow("search text longer than the rest") << "the wisdom" << 7 << "dom and" << true << 10 << 0 << "DOM AND not found";
    QTest::newRow("search text longer than the text") << "wis" << 0 << "wisdom" << false << 3 << 0 << "wisdom not found";
    QTest::newRow("empty target") << "" << 0 << "a" << false << 0 << 0 << "a not found";
    QTest::newRow("hit before the caret is not searched") << "wisdom and folly" << 5 << "wisdom" << true << 16 << 0 << "WISDOM not found";
    QTest::newRow("caret in the middle finds the next hit") << "wisdom and wisdom" << 1 << "wisdom" << true << 11 << 6 << "";
    QTest::newRow("caret on a hit finds it again") << "get wisdom, get wisdom" << 4 << "wisdom" << true << 4 << 6 << "";
    QTest::newRow("caret at the end fails though the text occurs") << "wisdom" << 6 << "wisdom" << true << 6 << 0 << "WISDOM not found";
    QTest::newRow("caret past the end counts as the end") << "wisdom" << 40 << "wisdom" << false << 6 << 0 << "wisdom not found";
    QTest::newRow("trailing space only where the text has it") << "wisdom, wisdom is" << 0 << "wisdom " << false << 8 << 7 << "";
    QTest::newRow("trailing space missing at the end") << "get wisdom" << 0 << "wisdom " << false << 10 << 0 << "wisdom  not found";
    QTest::newRow("a lone space is a search text") << "a b" << 0 << " " << false << 1 << 1 << "";
    QTest::newRow("line breaks count two before a hit") << "one\r\ntwo\r\nthree" << 0 << "Three" << true << 10 << 5 << "";
    QTest::newRow("hit across a line break") << "the end\r\nNext line" << 0 << "END\r\nNEXT" << true << 4 << 9 << "";
    QTest::newRow("caret between CR and LF") << "a\r\nb\r\nb" << 2 << "\nb" << false << 2 << 2 << "";

    const QString far = QString(40000, u'a') + QStringLiteral("Wisdom");
    QTest::newRow("hit past 32767") << far << 0 << "wisdom" << true << 40000 << 6 << "";
    const QString twice = QString(33000, u'x') + QStringLiteral("wisdom") + QString(2000, u'x') + QStringLiteral("wisdom");
    QTest::newRow("caret past 32767") << twice << 33001 << "wisdom" << false << 35006 << 6 << "";
    QTest::newRow("failure past 65535 ends at the end") << QString(70000, u'y') << 0 << "wisdom" << true << 70000 << 0 << "WISDOM not found";

    // Upper case one character for one: ß has no single upper-case letter and stays,
    // so positions after it do not shift and STRASSE is not STRAßE.
    QTest::newRow("positions after ß do not shift") << "große Weisheit" << 0 << "weisheit" << true << 6 << 8 << "";
    QTest::newRow("ß matches ß") << "GROßE" << 0 << "große" << true << 0 << 5 << "";
    QTest::newRow("ß is not SS") << "Straße" << 0 << "STRASSE" << true << 6 << 0 << "STRASSE not found";
    QTest::newRow("message keeps ß") << "folly" << 0 << "straße" << true << 5 << 0 << "STRAßE not found";
    QTest::newRow("letter beyond 16 bits folds as one") << QStringLiteral(u"x\U00010428y") << 0
                                                        << QStringLiteral(u"\U00010400") << true << 1 << 2 << "";
}

void TestSearch::find()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(QString, search);
    QFETCH(bool, ignoreCase);
    QFETCH(int, expectStart);
    QFETCH(int, expectLength);
    QFETCH(QString, message);

    const auto r = textsearch::find(text, selStart, search, ignoreCase);
    QVERIFY(r.has_value());
    QCOMPARE(r->selStart, qsizetype(expectStart));
    QCOMPARE(r->selLength, qsizetype(expectLength));
    QCOMPARE(r->notFound, !message.isEmpty());
    if (r->notFound)
        QCOMPARE(r->message, message);
}

void TestSearch::emptySearchTextDoesNothing()
{
    QVERIFY(!textsearch::find(u"wisdom", 2, u"", true).has_value());
    QVERIFY(!textsearch::find(u"", 0, u"", false).has_value());
}

void TestSearch::indexOfAgreesWithPlainSearch()
{
    // Texts over two letters are full of repeats and near-misses, where a
    // matcher's fall-back table goes wrong if it can.
    QRandomGenerator rng(1998);
    auto word = [&](int maxLength) {
        QString s;
        for (int i = int(rng.bounded(maxLength + 1)); i > 0; --i)
            s += rng.bounded(2) ? u'a' : u'b';
        return s;
    };
    for (int round = 0; round < 5000; ++round) {
        const QString haystack = word(14);
        const QString needle = word(5);
        const int from = int(rng.bounded(haystack.size() + 2));
        const qsizetype expect = needle.isEmpty() ? (from <= haystack.size() ? from : -1)
                                                  : QStringView(haystack).indexOf(needle, from);
        if (textsearch::indexOf(haystack, needle, from) != expect)
            QFAIL(qPrintable(QStringLiteral("'%1' in '%2' from %3").arg(needle, haystack).arg(from)));
    }
}

void TestSearch::layout_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QSize>("check");
    QTest::addColumn<int>("pictureLeft");
    QTest::addColumn<QStringList>("tabOrder");

    QTest::newRow("Proverbs") << "P" << "Find in Proverbs" << QPoint(6105, 3300) << QSize(1575, 375) << 1920
                              << QStringList{"txtFindP", "cmdFindP", "chkFindP", "cmdCancelP"};
    QTest::newRow("notes") << "N" << "Find in your Notes" << QPoint(615, 3285) << QSize(1695, 495) << 2160
                           << QStringList{"txtFindN", "cmdFindN", "cmdCancelN", "chkFindN"};
    QTest::newRow("information") << "INFO" << "Find Info" << QPoint(5070, 6705) << QSize(1935, 495) << 2280
                                 << QStringList{"txtFindINFO", "cmdFindINFO", "cmdCancelINFO", "chkFindInfo"};
}

void TestSearch::layout()
{
    QFETCH(QString, which);
    QFETCH(QString, caption);
    QFETCH(QPoint, place);
    QFETCH(QSize, check);
    QFETCH(int, pictureLeft);
    QFETCH(QStringList, tabOrder);

    FrmFind* d = open(which);
    QCOMPARE(d->objectName(), QStringLiteral("frmFind") + which);
    QCOMPARE(d->windowTitle(), caption);
    QCOMPARE(d->geometry(), twips::rect(place.x(), place.y(), 4380, 1095));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    const Qt::WindowFlags flags = d->windowFlags();
    QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint)));
    QVERIFY(!d->isModal());

    QCOMPARE(d->txtFind->geometry(), twips::rect(120, 120, 2775, 375));
    QCOMPARE(d->txtFind->font(), fonts::defaultFont());
    QVERIFY(d->txtFind->text().isEmpty());
    d->txtFind->setText(QString(40000, u'w')); // the box sets no length limit of its own
    QCOMPARE(d->txtFind->text().size(), 40000);
    d->txtFind->clear();
    QCOMPARE(d->cmdFind->text(), QStringLiteral("&Find"));
    QCOMPARE(d->cmdFind->geometry(), twips::rect(3000, 120, 1215, 375));
    QVERIFY(d->cmdFind->isDefault());
    QCOMPARE(d->cmdCancel->text(), QStringLiteral("&Cancel"));
    QCOMPARE(d->cmdCancel->geometry(), twips::rect(3000, 600, 1215, 375));
    QCOMPARE(d->chkFind->text(), QStringLiteral("Ignore Case"));
    QCOMPARE(d->chkFind->geometry(), twips::rect(120, 600, check.width(), check.height()));
    QVERIFY(d->chkFind->isChecked());
    for (QWidget* w : {static_cast<QWidget*>(d->cmdFind), static_cast<QWidget*>(d->cmdCancel),
                       static_cast<QWidget*>(d->chkFind)})
        QCOMPARE(w->font(), fonts::systemBold());
    QCOMPARE(d->Image1->geometry(), twips::rect(pictureLeft, 600, 480, 480));
    QVERIFY(!d->Image1->pixmap().isNull());

    // The tab order, round and back to the search text.
    QStringList order;
    QWidget* w = d->txtFind;
    for (int i = 0; i < tabOrder.size(); ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    QCOMPARE(order, tabOrder);

    // The picture is decoration: a click on it leaves the dialog as it was.
    QTest::mouseClick(d->Image1, Qt::LeftButton);
    QVERIFY(d->isVisible());
    QVERIFY(fake().messages.isEmpty());
}

void TestSearch::findThroughDialog_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QString>("how"); // enter, enter-on-check, click, alt-f, paste (then click)
    QTest::addColumn<int>("expectStart");
    QTest::addColumn<int>("expectLength");
    QTest::addColumn<QString>("message");

    const QString verse = QStringLiteral("My son, hear\r\nthe instruction of thy father,\r\nand forsake not the law");
    QTest::newRow("P: Enter, line breaks count two") << "P" << verse << 0 << "LAW" << true << "enter" << 66 << 3 << "";
    QTest::newRow("P: pasted text across a line break") << "P" << verse << 0 << "FATHER,\r\nAND" << true << "paste"
                                                        << 37 << 12 << "";
    QTest::newRow("P: Enter on Ignore Case, not found") << "P" << "Hear, ye children" << 0 << "folly" << true
                                                        << "enter-on-check" << 17 << 0 << "FOLLY not found";
    QTest::newRow("N: Find button, caret in the middle") << "N" << "wisdom is good, wisdom is better" << 1
                                                         << "wisdom" << true << "click" << 16 << 6 << "";
    QTest::newRow("N: case kept, not found") << "N" << "Wisdom" << 0 << "wisdom" << false << "click" << 6 << 0
                                             << "wisdom not found";
    const QString notes = lines(3000, QStringLiteral("a note line of my study\r\n")) + QStringLiteral("Amen");
    QTest::newRow("N: long notes, caret past 32767") << "N" << notes << 40000 << "amen" << true << "click" << 75000
                                                     << 4 << "";
    QTest::newRow("INFO: Alt+F, case kept") << "INFO" << "The lord, the LORD giveth" << 0 << "LORD" << false
                                            << "alt-f" << 14 << 4 << "";
    QTest::newRow("INFO: not found") << "INFO" << "The LORD giveth wisdom" << 0 << "folly" << true << "enter" << 22
                                     << 0 << "FOLLY not found";
}

void TestSearch::findThroughDialog()
{
    QFETCH(QString, which);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(bool, ignoreCase);
    QFETCH(QString, how);
    QFETCH(int, expectStart);
    QFETCH(int, expectLength);
    QFETCH(QString, message);

    FrmFind* d = open(which);
    QVERIFY(QTest::qWaitForWindowActive(d));
    TextBox* target = targetOf(which);
    target->setText(text);
    target->setSelection(caret, 0);

    if (how == u"paste")
        d->txtFind->insert(typed); // a pasted text keeps its line breaks
    else
        QTest::keyClicks(d->txtFind, typed);
    d->chkFind->setChecked(ignoreCase);
    if (how == u"enter") {
        QTest::keyClick(d->txtFind, Qt::Key_Return);
    } else if (how == u"enter-on-check") {
        d->chkFind->setFocus();
        QTest::keyClick(d->chkFind, Qt::Key_Return);
    } else if (how == u"alt-f") {
        QTest::keyClick(d->txtFind, Qt::Key_F, Qt::AltModifier);
    } else {
        QTest::mouseClick(d->cmdFind, Qt::LeftButton);
    }

    QTRY_VERIFY(!d->isVisible()); // an access key shows the button going down first
    QCOMPARE(target->text(), text); // only the selection changes
    QCOMPARE(target->selStart(), expectStart);
    QCOMPARE(target->selLength(), expectLength);
    if (message.isEmpty()) {
        QVERIFY(fake().messages.isEmpty());
        QCOMPARE(target->selText().toUpper(), typed.toUpper());
    } else {
        QCOMPARE(fake().messages.size(), 1);
        const ShownMessage& m = fake().messages.first();
        QCOMPARE(m.text, message);
        QCOMPARE(m.title, QStringLiteral("Find"));
        QCOMPARE(m.icon, MsgIcon::Information);
        QCOMPARE(m.buttons, MsgButtons::Ok);
    }

    // Reopened, the dialog still holds what was typed.
    QCOMPARE(open(which), d);
    QCOMPARE(d->txtFind->text(), typed);
    QCOMPARE(d->chkFind->isChecked(), ignoreCase);
}

void TestSearch::sameHitTwiceThenMoveOn()
{
    FrmFind* d = open(QStringLiteral("N"));
    TextBox* notes = frmMain->txtNotes;
    notes->setText(QStringLiteral("Wisdom and wisdom"));
    QTest::keyClicks(d->txtFind, QStringLiteral("wisdom"));

    auto findAgain = [&] {
        open(QStringLiteral("N"));
        QTest::mouseClick(d->cmdFind, Qt::LeftButton);
        return qMakePair(notes->selStart(), notes->selLength());
    };
    QCOMPARE(findAgain(), qMakePair(0, 6));
    QCOMPARE(findAgain(), qMakePair(0, 6)); // the caret did not move: the same hit
    notes->setSelection(1, 0);
    QCOMPARE(findAgain(), qMakePair(11, 6));
    notes->setSelection(12, 0);
    QCOMPARE(findAgain(), qMakePair(17, 0)); // the caret now stands at the end
    QCOMPARE(findAgain(), qMakePair(17, 0)); // and the earlier hits stay out of reach
    QCOMPARE(fake().messages.size(), 2);
    QCOMPARE(fake().messages.last().text, QStringLiteral("WISDOM not found"));
}

void TestSearch::emptySearchLeavesEverything_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("Proverbs") << "P";
    QTest::newRow("notes") << "N";
    QTest::newRow("information") << "INFO";
}

void TestSearch::emptySearchLeavesEverything()
{
    QFETCH(QString, which);
    FrmFind* d = open(which);
    TextBox* target = targetOf(which);
    target->setText(QStringLiteral("wisdom and folly"));
    target->setSelection(2, 3);
    QTest::keyClick(d->txtFind, Qt::Key_Return);
    QTest::mouseClick(d->cmdFind, Qt::LeftButton);
    QVERIFY(d->isVisible());
    QCOMPARE(target->selStart(), 2);
    QCOMPARE(target->selLength(), 3);
    QVERIFY(fake().messages.isEmpty());

    if (which == u"INFO") { // an empty search does not even bring a closed window back
        frmInfo->close();
        QTest::mouseClick(d->cmdFind, Qt::LeftButton);
        QVERIFY(!frmInfo.isCreated());
        QVERIFY(d->isVisible());
    }
}

void TestSearch::leavingKeepsTextAndCheckBox_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("way");
    for (const char* which : {"P", "N", "INFO"}) {
        for (const char* way : {"Cancel button", "Alt+C", "Esc in the search text", "Esc on Find",
                                "Esc on Ignore Case", "Enter on Cancel", "close request"})
            QTest::addRow("%s: %s", which, way) << QString::fromLatin1(which) << QString::fromLatin1(way);
    }
}

void TestSearch::leavingKeepsTextAndCheckBox()
{
    QFETCH(QString, which);
    QFETCH(QString, way);

    FrmFind* d = open(which);
    QVERIFY(QTest::qWaitForWindowActive(d));
    TextBox* target = targetOf(which);
    target->setText(QStringLiteral("wisdom"));
    target->setSelection(1, 2);
    QTest::keyClicks(d->txtFind, QStringLiteral(" my Son "));
    QTest::mouseClick(d->chkFind, Qt::LeftButton);
    QVERIFY(!d->chkFind->isChecked());

    if (way == u"Cancel button") {
        QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
    } else if (way == u"Alt+C") {
        QTest::keyClick(d->txtFind, Qt::Key_C, Qt::AltModifier);
    } else if (way == u"Esc in the search text") {
        QTest::keyClick(d->txtFind, Qt::Key_Escape);
    } else if (way == u"Esc on Find") {
        d->cmdFind->setFocus();
        QTest::keyClick(d->cmdFind, Qt::Key_Escape);
    } else if (way == u"Esc on Ignore Case") {
        d->chkFind->setFocus();
        QTest::keyClick(d->chkFind, Qt::Key_Escape);
    } else if (way == u"Enter on Cancel") {
        d->cmdCancel->setFocus();
        QTest::keyClick(d->cmdCancel, Qt::Key_Return);
    } else {
        QVERIFY(!d->close()); // refused: the dialog only hides
    }

    QTRY_VERIFY(!d->isVisible()); // an access key shows the button going down first
    QCOMPARE(target->selStart(), 1); // nothing searched
    QCOMPARE(target->selLength(), 2);
    QVERIFY(fake().messages.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(instanceOf(which).isCreated());

    QCOMPARE(open(which), d);
    QCOMPARE(d->txtFind->text(), QStringLiteral(" my Son "));
    QVERIFY(!d->chkFind->isChecked());
}

void TestSearch::reopenBringsSameDialogToFront_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("firstOpener");
    QTest::addColumn<QString>("secondOpener");
    QTest::addColumn<bool>("minimised"); // by the window manager, which may offer it anyway
    QTest::newRow("Proverbs by its menu item") << "P" << "menu" << "menu" << false;
    QTest::newRow("notes by menu item, then binoculars") << "N" << "menu" << "picture" << false;
    QTest::newRow("notes by binoculars, then menu item") << "N" << "picture" << "menu" << false;
    QTest::newRow("information by the bookshelf") << "INFO" << "picture" << "picture" << false;
    QTest::newRow("Proverbs minimised") << "P" << "menu" << "menu" << true;
    QTest::newRow("information minimised") << "INFO" << "picture" << "picture" << true;
}

void TestSearch::reopenBringsSameDialogToFront()
{
    QFETCH(QString, which);
    QFETCH(QString, firstOpener);
    QFETCH(QString, secondOpener);
    QFETCH(bool, minimised);

    FrmFind* d = open(which, firstOpener);
    QVERIFY(QTest::qWaitForWindowActive(d));
    QTest::keyClicks(d->txtFind, QStringLiteral("wisdom"));

    // Another window comes to the front while the dialog stays on screen.
    QWidget* other = which == u"INFO" ? static_cast<QWidget*>(&frmInfo.get()) : &frmMain.get();
    other->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(other));
    QVERIFY(d->isVisible());
    if (minimised)
        d->setWindowState(Qt::WindowMinimized);

    QCOMPARE(open(which, secondOpener), d);
    QVERIFY(!d->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(d));
    QCOMPARE(d->txtFind->text(), QStringLiteral("wisdom"));
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        dialogs += w->objectName() == d->objectName();
    QCOMPARE(dialogs, 1);
}

void TestSearch::findInfoOnHiddenInformationWindow()
{
    FrmFind* d = open(QStringLiteral("INFO"));
    FrmInfo* info = &frmInfo.get();
    QTest::mouseClick(info->cmdReturn, Qt::LeftButton);
    QVERIFY(!info->isVisible());
    QVERIFY(d->isVisible());

    const QString text = info->txtMy->text();
    const qsizetype expect = text.indexOf(QStringLiteral("wisdom"), 0, Qt::CaseInsensitive);
    QVERIFY(expect > 0);
    QTest::keyClicks(d->txtFind, QStringLiteral("WisDom"));
    QTest::mouseClick(d->cmdFind, Qt::LeftButton);

    QCOMPARE(&frmInfo.get(), info);
    QVERIFY(!info->isVisible()); // the hit waits there, unseen
    QCOMPARE(info->txtMy->selStart(), int(expect));
    QCOMPARE(info->txtMy->selLength(), 6);
    QVERIFY(fake().messages.isEmpty());

    // A failure is the one thing the user sees.
    open(QStringLiteral("INFO"));
    frmInfo.hide();
    d->txtFind->setText(QStringLiteral("zzz"));
    QTest::mouseClick(d->cmdFind, Qt::LeftButton);
    QVERIFY(!info->isVisible());
    QCOMPARE(info->txtMy->selStart(), int(text.size()));
    QCOMPARE(fake().messages.size(), 1);
    QCOMPARE(fake().messages.first().text, QStringLiteral("ZZZ not found"));
}

void TestSearch::findInfoAfterInformationWindowClosed()
{
    FrmFind* d = open(QStringLiteral("INFO"));
    QPointer<FrmInfo> old = &frmInfo.get();
    const QString stored = old->DataF->recordset()->value(QStringLiteral("pinfo"));
    QVERIFY(!stored.isEmpty());
    // The old window's caret stood at the end, where a search would fail.
    old->txtMy->setSelection(int(stored.size()), 0);

    QVERIFY(old->close()); // its close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
    QVERIFY(!frmInfo.isCreated());
    QVERIFY(d->isVisible());

    QTest::keyClicks(d->txtFind, QStringLiteral("LORD"));
    d->chkFind->setChecked(false);
    QTest::mouseClick(d->cmdFind, Qt::LeftButton);

    QVERIFY(frmInfo.isCreated());
    FrmInfo* fresh = &frmInfo.get();
    QVERIFY(!fresh->isVisible());
    QCOMPARE(fresh->txtMy->text(), stored);
    QCOMPARE(fresh->txtMy->selStart(), int(stored.indexOf(QStringLiteral("LORD"))));
    QCOMPARE(fresh->txtMy->selLength(), 4);
    QVERIFY(fake().messages.isEmpty());
    QVERIFY(!d->isVisible());

    // The bookshelf of the main window then shows that same window.
    QTest::mouseClick(frmMain->Image1, Qt::LeftButton);
    QCOMPARE(&frmInfo.get(), fresh);
    QVERIFY(fresh->isVisible());
    QCOMPARE(fresh->txtMy->text(), stored);
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
