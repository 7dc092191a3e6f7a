// Every control of every window has a name for assistive technology: its caption,
// or what it shows.
#include "app/windows.h"
#include "main/frmmain.h"
#include "reference/frmbook.h"
#include "reference/frmhelp.h"
#include "reference/frminfo.h"
#include "reference/frmintro.h"
#include "reference/frmoutline.h"
#include "reference/frmreal.h"
#include "search/frmfind.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

class TestAccessibility final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { resetWindows(); }
    void everyControlIsNamed_data();
    void everyControlIsNamed();
};

void TestAccessibility::everyControlIsNamed_data()
{
    QTest::addColumn<QString>("window");
    for (const char* w : {"frmMain", "frmFindP", "frmFindN", "frmFindINFO", "frmInfo", "frmHelp", "frmBook",
                          "frmIntro", "frmOutline", "frmReal"})
        QTest::newRow(w) << QString::fromLatin1(w);
}

void TestAccessibility::everyControlIsNamed()
{
    QFETCH(QString, window);
    FakePlatformScope fake;
    DataFolder data;
    const QHash<QString, QWidget*> windows = {
        {"frmMain", &frmMain.get()}, {"frmFindP", &frmFindP.get()}, {"frmFindN", &frmFindN.get()},
        {"frmFindINFO", &frmFindINFO.get()}, {"frmInfo", &frmInfo.get()}, {"frmHelp", &frmHelp.get()},
        {"frmBook", &frmBook.get()}, {"frmIntro", &frmIntro.get()}, {"frmOutline", &frmOutline.get()},
        {"frmReal", &frmReal.get()}};
    QWidget* w = windows.value(window);
    w->show();
    QStringList unnamed;
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || child->objectName().startsWith(QLatin1String("qt_"))
            || !child->isVisibleTo(w) || qobject_cast<QScrollBar*>(child))
            continue;
        if (child->metaObject() == &QWidget::staticMetaObject || child->metaObject() == &QFrame::staticMetaObject)
            continue; // plain containers and rules show nothing themselves
        if (child->parentWidget() && qobject_cast<QComboBox*>(child->parentWidget()))
            continue; // the combo box's own edit field, named by the combo box
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << child->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
