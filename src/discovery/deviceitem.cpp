#include "deviceitem.h"

#include "connection/iolinkdevice.h"
#include "core/logcategories.h"
#include "iodd/catalogue/ioddlistmodel.h"

#include <QDebug>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {
const QString keyId = QStringLiteral("id");
const QString keyProductId = QStringLiteral("productId");
const QString keyProductName = QStringLiteral("productName");
const QString keySerialNumber = QStringLiteral("serialNumber");
const QString keyTime = QStringLiteral("time");
// Local time to the second, without zone offset.
const QString timeFormat = QStringLiteral("yyyy-MM-ddThh:mm:ss");
} // namespace

const char *const DeviceItem::desktopFallbackIcon = "qrc:/icons/usb_black_24dp.svg";

DeviceItem::DeviceItem(const QString &id, QObject *parent)
    : QObject(parent)
    , id(id)
{
}

DeviceItem::~DeviceItem() = default;

IODDEntry *DeviceItem::getIoddEntry() const
{
    return lookUpIoddEntry();
}

bool DeviceItem::hasMultipleIODD() const
{
    lookUpIoddEntry();
    return multipleIODD;
}

IODDEntry *DeviceItem::lookUpIoddEntry() const
{
    if (ioddEntry)
        return ioddEntry;
    if (!ioddModel)
        return nullptr;
    int matchCount = 0;
    IODDEntry *found = ioddModel->findEntry(productId, matchCount);
    if (!found) {
        qCDebug(lcDiscovery) << "Not found IODD Entry for" << productName << productId;
        return nullptr;
    }
    qCDebug(lcDiscovery) << "Found IODD Entry for" << productName << productId;
    ioddEntry = found;
    multipleIODD = matchCount > 1;
    emit const_cast<DeviceItem *>(this)->attributeChanged();
    return ioddEntry;
}

QString DeviceItem::getDeviceIcon() const
{
    const IODDEntry *entry = lookUpIoddEntry();
    return pictureUrl(entry ? entry->getDeviceIconPath(productId) : QString());
}

QString DeviceItem::getDeviceSymbol() const
{
    const IODDEntry *entry = lookUpIoddEntry();
    return pictureUrl(entry ? entry->getDeviceSymbolPath(productId) : QString());
}

QString DeviceItem::pictureUrl(const QString &path) const
{
    // A picture that the package names but does not hold gets the fallback as well.
    if (path.isEmpty() || !QFileInfo::exists(path))
        return QString::fromLatin1(desktopFallbackIcon);
    // A local URL that QML loads on every platform (a plain prefix doubles the slash of an absolute path).
    return QUrl::fromLocalFile(path).toString();
}

bool DeviceItem::isConnected() const
{
    return getDeviceState() == QLatin1String(IOLinkDevice::connectedName);
}

QString DeviceItem::getDeviceState() const
{
    return device ? device->getState() : QString();
}

void DeviceItem::setDevice(IOLinkDevice *newDevice)
{
    if (device && device != newDevice)
        releaseDevice();
    device = newDevice;
    if (device) {
        device->setParent(this);
        productId = device->getProductId();
        const IODDEntry *entry = lookUpIoddEntry();
        if (vendorName.isEmpty()) {
            if (!device->getVendorName().isEmpty()) {
                qCDebug(lcDiscovery) << "Using vendor name from device for" << device->getVendorName() << productName << productId;
                vendorName = device->getVendorName();
            } else if (entry) {
                qCDebug(lcDiscovery) << "Using vendor name from IODD Entry for" << entry->getVendorName() << productName << productId;
                vendorName = entry->getVendorName();
            }
        }
        if (productName.isEmpty()) {
            if (!device->getProductName().isEmpty()) {
                productName = device->getProductName();
                qCDebug(lcDiscovery) << "Using product name from device for" << productName << productId;
            } else if (entry) {
                productName = entry->getProductName();
                qCDebug(lcDiscovery) << "Using product name from IODD Entry for" << productName << productId;
            }
        }
        if (!device->getSerialNumber().isEmpty() || serialNumber.isEmpty())
            serialNumber = device->getSerialNumber();
        if (entry)
            device->setIoddFile(entry->getIODDPath());
        connect(device, &IOLinkDevice::syncTasksFinished, this, &DeviceItem::onSyncFinished, Qt::UniqueConnection);
        connect(device, &IOLinkDevice::stateChanged, this, &DeviceItem::connectionChanged, Qt::UniqueConnection);
        if (ioddModel) {
            connect(ioddModel, &IODDListModel::ioddSearchPathChanged, this, &DeviceItem::onIoddChanged,
                    Qt::UniqueConnection);
            connect(ioddModel, &IODDListModel::modelReset, this, &DeviceItem::onIoddChanged, Qt::UniqueConnection);
        }
    }
    emit attributeChanged();
    emit connectionChanged();
}

// A replaced device would otherwise live on, with its worker thread, until the item goes.
void DeviceItem::releaseDevice()
{
    disconnect(device, nullptr, this, nullptr);
    if (device->parent() == this) {
        device->setParent(nullptr);
        device->deleteLater();
    }
    device = nullptr;
}

void DeviceItem::setIoddModel(IODDListModel *model)
{
    if (ioddModel)
        disconnect(ioddModel, nullptr, this, nullptr);
    ioddModel = model;
    ioddEntry = nullptr;
    multipleIODD = false;
    if (!ioddModel)
        return;
    connect(ioddModel, &IODDListModel::modelAboutToBeReset, this, &DeviceItem::clearIODDEntry);
    connect(ioddModel, &IODDListModel::modelReset, this, &DeviceItem::refreshIODDEntry);
    if (device) {
        connect(ioddModel, &IODDListModel::ioddSearchPathChanged, this, &DeviceItem::onIoddChanged);
        connect(ioddModel, &IODDListModel::modelReset, this, &DeviceItem::onIoddChanged);
    }
}

void DeviceItem::clearIODDEntry()
{
    qCDebug(lcDiscovery) << "Start IODDListModel reset. Clear local copy of the IODDEntry." << productId;
    ioddEntry = nullptr;
    multipleIODD = false;
}

void DeviceItem::refreshIODDEntry()
{
    qCDebug(lcDiscovery) << "Done IODDListModel reset. Announce that attribute changed." << productId;
    // Looked up before the announcement: a lookup inside the bindings it wakes would announce again, in a loop.
    lookUpIoddEntry();
    emit attributeChanged();
}

void DeviceItem::onIoddChanged()
{
    if (!device)
        return;
    const IODDEntry *entry = lookUpIoddEntry();
    if (entry) {
        vendorName = entry->getVendorName();
        productName = entry->getProductName();
        device->setIoddFile(entry->getIODDPath());
    } else {
        vendorName = device->getVendorName();
        productName = device->getProductName();
        device->setIoddFile(QString());
    }
    emit attributeChanged();
}

void DeviceItem::onSyncFinished()
{
    if (!device)
        return;
    time = QDateTime::currentDateTime();
    previouslyConnected = true;
    takeIdentityFromDevice();
    emit synchronised();
    emit attributeChanged();
}

void DeviceItem::takeIdentityFromDevice()
{
    productId = device->getProductId();
    productName = device->getProductName();
    serialNumber = device->getSerialNumber();
}

bool DeviceItem::fromJsonString(const QString &key, const QString &text)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO << key << text;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        qWarning() << "Can't parse JSON:" << error.errorString();
        return false;
    }
    if (!document.isObject()) {
        qWarning() << "JSON does not contain an object.";
        return false;
    }
    const QJsonObject object = document.object();
    id = object.value(keyId).toString();
    if (id != key) {
        qWarning() << "JSON id does not match the key:" << id << key;
        return false;
    }
    productId = object.value(keyProductId).toString();
    productName = object.value(keyProductName).toString();
    serialNumber = object.value(keySerialNumber).toString();
    time = QDateTime::fromString(object.value(keyTime).toString(), Qt::ISODate);
    previouslyConnected = true;
    emit attributeChanged();
    return true;
}

QString DeviceItem::toJsonString() const
{
    // QJsonObject keeps its keys sorted, which is the order of the format.
    const QJsonObject object {
        { keyId, id },
        { keyProductId, productId },
        { keyProductName, productName },
        { keySerialNumber, serialNumber },
        { keyTime, time.isValid() ? time.toString(timeFormat) : QString() },
    };
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}
