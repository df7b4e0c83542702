#include "networkmasteraccess.h"

#include "mastercredentialstore.h"
#include "master/networkmaster.h"
#include "master/networkmasterjson.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>
#include <QUrl>

NetworkMasterAccess::NetworkMasterAccess(QObject *parent)
    : QObject(parent)
    , store(new MasterCredentialStore(this))
{
    connect(&NetworkMaster::instance(), &NetworkMaster::credentialsRequired, this, &NetworkMasterAccess::onCredentialsRequired,
            Qt::QueuedConnection);
}

void NetworkMasterAccess::onCredentialsRequired(const QString &address)
{
    if (storedTried.contains(address)) {
        askUser(address);
        return;
    }
    storedTried.insert(address);
    QPointer<NetworkMasterAccess> self(this);
    store->load(address, [self, address](const MasterCredentialStore::Credentials &remembered) {
        if (!self)
            return;
        if (remembered.found)
            NetworkMaster::instance().setCredentials(address, remembered.user, remembered.password);
        else
            self->askUser(address);
    });
}

void NetworkMasterAccess::askUser(const QString &address)
{
    emit credentialsRequested(address, NetworkMaster::hostOf(address), QUrl(address).scheme() == QLatin1String("http"));
}

NetworkMasterAccess::~NetworkMasterAccess() = default;

QString NetworkMasterAccess::describeTest(bool reachable, const QString &error, const QString &vendor,
                                          const QString &product, int ports, const QString &edition)
{
    if (!reachable)
        return tr("Not reachable: %1").arg(error);
    const QString name = QStringLiteral("%1 %2").arg(vendor, product).trimmed();
    return tr("%1, ports: %2, interface %3").arg(name.isEmpty() ? tr("Unnamed master") : name).arg(ports).arg(edition);
}

void NetworkMasterAccess::test(const QString &typed)
{
    const QString address = NetworkMasterJson::normalizedBaseUrl(typed);
    if (address.isEmpty()) {
        emit testFinished(typed, false, tr("Not an http:// or https:// address"));
        return;
    }
    QPointer<NetworkMasterAccess> self(this);
    QThreadPool::globalInstance()->start(QRunnable::create([self, typed, address] {
        const NetworkMaster::Identification identity = NetworkMaster::instance().identify(address);
        const QString text = describeTest(identity.reachable, identity.error, identity.vendorName, identity.productName,
                                          identity.portCount, identity.edition);
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, typed, identity, text] {
            if (self)
                emit self->testFinished(typed, identity.reachable, text);
        }, Qt::QueuedConnection);
    }));
}

void NetworkMasterAccess::provideCredentials(const QString &address, const QString &user, const QString &password, bool remember)
{
    NetworkMaster::instance().setCredentials(address, user, password);
    if (!remember) {
        store->remove(address);
        return;
    }
    const QString host = NetworkMaster::hostOf(address);
    QPointer<NetworkMasterAccess> self(this);
    store->store(address, user, password, [self, host](const QString &error) {
        if (self && !error.isEmpty())
            emit self->alertTextChanged(tr("The password for %1 was not remembered: %2. It is kept until the program ends.")
                                            .arg(host, error));
    });
}

void NetworkMasterAccess::declineCredentials(const QString &address)
{
    NetworkMaster::instance().forgetCredentialRequest(address);
}

bool NetworkMasterAccess::takeInsecureWarning(const QString &address)
{
    if (warnedAddresses.contains(address))
        return false;
    warnedAddresses.insert(address);
    return true;
}
