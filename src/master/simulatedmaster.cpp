#include "simulatedmaster.h"

#include "core/logcategories.h"
#include "simulateddevice.h"
#include "simulateddevicedescription.h"

#include <QDebug>
#include <QMutexLocker>
#include <QThread>

#include <cstring>
#include <functional>

namespace {

const QString defaultStandardDefinitions = QStringLiteral(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml");

extern "C" {

IqCommResult IQCOMM_CALL simGetVersion(uint16_t *major, uint16_t *minor, char *errorText)
{
    return SimulatedMaster::instance().getVersion(major, minor, errorText);
}

IqCommHandle IQCOMM_CALL simConnect(uint8_t port, uint8_t, char *errorText)
{
    return SimulatedMaster::instance().connect(port, errorText);
}

IqCommResult IQCOMM_CALL simDisconnect(IqCommHandle handle, char *errorText)
{
    return SimulatedMaster::instance().disconnect(handle, errorText);
}

IqCommResult IQCOMM_CALL simGetConfig(IqCommHandle handle, IqCommConfig *config, char *errorText)
{
    return SimulatedMaster::instance().getConfig(handle, config, errorText);
}

IqCommResult IQCOMM_CALL simSetOperatingMode(IqCommHandle handle, uint8_t mode, uint8_t, uint8_t *resultingMode, char *errorText)
{
    return SimulatedMaster::instance().setOperatingMode(handle, mode, resultingMode, errorText);
}

IqCommResult IQCOMM_CALL simGetStatus(IqCommHandle handle, uint8_t *status, uint8_t *buffer, uint16_t size, char *errorText)
{
    return SimulatedMaster::instance().getStatus(handle, status, buffer, size, errorText);
}

IqCommResult IQCOMM_CALL simReadEvent(IqCommHandle handle, uint8_t *qualifier, uint16_t *code, char *errorText)
{
    return SimulatedMaster::instance().readEvent(handle, qualifier, code, errorText);
}

IqCommResult IQCOMM_CALL simReadOD(IqCommHandle handle, uint16_t index, uint8_t subindex, uint8_t *buffer, uint16_t size,
                                   uint16_t *isduError, char *errorText)
{
    return SimulatedMaster::instance().readOD(handle, index, subindex, buffer, size, isduError, errorText);
}

IqCommResult IQCOMM_CALL simWriteOD(IqCommHandle handle, uint16_t index, uint8_t subindex, const uint8_t *data,
                                    uint16_t length, uint16_t *isduError, char *errorText)
{
    return SimulatedMaster::instance().writeOD(handle, index, subindex, data, length, isduError, errorText);
}

IqCommResult IQCOMM_CALL simSetPDValue(IqCommHandle handle, const uint8_t *data, uint16_t length, char *errorText)
{
    return SimulatedMaster::instance().setPDValue(handle, data, length, errorText);
}

} // extern "C"

QString isduErrorText(quint16 code)
{
    switch (code) {
    case SimulatedDevice::isduIndexNotAvailable: return QStringLiteral("index not available");
    case SimulatedDevice::isduSubindexNotAvailable: return QStringLiteral("subindex not available");
    case SimulatedDevice::isduAccessDenied: return QStringLiteral("access denied");
    case SimulatedDevice::isduValueOutOfRange: return QStringLiteral("parameter value out of range");
    case SimulatedDevice::isduLengthOverrun: return QStringLiteral("parameter length overrun");
    case SimulatedDevice::isduLengthUnderrun: return QStringLiteral("parameter length underrun");
    case SimulatedDevice::isduFunctionNotAvailable: return QStringLiteral("function not available");
    default: return QStringLiteral("device error");
    }
}

} // namespace

const char *const SimulatedMaster::portDescription = "Simulated IO-Link master";

// Serialises one call: applies the port's delay outside the lock, then holds the lock for the call,
// counts it and answers injected failures.
class SimulatedMaster::Call
{
public:
    Call(SimulatedMaster &master, const QString &name, char *errorText, uint16_t *isduError,
         const std::function<Port *()> &find)
        : locker(&master.mutex)
    {
        if (isduError)
            *isduError = 0;
        SimulatedMaster::setErrorText(errorText, QString());
        // Counted when the call starts, so tests can act while a delayed call is in progress.
        Port *candidate = find();
        if (candidate) {
            ++candidate->calls[name];
            countTowardsUnplug(candidate, name);
        }
        const int delay = candidate ? candidate->delay : 0;
        if (delay > 0) {
            locker.unlock();
            QThread::msleep(ulong(delay));
            locker.relock();
            candidate = find();
        }
        if (!candidate) {
            failure = IqCommInterfaceNotFound;
            SimulatedMaster::setErrorText(errorText, QStringLiteral("No simulated master port for this request"));
            return;
        }
        if (!candidate->plugged) {
            failure = IqCommInterfaceNotFound;
            SimulatedMaster::setErrorText(errorText, QStringLiteral("Simulated master SIM%1 is unplugged").arg(candidate->number));
            return;
        }
        for (int i = 0; i < candidate->failures.size(); ++i) {
            Failure &injected = candidate->failures[i];
            if (!injected.call.isEmpty() && injected.call != name)
                continue;
            failure = IqCommResult(injected.result);
            if (isduError)
                *isduError = injected.isduError;
            SimulatedMaster::setErrorText(errorText, QStringLiteral("Simulated failure of %1 (ISDU error 0x%2)")
                                                         .arg(name).arg(injected.isduError, 4, 16, QLatin1Char('0')));
            if (--injected.remaining <= 0)
                candidate->failures.removeAt(i);
            return;
        }
        port = candidate;
    }

    Port *port = nullptr;
    IqCommResult failure = IqCommOk;

private:
    static void countTowardsUnplug(Port *candidate, const QString &name)
    {
        if (candidate->callsBeforeUnplug < 0 || (!candidate->unplugCall.isEmpty() && candidate->unplugCall != name))
            return;
        if (candidate->callsBeforeUnplug-- == 0)
            candidate->plugged = false;
    }

    QMutexLocker locker;
};

SimulatedMaster &SimulatedMaster::instance()
{
    static SimulatedMaster master;
    return master;
}

const IqCommFunctions &SimulatedMaster::functions()
{
    static const IqCommFunctions table = {simGetVersion, simConnect, simDisconnect, simGetConfig, simSetOperatingMode,
                                          simGetStatus, simReadEvent, simReadOD, simWriteOD, simSetPDValue};
    return table;
}

SimulatedMaster::SimulatedMaster()
    : standardDefinitions(defaultStandardDefinitions)
{
    clock.start();
}

SimulatedMaster::~SimulatedMaster() = default;

void SimulatedMaster::setErrorText(char *errorText, const QString &text)
{
    if (!errorText)
        return;
    const QByteArray octets = text.toLatin1().left(IqCommErrorTextSize - 1);
    std::memcpy(errorText, octets.constData(), size_t(octets.size()));
    errorText[octets.size()] = '\0';
}

void SimulatedMaster::setStandardDefinitionsPath(const QString &path)
{
    QMutexLocker locker(&mutex);
    standardDefinitions = path.isEmpty() ? defaultStandardDefinitions : path;
}

void SimulatedMaster::setDeviceFiles(const QStringList &deviceFiles)
{
    QString definitions;
    {
        QMutexLocker locker(&mutex);
        definitions = standardDefinitions;
    }
    // Descriptions are read outside the lock: calls on other ports must not wait for the parser.
    std::vector<std::unique_ptr<Port>> built;
    for (const QString &file : deviceFiles) {
        SimulatedDeviceDescription description;
        QString error;
        if (!description.load(file, definitions, &error)) {
            qWarning() << Q_FUNC_INFO << "Skipping simulated device:" << error;
            continue;
        }
        auto port = std::make_unique<Port>();
        port->number = int(built.size()) + 1;
        port->device = std::make_unique<SimulatedDevice>(description);
        qCDebug(lcMaster) << Q_FUNC_INFO << "Simulated device" << description.productName() << "on SIM" + QString::number(port->number);
        built.push_back(std::move(port));
    }
    QMutexLocker locker(&mutex);
    ports = std::move(built);
    files = deviceFiles;
}

QStringList SimulatedMaster::deviceFiles() const
{
    QMutexLocker locker(&mutex);
    return files;
}

QList<SerialPortDescriptor> SimulatedMaster::availablePorts() const
{
    QMutexLocker locker(&mutex);
    QList<SerialPortDescriptor> result;
    for (const auto &port : ports) {
        if (!port->plugged)
            continue;
        SerialPortDescriptor descriptor;
        const QString name = QStringLiteral("SIM%1").arg(port->number);
        descriptor.setPortName(name);
        descriptor.setSystemLocation(name);
        descriptor.setDescription(QString::fromLatin1(portDescription));
        descriptor.setManufacturer(QStringLiteral("Ovinex"));
        descriptor.setSerialNumber(QStringLiteral("SIMMASTER%1").arg(port->number, 4, 10, QLatin1Char('0')));
        result.append(descriptor);
    }
    return result;
}

SimulatedMaster::Port *SimulatedMaster::portByNumber(int number) const
{
    for (const auto &port : ports) {
        if (port->number == number)
            return port.get();
    }
    return nullptr;
}

SimulatedMaster::Port *SimulatedMaster::portByHandle(IqCommHandle handle) const
{
    if (handle < 0)
        return nullptr;
    for (const auto &port : ports) {
        if (port->handle == handle)
            return port.get();
    }
    return nullptr;
}

qint64 SimulatedMaster::now() const
{
    return manualTime >= 0 ? manualTime : clock.elapsed();
}

void SimulatedMaster::setTime(qint64 milliseconds)
{
    QMutexLocker locker(&mutex);
    manualTime = qMax<qint64>(0, milliseconds);
}

void SimulatedMaster::advanceTime(qint64 milliseconds)
{
    QMutexLocker locker(&mutex);
    manualTime = qMax<qint64>(0, now() + milliseconds);
}

void SimulatedMaster::useRealTime()
{
    QMutexLocker locker(&mutex);
    manualTime = -1;
}

qint64 SimulatedMaster::currentTime() const
{
    QMutexLocker locker(&mutex);
    return now();
}

IqCommResult SimulatedMaster::getVersion(uint16_t *major, uint16_t *minor, char *errorText)
{
    setErrorText(errorText, QString());
    if (!major || !minor) {
        setErrorText(errorText, QStringLiteral("Missing version output"));
        return IqCommWrongParameter;
    }
    *major = versionMajor;
    *minor = versionMinor;
    return IqCommOk;
}

IqCommHandle SimulatedMaster::connect(uint8_t number, char *errorText)
{
    Call call(*this, QStringLiteral("mst_Connect"), errorText, nullptr, [this, number] { return portByNumber(number); });
    if (call.failure)
        return call.failure;
    if (call.port->handle >= 0) {
        setErrorText(errorText, QStringLiteral("Master port SIM%1 is already open").arg(number));
        return IqCommOperationFailed;
    }
    call.port->handle = nextHandle;
    call.port->mode = IqCommModeInactive;
    nextHandle = nextHandle == std::numeric_limits<IqCommHandle>::max() ? 1 : IqCommHandle(nextHandle + 1);
    return call.port->handle;
}

IqCommResult SimulatedMaster::disconnect(IqCommHandle handle, char *errorText)
{
    Call call(*this, QStringLiteral("mst_Disconnect"), errorText, nullptr, [this, handle] { return portByHandle(handle); });
    // Even a failing disconnect releases the handle, as a closed port does.
    if (Port *port = call.port ? call.port : portByHandle(handle)) {
        port->handle = -1;
        port->mode = IqCommModeInactive;
    }
    return call.failure;
}

IqCommResult SimulatedMaster::getConfig(IqCommHandle handle, IqCommConfig *config, char *errorText)
{
    Call call(*this, QStringLiteral("mst_GetConfig"), errorText, nullptr, [this, handle] { return portByHandle(handle); });
    if (call.failure)
        return call.failure;
    if (!config) {
        setErrorText(errorText, QStringLiteral("Missing configuration record"));
        return IqCommWrongParameter;
    }
    std::memset(config, 0, sizeof *config);
    const SimulatedDeviceDescription &description = call.port->device->description();
    config->revisionId = description.revisionId();
    config->vendorId = description.vendorId();
    config->deviceId = description.deviceId();
    const QByteArray serial = call.port->device->storedValue(21).left(IqCommSerialNumberSize - 1);
    std::memcpy(config->serialNumber, serial.constData(), size_t(serial.size()));
    config->speed = description.speed();
    return IqCommOk;
}

IqCommResult SimulatedMaster::setOperatingMode(IqCommHandle handle, uint8_t mode, uint8_t *resultingMode, char *errorText)
{
    Call call(*this, QStringLiteral("mst_SetOperatingMode"), errorText, nullptr, [this, handle] { return portByHandle(handle); });
    if (call.failure)
        return call.failure;
    call.port->mode = call.port->forcedMode >= 0 ? call.port->forcedMode : mode;
    if (resultingMode)
        *resultingMode = uint8_t(call.port->mode);
    return IqCommOk;
}

IqCommResult SimulatedMaster::getStatus(IqCommHandle handle, uint8_t *status, uint8_t *buffer, uint16_t size, char *errorText)
{
    Call call(*this, QStringLiteral("mst_GetStatus"), errorText, nullptr, [this, handle] { return portByHandle(handle); });
    if (call.failure)
        return call.failure;
    SimulatedDevice &device = *call.port->device;
    const bool operating = call.port->mode == IqCommModeOperate;
    const QByteArray image = operating ? device.processDataInput(now()) : QByteArray();
    if (image.size() > size || (size > 0 && !buffer)) {
        setErrorText(errorText, QStringLiteral("Process data of %1 octets does not fit the buffer").arg(image.size()));
        return IqCommBufferTooSmall;
    }
    uint8_t state = uint8_t(call.port->mode) & IqCommStatusPortStateMask;
    if (call.port->processDataInvalid || !operating)
        state |= IqCommStatusProcessDataInvalid;
    if (device.hasEvent())
        state |= IqCommStatusEventPending;
    if (status)
        *status = state;
    if (!image.isEmpty())
        std::memcpy(buffer, image.constData(), size_t(image.size()));
    return IqCommResult(image.size());
}

IqCommResult SimulatedMaster::readEvent(IqCommHandle handle, uint8_t *qualifier, uint16_t *code, char *errorText)
{
    Call call(*this, QStringLiteral("mst_ReadEvent"), errorText, nullptr, [this, handle] { return portByHandle(handle); });
    if (call.failure)
        return call.failure;
    quint8 eventQualifier = 0;
    quint16 eventCode = 0;
    if (!call.port->device->takeEvent(&eventQualifier, &eventCode)) {
        setErrorText(errorText, QStringLiteral("No event pending"));
        return IqCommOperationFailed;
    }
    if (qualifier)
        *qualifier = eventQualifier;
    if (code)
        *code = eventCode;
    return IqCommOk;
}

IqCommResult SimulatedMaster::readOD(IqCommHandle handle, uint16_t index, uint8_t subindex, uint8_t *buffer, uint16_t size,
                                     uint16_t *isduError, char *errorText)
{
    Call call(*this, QStringLiteral("mst_ReadOD"), errorText, isduError, [this, handle] { return portByHandle(handle); });
    if (call.failure)
        return call.failure;
    if (call.port->mode != IqCommModeOperate) {
        setErrorText(errorText, QStringLiteral("Master port SIM%1 is not operating").arg(call.port->number));
        return IqCommOperationFailed;
    }
    QByteArray value;
    call.port->device->setTime(now());
    if (const quint16 refusal = call.port->device->read(index, subindex, &value)) {
        if (isduError)
            *isduError = refusal;
        setErrorText(errorText, QStringLiteral("ISDU error 0x%1: %2").arg(refusal, 4, 16, QLatin1Char('0')).arg(isduErrorText(refusal)));
        return IqCommOperationFailed;
    }
    if (value.size() > size || (!value.isEmpty() && !buffer)) {
        setErrorText(errorText, QStringLiteral("Value of %1 octets does not fit the buffer").arg(value.size()));
        return IqCommBufferTooSmall;
    }
    if (!value.isEmpty())
        std::memcpy(buffer, value.constData(), size_t(value.size()));
    return IqCommResult(value.size());
}

IqCommResult SimulatedMaster::writeOD(IqCommHandle handle, uint16_t index, uint8_t subindex, const uint8_t *data,
                                      uint16_t length, uint16_t *isduError, char *errorText)
{
    Call call(*this, QStringLiteral("mst_WriteOD"), errorText, isduError, [this, handle] { return portByHandle(handle); });
    if (call.failure)
        return call.failure;
    if (call.port->mode != IqCommModeOperate) {
        setErrorText(errorText, QStringLiteral("Master port SIM%1 is not operating").arg(call.port->number));
        return IqCommOperationFailed;
    }
    if (length > 0 && !data) {
        setErrorText(errorText, QStringLiteral("Missing data"));
        return IqCommWrongParameter;
    }
    const QByteArray payload(reinterpret_cast<const char *>(data), data ? int(length) : 0);
    if (const quint16 refusal = call.port->device->write(index, subindex, payload)) {
        if (isduError)
            *isduError = refusal;
        setErrorText(errorText, QStringLiteral("ISDU error 0x%1: %2").arg(refusal, 4, 16, QLatin1Char('0')).arg(isduErrorText(refusal)));
        return IqCommOperationFailed;
    }
    return IqCommOk;
}

IqCommResult SimulatedMaster::setPDValue(IqCommHandle handle, const uint8_t *data, uint16_t length, char *errorText)
{
    Call call(*this, QStringLiteral("mst_SetPDValue"), errorText, nullptr, [this, handle] { return portByHandle(handle); });
    if (call.failure)
        return call.failure;
    if (length > 0 && !data) {
        setErrorText(errorText, QStringLiteral("Missing data"));
        return IqCommWrongParameter;
    }
    call.port->device->setProcessDataOutput(QByteArray(reinterpret_cast<const char *>(data), data ? int(length) : 0));
    return IqCommOk;
}
