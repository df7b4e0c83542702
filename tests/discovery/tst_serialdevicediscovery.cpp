#include "testenvironment.h"

#include "discoveryfixture.h"

#include "connection/iolinkdevice.h"
#include "discovery/serialdevicediscovery.h"

#include <QApplication>
#include <QMutex>
#include <QThread>

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

    int finishedScans() const
    {
        QMutexLocker locker(&mutex);
        return int(scanningStates.count(false));
    }

    QList<bool> states() const
    {
        QMutexLocker locker(&mutex);
        return scanningStates;
    }

    QStringList addresses() const
    {
        QStringList result;
        for (const auto &device : devices)
            result.append(device->getAddress());
        return result;
    }

    QThread thread;
    QObject receiver;
    std::unique_ptr<SerialDeviceDiscovery> discovery = std::make_unique<SerialDeviceDiscovery>();
    std::vector<std::unique_ptr<IOLinkDevice>> devices;
    QList<bool> inMainThread;
    mutable QMutex mutex;
    QList<bool> scanningStates;
};

int connects(int port)
{
    return SimulatedMaster::instance().callCount(port, QStringLiteral("mst_Connect"));
}

} // namespace

class TestSerialDeviceDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void scanAnnouncesEveryPortInTheMainThread();
    void scanWithoutPortsOnlyTogglesScanning();
    void portOfTheCurrentDeviceIsNotProbed();
    void requestsInQuickSuccessionRunOneAfterTheOther();
    void providerRebindsBeforeAScanOnlyWhileIdle();

private:
    std::unique_ptr<DiscoveryFixture> fixture;
};

void TestSerialDeviceDiscovery::initTestCase()
{
    fixture = std::make_unique<DiscoveryFixture>();
    QCOMPARE(SimulatedMaster::instance().availablePorts().size(), 2);
}

void TestSerialDeviceDiscovery::init()
{
    ApplicationSettings::instance()->setSimulatedDevices(
        QStringList { DiscoveryFixture::testSensorFile(), fixture->otherSensorFile() });
    MasterLibrary::instance().bind();
    DiscoveryFixture::resetMaster();
}

void TestSerialDeviceDiscovery::scanAnnouncesEveryPortInTheMainThread()
{
    Scanner scanner;
    QVERIFY(!scanner.discovery->isScanning());
    scanner.discovery->startScan(nullptr);
    QTRY_COMPARE(scanner.finishedScans(), 1);
    QTRY_COMPARE(scanner.devices.size(), size_t(2));
    QCOMPARE(scanner.states(), (QList<bool> { true, false }));
    QCOMPARE(scanner.addresses(), (QStringList { "SIM1", "SIM2" }));
    QCOMPARE(scanner.inMainThread, (QList<bool> { true, true }));
    QCOMPARE(scanner.devices.at(0)->getProductId(), QStringLiteral("OVX-TEST"));
    QCOMPARE(scanner.devices.at(1)->getProductId(), QStringLiteral("OVX-OTHER"));
    QVERIFY(scanner.devices.at(1)->hasIOLinkDevice());
}

void TestSerialDeviceDiscovery::scanWithoutPortsOnlyTogglesScanning()
{
    SimulatedMaster::instance().unplug(1);
    SimulatedMaster::instance().unplug(2);
    Scanner scanner;
    QTest::ignoreMessage(QtInfoMsg, "IOLink device scan finished.");
    scanner.discovery->startScan(nullptr);
    QTRY_COMPARE(scanner.finishedScans(), 1);
    QCOMPARE(scanner.states(), (QList<bool> { true, false }));
    QCoreApplication::processEvents();
    QVERIFY(scanner.devices.empty());
    SimulatedMaster::instance().replug(1);
    SimulatedMaster::instance().replug(2);
}

void TestSerialDeviceDiscovery::portOfTheCurrentDeviceIsNotProbed()
{
    Scanner scanner;
    scanner.discovery->startScan(nullptr);
    QTRY_COMPARE(scanner.devices.size(), size_t(2));
    IOLinkDevice *current = scanner.devices.at(0).get();
    const int before = connects(1);

    scanner.discovery->startScan(current);
    QTRY_COMPARE(scanner.finishedScans(), 2);
    QTRY_COMPARE(scanner.devices.size(), size_t(3));
    QCOMPARE(scanner.addresses().last(), QStringLiteral("SIM2"));
    QCOMPARE(connects(1), before);
}

void TestSerialDeviceDiscovery::requestsInQuickSuccessionRunOneAfterTheOther()
{
    // Slow master calls make the two scans overlap if anything lets them.
    SimulatedMaster::instance().setCallDelay(1, 2);
    SimulatedMaster::instance().setCallDelay(2, 2);
    Scanner scanner;
    scanner.discovery->startScan(nullptr);
    scanner.discovery->startScan(nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(scanner.finishedScans(), 2, 20000);
    QCOMPARE(scanner.states(), (QList<bool> { true, false, true, false }));
    QTRY_COMPARE(scanner.devices.size(), size_t(4));
    QCOMPARE(scanner.addresses(), (QStringList { "SIM1", "SIM2", "SIM1", "SIM2" }));
    // Every scan makes fresh device objects.
    QVERIFY(scanner.devices.at(0).get() != scanner.devices.at(2).get());
}

void TestSerialDeviceDiscovery::providerRebindsBeforeAScanOnlyWhileIdle()
{
    Scanner scanner;
    scanner.discovery->startScan(nullptr);
    QTRY_COMPARE(scanner.devices.size(), size_t(2));

    // With a device connected the changed setting waits.
    ApplicationSettings::instance()->setSimulatedDevices(QStringList { DiscoveryFixture::testSensorFile() });
    scanner.discovery->startScan(scanner.devices.at(1).get());
    QTRY_COMPARE(scanner.finishedScans(), 2);
    QTRY_COMPARE(scanner.devices.size(), size_t(3));
    QCOMPARE(scanner.addresses().last(), QStringLiteral("SIM1"));
    QCOMPARE(SimulatedMaster::instance().availablePorts().size(), 2);

    // Idle again: the next scan binds the new choice first.
    scanner.discovery->startScan(nullptr);
    QTRY_COMPARE(scanner.finishedScans(), 3);
    QTRY_COMPARE(scanner.devices.size(), size_t(4));
    QCOMPARE(SimulatedMaster::instance().availablePorts().size(), 1);
    QCOMPARE(scanner.addresses().last(), QStringLiteral("SIM1"));
}

OVINEX_TEST_MAIN(TestSerialDeviceDiscovery)
#include "tst_serialdevicediscovery.moc"
