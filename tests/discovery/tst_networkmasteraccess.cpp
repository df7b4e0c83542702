#include "testenvironment.h"

#include "discovery/mastercredentialstore.h"
#include "discovery/networkmasteraccess.h"
#include "master/networkhttpclient.h"

#include <QDirIterator>
#include <QSettings>
#include <QSignalSpy>

namespace {

constexpr int keychainTimeoutMs = 30000;
const QString address = QStringLiteral("https://192.0.2.7/iolink/v1");
const QByteArray password = "Pw-remember-7f3a";

// Every file below the isolated home folder (settings, data, log) that holds the text.
QStringList filesHolding(const QByteArray &text)
{
    QStringList holding;
    QDirIterator files(TestEnvironment::rootPath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text))
            holding << file.fileName();
    }

    return holding;
}

} // namespace

class TestNetworkMasterAccess : public QObject
{
    Q_OBJECT

private slots:
    // Here, as on most build machines, no secret store runs: remembering must fail in plain words and keep the
    // password for the session only. Where a store runs, the password must come back from it.
    void rememberedPasswordNeverReachesTheSettings()
    {
        NetworkMasterAccess access;
        QSignalSpy alerts(&access, &NetworkMasterAccess::alertTextChanged);
        access.provideCredentials(address, QStringLiteral("maintenance"), QString::fromLatin1(password), true);
        QVERIFY(NetworkHttpClient::instance().hasCredentials(address));

        MasterCredentialStore store;
        MasterCredentialStore::Credentials read;
        bool answered = false;
        // The store's write and this read run in order in the same keychain service.
        store.load(address, [&](const MasterCredentialStore::Credentials &credentials) {
            read = credentials;
            answered = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(answered, keychainTimeoutMs);
        if (read.found) {
            QCOMPARE(read.password, QString::fromLatin1(password));
            store.remove(address);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(alerts.count(), 1, keychainTimeoutMs);
            const QString alert = alerts.first().first().toString();
            QVERIFY2(alert.contains(QStringLiteral("was not remembered")) && alert.contains(QStringLiteral("keychain service")),
                     qPrintable(alert));
            QVERIFY2(alert.contains(QStringLiteral("192.0.2.7")), qPrintable(alert));
        }
        QSettings().sync();
        QCOMPARE(filesHolding(password), QStringList());
        NetworkHttpClient::instance().clearCredentials(address);
    }
};

OVINEX_TEST_MAIN(TestNetworkMasterAccess)
#include "tst_networkmasteraccess.moc"
