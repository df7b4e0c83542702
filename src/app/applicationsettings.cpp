#include "applicationsettings.h"

#include "debugflag.h"

#include "discovery/deviceitem.h"
#include "master/masterlibrary.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <stdexcept>

namespace {
const QString keySearchPath = QStringLiteral("iodd/searchPath");
const QString keyFilterUsbDevices = QStringLiteral("app/filterUsbDevices");
const QString keyDebugEnabled = QStringLiteral("app/debugEnabled");
const QString keyLanguage = QStringLiteral("app/language");
const QString keySimulatedMaster = QStringLiteral("app/simulatedMaster");
const QString keySimulatedDevices = QStringLiteral("app/simulatedDevices");
const QString keyUserRole = QStringLiteral("app/userRole");
const QString defaultLanguage = QStringLiteral("en");
const QString defaultUserRole = QStringLiteral("specialist");
const QString sampleDeviceFolder = QStringLiteral(":/iolink/sample");
} // namespace

ApplicationSettings *ApplicationSettings::instance()
{
    // A throwing constructor leaves the static uninitialised, so a later call after the application exists succeeds.
    static ApplicationSettings settingsInstance;
    return &settingsInstance;
}

ApplicationSettings::ApplicationSettings()
    : QObject(nullptr)
{
    if (!QCoreApplication::instance())
        throw std::runtime_error("INTERNAL ERROR: application settings expects application to be instantiated.");
    settings = new QSettings(QSettings::UserScope, QCoreApplication::organizationName(),
                             QCoreApplication::applicationName(), this);
    debugEnabled = settings->value(keyDebugEnabled, false).toBool();
    DebugFlag::setEnabled(debugEnabled);
    if (mobileLayout)
        sensorStore = new QSettings(QSettings::UserScope, QCoreApplication::organizationName(),
                                    QCoreApplication::applicationName() + QStringLiteral("-sensors"), this);
}

ApplicationSettings::~ApplicationSettings() = default;

QString ApplicationSettings::getCopyright() const
{
    return tr("Copyright © 2026 Korvell GmbH. All rights reserved.");
}

QString ApplicationSettings::defaultIoddSearchPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\IODDs");
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/IODDs");
#endif
}

QString ApplicationSettings::getIoddSearchPath() const
{
    return settings->value(keySearchPath, defaultIoddSearchPath()).toString();
}

void ApplicationSettings::setIoddSearchPath(const QString &path)
{
    settings->setValue(keySearchPath, path);
    emit ioddSearchPathChanged();
}

bool ApplicationSettings::getFilterUsbDevices() const
{
    const bool filter = settings->value(keyFilterUsbDevices, true).toBool();
    qDebug() << Q_FUNC_INFO << "filter" << filter;
    return filter;
}

void ApplicationSettings::setFilterUsbDevices(bool filter)
{
    qDebug() << Q_FUNC_INFO << filter;
    settings->setValue(keyFilterUsbDevices, filter);
    settings->sync();
    emit filterUsbDevicesChanged();
}

void ApplicationSettings::setDebugEnabled(bool enabled)
{
    qDebug() << Q_FUNC_INFO << enabled;
    settings->setValue(keyDebugEnabled, enabled);
    settings->sync();
    debugEnabled = enabled;
    DebugFlag::setEnabled(enabled);
    emit debugEnabledChanged();
}

QString ApplicationSettings::getLanguage() const
{
    const QString language = settings->value(keyLanguage, defaultLanguage).toString();
    qDebug() << "language" << language;
    return language;
}

void ApplicationSettings::setLanguage(const QString &language)
{
    qDebug() << Q_FUNC_INFO << language;
    settings->setValue(keyLanguage, language);
    settings->sync();
    emit languageChanged();
}

QStringList ApplicationSettings::getLanguages() const
{
    return { QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr") };
}

QString ApplicationSettings::getUserRole() const
{
    const QString role = settings->value(keyUserRole, defaultUserRole).toString();
    return getUserRoles().contains(role) ? role : defaultUserRole;
}

void ApplicationSettings::setUserRole(const QString &role)
{
    if (!getUserRoles().contains(role)) {
        qWarning() << "Unknown user role ignored:" << role;
        return;
    }
    if (role == getUserRole())
        return;
    settings->setValue(keyUserRole, role);
    settings->sync();
    emit userRoleChanged();
}

QStringList ApplicationSettings::getUserRoles() const
{
    return { QStringLiteral("observer"), QStringLiteral("maintenance"), defaultUserRole };
}

bool ApplicationSettings::simulatedMaster() const
{
    return settings->value(keySimulatedMaster, false).toBool();
}

void ApplicationSettings::setSimulatedMaster(bool simulated)
{
    qDebug() << Q_FUNC_INFO << simulated;
    settings->setValue(keySimulatedMaster, simulated);
    settings->sync();
    emit simulatedMasterChanged();
}

QStringList ApplicationSettings::defaultSimulatedDevices()
{
    QStringList files;
    const QDir sample(sampleDeviceFolder);
    const QStringList names = sample.entryList({ QStringLiteral("*.xml") }, QDir::Files, QDir::Name);
    for (const QString &name : names)
        files << sample.filePath(name);
    return files;
}

QStringList ApplicationSettings::simulatedDevices() const
{
    if (!settings->contains(keySimulatedDevices))
        return defaultSimulatedDevices();
    return settings->value(keySimulatedDevices).toStringList();
}

void ApplicationSettings::setSimulatedDevices(const QStringList &ioddFiles)
{
    qDebug() << Q_FUNC_INFO << ioddFiles;
    settings->setValue(keySimulatedDevices, ioddFiles);
    settings->sync();
    emit simulatedDevicesChanged();
}

void ApplicationSettings::setSensorStore(QSettings *store)
{
    if (store == sensorStore)
        return;
    delete sensorStore;
    sensorStore = store;
    if (sensorStore)
        sensorStore->setParent(this);
}

QList<DeviceItem *> ApplicationSettings::readSavedSensors()
{
    qDebug() << Q_FUNC_INFO;
    QList<DeviceItem *> items;
    if (!sensorStore)
        return items;
    const QStringList keys = sensorStore->allKeys();
    for (const QString &key : keys) {
        const QString json = sensorStore->value(key).toString();
        qDebug() << "Parsing" << key << json;
        auto *item = new DeviceItem();
        if (item->fromJsonString(key, json)) {
            items.append(item);
        } else {
            qWarning() << "Can't parse key. Removing: " << key;
            delete item;
            sensorStore->remove(key);
        }
    }
    qDebug() << "Parsed items" << items.size();
    return items;
}

void ApplicationSettings::saveSensor(const DeviceItem *item)
{
    if (!item)
        return;
    qDebug() << Q_FUNC_INFO << item->getId();
    if (!sensorStore)
        return;
    if (item->getId().isEmpty()) {
        qWarning() << Q_FUNC_INFO << "Can't save a sensor without id";
        return;
    }
    const QString json = item->toJsonString();
    sensorStore->setValue(item->getId(), json);
    qDebug() << "Saved" << item->getId() << json;
}

void ApplicationSettings::removeSavedSensor(const QString &id)
{
    qDebug() << Q_FUNC_INFO << id;
    if (!sensorStore)
        return;
    if (!sensorStore->contains(id)) {
        qWarning() << "Can't remove non-existing key:" << id;
        return;
    }
    sensorStore->remove(id);
}

bool ApplicationSettings::isVendorLibraryAvailable() const
{
    return MasterLibrary::instance().isVendorLibraryAvailable();
}
