#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class MasterCredentialStore;

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
    // Something the user should know, shown like a device's alert (e.g. a password that could not be remembered).
    void alertTextChanged(QString alert);

public:
    // Runs the test in the background; testFinished() tells the result.
    Q_INVOKABLE void test(const QString &address);
    // With `remember` the credentials also go to the platform's secret store, for the next sessions; without it a
    // remembered entry is forgotten.
    Q_INVOKABLE void provideCredentials(const QString &address, const QString &user, const QString &password,
                                        bool remember = false);
    Q_INVOKABLE void declineCredentials(const QString &address);
    // Whether the warning about credentials over plain http was shown for this address already (and marks it shown).
    Q_INVOKABLE bool takeInsecureWarning(const QString &address);

private:
    void onCredentialsRequired(const QString &address);
    void askUser(const QString &address);

    MasterCredentialStore *store = nullptr;
    QSet<QString> warnedAddresses;
    // Masters whose remembered credentials were tried once this session; a further 401 asks the user.
    QSet<QString> storedTried;
};
