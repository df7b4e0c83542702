#include "mastercredentialstore.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <qt5keychain/keychain.h>

const char *const MasterCredentialStore::serviceName = "ovinex network masters";

namespace {

QString problemText(QKeychain::Error error, const QString &detail)
{
    switch (error) {
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return MasterCredentialStore::tr("no keychain service (secret store) is running on this computer");
    case QKeychain::AccessDeniedByUser:
    case QKeychain::AccessDenied:
        return MasterCredentialStore::tr("the keychain refused access");
    default:
        // Without a secret service the Linux back ends report only an unknown error or a D-Bus failure.
        if (detail.isEmpty() || detail == QLatin1String("Unknown error") || detail.contains(QLatin1String("org.freedesktop"))
            || detail.contains(QLatin1String("D-Bus"), Qt::CaseInsensitive) || detail.contains(QLatin1String("DBus"), Qt::CaseInsensitive))
            return MasterCredentialStore::tr("no keychain service (secret store) answered on this computer");
        return MasterCredentialStore::tr("the keychain failed: %1").arg(detail);
    }
}

template<typename Job>
Job *prepared(const QString &address, QObject *parent)
{
    auto *job = new Job(QString::fromLatin1(MasterCredentialStore::serviceName), parent);
    job->setAutoDelete(true);
    // A password in a plain file is what "remember" must never do.
    job->setInsecureFallback(false);
    job->setKey(address);
    return job;
}

} // namespace

MasterCredentialStore::MasterCredentialStore(QObject *parent)
    : QObject(parent)
{
}

void MasterCredentialStore::load(const QString &address, const std::function<void(const Credentials &)> &done)
{
    auto *job = prepared<QKeychain::ReadPasswordJob>(address, this);
    connect(job, &QKeychain::Job::finished, this, [job, done] {
        Credentials result;
        if (job->error() == QKeychain::NoError) {
            const QJsonObject entry = QJsonDocument::fromJson(job->textData().toUtf8()).object();
            result.user = entry.value(QStringLiteral("user")).toString();
            result.password = entry.value(QStringLiteral("password")).toString();
            result.found = !result.user.isEmpty() || !result.password.isEmpty();
        } else if (job->error() != QKeychain::EntryNotFound) {
            result.error = problemText(job->error(), job->errorString());
        }
        done(result);
    });
    job->start();
}

void MasterCredentialStore::store(const QString &address, const QString &user, const QString &password,
                                  const std::function<void(const QString &)> &done)
{
    auto *job = prepared<QKeychain::WritePasswordJob>(address, this);
    const QJsonObject entry { { QStringLiteral("user"), user }, { QStringLiteral("password"), password } };
    job->setTextData(QString::fromUtf8(QJsonDocument(entry).toJson(QJsonDocument::Compact)));
    connect(job, &QKeychain::Job::finished, this, [job, done] {
        done(job->error() == QKeychain::NoError ? QString() : problemText(job->error(), job->errorString()));
    });
    job->start();
}

void MasterCredentialStore::remove(const QString &address)
{
    prepared<QKeychain::DeletePasswordJob>(address, this)->start();
}
