#include "mastercheck.h"

#include "connection/iolinkserialdevice.h"
#include "ioddcheck.h"
#include "iodd/catalogue/ioddentry.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "master/networkmaster.h"
#include "master/networkmasterjson.h"

#include <QElapsedTimer>

#include <memory>

MasterCheck::MasterCheck(IoddCheck &ioddCheck, IODDListModel &ioddCatalogue)
    : check(ioddCheck)
    , catalogue(ioddCatalogue)
{
}

QList<QJsonObject> MasterCheck::run(const QString &address)
{
    const QString baseUrl = NetworkMasterJson::normalizedBaseUrl(address);
    if (baseUrl.isEmpty())
        return { QJsonObject { { "master", address }, { "ok", false }, { "error", QStringLiteral("not an http:// or https:// address") } } };
    QString error;
    const QList<SerialPortDescriptor> ports = NetworkMaster::instance().onlinePorts(baseUrl, &error);
    if (ports.isEmpty()) {
        QJsonObject result { { "master", baseUrl }, { "ok", error.isEmpty() } };
        result.insert(error.isEmpty() ? "note" : "error", error.isEmpty() ? QStringLiteral("no device online") : error);
        return { result };
    }
    QList<QJsonObject> results;
    for (const SerialPortDescriptor &port : ports)
        results.append(checkPort(baseUrl, port));
    return results;
}

QJsonObject MasterCheck::checkPort(const QString &baseUrl, const SerialPortDescriptor &port)
{
    QElapsedTimer stopwatch;
    stopwatch.start();
    QJsonObject result { { "master", baseUrl }, { "port", int(port.portNumber()) }, { "ok", false } };
    auto device = std::make_unique<IOLinkSerialDevice>(port);
    result.insert("productId", device->getProductId());
    result.insert("productName", device->getProductName());
    QString error;
    int matches = 0;
    const IODDEntry *entry = device->hasIOLinkDevice() ? catalogue.findEntry(device->getProductId(), matches) : nullptr;
    if (!device->hasIOLinkDevice())
        error = QStringLiteral("no IO-Link device answers on this port");
    else if (!entry)
        error = QStringLiteral("no IODD in the folder matches product id %1").arg(device->getProductId());
    if (entry) {
        result.insert("file", entry->getIODDPath());
        device->setIoddFile(entry->getIODDPath());
        error = check.checkDevice(*device, result, false);
    }
    device.reset();
    result.insert("ok", error.isEmpty());
    if (!error.isEmpty())
        result.insert("error", error);
    result.insert("ms", stopwatch.elapsed());
    return result;
}
