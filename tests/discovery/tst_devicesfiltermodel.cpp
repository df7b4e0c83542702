#include "testenvironment.h"

#include "discoveryfixture.h"

#include "discovery/deviceitem.h"
#include "discovery/devicesfiltermodel.h"
#include "discovery/deviceslistmodel.h"
#include "iodd/catalogue/ioddlistmodel.h"

#include <QApplication>
#include <QSignalSpy>

#include <memory>

class TestDevicesFilterModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void filterHidesPortsWithoutIOLinkDevice();
    void rowMappingBothWays();
    void sortOrder();

private:
    void scan();
    QStringList proxyIds() const;

    std::unique_ptr<DiscoveryFixture> fixture;
    std::unique_ptr<IODDListModel> catalogue;
    std::unique_ptr<DevicesListModel> model;
    std::unique_ptr<DevicesFilterModel> filter;
};

void TestDevicesFilterModel::initTestCase()
{
    fixture = std::make_unique<DiscoveryFixture>();
}

void TestDevicesFilterModel::init()
{
    DiscoveryFixture::resetMaster();
    ApplicationSettings::instance()->setFilterUsbDevices(true);
    ApplicationSettings::instance()->setIoddSearchPath(fixture->withIoddPath());
    catalogue = std::make_unique<IODDListModel>();
    model = std::make_unique<DevicesListModel>(catalogue.get());
    filter = std::make_unique<DevicesFilterModel>();
    filter->setSourceModel(model.get());
}

void TestDevicesFilterModel::cleanup()
{
    filter.reset();
    model.reset();
    catalogue.reset();
    ApplicationSettings::instance()->setSensorStore(nullptr);
    ApplicationSettings::instance()->setFilterUsbDevices(true);
}

void TestDevicesFilterModel::scan()
{
    QSignalSpy scanning(model.get(), &DevicesListModel::scanningChanged);
    model->startScan();
    QTRY_COMPARE_WITH_TIMEOUT(scanning.count(), 2, 20000);
}

QStringList TestDevicesFilterModel::proxyIds() const
{
    QStringList ids;
    for (int row = 0; row < filter->rowCount(); ++row)
        ids.append(filter->data(filter->index(row, 0), DevicesListModel::IdRole).toString());
    return ids;
}

void TestDevicesFilterModel::filterHidesPortsWithoutIOLinkDevice()
{
    // SIM2's master does not answer: no probe result and no IODD for it.
    SimulatedMaster::instance().failNextCalls(2, 1, IqCommInterfaceNotFound, 0, QStringLiteral("mst_Connect"));
    scan();
    QCOMPARE(model->rowCount(), 2);
    QVERIFY(filter->isFilterActive());
    QCOMPARE(proxyIds(), QStringList { "SIM1" });

    QSignalSpy reset(filter.get(), &QAbstractItemModel::modelReset);
    ApplicationSettings::instance()->setFilterUsbDevices(false);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(filter->rowCount(), 2);
    const int hidden = filter->getFilteredRow(model->itemAt(0)->getId() == "SIM2" ? 0 : 1);
    QCOMPARE(filter->data(filter->index(hidden, 0), DevicesListModel::IsIOLinkDeviceRole).toBool(), false);

    ApplicationSettings::instance()->setFilterUsbDevices(true);
    QCOMPARE(proxyIds(), QStringList { "SIM1" });
}

void TestDevicesFilterModel::rowMappingBothWays()
{
    SimulatedMaster::instance().failNextCalls(1, 1, IqCommInterfaceNotFound, 0, QStringLiteral("mst_Connect"));
    // No IODD either, so SIM1 is filtered out.
    catalogue->setIoddSearchPath(fixture->emptyPath());
    scan();
    filter->sortListView();
    const int sim1 = model->itemAt(0)->getId() == "SIM1" ? 0 : 1;
    const int sim2 = 1 - sim1;
    QCOMPARE(filter->getFilteredRow(sim1), -1);
    QCOMPARE(filter->getFilteredRow(sim2), 0);
    QCOMPARE(filter->getSourceRow(0), sim2);
    QCOMPARE(filter->getSourceRow(5), -1);
}

void TestDevicesFilterModel::sortOrder()
{
    fixture->useSensorStore();
    QSettings *store = ApplicationSettings::instance()->getSensorStore();
    store->setValue("S2", DiscoveryFixture::savedSensor("S2", "Same"));
    store->setValue("S1", DiscoveryFixture::savedSensor("S1", "Same"));
    store->setValue("A9", DiscoveryFixture::savedSensor("A9", "Alpha"));
    ApplicationSettings::instance()->setFilterUsbDevices(false);
    scan();
    model->addDeviceItem(new DeviceItem(QStringLiteral("nothing")));
    // Listed after the stored ones and against their id order.
    for (const QString &id : { QStringLiteral("T2"), QStringLiteral("T1") }) {
        auto *item = new DeviceItem;
        QVERIFY(item->fromJsonString(id, DiscoveryFixture::savedSensor(id, "Same")));
        model->addDeviceItem(item);
    }
    filter->sortListView();

    // Saved sensors by name (equal names by id), then live ports by name, then rows with nothing behind them.
    QStringList ids = proxyIds();
    QCOMPARE(ids.size(), 8);
    QCOMPARE(ids.mid(0, 5), (QStringList { "A9", "S1", "S2", "T1", "T2" }));
    QCOMPARE(ids.last(), QStringLiteral("nothing"));
    const QString firstLive = filter->data(filter->index(5, 0), DevicesListModel::NameRole).toString();
    const QString secondLive = filter->data(filter->index(6, 0), DevicesListModel::NameRole).toString();
    QVERIFY2(firstLive < secondLive, qPrintable(firstLive + " / " + secondLive));

    // A connected port goes ahead of the other live ports, still behind the saved sensors.
    const QString later = ids.at(6);
    IOLinkDevice *device = model->itemAt(filter->getSourceRow(6))->getDevice();
    device->setState(QStringLiteral("connected"));
    ids = proxyIds();
    QCOMPARE(ids.at(5), later);
    QCOMPARE(ids.mid(0, 5), (QStringList { "A9", "S1", "S2", "T1", "T2" }));
    device->setState(QStringLiteral("notConnected"));
}

OVINEX_TEST_MAIN(TestDevicesFilterModel)
#include "tst_devicesfiltermodel.moc"
