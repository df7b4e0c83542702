#include "datatable.h"
#include "simulatedbench.h"
#include "testenvironment.h"

#include "connection/iolinkserialdevice.h"
#include "connection/iqcommcommunicationhandler.h"
#include "connection/iqcommconnectionhandler.h"
#include "connection/workerretirement.h"
#include "master/simulatedmaster.h"

#include <QSignalSpy>
#include <QThread>

#include <memory>

namespace {

using SimulatedBench::calls;

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

IqCommCommunicationHandler *backEnd(const IOLinkDevice &device)
{
    return qobject_cast<IqCommCommunicationHandler *>(device.getCommunicationHandler());
}

} // namespace

class TestIOLinkSerialDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(SimulatedBench::use(QStringList { SimulatedBench::testSensor() }));
    }

    void init()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        master.setDeviceFiles(master.deviceFiles());
        QCOMPARE(master.availablePorts().size(), 1);
    }

    void probe_data()
    {
        DataTable::addRows(QStringLiteral("connection/probes.tsv"));
    }

    // Whatever the probe opened is closed again; a port without a device is named after its adapter.
    void probe()
    {
        QFETCH(QString, manufacturer);
        QFETCH(QString, location);
        QFETCH(QString, call);
        QFETCH(int, failures);
        QFETCH(bool, found);
        if (failures > 0)
            SimulatedMaster::instance().failNextCalls(1, failures, IqCommInterfaceNotFound, 0, call);
        SerialPortDescriptor port = SimulatedBench::port(1);
        port.setManufacturer(manufacturer);
        port.setSystemLocation(location);
        port.setDescription(QStringLiteral("USB Serial"));
        const IOLinkSerialDevice device(port);
        QCOMPARE(device.hasIOLinkDevice(), found);
        QCOMPARE(device.isAvailable(), found);
        QCOMPARE(device.getProductId(), found ? QStringLiteral("OVX-TEST") : QString());
        if (found) {
            QCOMPARE(device.getHardwareRevision(), QStringLiteral("B"));
        } else {
            QCOMPARE(device.getProductName(), "USB Serial - " + manufacturer);
            QCOMPARE(calls(QStringLiteral("mst_ReadOD")), 0);
        }
        QCOMPARE(device.getAddress(), QStringLiteral("SIM1"));
        QTEST(calls(QStringLiteral("mst_Connect")), "connects");
        QTEST(calls(QStringLiteral("mst_Disconnect")), "disconnects");
        // The probe leaves the port closed and inactive, so a connection can open it later.
        QVERIFY(!SimulatedMaster::instance().isOpen(1));
        QCOMPARE(SimulatedMaster::instance().operatingMode(1), int(IqCommModeInactive));
    }

    void identityReadsRetriedFourTimes_data()
    {
        DataTable::addRows(QStringLiteral("connection/identity-retries.tsv"));
    }

    void identityReadsRetriedFourTimes()
    {
        QFETCH(int, failures);
        QFETCH(QString, vendorName);
        // The vendor name is read first, so the failures all fall on it.
        SimulatedMaster::instance().failNextCalls(1, failures, IqCommOperationFailed, 0x8011, QStringLiteral("mst_ReadOD"));
        const IOLinkSerialDevice device(SimulatedBench::port(1));
        QCOMPARE(device.getVendorName(), vendorName);
        QCOMPARE(device.getProductId(), QStringLiteral("OVX-TEST"));
    }

    void eventAlertTexts_data()
    {
        DataTable::addRows(QStringLiteral("connection/event-alerts.tsv"));
    }

    void eventAlertTexts()
    {
        QFETCH(uint, code);
        QFETCH(int, mode);
        QFETCH(QString, ioddText);
        QFETCH(QString, alert);
        QCOMPARE(IOLinkSerialDevice::eventAlert(code, ushort(mode), ioddText), alert);
    }

    void portNumberFromLocation_data()
    {
        DataTable::addRows(QStringLiteral("connection/port-numbers.tsv"));
    }

    void portNumberFromLocation()
    {
        QFETCH(QString, location);
        QFETCH(int, number);
        SerialPortDescriptor port;
        port.setSystemLocation(location);
        const IqCommConnectionHandler handler(port);
        QCOMPARE(int(handler.getPortNumber()), number);
        QCOMPARE(handler.getPortHandle(), qint16(-1));
    }

    void refusedConnect_data()
    {
        DataTable::addRows(QStringLiteral("connection/refused-connects.tsv"));
    }

    void refusedConnect()
    {
        QFETCH(QString, location);
        QFETCH(QString, call);
        QFETCH(int, result);
        QFETCH(QString, alert);
        QFETCH(int, connects);
        QFETCH(int, expectedDisconnects);
        QFETCH(int, modeSwitches);
        if (!call.isEmpty())
            SimulatedMaster::instance().failNextCalls(1, 1, result, 0, call);
        else if (result != 0)
            SimulatedMaster::instance().forceOperatingMode(1, result);
        SerialPortDescriptor port = SimulatedBench::port(1);
        port.setSystemLocation(location);
        Watched watched(port);
        watched.handler->connectToDevice();
        QTRY_COMPARE(watched.error.count(), 1);
        QTRY_VERIFY(watched.handler->isNotConnectedState());
        QCOMPARE(watched.connected.count(), 0);
        QCOMPARE(watched.alerts.count(), 1);
        QVERIFY2(watched.lastAlert().contains(alert), qPrintable(watched.lastAlert()));
        // Whatever the failed attempt opened is closed again.
        QCOMPARE(watched.handler->getPortHandle(), qint16(-1));
        QVERIFY(!SimulatedMaster::instance().isOpen(1));
        QCOMPARE(calls(QStringLiteral("mst_Connect")), connects);
        QCOMPARE(calls(QStringLiteral("mst_Disconnect")), expectedDisconnects);
        QCOMPARE(calls(QStringLiteral("mst_SetOperatingMode")), modeSwitches);
    }

    void connectAndDisconnectOnceEach()
    {
        Watched watched(SimulatedBench::port(1));
        watched.handler->connectToDevice();
        QTRY_COMPARE(watched.connected.count(), 1);
        QVERIFY(watched.handler->isConnectedState());
        QVERIFY(watched.handler->getPortHandle() >= 0);
        QCOMPARE(SimulatedMaster::instance().operatingMode(1), int(IqCommModeOperate));
        // While connected a second connect request changes nothing.
        watched.handler->connectToDevice();

        watched.handler->disconnectFromDevice();
        QTRY_VERIFY(watched.handler->isNotConnectedState());
        QCOMPARE(watched.handler->getPortHandle(), qint16(-1));
        QCOMPARE(SimulatedMaster::instance().operatingMode(1), int(IqCommModeInactive));
        QVERIFY(!SimulatedMaster::instance().isOpen(1));
        QCOMPARE(calls(QStringLiteral("mst_Disconnect")), 1);

        watched.handler->disconnectFromDevice();
        QTest::qWait(20);
        QCOMPARE(calls(QStringLiteral("mst_Connect")), 1);
        QCOMPARE(calls(QStringLiteral("mst_Disconnect")), 1);
        QCOMPARE(calls(QStringLiteral("mst_SetOperatingMode")), 2);

        // And the port opens again.
        watched.handler->connectToDevice();
        QTRY_COMPARE(watched.connected.count(), 2);
        QVERIFY(watched.alerts.isEmpty());
    }

    void inactiveModeFailureIsOnlyAWarning()
    {
        Watched watched(SimulatedBench::port(1));
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

    void cancelWhileThePortOpensOnASlowMaster_data()
    {
        QTest::addColumn<int>("callsBeforeCancel");
        QTest::newRow("before the port is asked to open") << 0;
        QTest::newRow("while the port opens") << 1;
    }

    // Every master call takes half a second; the user gives up and tries again at full speed.
    void cancelWhileThePortOpensOnASlowMaster()
    {
        QFETCH(int, callsBeforeCancel);
        IOLinkSerialDevice device(SimulatedBench::port(1));
        device.setIoddFile(SimulatedBench::testSensor());
        QStringList states;
        connect(&device, &IOLinkDevice::stateChanged, this, [&]() { states << device.getState(); });
        const int opensBefore = calls(QStringLiteral("mst_Connect"));
        SimulatedMaster::instance().setCallDelay(1, 500);

        device.connectToDevice();
        QTRY_COMPARE(device.getState(), QStringLiteral("connecting"));
        QTRY_VERIFY(calls(QStringLiteral("mst_Connect")) >= opensBefore + callsBeforeCancel);
        device.disconnectFromDevice();
        QTRY_COMPARE_WITH_TIMEOUT(device.getState(), QStringLiteral("notConnected"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!SimulatedMaster::instance().isOpen(1), 10000);
        QVERIFY2(!states.contains(QStringLiteral("connected")), qPrintable(states.join(QLatin1Char(' '))));
        QCOMPARE(device.getBinding(), nullptr);

        // At full speed: the port's handle follows the connection; the closed port's is not used again, and a
        // device lost while connected takes it away at once.
        SimulatedMaster::instance().setCallDelay(1, 0);
        device.connectToDevice();
        QTRY_COMPARE_WITH_TIMEOUT(device.getState(), QStringLiteral("connected"), 10000);
        QVERIFY(SimulatedMaster::instance().isOpen(1));
        QVERIFY(backEnd(device)->getPortHandle() >= 0);
        device.disconnectFromDevice();
        QTRY_COMPARE(device.getState(), QStringLiteral("notConnected"));
        QTRY_VERIFY(!SimulatedMaster::instance().isOpen(1));
        QCOMPARE(backEnd(device)->getPortHandle(), qint16(-1));
        device.connectToDevice();
        QTRY_VERIFY(backEnd(device)->getPortHandle() >= 0);
        emit device.connectionLost();
        QCOMPARE(backEnd(device)->getPortHandle(), qint16(-1));
    }

    // The window deletes devices on every rescan and does not wait for the worker: a call in progress finishes
    // there, the handlers end in their own thread, which then ends and closes the port.
    void deviceDeletedDuringACallEndsItsWorkerLater()
    {
        auto device = SimulatedBench::connectedDevice(1, SimulatedBench::testSensor());
        QVERIFY(device);
        QStringList order;
        QThread *worker = device->getCommunicationHandler()->thread();
        connect(worker, &QThread::finished, this, [&]() { order << "thread finished"; }, Qt::DirectConnection);
        connect(device->getCommunicationHandler(), &QObject::destroyed, this, [&, worker]() {
            order << (QThread::currentThread() == worker ? "handler destroyed in its thread" : "handler destroyed elsewhere");
        }, Qt::DirectConnection);
        const int polls = calls(QStringLiteral("mst_GetStatus"));
        SimulatedMaster::instance().setCallDelay(1, 500);
        QTRY_VERIFY(calls(QStringLiteral("mst_GetStatus")) > polls);

        device.reset();
        QVERIFY(WorkerRetirement::pendingCount() > 0);
        WorkerRetirement::finishAll();
        QCOMPARE(WorkerRetirement::pendingCount(), 0);
        QCOMPARE(order, QStringList({ "handler destroyed in its thread", "thread finished" }));
        QVERIFY(!SimulatedMaster::instance().isOpen(1));
        SimulatedMaster::instance().setCallDelay(1, 0);
    }
};

OVINEX_TEST_MAIN(TestIOLinkSerialDevice)
#include "tst_iolinkserialdevice.moc"
