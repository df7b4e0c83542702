#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class IODDEntry;

// An IODD folder as the catalogue sees it (the folder itself and its direct subfolders): which IODDs it
// holds, which files belong to each, and removing one of them.
class IoddFolder
{
public:
    explicit IoddFolder(const QString &path);
    ~IoddFolder();

    QString path() const { return folderPath; }
    // Every device description found, in the order the catalogue scans them.
    std::vector<std::unique_ptr<IODDEntry>> scan() const;

    // The IODD's file, its language files and the pictures it names that no other IODD of the folder names.
    static QStringList filesOf(const QString &ioddPath);
    // Language files and pictures of the folder that the IODD uses (its own file not included).
    static QStringList companionsOf(const QString &ioddPath, const QStringList &folderFiles);
    static bool isPictureName(const QString &name);

    // What removing the IODD would delete: its package folder, or only its own files when it lies loose.
    QString removalTarget(const QString &ioddPath, QString *error = nullptr) const;
    bool remove(const QString &ioddPath, QString *error = nullptr) const;

private:
    bool isPackageFolder(const QString &folder, const QString &ioddPath) const;
    QString folderPath;
};
