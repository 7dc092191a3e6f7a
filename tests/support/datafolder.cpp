#include "datafolder.h"

#include "app/windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

DataFolder::DataFolder(const QStringList& databases)
    : m_previous(QDir::currentPath())
{
    for (const QString& db : databases)
        QFile::copy(QDir(builtDatabases()).filePath(db), m_dir.filePath(db));
    QDir::setCurrent(m_dir.path());
}

DataFolder::~DataFolder()
{
    QDir::setCurrent(m_previous);
}

void DataFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

QStringList DataFolder::entries() const
{
    return QDir(m_dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

QStringList DataFolder::allDatabases()
{
    return {QStringLiteral("pad.mdb"), QStringLiteral("pinfo.mdb"), QStringLiteral("phelp.mdb"),
            QStringLiteral("Pbook.mdb")};
}

QString DataFolder::builtDatabases()
{
    return QStringLiteral(QUILLMERE_BUILD_DIR);
}

void resetWindows()
{
    destroyAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
