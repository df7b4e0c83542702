#include "networkmasteraccess.h"

#include "master/networkmaster.h"
#include "master/networkmasterjson.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>
#include <QUrl>

NetworkMasterAccess::NetworkMasterAccess(QObject *parent)
    : QObject(parent)
{
    connect(&NetworkMaster::instance(), &NetworkMaster::credentialsRequired, this, [this](const QString &address) {
        emit credentialsRequested(address, NetworkMaster::hostOf(address), QUrl(address).scheme() == QLatin1String("http"));
    }, Qt::QueuedConnection);
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

void NetworkMasterAccess::provideCredentials(const QString &address, const QString &user, const QString &password)
{
    NetworkMaster::instance().setCredentials(address, user, password);
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
