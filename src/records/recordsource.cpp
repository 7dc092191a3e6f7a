#include "recordsource.h"

#include "criterion.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QString quoted(const QString& identifier)
{
    return u'"' + QString(identifier).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString connectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("quillmere-records-%1").arg(counter.fetchAndAddRelaxed(1));
}

// Reads the whole table into memory and closes the file again.
QString readTable(const QString& connection, const QString& file, const QString& table,
                  const QStringList& fields, QVector<QStringList>& records)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(file);
    // Read-only: a missing file fails here instead of being created empty.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!QFileInfo(file).isFile())
        return QStringLiteral("The database file %1 was not found in the folder %2.")
            .arg(file, QFileInfo(file).absolutePath());
    if (!db.open())
        return QStringLiteral("The database file %1 could not be opened: %2.")
            .arg(file, db.lastError().text());

    // A file that is not a database opens without complaint and fails at the first query.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return QStringLiteral("The file %1 is not a readable database: %2.")
            .arg(file, q.lastError().databaseText());
    QString actualTable;
    while (q.next()) {
        if (q.value(0).toString().compare(table, Qt::CaseInsensitive) == 0)
            actualTable = q.value(0).toString();
    }
    if (actualTable.isEmpty())
        return QStringLiteral("The database file %1 has no table \"%2\".").arg(file, table);

    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(actualTable))))
        return QStringLiteral("The table \"%1\" in %2 could not be read: %3.")
            .arg(table, file, q.lastError().databaseText());
    QStringList columns;
    while (q.next())
        columns << q.value(1).toString();
    QStringList select;
    for (const QString& f : fields) {
        auto it = std::find_if(columns.cbegin(), columns.cend(), [&](const QString& c) {
            return c.compare(f, Qt::CaseInsensitive) == 0;
        });
        if (it == columns.cend())
            return QStringLiteral("The table \"%1\" in %2 has no field \"%3\".").arg(table, file, f);
        select << quoted(*it);
    }

    if (!q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(select.join(u','), quoted(actualTable))))
        return QStringLiteral("The table \"%1\" in %2 could not be read: %3.")
            .arg(table, file, q.lastError().databaseText());
    while (q.next()) {
        QStringList row;
        row.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            row << q.value(i).toString();
        records.append(row);
    }
    if (q.lastError().isValid())
        return QStringLiteral("The table \"%1\" in %2 could not be read: %3.")
            .arg(table, file, q.lastError().databaseText());
    return {};
}
} // namespace

RecordSource::RecordSource(const QString& fileName, const QString& table, const QStringList& fields,
                           QObject* parent)
    : QObject(parent)
    , m_fileName(fileName)
    , m_table(table)
    , m_fields(fields)
{
}

QString RecordSource::open()
{
    m_records.clear();
    const QString connection = connectionName();
    QString error;
    {
        QVector<QStringList> records;
        error = readTable(connection, m_fileName, m_table, m_fields, records);
        if (error.isEmpty())
            m_records = std::move(records);
        QSqlDatabase::database(connection, false).close();
    }
    QSqlDatabase::removeDatabase(connection);
    m_position = m_records.isEmpty() ? -1 : 0;
    emit currentChanged();
    return error;
}

int RecordSource::fieldIndex(const QString& field) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString RecordSource::value(const QString& field) const
{
    const int i = fieldIndex(field);
    if (m_position < 0 || i < 0)
        return {};
    return m_records.at(m_position).at(i);
}

void RecordSource::moveTo(int position)
{
    if (m_records.isEmpty())
        return;
    m_position = qBound(0, position, int(m_records.size()) - 1);
    emit currentChanged();
}

void RecordSource::moveFirst() { moveTo(0); }
void RecordSource::movePrevious() { moveTo(m_position - 1); }
void RecordSource::moveNext() { moveTo(m_position + 1); }
void RecordSource::moveLast() { moveTo(int(m_records.size()) - 1); }

bool RecordSource::findFirst(const QString& criterion)
{
    const std::optional<Criterion> c = Criterion::parse(criterion);
    if (!c)
        return false;
    const int i = fieldIndex(c->field);
    if (i < 0)
        return false;
    for (int r = 0; r < m_records.size(); ++r) {
        if (m_records.at(r).at(i) == c->value) {
            moveTo(r);
            return true;
        }
    }
    return false;
}
