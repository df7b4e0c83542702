#pragma once

#include <QString>

class KArchiveDirectory;
class KArchiveFile;
class QIODevice;

// Unpacks an IODD package (a zip, possibly holding zips one level deep) and refuses any archive that could
// write outside its folder, hide what it is, or flood the disk. Nothing but the given folder is ever written.
class PackageArchive
{
public:
    static constexpr int maxEntries = 10000;
    static constexpr qint64 maxTotalSize = 200 * 1024 * 1024;
    static constexpr qint64 maxEntrySize = 50 * 1024 * 1024;
    static constexpr qint64 maxCompressionRatio = 100;
    static constexpr int maxNameLength = 200;

    // Reads the whole archive as unpack() would, writing nothing; false with a reason on the first refusal.
    bool check(QIODevice *device);
    // Writes the archive's files below folder, zips inside it into a subfolder named after them.
    bool unpack(const QString &zipPath, const QString &folder);

    QString errorString() const { return error; }

    // A file name as it may be written: no control or reserved characters, at most maxNameLength long.
    static QString cleanName(const QString &name);
    static bool isZipName(const QString &name);

private:
    bool process(QIODevice *device, int depth, const QString &folder);
    bool checkDirectory(QIODevice *device, int depth);
    bool checkEntry(const QString &name, qint64 size, qint64 compressedSize);
    bool processDirectory(const KArchiveDirectory *directory, int depth, const QString &folder);
    bool processFile(const KArchiveFile *file, int depth, const QString &path);
    bool readFile(const KArchiveFile *file, QIODevice *sink, const QString &path);
    bool refuse(const QString &text);

    QString error;
    int entryTotal = 0;
    qint64 sizeTotal = 0;
    bool writing = false;
};
