#pragma once

#include <QList>
#include <QPointer>
#include <QSettings>
#include <QString>

class DeviceItem;

// The sensors connected before, one JSON text per id in a settings store that someone else owns.
// Without a store (the desktop layout has none) nothing is kept.
class SavedSensors
{
public:
    void setStore(QSettings *newStore) { store = newStore; }
    QSettings *getStore() const { return store; }

    // New items, owned by the caller; entries that cannot be read are removed from the store for good.
    QList<DeviceItem *> read();
    void save(const DeviceItem *item);
    void remove(const QString &id);

private:
    QPointer<QSettings> store;
};
