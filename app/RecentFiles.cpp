#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString Key(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}

bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

void CRecentFiles::Load()
{
    QSettings settings;
    settings.beginGroup(kSection);
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString file = settings.value(Key(i)).toString();
        if (!file.isEmpty())
            m_files.append(file);
    }
}

void CRecentFiles::Save() const
{
    QSettings settings;
    settings.beginGroup(kSection);
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(Key(i), m_files[i]);
        else
            settings.remove(Key(i));
    }
}

void CRecentFiles::Add(const QString& path)
{
    Remove(path);
    m_files.prepend(QFileInfo(path).absoluteFilePath());
    while (m_files.size() > kSize)
        m_files.removeLast();
}

void CRecentFiles::Remove(const QString& path)
{
    m_files.removeIf([&path](const QString& file) { return SameFile(file, path); });
}
