// A temporary current folder for a test, holding copies of the built databases
// (or none, or broken ones); the previous current folder comes back afterwards.
#pragma once

#include <QString>
#include <QTemporaryDir>

class DataFolder {
public:
    // Copies the named databases from the build folder (all four by default).
    explicit DataFolder(const QStringList& databases = allDatabases());
    ~DataFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    // Names of the files in the folder, sorted.
    QStringList entries() const;

    static QStringList allDatabases();
    // The folder where the build put the databases.
    static QString builtDatabases();

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Destroys every window and lets Qt delete them, so each test starts with none.
void resetWindows();
