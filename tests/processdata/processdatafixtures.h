#pragma once

// A device description with process data and the process data objects the device binding builds from it.
#include "binding/iolinkwrapper.h"
#include "device/variablewrapper.h"
#include "iodd/model/processdataelements.h"
#include "iodd/model/userinterfaceelements.h"
#include "processdata/processdataclock.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/processdatarefwrapper.h"
#include "processdata/processdatawrapper.h"
#include "processdata/recorditemwrapper.h"
#include "testenvironment.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <cstring>
#include <memory>

namespace ProcessDataFixtures {

// Time that moves only when a test says so.
struct FakeClock
{
    qint64 now = 100000;
    ProcessDataClock::Function function()
    {
        return [this] { return now; };
    }
};

// The description as the device binding builds it: its variables, process data and references.
class Device : public IOLinkWrapper
{
public:
    explicit Device(const QString &fixture = QStringLiteral("processdata/device.xml"))
        : IOLinkWrapper(TestEnvironment::testDataPath(fixture))
        , loaded(isProductLoaded())
        , variables(getVariableWrappers())
        , processDatas(getProcessDataWrappers())
        , refs(getProcessDataRefWrappers())
    {
    }

    ProcessDataItemWrapper *item(const QString &id) const
    {
        for (ProcessDataWrapper *processData : processDatas) {
            if (ProcessDataItemWrapper *found = processData->findItem(id))
                return found;
        }
        return nullptr;
    }

    RecordItemWrapper *recordItem(const QString &itemId, int subindex) const
    {
        ProcessDataItemWrapper *found = item(itemId);
        return found ? found->getRecordItem(subindex) : nullptr;
    }

    ProcessDataRefWrapper *ref(const QString &itemId) const
    {
        for (ProcessDataRefWrapper *candidate : refs) {
            if (candidate->getItem() && candidate->getItem()->getId() == itemId)
                return candidate;
        }
        return nullptr;
    }

    void select(quint32 processDataSelect) { variables.first()->setValue(processDataSelect, 0); }

    void deliver(const QByteArray &payload, qint64 duration)
    {
        for (ProcessDataWrapper *processData : processDatas)
            processData->setData(payload, duration);
    }

    QObject owner;
    const bool loaded;
    const QList<VariableWrapper *> variables;
    const QList<ProcessDataWrapper *> processDatas;
    const QList<ProcessDataRefWrapper *> refs;
};

// The 80-bit main input image: U8 | I16 | Float32 | Bool | U4 (low nibble) | one text octet.
inline QByteArray mainPayload(quint8 level, qint16 signedValue, float temperature, bool on, quint8 nibble = 0)
{
    QByteArray payload(10, '\0');
    payload[0] = char(level);
    payload[1] = char(quint16(signedValue) >> 8);
    payload[2] = char(quint16(signedValue) & 0xFF);
    quint32 bits = 0;
    std::memcpy(&bits, &temperature, sizeof bits);
    for (int i = 0; i < 4; ++i)
        payload[3 + i] = char(bits >> (24 - 8 * i));
    payload[7] = on ? char(0x01) : char(0x00);
    payload[8] = char(nibble);
    payload[9] = 'x';
    return payload;
}

} // namespace ProcessDataFixtures
