#pragma once

#include "master/masterchoice.h"
#include "master/serialportdescriptor.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <optional>

class IOLinkDevice;

// Finds the IO-Link masters among the ports of the bound master provider. Lives in a thread of its own:
// every scan probes each port, which blocks for the duration of the master calls.
class SerialDeviceDiscovery : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool scanning READ isScanning NOTIFY scanningChanged)

public:
    explicit SerialDeviceDiscovery(QObject *parent = nullptr);
    ~SerialDeviceDiscovery() override;

    // Called from the main thread; the scan runs later in the discovery's thread.
    void startScan(IOLinkDevice *currentDevice);
    bool isScanning() const { return scanning; }
    // Called from the main thread; the next scan without a connected device binds what was chosen.
    void setMasterChoice(const MasterChoice &choice);

    // Waits for the network scans still running; their devices are announced before it returns.
    void waitForNetworkScans();

signals:
    // A network master could not be reached; told once until it answers again.
    void masterUnreachable(QString alert);
    void scanningRequested(IOLinkDevice *currentDevice);
    void scanningChanged();
    void deviceDiscovered(IOLinkDevice *device);

public slots:
    void runSerialScan(IOLinkDevice *currentDevice);
    void onDeviceDiscovered(const SerialPortDescriptor &info);
    void onDeviceScanFinished();

private:
    static constexpr int maxParallelMasterScans = 8;

    void rebindIfChosenOtherwise();
    QString addressToSkip(IOLinkDevice *currentDevice);
    void setScanning(bool value);
    // Each master is scanned in a pool thread of its own, so a silent one delays neither the others nor the serial scan.
    void startNetworkScans(const QString &skipped);
    void scanNetworkMaster(const QString &baseUrl, const QString &skipped);
    void announce(IOLinkDevice *device);

    std::atomic<bool> scanning { false };
    // Filled in the main thread by startScan, taken by the scans in order. The address of the current device
    // is read when the request is made: by the time the scan runs, that device may be gone.
    QMutex requestMutex;
    QList<QPair<IOLinkDevice *, QString>> pendingSkips;
    std::optional<MasterChoice> latestChoice;
    std::optional<MasterChoice> requestedChoice;
    std::optional<MasterChoice> boundChoice;
    QStringList requestedMasters;
    int requestedPollInterval = MasterChoice().networkPollInterval;

    QMutex networkMutex;
    QSet<QString> mastersBeingScanned;
    QSet<QString> unreachableMasters;
    QThreadPool networkPool;
};
