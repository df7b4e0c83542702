#include "ioddpackages.h"

#include "app/applicationsettings.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/package/ioddfolder.h"
#include "iodd/package/ioddimporter.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QUrl>

IoddPackages::IoddPackages(IODDListModel *catalogue, QObject *parent)
    : QObject(parent)
    , catalogue(catalogue)
{
}

IoddPackages::~IoddPackages()
{
    // An import in progress finishes its current file; leaving it half-way would leave a temporary folder.
    if (worker) {
        worker->wait();
        delete worker;
    }
}

QStringList IoddPackages::localPaths(const QVariantList &urls)
{
    QStringList paths;
    for (const QVariant &value : urls) {
        const QUrl url = value.toUrl();
        const QString text = value.toString();
        paths << (url.isLocalFile() ? url.toLocalFile() : text);
    }
    return paths;
}

bool IoddPackages::importFiles(const QVariantList &urls)
{
    const QStringList paths = localPaths(urls);
    if (worker || paths.isEmpty())
        return false;
    const QString folder = ApplicationSettings::instance()->getIoddSearchPath();
    const bool folderIsNew = !QFileInfo(folder).isDir();
    setProgressText(tr("Importing %1…").arg(QFileInfo(paths.first()).fileName()));
    worker = QThread::create([this, folder, paths, folderIsNew] {
        IoddImporter importer(folder);
        connect(&importer, &IoddImporter::progress, this, [this, paths](int done, int total, const QString &file) {
            if (!file.isEmpty())
                setProgressText(tr("Importing %1 (%2 of %3)…").arg(file).arg(done + 1).arg(total));
        });
        const QList<IoddImportResult> results = importer.importFiles(paths);
        QVariantList maps;
        for (const IoddImportResult &result : results)
            maps.append(result.toMap());
        const bool success = IoddImporter::allSucceeded(results);
        QMetaObject::invokeMethod(this, [this, maps, success, folderIsNew] { finish(maps, success, folderIsNew); },
                                  Qt::QueuedConnection);
    });
    emit busyChanged();
    worker->start();
    return true;
}

void IoddPackages::finish(const QVariantList &results, bool success, bool folderIsNew)
{
    worker->wait();
    worker->deleteLater();
    worker = nullptr;
    setProgressText(QString());
    // A folder that did not exist was not watched yet; it is scanned in the background.
    if (folderIsNew && catalogue)
        catalogue->chooseIoddSearchPath(catalogue->getIoddSearchPath());
    emit busyChanged();
    emit importFinished(results, success);
}

void IoddPackages::setProgressText(const QString &text)
{
    if (text == progressText)
        return;
    progressText = text;
    emit progressTextChanged();
}

QStringList IoddPackages::removalTargets(const QString &ioddPath) const
{
    const IoddFolder folder(ApplicationSettings::instance()->getIoddSearchPath());
    const QString target = folder.removalTarget(ioddPath);
    if (target.isEmpty())
        return {};
    if (QFileInfo(target).isDir())
        return { QDir::toNativeSeparators(target) };
    QStringList files;
    const QDir parent = QFileInfo(target).absoluteDir();
    const QStringList names = IoddFolder::filesOf(target);
    for (const QString &name : names)
        files << QDir::toNativeSeparators(parent.filePath(name));
    return files;
}

QString IoddPackages::remove(const QString &ioddPath)
{
    const IoddFolder folder(ApplicationSettings::instance()->getIoddSearchPath());
    QString error;
    if (!folder.remove(ioddPath, &error))
        return error;
    return QString();
}
