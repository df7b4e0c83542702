#pragma once

#include <QObject>
#include <QSet>
#include <QString>

// What the window needs from the Ethernet IO-Link masters: testing an address the user typed, and asking for
// credentials when a master wants them. Lives in the main thread; the network work runs in pool threads.
class NetworkMasterAccess : public QObject
{
    Q_OBJECT

public:
    explicit NetworkMasterAccess(QObject *parent = nullptr);
    ~NetworkMasterAccess() override;

    // The text shown for a test: the master's identification, or the error in plain words.
    static QString describeTest(bool reachable, const QString &error, const QString &vendor, const QString &product,
                                int ports, const QString &edition);

signals:
    void testFinished(QString address, bool reachable, QString text);
    // A master wants a user name and password; insecure when they would travel over plain http.
    void credentialsRequested(QString address, QString host, bool insecure);

public:
    // Runs the test in the background; testFinished() tells the result.
    Q_INVOKABLE void test(const QString &address);
    Q_INVOKABLE void provideCredentials(const QString &address, const QString &user, const QString &password);
    Q_INVOKABLE void declineCredentials(const QString &address);
    // Whether the warning about credentials over plain http was shown for this address already (and marks it shown).
    Q_INVOKABLE bool takeInsecureWarning(const QString &address);

private:
    QSet<QString> warnedAddresses;
};
