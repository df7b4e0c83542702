#pragma once

// A device description with process data, loaded through the document model, and the process data
// objects built from it as the device binding builds them.
#include "device/variablewrapper.h"
#include "iodd/model/iodevicet.h"
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

class Device
{
public:
    explicit Device(const QString &fixture = QStringLiteral("processdata/device.xml"))
    {
        loaded = document.loadXml(TestEnvironment::testDataPath(fixture), XmlDocumentKind::ProductDescription);
        DeviceFunctionT *function = document.deviceFunction();
        if (!function)
            return;
        if (!function->VariableCollection.isEmpty()) {
            for (VariableT *element : function->VariableCollection.last()->Variable)
                variables.append(new VariableWrapper(&element->variable, &owner));
        }
        if (function->ProcessDataCollection.size() > 1) {
            const auto &definitions = function->ProcessDataCollection.last()->ProcessData;
            for (int i = 1; i < definitions.size(); ++i)
                processDatas.append(new ProcessDataWrapper(definitions.at(i), variables, &owner));
        }
        if (function->UserInterface.size() > 1) {
            const auto &references = function->UserInterface.last()->ProcessDataRefCollection.last()->ProcessDataRef;
            for (int i = 1; i < references.size(); ++i) {
                if (ProcessDataItemWrapper *found = item(references.at(i)->processDataId.value))
                    refs.append(new ProcessDataRefWrapper(references.at(i), found, &owner));
            }
        }
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

    IODeviceT document;
    QObject owner;
    bool loaded = false;
    QList<VariableWrapper *> variables;
    QList<ProcessDataWrapper *> processDatas;
    QList<ProcessDataRefWrapper *> refs;
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
