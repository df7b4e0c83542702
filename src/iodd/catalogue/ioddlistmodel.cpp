#include "ioddlistmodel.h"

#include "core/logcategories.h"
#include "iodd/catalogue/ioddchoice.h"
#include "iodd/catalogue/ioddentry.h"

#include <QDebug>
#include <QDir>
#include <QQmlEngine>

#include <algorithm>

IODDListModel::IODDListModel(const QString &searchPath, QObject *parent)
    : QAbstractListModel(parent)
    , searchPath(searchPath)
{
    watch(getIoddSearchPath());
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &IODDListModel::onIoddFolderModified);
    parseIODDs();
}

int IODDListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : entries.size();
}

QVariant IODDListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= entries.size())
        return QVariant();
    const IODDEntry *entry = entries.at(index.row());
    switch (role) {
    case ValidRole:
        return entry->isValid();
    case NameRole:
        return entry->getIODDPath();
    case ProductNameRole:
        return entry->getProductName();
    case VendorIdRole:
        return entry->getVendorId();
    case DeviceIdRole:
        return entry->getDeviceId();
    case VendorNameRole:
        return entry->getVendorName();
    case VendorLogoPathRole:
        return entry->getVendorLogoPath();
    // Pictures that a package names but does not hold are left out, so that views fall back to their own.
    case DeviceIconPathRole:
        return existingFile(entry->getFirstDeviceIconPath());
    case DeviceSymbolPathRole:
        return existingFile(entry->getFirstDeviceSymbolPath());
    default:
        return QVariant();
    }
}

QString IODDListModel::existingFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path) ? path : QString();
}

QHash<int, QByteArray> IODDListModel::roleNames() const
{
    return {
        { ValidRole, "valid" },
        { NameRole, "name" },
        { ProductNameRole, "productName" },
        { VendorIdRole, "vendorId" },
        { DeviceIdRole, "deviceId" },
        { VendorNameRole, "vendorName" },
        { VendorLogoPathRole, "vendorLogoPath" },
        { DeviceIconPathRole, "deviceIconPath" },
        { DeviceSymbolPathRole, "deviceSymbolPath" },
    };
}

void IODDListModel::onIoddFolderModified()
{
    qCDebug(lcIodd) << Q_FUNC_INFO;
    // A folder replaced by a new one (removed, created again) drops out of the watcher; watch the new one.
    watch(getIoddSearchPath());
    parseIODDs();
}

QObject *IODDListModel::getEntry(int index) const
{
    qCDebug(lcIodd) << Q_FUNC_INFO << index;
    if (index < 0 || index >= entries.size()) {
        qWarning() << Q_FUNC_INFO << "entry index out of range, index:" << index;
        return nullptr;
    }
    IODDEntry *entry = entries.at(index);
    // The model deletes its entries on every rescan; QML must never take them over.
    QQmlEngine::setObjectOwnership(entry, QQmlEngine::CppOwnership);
    return entry;
}

QString IODDListModel::getIoddSearchPath() const
{
    return searchPath;
}

void IODDListModel::setIoddSearchPath(const QString &path)
{
    qCDebug(lcIodd) << Q_FUNC_INFO << path;
    const QString oldPath = getIoddSearchPath();
    if (!oldPath.isEmpty() && watcher.directories().contains(oldPath))
        watcher.removePath(oldPath);
    watch(path);
    searchPath = path;
    parseIODDs();
    emit ioddSearchPathChanged();
}

void IODDListModel::parseIODDs()
{
    qInfo() << "Parsing IODD files in:" << searchPath;
    beginResetModel();
    for (IODDEntry *entry : qAsConst(entries))
        entry->deleteLater();
    entries.clear();
    const QStringList folders = foldersToScan(searchPath);
    for (const QString &folder : folders)
        scanFolder(folder);
    scanOrder = entries;
    sortForDisplay(entries);
    endResetModel();
    emit countChanged();
    qInfo() << "Parsing IODD files completed. IODDS found:" << entries.size();
}

QStringList IODDListModel::foldersToScan(const QString &searchPath) const
{
    // An empty path would otherwise mean the process's working folder.
    if (searchPath.isEmpty())
        return {};
    const QDir searchFolder(searchPath);
    const QStringList names = searchFolder.entryList(QDir::Dirs, QDir::Name | QDir::Reversed);
    QStringList folders;
    for (const QString &name : names)
        folders << QDir::cleanPath(searchFolder.absoluteFilePath(name));
    return folders;
}

void IODDListModel::scanFolder(const QString &folderPath)
{
    const QDir folder(folderPath);
    const QFileInfoList xmlFiles = folder.entryInfoList({ QStringLiteral("*.xml") }, QDir::Files, QDir::Unsorted);
    if (xmlFiles.isEmpty())
        return;
    // Listed once per folder: every entry of the folder shares the same list.
    const QStringList folderFiles = folder.entryList(QDir::Files, QDir::Unsorted);
    for (const QFileInfo &fileInfo : xmlFiles) {
        qCDebug(lcIodd) << fileInfo;
        // Language files belong to their description's entry; they are no device description of their own.
        const bool languageFile = std::any_of(xmlFiles.cbegin(), xmlFiles.cend(), [&fileInfo](const QFileInfo &other) {
            return other.fileName() != fileInfo.fileName() && IODDEntry::isLanguageFileOf(fileInfo.fileName(), other.fileName());
        });
        if (languageFile)
            continue;
        auto *entry = new IODDEntry(fileInfo, folderFiles, this);
        entry->parse();
        entries.append(entry);
    }
}

void IODDListModel::sortForDisplay(QList<IODDEntry *> &list)
{
    // By vendor, then product, the latest release of a product first.
    std::stable_sort(list.begin(), list.end(), [](const IODDEntry *a, const IODDEntry *b) {
        const int vendor = QString::compare(a->getVendorName(), b->getVendorName(), Qt::CaseInsensitive);
        if (vendor != 0)
            return vendor < 0;
        const int product = QString::compare(a->getProductName(), b->getProductName(), Qt::CaseInsensitive);
        if (product != 0)
            return product < 0;
        return a->getIODDReleaseDate() > b->getIODDReleaseDate();
    });
}

void IODDListModel::watch(const QString &path)
{
    if (!path.isEmpty() && QFileInfo(path).isDir() && !watcher.directories().contains(path))
        watcher.addPath(path);
}

IODDEntry *IODDListModel::findEntry(const QString &productId, int &matchCount) const
{
    // Scan order: on equal release dates the entry scanned first stays.
    IODDEntry *latest = IoddChoice::choose(scanOrder, productId, &matchCount);
    if (matchCount > 1)
        qWarning() << "IODD: found" << matchCount << "matching for" << productId;
    return latest;
}

QVariantList IODDListModel::matchingIodds(const QString &productId) const
{
    // Not through findEntry: QML asks on every rescan, and the warning is for the device's own lookup.
    return IoddChoice::describe(entries, IoddChoice::choose(scanOrder, productId), productId);
}
