// A read-only view of one table of a database file: opened on its first record,
// with a current record, find-first by criterion and the four arrow moves.
#pragma once

#include <QObject>
#include <QStringList>
#include <QVector>

class RecordSource final : public QObject {
    Q_OBJECT
public:
    RecordSource(const QString& fileName, const QString& table, const QStringList& fields,
                 QObject* parent = nullptr);

    // Reads the table from the current folder without ever writing to the file.
    // Returns an empty string, or a message naming the file and what is wrong.
    QString open();

    const QString& fileName() const { return m_fileName; }
    int recordCount() const { return int(m_records.size()); }
    int position() const { return m_position; } // -1 when there is no record
    // The current record's value of a field (name matched without regard to case).
    QString value(const QString& field) const;

    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();
    // Moves to the first record, in table order, that meets the criterion;
    // returns false (and stays) when none does or the criterion is malformed.
    bool findFirst(const QString& criterion);

signals:
    void currentChanged();

private:
    void moveTo(int position);
    int fieldIndex(const QString& field) const;

    QString m_fileName;
    QString m_table;
    QStringList m_fields;
    QVector<QStringList> m_records;
    int m_position = -1;
};
