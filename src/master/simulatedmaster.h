#pragma once

#include "iqcomminterface.h"
#include "serialportdescriptor.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QStringList>

#include <memory>

class SimulatedDevice;

// An in-process IO-Link master with one virtual port per simulated device ("SIM1", "SIM2", ...).
// It answers the ten master-access calls and offers tests a way to disturb and inspect it.
// Every member is thread-safe; time is either the real elapsed time or set by tests.
class SimulatedMaster
{
public:
    static SimulatedMaster &instance();
    // The ten calls bound to this master.
    static const IqCommFunctions &functions();

    ~SimulatedMaster();

    // Rebuilds all ports from the given IODD files; open handles become invalid and injected faults are cleared.
    void setDeviceFiles(const QStringList &files);
    QStringList deviceFiles() const;
    void setStandardDefinitionsPath(const QString &path);
    QList<SerialPortDescriptor> availablePorts() const;

    // Test interface (simulatedmaster_faults.cpp); ports are addressed by their number.
    void unplug(int port);
    void replug(int port);
    // The next count calls on the port (only those of the named call, when given) fail with result and ISDU code.
    void failNextCalls(int port, int count, int result, quint16 isduError = 0, const QString &call = QString());
    // The port stays plugged for count more calls (only those of the named call, when given) and is unplugged
    // as the next one starts, so that call and every later one fail as with a pulled cable.
    void unplugAfterCalls(int port, int count, const QString &call = QString());
    void forceOperatingMode(int port, int mode); // -1 lets the port follow the requested mode again
    void setCallDelay(int port, int milliseconds);
    void setProcessDataInvalid(int port, bool invalid);
    // Queues the event count times at once, so that no poll takes one in between.
    void queueEvent(int port, quint8 qualifier, quint16 code, int count = 1);
    QByteArray parameter(int port, uint index, uint subindex = 0) const;
    QByteArray lastOutput(int port) const;
    QByteArray processDataInput(int port) const;
    bool isLocating(int port) const;
    bool isOpen(int port) const;
    int operatingMode(int port) const;
    int callCount(int port, const QString &call) const;
    void resetFaults();

    void setTime(qint64 milliseconds);
    void advanceTime(qint64 milliseconds);
    void useRealTime();
    qint64 currentTime() const;

    // The calls themselves.
    IqCommResult getVersion(uint16_t *major, uint16_t *minor, char *errorText);
    IqCommHandle connect(uint8_t port, char *errorText);
    IqCommResult disconnect(IqCommHandle handle, char *errorText);
    IqCommResult getConfig(IqCommHandle handle, IqCommConfig *config, char *errorText);
    IqCommResult setOperatingMode(IqCommHandle handle, uint8_t mode, uint8_t *resultingMode, char *errorText);
    IqCommResult getStatus(IqCommHandle handle, uint8_t *status, uint8_t *buffer, uint16_t size, char *errorText);
    IqCommResult readEvent(IqCommHandle handle, uint8_t *qualifier, uint16_t *code, char *errorText);
    IqCommResult readOD(IqCommHandle handle, uint16_t index, uint8_t subindex, uint8_t *buffer, uint16_t size,
                        uint16_t *isduError, char *errorText);
    IqCommResult writeOD(IqCommHandle handle, uint16_t index, uint8_t subindex, const uint8_t *data, uint16_t length,
                         uint16_t *isduError, char *errorText);
    IqCommResult setPDValue(IqCommHandle handle, const uint8_t *data, uint16_t length, char *errorText);

    static constexpr uint16_t versionMajor = 1;
    static constexpr uint16_t versionMinor = 0;
    static const char *const portDescription;

private:
    struct Failure
    {
        int remaining = 0;
        int result = 0;
        quint16 isduError = 0;
        QString call;
    };
    struct Port
    {
        int number = 0;
        std::unique_ptr<SimulatedDevice> device;
        bool plugged = true;
        IqCommHandle handle = -1;
        int mode = IqCommModeInactive;
        int forcedMode = -1;
        bool processDataInvalid = false;
        int delay = 0;
        int callsBeforeUnplug = -1;
        QString unplugCall;
        QList<Failure> failures;
        QHash<QString, int> calls;
    };
    class Call;

    SimulatedMaster();
    Port *portByNumber(int number) const;
    Port *portByHandle(IqCommHandle handle) const;
    qint64 now() const;
    static void setErrorText(char *errorText, const QString &text);

    mutable QMutex mutex;
    std::vector<std::unique_ptr<Port>> ports;
    QStringList files;
    QString standardDefinitions;
    IqCommHandle nextHandle = 1;
    QElapsedTimer clock;
    qint64 manualTime = -1;
};
