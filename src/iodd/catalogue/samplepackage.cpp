#include "samplepackage.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString sampleResourceFolder = QStringLiteral(":/iolink/sample");

bool copyPackage(const QDir &source, const QDir &target)
{
    const QStringList names = source.entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        const QString destination = target.filePath(name);
        QFile file(source.filePath(name));
        if (!file.copy(destination)) {
            qWarning() << Q_FUNC_INFO << "Cannot copy sample file" << name << "to" << destination << file.errorString();
            return false;
        }
        // Resource files come out read-only; the user owns the copies.
        QFile::setPermissions(destination, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                               | QFileDevice::ReadOther);
    }
    return !names.isEmpty();
}
} // namespace

QString SamplePackage::resourceFolder()
{
    return sampleResourceFolder;
}

QString SamplePackage::ioddFileName()
{
    const QStringList names = QDir(sampleResourceFolder).entryList({ QStringLiteral("*.xml") }, QDir::Files, QDir::Name);
    return names.value(0);
}

bool SamplePackage::installInto(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    if (QFileInfo::exists(folder))
        return true;
    if (!QDir().mkpath(folder)) {
        qWarning() << Q_FUNC_INFO << "Cannot create IODD folder" << folder;
        return false;
    }
    QDir target(folder);
    if (!copyPackage(QDir(sampleResourceFolder), target)) {
        target.removeRecursively();
        return false;
    }
    qInfo() << "Sample IODD package installed into" << folder;
    return true;
}
