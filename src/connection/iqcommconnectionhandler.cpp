#include "iqcommconnectionhandler.h"

#include "core/logcategories.h"
#include "master/masterlibrary.h"

#include <QDebug>
#include <QMutexLocker>
#include <QTimer>

IqCommConnectionHandler::IqCommConnectionHandler(const SerialPortDescriptor &port, QObject *parent)
    : ConnectionHandler(parent)
    , portInfo(port)
    , portNumber(port.portNumber())
{
    QStringList alerts;
    {
        QMutexLocker locker(&mutex);
        uint16_t major = 0;
        uint16_t minor = 0;
        if (MasterLibrary::instance().getVersion(&major, &minor, errorText) == IqCommOk)
            qInfo().noquote() << QStringLiteral("IOLink iqDLL version: %1.%2").arg(major).arg(minor);
        else
            alerts.append(reportError());
    }
    emitAlerts(alerts);
    init();
}

// A port still open when the handler goes away is closed, so the next probe or connection can open it.
IqCommConnectionHandler::~IqCommConnectionHandler()
{
    QStringList alerts;
    {
        QMutexLocker locker(&mutex);
        closePort(&alerts);
    }
    qCDebug(lcConnection) << Q_FUNC_INFO << "destroyed";
}

qint16 IqCommConnectionHandler::getPortHandle() const
{
    return portHandle;
}

void IqCommConnectionHandler::onStateConnectingEntered()
{
    qInfo() << Q_FUNC_INFO;
    QTimer::singleShot(connectDelay, this, &IqCommConnectionHandler::iqConnect);
}

void IqCommConnectionHandler::onStateNotConnectedEntered()
{
    qInfo() << Q_FUNC_INFO;
    iqDisconnect();
}

// Signals are emitted only after the mutex is released: error() re-enters the state machine at once,
// whose entry of notConnected takes the mutex again to close the port.
void IqCommConnectionHandler::iqConnect()
{
    // Cancelled before the delay ran out: the port stays closed.
    if (!isConnectingState())
        return;
    QStringList alerts;
    bool opened = false;
    {
        QMutexLocker locker(&mutex);
        opened = openPort(&alerts);
    }
    emitAlerts(alerts);
    if (opened)
        emit connected();
    else
        emit error();
}

bool IqCommConnectionHandler::openPort(QStringList *alerts)
{
    MasterLibrary &library = MasterLibrary::instance();
    const IqCommHandle opened = library.connectPort(portInfo, errorText);
    portHandle = opened;
    if (opened < 0) {
        portHandle = -1; // a closed port always reads -1, whatever the library answered
        alerts->append(reportError());
        return false;
    }
    qInfo() << "Connected IOLink: " << portInfo.systemLocation();

    IqCommConfig config = {};
    if (library.getConfig(opened, &config, errorText) != IqCommOk) {
        qCritical() << "GetConfig error:" << errorText;
        alerts->append(reportError());
        return false;
    }
    const QByteArray serial(config.serialNumber, int(qstrnlen(config.serialNumber, sizeof config.serialNumber)));
    qInfo() << "- Config:" << "vendor id" << config.vendorId << "device id" << config.deviceId << "revision id"
            << config.revisionId << "serial number" << serial;
    qInfo() << "Config speed (0-2):" << config.speed;

    uint8_t mode = 0;
    const IqCommResult result = library.setOperatingMode(opened, IqCommModeOperate, IqCommModeOperate, &mode, errorText);
    if (result != IqCommOk) {
        qCritical().nospace() << "SetOperatingMode error: " << result << ", " << errorText;
        alerts->append(reportError());
        return false;
    }
    if (mode != IqCommModeOperate) {
        const QString text = QStringLiteral("Unexpected Operating mode: %1").arg(mode);
        qCritical().noquote() << text;
        alerts->append(text);
        return false;
    }
    return true;
}

void IqCommConnectionHandler::iqDisconnect()
{
    QStringList alerts;
    {
        QMutexLocker locker(&mutex);
        closePort(&alerts);
    }
    emitAlerts(alerts);
}

void IqCommConnectionHandler::closePort(QStringList *alerts)
{
    const IqCommHandle handle = portHandle;
    if (handle < 0)
        return;
    MasterLibrary &library = MasterLibrary::instance();
    qInfo() << Q_FUNC_INFO << "Setting mode to inactive" << portInfo.systemLocation();
    uint8_t mode = 0;
    if (library.setOperatingMode(handle, IqCommModeInactive, IqCommModeInactive, &mode, errorText) != IqCommOk) {
        qWarning() << "Ignoring SetOperatingMode error on disconnect.";
        alerts->append(reportError());
    }
    qInfo() << "closePort" << "Disconnecting" << portInfo.systemLocation();
    const IqCommResult result = library.disconnect(handle, errorText);
    portHandle = -1;
    if (result < 0)
        alerts->append(reportError());
}

QString IqCommConnectionHandler::reportError()
{
    const QString text = QString::fromLatin1(errorText, int(qstrnlen(errorText, sizeof errorText)));
    qCritical().noquote() << "IqComm error: " << portInfo.systemLocation() << text;
    return text;
}

void IqCommConnectionHandler::emitAlerts(const QStringList &alerts)
{
    for (const QString &alert : alerts)
        emit errorReceived(alert);
}
