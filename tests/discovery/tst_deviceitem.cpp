#include "datatable.h"
#include "testenvironment.h"

#include "connection/iolinkdevice.h"
#include "connection/iqcommcommunicationhandler.h"
#include "connection/iqcommconnectionhandler.h"
#include "discovery/deviceitem.h"
#include "iodd/catalogue/ioddentry.h"
#include "iodd/catalogue/ioddlistmodel.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace {
const QString productId = QStringLiteral("KV-ITEM");
const QString fromIodd = QStringLiteral("<iodd>");

// A device with the identity a probe would have read, given directly; its handlers serve a port no master has.
class FakeDevice : public IOLinkDevice
{
public:
    FakeDevice(const QString &portName, const QString &vendor, const QString &id, const QString &name,
               const QString &serial)
    {
        SerialPortDescriptor port;
        port.setPortName(portName);
        port.setSystemLocation(QStringLiteral("FAKE250"));
        address = portName;
        vendorName = vendor;
        productId = id;
        productName = name;
        serialNumber = serial;
        communicationHandler = new IqCommCommunicationHandler(port);
        connectionHandler = new IqCommConnectionHandler(port);
        connectConnectionHandler();
        init();
    }

    QString getAddress() const override { return address; }
    bool hasIOLinkDevice() const override { return true; }

    void onConnected() override { }
};

} // namespace

class TestDeviceItem : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        root = std::make_unique<QTemporaryDir>();
        QVERIFY(writeIodd(QStringLiteral("one/iodds"), QStringLiteral("kv-item.xml"), QStringLiteral("2024-05-06")));
        QVERIFY(QDir().mkpath(folder(QStringLiteral("none/iodds"))));
        catalogue = std::make_unique<IODDListModel>(folder(QStringLiteral("one/iodds")));
        QCOMPARE(catalogue->getCount(), 1);
    }

    void identityPrecedence_data()
    {
        DataTable::addRows(QStringLiteral("discovery/identity-precedence.tsv"));
    }

    void identityPrecedence()
    {
        QFETCH(QString, deviceVendor);
        QFETCH(QString, deviceName);
        QFETCH(QString, deviceSerial);
        QFETCH(QString, itemName);
        QFETCH(QString, itemSerial);
        QFETCH(QString, vendor);
        QFETCH(QString, name);
        const auto *entry = qobject_cast<IODDEntry *>(catalogue->getEntry(0));
        if (vendor == fromIodd)
            vendor = entry->getVendorName();
        if (name == fromIodd)
            name = entry->getProductName();

        DeviceItem item(QStringLiteral("COM7"));
        item.setProductName(itemName);
        item.setSerialNumber(itemSerial);
        item.setIoddModel(catalogue.get());
        item.setDevice(device(deviceVendor, deviceName, deviceSerial).release());
        QCOMPARE(item.getVendorName(), vendor);
        QCOMPARE(item.getProductName(), name);
        QTEST(item.getSerialNumber(), "serial");
        QCOMPARE(item.getProductId(), productId);
    }

    void matchingIoddGivesDescriptionAndPictures()
    {
        DeviceItem item(QStringLiteral("COM7"));
        item.setIoddModel(catalogue.get());
        auto *live = device().release();
        item.setDevice(live);
        QCOMPARE(live->parent(), &item);
        const auto *entry = qobject_cast<IODDEntry *>(catalogue->getEntry(0));
        QCOMPARE(item.getIoddEntry(), entry);
        QCOMPARE(live->getIoddFile(), entry->getIODDPath());
        QVERIFY(!item.hasMultipleIODD());
        for (const QString &picture : { entry->getDeviceIconPath(productId), entry->getDeviceSymbolPath(productId) }) {
            QFile file(picture);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        // Local file URLs that QML can load, not a doubled slash.
        QCOMPARE(item.getDeviceIcon(), QUrl::fromLocalFile(entry->getDeviceIconPath(productId)).toString());
        QCOMPARE(item.getDeviceSymbol(), QUrl::fromLocalFile(entry->getDeviceSymbolPath(productId)).toString());
        // A picture that the package names but lacks gets the generic icon, which the views can always load.
        QVERIFY(QFile::remove(entry->getDeviceIconPath(productId)));
        QCOMPARE(item.getDeviceIcon(), QStringLiteral("qrc:/icons/usb_black_24dp.svg"));
    }

    void catalogueChangesFindAndLoseTheIodd()
    {
        catalogue->setIoddSearchPath(folder(QStringLiteral("none/iodds")));
        DeviceItem item(QStringLiteral("COM7"));
        item.setIoddModel(catalogue.get());
        item.setDevice(device(QString(), QStringLiteral("Own Name")).release());
        QCOMPARE(item.getIoddEntry(), nullptr);
        QSignalSpy changed(&item, &DeviceItem::attributeChanged);

        catalogue->setIoddSearchPath(folder(QStringLiteral("one/iodds")));
        const auto *entry = qobject_cast<IODDEntry *>(catalogue->getEntry(0));
        QVERIFY(!changed.isEmpty());
        QCOMPARE(item.getIoddEntry(), entry);
        QCOMPARE(item.getProductName(), entry->getProductName());
        QCOMPARE(item.getVendorName(), entry->getVendorName());
        QCOMPARE(item.getDevice()->getIoddFile(), entry->getIODDPath());

        // A rescan replaces the entries; the item never hands out one of the old ones.
        catalogue->parseIODDs();
        QCOMPARE(item.getIoddEntry(), qobject_cast<IODDEntry *>(catalogue->getEntry(0)));

        catalogue->setIoddSearchPath(folder(QStringLiteral("none/iodds")));
        QCOMPARE(item.getIoddEntry(), nullptr);
        QCOMPARE(item.getProductName(), QStringLiteral("Own Name"));
        QVERIFY(item.getDevice()->getIoddFile().isEmpty());
        QCOMPARE(item.getDeviceIcon(), QStringLiteral("qrc:/icons/usb_black_24dp.svg"));
    }

    void severalIoddsForOneProduct()
    {
        QVERIFY(writeIodd(QStringLiteral("one/iodds/newer"), QStringLiteral("kv-item-2.xml"), QStringLiteral("2025-01-15")));
        catalogue->parseIODDs();
        QCOMPARE(catalogue->getCount(), 2);
        DeviceItem item(QStringLiteral("COM7"));
        item.setIoddModel(catalogue.get());
        item.setDevice(device().release());
        QVERIFY(item.hasMultipleIODD());
        QVERIFY(item.getIoddEntry()->getIODDPath().endsWith(QStringLiteral("kv-item-2.xml")));
    }

    void replacedDeviceIsReleased()
    {
        DeviceItem item(QStringLiteral("COM7"));
        QPointer<IOLinkDevice> first = device().release();
        item.setDevice(first);
        item.setDevice(device().release());
        QTRY_VERIFY(first.isNull());
        QVERIFY(item.getDevice());
        QCOMPARE(item.getDevice()->parent(), &item);
    }

private:
    bool writeIodd(const QString &folderName, const QString &fileName, const QString &date) const
    {
        return TestEnvironment::writeFile(QDir(folder(folderName)).filePath(fileName),
                                          TestEnvironment::templateIodd(productId, date, QStringLiteral("Fixture Sensor")));
    }

    QString folder(const QString &name) const { return root->filePath(name); }
    std::unique_ptr<FakeDevice> device(const QString &vendor = "Dev Vendor", const QString &name = "Dev Name",
                                       const QString &serial = "S1") const
    {
        return std::make_unique<FakeDevice>(QStringLiteral("COM7"), vendor, productId, name, serial);
    }

    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<IODDListModel> catalogue;
};

OVINEX_TEST_MAIN(TestDeviceItem)
#include "tst_deviceitem.moc"
