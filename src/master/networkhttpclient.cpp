#include "networkhttpclient.h"

#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslError>
#include <QThread>
#include <QTimer>
#include <QWaitCondition>

#include <memory>

struct NetworkHttpClient::Pending
{
    QByteArray method;
    QUrl url;
    QByteArray body;
    QByteArray authorization;
    int timeoutMs = defaultTimeoutMs;

    QMutex mutex;
    QWaitCondition done;
    bool finished = false;
    Reply reply;

    void finish(const Reply &answer)
    {
        QMutexLocker locker(&mutex);
        reply = answer;
        finished = true;
        done.wakeAll();
    }
};

NetworkHttpClient &NetworkHttpClient::instance()
{
    static NetworkHttpClient client;
    return client;
}

NetworkHttpClient::NetworkHttpClient()
{
    thread = new QThread;
    thread->setObjectName(QStringLiteral("network masters"));
    moveToThread(thread);
    thread->start();
    QMetaObject::invokeMethod(this, [this] {
        manager = new QNetworkAccessManager(this);
        // Masters are on the plant network; a system proxy would only stand in the way.
        manager->setProxy(QNetworkProxy::NoProxy);
    }, Qt::BlockingQueuedConnection);
}

NetworkHttpClient::~NetworkHttpClient()
{
    // The manager and its replies belong to the network thread and go there.
    if (thread->isRunning())
        QMetaObject::invokeMethod(this, [this] { delete manager; manager = nullptr; }, Qt::BlockingQueuedConnection);
    thread->quit();
    thread->wait();
    delete thread;
}

void NetworkHttpClient::setTimeout(int milliseconds)
{
    QMutexLocker locker(&mutex);
    timeoutMs = qMax(1, milliseconds);
}

int NetworkHttpClient::timeout() const
{
    QMutexLocker locker(&mutex);
    return timeoutMs;
}

void NetworkHttpClient::setCredentials(const QString &baseUrl, const QString &user, const QString &password)
{
    QMutexLocker locker(&mutex);
    credentials.insert(baseUrl, { user, password });
}

void NetworkHttpClient::clearCredentials(const QString &baseUrl)
{
    QMutexLocker locker(&mutex);
    credentials.remove(baseUrl);
}

bool NetworkHttpClient::hasCredentials(const QString &baseUrl) const
{
    QMutexLocker locker(&mutex);
    return credentials.contains(baseUrl);
}

QByteArray NetworkHttpClient::authorizationFor(const QUrl &url) const
{
    const QString address = url.toString();
    for (auto it = credentials.constBegin(); it != credentials.constEnd(); ++it) {
        if (address.startsWith(it.key())) {
            const QByteArray pair = (it.value().first + QLatin1Char(':') + it.value().second).toUtf8();
            return "Basic " + pair.toBase64();
        }
    }
    return QByteArray();
}

NetworkHttpClient::Reply NetworkHttpClient::send(const QByteArray &method, const QUrl &url, const QByteArray &body)
{
    if (QThread::currentThread() == thread) {
        Reply refused;
        refused.errorText = QStringLiteral("internal error: a network request from the network thread");
        return refused;
    }
    auto pending = std::make_shared<Pending>();
    pending->method = method;
    pending->url = url;
    pending->body = body;
    {
        QMutexLocker locker(&mutex);
        pending->authorization = authorizationFor(url);
        pending->timeoutMs = timeoutMs;
    }
    QMetaObject::invokeMethod(this, [this, pending] { start(pending); }, Qt::QueuedConnection);
    QMutexLocker locker(&pending->mutex);
    // The network thread always answers; the margin only guards against it being stopped under us.
    const unsigned long margin = 2000;
    while (!pending->finished) {
        if (!pending->done.wait(&pending->mutex, ulong(pending->timeoutMs) + margin) && !pending->finished) {
            Reply lost;
            lost.errorText = QStringLiteral("no answer");
            return lost;
        }
    }
    return pending->reply;
}

namespace {

QString certificateNames(const QList<QSslError> &errors)
{
    QStringList names;
    for (const QSslError &error : errors) {
        const QSslCertificate certificate = error.certificate();
        QString name = certificate.subjectInfo(QSslCertificate::CommonName).join(QStringLiteral(", "));
        if (name.isEmpty() && !certificate.isNull())
            name = QString::fromLatin1(certificate.digest().toHex());
        const QString text = name.isEmpty() ? error.errorString() : QStringLiteral("%1 (%2)").arg(name, error.errorString());
        if (!names.contains(text))
            names.append(text);
    }
    return names.join(QStringLiteral("; "));
}

} // namespace

void NetworkHttpClient::start(const std::shared_ptr<Pending> &pending)
{
    QNetworkRequest request(pending->url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    if (!pending->authorization.isEmpty())
        request.setRawHeader("Authorization", pending->authorization);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = pending->body.isEmpty() && pending->method == "GET"
        ? manager->get(request)
        : manager->sendCustomRequest(request, pending->method, pending->body);

    auto timedOut = std::make_shared<bool>(false);
    auto refusedCertificates = std::make_shared<QString>();
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply, timedOut] {
        *timedOut = true;
        reply->abort();
    });
    timer->start(pending->timeoutMs);
    connect(reply, &QNetworkReply::sslErrors, reply, [refusedCertificates](const QList<QSslError> &errors) {
        *refusedCertificates = certificateNames(errors);
    });
    connect(reply, &QNetworkReply::finished, this, [reply, pending, timedOut, refusedCertificates] {
        Reply answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.body = reply->readAll();
        answer.answered = answer.status > 0;
        answer.authenticationRequired = answer.status == 401;
        if (*timedOut) {
            answer = Reply();
            answer.errorText = tr("no answer within %1 s").arg(pending->timeoutMs / 1000.0);
        } else if (!refusedCertificates->isEmpty()) {
            answer = Reply();
            answer.errorText = tr("the certificate %1 is not trusted; the connection was refused").arg(*refusedCertificates);
        } else if (!answer.answered) {
            answer.errorText = reply->errorString();
        }
        reply->deleteLater();
        pending->finish(answer);
    });
}
