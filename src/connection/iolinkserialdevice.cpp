#include "iolinkserialdevice.h"

#include "binding/iolinkwrapper.h"
#include "core/logcategories.h"
#include "comm/eventhistorymodel.h"
#include "devicehealth.h"
#include "iqcommcommunicationhandler.h"
#include "iqcommconnectionhandler.h"
#include "master/masterlibrary.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTime>

#include <algorithm>

namespace {
const QString ftdiManufacturer = QStringLiteral("FTDI");
constexpr int identityStringBufferSize = IqCommIdentityBufferSize;
} // namespace

IOLinkSerialDevice::IOLinkSerialDevice(const SerialPortDescriptor &port, QObject *parent)
    : IOLinkDevice(parent)
    , portInfo(port)
{
    qCDebug(lcConnection) << Q_FUNC_INFO << port.description() << port.portName() << port.serialNumber() << port.systemLocation()
                          << port.manufacturer() << port.vendorIdentifier() << port.productIdentifier();
    iqCommunication = new IqCommCommunicationHandler(portInfo);
    iqConnection = new IqCommConnectionHandler(portInfo);
    communicationHandler = iqCommunication;
    connectionHandler = iqConnection;

    probeDevice();
    if (productName.isEmpty())
        productName = QStringLiteral("%1 - %2").arg(portInfo.description(), portInfo.manufacturer());
    address = portInfo.portName();

    connectConnectionHandler();
    connect(this, &IOLinkDevice::connectionLost, this, &IOLinkSerialDevice::onDisconnected);
    // A disconnect asked for by the user closes the port too; its handle must not be used again.
    connect(this, &IOLinkDevice::stateChanged, this, [this] {
        if (getState() == QLatin1String(notConnectedName) && iqCommunication->getPortHandle() >= 0)
            onDisconnected();
    });
    connect(iqCommunication, &CommunicationHandler::eventQualifierReceived, this,
            &IOLinkSerialDevice::onEventQualifierReceived, Qt::QueuedConnection);
    connect(iqCommunication, &CommunicationHandler::eventReceived, this, &IOLinkSerialDevice::onEventReceived,
            Qt::QueuedConnection);
    init();
    qInfo() << "Created serial device:" << portInfo.systemLocation() << productName << "serial s/n:"
            << portInfo.serialNumber();
}

IOLinkSerialDevice::~IOLinkSerialDevice() = default;

void IOLinkSerialDevice::probeDevice()
{
    char errorText[IqCommErrorTextSize] = {};
    MasterLibrary &library = MasterLibrary::instance();
    IqCommHandle handle = library.connectPort(portInfo, errorText);
    // FTDI adapters often refuse the very first open after being plugged in.
    if (handle < 0 && portInfo.manufacturer() == ftdiManufacturer)
        handle = library.connectPort(portInfo, errorText);
    if (handle < 0) {
        qCDebug(lcConnection) << Q_FUNC_INFO << "No master on" << portInfo.systemLocation() << errorText;
        return;
    }
    if (probeOperatingMode(handle, errorText)) {
        hasIOLinkDeviceFlag = true;
        readIdentity(handle, errorText);
        uint8_t mode = 0;
        library.setOperatingMode(handle, IqCommModeInactive, IqCommModeInactive, &mode, errorText);
    }
    library.disconnect(handle, errorText);
}

bool IOLinkSerialDevice::probeOperatingMode(IqCommHandle handle, char *errorText)
{
    MasterLibrary &library = MasterLibrary::instance();
    IqCommConfig config = {};
    if (library.getConfig(handle, &config, errorText) != IqCommOk) {
        qCDebug(lcConnection) << errorText;
        return false;
    }
    qInfo() << "IOLink config:" << "vendor id" << config.vendorId << "device id" << config.deviceId << "revision id"
            << config.revisionId;
    vendorId = config.vendorId;
    deviceId = config.deviceId;
    uint8_t resultingMode = 0;
    if (library.setOperatingMode(handle, IqCommModeOperate, IqCommModeOperate, &resultingMode, errorText) != IqCommOk) {
        qCDebug(lcConnection) << errorText;
        return false;
    }
    if (resultingMode != IqCommModeOperate)
        qCritical() << "Unexpected Operating mode:" << resultingMode;
    return true;
}

void IOLinkSerialDevice::readIdentity(IqCommHandle handle, char *errorText)
{
    vendorName = readIdentityString(handle, vendorNameIndex, 0, errorText);
    qInfo() << "- Vendor name:" << vendorName;
    productId = readIdentityString(handle, productIdIndex, 0, errorText);
    qInfo() << "- Product id:" << productId;
    productName = readIdentityString(handle, productNameIndex, 0, errorText);
    qInfo() << "- Product name:" << productName;
    serialNumber = readIdentityString(handle, serialNumberIndex, 0, errorText);
    qInfo() << "- Serial number:" << serialNumber;
    hardwareRevision = readIdentityString(handle, hardwareRevisionIndex, 0, errorText);
    qInfo() << "- Hardware revision:" << hardwareRevision;
    firmwareRevision = readIdentityString(handle, firmwareRevisionIndex, 0, errorText);
    qInfo() << "- Firmware revision:" << firmwareRevision;
}

QString IOLinkSerialDevice::readIdentityString(IqCommHandle handle, int index, int subindex, char *errorText)
{
    for (int attempt = 1; attempt <= identityReadAttempts; ++attempt) {
        // One octet more than offered to the library keeps the text terminated whatever it writes.
        uint8_t buffer[identityStringBufferSize + 1] = {};
        uint16_t isduError = 0;
        const IqCommResult n = MasterLibrary::instance().readOD(handle, uint16_t(index), uint8_t(subindex), buffer,
                                                                identityStringBufferSize, &isduError, errorText);
        if (n >= 0) {
            qCDebug(lcConnection) << "Reading ID:" << index << subindex << "successfully";
            const int length = qMin(int(n), identityStringBufferSize - 1);
            const int end = int(std::find(buffer, buffer + length, 0) - buffer);
            return QString::fromLatin1(reinterpret_cast<const char *>(buffer), end);
        }
        qCritical() << "Can't read ID " << index << subindex << ":" << n << errorText;
        qCritical() << "Failed" << attempt << " times, retrying to read ID " << index << subindex;
    }
    return QString();
}

void IOLinkSerialDevice::onConnected()
{
    qInfo() << Q_FUNC_INFO;
    iqCommunication->setPortHandle(iqConnection->getPortHandle());
}

void IOLinkSerialDevice::onDisconnected()
{
    qInfo() << Q_FUNC_INFO;
    iqCommunication->setPortHandle(-1);
}

void IOLinkSerialDevice::onEventReceived(uint eventCode, ushort eventMode)
{
    const auto *wrapper = qobject_cast<const IOLinkWrapper *>(getIOLinkWrapper());
    const QString ioddText = wrapper ? wrapper->translateEvent(eventCode) : QString();
    // Without an announced qualifier only the mode is known; the type stays unknown rather than guessed.
    const bool announced = pendingQualifier >= 0 && pendingQualifierCode == eventCode;
    const quint8 qualifier = announced ? quint8(pendingQualifier) : quint8((eventMode & 0x03) << 6);
    pendingQualifier = -1;
    getEventHistory()->addEvent(QTime::currentTime(), qualifier, quint16(eventCode),
                                ioddText.isEmpty() ? eventText(eventCode) : ioddText);
    emit alertTextChanged(eventAlert(eventCode, eventMode, ioddText));
    getHealth()->refresh();
}

void IOLinkSerialDevice::onEventQualifierReceived(uint eventCode, uint qualifier)
{
    pendingQualifierCode = eventCode;
    pendingQualifier = int(qualifier & 0xFF);
}

QString IOLinkSerialDevice::eventAlert(uint eventCode, ushort eventMode, const QString &ioddText)
{
    const QString text = ioddText.isEmpty() ? eventText(eventCode) : ioddText;
    const QString code = QStringLiteral("0x") + QString::number(eventCode, 16).toUpper();
    return tr("Event: %1\nCode: %2\nMode: %3").arg(text, code, modeText(eventMode));
}

QString IOLinkSerialDevice::eventText(uint eventCode)
{
    const auto found = eventTexts().constFind(eventCode);
    if (found == eventTexts().constEnd())
        return tr("Undefined");
    return QCoreApplication::translate("IOLinkSerialDevice", found.value());
}

QString IOLinkSerialDevice::modeText(ushort eventMode)
{
    switch (eventMode) {
    case 1:
        return tr("Single Shot");
    case 2:
        return tr("Disappear");
    case 3:
        return tr("Appear");
    default:
        return tr("Undefined");
    }
}

// Kept untranslated; each text is translated when it is shown, so a language change applies at once.
const QHash<uint, const char *> &IOLinkSerialDevice::eventTexts()
{
    static const QHash<uint, const char *> texts {
        { 0x1800, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "No Device (communication)") },
        { 0x1801, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Startup parametrization error – check parameter") },
        { 0x1802, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Incorrect VendorID – Inspection Level mismatch") },
        { 0x1803, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Incorrect DeviceID – Inspection Level mismatch") },
        { 0x1804, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Short circuit at C/Q – check wire connection") },
        { 0x1805, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Overtemperature – check Master temperature and load") },
        { 0x1806, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Short circuit at L+ – check wire connection") },
        { 0x1807, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Overcurrent at L+ – check power supply (e.g. L1+)") },
        { 0x1809, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Backup inconsistency – memory out of range (2048 octets)") },
        { 0x180A, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Backup inconsistency – identity fault") },
        { 0x180B, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Backup inconsistency – Data Storage unspecific error") },
        { 0x180C, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Backup inconsistency – upload fault") },
        { 0x180D, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Parameter inconsistency – download fault") },
        { 0x180E, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "P24 (Class B) missing or undervoltage") },
        { 0x180F, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Short circuit at P24 (Class B) – check wire connection (e.g. L2+)") },
        { 0x1810, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Short circuit at I/Q – check wiring") },
        { 0x1811, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Short circuit at C/Q (if digital output) – check wiring") },
        { 0x1812, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Overcurrent at I/Q – check load") },
        { 0x1813, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Overcurrent at C/Q (if digital output) – check load") },
        { 0x6000, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Invalid cycle time") },
        { 0x6001, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Revision fault – incompatible protocol version") },
        { 0x6002, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "ISDU batch failed – parameter inconsistency?") },
        { 0xFF21, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "DL: Device plugged in – PD stop") },
        { 0xFF22, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Device communication lost") },
        { 0xFF23, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Data Storage identification mismatch") },
        { 0xFF24, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Data Storage buffer overflow") },
        { 0xFF25, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Data Storage parameter access denied") },
        { 0xFF26, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Port status changed") },
        { 0xFF27, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Data Storage upload completed and new data object available") },
        { 0xFF31, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Incorrect Event signalling") },
        { 0xFF91, QT_TRANSLATE_NOOP("IOLinkSerialDevice", "Data Storage upload request") },
    };
    return texts;
}
