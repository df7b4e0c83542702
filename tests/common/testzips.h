#pragma once

#include <KZip>

#include <QByteArray>
#include <QList>
#include <QString>

// Zip files built at test time through KArchive's writer; the hostile ones, with fields no well-behaved writer
// produces, are kept in tests/data/catalogue/hostile.
namespace TestZips {

// A deflated zip through KArchive's writer: name and content pairs.
inline bool writeZip(const QString &path, const QList<QPair<QString, QByteArray>> &files)
{
    KZip zip(path);
    if (!zip.open(QIODevice::WriteOnly))
        return false;
    for (const auto &file : files) {
        if (!zip.writeFile(file.first, file.second))
            return false;
    }
    return zip.close();
}

} // namespace TestZips
