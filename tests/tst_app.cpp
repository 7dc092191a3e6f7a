// Start-up, the window model and the two ways of ending the program.
#include "app/frmprovs.h"
#include "app/windows.h"
#include "controls/textbox.h"
#include "main/frmmain.h"
#include "notes/notesbox.h"
#include "search/frmfind.h"
#include "reference/frmhelp.h"
#include "reference/frminfo.h"
#include "reference/frmintro.h"
#include "reference/frmoutline.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestApp final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { resetWindows(); }
    void startUpShowsSplashThenMainWindow();
    void exitConfirmation_data();
    void exitConfirmation();
    void closeBoxAsksLikeExit();
    void fileExitEndsAtOnce();
    void exitClosesEveryWindow();
    void instanceCreatesHiddenOnFirstTouch();
    void closeBoxDestroysAndNextShowCreatesAfresh();
    void introLeadsToOutline();
};

void TestApp::startUpShowsSplashThenMainWindow()
{
    FakePlatformScope fake;
    DataFolder data;
    QElapsedTimer sinceStart;
    sinceStart.start();
    frmProvS.show();
    QVERIFY(frmProvS.isVisible());
    QVERIFY(!frmMain.isCreated());
    QCOMPARE(frmProvS->Timer2->interval(), 4000);
    QVERIFY(frmProvS->Timer2->isActive());

    // For four seconds the splash is the only window.
    while (!frmMain.isCreated() && sinceStart.elapsed() < 6000)
        QTest::qWait(20);
    QVERIFY(frmMain.isCreated());
    QVERIFY2(sinceStart.elapsed() >= 4000, qPrintable(QString::number(sinceStart.elapsed())));
    QVERIFY(frmMain.isVisible());
    QVERIFY(!frmProvS.isCreated());
    QVERIFY(!frmMain->LblTime->text().isEmpty());
    QVERIFY(!frmMain->lblDate->text().isEmpty());
    QCOMPARE(frmMain->txtTitle->text(), QStringLiteral("Chapter 1"));
    QVERIFY(fake->messages.isEmpty());
}

void TestApp::exitConfirmation_data()
{
    QTest::addColumn<MsgResult>("answer");
    QTest::newRow("ok") << MsgResult::Ok;
    QTest::newRow("cancel") << MsgResult::Cancel;
}

void TestApp::exitConfirmation()
{
    QFETCH(MsgResult, answer);
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    frmMain->txtNotes->setText(QStringLiteral("unsaved"));
    fake->messageAnswers.enqueue(answer);
    frmMain->cmdExit->click();

    QCOMPARE(fake->messages.size(), 1);
    const ShownMessage& m = fake->messages[0];
    QCOMPARE(m.text, QStringLiteral("Are you sure you want to end your study?"));
    QCOMPARE(m.title, QStringLiteral("Quillmere"));
    QCOMPARE(m.icon, MsgIcon::Question);
    QCOMPARE(m.buttons, MsgButtons::OkCancel);
    if (answer == MsgResult::Ok) {
        QCOMPARE(fake->beeps, 1);
        QCOMPARE(fake->quits, 1);
        QVERIFY(!anyWindowCreated());
    } else {
        QCOMPARE(fake->beeps, 0);
        QCOMPARE(fake->quits, 0);
        QVERIFY(frmMain.isVisible());
        QCOMPARE(frmMain->txtNotes->text(), QStringLiteral("unsaved"));
    }
}

void TestApp::closeBoxAsksLikeExit()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    fake->messageAnswers.enqueue(MsgResult::Cancel);
    QVERIFY(!frmMain->close()); // refused
    QCOMPARE(fake->messages.size(), 1);
    QVERIFY(frmMain.isVisible());

    fake->messageAnswers.enqueue(MsgResult::Ok);
    frmMain->close();
    QCOMPARE(fake->quits, 1);
    QVERIFY(!frmMain.isCreated());
}

void TestApp::fileExitEndsAtOnce()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    QApplication::setActiveWindow(&frmMain.get());
    frmMain->txtNotes->setText(QStringLiteral("unsaved"));
    frmMain->txtNotes->setFocus();
    QTest::keyClick(frmMain->txtNotes, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(fake->quits, 1);
    QVERIFY(fake->messages.isEmpty());
    QCOMPARE(fake->beeps, 0);
    QVERIFY(!anyWindowCreated());
}

void TestApp::exitClosesEveryWindow()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    frmFindN.show();
    frmHelp.show();
    frmIntro.get(); // created, hidden
    frmMain->mnuFileExit->trigger();
    QVERIFY(!anyWindowCreated());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TestApp::instanceCreatesHiddenOnFirstTouch()
{
    FakePlatformScope fake;
    DataFolder data;
    QVERIFY(!frmInfo.isCreated());
    // Reading a control of a window that does not exist creates it, hidden.
    QVERIFY(frmInfo->txtMy->text().startsWith(QStringLiteral("")));
    QVERIFY(frmInfo.isCreated());
    QVERIFY(!frmInfo.isVisible());
    FrmInfo* first = &frmInfo.get();
    frmInfo.show();
    frmInfo.show(); // brought to the front: still the one window
    QCOMPARE(&frmInfo.get(), first);
    frmInfo.hide();
    QVERIFY(frmInfo.isCreated());
}

void TestApp::closeBoxDestroysAndNextShowCreatesAfresh()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    frmMain->mnuHelpHowTo->trigger();
    QVERIFY(frmHelp.isVisible());
    QPointer<FrmHelp> old = &frmHelp.get();
    QVERIFY(old->close());
    QVERIFY(!frmHelp.isCreated());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
    frmMain->mnuHelpHowTo->trigger();
    QVERIFY(frmHelp.isVisible());
    QVERIFY(frmMain.isVisible()); // the main window is untouched by other windows' close boxes
}

void TestApp::introLeadsToOutline()
{
    FakePlatformScope fake;
    DataFolder data;
    frmMain.show();
    frmMain->cmdIntro->click();
    QVERIFY(frmIntro.isVisible());
    frmIntro->cmdRIntro->click();
    QVERIFY(!frmIntro.isVisible());
    QVERIFY(frmIntro.isCreated());
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
