#include "master/simulateddevice.h"
#include "master/simulateddevicedescription.h"
#include "master/simulatedlensmonitor.h"
#include "datatable.h"
#include "simulatedbench.h"
#include "testenvironment.h"

class TestSimulatedLens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(description.load(SimulatedBench::sampleIodd(),
                                 QStringLiteral(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml")));
    }

    void monitor_data()
    {
        DataTable::addRows(QStringLiteral("master/lens-monitor.tsv"));
    }

    void monitor()
    {
        QFETCH(QList<qint64>, times);
        QFETCH(QList<double>, qualities);
        QFETCH(QStringList, changes);
        const QStringList names { "none", "appeared", "disappeared" };
        SimulatedLensMonitor lens;
        for (int i = 0; i < times.size(); ++i)
            QCOMPARE(names.value(int(lens.update(times.at(i), qualities.at(i)))), changes.at(i));
    }

    void statusAndProcessDataFollow()
    {
        SimulatedDevice device(description);
        const auto lensBit = [&device] { return (quint8(device.processDataInput(0).back()) >> 1) & 1; };
        QByteArray status;

        // On a 100 ms clock, as the device is polled, the quality stays low for the hold time.
        for (qint64 time = 0; time <= 2000; time += 100)
            device.setTime(time);
        QCOMPARE(device.read(SimulatedDevice::deviceStatusIndex, 0, &status), quint16(0));
        QCOMPARE(status, QByteArray(1, char(1)));
        // The detailed status's entry, and its clearing, are TestDeviceHealth::lensWarningReachesHistoryAndHealth's.
        QCOMPARE(lensBit(), 1);
        // Restoring the defaults does not clean the lens.
        QCOMPARE(device.write(2, 0, QByteArray(1, char(SimulatedDevice::restoreFactorySettingsCommand))), quint16(0));
        QCOMPARE(device.storedValue(SimulatedDevice::deviceStatusIndex), QByteArray(1, char(1)));

        device.setTime(3800);
        QCOMPARE(device.storedValue(SimulatedDevice::deviceStatusIndex), QByteArray(1, char(0)));
        QCOMPARE(lensBit(), 0);
    }

    void teachRaisesTeachDone()
    {
        SimulatedDevice device(description);
        device.setTime(10000);
        QCOMPARE(device.write(2, 0, QByteArray(1, char(SimulatedDevice::teachCommand))), quint16(0));
        quint8 qualifier = 0;
        quint16 code = 0;
        QVERIFY(device.takeEvent(&qualifier, &code));
        QCOMPARE(code, SimulatedDevice::teachDoneEvent);
        QCOMPARE(qualifier, quint8(0x54));
        QCOMPARE(device.storedValue(SimulatedDevice::teachResultIndex), QByteArray(1, char(1)));
    }

private:
    SimulatedDeviceDescription description;
};

OVINEX_TEST_MAIN(TestSimulatedLens)
#include "tst_simulatedlens.moc"
