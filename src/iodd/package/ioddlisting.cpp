#include "ioddlisting.h"

#include "iodd/catalogue/ioddchoice.h"
#include "iodd/catalogue/ioddentry.h"
#include "iodd/package/ioddfolder.h"

#include <QJsonArray>

QList<QJsonObject> IoddListing::describe(const QString &ioddFolder)
{
    const auto scanned = IoddFolder(ioddFolder).scan();
    QList<IODDEntry *> entries;
    for (const auto &entry : scanned)
        entries.append(entry.get());
    QList<QJsonObject> described;
    for (IODDEntry *entry : qAsConst(entries)) {
        bool used = false;
        const QStringList productIds = entry->getProductIds();
        for (const QString &productId : productIds)
            used = used || IoddChoice::choose(entries, productId) == entry;
        described.append(QJsonObject{
            { QStringLiteral("file"), entry->getIODDPath() },
            { QStringLiteral("vendorId"), entry->getVendorId() },
            { QStringLiteral("deviceId"), entry->getDeviceId() },
            { QStringLiteral("vendorName"), entry->getVendorName() },
            { QStringLiteral("productNames"), QJsonArray{ entry->getProductName() } },
            { QStringLiteral("productIds"), QJsonArray::fromStringList(productIds) },
            { QStringLiteral("version"), entry->getIODDVersion() },
            { QStringLiteral("releaseDate"), entry->getIODDReleaseDate() },
            { QStringLiteral("used"), used },
        });
    }
    return described;
}
