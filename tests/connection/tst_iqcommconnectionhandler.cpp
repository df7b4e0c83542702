#include "testenvironment.h"

#include "connection/iqcommconnectionhandler.h"
#include "app/applicationsettings.h"
#include "master/masterlibrary.h"
#include "master/simulatedmaster.h"

#include <QApplication>
#include <QSignalSpy>
#include <QThread>

#include <memory>

namespace {

SerialPortDescriptor virtualPort(int number)
{
    const QList<SerialPortDescriptor> ports = SimulatedMaster::instance().availablePorts();
    return number >= 1 && number <= ports.size() ? ports.at(number - 1) : SerialPortDescriptor();
}

// A handler with spies on the signals a device listens to.
struct Watched
{
    explicit Watched(const SerialPortDescriptor &port)
        : handler(std::make_unique<IqCommConnectionHandler>(port))
        , connected(handler.get(), &ConnectionHandler::connected)
        , error(handler.get(), &ConnectionHandler::error)
        , alerts(handler.get(), &ConnectionHandler::errorReceived)
    {
    }

    QString lastAlert() const { return alerts.isEmpty() ? QString() : alerts.last().at(0).toString(); }

    std::unique_ptr<IqCommConnectionHandler> handler;
    QSignalSpy connected;
    QSignalSpy error;
    QSignalSpy alerts;
};

int calls(const QString &name, int port = 1)
{
    return SimulatedMaster::instance().callCount(port, name);
}

} // namespace

class TestIqCommConnectionHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void portNumberFromLocation_data();
    void portNumberFromLocation();
    void connectReachesOperatingMode();
    void refusedConnect_data();
    void refusedConnect();
    void unexpectedOperatingModeClosesThePort();
    void disconnectClosesOnce();
    void inactiveModeFailureIsOnlyAWarning();
    void portWithoutNumberIsNeverOpened_data();
    void portWithoutNumberIsNeverOpened();
    void reconnectAfterDisconnect();
    void connectionInWorkerThread();
    void destroyingAnOpenHandlerClosesThePort();
};

void TestIqCommConnectionHandler::initTestCase()
{
    ApplicationSettings::instance()->setSimulatedMaster(true);
    ApplicationSettings::instance()->setSimulatedDevices(QStringList{TestEnvironment::testDataPath(QStringLiteral("master/testsensor.xml"))});
    QCOMPARE(MasterLibrary::instance().bind(), MasterLibrary::Provider::SimulatedMaster);
}

void TestIqCommConnectionHandler::init()
{
    SimulatedMaster &master = SimulatedMaster::instance();
    master.setDeviceFiles(master.deviceFiles());
    QCOMPARE(master.availablePorts().size(), 1);
}

void TestIqCommConnectionHandler::portNumberFromLocation_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<int>("number");
    QTest::newRow("ends in 12") << "COM12" << 12;
    QTest::newRow("device node") << "/dev/ttyACM0" << 0;
    QTest::newRow("no trailing digits") << "/dev/serial" << 65535;
    QTest::newRow("digits not at the end") << "COM3x" << 65535;
    QTest::newRow("too large for a port") << "COM70000" << 65535;
}

void TestIqCommConnectionHandler::portNumberFromLocation()
{
    QFETCH(QString, location);
    QFETCH(int, number);
    SerialPortDescriptor port;
    port.setSystemLocation(location);
    const IqCommConnectionHandler handler(port);
    QCOMPARE(int(handler.getPortNumber()), number);
    QCOMPARE(handler.getPortHandle(), qint16(-1));
}

void TestIqCommConnectionHandler::connectReachesOperatingMode()
{
    Watched watched(virtualPort(1));
    QTest::ignoreMessage(QtInfoMsg, "IOLink iqDLL version: 1.0");
    Watched versionLogged(virtualPort(1));
    watched.handler->connectToDevice();
    QTRY_COMPARE(watched.connected.count(), 1);
    QVERIFY(watched.handler->isConnectedState());
    QVERIFY(watched.handler->getPortHandle() >= 0);
    QVERIFY(watched.alerts.isEmpty());
    QCOMPARE(SimulatedMaster::instance().operatingMode(1), int(IqCommModeOperate));

    // While connected a second connect request changes nothing.
    watched.handler->connectToDevice();
    QTest::qWait(30);
    QCOMPARE(calls(QStringLiteral("mst_Connect")), 1);
}

void TestIqCommConnectionHandler::refusedConnect_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("expectedDisconnects");
    QTest::newRow("connect refused") << "mst_Connect" << int(IqCommInterfaceNotFound) << 0;
    QTest::newRow("configuration unreadable") << "mst_GetConfig" << int(IqCommOperationFailed) << 1;
    QTest::newRow("operating mode refused") << "mst_SetOperatingMode" << int(IqCommOperationFailed) << 1;
}

void TestIqCommConnectionHandler::refusedConnect()
{
    QFETCH(QString, call);
    QFETCH(int, result);
    QFETCH(int, expectedDisconnects);
    SimulatedMaster::instance().failNextCalls(1, 1, result, 0, call);
    Watched watched(virtualPort(1));
    watched.handler->connectToDevice();
    QTRY_COMPARE(watched.error.count(), 1);
    QTRY_VERIFY(watched.handler->isNotConnectedState());
    QCOMPARE(watched.connected.count(), 0);
    QVERIFY(watched.lastAlert().contains(call));
    // Whatever the failed attempt opened is closed again.
    QCOMPARE(watched.handler->getPortHandle(), qint16(-1));
    QVERIFY(!SimulatedMaster::instance().isOpen(1));
    QCOMPARE(calls(QStringLiteral("mst_Disconnect")), expectedDisconnects);
}

void TestIqCommConnectionHandler::unexpectedOperatingModeClosesThePort()
{
    SimulatedMaster::instance().forceOperatingMode(1, 3);
    Watched watched(virtualPort(1));
    watched.handler->connectToDevice();
    QTRY_COMPARE(watched.error.count(), 1);
    QTRY_VERIFY(watched.handler->isNotConnectedState());
    QCOMPARE(watched.lastAlert(), QStringLiteral("Unexpected Operating mode: 3"));
    QCOMPARE(calls(QStringLiteral("mst_SetOperatingMode")), 2); // operate, then inactive
    QCOMPARE(calls(QStringLiteral("mst_Disconnect")), 1);
    QVERIFY(!SimulatedMaster::instance().isOpen(1));
    QCOMPARE(watched.handler->getPortHandle(), qint16(-1));
}

void TestIqCommConnectionHandler::disconnectClosesOnce()
{
    Watched watched(virtualPort(1));
    watched.handler->connectToDevice();
    QTRY_COMPARE(watched.connected.count(), 1);

    watched.handler->disconnectFromDevice();
    QTRY_VERIFY(watched.handler->isNotConnectedState());
    QCOMPARE(watched.handler->getPortHandle(), qint16(-1));
    QCOMPARE(SimulatedMaster::instance().operatingMode(1), int(IqCommModeInactive));
    QVERIFY(!SimulatedMaster::instance().isOpen(1));
    QCOMPARE(calls(QStringLiteral("mst_Disconnect")), 1);

    watched.handler->disconnectFromDevice();
    QTest::qWait(20);
    QCOMPARE(calls(QStringLiteral("mst_Disconnect")), 1);
    QCOMPARE(calls(QStringLiteral("mst_SetOperatingMode")), 2);
    QVERIFY(watched.alerts.isEmpty());
}

void TestIqCommConnectionHandler::inactiveModeFailureIsOnlyAWarning()
{
    Watched watched(virtualPort(1));
    watched.handler->connectToDevice();
    QTRY_COMPARE(watched.connected.count(), 1);

    SimulatedMaster::instance().failNextCalls(1, 1, IqCommOperationFailed, 0, QStringLiteral("mst_SetOperatingMode"));
    QTest::ignoreMessage(QtWarningMsg, "Ignoring SetOperatingMode error on disconnect.");
    watched.handler->disconnectFromDevice();
    QTRY_VERIFY(watched.handler->isNotConnectedState());
    QCOMPARE(watched.alerts.count(), 1);
    QCOMPARE(calls(QStringLiteral("mst_Disconnect")), 1);
    QVERIFY(!SimulatedMaster::instance().isOpen(1));
    QCOMPARE(watched.handler->getPortHandle(), qint16(-1));
}

void TestIqCommConnectionHandler::portWithoutNumberIsNeverOpened_data()
{
    QTest::addColumn<QString>("location");
    QTest::newRow("no digits") << "/dev/serial";
    QTest::newRow("beyond the library's 8 bits") << "COM257";
}

// Cut to 8 bits, these numbers would open some other master's port.
void TestIqCommConnectionHandler::portWithoutNumberIsNeverOpened()
{
    QFETCH(QString, location);
    SerialPortDescriptor port;
    port.setSystemLocation(location);
    Watched watched(port);
    watched.handler->connectToDevice();
    QTRY_COMPARE(watched.error.count(), 1);
    QCOMPARE(watched.alerts.count(), 1);
    QVERIFY(watched.lastAlert().contains(location));
    QCOMPARE(calls(QStringLiteral("mst_Connect")), 0);
}

void TestIqCommConnectionHandler::reconnectAfterDisconnect()
{
    Watched watched(virtualPort(1));
    for (int round = 1; round <= 3; ++round) {
        watched.handler->connectToDevice();
        QTRY_COMPARE(watched.connected.count(), round);
        QVERIFY(SimulatedMaster::instance().isOpen(1));
        watched.handler->disconnectFromDevice();
        QTRY_VERIFY(!SimulatedMaster::instance().isOpen(1));
    }
    QVERIFY(watched.alerts.isEmpty());
}

void TestIqCommConnectionHandler::connectionInWorkerThread()
{
    QThread worker;
    auto handler = std::make_unique<IqCommConnectionHandler>(virtualPort(1));
    handler->moveToThread(&worker);
    worker.start();
    // Spies are not thread-safe, so the outcome is read from the master and the mutex-guarded handle.
    handler->connectToDevice();
    QTRY_COMPARE(SimulatedMaster::instance().operatingMode(1), int(IqCommModeOperate));
    QTRY_VERIFY(handler->getPortHandle() >= 0);
    handler->disconnectFromDevice();
    QTRY_VERIFY(!SimulatedMaster::instance().isOpen(1));
    QCOMPARE(handler->getPortHandle(), qint16(-1));
    worker.quit();
    QVERIFY(worker.wait(5000));
}

void TestIqCommConnectionHandler::destroyingAnOpenHandlerClosesThePort()
{
    {
        Watched watched(virtualPort(1));
        watched.handler->connectToDevice();
        QTRY_COMPARE(watched.connected.count(), 1);
    }
    QVERIFY(!SimulatedMaster::instance().isOpen(1));
    Watched next(virtualPort(1));
    next.handler->connectToDevice();
    QTRY_COMPARE(next.connected.count(), 1);
}

OVINEX_TEST_MAIN(TestIqCommConnectionHandler)
#include "tst_iqcommconnectionhandler.moc"
