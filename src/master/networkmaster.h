#pragma once

#include "iqcomminterface.h"
#include "networkhttpclient.h"
#include "networkmasterjson.h"
#include "serialportdescriptor.h"

#include <QHash>
#include <QJsonDocument>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>

// Ethernet IO-Link masters reached through their JSON REST interface. Each online master port is offered as a
// port descriptor whose system location is the port's address ("<base>/masters/<m>/ports/<p>"), and answers the
// master-access calls like a serial master port, so that everything above the master layer treats both alike.
// Every call blocks its thread for the duration of the HTTP requests; calls on one port run one at a time,
// different ports and masters run side by side.
class NetworkMaster : public QObject
{
    Q_OBJECT

public:
    // What the master says about itself, for the Settings dialog's test.
    struct Identification
    {
        bool reachable = false;
        QString error;
        QString vendorName;
        QString productName;
        QString edition;
        int portCount = 0;
    };

    static NetworkMaster &instance();
    static bool isNetworkLocation(const QString &location);
    static QString hostOf(const QString &baseUrl);

    // The descriptors of the ports with an online device; on failure none, and the reason in error.
    QList<SerialPortDescriptor> onlinePorts(const QString &baseUrl, QString *error);
    Identification identify(const QString &baseUrl);

    // Basic credentials for a master, for this session; a later 401 asks again.
    void setCredentials(const QString &baseUrl, const QString &user, const QString &password);
    // The user declined to give credentials; the next 401 asks again.
    void forgetCredentialRequest(const QString &baseUrl);

    void setPollInterval(int milliseconds);
    int pollInterval() const;
    // How often the event log and the port status are read while process data is polled.
    void setStatusInterval(int milliseconds);

    bool ownsHandle(IqCommHandle handle) const;
    // Reads the listed parameters in one block request when the master offers it; later reads take them from there.
    void prefetch(IqCommHandle handle, const QList<QPair<quint16, quint8>> &parameters);

    // The master-access calls.
    IqCommHandle connect(const QString &location, char *errorText);
    IqCommResult disconnect(IqCommHandle handle, char *errorText);
    IqCommResult getConfig(IqCommHandle handle, IqCommConfig *config, char *errorText);
    IqCommResult setOperatingMode(IqCommHandle handle, uint8_t mode, uint8_t *resultingMode, char *errorText);
    IqCommResult getStatus(IqCommHandle handle, uint8_t *status, uint8_t *buffer, uint16_t size, char *errorText);
    IqCommResult readEvent(IqCommHandle handle, uint8_t *qualifier, uint16_t *code, char *errorText);
    IqCommResult readOD(IqCommHandle handle, uint16_t index, uint8_t subindex, uint8_t *buffer, uint16_t size,
                        uint16_t *isduError, char *errorText);
    IqCommResult writeOD(IqCommHandle handle, uint16_t index, uint8_t subindex, const uint8_t *data, uint16_t length,
                         uint16_t *isduError, char *errorText);
    IqCommResult setPDValue(IqCommHandle handle, const uint8_t *data, uint16_t length, char *errorText);

    static constexpr int defaultPollIntervalMs = 100;
    static constexpr int minPollIntervalMs = 20;
    static constexpr int maxPollIntervalMs = 1000;
    static constexpr int maxBlockItems = 32;
    static constexpr IqCommHandle firstHandle = 0x4000;
    static const char *const portDescription;

signals:
    // A master answered 401: it wants a user name and password (HTTP Basic) for the base address.
    void credentialsRequired(QString baseUrl);

private:
    struct Answer
    {
        NetworkHttpClient::Reply reply;
        QJsonDocument json;
        bool jsonValid = false;
    };
    struct Session;

    NetworkMaster();
    Answer request(const QByteArray &method, const QString &baseUrl, const QString &path,
                   const QByteArray &body = QByteArray());
    std::shared_ptr<Session> session(IqCommHandle handle) const;
    bool isEditionAtLeast11(const QString &baseUrl);
    void noteAuthentication(const QString &baseUrl, const Answer &answer);
    // Turns a failed answer into a master-access result: a device refusal keeps the connection, the rest loses it.
    IqCommResult failure(const Session &port, const Answer &answer, uint16_t *isduError, char *errorText) const;
    QString describe(const Session &port, const Answer &answer) const;
    bool portStillOnline(Session &port, QString *reason);
    void pollEvents(Session &port, bool remember);
    IqCommResult readCached(Session &port, uint16_t index, uint8_t subindex, uint8_t *buffer, uint16_t size,
                            uint16_t *isduError, char *errorText);
    static void setErrorText(char *errorText, const QString &text);

    mutable QMutex mutex;
    QHash<IqCommHandle, std::shared_ptr<Session>> sessions;
    QHash<QString, bool> editions; // base address -> 1.1 or later
    QSet<QString> credentialRequests;
    IqCommHandle nextHandle = firstHandle;
    int pollIntervalMs = defaultPollIntervalMs;
    int statusIntervalMs = 1000;
};
