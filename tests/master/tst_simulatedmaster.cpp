#include "datatable.h"
#include "masterport.h"
#include "simulatedbench.h"
#include "testenvironment.h"

#include "master/masterlibrary.h"
#include "master/simulatedmaster.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QThread>
#include <QtEndian>

namespace {

// Writes and reads its own value on its own port as fast as it can, counting inconsistencies.
class PollingWorker : public QThread
{
public:
    PollingWorker(int port, QAtomicInt *stop) : port(port), stop(stop) {}

    int rounds = 0;
    int mismatches = 0;
    int failures = 0;

protected:
    void run() override
    {
        MasterPort open(port);
        if (open.handle < 0) {
            ++failures;
            return;
        }
        while (!stop->loadAcquire()) {
            const quint16 value = quint16(10 + (rounds % 490));
            QByteArray payload;
            payload.append(char(value >> 8)).append(char(value & 0xFF));
            if (open.write(64, 0, payload) != 0)
                ++failures;
            if (open.read(64) != payload)
                ++mismatches;
            if (open.processData().isEmpty() || (open.status & IqCommStatusPortStateMask) != IqCommModeOperate)
                ++failures;
            uint8_t qualifier = 0;
            uint16_t code = 0;
            MasterLibrary::instance().readEvent(open.handle, &qualifier, &code, open.errorText);
            ++rounds;
        }
    }

private:
    int port;
    QAtomicInt *stop;
};

} // namespace

class TestSimulatedMaster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(SimulatedBench::use(QStringList{SimulatedBench::testSensor(), SimulatedBench::testSensor()}));
    }

    void init()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        master.setDeviceFiles({SimulatedBench::testSensor(), SimulatedBench::testSensor()});
        master.setTime(0);
    }

    void virtualPortsOnePerDevice()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        master.setDeviceFiles({SimulatedBench::testSensor(), TestEnvironment::testDataPath(QStringLiteral("master/missing.xml")), SimulatedBench::testSensor()});
        const QList<SerialPortDescriptor> ports = MasterLibrary::instance().availablePorts();
        QCOMPARE(ports.size(), 2);
        QCOMPARE(ports.at(1).systemLocation(), QStringLiteral("SIM2"));
        QCOMPARE(ports.at(1).portNumber(), quint16(2));

        master.unplug(1);
        QCOMPARE(MasterLibrary::instance().availablePorts().size(), 1);
    }

    void answers_data()
    {
        DataTable::addRows(QStringLiteral("master/simulated-answers.tsv"));
    }

    void answers()
    {
        QFETCH(bool, isWrite);
        QFETCH(int, index);
        QFETCH(int, subindex);
        QFETCH(QByteArray, octets);
        QFETCH(int, isduError);
        MasterPort port(1);
        const QByteArray before = SimulatedMaster::instance().parameter(1, uint(index));
        if (isWrite)
            QCOMPARE(int(port.write(index, subindex, octets)), isduError);
        else
            QCOMPARE(port.read(index, subindex), isduError ? "isdu:" + QByteArray::number(isduError, 16) : octets);
        if (isduError == 0)
            return;
        QVERIFY(port.result < 0);
        QVERIFY(QByteArray(port.errorText).contains(QByteArray::number(isduError, 16)));
        QCOMPARE(SimulatedMaster::instance().parameter(1, uint(index)), before);
    }

    void writesAreKeptUntilDefaultsRestored()
    {
        MasterPort port(1);
        QCOMPARE(port.write(64, 0, QByteArray::fromHex("012c")), quint16(0));
        QCOMPARE(port.write(68, 2, QByteArray::fromHex("09")), quint16(0));
        QCOMPARE(port.write(68, 1, QByteArray::fromHex("fc18")), quint16(0)); // -1000, the lower bound
        QCOMPARE(port.write(70, 0, QByteArray("xy")), quint16(0));
        QCOMPARE(port.write(66, 0, QByteArray::fromHex("0000002a")), quint16(0));
        QCOMPARE(port.read(64).toHex(), QByteArray("012c"));
        QCOMPARE(port.read(68).toHex(), QByteArray("fc180901"));
        QCOMPARE(port.read(70), QByteArray("xy"));
        QCOMPARE(SimulatedMaster::instance().parameter(1, 66).toHex(), QByteArray("0000002a"));

        // The second port's device is a device of its own.
        MasterPort other(2);
        QCOMPARE(other.read(64).toHex(), QByteArray("0064"));

        QCOMPARE(port.write(2, 0, QByteArray::fromHex("82")), quint16(0));
        QCOMPARE(port.read(64).toHex(), QByteArray("0064"));
        QCOMPARE(port.read(68).toHex(), QByteArray("ff060701"));
        QCOMPARE(port.read(70), QByteArray("abc"));
    }

    void systemCommands()
    {
        MasterPort port(1);
        SimulatedMaster &master = SimulatedMaster::instance();
        QVERIFY(!master.isLocating(1));
        QCOMPARE(port.write(2, 0, QByteArray::fromHex("af")), quint16(0));
        QVERIFY(master.isLocating(1));
        QVERIFY(!master.isLocating(2));
        QCOMPARE(port.write(2, 0, QByteArray::fromHex("af")), quint16(0));
        QVERIFY(!master.isLocating(1));
        QCOMPARE(port.write(2, 0, QByteArray::fromHex("a0")), quint16(0));
        QCOMPARE(port.write(2, 0, QByteArray::fromHex("81")), quint16(0x8035)); // standard, but not offered
    }

    void processDataFollowsTimeAndSelection()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        MasterPort port(1);

        // Selector 1: a signed 16-bit item within -100..100 and a boolean.
        QList<qint16> seen;
        for (qint64 time = 0; time < 30000; time += 1500) {
            master.setTime(time);
            const QByteArray image = port.processData();
            QCOMPARE(image.size(), 3);
            QCOMPARE(port.status & IqCommStatusPortStateMask, int(IqCommModeOperate));
            QVERIFY(!(port.status & IqCommStatusProcessDataInvalid));
            const qint16 value = qFromBigEndian<qint16>(image.constData());
            QVERIFY2(value >= -100 && value <= 100, qPrintable(QString::number(value)));
            QVERIFY(quint8(image.at(2)) <= 1);
            seen.append(value);
        }
        QVERIFY(std::adjacent_find(seen.cbegin(), seen.cend(), std::not_equal_to<qint16>()) != seen.cend());
        master.setTime(4000);
        const QByteArray again = port.processData();
        master.setTime(4000);
        QCOMPARE(port.processData(), again);

        // The selector chooses another layout at once.
        QCOMPARE(port.write(65, 0, QByteArray::fromHex("00")), quint16(0));
        QByteArray image = port.processData();
        QCOMPARE(image.size(), 2);
        QVERIFY(qFromBigEndian<quint16>(image.constData()) <= 1000);
        QCOMPARE(port.write(65, 0, QByteArray::fromHex("02")), quint16(0));
        for (qint64 time = 0; time < 20000; time += 2500) {
            master.setTime(time);
            image = port.processData();
            QCOMPARE(image.size(), 4);
            QVERIFY(qAbs(qFromBigEndian<float>(image.constData())) <= 1.5f);
        }
    }

    void unpluggedMaster()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        MasterPort port(1);
        // A second connection to an open port is refused rather than sharing it.
        MasterPort second(1);
        QVERIFY(second.handle < 0);
        master.unplug(1);
        port.read(64);
        QCOMPARE(port.result, int(IqCommInterfaceNotFound));
        QCOMPARE(port.processData(), QByteArray());
        MasterPort whileUnplugged(1);
        QCOMPARE(whileUnplugged.handle, IqCommHandle(IqCommInterfaceNotFound));

        master.replug(1);
        port.read(64);
        QVERIFY(port.result < 0); // the old handle died with the old connection
        MasterPort fresh(1);
        QVERIFY(fresh.handle >= 0);
        QCOMPARE(fresh.read(64).toHex(), QByteArray("0064"));
    }

    void eventsArePendingUntilRead()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        MasterPort port(1);
        port.processData();
        QVERIFY(!(port.status & IqCommStatusEventPending));

        // A parameter write asks for a data-storage upload; a parameter kept out of data storage does not.
        QCOMPARE(port.write(70, 0, QByteArray("new")), quint16(0));
        port.processData();
        QVERIFY(!(port.status & IqCommStatusEventPending));
        QCOMPARE(port.write(64, 0, QByteArray::fromHex("0020")), quint16(0));
        master.queueEvent(1, 0xF4, 0x1804);
        port.processData();
        QVERIFY(port.status & IqCommStatusEventPending);
        uint8_t qualifier = 0;
        uint16_t code = 0;
        QCOMPARE(MasterLibrary::instance().readEvent(port.handle, &qualifier, &code, port.errorText), IqCommResult(IqCommOk));
        QCOMPARE(code, uint16_t(0xFF91));
        QCOMPARE(qualifier >> 6, 1); // single shot
        QCOMPARE(MasterLibrary::instance().readEvent(port.handle, &qualifier, &code, port.errorText), IqCommResult(IqCommOk));
        QCOMPARE(code, uint16_t(0x1804));
        QCOMPARE(qualifier, uint8_t(0xF4));
        QVERIFY(MasterLibrary::instance().readEvent(port.handle, &qualifier, &code, port.errorText) < 0);
        port.processData();
        QVERIFY(!(port.status & IqCommStatusEventPending));
    }

    void placeholderProductIdGivesWayToTheVariants()
    {
        // Its product id defaults to "EAN code", which no catalogue entry matches.
        const QString file = TestEnvironment::corpusPath(QStringLiteral("carlo-gavazzi/CGI-PD30CTDR10BPxxIO-20210501-IODD1.1.xml"));
        if (!QFileInfo::exists(file))
            QSKIP("IODD corpus not available");
        SimulatedMaster::instance().setDeviceFiles({ file });
        MasterPort port(1);
        QVERIFY(port.handle >= 0);
        QCOMPARE(port.read(19), QByteArray("5709870398693"));
    }

    void twoPortsPolledFromTwoThreads()
    {
        SimulatedMaster::instance().useRealTime();
        QAtomicInt stop;
        PollingWorker first(1, &stop);
        PollingWorker second(2, &stop);
        first.start();
        second.start();
        // Meanwhile the test side reads back and injects events, as tests and the scan thread would.
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 1000) {
            SimulatedMaster::instance().queueEvent(1 + int(timer.elapsed() % 2), 0x54, 0x1804);
            SimulatedMaster::instance().parameter(2, 64);
            MasterLibrary::instance().availablePorts();
            QThread::msleep(1);
        }
        stop.storeRelease(1);
        QVERIFY(first.wait(10000));
        QVERIFY(second.wait(10000));
        QVERIFY(first.rounds > 10 && second.rounds > 10);
        QCOMPARE(first.mismatches + second.mismatches, 0);
        QCOMPARE(first.failures + second.failures, 0);
    }
};

OVINEX_TEST_MAIN(TestSimulatedMaster)
#include "tst_simulatedmaster.moc"
