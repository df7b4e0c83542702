#pragma once

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>

// A master behind https with a self-signed certificate that no system trusts; it answers every request with an
// empty JSON object, should a client ever get that far.
class UntrustedTlsServer : public QTcpServer
{
public:
    bool load(const QString &certificateFile, const QString &keyFile)
    {
        QFile certificateIn(certificateFile);
        QFile keyIn(keyFile);
        if (!certificateIn.open(QIODevice::ReadOnly) || !keyIn.open(QIODevice::ReadOnly))
            return false;
        certificate = QSslCertificate(&certificateIn, QSsl::Pem);
        key = QSslKey(&keyIn, QSsl::Rsa, QSsl::Pem);
        return !certificate.isNull() && !key.isNull();
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setLocalCertificate(certificate);
        socket->setPrivateKey(key);
        connect(socket, &QSslSocket::readyRead, socket, [socket] {
            socket->readAll();
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 2\r\nConnection: close\r\n\r\n{}");
            socket->disconnectFromHost();
        });
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        socket->startServerEncryption();
    }

private:
    QSslCertificate certificate;
    QSslKey key;
};
