#include "checkdevice.h"

#include "connection/iqcommcommunicationhandler.h"
#include "connection/iqcommconnectionhandler.h"
#include "master/masterlibrary.h"

#include <QDebug>

namespace {

constexpr uint16_t identityBufferSize = 256;

QString readIdentity(IqCommHandle handle, uint16_t index, char *errorText)
{
    uint8_t buffer[identityBufferSize] = {};
    uint16_t isduError = 0;
    const IqCommResult read = MasterLibrary::instance().readOD(handle, index, 0, buffer, identityBufferSize - 1,
                                                              &isduError, errorText);
    if (read < 0)
        return QString();
    return QString::fromLatin1(reinterpret_cast<const char *>(buffer), int(qstrnlen(reinterpret_cast<const char *>(buffer), size_t(read))));
}

} // namespace

CheckDevice::CheckDevice(const SerialPortDescriptor &port, const QString &ioddPath, QObject *parent)
    : IOLinkDevice(parent)
{
    address = port.portName();
    setIoddFile(ioddPath);
    communication = new IqCommCommunicationHandler(port);
    connection = new IqCommConnectionHandler(port);
    communicationHandler = communication;
    connectionHandler = connection;
    probe(connection->getPortNumber());
    connectConnectionHandler();
    connect(this, &IOLinkDevice::connectionLost, this, &CheckDevice::onDisconnected);
    init();
}

// Reads the identity as discovery does, so that the synchronised identity is compared with it.
void CheckDevice::probe(quint16 portNumber)
{
    MasterLibrary &library = MasterLibrary::instance();
    char errorText[IqCommErrorTextSize] = {};
    const IqCommHandle handle = library.connect(uint8_t(portNumber), uint8_t(portNumber), errorText);
    if (handle < 0) {
        qWarning() << Q_FUNC_INFO << "Probe failed:" << errorText;
        return;
    }
    uint8_t mode = 0;
    if (library.setOperatingMode(handle, IqCommModeOperate, IqCommModeOperate, &mode, errorText) >= 0) {
        probed = mode == IqCommModeOperate;
        vendorName = readIdentity(handle, 16, errorText);
        productId = readIdentity(handle, 19, errorText);
        productName = readIdentity(handle, 18, errorText);
        serialNumber = readIdentity(handle, 21, errorText);
        library.setOperatingMode(handle, IqCommModeInactive, IqCommModeInactive, &mode, errorText);
    }
    library.disconnect(handle, errorText);
}

void CheckDevice::onConnected()
{
    communication->setPortHandle(connection->getPortHandle());
}

void CheckDevice::onDisconnected()
{
    communication->setPortHandle(-1);
}
