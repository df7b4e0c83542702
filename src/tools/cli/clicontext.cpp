#include "clicontext.h"

#include "app/applicationsettings.h"
#include "clicommand.h"
#include "connection/iolinkserialdevice.h"
#include "iodd/catalogue/ioddentry.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "master/masterlibrary.h"

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

QList<SerialPortDescriptor> CliContext::ports() const
{
    return MasterLibrary::instance().availablePorts();
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
    IODDListModel catalogue(ApplicationSettings::instance()->getIoddSearchPath());
    catalogue.parseIODDs();
    int matches = 0;
    const IODDEntry *entry = catalogue.findEntry(device.getProductId(), matches);
    return entry ? entry->getIODDPath() : QString();
}

std::unique_ptr<IOLinkSerialDevice> CliContext::connectDevice(const QString &port, QString *error)
{
    SerialPortDescriptor found;
    bool known = false;
    for (const SerialPortDescriptor &candidate : ports()) {
        if (candidate.portName().compare(port, Qt::CaseInsensitive) == 0
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
    waitForState(*device, QString::fromLatin1(IOLinkDevice::notConnectedName), connectTimeoutMs);
    device->connectToDevice();
    if (!waitForState(*device, QString::fromLatin1(IOLinkDevice::connectedName), connectTimeoutMs)) {
        *error = text(QT_TRANSLATE_NOOP("ovinex-cli", "The device on port %1 could not be connected.")).arg(port);
        return nullptr;
    }
    return device;
}

void CliContext::disconnectDevice(IOLinkDevice &device)
{
    device.disconnectFromDevice();
    waitForState(device, QString::fromLatin1(IOLinkDevice::notConnectedName), connectTimeoutMs);
}

bool CliContext::waitForState(IOLinkDevice &device, const QString &wanted, int timeoutMs)
{
    if (device.getState() == wanted)
        return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&device, &IOLinkDevice::stateChanged, &loop, [&]() {
        // A connection attempt that falls back to notConnected has ended as well.
        if (device.getState() == wanted || device.getState() == QLatin1String(IOLinkDevice::notConnectedName))
            loop.quit();
    });
    timeout.start(timeoutMs);
    loop.exec();
    return device.getState() == wanted;
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
