#include "datatable.h"
#include "simulatedbench.h"
#include "testenvironment.h"

#include "comm/eventhistorymodel.h"
#include "connection/devicehealth.h"
#include "connection/iolinkserialdevice.h"
#include "binding/iolinkwrapper.h"
#include "master/simulatedmaster.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QTranslator>

#include <memory>

class TestDeviceHealth : public QObject
{
    Q_OBJECT

private slots:
    // Simulated device 1 is the sample, device 2 a sensor whose description has no device status.
    void initTestCase()
    {
        QVERIFY(SimulatedBench::use(QStringList { SimulatedBench::sampleIodd(), SimulatedBench::testSensor() }));
    }

    void init()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        master.setDeviceFiles(master.deviceFiles());
        master.setTime(10000);
        QCOMPARE(master.availablePorts().size(), 2);
    }

    void cleanupTestCase()
    {
        SimulatedMaster::instance().useRealTime();
    }

    void detailedEntries_data()
    {
        DataTable::addRows(QStringLiteral("connection/detailed-status.tsv"));
    }

    void detailedEntries()
    {
        QFETCH(QList<QByteArray>, entries);
        QFETCH(int, count);
        const QVariantList decoded = DeviceHealth::decodeDetailed(
            entries, count, [](quint16 code) { return QStringLiteral("t%1").arg(code, 4, 16, QLatin1Char('0')); });
        QStringList seen;
        for (const QVariant &entry : decoded) {
            const QVariantMap map = entry.toMap();
            seen << QStringLiteral("%1:%2:%3").arg(map.value("type").toInt()).arg(map.value("codeText").toString(),
                                                                                 map.value("text").toString());
        }
        QFETCH(QStringList, expected);
        QCOMPARE(seen, expected);
    }

    void statusPerValue_data()
    {
        DataTable::addRows(QStringLiteral("connection/device-status.tsv"));
    }

    void statusPerValue()
    {
        auto device = SimulatedBench::connectedDevice(1, SimulatedBench::sampleIodd());
        QVERIFY(device);
        DeviceHealth *health = device->getHealth();
        QVERIFY(health->isAvailable());
        QVERIFY(health->hasDetailed());
        QTRY_COMPARE(health->getStatus(), 0);
        QFETCH(QString, value);
        bool number = false;
        const int status = value.toInt(&number);
        emit device->getBinding()->variableSynced(DeviceHealth::deviceStatusIndex, 0, number ? QVariant(status) : QVariant(value));
        QTEST(health->getStatus(), "status");
        QTEST(health->getStatusText(), "text");
    }

    void noStatusWithoutTheIndex()
    {
        auto device = SimulatedBench::device(2, SimulatedBench::testSensor());
        QSignalSpy alerts(device.get(), &IOLinkDevice::alertTextChanged);
        QVERIFY(SimulatedBench::connect(*device));
        const int reads = SimulatedMaster::instance().callCount(2, QStringLiteral("mst_ReadOD"));
        device->getHealth()->refresh();
        QVERIFY(!device->getHealth()->isAvailable());
        QVERIFY(!device->getHealth()->hasDetailed());
        QCOMPARE(alerts.count(), 0);
        // Asking again must not make the binding read the whole device.
        QCoreApplication::processEvents();
        QTest::qWait(50);
        QCOMPARE(SimulatedMaster::instance().callCount(2, QStringLiteral("mst_ReadOD")), reads);
    }

    void lensWarningReachesHistoryAndHealth()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        auto device = SimulatedBench::connectedDevice(1, SimulatedBench::sampleIodd());
        QVERIFY(device);
        DeviceHealth *health = device->getHealth();
        QTRY_COMPARE(health->getStatus(), 0);
        EventHistoryModel *history = device->getEventHistory();
        QCOMPARE(history->rowCount(), 0);

        // Quality low from 21.6 s of the sweep; 2 s later the lens counts as dirty.
        master.setTime(22000);
        // The device must see the low quality at least once before the hold time has passed.
        const int polls = master.callCount(1, QStringLiteral("mst_GetStatus"));
        QTRY_VERIFY(master.callCount(1, QStringLiteral("mst_GetStatus")) > polls + 1);
        master.setTime(24000);
        QTRY_COMPARE_WITH_TIMEOUT(history->getActiveWarningCount(), 1, 10000);
        QCOMPARE(history->entryAt(0).code, quint16(0x1800));
        QCOMPARE(history->entryAt(0).type, EventHistoryModel::WarningType);
        QVERIFY(!history->entryAt(0).text.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(health->getStatus(), 1, 10000);
        QTRY_COMPARE(health->getDetailed().size(), 1);
        QCOMPARE(health->getDetailed().at(0).toMap().value("code").toInt(), 0x1800);
        const QJsonObject json = health->toJson();
        QCOMPARE(json.value("deviceStatus").toInt(), 1);
        QCOMPARE(json.value("detailed").toArray().at(0).toObject().value("code").toString(), QStringLiteral("0x1800"));
        QCOMPARE(json.value("detailed").toArray().at(0).toObject().value("type").toString(), QStringLiteral("warning"));
        // The window may switch language while the entry is shown.
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/languages/ovinex_de.qm")));
        QSignalSpy decoded(health, &DeviceHealth::changed);
        QCoreApplication::installTranslator(&german);
        QTRY_VERIFY(!decoded.isEmpty());
        QCOMPARE(health->getDetailed().at(0).toMap().value("typeText").toString(), QStringLiteral("Warnung"));
        QCoreApplication::removeTranslator(&german);

        master.setTime(28000);
        QTRY_COMPARE_WITH_TIMEOUT(history->getActiveWarningCount(), 0, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(health->getStatus(), 0, 10000);
        QTRY_COMPARE(health->getDetailed().size(), 0);
        QCOMPARE(history->rowCount(), 2);

        // Kept after the disconnect, cleared at the next connect.
        device->disconnectFromDevice();
        QTRY_COMPARE(device->getState(), QStringLiteral("notConnected"));
        QCOMPARE(history->rowCount(), 2);
        QVERIFY(SimulatedBench::connect(*device));
        QCOMPARE(history->rowCount(), 0);
    }
};

OVINEX_TEST_MAIN(TestDeviceHealth)
#include "tst_devicehealth.moc"
