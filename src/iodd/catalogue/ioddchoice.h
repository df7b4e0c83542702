#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class IODDEntry;

// Why a device got its IODD: every IODD that matches its product ID, the one in use first.
class IoddChoice
{
public:
    // The matching rule of the whole program: the latest release date wins, on equal dates the entry scanned first.
    static IODDEntry *choose(const QList<IODDEntry *> &entries, const QString &productId, int *matchCount = nullptr);
    // One map per matching IODD: path, fileName, version, releaseDate and used.
    static QVariantList describe(const QList<IODDEntry *> &entries, const IODDEntry *chosen, const QString &productId);
};
