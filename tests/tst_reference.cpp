// The reference windows: the reading pages, the information window, the help
// window with its point sprinkler and the bookshelf, driven through their real
// widgets from the main window's commands.
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include "app/windows.h"
#include "controls/picture.h"
#include "controls/roundhalfeven.h"
#include "controls/textbox.h"
#include "main/frmmain.h"
#include "records/databar.h"
#include "records/recordsource.h"
#include "reference/frmbook.h"
#include "reference/frmhelp.h"
#include "reference/frminfo.h"
#include "reference/frmintro.h"
#include "reference/frmoutline.h"
#include "reference/frmreal.h"
#include "reference/readingtext.h"
#include "reference/sprinkler.h"
#include "reference/uniformsource.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>
#include <set>

namespace {
// One reference window as the main window opens it.
struct Page {
    const char* name;
    std::function<void()> open;       // the main window's command
    std::function<Form*()> window;    // the window, or null when not created
    std::function<QPushButton*()> returnButton;
};

template <class T>
Form* created(Instance<T>& w)
{
    return w.isCreated() ? &w.get() : nullptr;
}

const std::vector<Page>& pages()
{
    static const std::vector<Page> list = {
        {"intro", [] { frmMain->cmdIntro->click(); }, [] { return created(frmIntro); },
         [] { return frmIntro->cmdRIntro; }},
        {"info", [] { frmMain->Image1_Click(); }, [] { return created(frmInfo); },
         [] { return frmInfo->cmdReturn; }},
        {"help", [] { frmMain->mnuHelpHowTo->trigger(); }, [] { return created(frmHelp); },
         [] { return frmHelp->cmdExit; }},
        {"book", [] { frmMain->mnuHelpBookShelf->trigger(); }, [] { return created(frmBook); },
         [] { return frmBook->cmdBReturn; }},
        {"real", [] { frmMain->mnuHelpRealHelp->trigger(); }, [] { return created(frmReal); },
         [] { return frmReal->cmdRReturn; }},
    };
    return list;
}

void addPageRows()
{
    QTest::addColumn<int>("page");
    for (int i = 0; i < int(pages().size()); ++i)
        QTest::newRow(pages()[i].name) << i;
}

// Writes a table of text fields into a new database file.
void writeTable(const QString& file, const QString& table, const QStringList& fields,
                const QList<QStringList>& rows)
{
    const QString connection = QStringLiteral("tst_reference_writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QStringList columns;
        for (const QString& f : fields)
            columns << f + QStringLiteral(" TEXT");
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(table, columns.join(u','))));
        for (const QStringList& row : rows) {
            q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                          .arg(table, QStringList(fields.size(), QStringLiteral("?")).join(u',')));
            for (int i = 0; i < row.size(); ++i)
                q.bindValue(i, row.at(i));
            QVERIFY(q.exec());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

// Scripted draws, in order; the test fails if the sprinkler asks for more.
class ScriptedSource final : public UniformSource {
public:
    explicit ScriptedSource(QList<float> values) : m_values(std::move(values)) {}
    float next() override
    {
        ++draws;
        return m_values.isEmpty() ? 0.0f : m_values.takeFirst();
    }
    int draws = 0;

private:
    QList<float> m_values;
};

QColor background(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

// Pixels of a rendering of the help window that differ from its background,
// outside its controls.
std::set<std::pair<int, int>> sprinkledPixels(FrmHelp& help)
{
    const QImage image = help.grab().toImage();
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (help.childAt(x, y) == nullptr && image.pixelColor(x, y) != background(&help))
                found.insert({x, y});
        }
    }
    return found;
}
} // namespace

class TestReference final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void navigationRows_data() { addPageRows(); }
    void navigationRows();
    void reopeningGoesBackToTheFirstRecord_data();
    void reopeningGoesBackToTheFirstRecord();
    void outlineLeavesItsOpenerHidden_data();
    void outlineLeavesItsOpenerHidden();
    void keys_data();
    void keys();
    void bookshelfTabOrder();
    void boxesAreReadOnly_data();
    void boxesAreReadOnly();
    void readingTexts();
    void scripturePageShowsEveryLabelAndItsButton();
    void bookshelfArrowsMoveTheFourBoxes();

    void roundHalfEven_data();
    void roundHalfEven();
    void sprinkleDrawsFiveValuesPerPointInOrder();
    void sprinkleCoversColoursAndClientArea();
    void helpWindowSprinklesAndForgets();

    void badData_data();
    void badData();

private:
    FakePlatform& fake() { return **m_fake; }
    std::unique_ptr<FakePlatformScope> m_fake;
    std::unique_ptr<DataFolder> m_data;
};

void TestReference::init()
{
    m_fake = std::make_unique<FakePlatformScope>();
    m_data = std::make_unique<DataFolder>();
}

void TestReference::cleanup()
{
    resetWindows();
    m_data.reset();
    m_fake.reset();
}

void TestReference::navigationRows()
{
    QFETCH(int, page);
    const Page& p = pages()[page];
    frmMain.show();
    QVERIFY(!p.window());

    p.open();
    QPointer<Form> first = p.window();
    QVERIFY(first && first->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(first));
    first->setProperty("seen", true);

    // Return hides and keeps the window; the next opening shows the same one.
    p.returnButton()->click();
    QVERIFY(first && !first->isVisible());
    QVERIFY(frmMain.isVisible());
    p.open();
    QCOMPARE(p.window(), first.data());
    QVERIFY(first->isVisible() && first->property("seen").toBool());

    // Opening a shown window only brings it to the front.
    p.open();
    QCOMPARE(p.window(), first.data());

    // The close box destroys it; the next opening creates it afresh.
    QVERIFY(first->close());
    QVERIFY(!p.window());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    p.open();
    QVERIFY(p.window() && p.window()->isVisible());
    QVERIFY(!p.window()->property("seen").isValid());
    QVERIFY(fake().messages.isEmpty());
}

void TestReference::reopeningGoesBackToTheFirstRecord_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("backToFirst");
    QTest::newRow("info") << 1 << true;
    QTest::newRow("help") << 2 << true;
    QTest::newRow("book") << 3 << false;
}

void TestReference::reopeningGoesBackToTheFirstRecord()
{
    QFETCH(int, page);
    QFETCH(bool, backToFirst);
    const Page& p = pages()[page];
    // Three records each, so that a move shows.
    const QStringList three = {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")};
    QFile::remove(m_data->file(QStringLiteral("pinfo.mdb")));
    QFile::remove(m_data->file(QStringLiteral("phelp.mdb")));
    writeTable(m_data->file(QStringLiteral("pinfo.mdb")), QStringLiteral("pinfo"), {QStringLiteral("pinfo")},
               {{three[0]}, {three[1]}, {three[2]}});
    writeTable(m_data->file(QStringLiteral("phelp.mdb")), QStringLiteral("phelp"), {QStringLiteral("phelp")},
               {{three[0]}, {three[1]}, {three[2]}});

    frmMain.show();
    p.open();
    RecordSource* source = nullptr;
    std::function<QString()> shown;
    if (page == 1) {
        source = frmInfo->DataF->recordset();
        shown = [] { return frmInfo->txtMy->text(); };
    } else if (page == 2) {
        source = frmHelp->DataH->recordset();
        shown = [] { return frmHelp->Text1->text(); };
    } else {
        source = frmBook->Data1->recordset();
        shown = [] { return frmBook->txtTitle->text(); };
    }
    const QString firstText = shown();
    source->moveNext();
    source->moveNext();
    const QString thirdText = shown();
    QVERIFY(thirdText != firstText);

    p.returnButton()->click();
    p.open();
    QCOMPARE(shown(), backToFirst ? firstText : thirdText);

    // Shown and moved again, the command still puts it back (or leaves it).
    source->moveLast();
    const QString lastText = shown();
    p.open();
    QCOMPARE(shown(), backToFirst ? firstText : lastText);
}

void TestReference::outlineLeavesItsOpenerHidden_data()
{
    QTest::addColumn<bool>("fromIntro");
    QTest::newRow("from the introduction") << true;
    QTest::newRow("from the information window") << false;
}

void TestReference::outlineLeavesItsOpenerHidden()
{
    QFETCH(bool, fromIntro);
    frmMain.show();
    QWidget* opener = nullptr;
    if (fromIntro) {
        frmMain->cmdIntro->click();
        opener = &frmIntro.get();
        frmIntro->Cmdout1->click();
    } else {
        frmMain->Image1_Click();
        opener = &frmInfo.get();
        frmInfo->cmdOutline->click();
    }
    QVERIFY(!opener->isVisible());
    QVERIFY(frmOutline.isVisible());

    frmOutline->txtOutline->verticalScrollBar()->setValue(3);
    frmOutline->cmdOutReturn->click();
    QVERIFY(!frmOutline.isVisible());
    QVERIFY(!opener->isVisible());
    QVERIFY(frmMain.isVisible());
    const QList<QWidget*> shown = [] {
        QList<QWidget*> list;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && !w->inherits("QMenu"))
                list << w;
        }
        return list;
    }();
    QCOMPARE(shown, QList<QWidget*>{&frmMain.get()});

    // Hidden, the outline keeps its place; the close box sends it back to the top.
    frmOutline.show();
    QCOMPARE(frmOutline->txtOutline->verticalScrollBar()->value(), 3);
    QVERIFY(frmOutline->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmOutline.show();
    QCOMPARE(frmOutline->txtOutline->verticalScrollBar()->value(), 0);
}

void TestReference::keys_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus"); // the control that has the focus first; empty: as opened
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("hides");
    QTest::addColumn<bool>("showsOutline");
    const int none = Qt::NoModifier;
    const int alt = Qt::AltModifier;
    QTest::newRow("intro Alt+O from its text") << 0 << "txtIntro" << int(Qt::Key_O) << alt << true << true;
    QTest::newRow("intro Alt+R from its text") << 0 << "txtIntro" << int(Qt::Key_R) << alt << true << false;
    QTest::newRow("intro Enter on Return") << 0 << "" << int(Qt::Key_Return) << none << true << false;
    QTest::newRow("intro Esc") << 0 << "" << int(Qt::Key_Escape) << none << false << false;
    QTest::newRow("info Enter in its text") << 1 << "txtMy" << int(Qt::Key_Return) << none << true << false;
    QTest::newRow("info Alt+O") << 1 << "txtMy" << int(Qt::Key_O) << alt << true << true;
    QTest::newRow("info Esc") << 1 << "txtMy" << int(Qt::Key_Escape) << none << false << false;
    QTest::newRow("help Enter") << 2 << "" << int(Qt::Key_Return) << none << true << false;
    QTest::newRow("help Space") << 2 << "" << int(Qt::Key_Space) << none << true << false;
    QTest::newRow("help Alt+R from its text") << 2 << "Text1" << int(Qt::Key_R) << alt << true << false;
    QTest::newRow("help Esc") << 2 << "" << int(Qt::Key_Escape) << none << false << false;
    QTest::newRow("book Enter") << 3 << "" << int(Qt::Key_Return) << none << true << false;
    QTest::newRow("book Alt+R from a box") << 3 << "txtComments" << int(Qt::Key_R) << alt << true << false;
    QTest::newRow("book Esc") << 3 << "" << int(Qt::Key_Escape) << none << false << false;
    QTest::newRow("real Enter") << 4 << "" << int(Qt::Key_Return) << none << true << false;
    QTest::newRow("real Space") << 4 << "" << int(Qt::Key_Space) << none << true << false;
    QTest::newRow("real Alt+R") << 4 << "" << int(Qt::Key_R) << alt << true << false;
    QTest::newRow("real Esc") << 4 << "" << int(Qt::Key_Escape) << none << false << false;
}

void TestReference::keys()
{
    QFETCH(int, page);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, hides);
    QFETCH(bool, showsOutline);
    const Page& p = pages()[page];
    frmMain.show();
    p.open();
    Form* w = p.window();
    QVERIFY(QTest::qWaitForWindowActive(w));
    if (focus.isEmpty()) {
        // As opened, the window's first tab stop has the focus.
        const QWidget* expected = page == 1 ? static_cast<QWidget*>(frmInfo->txtMy) : p.returnButton();
        QCOMPARE(QApplication::focusWidget(), expected);
    } else {
        auto* target = w->findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus(Qt::MouseFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
    }

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // An access key presses its button a moment later, as a click would.
    QTRY_COMPARE(w->isVisible(), !hides);
    QCOMPARE(frmOutline.isVisible(), showsOutline);
    QVERIFY(frmMain.isVisible());
}

void TestReference::bookshelfTabOrder()
{
    frmMain.show();
    frmMain->mnuHelpBookShelf->trigger();
    QVERIFY(QTest::qWaitForWindowActive(&frmBook.get()));
    const QList<QWidget*> expected = {frmBook->txtTitle, frmBook->txtAuthor, frmBook->txtPub,
                                      frmBook->txtComments, frmBook->cmdBReturn};
    QCOMPARE(QApplication::focusWidget(), frmBook->cmdBReturn);
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // On the help window, Tab stays on its only tab stop.
    frmMain->mnuHelpHowTo->trigger();
    QVERIFY(QTest::qWaitForWindowActive(&frmHelp.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), frmHelp->cmdExit);
}

void TestReference::boxesAreReadOnly_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("txtIntro") << "frmIntro/txtIntro";
    QTest::newRow("txtOutline") << "frmOutline/txtOutline";
    QTest::newRow("txtMy") << "frmInfo/txtMy";
    QTest::newRow("Text1") << "frmHelp/Text1";
    QTest::newRow("Text2") << "frmHelp/Text2";
    QTest::newRow("txtTitle") << "frmBook/txtTitle";
    QTest::newRow("txtAuthor") << "frmBook/txtAuthor";
    QTest::newRow("txtPub") << "frmBook/txtPub";
    QTest::newRow("txtComments") << "frmBook/txtComments";
}

void TestReference::boxesAreReadOnly()
{
    QFETCH(QString, box);
    const QString window = box.section(u'/', 0, 0);
    frmMain.show();
    QWidget* w = nullptr;
    if (window == QLatin1String("frmIntro")) { frmIntro.show(); w = &frmIntro.get(); }
    if (window == QLatin1String("frmOutline")) { frmOutline.show(); w = &frmOutline.get(); }
    if (window == QLatin1String("frmInfo")) { frmMain->Image1_Click(); w = &frmInfo.get(); }
    if (window == QLatin1String("frmHelp")) { frmMain->mnuHelpHowTo->trigger(); w = &frmHelp.get(); }
    if (window == QLatin1String("frmBook")) { frmMain->mnuHelpBookShelf->trigger(); w = &frmBook.get(); }
    auto* text = w->findChild<TextBox*>(box.section(u'/', 1));
    QVERIFY(text);
    QVERIFY(QTest::qWaitForWindowActive(w));
    const QString before = text->text();
    QVERIFY(!before.isEmpty());

    text->setFocus(Qt::MouseFocusReason);
    text->setSelection(0, 3);
    QTest::keyClicks(text, QStringLiteral("xyz"));
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_Backspace);
    fake().clipboard = QStringLiteral("pasted");
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    text->paste();
    QCOMPARE(text->text(), before);

    // The text can still be selected, with the mouse's or the keyboard's keys.
    const int start = int(before.indexOf(QRegularExpression(QStringLiteral("[^\r\n]{2}"))));
    text->setSelStart(start);
    QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(text->selStart(), start);
    QCOMPARE(text->selText(), before.mid(start, 2));
    // ... and copied with the ordinary key, which is no menu shortcut outside the main window.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), before.mid(start, 2));
    QCOMPARE(fake().clipboard, QStringLiteral("pasted"));
}

void TestReference::readingTexts()
{
    frmMain.show();
    // The pages hold their texts with CR LF line ends, at their designed lengths.
    const QString intro = frmIntro->txtIntro->text();
    QCOMPARE(intro.size(), 456);
    QCOMPARE(intro.count(QStringLiteral("\r\n")), 15);
    QVERIFY(intro.startsWith(QStringLiteral("\r\n\r\nAuthor:")));
    QVERIFY(intro.endsWith(QStringLiteral("  Proverbs 1:7\r\n")));
    QVERIFY(!intro.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));

    const QString outline = frmOutline->txtOutline->text();
    QCOMPARE(outline.size(), 1034);
    QCOMPARE(outline.count(QStringLiteral("\r\n")), 27);
    QVERIFY(outline.startsWith(QStringLiteral("1.    Introduction of Wisdom 1:1-7\r\n")));

    const QList<QPair<QLabel*, int>> passages = {
        {frmReal->lblRom310, 66}, {frmReal->lblRom323, 70}, {frmReal->lblRom512, 143},
        {frmReal->lblRom623, 110}, {frmReal->lblRom58, 102}, {frmReal->lblRom1013, 80},
        {frmReal->lblRom109, 350}};
    for (const auto& [label, length] : passages)
        QCOMPARE(label->text().size(), length);
    QVERIFY(frmReal->lblRom323->text().endsWith(QStringLiteral(".   Romans 3:23")));
    QVERIFY(frmReal->lblRom109->text().startsWith(QStringLiteral("That if thou shalt confess with thy mouth")));

    QCOMPARE(frmBook->Label1->text().size(), 181);
    QVERIFY(frmBook->Label1->text().startsWith(QStringLiteral("Many of the books listed")));
    QCOMPARE(frmHelp->Text2->text(), QStringLiteral("Quillmere"));

    // Captions: the name, spaces, and the window's word at the end.
    const QList<QPair<QWidget*, QString>> captions = {
        {&frmIntro.get(), QStringLiteral("Introduction")}, {&frmOutline.get(), QStringLiteral("Outline")},
        {&frmReal.get(), QStringLiteral("Real Help")}, {&frmInfo.get(), QStringLiteral("Information")},
        {&frmHelp.get(), QStringLiteral("Help")}, {&frmBook.get(), QStringLiteral("Bookshelf")}};
    const QList<int> lengths = {70, 86, 104, 114, 106, 101};
    for (int i = 0; i < captions.size(); ++i) {
        const QString title = captions[i].first->windowTitle();
        QCOMPARE(title.size(), lengths[i]);
        QVERIFY(title.startsWith(QStringLiteral("Quillmere ")));
        QVERIFY(title.endsWith(u' ' + captions[i].second));
    }

    QCOMPARE(readingtext::withCrLf(QStringLiteral("a\nb\r\nc\n")), QStringLiteral("a\r\nb\r\nc\r\n"));
}

void TestReference::scripturePageShowsEveryLabelAndItsButton()
{
    frmMain.show();
    frmMain->mnuHelpRealHelp->trigger();
    FrmReal& real = frmReal.get();
    const QList<QLabel*> labels = real.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(labels.size(), 14);
    const QObjectList stack = real.children(); // later children lie on top

    // Every label's text, wrapped in its box, lies where no label above it covers it.
    for (QLabel* label : labels) {
        const QRect box = label->geometry();
        const QRect needed = QFontMetrics(label->font())
                                 .boundingRect(QRect(0, 0, box.width(), 10000),
                                               int(Qt::TextWordWrap | label->alignment()), label->text());
        const QRect textArea(box.topLeft(), QSize(box.width(), needed.height()));
        QVERIFY2(needed.height() <= box.height(), qPrintable(label->objectName()));
        for (QLabel* other : labels) {
            if (stack.indexOf(other) > stack.indexOf(label))
                QVERIFY2(!other->geometry().intersects(textArea),
                         qPrintable(other->objectName() + QStringLiteral(" hides ") + label->objectName()));
        }
    }

    // The button lies inside the page and over no label, and has the focus.
    QVERIFY(real.rect().contains(real.cmdRReturn->geometry()));
    for (QLabel* label : labels)
        QVERIFY2(!label->geometry().intersects(real.cmdRReturn->geometry()), qPrintable(label->objectName()));
    QVERIFY(QTest::qWaitForWindowActive(&real));
    QCOMPARE(QApplication::focusWidget(), real.cmdRReturn);
}

void TestReference::bookshelfArrowsMoveTheFourBoxes()
{
    frmMain.show();
    frmMain->mnuHelpBookShelf->trigger();
    FrmBook& book = frmBook.get();
    QVERIFY(book.Data1->isVisible());
    QCOMPARE(book.Data1->caption(), QStringLiteral(" Quillmere"));
    const QList<TextBox*> boxes = {book.txtTitle, book.txtAuthor, book.txtPub, book.txtComments};
    auto shown = [&] {
        QStringList s;
        for (TextBox* b : boxes)
            s << b->text();
        return s;
    };
    const QStringList first = shown();
    for (const QString& field : first)
        QVERIFY(!field.isEmpty());

    // The arrow bar: first | previous | caption | next | last.
    const int h = book.Data1->height();
    auto click = [&](int x) { QTest::mouseClick(book.Data1, Qt::LeftButton, {}, QPoint(x, h / 2)); };
    click(h + h / 2); // previous on the first book stays
    QCOMPARE(shown(), first);
    click(book.Data1->width() - h - h / 2); // next
    const QStringList second = shown();
    QVERIFY(second[0] != first[0] && second[1] != first[1] && second[3] != first[3]);
    click(h / 2); // first
    QCOMPARE(shown(), first);
}

void TestReference::roundHalfEven_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("0.5 to even 0") << 0.5f << 0;
    QTest::newRow("1.5 to even 2") << 1.5f << 2;
    QTest::newRow("2.5 to even 2") << 2.5f << 2;
    QTest::newRow("127.5 to even 128") << 127.5f << 128;
    QTest::newRow("254.5 to even 254") << 254.5f << 254;
    QTest::newRow("just under a half") << std::nextafter(0.5f, 0.0f) << 0;
    QTest::newRow("just over a half") << std::nextafter(2.5f, 3.0f) << 3;
    QTest::newRow("the largest product") << std::nextafter(1.0f, 0.0f) * 255.0f << 255;
}

void TestReference::roundHalfEven()
{
    QFETCH(float, value);
    QFETCH(int, rounded);
    QCOMPARE(int(::roundHalfEven(value)), rounded);
}

void TestReference::sprinkleDrawsFiveValuesPerPointInOrder()
{
    // r, g, b, x, y for each point, in that order.
    ScriptedSource source({0.0f, 0.5f, std::nextafter(1.0f, 0.0f), 0.25f, 0.75f,
                           0.01f, 0.02f, 0.03f, 0.5f, 0.0f});
    const QVector<SprinklePoint> points = sprinkler::sprinkle(source, 8835.0f, 6825.0f, 2);
    QCOMPARE(source.draws, 10);
    QCOMPARE(points.size(), 2);
    QCOMPARE(points[0].red, 0);
    QCOMPARE(points[0].green, 128); // 127.5 goes to the even neighbour
    QCOMPARE(points[0].blue, 255);
    QCOMPARE(points[0].x, 0.25f * 8835.0f);
    QCOMPARE(points[0].y, 0.75f * 6825.0f);
    QCOMPARE(points[1].red, 3);   // 2.55
    QCOMPARE(points[1].green, 5); // 5.1
    QCOMPARE(points[1].blue, 8);  // 7.65
    QCOMPARE(sprinkler::pixel(points[0], QSize(589, 455)), QPoint(147, 341));
    QCOMPARE(sprinkler::pixel(points[1], QSize(589, 455)), QPoint(294, 0));

    // A tick is a hundred points of five draws.
    ScriptedSource tick({});
    QCOMPARE(sprinkler::sprinkle(tick, 8835.0f, 6825.0f).size(), 100);
    QCOMPARE(tick.draws, 500);
}

void TestReference::sprinkleCoversColoursAndClientArea()
{
    RandomUniformSource source(20240601u);
    const QSize client(589, 455);
    int minColour = 255, maxColour = 0;
    QPoint minPixel(client.width(), client.height()), maxPixel(-1, -1);
    for (int tick = 0; tick < 2000; ++tick) {
        for (const SprinklePoint& p : sprinkler::sprinkle(source, 8835.0f, 6825.0f)) {
            for (int c : {p.red, p.green, p.blue}) {
                QVERIFY(c >= 0 && c <= 255);
                minColour = qMin(minColour, c);
                maxColour = qMax(maxColour, c);
            }
            QVERIFY(p.x >= 0.0f && p.x <= 8835.0f && p.y >= 0.0f && p.y <= 6825.0f);
            const QPoint px = sprinkler::pixel(p, client);
            QVERIFY(QRect(QPoint(), client).contains(px));
            minPixel = QPoint(qMin(minPixel.x(), px.x()), qMin(minPixel.y(), px.y()));
            maxPixel = QPoint(qMax(maxPixel.x(), px.x()), qMax(maxPixel.y(), px.y()));
        }
    }
    // Over many ticks the colours reach both ends and the points every edge.
    QCOMPARE(minColour, 0);
    QCOMPARE(maxColour, 255);
    QCOMPARE(minPixel, QPoint(0, 0));
    QCOMPARE(maxPixel, QPoint(client.width() - 1, client.height() - 1));
    // A product rounded up to the very edge still lands on the last pixel.
    QCOMPARE(sprinkler::pixel({8835.0f, 6825.0f, 0, 0, 0}, client), QPoint(588, 454));
}

void TestReference::helpWindowSprinklesAndForgets()
{
    frmMain.show();
    frmMain->mnuHelpHowTo->trigger();
    FrmHelp& help = frmHelp.get();
    QCOMPARE(help.drawFlag, 1);
    QVERIFY(help.Timer1->isActive());
    QCOMPARE(help.Timer1->interval(), 60);
    help.Timer1->stop(); // the test ticks by hand
    QVERIFY(sprinkledPixels(help).empty());

    // One tick sets exactly the points that the same draws give, except those
    // that fall behind a control.
    help.setRandomSource(std::make_unique<RandomUniformSource>(7u));
    help.Timer1_Timer();
    RandomUniformSource same(7u);
    std::set<std::pair<int, int>> expected;
    for (const SprinklePoint& p : sprinkler::sprinkle(same, float(help.width() * 15), float(help.height() * 15))) {
        const QPoint px = sprinkler::pixel(p, help.size());
        if (!help.childAt(px) && QColor(p.red, p.green, p.blue) != background(&help))
            expected.insert({px.x(), px.y()});
    }
    QVERIFY(expected.size() > 20);
    QCOMPARE(sprinkledPixels(help), expected);

    // Nothing keeps them: a repaint shows the plain background again.
    QVERIFY(sprinkledPixels(help).empty());

    // Hidden, the window goes on drawing; shown again, it starts clear.
    help.Timer1_Timer();
    help.cmdExit->click();
    help.Timer1_Timer();
    frmMain->mnuHelpHowTo->trigger();
    QVERIFY(sprinkledPixels(help).empty());

    // Only while drawFlag is 1.
    help.drawFlag = 0;
    help.Timer1_Timer();
    QVERIFY(sprinkledPixels(help).empty());
}

void TestReference::badData_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("fault");
    const QList<std::tuple<const char*, int, QString, QString, QString>> sources = {
        {"info", 1, QStringLiteral("pinfo.mdb"), QStringLiteral("pinfo"), QStringLiteral("pinfo")},
        {"help", 2, QStringLiteral("phelp.mdb"), QStringLiteral("phelp"), QStringLiteral("phelp")},
        {"book", 3, QStringLiteral("Pbook.mdb"), QStringLiteral("Books"),
         QStringLiteral("Title,Author,Pub,comments")}};
    for (const auto& [name, page, file, table, fields] : sources) {
        for (const char* fault : {"missing", "broken", "no table", "empty table"}) {
            QTest::addRow("%s %s", name, fault) << page << file << table << fields << QString::fromLatin1(fault);
        }
    }
}

void TestReference::badData()
{
    QFETCH(int, page);
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(QString, fields);
    QFETCH(QString, fault);
    const QString path = m_data->file(file);
    QVERIFY(QFile::remove(path));
    if (fault == QLatin1String("broken"))
        m_data->write(file, QByteArray("This is not a database file, only some text.\r\n").repeated(40));
    if (fault == QLatin1String("no table"))
        writeTable(path, QStringLiteral("Other"), {QStringLiteral("x")}, {{QStringLiteral("y")}});
    if (fault == QLatin1String("empty table"))
        writeTable(path, table, fields.split(u','), {});
    const QByteArray bytesBefore = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    frmMain.show();
    const Page& p = pages()[page];
    p.open();
    Form* w = p.window();
    QVERIFY(w && w->isVisible());

    const bool reported = fault != QLatin1String("empty table");
    QCOMPARE(fake().messages.size(), reported ? 1 : 0);
    if (reported)
        QVERIFY2(fake().messages[0].text.contains(file), qPrintable(fake().messages[0].text));
    for (TextBox* box : w->findChildren<TextBox*>()) {
        if (box->objectName() != QLatin1String("Text2")) // the help window's title is no field
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }

    // Opening it again does not read the file again, and nothing was written to it.
    p.returnButton()->click();
    p.open();
    QCOMPARE(fake().messages.size(), reported ? 1 : 0);
    QFile f(path);
    QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), bytesBefore);
    QCOMPARE(QFile::exists(path), fault != QLatin1String("missing"));
}

QTEST_MAIN(TestReference)
#include "tst_reference.moc"
