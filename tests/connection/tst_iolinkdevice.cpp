#include "samplevariant.h"
#include "simulatedbench.h"
#include "testenvironment.h"

#include "app/applicationsettings.h"
#include "binding/iolinkwrapper.h"
#include "comm/communicationanswerrelay.h"
#include "comm/communicationhandler.h"
#include "comm/communicationlistmodel.h"
#include "comm/communicationtask.h"
#include "connection/connectionhandler.h"
#include "connection/iolinkserialdevice.h"
#include "master/simulatedmaster.h"
#include "connection/workerretirement.h"
#include "menu/menuentryhandler.h"

#include <QTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QThread>

#include <memory>

namespace {

constexpr int timeout = 30000;
constexpr int port = 1;

SimulatedMaster &master()
{
    return SimulatedMaster::instance();
}

} // namespace

class TestIOLinkDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(SimulatedBench::use(ApplicationSettings::defaultSimulatedDevices()));
    }

    void init()
    {
        ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
        master().setDeviceFiles({ SimulatedBench::sampleIodd() });
        master().resetFaults();
        master().useRealTime();
        QCOMPARE(master().availablePorts().size(), 1);
    }

    void connectsSynchronisesPollsAndDisconnects()
    {
        auto device = SimulatedBench::device(port, SimulatedBench::sampleIodd());
        QStringList states;
        connect(device.get(), &IOLinkDevice::stateChanged, this, [&]() { states << device->getState(); });
        uint total = 0;
        connect(device.get(), &IOLinkDevice::ioLinkWrapperChanged, this, [&]() {
            if (device->getBinding())
                total = device->getBinding()->getSyncTasksTotal();
        });
        int payloads = 0;
        connect(device->getCommunicationHandler(), &CommunicationHandler::processDataReceived, this, [&]() { ++payloads; },
                Qt::QueuedConnection);

        QVERIFY(SimulatedBench::connect(*device));
        QCOMPARE(states, QStringList({ "connecting", "syncing", "connected" }));

        QVERIFY(total > 10);
        QCOMPARE(device->getFirmwareRevision(), QStringLiteral("FW 1.2.3"));

        // Process data keeps arriving and the log the views read lives in this thread.
        QTRY_VERIFY_WITH_TIMEOUT(payloads >= 20, timeout);
        // Every payload is answered with the output image of the selected process data.
        QTRY_COMPARE(master().lastOutput(port).size(), 1);
        QCOMPARE(device->getCommunicationLog()->thread(), QThread::currentThread());
        QTRY_VERIFY(device->getCommunicationLog()->rowCount() > int(total));

        QPointer<IOLinkWrapper> oldBinding = device->getBinding();
        QSignalSpy alerts(device.get(), &IOLinkDevice::alertTextChanged);
        QSignalSpy lost(device.get(), &IOLinkDevice::connectionLost);
        device->disconnectFromDevice();
        QTRY_COMPARE_WITH_TIMEOUT(device->getState(), QStringLiteral("notConnected"), timeout);
        QVERIFY(!device->getBinding());
        QTRY_VERIFY(oldBinding.isNull());
        QVERIFY(device->getMenuEntryHandlerObject()->getMenuEntries().isEmpty());
        // A deliberate disconnect is no lost device.
        QTest::qWait(100);
        QVERIFY2(alerts.isEmpty(), alerts.isEmpty() ? "" : qPrintable(alerts.first().at(0).toString()));
        QCOMPARE(lost.count(), 0);
    }

    void connectionLostWhileTheIoddLoads()
    {
        // Large enough that its build outlasts the opening of the port, which it starts beside.
        QString texts;
        for (int i = 0; i < 60000; ++i)
            texts += QStringLiteral("<Text id=\"TI_Filler%1\" value=\"Filler text %1\"/>").arg(i);
        SampleVariant variant;
        auto device = SimulatedBench::device(port, variant.insertInto(QStringLiteral("PrimaryLanguage"), texts).write());
        bool lostDuringLoad = false;
        connect(device.get(), &IOLinkDevice::stateChanged, this, [&]() {
            if (device->getState() != QLatin1String("syncing"))
                return;
            // Runs while the binding is awaited, as events go on meanwhile.
            QTimer::singleShot(0, this, [&]() {
                lostDuringLoad = device->getState() == QLatin1String("syncing") && !device->getBinding();
                master().unplug(port);
                emit device->getConnectionHandler()->error();
            });
        });
        QTRY_COMPARE(device->getState(), QStringLiteral("notConnected"));
        device->connectToDevice();
        QTRY_VERIFY_WITH_TIMEOUT(lostDuringLoad, timeout);
        QTRY_COMPARE_WITH_TIMEOUT(device->getState(), QStringLiteral("notConnected"), timeout);
        QTRY_VERIFY(!device->getBinding());
        QTRY_VERIFY(device->findChildren<IOLinkWrapper *>().isEmpty());

        disconnect(device.get(), &IOLinkDevice::stateChanged, this, nullptr);
        master().replug(port);
        device->disconnectFromDevice();
        QVERIFY(SimulatedBench::connect(*device));
    }

    void deviceWithoutReferencedVariablesConnects()
    {
        // Without user interface and process data nothing is referenced.
        SampleVariant variant;
        const QString iodd =
            variant.without(QStringLiteral("UserInterface")).without(QStringLiteral("ProcessDataCollection")).write();
        master().setDeviceFiles({ iodd });
        QCOMPARE(master().availablePorts().size(), 1);
        auto device = SimulatedBench::device(port, iodd);
        QVERIFY(SimulatedBench::connect(*device));
        QCOMPARE(device->getBinding()->getSyncTasksTotal(), 0u);
        QVERIFY(device->getBinding()->getMenuEntries().isEmpty());
    }

    void differentProductIdKeepsTheDiscoveredOne()
    {
        // Another sensor answers the scan; the sample is on the port by the time it connects.
        master().setDeviceFiles({ SimulatedBench::testSensor() });
        auto device = SimulatedBench::device(port, SimulatedBench::sampleIodd());
        master().setDeviceFiles({ SimulatedBench::sampleIodd() });
        QTest::ignoreMessage(QtCriticalMsg, "Product ID is different from synced: \"OVX-TEST\" \"OVX100\"");
        QVERIFY(SimulatedBench::connect(*device));
        QCOMPARE(device->getProductId(), QStringLiteral("OVX-TEST"));
    }

    // A batch of answers a retired worker left queued for the window thread was dropped at the application's end,
    // and the tasks it carried leaked.
    void answersLeftForTheWindowReachTheirTasksAtTheEnd()
    {
        QPointer<CommunicationTask> task = CommunicationTask::forIndex(0x10, 0, CommunicationTask::ReadCommand);
        QSignalSpy answered(task.data(), &CommunicationTask::answered);
        task->start();
        const QVector<CommunicationAnswerRelay::Answer> batch { { task, true, QByteArray("OVX"), 0, QString() } };
        QMetaObject::invokeMethod(qApp, [batch] { CommunicationAnswerRelay::deliver(batch); }, Qt::QueuedConnection);
        WorkerRetirement::finishAll();
        QCOMPARE(answered.count(), 1);
        QVERIFY(task.isNull());
    }
};

OVINEX_TEST_MAIN(TestIOLinkDevice)
#include "tst_iolinkdevice.moc"
