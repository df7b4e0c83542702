#include "packagearchive.h"

#include "iodd/package/zipdirectoryscan.h"

// KZip first: the entry headers need KArchive declared.
#include <KZip>
#include <KArchiveDirectory>
#include <KArchiveFile>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
constexpr qint64 chunkSize = 64 * 1024;
// Windows refuses these in file names; a package must unpack the same everywhere.
const QString reservedCharacters = QStringLiteral("<>:\"|?*\\/");

QString tr(const char *text)
{
    return QCoreApplication::translate("PackageArchive", text);
}

bool isUnsafeName(const QString &name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    if (path.startsWith(QLatin1Char('/')) || driveLetter.match(path).hasMatch())
        return true;
    const QStringList parts = path.split(QLatin1Char('/'));
    return parts.contains(QStringLiteral(".."));
}
} // namespace

QString PackageArchive::cleanName(const QString &name)
{
    QString cleaned;
    cleaned.reserve(name.size());
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            continue;
        cleaned.append(reservedCharacters.contains(c) ? QLatin1Char('_') : c);
    }
    cleaned = cleaned.trimmed();
    if (cleaned.size() > maxNameLength) {
        // Keep the suffix: it tells what the file is.
        const int dot = cleaned.lastIndexOf(QLatin1Char('.'));
        const QString suffix = dot > 0 && cleaned.size() - dot <= 10 ? cleaned.mid(dot) : QString();
        cleaned = cleaned.left(maxNameLength - suffix.size()) + suffix;
    }
    if (cleaned.isEmpty() || cleaned == QLatin1String(".") || cleaned == QLatin1String(".."))
        cleaned = QStringLiteral("_");
    return cleaned;
}

bool PackageArchive::isZipName(const QString &name)
{
    return name.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

bool PackageArchive::refuse(const QString &text)
{
    if (error.isEmpty())
        error = text;
    return false;
}

bool PackageArchive::check(QIODevice *device)
{
    error.clear();
    entryTotal = 0;
    sizeTotal = 0;
    writing = false;
    return process(device, 0, QString());
}

bool PackageArchive::unpack(const QString &zipPath, const QString &folder)
{
    error.clear();
    entryTotal = 0;
    sizeTotal = 0;
    writing = true;
    QFile file(zipPath);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(tr("The file cannot be read: %1").arg(file.errorString()));
    return process(&file, 0, folder);
}

bool PackageArchive::process(QIODevice *device, int depth, const QString &folder)
{
    // The library reads from where the device stands.
    if (!checkDirectory(device, depth) || !device->seek(0))
        return false;
    KZip zip(device);
    if (!zip.open(QIODevice::ReadOnly))
        return refuse(tr("The archive is damaged or is not a zip file."));
    const bool done = processDirectory(zip.directory(), depth, folder);
    zip.close();
    return done;
}

bool PackageArchive::checkDirectory(QIODevice *device, int depth)
{
    ZipDirectoryScan scan;
    if (!scan.scan(device))
        return refuse(scan.errorString());
    entryTotal += scan.entryCount();
    if (entryTotal > maxEntries)
        return refuse(tr("The archive holds more than %1 entries.").arg(maxEntries));
    const QList<ZipDirectoryScan::Entry> entries = scan.entries();
    for (const ZipDirectoryScan::Entry &entry : entries) {
        if (isUnsafeName(entry.name))
            return refuse(tr("The archive names a file outside its own folder: %1").arg(cleanName(entry.name)));
        if (entry.symbolicLink)
            return refuse(tr("The archive holds a symbolic link: %1").arg(cleanName(entry.name)));
        if (entry.isEncrypted())
            return refuse(tr("The archive holds an encrypted file: %1").arg(cleanName(entry.name)));
        if (depth > 0 && isZipName(entry.name))
            return refuse(tr("The archive nests zip files more than one level deep: %1").arg(cleanName(entry.name)));
        if (!entry.isDirectory() && !checkEntry(entry.name, entry.size, entry.compressedSize))
            return false;
    }
    return true;
}

bool PackageArchive::checkEntry(const QString &name, qint64 size, qint64 compressedSize)
{
    if (size > maxEntrySize)
        return refuse(tr("The file %1 would unpack to more than 50 MB.").arg(cleanName(name)));
    if (size > 0 && (compressedSize <= 0 || size / compressedSize > maxCompressionRatio))
        return refuse(tr("The file %1 is compressed more than a hundredfold, as only a zip bomb is.").arg(cleanName(name)));
    sizeTotal += size;
    if (sizeTotal > maxTotalSize)
        return refuse(tr("The archive would unpack to more than 200 MB."));
    return true;
}

bool PackageArchive::processDirectory(const KArchiveDirectory *directory, int depth, const QString &folder)
{
    const QStringList names = directory->entries();
    for (const QString &name : names) {
        const KArchiveEntry *entry = directory->entry(name);
        if (!entry)
            continue;
        if (!entry->symLinkTarget().isEmpty())
            return refuse(tr("The archive holds a symbolic link: %1").arg(cleanName(name)));
        const QString path = folder.isEmpty() ? QString() : QDir(folder).filePath(cleanName(name));
        if (entry->isDirectory()) {
            if (writing && !QDir().mkpath(path))
                return refuse(tr("Cannot create the folder %1.").arg(path));
            if (!processDirectory(static_cast<const KArchiveDirectory *>(entry), depth, path))
                return false;
        } else if (!processFile(static_cast<const KArchiveFile *>(entry), depth, path)) {
            return false;
        }
    }
    return true;
}

bool PackageArchive::processFile(const KArchiveFile *file, int depth, const QString &path)
{
    // The library's own view of the sizes is checked too: it is what it will actually inflate.
    if (file->size() > maxEntrySize)
        return refuse(tr("The file %1 would unpack to more than 50 MB.").arg(cleanName(file->name())));
    if (!isZipName(file->name())) {
        if (!writing)
            return readFile(file, nullptr, path);
        QFile target(path);
        if (!target.open(QIODevice::WriteOnly))
            return refuse(tr("Cannot write %1: %2").arg(path, target.errorString()));
        return readFile(file, &target, path) && (target.flush() || refuse(tr("Cannot write %1.").arg(path)));
    }
    if (depth > 0)
        return refuse(tr("The archive nests zip files more than one level deep: %1").arg(cleanName(file->name())));
    QBuffer inner;
    inner.open(QIODevice::ReadWrite);
    if (!readFile(file, &inner, path))
        return false;
    // Read-only: a writable buffer grows with zeros up to any offset a hostile directory seeks to.
    inner.close();
    if (!inner.open(QIODevice::ReadOnly))
        return refuse(tr("The archive is damaged: %1 cannot be read.").arg(cleanName(file->name())));
    QString innerFolder;
    if (writing) {
        innerFolder = path.left(path.size() - 4);
        if (!QDir().mkpath(innerFolder))
            return refuse(tr("Cannot create the folder %1.").arg(innerFolder));
    }
    return process(&inner, depth + 1, innerFolder);
}

bool PackageArchive::readFile(const KArchiveFile *file, QIODevice *sink, const QString &path)
{
    Q_UNUSED(path)
    QScopedPointer<QIODevice> source(file->createDevice());
    if (!source)
        return refuse(tr("The archive is damaged: %1 cannot be read.").arg(cleanName(file->name())));
    qint64 total = 0;
    QByteArray chunk;
    while (!source->atEnd()) {
        chunk = source->read(chunkSize);
        if (chunk.isEmpty())
            break;
        total += chunk.size();
        if (total > file->size() || total > maxEntrySize)
            return refuse(tr("The archive is damaged: %1 is larger than it says.").arg(cleanName(file->name())));
        if (sink && sink->write(chunk) != chunk.size())
            return refuse(tr("Cannot write %1.").arg(cleanName(file->name())));
    }
    if (total != file->size())
        return refuse(tr("The archive is damaged: %1 cannot be read completely.").arg(cleanName(file->name())));
    return true;
}
