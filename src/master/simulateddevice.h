#pragma once

#include "simulateddevicedescription.h"
#include "simulatedlensmonitor.h"

#include <QByteArray>
#include <QList>
#include <QMap>

// One simulated IO-Link device: its parameter store, system commands, events and process data,
// answering ISDU requests as a device does. Not thread-safe; the simulated master serialises access.
class SimulatedDevice
{
public:
    explicit SimulatedDevice(const SimulatedDeviceDescription &description);

    const SimulatedDeviceDescription &description() const { return deviceDescription; }

    // Both return 0 or the ISDU error code of the refusal.
    quint16 read(uint index, uint subindex, QByteArray *data) const;
    quint16 write(uint index, uint subindex, const QByteArray &data);

    // The simulated time, which process data follows.
    void setTime(qint64 timeMs);
    QByteArray processDataInput(qint64 timeMs) const;
    QByteArray processDataOutput() const { return outputImage; }
    void setProcessDataOutput(const QByteArray &data) { outputImage = data; }
    // The process-data definition whose condition holds against the current parameters, or null.
    const SimulatedDeviceDescription::ProcessData *activeProcessData() const;

    void queueEvent(quint8 qualifier, quint16 code);
    bool hasEvent() const { return !events.isEmpty(); }
    bool takeEvent(quint8 *qualifier, quint16 *code);

    void restoreDefaults();
    bool isLocating() const { return locating; }
    // The stored value without access checks, for tests and diagnostics.
    QByteArray storedValue(uint index, uint subindex = 0) const;

    static constexpr quint16 isduIndexNotAvailable = 0x8011;
    static constexpr quint16 isduSubindexNotAvailable = 0x8012;
    static constexpr quint16 isduAccessDenied = 0x8023;
    static constexpr quint16 isduValueOutOfRange = 0x8030;
    static constexpr quint16 isduLengthOverrun = 0x8033;
    static constexpr quint16 isduLengthUnderrun = 0x8034;
    static constexpr quint16 isduFunctionNotAvailable = 0x8035;

    static constexpr quint8 restoreFactorySettingsCommand = 0x82;
    static constexpr quint8 locateCommand = 175;
    static constexpr quint16 uploadRequestEvent = 0xFF91;
    // Device application, notification, single shot.
    static constexpr quint8 uploadRequestQualifier = 0x54;
    // The sample device's own events: lens dirty (warning, appears / disappears) and teach done.
    static constexpr quint16 lensDirtyEvent = 0x1800;
    static constexpr quint16 teachDoneEvent = 0x1802;
    static constexpr quint8 warningAppearsQualifier = 0xE4;
    static constexpr quint8 warningDisappearsQualifier = 0xA4;
    static constexpr quint8 teachCommand = 65;
    static constexpr uint teachResultIndex = 59;
    static constexpr uint deviceStatusIndex = 0x24;
    static constexpr uint detailedStatusIndex = 0x25;

private:
    using Variable = SimulatedDeviceDescription::Variable;
    using SimpleType = SimulatedDeviceDescription::SimpleType;

    quint16 writeWhole(const Variable &variable, const QByteArray &data);
    quint16 writeItem(const Variable &variable, uint subindex, const QByteArray &data);
    quint16 runSystemCommand(const Variable &variable, const QByteArray &data);
    void noteParameterChange(const Variable &variable);
    double currentValue(const QString &variableId, uint subindex) const;
    bool isSampleDevice() const;
    void watchLens();
    void showLensState();

    static QByteArray defaultPayload(const Variable &variable);
    static quint16 checkLength(int expected, int actual);

    SimulatedDeviceDescription deviceDescription;
    QMap<uint, QByteArray> store;
    QByteArray outputImage;
    QList<QPair<quint8, quint16>> events;
    bool locating = false;
    qint64 now = 0;
    bool sampleOptics = false;
    SimulatedLensMonitor lens;

    static constexpr int maxQueuedEvents = 64;
};
