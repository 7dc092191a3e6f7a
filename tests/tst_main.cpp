// The main window: layout, menus, clock, About, and the chapter reader.
#include "app/windows.h"
#include "controls/textbox.h"
#include "main/clockformat.h"
#include "main/frmmain.h"
#include "notes/notesbox.h"
#include "records/databar.h"
#include "records/recordsource.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

class TestMain final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { resetWindows(); }
    void timeFormat_data();
    void timeFormat();
    void dateFormat_data();
    void dateFormat();
    void loadSetsClockAndTickFollows();
    void captionAndLayout();
    void menus();
    void tabOrderAndFocus();
    void about();
    void chapterList();
    void arrowsLeaveTheListAlone();
    void typingInTheListSelectsNothing();
    void duplicateTitleReachesTheFirst();
    void missingDatabaseStillOpensTheWindow();
};

void TestMain::timeFormat_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("midnight") << QTime(0, 0) << "12:00 AM";
    QTest::newRow("half past midnight") << QTime(0, 30) << "12:30 AM";
    QTest::newRow("morning") << QTime(9, 7, 59) << "09:07 AM";
    QTest::newRow("before noon") << QTime(11, 59) << "11:59 AM";
    QTest::newRow("noon") << QTime(12, 0) << "12:00 PM";
    QTest::newRow("afternoon") << QTime(13, 5) << "01:05 PM";
    QTest::newRow("last minute") << QTime(23, 59) << "11:59 PM";
}

void TestMain::timeFormat()
{
    QFETCH(QTime, time);
    QTEST(clockformat::time(time), "expected");
}

void TestMain::dateFormat_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("designed example") << QDate(1998, 12, 9) << en << "Wednesday,December 09, 1998";
    QTest::newRow("first of month") << QDate(2026, 3, 1) << en << "Sunday,March 01, 2026";
    QTest::newRow("leap day") << QDate(2024, 2, 29) << en << "Thursday,February 29, 2024";
    QTest::newRow("german names") << QDate(1998, 12, 9) << QLocale(QLocale::German, QLocale::Germany)
                                  << "Mittwoch,Dezember 09, 1998";
}

void TestMain::dateFormat()
{
    QFETCH(QDate, date);
    QFETCH(QLocale, locale);
    QTEST(clockformat::date(date, locale), "expected");
}

void TestMain::loadSetsClockAndTickFollows()
{
    FakePlatformScope fake;
    DataFolder data;
    fake->clock = QDateTime(QDate(1998, 12, 9), QTime(0, 30));
    FrmMain& w = frmMain.get();
    QCOMPARE(w.LblTime->text(), QStringLiteral("12:30 AM"));
    QCOMPARE(w.lblDate->text(), QStringLiteral("Wednesday,December 09, 1998"));
    QCOMPARE(w.Timer1->interval(), 500);
    QVERIFY(w.Timer1->isActive()); // runs from creation, before the window is shown

    fake->clock = QDateTime(QDate(1998, 12, 10), QTime(13, 5));
    QTRY_COMPARE_WITH_TIMEOUT(w.LblTime->text(), QStringLiteral("01:05 PM"), 700);
    QCOMPARE(w.lblDate->text(), QStringLiteral("Thursday,December 10, 1998"));
    // The date label sizes itself to its text.
    QCOMPARE(w.lblDate->width(), w.lblDate->sizeHint().width());
}

void TestMain::captionAndLayout()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    FrmMain& w = frmMain.get();
    const QString caption = w.windowTitle();
    QCOMPARE(caption.size(), 153);
    QVERIFY(caption.startsWith(QStringLiteral("      Quillmere ")));
    QVERIFY(caption.endsWith(QStringLiteral(" Version 1.1")));
    QCOMPARE(w.centralWidget()->size(), QSize(790, 526));
    QCOMPARE(w.txtProverbs->geometry(), QRect(40, 48, 361, 369));
    QCOMPARE(w.txtNotes->geometry(), QRect(456, 80, 286, 321));
    QCOMPARE(w.cmdExit->geometry(), QRect(672, 472, 89, 33));
    QCOMPARE(w.Combo1->geometry(), QRect(40, 472, 185, 24));
    QCOMPARE(w.DataP1->geometry(), QRect(40, 448, 185, 25));
    QCOMPARE(w.DataP1->caption(), QStringLiteral("      Proverbs"));
    QCOMPARE(w.centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 128));
    QCOMPARE(w.txtProverbs->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(w.txtProverbs->palette().color(QPalette::Text), QColor(0, 0, 128));
    QCOMPARE(w.txtNotes->palette().color(QPalette::Text), QColor(128, 0, 0));
    QCOMPARE(w.txtNotes->font().pointSizeF(), 12.0);
    QVERIFY(w.txtNotes->font().bold());
    QCOMPARE(w.cmdIntro->text(), QStringLiteral("&Intro"));
    QCOMPARE(w.Label1->text(), QStringLiteral("To Info Area"));
    QVERIFY(w.txtProverbs->isReadOnly());
    QVERIFY(w.txtTitle->isReadOnly());
    QVERIFY(!w.txtNotes->isReadOnly());
    QCOMPARE(w.Combo1->count(), 31);
    QCOMPARE(w.Combo1->itemText(30), QStringLiteral("Chapter 31"));
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("Chapters"));
}

void TestMain::menus()
{
    FakePlatformScope fake;
    DataFolder data;
    FrmMain& w = frmMain.get();
    QStringList seen;
    for (QAction* menu : w.menuBar()->actions()) {
        QStringList items;
        for (QAction* a : menu->menu()->actions()) {
            QString row = a->isSeparator() ? QStringLiteral("—") : a->text();
            if (!a->shortcut().isEmpty())
                row += QLatin1Char('[') + a->shortcut().toString() + QLatin1Char(']');
            QVERIFY(a->isEnabled());
            QVERIFY(!a->isChecked());
            items << row;
        }
        seen << menu->text() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    const QStringList expected = {
        "&File: &New Page, &Open Notes[Ctrl+O], &Save Notes[Ctrl+S], Save &As[F3], &Print[Ctrl+P], —, E&xit[Ctrl+Q]",
        "&Edit: &Copy[Ctrl+C], Cu&t[Ctrl+X], &Paste[Ctrl+V]",
        "F&ormat: &Font[Ctrl+F], &Bold[Ctrl+B]",
        "&Search: Search &Proverbs[Ctrl+Z], Search &Notes",
        "&Help: &About This Program, &How to Use This Program[F1], —, &Book Shelf, &Real Help",
    };
    QCOMPARE(seen, expected);
}

void TestMain::tabOrderAndFocus()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    FrmMain& w = frmMain.get();
    QApplication::setActiveWindow(&w);
    QCOMPARE(QApplication::focusWidget(), w.txtProverbs);
    QStringList order;
    QWidget* at = w.txtProverbs;
    for (int i = 0; i < 11; ++i) {
        order << at->objectName();
        at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(&w))
            at = at->nextInFocusChain();
        if (at->parentWidget() == w.Combo1)
            at = w.Combo1;
    }
    QCOMPARE(order, QStringList({"txtProverbs", "txtNotes", "cmdExit", "cmdANnew", "cmdANopen", "cmdANsave",
                                 "cmdANcopy", "cmdANprint", "cmdIntro", "txtTitle", "Combo1"}));
}

void TestMain::about()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain->mnuHelpAbout->trigger();
    QCOMPARE(fake->beeps, 1);
    QCOMPARE(fake->messages.size(), 1);
    const ShownMessage& m = fake->messages[0];
    QCOMPARE(m.title, QStringLiteral("About Quillmere"));
    QVERIFY(m.text.startsWith(QStringLiteral("Quillmere")));
    QVERIFY(m.text.endsWith(QStringLiteral("Version 1.1.0")));
    QVERIFY(!m.text.contains(u'\n'));
    QCOMPARE(m.icon, MsgIcon::Information);
    QCOMPARE(m.buttons, MsgButtons::Ok);
}

void TestMain::chapterList()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    FrmMain& w = frmMain.get();
    QCOMPARE(w.txtTitle->text(), QStringLiteral("Chapter 1"));
    QVERIFY(w.txtProverbs->text().startsWith(QStringLiteral("1 The proverbs of Solomon")));
    for (int c : {12, 31, 1}) {
        w.Combo1->setCurrentIndex(c - 1);
        emit w.Combo1->activated(c - 1);
        QCOMPARE(w.txtTitle->text(), QStringLiteral("Chapter %1").arg(c));
        QCOMPARE(w.DataP1->recordset()->position(), c - 1);
    }
    // Arrow keys in the list select a chapter too.
    w.Combo1->setFocus();
    QTest::keyClick(w.Combo1, Qt::Key_Down);
    QCOMPARE(w.txtTitle->text(), QStringLiteral("Chapter 2"));
    QVERIFY(w.txtProverbs->text().startsWith(QStringLiteral("1 My son, if thou wilt receive my words")));
}

void TestMain::arrowsLeaveTheListAlone()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    FrmMain& w = frmMain.get();
    w.Combo1->setCurrentIndex(30);
    emit w.Combo1->activated(30);
    const int h = w.DataP1->height();
    QTest::mouseClick(w.DataP1, Qt::LeftButton, {}, QPoint(h + h / 2, h / 2)); // previous
    QCOMPARE(w.txtTitle->text(), QStringLiteral("Chapter 30"));
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("Chapter 31"));
    QTest::mouseClick(w.DataP1, Qt::LeftButton, {}, QPoint(w.DataP1->width() - h / 2, h / 2)); // last
    QTest::mouseClick(w.DataP1, Qt::LeftButton, {}, QPoint(w.DataP1->width() - h - h / 2, h / 2)); // next
    QCOMPARE(w.txtTitle->text(), QStringLiteral("Chapter 31"));
    QTest::mouseClick(w.DataP1, Qt::LeftButton, {}, QPoint(h / 2, h / 2)); // first
    QTest::mouseClick(w.DataP1, Qt::LeftButton, {}, QPoint(h + h / 2, h / 2)); // previous
    QCOMPARE(w.txtTitle->text(), QStringLiteral("Chapter 1"));
    QTest::mouseClick(w.DataP1, Qt::LeftButton, {}, QPoint(w.DataP1->width() / 2, h / 2)); // caption
    QCOMPARE(w.txtTitle->text(), QStringLiteral("Chapter 1"));
}

void TestMain::typingInTheListSelectsNothing()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    FrmMain& w = frmMain.get();
    QApplication::setActiveWindow(&w);
    w.Combo1->setFocus();
    w.Combo1->lineEdit()->selectAll();
    QTest::keyClicks(w.Combo1->lineEdit(), QStringLiteral("Chapter 5"));
    QTest::keyClick(w.Combo1->lineEdit(), Qt::Key_Return);
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("Chapter 5"));
    QCOMPARE(w.txtTitle->text(), QStringLiteral("Chapter 1"));
    w.txtProverbs->setFocus(); // leaving the edit field selects nothing either
    QCOMPARE(w.txtTitle->text(), QStringLiteral("Chapter 1"));
    // The chapter text cannot be changed, only selected.
    w.txtProverbs->setFocus();
    QTest::keyClicks(w.txtProverbs, QStringLiteral("zz"));
    QTest::keyClick(w.txtProverbs, Qt::Key_Delete);
    QVERIFY(w.txtProverbs->text().startsWith(QStringLiteral("1 The proverbs")));
    QTest::keyClick(w.txtProverbs, Qt::Key_End, Qt::ShiftModifier);
    QVERIFY(w.txtProverbs->selLength() > 0);
}

void TestMain::duplicateTitleReachesTheFirst()
{
    FakePlatformScope fake;
    DataFolder data(QStringList{});
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dup"));
        db.setDatabaseName(data.file(QStringLiteral("pad.mdb")));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE pad (title TEXT, chapter TEXT)")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO pad VALUES ('Chapter 1','one'),('Chapter 2','first two'),"
                                      "('Chapter 2','second two')")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("dup"));
    FrmMain& w = frmMain.get();
    w.DataP1->recordset()->moveLast();
    QCOMPARE(w.txtProverbs->text(), QStringLiteral("second two"));
    w.Combo1->setCurrentIndex(1);
    emit w.Combo1->activated(1);
    QCOMPARE(w.txtProverbs->text(), QStringLiteral("first two"));
}

void TestMain::missingDatabaseStillOpensTheWindow()
{
    FakePlatformScope fake;
    DataFolder data(QStringList{});
    frmMain.show();
    QVERIFY(frmMain.isVisible());
    QCOMPARE(fake->messages.size(), 1);
    QVERIFY(fake->messages[0].text.contains(QStringLiteral("pad.mdb")));
    QCOMPARE(frmMain->txtProverbs->text(), QString());
    frmMain->Combo1->setCurrentIndex(4);
    emit frmMain->Combo1->activated(4);
    QCOMPARE(frmMain->txtTitle->text(), QString());
    QCOMPARE(data.entries(), QStringList());
}

QTEST_MAIN(TestMain)
#include "tst_main.moc"
