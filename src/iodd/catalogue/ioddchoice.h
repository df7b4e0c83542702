#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class IODDEntry;

// Why a device got its IODD: every IODD that matches its product ID, the one in use first.
class IoddChoice
{
public:
    // One map per matching IODD: path, fileName, version, releaseDate and used.
    static QVariantList describe(const QList<IODDEntry *> &entries, const IODDEntry *chosen, const QString &productId);
};
