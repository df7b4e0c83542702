#include "ioddchoice.h"

#include "iodd/catalogue/ioddentry.h"

#include <QFileInfo>
#include <QVariantMap>

#include <algorithm>

IODDEntry *IoddChoice::choose(const QList<IODDEntry *> &entries, const QString &productId, int *matchCount)
{
    IODDEntry *latest = nullptr;
    int matches = 0;
    for (IODDEntry *entry : entries) {
        if (!entry->isMatchingProductId(productId))
            continue;
        ++matches;
        if (!latest || entry->getIODDReleaseDate() > latest->getIODDReleaseDate())
            latest = entry;
    }
    if (matchCount)
        *matchCount = matches;
    return latest;
}

QVariantList IoddChoice::describe(const QList<IODDEntry *> &entries, const IODDEntry *chosen, const QString &productId)
{
    QList<const IODDEntry *> matching;
    for (const IODDEntry *entry : entries) {
        if (entry->isMatchingProductId(productId))
            matching.append(entry);
    }
    // The one in use first, then the others from the newest release down.
    std::stable_sort(matching.begin(), matching.end(), [chosen](const IODDEntry *a, const IODDEntry *b) {
        if ((a == chosen) != (b == chosen))
            return a == chosen;
        return a->getIODDReleaseDate() > b->getIODDReleaseDate();
    });
    QVariantList described;
    for (const IODDEntry *entry : qAsConst(matching)) {
        described.append(QVariantMap{
            { QStringLiteral("path"), entry->getIODDPath() },
            { QStringLiteral("fileName"), QFileInfo(entry->getIODDPath()).fileName() },
            { QStringLiteral("version"), entry->getIODDVersion() },
            { QStringLiteral("releaseDate"), entry->getIODDReleaseDate() },
            { QStringLiteral("used"), entry == chosen },
        });
    }
    return described;
}
