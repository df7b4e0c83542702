#pragma once

#include "connection/iqcommcommunicationhandler.h"
#include "master/masterlibrary.h"

#include <QByteArray>

// One open port of the bound master, in operating mode, used through the calls the devices make.
// Every call keeps its result, the ISDU code of a refusal and the status of the last poll.
struct MasterPort
{
    explicit MasterPort(int port) { open(MasterLibrary::instance().connect(uint8_t(port), uint8_t(port), errorText)); }
    explicit MasterPort(const SerialPortDescriptor &port) { open(MasterLibrary::instance().connectPort(port, errorText)); }
    ~MasterPort()
    {
        if (handle >= 0)
            MasterLibrary::instance().disconnect(handle, errorText);
    }

    // The octets read, or "isdu:<hex>" for a refusal.
    QByteArray read(int index, int subindex = 0)
    {
        uint8_t buffer[IqCommParameterBufferSize] = {};
        isdu = 0;
        result = MasterLibrary::instance().readOD(handle, uint16_t(index), uint8_t(subindex), buffer, sizeof buffer,
                                                  &isdu, errorText);
        if (result < 0)
            return "isdu:" + QByteArray::number(isdu, 16);
        return QByteArray(reinterpret_cast<const char *>(buffer), result);
    }

    // The ISDU code of a refusal, 0 once written.
    quint16 write(int index, int subindex, const QByteArray &data)
    {
        isdu = 0;
        result = MasterLibrary::instance().writeOD(handle, uint16_t(index), uint8_t(subindex),
                                                   reinterpret_cast<const uint8_t *>(data.constData()),
                                                   uint16_t(data.size()), &isdu, errorText);
        return result < 0 ? isdu : 0;
    }

    // The input image, empty when the poll failed.
    QByteArray processData()
    {
        uint8_t buffer[IqCommProcessDataBufferSize] = {};
        status = 0;
        result = MasterLibrary::instance().getStatus(handle, &status, buffer, sizeof buffer, errorText);
        return result < 0 ? QByteArray() : QByteArray(reinterpret_cast<const char *>(buffer), result);
    }

    bool lost() const { return result < 0 && IqCommCommunicationHandler::isDisconnectError(result, isdu); }

    IqCommHandle handle = -1;
    IqCommResult result = 0;
    uint16_t isdu = 0;
    uint8_t status = 0;
    char errorText[IqCommErrorTextSize] = {};

private:
    void open(IqCommHandle opened)
    {
        handle = opened;
        uint8_t mode = 0;
        if (handle >= 0)
            MasterLibrary::instance().setOperatingMode(handle, IqCommModeOperate, IqCommModeOperate, &mode, errorText);
    }
};
