#pragma once
// Recovery copies: every few minutes a copy of each modified document is
// written into this run's folder under the user's data location, replaced
// atomically; it goes when the document is saved or closed. A run that
// ends without removing its folder (a crash, a kill) leaves the copies for
// the next start, which offers to restore them.
#include <QDateTime>
#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class COpenDocument;

// A copy left by an earlier run.
struct CRecoveryCopy {
    QString file;      // the copy
    QString title;     // the document's title then
    QString path;      // its file, empty for a new document
    QDateTime written;
};

class CRecoveryCopies : public QObject {
    Q_OBJECT

public:
    // documents: what is open now, asked at each timer tick.
    explicit CRecoveryCopies(std::function<QList<COpenDocument*>()> documents, QObject* parent = nullptr);
    ~CRecoveryCopies() override;

    static QString Root();  // the folder of all runs' copies
    void SetInterval(int milliseconds) { m_timer.setInterval(milliseconds); }

    // Writes a copy of every modified document changed since its last copy;
    // removes the copies of documents no longer modified.
    void WriteCopies();
    // The document was saved or closed: its copy goes.
    void Forget(const COpenDocument* document);

    // Copies of runs that ended without cleaning up (their folders are not
    // locked by a running program), oldest first.
    static QList<CRecoveryCopy> LeftOver();
    // Removes a left-over copy (and its run's folder once it is empty).
    static void Discard(const CRecoveryCopy& copy);

private:
    QString CopyFile(const COpenDocument* document) const;

    std::function<QList<COpenDocument*>()> m_documents;
    QHash<const COpenDocument*, quint64> m_copied;  // the change count each copy holds
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
};
