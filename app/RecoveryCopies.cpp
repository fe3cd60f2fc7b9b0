#include "RecoveryCopies.h"

#include "OpenDocument.h"
#include "archive/DocumentFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

namespace {

constexpr int kDefaultInterval = 3 * 60 * 1000;
const QString kLockName = QStringLiteral("running.lock");

QString InfoFile(const QString& copy)
{
    return copy + QStringLiteral(".info");
}

}  // namespace

CRecoveryCopies::CRecoveryCopies(std::function<QList<COpenDocument*>()> documents, QObject* parent)
    : QObject(parent), m_documents(std::move(documents))
{
    m_folder = QDir(Root()).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(kLockName));
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);
    m_timer.setInterval(kDefaultInterval);
    connect(&m_timer, &QTimer::timeout, this, &CRecoveryCopies::WriteCopies);
    m_timer.start();
}

CRecoveryCopies::~CRecoveryCopies()
{
    // A normal end: every document was saved or given up by its user.
    m_lock->unlock();
    QDir(m_folder).removeRecursively();
}

QString CRecoveryCopies::Root()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("recovery"));
}

QString CRecoveryCopies::CopyFile(const COpenDocument* document) const
{
    return QDir(m_folder).filePath(QStringLiteral("%1.zt2").arg(reinterpret_cast<quintptr>(document), 0, 16));
}

void CRecoveryCopies::WriteCopies()
{
    for (COpenDocument* document : m_documents()) {
        if (!document->doc.IsModified()) {
            Forget(document);
            continue;
        }
        const quint64 changes = document->doc.ChangeCount();
        if (m_copied.contains(document) && m_copied.value(document) == changes)
            continue;  // the copy holds this state already
        const QString file = CopyFile(document);
        if (!WriteDocumentFile(file.toStdString(), document->doc).ok)
            continue;  // no room for a copy: the next tick tries again
        m_copied.insert(document, changes);
        QSettings info(InfoFile(file), QSettings::IniFormat);
        info.setValue(QStringLiteral("title"), QString::fromStdString(document->doc.Title()));
        info.setValue(QStringLiteral("path"), QString::fromStdString(document->doc.PathName()));
        info.setValue(QStringLiteral("written"), QDateTime::currentDateTime());
        info.sync();
    }
}

void CRecoveryCopies::Forget(const COpenDocument* document)
{
    m_copied.remove(document);
    const QString file = CopyFile(document);
    QFile::remove(file);
    QFile::remove(InfoFile(file));
}

QList<CRecoveryCopy> CRecoveryCopies::LeftOver()
{
    QList<CRecoveryCopy> copies;
    const QDir root(Root());
    for (const QString& run : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir folder(root.filePath(run));
        QLockFile lock(folder.filePath(kLockName));
        if (!lock.tryLock(0))
            continue;  // a program that is running now
        lock.unlock();
        for (const QString& name : folder.entryList({QStringLiteral("*.zt2")}, QDir::Files)) {
            CRecoveryCopy copy;
            copy.file = folder.filePath(name);
            QSettings info(InfoFile(copy.file), QSettings::IniFormat);
            copy.title = info.value(QStringLiteral("title"), name).toString();
            copy.path = info.value(QStringLiteral("path")).toString();
            copy.written = info.value(QStringLiteral("written"), QFileInfo(copy.file).lastModified()).toDateTime();
            copies.append(copy);
        }
        if (folder.entryList({QStringLiteral("*.zt2")}, QDir::Files).isEmpty())
            QDir(folder.path()).removeRecursively();
    }
    std::sort(copies.begin(), copies.end(),
              [](const CRecoveryCopy& a, const CRecoveryCopy& b) { return a.written < b.written; });
    return copies;
}

void CRecoveryCopies::Discard(const CRecoveryCopy& copy)
{
    QFile::remove(copy.file);
    QFile::remove(InfoFile(copy.file));
    QDir folder = QFileInfo(copy.file).dir();
    if (folder.entryList({QStringLiteral("*.zt2")}, QDir::Files).isEmpty())
        folder.removeRecursively();
}
