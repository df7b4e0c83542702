#include "masterchoice.h"

#include <QDir>

QStringList MasterChoice::sampleDevices()
{
    QStringList files;
    const QDir sample(QStringLiteral(":/iolink/sample"));
    const QStringList names = sample.entryList({ QStringLiteral("*.xml") }, QDir::Files, QDir::Name);
    for (const QString &name : names)
        files << sample.filePath(name);
    return files;
}
