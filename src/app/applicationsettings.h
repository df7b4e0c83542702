#pragma once

#include "master/masterchoice.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>

class QSettings;

// The user's persisted choices and the saved-sensor store; one per process, published to QML as "settings".
class ApplicationSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString copyright READ getCopyright CONSTANT)
    Q_PROPERTY(QString ioddSearchPath READ getIoddSearchPath NOTIFY ioddSearchPathChanged)
    Q_PROPERTY(bool filterUsbDevices READ getFilterUsbDevices WRITE setFilterUsbDevices NOTIFY filterUsbDevicesChanged)
    Q_PROPERTY(bool debugEnabled READ isDebugEnabled WRITE setDebugEnabled NOTIFY debugEnabledChanged)
    Q_PROPERTY(QString language READ getLanguage WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(QStringList languages READ getLanguages CONSTANT)
    Q_PROPERTY(QString userRole READ getUserRole WRITE setUserRole NOTIFY userRoleChanged)
    Q_PROPERTY(QStringList userRoles READ getUserRoles CONSTANT)
    Q_PROPERTY(bool simulatedMaster READ simulatedMaster WRITE setSimulatedMaster NOTIFY simulatedMasterChanged)
    Q_PROPERTY(QStringList simulatedDevices READ simulatedDevices WRITE setSimulatedDevices NOTIFY simulatedDevicesChanged)
    Q_PROPERTY(QStringList networkMasters READ networkMasters WRITE setNetworkMasters NOTIFY networkMastersChanged)
    Q_PROPERTY(int networkPollInterval READ networkPollInterval WRITE setNetworkPollInterval NOTIFY networkPollIntervalChanged)
    Q_PROPERTY(bool vendorLibraryAvailable READ isVendorLibraryAvailable CONSTANT)

public:
    // Throws std::runtime_error when called before the application object exists.
    static ApplicationSettings *instance();

    ~ApplicationSettings() override;

    QString getCopyright() const;

    QString getIoddSearchPath() const;
    void setIoddSearchPath(const QString &path);

    bool getFilterUsbDevices() const;
    void setFilterUsbDevices(bool filter);

    // The cached flag: a lock-free read, safe from any thread (the log handler reads it for every message).
    bool isDebugEnabled() const { return debugEnabled.load(std::memory_order_relaxed); }
    void setDebugEnabled(bool enabled);

    QString getLanguage() const;
    void setLanguage(const QString &language);
    QStringList getLanguages() const;

    // The role whose menus the device pages show; an unknown stored value reads as the default.
    QString getUserRole() const;
    // Ignores anything but one of getUserRoles().
    void setUserRole(const QString &role);
    QStringList getUserRoles() const;

    bool simulatedMaster() const;
    void setSimulatedMaster(bool simulated);
    QStringList simulatedDevices() const;
    void setSimulatedDevices(const QStringList &ioddFiles);
    // Base addresses of the Ethernet IO-Link masters, normalised ("http://host/iolink/v1"), without duplicates.
    QStringList networkMasters() const;
    void setNetworkMasters(const QStringList &addresses);
    // Process-data poll interval of devices on network masters, in ms (20..1000).
    int networkPollInterval() const;
    void setNetworkPollInterval(int milliseconds);
    // Whether the vendor master library can be loaded here; without it the simulated master stays in use.
    bool isVendorLibraryAvailable() const;

    // Both master settings at once, to be copied to the scan thread.
    MasterChoice masterChoice() const;

    // Replaces the saved-sensor store (taking ownership; null removes it). The desktop layout has none.
    void setSensorStore(QSettings *store);
    QSettings *getSensorStore() const { return sensorStore; }

    static QString defaultIoddSearchPath();
    static QStringList defaultSimulatedDevices();

signals:
    void ioddSearchPathChanged();
    void filterUsbDevicesChanged();
    void debugEnabledChanged();
    void languageChanged();
    void userRoleChanged();
    void simulatedMasterChanged();
    void simulatedDevicesChanged();
    void networkMastersChanged();
    void networkPollIntervalChanged();

public:
    Q_INVOKABLE bool isMobile() const { return mobileLayout; }
    // The normalised base address of what the user typed, or an empty string when it is no http(s) address.
    Q_INVOKABLE QString normalizedMasterAddress(const QString &text) const;

private:
    ApplicationSettings();

    static constexpr bool mobileLayout = false;

    QSettings *settings = nullptr;
    std::atomic<bool> debugEnabled { false };
    QSettings *sensorStore = nullptr;
};
