#include "iqcommcommunicationhandler.h"

#include "core/logcategories.h"
#include "master/masterlibrary.h"
#include "master/networkmaster.h"

#include <QDebug>
#include <QHash>
#include <QMutexLocker>
#include <QSet>
#include <QTimer>

namespace {

QString hex(const QByteArray &data)
{
    return QString::fromLatin1(data.toHex(' '));
}

} // namespace

IqCommCommunicationHandler::IqCommCommunicationHandler(const SerialPortDescriptor &port, QObject *parent)
    : CommunicationHandler(parent)
    , portInfo(port)
{
}

IqCommCommunicationHandler::~IqCommCommunicationHandler() = default;

QString IqCommCommunicationHandler::describeIqError(int code)
{
    static const QHash<int, QString> texts = {
        {0, QStringLiteral("no error")},
        {-1, QStringLiteral("internal error")},
        {-2, QStringLiteral("iqInterface is not found for connection")},
        {-3, QStringLiteral("not enough buffer size")},
        {-4, QStringLiteral("wrong input function parameter")},
        {-5, QStringLiteral("operation failed")},
        {-6, QStringLiteral("wrong data received or to send")},
        {-7, QStringLiteral("specific error")},
    };
    return texts.value(code, QStringLiteral("Undescribed iqDll error"));
}

// A network port's address is a long URL; its name ("<host> Port <n>") says the same in words.
QString IqCommCommunicationHandler::placeForUser() const
{
    return MasterLibrary::isNetworkPort(portInfo) ? portInfo.portName() : portInfo.systemLocation();
}

int IqCommCommunicationHandler::pollInterval() const
{
    // HTTP requests cost more than serial frames; network masters are polled at their own pace.
    if (MasterLibrary::isNetworkPort(portInfo))
        return NetworkMaster::instance().pollInterval();
    return CommunicationHandler::pollInterval();
}

bool IqCommCommunicationHandler::isDisconnectError(int libraryCode, int isduError)
{
    static const QSet<int> lostCodes = {0x1000, 0x1100, 0x4003, 0x4004, 0x4011, 0x4036, 0xEEAA};
    // Codes up to 0x80FF are the device's own refusals and keep the connection.
    const bool lost = lostCodes.contains(isduError) || isduError > 0x80FF || libraryCode == IqCommInterfaceNotFound;
    if (lost)
        qCritical() << "Serial device disconnected:" << libraryCode << isduError;
    return lost;
}

void IqCommCommunicationHandler::setPortHandle(qint16 handle)
{
    const IqCommHandle previous = portHandle.exchange(handle < 0 ? IqCommHandle(-1) : IqCommHandle(handle));
    const bool takenAway = previous >= 0 && handle < 0;
    // Nothing may stay waiting for a port that is gone, or the handler would stay busy for good.
    if (takenAway)
        QMetaObject::invokeMethod(this, [this] { abandonTasks(tr("IOLink not connected")); }, Qt::QueuedConnection);
}

qint16 IqCommCommunicationHandler::getPortHandle() const
{
    return portHandle;
}

QString IqCommCommunicationHandler::errorTextNow() const
{
    return QString::fromLatin1(errorText, int(qstrnlen(errorText, sizeof errorText)));
}

void IqCommCommunicationHandler::readEntryData(int index, int subIndex)
{
    qCDebug(lcConnection) << "readEntryData" << "Reading:" << index << subIndex;
    QByteArray buffer(IqCommParameterBufferSize, '\0');
    const QList<QPair<quint16, quint8>> ahead = queuedReads(NetworkMaster::maxBlockItems);
    const std::optional<IqCommResult> result = exchangeIsdu([&](IqCommHandle handle, uint16_t *isduError) {
        MasterLibrary::instance().prefetch(handle, ahead);
        return MasterLibrary::instance().readOD(handle, uint16_t(index), uint8_t(subIndex),
                                                reinterpret_cast<uint8_t *>(buffer.data()), uint16_t(buffer.size()),
                                                isduError, errorText);
    });
    if (!result || *result < 0)
        return;
    buffer.truncate(qMin<int>(*result, buffer.size()));
    emit valueReceived(buffer);
}

void IqCommCommunicationHandler::writeEntryData(int index, int subIndex, QByteArray payload)
{
    qCDebug(lcConnection) << "writeEntryData" << "Writing:" << index << subIndex << "len:" << payload.size() << hex(payload);
    const std::optional<IqCommResult> result = exchangeIsdu([&](IqCommHandle handle, uint16_t *isduError) {
        return MasterLibrary::instance().writeOD(handle, uint16_t(index), uint8_t(subIndex),
                                                 reinterpret_cast<const uint8_t *>(payload.constData()),
                                                 uint16_t(payload.size()), isduError, errorText);
    });
    if (!result)
        return;
    if (*result < 0) {
        qWarning() << "Writing failed for index:" << index << subIndex;
        return;
    }
    suppressUploadRequests();
    emit writeFinished();
}

// Signals go out only after the lock is released: a queued answer may make the next request arrive at once.
std::optional<IqCommResult> IqCommCommunicationHandler::exchangeIsdu(const IsduCall &call)
{
    Failure failure;
    {
        QMutexLocker locker(&mutex);
        const IqCommHandle handle = portHandle;
        if (handle < 0) {
            locker.unlock();
            emit errorOccurred(tr("IOLink not connected"));
            return std::nullopt;
        }
        uint16_t isduError = 0;
        const IqCommResult result = call(handle, &isduError);
        if (result >= 0)
            return result;
        failure = {result, isduError, errorTextNow()};
    }
    reportError(failure);
    return failure.code;
}

// The device answers our own writes with an upload request; for a short while that request is not the user's business.
void IqCommCommunicationHandler::suppressUploadRequests()
{
    if (!suppressionTimer) {
        suppressionTimer = new QTimer(this);
        suppressionTimer->setSingleShot(true);
        // A network master's event log is read about once a second, so its upload request comes that much later.
        suppressionTimer->setInterval(MasterLibrary::isNetworkPort(portInfo) ? networkUploadRequestSuppressionMs
                                                                             : uploadRequestSuppressionMs);
        connect(suppressionTimer, &QTimer::timeout, this, [this] { uploadRequestSuppressed = false; });
    }
    uploadRequestSuppressed = true;
    suppressionTimer->start();
}

void IqCommCommunicationHandler::writeProcessData(QByteArray payload)
{
    qCDebug(lcConnection) << "writeProcessData" << "Writing PD:" << "len:" << payload.size() << hex(payload);
    {
        QMutexLocker locker(&mutex);
        const IqCommHandle handle = portHandle;
        if (handle < 0) {
            locker.unlock();
            emit errorOccurred(tr("IOLink not connected"));
            return;
        }
        const IqCommResult result = MasterLibrary::instance().setPDValue(
            handle, reinterpret_cast<const uint8_t *>(payload.constData()), uint16_t(payload.size()), errorText);
        if (result < 0) {
            // A refused output must not pass for a written one: the screen would show a value the device lacks.
            const QString reason = errorTextNow();
            qWarning() << "Writing PD failed:" << result << reason;
            locker.unlock();
            emit errorOccurred(reason.isEmpty() ? tr("error %1").arg(result) : reason);
            return;
        }
    }
    emit writeFinished();
}

void IqCommCommunicationHandler::pollProcessData()
{
    QByteArray buffer(IqCommProcessDataBufferSize, '\0');
    uint8_t status = 0;
    IqCommResult result = 0;
    bool eventTaken = false;
    uint8_t qualifier = 0;
    uint16_t code = 0;
    Failure failure;
    {
        QMutexLocker locker(&mutex);
        const IqCommHandle handle = portHandle;
        if (handle < 0) {
            locker.unlock();
            emit errorOccurred(tr("IOLink not conected"));
            return;
        }
        MasterLibrary &library = MasterLibrary::instance();
        result = library.getStatus(handle, &status, reinterpret_cast<uint8_t *>(buffer.data()),
                                   uint16_t(buffer.size()), errorText);
        failure = {result, lostPollIsduError, errorTextNow()};
        const bool operating = !(status & IqCommStatusProcessDataInvalid)
            && (status & IqCommStatusPortStateMask) == IqCommModeOperate;
        if (result >= 0 && operating && (status & IqCommStatusEventPending)) {
            const IqCommResult eventResult = library.readEvent(handle, &qualifier, &code, errorText);
            eventTaken = eventResult >= 0;
            if (!eventTaken)
                qWarning() << "pollProcessData" << "EVENT: Ignoring ReadEvent error:" << eventResult << errorTextNow();
        }
    }
    if (result < 0) {
        qInfo() << "Poll Error: " << result << failure.errorText;
        reportError(failure);
        return;
    }
    const bool operating = !(status & IqCommStatusProcessDataInvalid) && (status & IqCommStatusPortStateMask) == IqCommModeOperate;
    if (!operating) {
        qCritical() << "pollProcessData" << "Sensor inaccessible: status event" << bool(status & IqCommStatusEventPending)
                    << "invalid" << bool(status & IqCommStatusProcessDataInvalid) << "state"
                    << (status & IqCommStatusPortStateMask) << "bytes" << result;
        emit alertReceived(tr("IO-Link device inaccessible on %1.").arg(placeForUser()));
        emit connectionError(tr("IOLink device disconnected"));
        return;
    }
    if (eventTaken) {
        const ushort mode = ushort((qualifier >> 6) & 0x03);
        qInfo().noquote() << "EVENT RECEIVED: (" << "instance" << (qualifier & 0x07) << "source" << ((qualifier >> 3) & 0x01)
                          << "type" << ((qualifier >> 4) & 0x03) << "mode" << mode << ") Code:"
                          << QStringLiteral("0x%1").arg(code, 4, 16, QLatin1Char('0'));
        if (code != uploadRequestEventCode || !uploadRequestSuppressed)
            emit eventQualifierReceived(code, qualifier);
        if (code != uploadRequestEventCode) {
            emit eventReceived(code, mode);
        } else if (!uploadRequestSuppressed) {
            emit eventReceived(code, mode);
            emit uploadRequestReceived();
        }
    }
    if (result > 0) {
        buffer.truncate(qMin<int>(result, buffer.size()));
        emit processDataReceived(buffer);
    }
    emit valueReceived(QByteArray());
}

void IqCommCommunicationHandler::reportError(const Failure &failure)
{
    const QString location = placeForUser();
    qCritical() << "IqComm error: " << location << "iqDll err:" << failure.code << describeIqError(failure.code)
                << "ISDU err:" << failure.isduError << failure.errorText;
    emit alertReceived(tr("IO-Link error on %1.\n\nISDU error: %2, code: %3.")
                           .arg(location, failure.errorText, QString::number(failure.isduError)));
    const QString detail = failure.errorText + QStringLiteral(" (code: %1)").arg(failure.isduError);
    if (isDisconnectError(failure.code, failure.isduError)) {
        emit connectionError(tr("IOLink lost connection") + QStringLiteral(":\n\n") + detail);
        return;
    }
    if (failure.isduError > 0)
        emit isduErrorReceived(uint(failure.isduError));
    emit errorOccurred(tr("IOLink communication error") + QStringLiteral(":\n\n") + detail);
}
