#include "ioddlistmodel.h"

#include "core/logcategories.h"
#include "iodd/catalogue/ioddchoice.h"
#include "iodd/catalogue/ioddentry.h"

#include <QDebug>
#include <QDir>
#include <QQmlEngine>
#include <QSet>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {
// Language files belong to their description's entry; they are no device description of their own.
// Looked up by name, as a folder may hold thousands of files.
bool isLanguageFile(const QFileInfo &file, const QSet<QString> &baseNames)
{
    const QString base = file.completeBaseName().toLower();
    // "-de" or "-zh-cn": one or two dash-separated parts after the description's name.
    int cut = base.size();
    for (int parts = 0; parts < 2; ++parts) {
        cut = base.lastIndexOf(QLatin1Char('-'), cut - 1);
        if (cut <= 0)
            return false;
        const QString owner = base.left(cut);
        if (baseNames.contains(owner) && IODDEntry::isLanguageFileOf(file.fileName(), owner + QStringLiteral(".xml")))
            return true;
    }
    return false;
}
} // namespace

IODDListModel::IODDListModel(const QString &searchPath, QObject *parent)
    : QAbstractListModel(parent)
    , searchPath(searchPath)
{
    watch(getIoddSearchPath());
    folderChangeDelay.setSingleShot(true);
    folderChangeDelay.setInterval(folderChangeDelayMs);
    connect(&folderChangeDelay, &QTimer::timeout, this, &IODDListModel::rescan);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &IODDListModel::onIoddFolderModified);
    connect(&scanWatcher, &QFutureWatcher<QList<IODDEntry *>>::finished, this, &IODDListModel::onScanFinished);
    parseIODDs();
}

IODDListModel::~IODDListModel()
{
    if (scanWatcher.isRunning()) {
        scanWatcher.waitForFinished();
        qDeleteAll(scanWatcher.result());
    }
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
    folderChangeDelay.start();
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
    changeSearchPath(path);
    parseIODDs();
    emit ioddSearchPathChanged();
}

void IODDListModel::chooseIoddSearchPath(const QString &path)
{
    qCDebug(lcIodd) << Q_FUNC_INFO << path;
    changeSearchPath(path);
    emit ioddSearchPathChanged();
    rescan();
}

void IODDListModel::changeSearchPath(const QString &path)
{
    const QString oldPath = getIoddSearchPath();
    if (!oldPath.isEmpty() && watcher.directories().contains(oldPath))
        watcher.removePath(oldPath);
    watch(path);
    searchPath = path;
}

void IODDListModel::parseIODDs()
{
    qInfo() << "Parsing IODD files in:" << searchPath;
    replaceEntries(scanFolders(foldersToScan(searchPath), thread()));
    qInfo() << "Parsing IODD files completed. IODDS found:" << entries.size();
}

void IODDListModel::rescan()
{
    if (scanWatcher.isRunning()) {
        rescanWanted = true;
        return;
    }
    rescanWanted = false;
    qInfo() << "Rescanning IODD files in:" << searchPath;
    backgroundGeneration = scanGeneration;
    scanWatcher.setFuture(QtConcurrent::run(&IODDListModel::scanFolders, foldersToScan(searchPath), thread()));
    setScanning(true);
}

void IODDListModel::onScanFinished()
{
    const QList<IODDEntry *> scanned = scanWatcher.result();
    if (rescanWanted || backgroundGeneration != scanGeneration) {
        // The folder changed during the scan, or a scan in the foreground overtook it.
        qDeleteAll(scanned);
        if (rescanWanted) {
            rescan();
            return;
        }
    } else {
        replaceEntries(scanned);
        qInfo() << "Rescanning IODD files completed. IODDS found:" << entries.size();
    }
    setScanning(false);
}

void IODDListModel::replaceEntries(const QList<IODDEntry *> &scanned)
{
    ++scanGeneration;
    beginResetModel();
    for (IODDEntry *entry : qAsConst(entries))
        entry->deleteLater();
    entries = scanned;
    for (IODDEntry *entry : scanned)
        entry->setParent(this);
    scanOrder = entries;
    sortForDisplay(entries);
    endResetModel();
    emit countChanged();
}

void IODDListModel::setScanning(bool value)
{
    if (scanning == value)
        return;
    scanning = value;
    emit scanningChanged();
}

QStringList IODDListModel::foldersToScan(const QString &searchPath)
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

// Runs in any thread; the entries are handed to the home thread, where the model adopts them.
QList<IODDEntry *> IODDListModel::scanFolders(const QStringList &folders, QThread *home)
{
    QList<IODDEntry *> scanned;
    for (const QString &folderPath : folders) {
        const QDir folder(folderPath);
        const QFileInfoList xmlFiles = folder.entryInfoList({ QStringLiteral("*.xml") }, QDir::Files, QDir::Unsorted);
        if (xmlFiles.isEmpty())
            continue;
        // Listed once per folder: every entry of the folder shares the same list.
        const QStringList folderFiles = folder.entryList(QDir::Files, QDir::Unsorted);
        QSet<QString> baseNames;
        for (const QFileInfo &fileInfo : xmlFiles)
            baseNames.insert(fileInfo.completeBaseName().toLower());
        for (const QFileInfo &fileInfo : xmlFiles) {
            qCDebug(lcIodd) << fileInfo;
            // Language files belong to their description's entry; they are no device description of their own.
            if (isLanguageFile(fileInfo, baseNames))
                continue;
            auto *entry = new IODDEntry(fileInfo, folderFiles);
            entry->parse();
            if (entry->thread() != home)
                entry->moveToThread(home);
            scanned.append(entry);
        }
    }
    return scanned;
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
