// The simulated master's test interface: faults to inject and state to read back, kept apart from the calls.
#include "simulatedmaster.h"

#include "simulateddevice.h"

#include <QMutexLocker>

void SimulatedMaster::unplug(int number)
{
    QMutexLocker locker(&mutex);
    if (Port *port = portByNumber(number))
        port->plugged = false;
}

void SimulatedMaster::replug(int number)
{
    QMutexLocker locker(&mutex);
    if (Port *port = portByNumber(number)) {
        // A master plugged in again starts closed and inactive; handles from before stay invalid.
        port->plugged = true;
        port->handle = -1;
        port->mode = IqCommModeInactive;
    }
}

void SimulatedMaster::failNextCalls(int number, int count, int result, quint16 isduError, const QString &call)
{
    QMutexLocker locker(&mutex);
    if (Port *port = portByNumber(number); port && count > 0)
        port->failures.append(Failure{count, result, isduError, call});
}

void SimulatedMaster::unplugAfterCalls(int number, int count, const QString &call)
{
    QMutexLocker locker(&mutex);
    if (Port *port = portByNumber(number)) {
        port->callsBeforeUnplug = qMax(0, count);
        port->unplugCall = call;
    }
}

void SimulatedMaster::forceOperatingMode(int number, int mode)
{
    QMutexLocker locker(&mutex);
    if (Port *port = portByNumber(number))
        port->forcedMode = mode;
}

void SimulatedMaster::setCallDelay(int number, int milliseconds)
{
    QMutexLocker locker(&mutex);
    if (Port *port = portByNumber(number))
        port->delay = qMax(0, milliseconds);
}

void SimulatedMaster::setProcessDataInvalid(int number, bool invalid)
{
    QMutexLocker locker(&mutex);
    if (Port *port = portByNumber(number))
        port->processDataInvalid = invalid;
}

void SimulatedMaster::queueEvent(int number, quint8 qualifier, quint16 code, int count)
{
    QMutexLocker locker(&mutex);
    if (Port *port = portByNumber(number)) {
        for (int i = 0; i < count; ++i)
            port->device->queueEvent(qualifier, code);
    }
}

QByteArray SimulatedMaster::parameter(int number, uint index, uint subindex) const
{
    QMutexLocker locker(&mutex);
    Port *port = portByNumber(number);
    if (!port)
        return QByteArray();
    port->device->setTime(now());
    return port->device->storedValue(index, subindex);
}

QByteArray SimulatedMaster::lastOutput(int number) const
{
    QMutexLocker locker(&mutex);
    Port *port = portByNumber(number);
    return port ? port->device->processDataOutput() : QByteArray();
}

QByteArray SimulatedMaster::processDataInput(int number) const
{
    QMutexLocker locker(&mutex);
    Port *port = portByNumber(number);
    return port ? port->device->processDataInput(now()) : QByteArray();
}

bool SimulatedMaster::isLocating(int number) const
{
    QMutexLocker locker(&mutex);
    Port *port = portByNumber(number);
    return port && port->device->isLocating();
}

bool SimulatedMaster::isOpen(int number) const
{
    QMutexLocker locker(&mutex);
    Port *port = portByNumber(number);
    return port && port->handle >= 0;
}

int SimulatedMaster::operatingMode(int number) const
{
    QMutexLocker locker(&mutex);
    Port *port = portByNumber(number);
    return port ? port->mode : -1;
}

int SimulatedMaster::callCount(int number, const QString &call) const
{
    QMutexLocker locker(&mutex);
    Port *port = portByNumber(number);
    return port ? port->calls.value(call) : 0;
}

void SimulatedMaster::resetFaults()
{
    QMutexLocker locker(&mutex);
    for (const auto &port : ports) {
        port->failures.clear();
        port->callsBeforeUnplug = -1;
        port->unplugCall.clear();
        port->forcedMode = -1;
        port->delay = 0;
        port->processDataInvalid = false;
        port->calls.clear();
    }
}
