#include "networkmaster.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QUrl>

#include <cstring>

const char *const NetworkMaster::portDescription = "Ethernet IO-Link master";

namespace {

const QString online = QStringLiteral("DEVICE_ONLINE");
constexpr int maxRememberedEvents = 1000;
constexpr int eventsPerPoll = 20;
// Values read ahead and not asked for within this time are read again rather than shown stale.
constexpr int prefetchLifetimeMs = 2000;

// Error codes of the interface that the client acts on.
enum : int {
    codeNotSupported = 103,
    codeLocked = 104,
    codeNoIodd = 105,
    codePermissionDenied = 150,
    codeParameterNotFound = 309,
    codeNoParameterAccess = 310,
    codeBadBodyKey = 201,
    codeBadBodyValue = 203,
};

constexpr quint16 indexNotAvailable = 0x8011;

quint32 cacheKey(quint16 index, quint8 subindex)
{
    return (quint32(index) << 8) | subindex;
}

QString alias(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

struct NetworkMaster::Session
{
    QMutex mutex;
    QString baseUrl;
    QString host;
    int masterNumber = 1;
    int portNumber = 1;
    QString devicePath;
    bool edition11 = false;
    int mode = IqCommModeInactive;
    QList<NetworkMasterJson::Event> events;
    QSet<QString> seenEvents;
    QElapsedTimer sinceStatus;
    int blockReads = -1; // not yet known, 0 not offered, 1 offered
    QHash<quint32, QPair<quint16, QByteArray>> prefetched;
    QElapsedTimer sincePrefetch;
    QString processDataKey;
};

NetworkMaster &NetworkMaster::instance()
{
    static NetworkMaster master;
    return master;
}

NetworkMaster::NetworkMaster() = default;

bool NetworkMaster::isNetworkLocation(const QString &location)
{
    return location.startsWith(QLatin1String("http://")) || location.startsWith(QLatin1String("https://"));
}

QString NetworkMaster::hostOf(const QString &baseUrl)
{
    const QUrl url(baseUrl);
    return url.port() > 0 ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port()) : url.host();
}

void NetworkMaster::setCredentials(const QString &baseUrl, const QString &user, const QString &password)
{
    NetworkHttpClient::instance().setCredentials(baseUrl, user, password);
    QMutexLocker locker(&mutex);
    credentialRequests.remove(baseUrl);
}

void NetworkMaster::forgetCredentialRequest(const QString &baseUrl)
{
    QMutexLocker locker(&mutex);
    credentialRequests.remove(baseUrl);
}

void NetworkMaster::setPollInterval(int milliseconds)
{
    QMutexLocker locker(&mutex);
    pollIntervalMs = qBound(minPollIntervalMs, milliseconds, maxPollIntervalMs);
}

int NetworkMaster::pollInterval() const
{
    QMutexLocker locker(&mutex);
    return pollIntervalMs;
}

void NetworkMaster::setStatusInterval(int milliseconds)
{
    QMutexLocker locker(&mutex);
    statusIntervalMs = qMax(0, milliseconds);
}

bool NetworkMaster::ownsHandle(IqCommHandle handle) const
{
    QMutexLocker locker(&mutex);
    return sessions.contains(handle);
}

std::shared_ptr<NetworkMaster::Session> NetworkMaster::session(IqCommHandle handle) const
{
    QMutexLocker locker(&mutex);
    return sessions.value(handle);
}

void NetworkMaster::setErrorText(char *errorText, const QString &text)
{
    if (!errorText)
        return;
    const QByteArray octets = text.toUtf8().left(IqCommErrorTextSize - 1);
    std::memcpy(errorText, octets.constData(), size_t(octets.size()));
    errorText[octets.size()] = '\0';
}

NetworkMaster::Answer NetworkMaster::request(const QByteArray &method, const QString &baseUrl, const QString &path,
                                             const QByteArray &body)
{
    Answer answer;
    answer.reply = NetworkHttpClient::instance().send(method, QUrl(baseUrl + QLatin1Char('/') + path), body);
    QJsonParseError parseError;
    answer.json = QJsonDocument::fromJson(answer.reply.body, &parseError);
    answer.jsonValid = parseError.error == QJsonParseError::NoError && !answer.json.isNull();
    noteAuthentication(baseUrl, answer);
    return answer;
}

void NetworkMaster::noteAuthentication(const QString &baseUrl, const Answer &answer)
{
    if (!answer.reply.authenticationRequired)
        return;
    {
        QMutexLocker locker(&mutex);
        // One question per master until the user answered it; the dialog clears it.
        if (credentialRequests.contains(baseUrl))
            return;
        credentialRequests.insert(baseUrl);
    }
    emit credentialsRequired(baseUrl);
}

bool NetworkMaster::isEditionAtLeast11(const QString &baseUrl)
{
    {
        QMutexLocker locker(&mutex);
        const auto known = editions.constFind(baseUrl);
        if (known != editions.constEnd())
            return known.value();
    }
    const Answer answer = request("GET", baseUrl, QStringLiteral("apiversion"));
    if (!answer.reply.answered)
        return false;
    const QString version = NetworkMasterJson::member(answer.json.object(), QStringLiteral("version")).toString();
    const QStringList parts = version.split(QLatin1Char('.'));
    const bool newer = answer.reply.status == 200 && parts.size() >= 2
        && (parts.at(0).toInt() > 1 || (parts.at(0).toInt() == 1 && parts.at(1).toInt() >= 1));
    QMutexLocker locker(&mutex);
    editions.insert(baseUrl, newer);
    return newer;
}

QString NetworkMaster::describe(const Session &port, const Answer &answer) const
{
    const QString where = tr("%1 Port %2").arg(port.host).arg(port.portNumber);
    if (!answer.reply.answered)
        return tr("%1: %2").arg(where, answer.reply.errorText);
    if (answer.reply.authenticationRequired)
        return tr("%1 asks for a user name and password.").arg(port.host);
    const QJsonObject body = answer.json.object();
    const int code = NetworkMasterJson::errorCode(body);
    if (code > 0)
        return tr("%1: the master answered HTTP %2, error %3: %4")
            .arg(where).arg(answer.reply.status).arg(code).arg(NetworkMasterJson::errorMessage(body));
    if (answer.reply.status >= 300)
        return tr("%1: the master answered HTTP %2.").arg(where).arg(answer.reply.status);
    return tr("%1: the master's answer cannot be read.").arg(where);
}

IqCommResult NetworkMaster::failure(const Session &port, const Answer &answer, uint16_t *isduError, char *errorText) const
{
    const QJsonObject body = answer.json.object();
    const quint16 refusal = answer.reply.answered ? NetworkMasterJson::isduError(body) : 0;
    const int code = answer.reply.answered ? NetworkMasterJson::errorCode(body) : 0;
    if (refusal > 0 || code == codeParameterNotFound || code == codeNoParameterAccess) {
        const quint16 isdu = refusal > 0 ? refusal : indexNotAvailable;
        if (isduError)
            *isduError = isdu;
        setErrorText(errorText, QStringLiteral("ISDU error 0x%1: %2")
                                    .arg(isdu, 4, 16, QLatin1Char('0')).arg(NetworkMasterJson::errorMessage(body)));
        return IqCommOperationFailed;
    }
    setErrorText(errorText, describe(port, answer));
    // Another client holding the device, or missing rights, leave the device reachable.
    if (code == codeLocked || code == codePermissionDenied)
        return IqCommOperationFailed;
    return IqCommInterfaceNotFound;
}

QList<SerialPortDescriptor> NetworkMaster::onlinePorts(const QString &baseUrl, QString *error)
{
    QList<SerialPortDescriptor> ports;
    const QString host = hostOf(baseUrl);
    Session where;
    where.host = host;
    const Answer masters = request("GET", baseUrl, QStringLiteral("masters"));
    if (!masters.reply.answered || masters.reply.status != 200 || !masters.json.isArray()) {
        *error = masters.reply.answered ? describe(where, masters) : masters.reply.errorText;
        return ports;
    }
    const QJsonArray masterList = masters.json.array();
    for (const QJsonValue &entry : masterList) {
        const int master = NetworkMasterJson::member(entry.toObject(), QStringLiteral("masterNumber")).toInt(0);
        if (master < 1)
            continue;
        const Answer answer = request("GET", baseUrl, QStringLiteral("masters/%1/ports").arg(master));
        if (!answer.reply.answered || !answer.json.isArray()) {
            *error = answer.reply.answered ? tr("the master's port list cannot be read") : answer.reply.errorText;
            continue;
        }
        const QJsonArray portList = answer.json.array();
        for (const QJsonValue &portEntry : portList) {
            const QJsonObject object = portEntry.toObject();
            const int number = NetworkMasterJson::member(object, QStringLiteral("portNumber")).toInt(0);
            if (number < 1 || number > 0xFF
                || NetworkMasterJson::member(object, QStringLiteral("statusInfo")).toString() != online)
                continue;
            SerialPortDescriptor port;
            port.setPortName(master == 1 ? tr("%1 Port %2").arg(host).arg(number)
                                         : tr("%1 Master %2 Port %3").arg(host).arg(master).arg(number));
            port.setSystemLocation(QStringLiteral("%1/masters/%2/ports/%3").arg(baseUrl).arg(master).arg(number));
            port.setDescription(QString::fromLatin1(portDescription));
            ports.append(port);
        }
    }
    return ports;
}

NetworkMaster::Identification NetworkMaster::identify(const QString &baseUrl)
{
    Identification result;
    Session where;
    where.host = hostOf(baseUrl);
    const Answer gateway = request("GET", baseUrl, QStringLiteral("gateway/identification"));
    if (!gateway.reply.answered || gateway.reply.status != 200 || !gateway.json.isObject()) {
        result.error = gateway.reply.answered ? describe(where, gateway) : gateway.reply.errorText;
        return result;
    }
    result.reachable = true;
    const QJsonObject identity = gateway.json.object();
    result.vendorName = NetworkMasterJson::member(identity, QStringLiteral("vendorName")).toString();
    result.productName = NetworkMasterJson::member(identity, QStringLiteral("productName")).toString();
    const Answer version = request("GET", baseUrl, QStringLiteral("apiversion"));
    result.edition = version.reply.status == 200
        ? NetworkMasterJson::member(version.json.object(), QStringLiteral("version")).toString()
        : QStringLiteral("1.0.x");
    const Answer capabilities = request("GET", baseUrl, QStringLiteral("masters/1/capabilities"));
    result.portCount = NetworkMasterJson::member(capabilities.json.object(), QStringLiteral("numberOfPorts")).toInt(0);
    return result;
}

IqCommHandle NetworkMaster::connect(const QString &location, char *errorText)
{
    static const QRegularExpression pattern(QStringLiteral("^(.+)/masters/(\\d+)/ports/(\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(location);
    if (!match.hasMatch()) {
        setErrorText(errorText, tr("%1 is no port of an Ethernet IO-Link master.").arg(location));
        return IqCommWrongParameter;
    }
    auto port = std::make_shared<Session>();
    port->baseUrl = match.captured(1);
    port->host = hostOf(port->baseUrl);
    port->masterNumber = match.captured(2).toInt();
    port->portNumber = match.captured(3).toInt();
    const QString portPath = QStringLiteral("masters/%1/ports/%2").arg(port->masterNumber).arg(port->portNumber);
    const Answer status = request("GET", port->baseUrl, portPath + QStringLiteral("/status"));
    if (status.reply.status != 200 || !status.json.isObject()) {
        setErrorText(errorText, describe(*port, status));
        return IqCommInterfaceNotFound;
    }
    const QString state = NetworkMasterJson::member(status.json.object(), QStringLiteral("statusInfo")).toString();
    if (state != online) {
        setErrorText(errorText, tr("%1 Port %2 has no device online (%3).").arg(port->host).arg(port->portNumber).arg(state));
        return IqCommInterfaceNotFound;
    }
    QString deviceAlias = QStringLiteral("master%1port%2").arg(port->masterNumber).arg(port->portNumber);
    const Answer portList = request("GET", port->baseUrl, QStringLiteral("masters/%1/ports").arg(port->masterNumber));
    for (const QJsonValue &entry : portList.json.array()) {
        const QJsonObject object = entry.toObject();
        const QString named = NetworkMasterJson::member(object, QStringLiteral("deviceAlias")).toString();
        if (NetworkMasterJson::member(object, QStringLiteral("portNumber")).toInt() == port->portNumber && !named.isEmpty())
            deviceAlias = named;
    }
    port->devicePath = QStringLiteral("devices/") + alias(deviceAlias);
    port->edition11 = isEditionAtLeast11(port->baseUrl);
    port->processDataKey = port->edition11 ? QStringLiteral("iolink") : QStringLiteral("ioLink");
    // What the log held before we came is history, not news.
    pollEvents(*port, false);
    port->sinceStatus.start();

    QMutexLocker locker(&mutex);
    IqCommHandle handle = nextHandle;
    while (sessions.contains(handle))
        handle = handle == std::numeric_limits<IqCommHandle>::max() ? firstHandle : IqCommHandle(handle + 1);
    nextHandle = handle == std::numeric_limits<IqCommHandle>::max() ? firstHandle : IqCommHandle(handle + 1);
    sessions.insert(handle, port);
    return handle;
}

IqCommResult NetworkMaster::disconnect(IqCommHandle handle, char *errorText)
{
    QMutexLocker locker(&mutex);
    if (!sessions.remove(handle)) {
        setErrorText(errorText, tr("The network master port is not open."));
        return IqCommWrongParameter;
    }
    return IqCommOk;
}

IqCommResult NetworkMaster::getConfig(IqCommHandle handle, IqCommConfig *config, char *errorText)
{
    const std::shared_ptr<Session> port = session(handle);
    if (!port || !config) {
        setErrorText(errorText, tr("The network master port is not open."));
        return IqCommWrongParameter;
    }
    QMutexLocker locker(&port->mutex);
    const Answer answer = request("GET", port->baseUrl, port->devicePath + QStringLiteral("/identification"));
    const QJsonObject identity = answer.json.object();
    const int vendorId = NetworkMasterJson::member(identity, QStringLiteral("vendorId")).toInt(0);
    const int deviceId = NetworkMasterJson::member(identity, QStringLiteral("deviceId")).toInt(0);
    if (answer.reply.status != 200 || vendorId < 1 || vendorId > 0xFFFF || deviceId < 1 || deviceId > 0xFFFFFF)
        return failure(*port, answer, nullptr, errorText);
    *config = {};
    config->vendorId = uint16_t(vendorId);
    config->deviceId = uint32_t(deviceId);
    const QString revision = NetworkMasterJson::member(identity, QStringLiteral("ioLinkRevision")).toString();
    config->revisionId = revision == QLatin1String("1.0") ? 0x10 : 0x11;
    const QByteArray serial = NetworkMasterJson::member(identity, QStringLiteral("serialNumber"))
                                  .toString().toLatin1().left(IqCommSerialNumberSize - 1);
    std::memcpy(config->serialNumber, serial.constData(), size_t(serial.size()));
    return IqCommOk;
}

IqCommResult NetworkMaster::setOperatingMode(IqCommHandle handle, uint8_t mode, uint8_t *resultingMode, char *errorText)
{
    const std::shared_ptr<Session> port = session(handle);
    if (!port) {
        setErrorText(errorText, tr("The network master port is not open."));
        return IqCommWrongParameter;
    }
    // The master runs its ports itself; the mode only says whether we use the port.
    QMutexLocker locker(&port->mutex);
    port->mode = mode == IqCommModeOperate ? IqCommModeOperate : IqCommModeInactive;
    if (resultingMode)
        *resultingMode = uint8_t(port->mode);
    return IqCommOk;
}

bool NetworkMaster::portStillOnline(Session &port, QString *reason)
{
    const Answer status = request("GET", port.baseUrl,
                                  QStringLiteral("masters/%1/ports/%2/status").arg(port.masterNumber).arg(port.portNumber));
    if (status.reply.status != 200 || !status.json.isObject()) {
        *reason = describe(port, status);
        return false;
    }
    const QString state = NetworkMasterJson::member(status.json.object(), QStringLiteral("statusInfo")).toString();
    if (state == online)
        return true;
    *reason = tr("%1 Port %2 has no device online any more (%3).").arg(port.host).arg(port.portNumber).arg(state);
    return false;
}

void NetworkMaster::pollEvents(Session &port, bool remember)
{
    const Answer answer = request("GET", port.baseUrl, port.devicePath + QStringLiteral("/events?bottom=%1").arg(eventsPerPoll));
    if (answer.reply.status != 200 || !answer.json.isArray())
        return;
    if (port.seenEvents.size() > maxRememberedEvents)
        port.seenEvents.clear();
    const QList<NetworkMasterJson::Event> events = NetworkMasterJson::parseEvents(answer.json.array());
    for (const NetworkMasterJson::Event &event : events) {
        if (port.seenEvents.contains(event.key))
            continue;
        port.seenEvents.insert(event.key);
        if (remember)
            port.events.append(event);
    }
}

IqCommResult NetworkMaster::getStatus(IqCommHandle handle, uint8_t *status, uint8_t *buffer, uint16_t size, char *errorText)
{
    const std::shared_ptr<Session> port = session(handle);
    if (!port || !status) {
        setErrorText(errorText, tr("The network master port is not open."));
        return IqCommWrongParameter;
    }
    QMutexLocker locker(&port->mutex);
    *status = 0;
    if (port->mode != IqCommModeOperate)
        return 0;
    int interval = 0;
    {
        QMutexLocker masterLocker(&mutex);
        interval = statusIntervalMs;
    }
    if (port->sinceStatus.elapsed() >= interval) {
        port->sinceStatus.restart();
        QString reason;
        if (!portStillOnline(*port, &reason)) {
            setErrorText(errorText, reason);
            return IqCommInterfaceNotFound;
        }
        pollEvents(*port, true);
    }
    const Answer answer = request("GET", port->baseUrl, port->devicePath + QStringLiteral("/processdata/getdata/value"));
    if (answer.reply.status != 200 || !answer.jsonValid)
        return failure(*port, answer, nullptr, errorText);
    QByteArray input;
    bool valid = true;
    QString reason;
    if (!NetworkMasterJson::parseProcessData(answer.json.object(), &input, &valid, &reason)) {
        setErrorText(errorText, tr("%1 Port %2: %3.").arg(port->host).arg(port->portNumber).arg(reason));
        return IqCommInterfaceNotFound;
    }
    if (input.size() > size || (!input.isEmpty() && !buffer)) {
        setErrorText(errorText, tr("Process data of %1 octets does not fit the buffer").arg(input.size()));
        return IqCommBufferTooSmall;
    }
    std::memcpy(buffer, input.constData(), size_t(input.size()));
    *status = uint8_t(IqCommModeOperate);
    if (!valid)
        *status |= IqCommStatusProcessDataInvalid;
    if (!port->events.isEmpty())
        *status |= IqCommStatusEventPending;
    return IqCommResult(input.size());
}

IqCommResult NetworkMaster::readEvent(IqCommHandle handle, uint8_t *qualifier, uint16_t *code, char *errorText)
{
    const std::shared_ptr<Session> port = session(handle);
    if (!port) {
        setErrorText(errorText, tr("The network master port is not open."));
        return IqCommWrongParameter;
    }
    QMutexLocker locker(&port->mutex);
    if (port->events.isEmpty()) {
        setErrorText(errorText, tr("No event pending"));
        return IqCommOperationFailed;
    }
    const NetworkMasterJson::Event event = port->events.takeFirst();
    if (qualifier)
        *qualifier = event.qualifier;
    if (code)
        *code = event.code;
    return IqCommOk;
}

void NetworkMaster::prefetch(IqCommHandle handle, const QList<QPair<quint16, quint8>> &parameters)
{
    const std::shared_ptr<Session> port = session(handle);
    if (!port)
        return;
    QMutexLocker locker(&port->mutex);
    if (port->blockReads == 0 || port->mode != IqCommModeOperate)
        return;
    QJsonArray items;
    for (const auto &parameter : parameters) {
        if (items.size() >= maxBlockItems)
            break;
        if (port->prefetched.contains(cacheKey(parameter.first, parameter.second)))
            continue;
        QJsonObject identifier { { QStringLiteral("index"), int(parameter.first) } };
        if (parameter.second > 0)
            identifier.insert(QStringLiteral("subIndex"), int(parameter.second));
        items.append(QJsonObject { { QStringLiteral("identifier"), identifier } });
    }
    // One read gains nothing over a single request.
    if (items.size() < 2)
        return;
    const QJsonObject body { { QStringLiteral("direction"), QStringLiteral("READ") }, { QStringLiteral("parameters"), items } };
    const Answer answer = request("POST", port->baseUrl, port->devicePath + QStringLiteral("/blockparameterization"),
                                  QJsonDocument(body).toJson(QJsonDocument::Compact));
    const int code = NetworkMasterJson::errorCode(answer.json.object());
    if (answer.reply.status == 404 || answer.reply.status == 501 || code == codeNotSupported || code == codeNoIodd) {
        port->blockReads = 0;
        return;
    }
    if (answer.reply.status != 200 || !answer.json.isArray())
        return; // single reads follow and meet the fault themselves
    port->blockReads = 1;
    port->sincePrefetch.start();
    for (const QJsonValue &entry : answer.json.array()) {
        const QJsonObject object = entry.toObject();
        QJsonObject identifier = NetworkMasterJson::member(object, QStringLiteral("identifier")).toObject();
        if (identifier.isEmpty())
            identifier = NetworkMasterJson::member(object, QStringLiteral("address")).toObject();
        const int index = NetworkMasterJson::member(identifier, QStringLiteral("index")).toInt(-1);
        const int subindex = NetworkMasterJson::member(identifier, QStringLiteral("subIndex")).toInt(0);
        if (index < 0 || index > 0xFFFF || subindex < 0 || subindex > 0xFF)
            continue;
        const QJsonObject result = NetworkMasterJson::member(object, QStringLiteral("result")).toObject();
        const QString outcome = NetworkMasterJson::member(result, QStringLiteral("parameterExchangeResult")).toString();
        QByteArray octets;
        QString reason;
        if (outcome == QLatin1String("READ_SUCCESS")
            && NetworkMasterJson::parseByteArray(NetworkMasterJson::member(result, QStringLiteral("content")),
                                                 NetworkMasterJson::maxParameterOctets, &octets, &reason))
            port->prefetched.insert(cacheKey(quint16(index), quint8(subindex)), { 0, octets });
        else if (const quint16 refusal = NetworkMasterJson::isduError(result))
            port->prefetched.insert(cacheKey(quint16(index), quint8(subindex)), { refusal, QByteArray() });
    }
}

IqCommResult NetworkMaster::readCached(Session &port, uint16_t index, uint8_t subindex, uint8_t *buffer, uint16_t size,
                                       uint16_t *isduError, char *errorText)
{
    const QPair<quint16, QByteArray> entry = port.prefetched.take(cacheKey(index, subindex));
    if (entry.first > 0) {
        if (isduError)
            *isduError = entry.first;
        setErrorText(errorText, QStringLiteral("ISDU error 0x%1").arg(entry.first, 4, 16, QLatin1Char('0')));
        return IqCommOperationFailed;
    }
    if (entry.second.size() > size || (!entry.second.isEmpty() && !buffer)) {
        setErrorText(errorText, tr("Value of %1 octets does not fit the buffer").arg(entry.second.size()));
        return IqCommBufferTooSmall;
    }
    std::memcpy(buffer, entry.second.constData(), size_t(entry.second.size()));
    return IqCommResult(entry.second.size());
}

IqCommResult NetworkMaster::readOD(IqCommHandle handle, uint16_t index, uint8_t subindex, uint8_t *buffer, uint16_t size,
                                   uint16_t *isduError, char *errorText)
{
    if (isduError)
        *isduError = 0;
    const std::shared_ptr<Session> port = session(handle);
    if (!port) {
        setErrorText(errorText, tr("The network master port is not open."));
        return IqCommWrongParameter;
    }
    QMutexLocker locker(&port->mutex);
    if (!port->prefetched.isEmpty() && port->sincePrefetch.elapsed() > prefetchLifetimeMs)
        port->prefetched.clear();
    if (port->prefetched.contains(cacheKey(index, subindex)))
        return readCached(*port, index, subindex, buffer, size, isduError, errorText);
    QString path = port->devicePath + QStringLiteral("/parameters/%1").arg(index);
    if (subindex > 0)
        path += QStringLiteral("/subindices/%1").arg(subindex);
    const Answer answer = request("GET", port->baseUrl, path + QStringLiteral("/value"));
    if (answer.reply.status != 200 || !answer.jsonValid)
        return failure(*port, answer, isduError, errorText);
    QByteArray octets;
    QString reason;
    if (!NetworkMasterJson::parseByteArray(answer.json.isArray() ? QJsonValue(answer.json.array()) : QJsonValue(answer.json.object()),
                                           NetworkMasterJson::maxParameterOctets, &octets, &reason)) {
        setErrorText(errorText, tr("%1 Port %2: %3.").arg(port->host).arg(port->portNumber).arg(reason));
        return IqCommInterfaceNotFound;
    }
    if (octets.size() > size || (!octets.isEmpty() && !buffer)) {
        setErrorText(errorText, tr("Value of %1 octets does not fit the buffer").arg(octets.size()));
        return IqCommBufferTooSmall;
    }
    std::memcpy(buffer, octets.constData(), size_t(octets.size()));
    return IqCommResult(octets.size());
}

IqCommResult NetworkMaster::writeOD(IqCommHandle handle, uint16_t index, uint8_t subindex, const uint8_t *data,
                                    uint16_t length, uint16_t *isduError, char *errorText)
{
    if (isduError)
        *isduError = 0;
    const std::shared_ptr<Session> port = session(handle);
    if (!port || (length > 0 && !data)) {
        setErrorText(errorText, tr("The network master port is not open."));
        return IqCommWrongParameter;
    }
    QMutexLocker locker(&port->mutex);
    // A write, a system command above all, may change what was read ahead.
    port->prefetched.clear();
    QString path = port->devicePath + QStringLiteral("/parameters/%1").arg(index);
    if (subindex > 0)
        path += QStringLiteral("/subindices/%1").arg(subindex);
    const QByteArray payload(reinterpret_cast<const char *>(data), data ? int(length) : 0);
    const Answer answer = request("POST", port->baseUrl, path + QStringLiteral("/value"),
                                  QJsonDocument(NetworkMasterJson::byteArrayBody(payload)).toJson(QJsonDocument::Compact));
    if (answer.reply.status != 204 && answer.reply.status != 200)
        return failure(*port, answer, isduError, errorText);
    return IqCommOk;
}

IqCommResult NetworkMaster::setPDValue(IqCommHandle handle, const uint8_t *data, uint16_t length, char *errorText)
{
    const std::shared_ptr<Session> port = session(handle);
    if (!port || (length > 0 && !data)) {
        setErrorText(errorText, tr("The network master port is not open."));
        return IqCommWrongParameter;
    }
    if (length > NetworkMasterJson::maxProcessDataOctets) {
        setErrorText(errorText, tr("Process data of %1 octets is too long").arg(length));
        return IqCommWrongParameter;
    }
    QMutexLocker locker(&port->mutex);
    const QByteArray payload(reinterpret_cast<const char *>(data), data ? int(length) : 0);
    const QString path = port->devicePath + QStringLiteral("/processdata/value");
    Answer answer = request("POST", port->baseUrl, path,
                            QJsonDocument(NetworkMasterJson::processDataBody(payload, port->processDataKey)).toJson(QJsonDocument::Compact));
    const int code = NetworkMasterJson::errorCode(answer.json.object());
    if (answer.reply.status == 400 && (code == codeBadBodyKey || code == codeBadBodyValue)) {
        // Firmware of either edition may expect the other spelling.
        port->processDataKey = port->processDataKey == QLatin1String("iolink") ? QStringLiteral("ioLink") : QStringLiteral("iolink");
        answer = request("POST", port->baseUrl, path,
                         QJsonDocument(NetworkMasterJson::processDataBody(payload, port->processDataKey)).toJson(QJsonDocument::Compact));
    }
    if (answer.reply.status != 204 && answer.reply.status != 200)
        return failure(*port, answer, nullptr, errorText);
    return IqCommOk;
}
