#include "savedsensors.h"

#include "core/logcategories.h"
#include "deviceitem.h"

#include <QDebug>

QList<DeviceItem *> SavedSensors::read()
{
    QList<DeviceItem *> items;
    if (!store)
        return items;
    const QStringList keys = store->allKeys();
    for (const QString &key : keys) {
        const QString json = store->value(key).toString();
        qCDebug(lcDiscovery) << "Parsing" << key << json;
        auto *item = new DeviceItem();
        if (item->fromJsonString(key, json)) {
            items.append(item);
        } else {
            qWarning() << "Can't parse key. Removing: " << key;
            delete item;
            store->remove(key);
        }
    }
    qCDebug(lcDiscovery) << "Parsed items" << items.size();
    return items;
}

void SavedSensors::save(const DeviceItem *item)
{
    if (!item || !store)
        return;
    if (item->getId().isEmpty()) {
        qWarning() << Q_FUNC_INFO << "Can't save a sensor without id";
        return;
    }
    const QString json = item->toJsonString();
    store->setValue(item->getId(), json);
    qCDebug(lcDiscovery) << "Saved" << item->getId() << json;
}

void SavedSensors::remove(const QString &id)
{
    if (!store)
        return;
    if (!store->contains(id)) {
        qWarning() << "Can't remove non-existing key:" << id;
        return;
    }
    store->remove(id);
}
