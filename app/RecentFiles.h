#pragma once
// The recent-file list: four entries, newest first, kept with QSettings
// under "Recent File List" / "File1" ... "File4".
#include <QStringList>

class CRecentFiles {
public:
    static constexpr int kSize = 4;

    void Load();
    void Save() const;
    // Puts a file at the top (once), dropping the oldest beyond four.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

private:
    QStringList m_files;
};
