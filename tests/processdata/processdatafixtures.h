#pragma once

// A device description with process data and the process data objects the device binding builds from it.
#include "loadeddescription.h"
#include "iodd/model/processdataelements.h"
#include "iodd/model/userinterfaceelements.h"
#include "processdata/processdataclock.h"
#include "testenvironment.h"

#include <cstring>

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

// The description of a file of tests/data as the device binding builds it.
struct Device : LoadedDescription
{
    explicit Device(const QString &fixture = QStringLiteral("processdata/device.xml"))
        : LoadedDescription(TestEnvironment::testDataPath(fixture))
    {
    }
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
