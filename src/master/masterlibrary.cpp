#include "masterlibrary.h"

#include "networkmaster.h"
#include "simulatedmaster.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibrary>
#include <QReadLocker>
#include <QSerialPortInfo>
#include <QWriteLocker>

const char *const MasterLibrary::vendorLibraryName = "iqcomm";

MasterLibrary &MasterLibrary::instance()
{
    static MasterLibrary library;
    return library;
}

MasterLibrary::MasterLibrary() = default;

// The vendor library is never unloaded (QLibrary does not unload on destruction): a call may still run.
MasterLibrary::~MasterLibrary() = default;

bool MasterLibrary::loadVendorLibrary()
{
    if (vendorLoadTried)
        return vendorLoaded;
    vendorLoadTried = true;
    vendorLibrary = std::make_unique<QLibrary>(QString::fromLatin1(vendorLibraryName));
    if (!vendorLibrary->load()) {
        qInfo() << Q_FUNC_INFO << "Vendor master library not loaded:" << vendorLibrary->errorString();
        return false;
    }
    const auto resolve = [this](const char *name) { return vendorLibrary->resolve(name); };
    vendorFunctions.mst_GetVersion = reinterpret_cast<IqCommGetVersionFn>(resolve("mst_GetVersion"));
    vendorFunctions.mst_Connect = reinterpret_cast<IqCommConnectFn>(resolve("mst_Connect"));
    vendorFunctions.mst_Disconnect = reinterpret_cast<IqCommDisconnectFn>(resolve("mst_Disconnect"));
    vendorFunctions.mst_GetConfig = reinterpret_cast<IqCommGetConfigFn>(resolve("mst_GetConfig"));
    vendorFunctions.mst_SetOperatingMode = reinterpret_cast<IqCommSetOperatingModeFn>(resolve("mst_SetOperatingMode"));
    vendorFunctions.mst_GetStatus = reinterpret_cast<IqCommGetStatusFn>(resolve("mst_GetStatus"));
    vendorFunctions.mst_ReadEvent = reinterpret_cast<IqCommReadEventFn>(resolve("mst_ReadEvent"));
    vendorFunctions.mst_ReadOD = reinterpret_cast<IqCommReadODFn>(resolve("mst_ReadOD"));
    vendorFunctions.mst_WriteOD = reinterpret_cast<IqCommWriteODFn>(resolve("mst_WriteOD"));
    vendorFunctions.mst_SetPDValue = reinterpret_cast<IqCommSetPDValueFn>(resolve("mst_SetPDValue"));
    const bool complete = vendorFunctions.mst_GetVersion && vendorFunctions.mst_Connect && vendorFunctions.mst_Disconnect
        && vendorFunctions.mst_GetConfig && vendorFunctions.mst_SetOperatingMode && vendorFunctions.mst_GetStatus
        && vendorFunctions.mst_ReadEvent && vendorFunctions.mst_ReadOD && vendorFunctions.mst_WriteOD
        && vendorFunctions.mst_SetPDValue;
    if (!complete) {
        qWarning() << Q_FUNC_INFO << "Vendor master library" << vendorLibrary->fileName() << "lacks master-access calls";
        vendorFunctions = {};
        return false;
    }
    vendorLoaded = true;
    return true;
}

bool MasterLibrary::isVendorLibraryAvailable()
{
    QWriteLocker locker(&lock);
    return loadVendorLibrary();
}

MasterLibrary::Provider MasterLibrary::bind(const MasterChoice &choice)
{
    QStringList devices = choice.simulatedDevices;
    devices.removeAll(QString());
    if (devices.isEmpty())
        devices = MasterChoice::sampleDevices();
    const bool simulated = choice.simulated;

    bool useVendor = false;
    {
        QWriteLocker locker(&lock);
        useVendor = !simulated && loadVendorLibrary();
    }
    // A device list that did not change keeps the simulated devices and the state of their ports.
    SimulatedMaster &master = SimulatedMaster::instance();
    if (!useVendor && (master.deviceFiles() != devices || master.availablePorts().isEmpty()))
        master.setDeviceFiles(devices);
    return bindProvider(useVendor ? Provider::VendorLibrary : Provider::SimulatedMaster);
}

MasterLibrary::Provider MasterLibrary::bindProvider(Provider wanted)
{
    {
        QWriteLocker locker(&lock);
        if (wanted == Provider::VendorLibrary && loadVendorLibrary()) {
            table = vendorFunctions;
            bound = Provider::VendorLibrary;
        } else {
            table = SimulatedMaster::functions();
            bound = Provider::SimulatedMaster;
        }
    }
    logBinding();
    return provider();
}

void MasterLibrary::logBinding()
{
    qInfo().noquote() << Q_FUNC_INFO << "Master access bound to" << providerName() << "version" << providerVersion();
}

MasterLibrary::Provider MasterLibrary::provider() const
{
    QReadLocker locker(&lock);
    return bound;
}

bool MasterLibrary::isSimulated() const
{
    return provider() == Provider::SimulatedMaster;
}

QString MasterLibrary::providerName() const
{
    switch (provider()) {
    case Provider::VendorLibrary: {
        QReadLocker locker(&lock);
        return vendorLibrary ? vendorLibrary->fileName() : QString::fromLatin1(vendorLibraryName);
    }
    case Provider::SimulatedMaster:
        return QString::fromLatin1(SimulatedMaster::portDescription);
    case Provider::None:
        break;
    }
    return QString();
}

QString MasterLibrary::providerVersion() const
{
    IqCommGetVersionFn getVersionCall = nullptr;
    {
        QReadLocker locker(&lock);
        getVersionCall = table.mst_GetVersion;
    }
    if (!getVersionCall)
        return QString();
    uint16_t major = 0;
    uint16_t minor = 0;
    char errorText[IqCommErrorTextSize] = {};
    if (getVersionCall(&major, &minor, errorText) != IqCommOk)
        return QString();
    return QStringLiteral("%1.%2").arg(major).arg(minor);
}

QList<SerialPortDescriptor> MasterLibrary::availablePorts()
{
    if (provider() == Provider::None)
        bind();
    if (isSimulated())
        return SimulatedMaster::instance().availablePorts();
    QList<SerialPortDescriptor> ports;
    const auto systemPorts = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : systemPorts)
        ports.append(SerialPortDescriptor(info));
    return ports;
}

IqCommFunctions MasterLibrary::functions()
{
    {
        QReadLocker locker(&lock);
        if (bound != Provider::None)
            return table;
    }
    bind();
    QReadLocker locker(&lock);
    return table;
}

IqCommResult MasterLibrary::getVersion(uint16_t *major, uint16_t *minor, char *errorText)
{
    return functions().mst_GetVersion(major, minor, errorText);
}

IqCommHandle MasterLibrary::connect(uint8_t port, uint8_t portAgain, char *errorText)
{
    return functions().mst_Connect(port, portAgain, errorText);
}

IqCommHandle MasterLibrary::connectPort(const SerialPortDescriptor &port, char *errorText)
{
    if (NetworkMaster::isNetworkLocation(port.systemLocation()))
        return NetworkMaster::instance().connect(port.systemLocation(), errorText);
    const quint16 number = port.portNumber();
    // The library takes an 8-bit port number; a larger one would silently open another port.
    if (number > 0xFF) {
        const QByteArray text = QCoreApplication::translate("IqCommConnectionHandler", "The serial port %1 does not name a master port number.")
                                    .arg(port.systemLocation()).toUtf8().left(IqCommErrorTextSize - 1);
        qstrncpy(errorText, text.constData(), IqCommErrorTextSize);
        return IqCommWrongParameter;
    }
    return connect(uint8_t(number), uint8_t(number), errorText);
}

bool MasterLibrary::isNetworkPort(const SerialPortDescriptor &port)
{
    return NetworkMaster::isNetworkLocation(port.systemLocation());
}

void MasterLibrary::prefetch(IqCommHandle handle, const QList<QPair<quint16, quint8>> &parameters)
{
    if (NetworkMaster::instance().ownsHandle(handle))
        NetworkMaster::instance().prefetch(handle, parameters);
}

IqCommResult MasterLibrary::disconnect(IqCommHandle handle, char *errorText)
{
    if (NetworkMaster::instance().ownsHandle(handle))
        return NetworkMaster::instance().disconnect(handle, errorText);
    return functions().mst_Disconnect(handle, errorText);
}

IqCommResult MasterLibrary::getConfig(IqCommHandle handle, IqCommConfig *config, char *errorText)
{
    if (NetworkMaster::instance().ownsHandle(handle))
        return NetworkMaster::instance().getConfig(handle, config, errorText);
    return functions().mst_GetConfig(handle, config, errorText);
}

IqCommResult MasterLibrary::setOperatingMode(IqCommHandle handle, uint8_t mode, uint8_t modeAgain, uint8_t *resultingMode,
                                             char *errorText)
{
    if (NetworkMaster::instance().ownsHandle(handle))
        return NetworkMaster::instance().setOperatingMode(handle, mode, resultingMode, errorText);
    return functions().mst_SetOperatingMode(handle, mode, modeAgain, resultingMode, errorText);
}

IqCommResult MasterLibrary::getStatus(IqCommHandle handle, uint8_t *status, uint8_t *buffer, uint16_t bufferSize, char *errorText)
{
    if (NetworkMaster::instance().ownsHandle(handle))
        return NetworkMaster::instance().getStatus(handle, status, buffer, bufferSize, errorText);
    return functions().mst_GetStatus(handle, status, buffer, bufferSize, errorText);
}

IqCommResult MasterLibrary::readEvent(IqCommHandle handle, uint8_t *qualifier, uint16_t *code, char *errorText)
{
    if (NetworkMaster::instance().ownsHandle(handle))
        return NetworkMaster::instance().readEvent(handle, qualifier, code, errorText);
    return functions().mst_ReadEvent(handle, qualifier, code, errorText);
}

IqCommResult MasterLibrary::readOD(IqCommHandle handle, uint16_t index, uint8_t subindex, uint8_t *buffer,
                                   uint16_t bufferSize, uint16_t *isduError, char *errorText)
{
    if (NetworkMaster::instance().ownsHandle(handle))
        return NetworkMaster::instance().readOD(handle, index, subindex, buffer, bufferSize, isduError, errorText);
    return functions().mst_ReadOD(handle, index, subindex, buffer, bufferSize, isduError, errorText);
}

IqCommResult MasterLibrary::writeOD(IqCommHandle handle, uint16_t index, uint8_t subindex, const uint8_t *data,
                                    uint16_t length, uint16_t *isduError, char *errorText)
{
    if (NetworkMaster::instance().ownsHandle(handle))
        return NetworkMaster::instance().writeOD(handle, index, subindex, data, length, isduError, errorText);
    return functions().mst_WriteOD(handle, index, subindex, data, length, isduError, errorText);
}

IqCommResult MasterLibrary::setPDValue(IqCommHandle handle, const uint8_t *data, uint16_t length, char *errorText)
{
    if (NetworkMaster::instance().ownsHandle(handle))
        return NetworkMaster::instance().setPDValue(handle, data, length, errorText);
    return functions().mst_SetPDValue(handle, data, length, errorText);
}
