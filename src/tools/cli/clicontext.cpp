#include "clicontext.h"

#include "app/applicationsettings.h"
#include "clicommand.h"
#include "connection/devicestatewaiter.h"
#include "connection/iolinkserialdevice.h"
#include "discovery/mastercredentialstore.h"
#include "iodd/catalogue/ioddentry.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "master/masterlibrary.h"
#include "master/networkhttpclient.h"
#include "master/networkmaster.h"
#include "master/networkmasterjson.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTimer>

#include <cstdio>

CliContext::CliContext(QCommandLineParser &parser, const QStringList &arguments, QObject *parent)
    : QObject(parent)
    , commandLine(parser)
    , commandArguments(arguments)
{
}

CliContext::~CliContext() = default;

QString CliContext::text(const char *source)
{
    return QCoreApplication::translate("ovinex-cli", source);
}

void CliContext::print(const QJsonObject &object) const
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

void CliContext::message(const QString &text) const
{
    const QByteArray line = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

int CliContext::usageError(const QString &problem) const
{
    message(problem);
    message(text(QT_TRANSLATE_NOOP("ovinex-cli", "Run ovinex-cli --help for the usage.")));
    return CliUsageError;
}

QString CliContext::networkMaster() const
{
    return commandLine.isSet(QStringLiteral("master")) ? NetworkMasterJson::normalizedBaseUrl(commandLine.value(QStringLiteral("master")))
                                                      : QString();
}

QList<SerialPortDescriptor> CliContext::ports(bool *failed) const
{
    const QString baseUrl = networkMaster();
    if (baseUrl.isEmpty())
        return MasterLibrary::instance().availablePorts();
    useRememberedCredentials(baseUrl);
    QString error;
    const QList<SerialPortDescriptor> online = NetworkMaster::instance().onlinePorts(baseUrl, &error);
    if (failed)
        *failed = !error.isEmpty();
    if (!error.isEmpty())
        message(text(QT_TRANSLATE_NOOP("ovinex-cli", "The master %1 cannot be asked for its ports: %2")).arg(baseUrl, error));
    return online;
}

// Credentials the window remembered for the master, from the platform's keychain; without one the master's
// own refusal tells the user what is missing.
void CliContext::useRememberedCredentials(const QString &baseUrl) const
{
    if (NetworkHttpClient::instance().hasCredentials(baseUrl))
        return;
    MasterCredentialStore store;
    QEventLoop loop;
    QTimer::singleShot(keychainTimeoutMs, &loop, &QEventLoop::quit);
    store.load(baseUrl, [&loop, &baseUrl](const MasterCredentialStore::Credentials &remembered) {
        if (remembered.found)
            NetworkMaster::instance().setCredentials(baseUrl, remembered.user, remembered.password);
        loop.quit();
    });
    loop.exec();
}

QString CliContext::portName(const SerialPortDescriptor &port)
{
    if (!MasterLibrary::isNetworkPort(port))
        return port.portName();
    // The location ends in "masters/<m>/ports/<n>".
    const QStringList parts = port.systemLocation().split(QLatin1Char('/'));
    const QString master = parts.value(parts.size() - 3);
    const QString number = parts.value(parts.size() - 1);
    return master == QLatin1String("1") ? number : master + QLatin1Char('/') + number;
}

QString CliContext::ioddFor(const IOLinkSerialDevice &device) const
{
    MasterLibrary &library = MasterLibrary::instance();
    if (library.isSimulated()) {
        QStringList files = ApplicationSettings::instance()->simulatedDevices();
        files.removeAll(QString());
        if (files.isEmpty())
            files = ApplicationSettings::defaultSimulatedDevices();
        const QList<SerialPortDescriptor> all = library.availablePorts();
        for (int position = 0; position < all.size() && position < files.size(); ++position) {
            if (all.at(position).portName() == device.getPortInfo().portName())
                return files.at(position);
        }
    }
    // The constructor scans the folder it is given.
    IODDListModel catalogue(ApplicationSettings::instance()->getIoddSearchPath());
    int matches = 0;
    const IODDEntry *entry = catalogue.findEntry(device.getProductId(), matches);
    return entry ? entry->getIODDPath() : QString();
}

std::unique_ptr<IOLinkSerialDevice> CliContext::connectDevice(const QString &port, QString *error)
{
    SerialPortDescriptor found;
    bool known = false;
    for (const SerialPortDescriptor &candidate : ports()) {
        if (portName(candidate).compare(port, Qt::CaseInsensitive) == 0
            || candidate.portName().compare(port, Qt::CaseInsensitive) == 0
            || candidate.systemLocation().compare(port, Qt::CaseInsensitive) == 0) {
            found = candidate;
            known = true;
        }
    }
    if (!known) {
        *error = text(QT_TRANSLATE_NOOP("ovinex-cli", "There is no port %1. Run ovinex-cli ports for the list.")).arg(port);
        return nullptr;
    }
    auto device = std::make_unique<IOLinkSerialDevice>(found);
    if (!device->hasIOLinkDevice()) {
        *error = text(QT_TRANSLATE_NOOP("ovinex-cli", "No IO-Link device answers on port %1.")).arg(port);
        return nullptr;
    }
    const QString iodd = ioddFor(*device);
    if (iodd.isEmpty())
        message(text(QT_TRANSLATE_NOOP("ovinex-cli", "No IODD was found for product %1; only raw access is possible."))
                    .arg(device->getProductId()));
    device->setIoddFile(iodd);
    DeviceStateWaiter::waitFor(*device, QString::fromLatin1(IOLinkDevice::notConnectedName), connectTimeoutMs);
    device->connectToDevice();
    if (!DeviceStateWaiter::waitFor(*device, QString::fromLatin1(IOLinkDevice::connectedName), connectTimeoutMs)) {
        *error = text(QT_TRANSLATE_NOOP("ovinex-cli", "The device on port %1 could not be connected.")).arg(port);
        return nullptr;
    }
    return device;
}

void CliContext::disconnectDevice(IOLinkDevice &device)
{
    device.disconnectFromDevice();
    DeviceStateWaiter::waitFor(device, QString::fromLatin1(IOLinkDevice::notConnectedName), connectTimeoutMs);
}

bool CliContext::parseAddress(const QString &address, uint *index, uint *subindex)
{
    const QStringList parts = address.split(QLatin1Char('.'));
    if (parts.isEmpty() || parts.size() > 2)
        return false;
    bool indexOk = false;
    bool subindexOk = true;
    *index = parts.at(0).toUInt(&indexOk, 0);
    *subindex = parts.size() == 2 ? parts.at(1).toUInt(&subindexOk, 0) : 0;
    return indexOk && subindexOk && *index <= 0xFFFF && *subindex <= 0xFF;
}
