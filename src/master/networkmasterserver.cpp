#include "networkmasterserver.h"

#include "networkmasterjson.h"
#include "simulatedmaster.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

namespace {

const QString basePath = QStringLiteral("/iolink/v1/");
constexpr int maxHeaderSize = 16 * 1024;
constexpr int maxBodySize = 64 * 1024;
constexpr int maxEventsKept = 100;
constexpr int maxEventsPerCollect = 16;

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 413: return "Payload Too Large";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

QString severityOf(quint8 qualifier)
{
    switch ((qualifier >> 4) & 0x03) {
    case 3: return QStringLiteral("ERROR");
    case 2: return QStringLiteral("WARNING");
    default: return QStringLiteral("NOTICE");
    }
}

QString modeOf(quint8 qualifier)
{
    switch ((qualifier >> 6) & 0x03) {
    case 3: return QStringLiteral("APPEARS");
    case 2: return QStringLiteral("DISAPPEARS");
    default: return QStringLiteral("SINGLESHOT");
    }
}

} // namespace

NetworkMasterServer::NetworkMasterServer(QObject *parent)
    : QObject(parent)
{
}

NetworkMasterServer::~NetworkMasterServer()
{
    close();
}

bool NetworkMasterServer::listen(const QHostAddress &address, quint16 port, QString *error)
{
    if (!server) {
        server = new QTcpServer(this);
        connect(server, &QTcpServer::newConnection, this, &NetworkMasterServer::onNewConnection);
    }
    if (server->listen(address, port))
        return true;
    if (error)
        *error = server->errorString();
    return false;
}

void NetworkMasterServer::close()
{
    if (server)
        server->close();
    const QList<QTcpSocket *> sockets = findChildren<QTcpSocket *>();
    for (QTcpSocket *socket : sockets)
        socket->abort();
    QMutexLocker locker(&mutex);
    char errorText[IqCommErrorTextSize] = {};
    for (IqCommHandle handle : qAsConst(handles))
        SimulatedMaster::instance().disconnect(handle, errorText);
    handles.clear();
}

bool NetworkMasterServer::isListening() const
{
    return server && server->isListening();
}

quint16 NetworkMasterServer::serverPort() const
{
    return server ? server->serverPort() : 0;
}

QString NetworkMasterServer::address() const
{
    if (!server)
        return QString();
    QHostAddress host = server->serverAddress();
    if (host == QHostAddress::Any || host == QHostAddress::AnyIPv4 || host == QHostAddress::AnyIPv6)
        host = QHostAddress::LocalHost;
    return QStringLiteral("http://%1:%2").arg(host.toString()).arg(server->serverPort());
}

void NetworkMasterServer::setEdition(const QString &version)
{
    QMutexLocker locker(&mutex);
    edition = version;
}

bool NetworkMasterServer::edition11() const
{
    QMutexLocker locker(&mutex);
    return !edition.startsWith(QLatin1String("1.0"));
}

void NetworkMasterServer::setBlockReadsOffered(bool offered)
{
    QMutexLocker locker(&mutex);
    blockReadsOffered = offered;
}

void NetworkMasterServer::setCredentials(const QString &name, const QString &secret)
{
    QMutexLocker locker(&mutex);
    user = name;
    password = secret;
}

void NetworkMasterServer::setFault(Fault value, const QString &pathPart)
{
    QMutexLocker locker(&mutex);
    fault = value;
    faultPath = pathPart;
}

int NetworkMasterServer::requestCount(const QString &pathPart) const
{
    QMutexLocker locker(&mutex);
    int total = 0;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        if (it.key().contains(pathPart))
            total += it.value();
    }
    return total;
}

void NetworkMasterServer::resetCounts()
{
    QMutexLocker locker(&mutex);
    counts.clear();
}

void NetworkMasterServer::onNewConnection()
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

bool NetworkMasterServer::parseRequest(const QByteArray &data, Request *request, int *consumed)
{
    const int headerEnd = data.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return false;
    const QList<QByteArray> lines = data.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request->method = requestLine.value(0);
    const QUrl url(QString::fromLatin1(requestLine.value(1)));
    request->path = url.path();
    const auto items = QUrlQuery(url).queryItems();
    for (const auto &item : items)
        request->query.insert(item.first, item.second);
    int length = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length")
            length = qBound(0, value.toInt(), maxBodySize);
        else if (name == "authorization")
            request->authorization = value;
    }
    if (data.size() < headerEnd + 4 + length)
        return false;
    request->body = data.mid(headerEnd + 4, length);
    *consumed = headerEnd + 4 + length;
    return true;
}

void NetworkMasterServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    Request request;
    int consumed = 0;
    if (!parseRequest(buffer, &request, &consumed)) {
        if (buffer.size() > maxHeaderSize + maxBodySize)
            respond(socket, error(413, 206, QStringLiteral("Request too large")));
        else
            socket->setProperty("buffer", buffer);
        return;
    }
    socket->setProperty("buffer", QByteArray());
    {
        QMutexLocker locker(&mutex);
        ++counts[request.path];
    }
    Fault current = Fault::None;
    {
        QMutexLocker locker(&mutex);
        if (fault != Fault::None && (faultPath.isEmpty() || request.path.contains(faultPath)))
            current = fault;
    }
    if (current == Fault::NoAnswer)
        return;
    respond(socket, current == Fault::None ? handle(request) : faultResponse(current, request.path));
}

void NetworkMasterServer::respond(QTcpSocket *socket, const Response &response)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason(response.status) + "\r\n";
    if (response.status == 401)
        head += "WWW-Authenticate: Basic realm=\"IO-Link master\"\r\n";
    if (!response.body.isEmpty())
        head += "Content-Type: application/json\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n";
    socket->write(head + response.body);
    socket->disconnectFromHost();
}

NetworkMasterServer::Response NetworkMasterServer::json(int status, const QJsonValue &value)
{
    Response response;
    response.status = status;
    response.body = value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                    : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    return response;
}

NetworkMasterServer::Response NetworkMasterServer::error(int status, int code, const QString &message)
{
    return json(status, QJsonObject { { QStringLiteral("code"), code }, { QStringLiteral("message"), message } });
}

NetworkMasterServer::Response NetworkMasterServer::refusal(quint16 isduError) const
{
    QJsonObject body { { QStringLiteral("code"), 311 }, { QStringLiteral("message"), QStringLiteral("IO-Link parameter access error") } };
    body.insert(QStringLiteral("iolinkError"),
                QJsonObject { { QStringLiteral("code"), int(isduError) },
                              { QStringLiteral("message"), QStringLiteral("ISDU error 0x%1").arg(isduError, 4, 16, QLatin1Char('0')) } });
    return json(400, body);
}

NetworkMasterServer::Response NetworkMasterServer::faultResponse(Fault current, const QString &path) const
{
    const bool processData = path.contains(QLatin1String("processdata"));
    QJsonArray bytes { 1, 2 };
    switch (current) {
    case Fault::NotJson: {
        Response response;
        response.body = "<html>Service temporarily unavailable</html>";
        return response;
    }
    case Fault::WrongShape:
        return json(200, QJsonObject { { QStringLiteral("unexpected"), true } });
    case Fault::ByteOutOfRange:
        bytes = QJsonArray { 1, 300 };
        break;
    case Fault::TooLong:
        bytes = NetworkMasterJson::byteArray(QByteArray(300, '\1'));
        break;
    case Fault::ServerError:
    case Fault::NoAnswer:
    case Fault::None:
        return error(500, 102, QStringLiteral("Internal communication error"));
    }
    if (processData)
        return json(200, QJsonObject { { QStringLiteral("iolink"), QJsonObject { { QStringLiteral("valid"), true }, { QStringLiteral("value"), bytes } } } });
    return json(200, QJsonObject { { QStringLiteral("value"), bytes } });
}

NetworkMasterServer::Response NetworkMasterServer::handle(const Request &request)
{
    {
        QMutexLocker locker(&mutex);
        if (!user.isEmpty()) {
            const QByteArray expected = "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64();
            if (request.authorization != expected)
                return error(401, 151, QStringLiteral("Authentication missing or invalid"));
        }
    }
    if (!request.path.startsWith(basePath))
        return error(404, 103, QStringLiteral("Not supported"));
    const QStringList segments = request.path.mid(basePath.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return route(request, segments);
}

NetworkMasterServer::Response NetworkMasterServer::route(const Request &request, const QStringList &segments)
{
    const QString path = segments.join(QLatin1Char('/'));
    const bool get = request.method == "GET";
    if (get && path == QLatin1String("apiversion")) {
        if (!edition11())
            return error(404, 103, QStringLiteral("Not supported"));
        QMutexLocker locker(&mutex);
        return json(200, QJsonObject { { QStringLiteral("version"), edition } });
    }
    if (get && path == QLatin1String("gateway/identification"))
        return json(200, QJsonObject { { QStringLiteral("macAddress"), QStringLiteral("02:00:00:00:00:01") },
                                       { QStringLiteral("vendorName"), QStringLiteral("Korvell GmbH") },
                                       { QStringLiteral("productName"), QStringLiteral("Ovinex simulated master") } });
    if (get && path == QLatin1String("gateway/capabilities"))
        return json(200, QJsonObject { { QStringLiteral("ioddSupported"), false }, { QStringLiteral("mqttSupported"), false } });
    if (get && path == QLatin1String("masters"))
        return json(200, QJsonArray { QJsonObject { { QStringLiteral("masterNumber"), 1 } } });
    if (get && path == QLatin1String("masters/1/capabilities"))
        return json(200, QJsonObject { { QStringLiteral("numberOfPorts"), portCount() } });
    if (get && path == QLatin1String("masters/1/ports"))
        return portList();
    if (get && segments.size() == 5 && path.startsWith(QLatin1String("masters/1/ports/")) && segments.at(4) == QLatin1String("status"))
        return portStatus(segments.at(3).toInt());
    if (get && path == QLatin1String("devices")) {
        QJsonArray devices;
        const int count = portCount();
        for (int port = 1; port <= count; ++port)
            devices.append(QJsonObject { { QStringLiteral("deviceAlias"), aliasOf(port) }, { QStringLiteral("masterNumber"), 1 },
                                         { QStringLiteral("portNumber"), port } });
        return json(200, devices);
    }
    if (segments.size() >= 3 && segments.at(0) == QLatin1String("devices")) {
        const QString alias = segments.at(1);
        const int port = alias.startsWith(QLatin1String("master1port")) ? alias.mid(11).toInt() : 0;
        if (port < 1 || port > portCount())
            return error(404, 304, QStringLiteral("Unknown device alias"));
        return routeDevice(request, port, segments.mid(2));
    }
    return error(404, 103, QStringLiteral("Not supported"));
}

int NetworkMasterServer::portCount()
{
    // Unplugged ports are not listed by the simulated master; the served master keeps its highest port.
    const QList<SerialPortDescriptor> ports = SimulatedMaster::instance().availablePorts();
    QMutexLocker locker(&mutex);
    for (const SerialPortDescriptor &port : ports)
        highestPort = qMax(highestPort, int(port.portNumber()));
    return highestPort;
}

QString NetworkMasterServer::aliasOf(int port) const
{
    return QStringLiteral("master1port%1").arg(port);
}

IqCommHandle NetworkMasterServer::openPort(int port)
{
    QMutexLocker locker(&mutex);
    const auto open = handles.constFind(port);
    if (open != handles.constEnd())
        return open.value();
    char errorText[IqCommErrorTextSize] = {};
    SimulatedMaster &master = SimulatedMaster::instance();
    const IqCommHandle handle = master.connect(uint8_t(port), errorText);
    if (handle < 0)
        return -1;
    uint8_t mode = 0;
    if (master.setOperatingMode(handle, IqCommModeOperate, &mode, errorText) != IqCommOk) {
        master.disconnect(handle, errorText);
        return -1;
    }
    handles.insert(port, handle);
    return handle;
}

void NetworkMasterServer::dropPort(int port)
{
    QMutexLocker locker(&mutex);
    char errorText[IqCommErrorTextSize] = {};
    if (handles.contains(port))
        SimulatedMaster::instance().disconnect(handles.take(port), errorText);
}

bool NetworkMasterServer::isOnline(int port)
{
    // A handle may have gone stale (the port was replugged); one fresh open tells whether a device is there.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const IqCommHandle handle = openPort(port);
        if (handle < 0)
            return false;
        uint8_t status = 0;
        uint8_t buffer[IqCommProcessDataBufferSize] = {};
        char errorText[IqCommErrorTextSize] = {};
        if (SimulatedMaster::instance().getStatus(handle, &status, buffer, sizeof buffer, errorText) >= 0)
            return true;
        dropPort(port);
    }
    return false;
}

void NetworkMasterServer::collectEvents(int port)
{
    const IqCommHandle handle = openPort(port);
    if (handle < 0)
        return;
    SimulatedMaster &master = SimulatedMaster::instance();
    char errorText[IqCommErrorTextSize] = {};
    for (int i = 0; i < maxEventsPerCollect; ++i) {
        uint8_t status = 0;
        uint8_t buffer[IqCommProcessDataBufferSize] = {};
        if (master.getStatus(handle, &status, buffer, sizeof buffer, errorText) < 0 || !(status & IqCommStatusEventPending))
            return;
        uint8_t qualifier = 0;
        uint16_t code = 0;
        if (master.readEvent(handle, &qualifier, &code, errorText) != IqCommOk)
            return;
        QMutexLocker locker(&mutex);
        // Strictly increasing times keep two equal events apart.
        lastEventTime = qMax(QDateTime::currentMSecsSinceEpoch(), lastEventTime + 1);
        const bool newer = !edition.startsWith(QLatin1String("1.0"));
        QJsonObject origin { { newer ? QStringLiteral("masterNumber") : QStringLiteral("master"), 1 },
                             { newer ? QStringLiteral("portNumber") : QStringLiteral("port"), port },
                             { QStringLiteral("deviceAlias"), aliasOf(port) } };
        QJsonArray &log = eventLogs[port];
        log.append(QJsonObject {
            { QStringLiteral("time"), QDateTime::fromMSecsSinceEpoch(lastEventTime, Qt::UTC).toString(Qt::ISODateWithMs) },
            { QStringLiteral("severity"), severityOf(qualifier) },
            { QStringLiteral("origin"), origin },
            { QStringLiteral("message"), QJsonObject { { QStringLiteral("code"), int(code) }, { QStringLiteral("mode"), modeOf(qualifier) } } } });
        while (log.size() > maxEventsKept)
            log.removeFirst();
    }
}

NetworkMasterServer::Response NetworkMasterServer::portList()
{
    QJsonArray ports;
    const int count = portCount();
    for (int port = 1; port <= count; ++port)
        ports.append(QJsonObject { { QStringLiteral("portNumber"), port },
                                   { QStringLiteral("statusInfo"), isOnline(port) ? QStringLiteral("DEVICE_ONLINE") : QStringLiteral("COMMUNICATION_LOST") },
                                   { QStringLiteral("deviceAlias"), aliasOf(port) } });
    return json(200, ports);
}

NetworkMasterServer::Response NetworkMasterServer::portStatus(int port)
{
    if (port < 1 || port > portCount())
        return error(404, 303, QStringLiteral("Port not found"));
    if (!isOnline(port))
        return json(200, QJsonObject { { QStringLiteral("statusInfo"), QStringLiteral("COMMUNICATION_LOST") } });
    return json(200, QJsonObject { { QStringLiteral("statusInfo"), QStringLiteral("DEVICE_ONLINE") },
                                   { edition11() ? QStringLiteral("iolinkRevision") : QStringLiteral("ioLinkRevision"), QStringLiteral("1.1") },
                                   { QStringLiteral("transmissionRate"), QStringLiteral("COM2") },
                                   { QStringLiteral("masterCycleTime"), QJsonObject { { QStringLiteral("value"), 2.3 }, { QStringLiteral("unit"), QStringLiteral("ms") } } } });
}

NetworkMasterServer::Response NetworkMasterServer::routeDevice(const Request &request, int port, const QStringList &rest)
{
    const QString path = rest.join(QLatin1Char('/'));
    const bool get = request.method == "GET";
    if (!isOnline(port))
        return error(404, 308, QStringLiteral("Device not accessible"));
    collectEvents(port);
    if (get && path == QLatin1String("identification"))
        return identification(port);
    if (rest.size() == 3 && rest.at(0) == QLatin1String("parameters") && rest.at(2) == QLatin1String("value"))
        return parameter(request, port, rest.at(1).toInt(), 0);
    if (rest.size() == 5 && rest.at(0) == QLatin1String("parameters") && rest.at(2) == QLatin1String("subindices")
        && rest.at(4) == QLatin1String("value"))
        return parameter(request, port, rest.at(1).toInt(), rest.at(3).toInt());
    if (request.method == "POST" && path == QLatin1String("blockparameterization"))
        return blockRead(request, port);
    if (get && path == QLatin1String("processdata/getdata/value"))
        return processData(request, port, true);
    if (path == QLatin1String("processdata/value"))
        return processData(request, port, false);
    if (get && path == QLatin1String("events"))
        return events(request, port);
    return error(404, 103, QStringLiteral("Not supported"));
}

NetworkMasterServer::Response NetworkMasterServer::identification(int port)
{
    const IqCommHandle handle = openPort(port);
    SimulatedMaster &master = SimulatedMaster::instance();
    char errorText[IqCommErrorTextSize] = {};
    IqCommConfig config = {};
    if (master.getConfig(handle, &config, errorText) != IqCommOk)
        return error(404, 308, QStringLiteral("Device not accessible"));
    const auto text = [&](uint16_t index) {
        uint8_t buffer[IqCommParameterBufferSize] = {};
        uint16_t isdu = 0;
        const IqCommResult n = master.readOD(handle, index, 0, buffer, sizeof buffer, &isdu, errorText);
        return n > 0 ? QString::fromUtf8(reinterpret_cast<const char *>(buffer), n) : QString();
    };
    QJsonObject identity { { QStringLiteral("vendorId"), int(config.vendorId) }, { QStringLiteral("deviceId"), int(config.deviceId) },
                           { edition11() ? QStringLiteral("iolinkRevision") : QStringLiteral("ioLinkRevision"), QStringLiteral("1.1") } };
    const QList<QPair<QString, uint16_t>> strings { { QStringLiteral("vendorName"), 16 }, { QStringLiteral("productName"), 18 },
                                                    { QStringLiteral("productId"), 19 }, { QStringLiteral("serialNumber"), 21 },
                                                    { QStringLiteral("hardwareRevision"), 22 }, { QStringLiteral("firmwareRevision"), 23 } };
    for (const auto &entry : strings) {
        const QString value = text(entry.second);
        if (!value.isEmpty())
            identity.insert(entry.first, value);
    }
    return json(200, identity);
}

NetworkMasterServer::Response NetworkMasterServer::parameter(const Request &request, int port, int index, int subindex)
{
    if (index < 0 || index > 0xFFFF || subindex < 0 || subindex > 0xFF)
        return error(400, 305, QStringLiteral("Invalid index"));
    const IqCommHandle handle = openPort(port);
    SimulatedMaster &master = SimulatedMaster::instance();
    char errorText[IqCommErrorTextSize] = {};
    uint16_t isdu = 0;
    if (request.method == "POST") {
        QByteArray octets;
        QString reason;
        if (!NetworkMasterJson::parseByteArray(QJsonDocument::fromJson(request.body).object(), NetworkMasterJson::maxParameterOctets,
                                               &octets, &reason))
            return error(400, 203, reason);
        if (master.writeOD(handle, uint16_t(index), uint8_t(subindex), reinterpret_cast<const uint8_t *>(octets.constData()),
                           uint16_t(octets.size()), &isdu, errorText) != IqCommOk)
            return isdu ? refusal(isdu) : error(404, 308, QStringLiteral("Device not accessible"));
        collectEvents(port);
        Response done;
        done.status = 204;
        return done;
    }
    uint8_t buffer[IqCommParameterBufferSize] = {};
    const IqCommResult n = master.readOD(handle, uint16_t(index), uint8_t(subindex), buffer, sizeof buffer, &isdu, errorText);
    if (n < 0)
        return isdu ? refusal(isdu) : error(404, 308, QStringLiteral("Device not accessible"));
    return json(200, NetworkMasterJson::byteArrayBody(QByteArray(reinterpret_cast<const char *>(buffer), n)));
}

NetworkMasterServer::Response NetworkMasterServer::blockRead(const Request &request, int port)
{
    {
        QMutexLocker locker(&mutex);
        if (!blockReadsOffered)
            return error(404, 103, QStringLiteral("Not supported"));
    }
    const QJsonObject body = QJsonDocument::fromJson(request.body).object();
    if (body.value(QStringLiteral("direction")).toString() != QLatin1String("READ"))
        return error(400, 103, QStringLiteral("Only block reads are supported"));
    const IqCommHandle handle = openPort(port);
    SimulatedMaster &master = SimulatedMaster::instance();
    char errorText[IqCommErrorTextSize] = {};
    QJsonArray results;
    for (const QJsonValue &item : body.value(QStringLiteral("parameters")).toArray()) {
        const QJsonObject identifier = item.toObject().value(QStringLiteral("identifier")).toObject();
        const int index = identifier.value(QStringLiteral("index")).toInt();
        const int subindex = identifier.value(QStringLiteral("subIndex")).toInt();
        uint8_t buffer[IqCommParameterBufferSize] = {};
        uint16_t isdu = 0;
        const IqCommResult n = master.readOD(handle, uint16_t(index), uint8_t(subindex), buffer, sizeof buffer, &isdu, errorText);
        QJsonObject result;
        if (n >= 0) {
            result.insert(QStringLiteral("parameterExchangeResult"), QStringLiteral("READ_SUCCESS"));
            result.insert(QStringLiteral("content"), NetworkMasterJson::byteArrayBody(QByteArray(reinterpret_cast<const char *>(buffer), n)));
        } else {
            result.insert(QStringLiteral("parameterExchangeResult"), QStringLiteral("ERROR"));
            result.insert(QStringLiteral("iolinkError"), QJsonObject { { QStringLiteral("code"), int(isdu) } });
        }
        results.append(QJsonObject { { QStringLiteral("identifier"), identifier }, { QStringLiteral("result"), result } });
    }
    return json(200, results);
}

NetworkMasterServer::Response NetworkMasterServer::processData(const Request &request, int port, bool inputsOnly)
{
    const IqCommHandle handle = openPort(port);
    SimulatedMaster &master = SimulatedMaster::instance();
    char errorText[IqCommErrorTextSize] = {};
    const bool newer = edition11();
    const QString key = newer ? QStringLiteral("iolink") : QStringLiteral("ioLink");
    if (request.method == "POST") {
        QByteArray octets;
        bool valid = true;
        QString reason;
        if (!NetworkMasterJson::parseProcessData(QJsonDocument::fromJson(request.body).object(), &octets, &valid, &reason))
            return error(400, 201, reason);
        if (master.setPDValue(handle, reinterpret_cast<const uint8_t *>(octets.constData()), uint16_t(octets.size()), errorText) != IqCommOk)
            return error(404, 308, QStringLiteral("Device not accessible"));
        Response done;
        done.status = 204;
        return done;
    }
    uint8_t status = 0;
    uint8_t buffer[IqCommProcessDataBufferSize] = {};
    const IqCommResult n = master.getStatus(handle, &status, buffer, sizeof buffer, errorText);
    if (n < 0)
        return error(404, 308, QStringLiteral("Device not accessible"));
    const QJsonObject inputs { { key, QJsonObject { { QStringLiteral("valid"), !(status & IqCommStatusProcessDataInvalid) },
                                                    { QStringLiteral("value"), NetworkMasterJson::byteArray(QByteArray(reinterpret_cast<const char *>(buffer), n)) } } } };
    if (inputsOnly)
        return json(200, newer ? inputs : QJsonObject { { QStringLiteral("getData"), inputs } });
    const QJsonObject outputs = NetworkMasterJson::processDataBody(SimulatedMaster::instance().lastOutput(port), key);
    return json(200, QJsonObject { { QStringLiteral("getData"), inputs }, { QStringLiteral("setData"), outputs } });
}

NetworkMasterServer::Response NetworkMasterServer::events(const Request &request, int port)
{
    QMutexLocker locker(&mutex);
    const QJsonArray log = eventLogs.value(port);
    const int bottom = request.query.value(QStringLiteral("bottom")).toInt();
    const int top = request.query.value(QStringLiteral("top")).toInt();
    QJsonArray answer;
    for (int i = 0; i < log.size(); ++i) {
        if ((bottom > 0 && i < log.size() - bottom) || (top > 0 && i >= top))
            continue;
        answer.append(log.at(i));
    }
    return json(200, answer);
}
