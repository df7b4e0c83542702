#include "applicationsettings.h"

#include "binding/iolinkwrapper.h"
#include "core/logcategories.h"
#include "master/masterlibrary.h"
#include "master/networkmaster.h"
#include "master/networkmasterjson.h"

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
const QString keyNetworkMasters = QStringLiteral("app/networkMasters");
const QString keyNetworkPollInterval = QStringLiteral("app/networkPollInterval");
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
    LogCategories::setVerbose(debugEnabled);
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
    qCDebug(lcApp) << Q_FUNC_INFO << "filter" << filter;
    return filter;
}

void ApplicationSettings::setFilterUsbDevices(bool filter)
{
    qCDebug(lcApp) << Q_FUNC_INFO << filter;
    settings->setValue(keyFilterUsbDevices, filter);
    settings->sync();
    emit filterUsbDevicesChanged();
}

void ApplicationSettings::setDebugEnabled(bool enabled)
{
    qCDebug(lcApp) << Q_FUNC_INFO << enabled;
    settings->setValue(keyDebugEnabled, enabled);
    settings->sync();
    debugEnabled = enabled;
    LogCategories::setVerbose(enabled);
    emit debugEnabledChanged();
}

QString ApplicationSettings::getLanguage() const
{
    const QString language = settings->value(keyLanguage, defaultLanguage).toString();
    qCDebug(lcApp) << "language" << language;
    return language;
}

void ApplicationSettings::setLanguage(const QString &language)
{
    qCDebug(lcApp) << Q_FUNC_INFO << language;
    settings->setValue(keyLanguage, language);
    settings->sync();
    emit languageChanged();
}

QStringList ApplicationSettings::getLanguages() const
{
    return IOLinkWrapper::languages();
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
    qCDebug(lcApp) << Q_FUNC_INFO << simulated;
    settings->setValue(keySimulatedMaster, simulated);
    settings->sync();
    emit simulatedMasterChanged();
}

QStringList ApplicationSettings::defaultSimulatedDevices()
{
    return MasterChoice::sampleDevices();
}

MasterChoice ApplicationSettings::masterChoice() const
{
    return { simulatedMaster(), simulatedDevices(), networkMasters(), networkPollInterval() };
}

QStringList ApplicationSettings::simulatedDevices() const
{
    if (!settings->contains(keySimulatedDevices))
        return defaultSimulatedDevices();
    return settings->value(keySimulatedDevices).toStringList();
}

void ApplicationSettings::setSimulatedDevices(const QStringList &ioddFiles)
{
    qCDebug(lcApp) << Q_FUNC_INFO << ioddFiles;
    settings->setValue(keySimulatedDevices, ioddFiles);
    settings->sync();
    emit simulatedDevicesChanged();
}

QStringList ApplicationSettings::networkMasters() const
{
    QStringList addresses;
    const QStringList stored = settings->value(keyNetworkMasters).toStringList();
    for (const QString &entry : stored) {
        const QString address = NetworkMasterJson::normalizedBaseUrl(entry);
        if (!address.isEmpty() && !addresses.contains(address))
            addresses.append(address);
    }
    return addresses;
}

void ApplicationSettings::setNetworkMasters(const QStringList &addresses)
{
    QStringList normalized;
    for (const QString &entry : addresses) {
        const QString address = NetworkMasterJson::normalizedBaseUrl(entry);
        if (!address.isEmpty() && !normalized.contains(address))
            normalized.append(address);
    }
    settings->setValue(keyNetworkMasters, normalized);
    settings->sync();
    emit networkMastersChanged();
}

QString ApplicationSettings::normalizedMasterAddress(const QString &text) const
{
    return NetworkMasterJson::normalizedBaseUrl(text);
}

int ApplicationSettings::networkPollInterval() const
{
    bool ok = false;
    const int value = settings->value(keyNetworkPollInterval, NetworkMaster::defaultPollIntervalMs).toInt(&ok);
    return ok ? qBound(NetworkMaster::minPollIntervalMs, value, NetworkMaster::maxPollIntervalMs)
              : NetworkMaster::defaultPollIntervalMs;
}

void ApplicationSettings::setNetworkPollInterval(int milliseconds)
{
    const int value = qBound(NetworkMaster::minPollIntervalMs, milliseconds, NetworkMaster::maxPollIntervalMs);
    settings->setValue(keyNetworkPollInterval, value);
    settings->sync();
    NetworkMaster::instance().setPollInterval(value);
    emit networkPollIntervalChanged();
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

bool ApplicationSettings::isVendorLibraryAvailable() const
{
    return MasterLibrary::instance().isVendorLibraryAvailable();
}
