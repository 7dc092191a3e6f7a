// Builds the program's four database files from the text sources in data/:
//   quillmere-mkdb <data folder> <output folder>
// Each file is written beside its final name and renamed over it when complete.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

namespace {
[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "quillmere-mkdb: %s\n", qPrintable(message));
    std::exit(1);
}

// The text files hold LF line ends; the databases hold the program's CR LF.
QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()));
    QString t = QString::fromUtf8(f.readAll());
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

QString crlf(QString t)
{
    return t.replace(u'\n', QStringLiteral("\r\n"));
}

QString trimTrailingNewlines(QString t)
{
    while (t.endsWith(u'\n'))
        t.chop(1);
    return t;
}

using Record = QStringList;

void writeDatabase(const QString& path, const QString& table, const QStringList& fields,
                   const QList<Record>& records)
{
    const QString temp = path + QStringLiteral(".tmp");
    QFile::remove(temp);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mkdb"));
        db.setDatabaseName(temp);
        if (!db.open())
            fail(db.lastError().text());
        QSqlQuery q(db);
        QStringList columns;
        for (const QString& f : fields)
            columns << QStringLiteral("\"%1\" TEXT").arg(f);
        if (!q.exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(table, columns.join(u','))))
            fail(q.lastError().text());
        db.transaction();
        const QString marks = QStringList(fields.size(), QStringLiteral("?")).join(u',');
        q.prepare(QStringLiteral("INSERT INTO \"%1\" VALUES (%2)").arg(table, marks));
        for (const Record& r : records) {
            for (int i = 0; i < fields.size(); ++i)
                q.bindValue(i, r.value(i));
            if (!q.exec())
                fail(q.lastError().text());
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mkdb"));
    QFile::remove(path);
    if (!QFile::rename(temp, path))
        fail(QStringLiteral("cannot rename %1 to %2").arg(temp, path));
}

QList<Record> chapters(const QDir& data)
{
    QList<Record> records;
    for (int c = 1; c <= 31; ++c) {
        const QString text = readText(data.filePath(QStringLiteral("proverbs/%1.txt").arg(c, 2, 10, QLatin1Char('0'))));
        // One verse a line, lines separated (not ended) by CR LF.
        records.append({QStringLiteral("Chapter %1").arg(c), crlf(trimTrailingNewlines(text))});
    }
    return records;
}

// Records separated by "---" lines: Title:, Author:, Pub:, then comments: and its lines.
QList<Record> books(const QDir& data)
{
    QList<Record> records;
    const QStringList blocks = readText(data.filePath(QStringLiteral("books.txt"))).split(QStringLiteral("\n---\n"));
    for (const QString& block : blocks) {
        if (block.trimmed().isEmpty())
            continue;
        Record r(4);
        const QStringList lines = block.split(u'\n');
        int i = 0;
        for (const QString& key : {QStringLiteral("Title: "), QStringLiteral("Author: "), QStringLiteral("Pub: ")}) {
            if (i >= lines.size() || !lines[i].startsWith(key))
                fail(QStringLiteral("books.txt: expected \"%1\" in: %2").arg(key, block.left(60)));
            r[i] = lines[i].mid(key.size());
            ++i;
        }
        if (i >= lines.size() || lines[i] != QLatin1String("comments:"))
            fail(QStringLiteral("books.txt: expected \"comments:\" in: %1").arg(block.left(60)));
        r[3] = crlf(trimTrailingNewlines(lines.mid(i + 1).join(u'\n')));
        records.append(r);
    }
    return records;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        fail(QStringLiteral("usage: quillmere-mkdb <data folder> <output folder>"));
    const QDir data(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));

    writeDatabase(out.filePath(QStringLiteral("pad.mdb")), QStringLiteral("pad"),
                  {QStringLiteral("title"), QStringLiteral("chapter")}, chapters(data));
    writeDatabase(out.filePath(QStringLiteral("pinfo.mdb")), QStringLiteral("pinfo"), {QStringLiteral("pinfo")},
                  {{crlf(trimTrailingNewlines(readText(data.filePath(QStringLiteral("pinfo.txt")))))}});
    writeDatabase(out.filePath(QStringLiteral("phelp.mdb")), QStringLiteral("phelp"), {QStringLiteral("phelp")},
                  {{crlf(trimTrailingNewlines(readText(data.filePath(QStringLiteral("phelp.txt")))))}});
    writeDatabase(out.filePath(QStringLiteral("Pbook.mdb")), QStringLiteral("Books"),
                  {QStringLiteral("Title"), QStringLiteral("Author"), QStringLiteral("Pub"), QStringLiteral("comments")},
                  books(data));
    return 0;
}
