#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class QThread;

// Sends HTTP requests to Ethernet IO-Link masters from a thread of its own, so that callers in device and
// discovery threads can wait for an answer the way they wait for a serial master call, while the network keeps
// running. Never call send() from the client's own thread.
class NetworkHttpClient : public QObject
{
    Q_OBJECT

public:
    struct Reply
    {
        int status = 0;              // HTTP status, 0 when no answer came
        QByteArray body;
        bool answered = false;       // false: timeout, refused, unreachable, TLS refused
        QString errorText;           // why there is no answer, in plain words
        bool authenticationRequired = false;
    };

    static NetworkHttpClient &instance();
    ~NetworkHttpClient() override;

    // Blocks the calling thread until the answer or the timeout.
    Reply send(const QByteArray &method, const QUrl &url, const QByteArray &body = QByteArray());

    void setTimeout(int milliseconds);
    int timeout() const;
    // HTTP Basic credentials for every address below the given base address.
    void setCredentials(const QString &baseUrl, const QString &user, const QString &password);
    void clearCredentials(const QString &baseUrl);
    bool hasCredentials(const QString &baseUrl) const;

    static constexpr int defaultTimeoutMs = 3000;

private:
    struct Pending;

    NetworkHttpClient();
    void start(const std::shared_ptr<Pending> &pending);
    QByteArray authorizationFor(const QUrl &url) const;

    mutable QMutex mutex;
    QThread *thread = nullptr;
    QNetworkAccessManager *manager = nullptr; // lives in thread
    QHash<QString, QPair<QString, QString>> credentials;
    int timeoutMs = defaultTimeoutMs;
};
