#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Credentials of Ethernet IO-Link masters that the user asked to remember, kept in the platform's secret store
// (through QtKeychain), one entry per master address. Never in the settings file: where no secret store is
// running, remembering fails with a message that says so.
class MasterCredentialStore : public QObject
{
    Q_OBJECT

public:
    struct Credentials
    {
        bool found = false;
        QString user;
        QString password;
        // Why nothing could be read or stored, in plain words; empty when the store answered.
        QString error;
    };

    explicit MasterCredentialStore(QObject *parent = nullptr);

    // Each call answers once, on this object's thread, when the secret store has.
    void load(const QString &address, const std::function<void(const Credentials &)> &done);
    void store(const QString &address, const QString &user, const QString &password,
               const std::function<void(const QString &error)> &done);
    void remove(const QString &address);

    static const char *const serviceName;
};
