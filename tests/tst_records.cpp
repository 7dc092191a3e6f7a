// The record source: criteria, table order, arrows, find-first and bad data.
#include "controls/textbox.h"
#include "records/criterion.h"
#include "records/databar.h"
#include "records/recordsource.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {
// Writes a small table (field names, then rows) into an SQLite file.
void makeTable(const QString& file, const QString& table, const QStringList& fields,
               const QList<QStringList>& rows)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(table, fields.join(u','))));
        for (const QStringList& r : rows) {
            q.prepare(QStringLiteral("INSERT INTO \"%1\" VALUES (%2)")
                          .arg(table, QStringList(fields.size(), QStringLiteral("?")).join(u',')));
            for (int i = 0; i < r.size(); ++i)
                q.bindValue(i, r[i]);
            QVERIFY(q.exec());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
}
} // namespace

class TestRecords final : public QObject {
    Q_OBJECT
private slots:
    void criterion_data();
    void criterion();
    void buildParsesBack_data();
    void buildParsesBack();
    void arrowsStopAtTheEnds();
    void findFirstTakesTheFirstInTableOrder();
    void badData_data();
    void badData();
    void emptyTableGivesEmptyBoxes();
    void builtChapterDatabase();
};

void TestRecords::criterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::newRow("designed") << "Title='Chapter 12'" << true << "Title" << "Chapter 12";
    QTest::newRow("lower case field") << "title='Chapter 1'" << true << "title" << "Chapter 1";
    QTest::newRow("spaces around") << "  Title = 'x'  " << true << "Title" << "x";
    QTest::newRow("doubled quote") << "Title='O''Brien'" << true << "Title" << "O'Brien";
    QTest::newRow("sql stays a value") << "Title=''' OR 1=1 --'" << true << "Title" << "' OR 1=1 --";
    QTest::newRow("empty value") << "Title=''" << true << "Title" << "";
    QTest::newRow("spaces kept in value") << "Title=' a  '" << true << "Title" << " a  ";
    QTest::newRow("injection after value") << "Title='a' OR '1'='1'" << false << "" << "";
    QTest::newRow("unterminated") << "Title='abc" << false << "" << "";
    QTest::newRow("lone quote in value") << "Title='a'b'" << false << "" << "";
    QTest::newRow("no quotes") << "Title=Chapter" << false << "" << "";
    QTest::newRow("double quotes") << "Title=\"x\"" << false << "" << "";
    QTest::newRow("no field") << "='x'" << false << "" << "";
    QTest::newRow("no equals") << "Title 'x'" << false << "" << "";
    QTest::newRow("empty") << "" << false << "" << "";
}

void TestRecords::criterion()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<Criterion> c = Criterion::parse(text);
    QCOMPARE(c.has_value(), valid);
    if (valid) {
        QTEST(c->field, "field");
        QTEST(c->value, "value");
    }
}

void TestRecords::buildParsesBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "Chapter 12";
    QTest::newRow("quote") << "Chapter 1'";
    QTest::newRow("sql") << "x' OR '1'='1";
    QTest::newRow("empty") << "";
}

void TestRecords::buildParsesBack()
{
    QFETCH(QString, value);
    const std::optional<Criterion> c = Criterion::parse(Criterion::build(QStringLiteral("Title"), value));
    QVERIFY(c);
    QCOMPARE(c->value, value);
}

void TestRecords::arrowsStopAtTheEnds()
{
    DataFolder folder(QStringList{});
    makeTable(folder.file(QStringLiteral("t.mdb")), QStringLiteral("pad"), {"title", "chapter"},
              {{"one", "1"}, {"two", "2"}, {"three", "3"}});
    RecordSource rs(QStringLiteral("t.mdb"), QStringLiteral("pad"), {"title", "chapter"});
    QCOMPARE(rs.open(), QString());
    QCOMPARE(rs.value(QStringLiteral("TITLE")), QStringLiteral("one"));
    rs.movePrevious();
    QCOMPARE(rs.value(QStringLiteral("title")), QStringLiteral("one"));
    rs.moveLast();
    rs.moveNext();
    QCOMPARE(rs.value(QStringLiteral("title")), QStringLiteral("three"));
    rs.movePrevious();
    QCOMPARE(rs.value(QStringLiteral("chapter")), QStringLiteral("2"));
    rs.moveFirst();
    QCOMPARE(rs.position(), 0);
}

void TestRecords::findFirstTakesTheFirstInTableOrder()
{
    DataFolder folder(QStringList{});
    makeTable(folder.file(QStringLiteral("t.mdb")), QStringLiteral("pad"), {"title", "chapter"},
              {{"Chapter 1", "a"}, {"Chapter 2", "b"}, {"Chapter 2", "c"}, {"O'Brien", "d"}});
    RecordSource rs(QStringLiteral("t.mdb"), QStringLiteral("pad"), {"title", "chapter"});
    QCOMPARE(rs.open(), QString());
    rs.moveLast();
    QVERIFY(rs.findFirst(QStringLiteral("Title='Chapter 2'")));
    QCOMPARE(rs.value(QStringLiteral("chapter")), QStringLiteral("b"));
    QVERIFY(rs.findFirst(Criterion::build(QStringLiteral("Title"), QStringLiteral("O'Brien"))));
    QCOMPARE(rs.value(QStringLiteral("chapter")), QStringLiteral("d"));
    // No match, a malformed criterion or an unknown field: the record stays.
    QVERIFY(!rs.findFirst(QStringLiteral("Title='Chapter 9'")));
    QVERIFY(!rs.findFirst(QStringLiteral("Title='a' OR '1'='1'")));
    QVERIFY(!rs.findFirst(QStringLiteral("Nothing='d'")));
    QCOMPARE(rs.value(QStringLiteral("chapter")), QStringLiteral("d"));
}

void TestRecords::badData_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QString>("expected"); // part of the message
    QTest::newRow("missing file") << QByteArray("missing") << "was not found";
    QTest::newRow("not a database") << QByteArray("garbage") << "is not a readable database";
    QTest::newRow("empty file") << QByteArray("empty") << "has no table";
    QTest::newRow("missing table") << QByteArray("notable") << "has no table \"pad\"";
    QTest::newRow("missing field") << QByteArray("nofield") << "has no field \"chapter\"";
}

void TestRecords::badData()
{
    QFETCH(QByteArray, kind);
    QFETCH(QString, expected);
    FakePlatformScope fake;
    DataFolder folder(QStringList{});
    const QString file = folder.file(QStringLiteral("pad.mdb"));
    if (kind == "garbage")
        folder.write(QStringLiteral("pad.mdb"), QByteArray(4096, 'x'));
    else if (kind == "empty")
        folder.write(QStringLiteral("pad.mdb"), QByteArray());
    else if (kind == "notable")
        makeTable(file, QStringLiteral("other"), {"title"}, {{"x"}});
    else if (kind == "nofield")
        makeTable(file, QStringLiteral("pad"), {"title"}, {{"x"}});
    QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QStringList before = folder.entries();
    QByteArray bytesBefore;
    if (QFile f(file); f.open(QIODevice::ReadOnly))
        bytesBefore = f.readAll();

    TextBox title, chapter;
    DataBar bar(QStringLiteral("pad.mdb"), QStringLiteral("pad"), {"title", "chapter"});
    bar.bind(&title, QStringLiteral("title"));
    bar.bind(&chapter, QStringLiteral("chapter"));
    bar.open();

    QCOMPARE(fake->messages.size(), 1);
    QCOMPARE(fake->messages[0].title, QStringLiteral("Quillmere"));
    QVERIFY2(fake->messages[0].text.contains(QStringLiteral("pad.mdb")), qPrintable(fake->messages[0].text));
    QVERIFY2(fake->messages[0].text.contains(expected), qPrintable(fake->messages[0].text));
    QCOMPARE(title.text(), QString());
    QCOMPARE(chapter.text(), QString());
    // The arrows do nothing, and nothing in the folder was created or changed.
    bar.recordset()->moveNext();
    bar.recordset()->moveLast();
    QCOMPARE(bar.recordset()->position(), -1);
    QCOMPARE(folder.entries(), before);
    if (QFile f(file); f.open(QIODevice::ReadOnly))
        QCOMPARE(f.readAll(), bytesBefore);
}

void TestRecords::emptyTableGivesEmptyBoxes()
{
    FakePlatformScope fake;
    DataFolder folder(QStringList{});
    makeTable(folder.file(QStringLiteral("pinfo.mdb")), QStringLiteral("pinfo"), {"pinfo"}, {});
    TextBox box;
    box.setText(QStringLiteral("old"));
    DataBar bar(QStringLiteral("pinfo.mdb"), QStringLiteral("pinfo"), {"pinfo"});
    bar.bind(&box, QStringLiteral("pinfo"));
    bar.open();
    bar.recordset()->moveFirst();
    QVERIFY(fake->messages.isEmpty());
    QCOMPARE(box.text(), QString());
}

void TestRecords::builtChapterDatabase()
{
    DataFolder folder;
    RecordSource rs(QStringLiteral("pad.mdb"), QStringLiteral("pad"), {"title", "chapter"});
    QCOMPARE(rs.open(), QString());
    QCOMPARE(rs.recordCount(), 31);
    int verses = 0;
    for (int c = 1; c <= 31; ++c) {
        QVERIFY(rs.findFirst(QStringLiteral("Title='Chapter %1'").arg(c)));
        QCOMPARE(rs.position(), c - 1);
        const QString text = rs.value(QStringLiteral("chapter"));
        QVERIFY(!text.endsWith(QStringLiteral("\r\n")));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        for (int v = 0; v < lines.size(); ++v)
            QVERIFY(lines[v].startsWith(QStringLiteral("%1 ").arg(v + 1)));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
        verses += lines.size();
    }
    QCOMPARE(verses, 915); // the verses of Proverbs in the King James text
    rs.moveFirst();
    QVERIFY(rs.value(QStringLiteral("chapter")).startsWith(QStringLiteral("1 The proverbs of Solomon the son of David")));
}

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
