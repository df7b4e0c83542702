#include "ioddimporter.h"

#include "iodd/catalogue/ioddentry.h"
#include "iodd/package/ioddfolder.h"
#include "iodd/package/packagearchive.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <memory>

namespace {
const QString stagingPrefix = QStringLiteral(".ovinex-import-");
const QString unpackedFolder = QStringLiteral("unpacked");
const QString packagesFolder = QStringLiteral("packages");

QStringList xmlFilesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, { QStringLiteral("*.xml"), QStringLiteral("*.XML") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    files.removeDuplicates();
    return files;
}
} // namespace

IoddImporter::IoddImporter(const QString &ioddFolder, QObject *parent)
    : QObject(parent)
    , folder(QDir::cleanPath(ioddFolder))
{
}

bool IoddImporter::allSucceeded(const QList<IoddImportResult> &results)
{
    for (const IoddImportResult &result : results) {
        if (!result.isSuccess())
            return false;
    }
    return !results.isEmpty();
}

QString IoddImporter::packageFolderName(const IODDEntry &entry)
{
    return PackageArchive::cleanName(entry.getVendorName() + QLatin1Char('-') + entry.getProductName() + QLatin1Char('-')
                                     + entry.getIODDReleaseDate());
}

QList<IoddImportResult> IoddImporter::refused(const QString &source, const QString &reason, const QStringList &skipped)
{
    IoddImportResult result;
    result.source = source;
    result.status = IoddImportResult::Refused;
    result.reason = reason;
    result.skipped = skipped;
    return { result };
}

void IoddImporter::loadKnown()
{
    known.clear();
    const auto entries = IoddFolder(folder).scan();
    for (const auto &entry : entries)
        known.append({ entry->getVendorId(), entry->getDeviceId(), entry->getIODDReleaseDate() });
    knownLoaded = true;
}

QList<IoddImportResult> IoddImporter::importFiles(const QStringList &paths)
{
    QList<IoddImportResult> results;
    for (int i = 0; i < paths.size(); ++i) {
        emit progress(i, paths.size(), QFileInfo(paths.at(i)).fileName());
        results += importFile(paths.at(i));
    }
    emit progress(paths.size(), paths.size(), QString());
    return results;
}

QString IoddImporter::stagingTemplate() const
{
    // Beside the IODD folder, so the finished package is moved in one step and the catalogue never sees a half.
    const QFileInfo info(folder);
    const QFileInfo parent(info.absolutePath());
    if (parent.isDir() && parent.isWritable())
        return QDir(info.absolutePath()).filePath(stagingPrefix + QStringLiteral("XXXXXX"));
    return QDir(folder).filePath(stagingPrefix + QStringLiteral("XXXXXX"));
}

QList<IoddImportResult> IoddImporter::importFile(const QString &path)
{
    const QFileInfo file(path);
    const QString source = file.fileName();
    if (!file.isFile())
        return refused(source, tr("The file does not exist or cannot be read."));
    const bool zip = PackageArchive::isZipName(source);
    if (!zip && file.suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) != 0)
        return refused(source, tr("Only IODD packages (.zip) and IODD files (.xml) can be imported."));
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return refused(source, tr("The IODD folder %1 cannot be created.").arg(folder));
    if (!knownLoaded)
        loadKnown();

    QTemporaryDir staging(stagingTemplate());
    if (!staging.isValid())
        return refused(source, tr("No temporary folder can be created beside the IODD folder: %1").arg(staging.errorString()));
    if (!zip)
        return importStaged(source, file.absolutePath(), { file.absoluteFilePath() }, staging.path());

    const QString unpacked = QDir(staging.path()).filePath(unpackedFolder);
    QDir().mkpath(unpacked);
    PackageArchive archive;
    if (!archive.unpack(file.absoluteFilePath(), unpacked))
        return refused(source, archive.errorString());
    return importStaged(source, unpacked, xmlFilesBelow(unpacked), staging.path());
}

QList<IoddImportResult> IoddImporter::importStaged(const QString &source, const QString &unpacked,
                                                   const QStringList &xmlFiles, const QString &staging)
{
    QList<Candidate> candidates;
    QStringList invalid;
    for (const QString &xml : xmlFiles) {
        const QFileInfo info(xml);
        const QStringList folderFiles = info.absoluteDir().entryList(QDir::Files, QDir::Name);
        IODDEntry entry(info, folderFiles);
        entry.parse();
        if (!entry.isValid()) {
            invalid << xml;
            continue;
        }
        candidates.append({ xml, packageFolderName(entry), entry.getVendorId(), entry.getDeviceId(),
                            entry.getIODDReleaseDate(), IoddFolder::companionsOf(xml, folderFiles) });
    }
    QStringList skipped;
    for (const QString &xml : qAsConst(invalid)) {
        const QFileInfo info(xml);
        const bool companion = std::any_of(candidates.cbegin(), candidates.cend(), [&](const Candidate &candidate) {
            return QFileInfo(candidate.path).absolutePath() == info.absolutePath()
                   && candidate.companions.contains(info.fileName());
        });
        if (!companion)
            skipped << tr("%1: not a device description").arg(QDir(unpacked).relativeFilePath(xml));
    }
    if (candidates.isEmpty())
        return refused(source, tr("No device description (IODD) found."), skipped);

    QList<IoddImportResult> results;
    QMap<QString, QList<Candidate>> packages;
    for (const Candidate &candidate : qAsConst(candidates)) {
        IoddImportResult result;
        result.source = source;
        result.iodd = QFileInfo(candidate.path).fileName();
        result.status = statusOf(candidate, candidates);
        result.skipped = skipped;
        // The status says it all; a reason is for refusals.
        if (result.status != IoddImportResult::AlreadyPresent)
            packages[candidate.folderName].append(candidate);
        results.append(result);
    }

    // Staged whole first, then moved folder by folder; a failed move takes back what this package moved.
    QStringList moved;
    QString error;
    for (auto it = packages.cbegin(); it != packages.cend() && error.isEmpty(); ++it) {
        const QString stagedFolder = QDir(staging).filePath(packagesFolder + QLatin1Char('/') + it.key());
        if (!stagePackage(stagedFolder, it.value(), &error))
            break;
        const QString target = QDir(folder).filePath(freeTargetName(it.key()));
        if (!QDir().rename(stagedFolder, target)) {
            error = tr("The package could not be moved into the IODD folder %1.").arg(folder);
            break;
        }
        moved << target;
        for (IoddImportResult &result : results) {
            const bool member = std::any_of(it.value().cbegin(), it.value().cend(), [&](const Candidate &candidate) {
                return QFileInfo(candidate.path).fileName() == result.iodd;
            });
            if (member && result.status != IoddImportResult::AlreadyPresent)
                result.folder = target;
        }
    }
    if (!error.isEmpty()) {
        for (const QString &target : qAsConst(moved))
            QDir(target).removeRecursively();
        return refused(source, error, skipped);
    }
    for (const Candidate &candidate : qAsConst(candidates))
        known.append({ candidate.vendorId, candidate.deviceId, candidate.releaseDate });
    return results;
}

IoddImportResult::Status IoddImporter::statusOf(const Candidate &candidate, const QList<Candidate> &package) const
{
    IoddImportResult::Status status = IoddImportResult::Imported;
    for (const Candidate &other : package) {
        if (other.vendorId == candidate.vendorId && other.deviceId == candidate.deviceId
            && other.releaseDate > candidate.releaseDate)
            status = IoddImportResult::NotUsed;
    }
    for (const Known &present : known) {
        if (present.vendorId != candidate.vendorId || present.deviceId != candidate.deviceId)
            continue;
        if (present.releaseDate == candidate.releaseDate)
            return IoddImportResult::AlreadyPresent;
        if (present.releaseDate > candidate.releaseDate)
            status = IoddImportResult::NotUsed;
    }
    return status;
}

bool IoddImporter::stagePackage(const QString &stagedFolder, const QList<Candidate> &members, QString *error) const
{
    if (!QDir().mkpath(stagedFolder)) {
        *error = tr("Cannot create the temporary folder %1.").arg(stagedFolder);
        return false;
    }
    for (const Candidate &candidate : members) {
        const QDir from = QFileInfo(candidate.path).absoluteDir();
        QStringList names = candidate.companions;
        names.prepend(QFileInfo(candidate.path).fileName());
        for (const QString &name : qAsConst(names)) {
            const QString target = QDir(stagedFolder).filePath(PackageArchive::cleanName(name));
            if (QFileInfo::exists(target))
                continue;
            if (!QFile::copy(from.filePath(name), target)) {
                *error = tr("Cannot copy %1 into the temporary folder.").arg(name);
                return false;
            }
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                              | QFileDevice::ReadOther);
        }
    }
    return true;
}

QString IoddImporter::freeTargetName(const QString &name) const
{
    // A folder of that name holding something else keeps its contents; the new one gets a number.
    QString candidate = name;
    for (int number = 2; QFileInfo::exists(QDir(folder).filePath(candidate)); ++number)
        candidate = name + QLatin1Char('-') + QString::number(number);
    return candidate;
}
