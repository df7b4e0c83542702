#pragma once

#include "iqcomminterface.h"

#include <QHash>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonValue>
#include <QMutex>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

// Serves the simulated master's ports as an Ethernet IO-Link master through the JSON REST interface, on
// plain HTTP: for trying the network path without hardware, for demonstrations, and for the tests, which
// also use its fault modes. Lives in the thread that calls listen(); the setters may be called from any thread.
class NetworkMasterServer : public QObject
{
    Q_OBJECT

public:
    enum class Fault {
        None,
        NoAnswer,       // the request is read and never answered
        NotJson,        // 200 with a body that is no JSON
        WrongShape,     // 200 with JSON of another shape
        ByteOutOfRange, // 200 with a byte array holding 300
        TooLong,        // 200 with a byte array of 300 octets
        ServerError,    // 500 with error 102
    };

    explicit NetworkMasterServer(QObject *parent = nullptr);
    ~NetworkMasterServer() override;

    bool listen(const QHostAddress &address, quint16 port, QString *error = nullptr);
    void close();
    bool isListening() const;
    quint16 serverPort() const;
    // "http://<address>:<port>" of the listening server.
    QString address() const;

    // "1.0.0" answers like a released-edition master (no /apiversion, ioLink spellings, wrapped process data).
    void setEdition(const QString &version);
    void setBlockReadsOffered(bool offered);
    // Every request then needs these HTTP Basic credentials; empty ones switch that off.
    void setCredentials(const QString &user, const QString &password);
    // Requests whose path contains the given text (any request when empty) meet the fault.
    void setFault(Fault fault, const QString &pathPart = QString());
    int requestCount(const QString &pathPart) const;
    void resetCounts();

private:
    struct Response
    {
        int status = 200;
        QByteArray body;
    };
    struct Request
    {
        QByteArray method;
        QString path;
        QHash<QString, QString> query;
        QByteArray authorization;
        QByteArray body;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    static bool parseRequest(const QByteArray &data, Request *request, int *consumed);
    void respond(QTcpSocket *socket, const Response &response);
    Response handle(const Request &request);
    Response faultResponse(Fault fault, const QString &path) const;
    Response route(const Request &request, const QStringList &segments);
    Response routeDevice(const Request &request, int port, const QStringList &rest);
    Response parameter(const Request &request, int port, int index, int subindex);
    Response blockRead(const Request &request, int port);
    Response processData(const Request &request, int port, bool inputsOnly);
    Response events(const Request &request, int port);
    Response identification(int port);
    Response portList();
    Response portStatus(int port);

    static Response json(int status, const QJsonValue &value);
    static Response error(int status, int code, const QString &message);
    Response refusal(quint16 isduError) const;
    // The open handle of the simulated port, opened in operating mode on first use; -1 when the port has no device.
    IqCommHandle openPort(int port);
    void dropPort(int port);
    void collectEvents(int port);
    bool isOnline(int port);
    QString aliasOf(int port) const;
    int portCount();
    bool edition11() const;

    QTcpServer *server = nullptr;
    mutable QMutex mutex;
    QString edition = QStringLiteral("1.1.0");
    bool blockReadsOffered = true;
    QString user;
    QString password;
    Fault fault = Fault::None;
    QString faultPath;
    QHash<QString, int> counts;
    QHash<int, IqCommHandle> handles;
    QHash<int, QJsonArray> eventLogs;
    qint64 lastEventTime = 0;
    int highestPort = 0;
};
