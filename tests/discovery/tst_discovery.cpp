#include "simulatedbench.h"
#include "testenvironment.h"

#include "connection/iolinkdevice.h"
#include "discovery/deviceitem.h"
#include "discovery/devicesfiltermodel.h"
#include "discovery/deviceslistmodel.h"
#include "discovery/serialdevicediscovery.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "master/simulatedmaster.h"

#include <QApplication>
#include <QDir>
#include <QMutex>
#include <QThread>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace {

// A discovery in a thread of its own, with everything it announces collected in the main thread.
class Scanner
{
public:
    Scanner()
    {
        thread.start();
        discovery->moveToThread(&thread);
        QObject::connect(discovery.get(), &SerialDeviceDiscovery::deviceDiscovered, &receiver,
                         [this](IOLinkDevice *device) {
                             devices.emplace_back(device);
                             addresses.append(device->getAddress());
                             inMainThread.append(device->thread() == qApp->thread());
                         });
        // Recorded in the scan thread at the moment of each change.
        QObject::connect(
            discovery.get(), &SerialDeviceDiscovery::scanningChanged, discovery.get(),
            [this] {
                QMutexLocker locker(&mutex);
                scanningStates.append(discovery->isScanning());
            },
            Qt::DirectConnection);
    }

    ~Scanner()
    {
        thread.quit();
        thread.wait();
    }

    QList<bool> states() const
    {
        QMutexLocker locker(&mutex);
        return scanningStates;
    }

    QThread thread;
    QObject receiver;
    std::unique_ptr<SerialDeviceDiscovery> discovery = std::make_unique<SerialDeviceDiscovery>();
    std::vector<std::unique_ptr<IOLinkDevice>> devices;
    QStringList addresses;
    QList<bool> inMainThread;
    mutable QMutex mutex;
    QList<bool> scanningStates;
};

// A sensor as the saved-sensor store keeps it.
QString savedSensor(const QString &id, const QString &name)
{
    return QStringLiteral("{\"id\":\"%1\",\"productId\":\"P-%1\",\"productName\":\"%2\",\"serialNumber\":\"S%1\","
                          "\"time\":\"2026-05-04T13:02:11\"}")
        .arg(id, name);
}

} // namespace

// The scan in its thread, the device list it fills and the filter over it. Two simulated ports: SIM1 with the
// test sensor "OVX-TEST", whose IODD the catalogue has, and SIM2 with "OVX-OTHER", whose IODD it lacks.
class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("empty/none"))));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("iodds"))));
        QVERIFY(QFile::copy(SimulatedBench::testSensor(), root.filePath(QStringLiteral("iodds/testsensor.xml"))));
        QVERIFY(TestEnvironment::writeFile(otherSensorFile(), TestEnvironment::templateIodd(QStringLiteral("OVX-OTHER"), QStringLiteral("2024-01-01"),
                                                                                           QStringLiteral("Other Sensor"))));
    }

    void init()
    {
        // Fresh ports without faults or open handles.
        QVERIFY(SimulatedBench::use({ SimulatedBench::testSensor(), otherSensorFile() }));
        catalogue = std::make_unique<IODDListModel>(root.filePath(QStringLiteral("iodds")));
        QCOMPARE(catalogue->getCount(), 1);
        model = std::make_unique<DevicesListModel>(catalogue.get());
        filter = std::make_unique<DevicesFilterModel>();
        filter->setSourceModel(model.get());
    }

    void cleanup()
    {
        filter.reset();
        model.reset();
        catalogue.reset();
    }

    // Requests in quick succession run one after the other, each announcing every port in the main thread; the
    // identities they read are checked in the list's case below.
    void scansRunOneAfterTheOtherAndAnnounceInTheMainThread()
    {
        // Slow master calls make the two scans overlap if anything lets them.
        SimulatedMaster::instance().setCallDelay(1, 2);
        SimulatedMaster::instance().setCallDelay(2, 2);
        Scanner scanner;
        QVERIFY(!scanner.discovery->isScanning());
        scanner.discovery->startScan(nullptr);
        scanner.discovery->startScan(nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(scanner.states().count(false) == 2 && scanner.devices.size() == 4, 20000);
        QCOMPARE(scanner.states(), (QList<bool> { true, false, true, false }));
        QCOMPARE(scanner.addresses, (QStringList { "SIM1", "SIM2", "SIM1", "SIM2" }));
        QCOMPARE(scanner.inMainThread, (QList<bool> { true, true, true, true }));
        // Every scan makes fresh device objects.
        QVERIFY(scanner.devices.at(0).get() != scanner.devices.at(2).get());
    }

    void scanWithoutPortsOnlyTogglesScanning()
    {
        SimulatedMaster::instance().unplug(1);
        SimulatedMaster::instance().unplug(2);
        QTest::ignoreMessage(QtInfoMsg, "IOLink device scan finished.");
        QVERIFY(scan());
        QCOMPARE(model->rowCount(), 0);
    }

    void scanListsEveryPortWithItsIdentity()
    {
        QVERIFY(scan());
        QCOMPARE(model->rowCount(), 2);
        const int test = rowOf(QStringLiteral("SIM1"));
        const int other = rowOf(QStringLiteral("SIM2"));
        QVERIFY(test >= 0 && other >= 0);

        QCOMPARE(roles(test, { "hasIODD", "accessible", "previouslyConnected", "serial" }),
                 (QVariantList { true, true, false, "TS000042" }));
        QCOMPARE(model->itemAt(test)->getDevice()->getIoddFile(), root.filePath(QStringLiteral("iodds/testsensor.xml")));

        // A master whose sensor has no IODD is still an IO-Link device, shown with the generic icon.
        QCOMPARE(roles(other, { "hasIODD", "isIOLinkDevice", "icon" }),
                 (QVariantList { false, true, "qrc:/icons/usb_black_24dp.svg" }));
        QCOMPARE(model->itemAt(other)->getProductId(), QStringLiteral("OVX-OTHER"));
        QVERIFY(model->itemAt(other)->getDevice()->getIoddFile().isEmpty());

        QVERIFY(!model->data(model->index(2), 256).isValid());
        QVERIFY(!model->data(model->index(0), 268).isValid());
    }

    // The rescan timer runs only between scans while no device is connected; a scan leaves the port of the
    // connected device alone, and binds a changed master choice only once no device is connected.
    void rescanWhileConnectedKeepsTheConnectedRowFirst()
    {
        QVERIFY(!model->isRescanTimerActive());
        QVERIFY(scan());
        QVERIFY(model->isRescanTimerActive());
        const int row = rowOf(QStringLiteral("SIM1"));
        IOLinkDevice *connected = model->itemAt(row)->getDevice();
        // Guarded: the rescan deletes it, and a fresh device may be given the same address.
        QPointer<IOLinkDevice> other = model->itemAt(rowOf(QStringLiteral("SIM2")))->getDevice();
        QSignalSpy currentChanged(model.get(), &DevicesListModel::currentDeviceChanged);
        model->connectToDevice(row);
        QCOMPARE(model->getCurrentDevice(), connected);
        QCOMPARE(currentChanged.count(), 1);
        QVERIFY(!model->isRescanTimerActive());
        QTRY_VERIFY(SimulatedMaster::instance().isOpen(1));
        const int connects = SimulatedMaster::instance().callCount(1, QStringLiteral("mst_Connect"));
        model->setMasterChoice({ true, QStringList { SimulatedBench::testSensor() }, {}, 100 });

        QVERIFY(scan());
        QCOMPARE(SimulatedMaster::instance().availablePorts().size(), 2);
        QVERIFY(!model->isRescanTimerActive());
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->itemAt(0)->getDevice(), connected);
        QCOMPARE(model->getCurrentIndex(), 0);
        QCOMPARE(model->getSelectedItem(), model->itemAt(0));
        QCOMPARE(role(1, "id").toString(), QStringLiteral("SIM2"));
        QVERIFY(model->itemAt(1)->getDevice() != other.data());
        QCOMPARE(SimulatedMaster::instance().callCount(1, QStringLiteral("mst_Connect")), connects);
        QVERIFY(SimulatedMaster::instance().isOpen(1));

        model->disconnectCurrentDevice();
        QCOMPARE(model->getCurrentDevice(), nullptr);
        QTRY_VERIFY(!SimulatedMaster::instance().isOpen(1));
        QVERIFY(scan());
        QVERIFY(model->isRescanTimerActive());
        QCOMPARE(SimulatedMaster::instance().availablePorts().size(), 1);
    }

    void connectedDeviceIsSavedAfterSynchronising()
    {
        QSettings *store = useSensorStore();
        QVERIFY(scan());
        const int row = rowOf(QStringLiteral("SIM1"));
        model->connectToDevice(row);
        QTRY_COMPARE_WITH_TIMEOUT(role(row, "connected").toBool(), true, 20000);
        QCOMPARE(role(row, "connecting").toBool(), false);
        QTRY_COMPARE(role(row, "previouslyConnected").toBool(), true);
        QVERIFY(store->contains(QStringLiteral("SIM1")));
        DeviceItem saved;
        QVERIFY(saved.fromJsonString(QStringLiteral("SIM1"), store->value(QStringLiteral("SIM1")).toString()));
        QCOMPARE(saved.getProductId(), QStringLiteral("OVX-TEST"));
        QCOMPARE(saved.getSerialNumber(), QStringLiteral("TS000042"));

        // The connected saved sensor's row cannot be removed from under the user.
        QVERIFY(!model->remove(row));
        model->disconnectCurrentDevice();
        QTRY_COMPARE(role(row, "connected").toBool(), false);
        QVERIFY(model->remove(row));
        QVERIFY(!store->contains(QStringLiteral("SIM1")));
    }

    void deviceFallingBackToNotConnectedClearsTheCurrentDeviceOnce()
    {
        QVERIFY(scan());
        SimulatedMaster::instance().failNextCalls(1, 1, IqCommInterfaceNotFound, 0, QStringLiteral("mst_Connect"));
        QSignalSpy currentChanged(model.get(), &DevicesListModel::currentDeviceChanged);
        model->connectToDevice(rowOf(QStringLiteral("SIM1")));
        QVERIFY(model->getCurrentDevice());
        QTRY_COMPARE(model->getCurrentDevice(), nullptr);
        QCOMPARE(currentChanged.count(), 2);
        QCOMPARE(role(rowOf(QStringLiteral("SIM1")), "connecting").toBool(), false);

        // A row without a device only disconnects.
        model->connectToDevice(99);
        model->connectToDevice(-1);
        QCOMPARE(currentChanged.count(), 2);
    }

    void oneRowPerId()
    {
        QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
        auto *first = new DeviceItem(QStringLiteral("dup"));
        model->addDeviceItem(first);
        model->addDeviceItem(new DeviceItem(QStringLiteral("dup")));
        model->addDeviceItem(first);
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(model->itemAt(0), first);
    }

    void selectionFollowsTheDeviceAcrossARescan()
    {
        QVERIFY(scan());
        const int other = rowOf(QStringLiteral("SIM2"));
        model->setCurrentIndex(other);
        QCOMPARE(model->getSelectedItem()->getId(), QStringLiteral("SIM2"));

        QSignalSpy selection(model.get(), &DevicesListModel::currentIndexChanged);
        model->startScan();
        // The old rows are gone at once; until the device is listed again nothing (and nobody else) is selected.
        QCOMPARE(selection.count(), 1);
        QVERIFY(model->getSelectedItem() == nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!model->isScanning() && model->rowCount() == 2, 20000);
        QTRY_VERIFY(model->getSelectedItem() != nullptr);
        QCOMPARE(model->getSelectedItem()->getId(), QStringLiteral("SIM2"));
        QCOMPARE(model->getCurrentIndex(), rowOf(QStringLiteral("SIM2")));
    }

    void savedSensorsAreListedAndRemovable()
    {
        QSettings *store = useSensorStore();
        store->setValue(QStringLiteral("SAVED1"), savedSensor(QStringLiteral("SAVED1"), "Kept Sensor"));
        QVERIFY(scan());
        QCOMPARE(model->rowCount(), 3);
        const int saved = rowOf(QStringLiteral("SAVED1"));
        QVERIFY(saved >= 0);
        QCOMPARE(roles(saved, { "name", "previouslyConnected", "isIOLinkDevice", "accessible", "address" }),
                 (QVariantList { "Kept Sensor", true, true, false, QString() }));

        QVERIFY(!model->remove(rowOf(QStringLiteral("SIM1"))));
        QVERIFY(!model->remove(7));
        QVERIFY(!model->removeRows(saved, 2));
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(model->remove(saved));
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(rowOf(QStringLiteral("SAVED1")), -1);
        QVERIFY(!store->contains(QStringLiteral("SAVED1")));
    }

    void filterHidesPortsWithoutIOLinkDevice()
    {
        // SIM2's master does not answer: no probe result and no IODD for it.
        SimulatedMaster::instance().failNextCalls(2, 1, IqCommInterfaceNotFound, 0, QStringLiteral("mst_Connect"));
        QVERIFY(scan());
        QCOMPARE(model->rowCount(), 2);
        QVERIFY(filter->isFilterActive());
        QCOMPARE(proxyIds(), QStringList { "SIM1" });
        filter->sortListView();
        const int sim1 = model->itemAt(0)->getId() == "SIM1" ? 0 : 1;
        QCOMPARE(filter->getFilteredRow(1 - sim1), -1);
        QCOMPARE(filter->getFilteredRow(sim1), 0);
        QCOMPARE(filter->getSourceRow(0), sim1);
        QCOMPARE(filter->getSourceRow(5), -1);

        QSignalSpy reset(filter.get(), &QAbstractItemModel::modelReset);
        filter->setFilterActive(false);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(filter->rowCount(), 2);
        const int hidden = filter->getFilteredRow(1 - sim1);
        QCOMPARE(filter->data(filter->index(hidden, 0), DevicesListModel::IsIOLinkDeviceRole).toBool(), false);

        filter->setFilterActive(true);
        QCOMPARE(proxyIds(), QStringList { "SIM1" });
    }

    void filterSortOrder()
    {
        QSettings *store = useSensorStore();
        store->setValue("S2", savedSensor("S2", "Same"));
        store->setValue("S1", savedSensor("S1", "Same"));
        store->setValue("A9", savedSensor("A9", "Alpha"));
        filter->setFilterActive(false);
        QVERIFY(scan());
        model->addDeviceItem(new DeviceItem(QStringLiteral("nothing")));
        // Listed after the stored ones and against their id order.
        for (const QString &id : { QStringLiteral("T2"), QStringLiteral("T1") }) {
            auto *item = new DeviceItem;
            QVERIFY(item->fromJsonString(id, savedSensor(id, "Same")));
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

private:
    int rowOf(const QString &id) const
    {
        const QModelIndexList found = model->match(model->index(0), DevicesListModel::IdRole, id, 1, Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first().row();
    }

    QVariant role(int row, const char *name) const
    {
        return model->data(model->index(row), model->roleNames().key(name));
    }

    QVariantList roles(int row, const QList<const char *> &names) const
    {
        QVariantList values;
        for (const char *name : names)
            values << role(row, name);
        return values;
    }

    // Runs one scan to its end, with every announced device listed; false when it did not end in time.
    bool scan()
    {
        QSignalSpy scanning(model.get(), &DevicesListModel::scanningChanged);
        model->startScan();
        const int kept = model->getCurrentDevice() ? 1 : 0;
        // The ports are counted as the scan ends: it may have bound another master choice first.
        const bool ended = QTest::qWaitFor([&]() {
            return scanning.count() == 2 && model->rowCount() >= SimulatedMaster::instance().availablePorts().size() - kept;
        }, 20000);
        // A row is inserted before its device is set; the filter learns of the device through a queued change.
        QCoreApplication::sendPostedEvents();
        return ended && !model->isScanning();
    }

    // A saved-sensor store in the temporary folder, empty, for the model.
    QSettings *useSensorStore()
    {
        sensorStore = std::make_unique<QSettings>(root.filePath(QStringLiteral("sensors.ini")), QSettings::IniFormat);
        sensorStore->clear();
        model->setSensorStore(sensorStore.get());
        return sensorStore.get();
    }

    QString otherSensorFile() const { return root.filePath(QStringLiteral("other/othersensor.xml")); }

    QTemporaryDir root;
    std::unique_ptr<QSettings> sensorStore;
    std::unique_ptr<IODDListModel> catalogue;
    QStringList proxyIds() const
    {
        QStringList ids;
        for (int row = 0; row < filter->rowCount(); ++row)
            ids.append(filter->data(filter->index(row, 0), DevicesListModel::IdRole).toString());
        return ids;
    }

    std::unique_ptr<DevicesListModel> model;
    std::unique_ptr<DevicesFilterModel> filter;
};

OVINEX_TEST_MAIN(TestDiscovery)
#include "tst_discovery.moc"
