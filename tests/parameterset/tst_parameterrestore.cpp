#include "samplevariant.h"
#include "simulatedbench.h"
#include "testenvironment.h"

#include "comm/communicationlistmodel.h"
#include "connection/iolinkserialdevice.h"
#include "device/variablewrapper.h"
#include "binding/iolinkwrapper.h"
#include "iodd/model/iodevicet.h"
#include "master/simulatedmaster.h"
#include "parameterset/deviceparameteraccess.h"
#include "parameterset/parametercatalogue.h"
#include "parameterset/parametercomparison.h"
#include "parameterset/parameterreader.h"
#include "parameterset/parameterrestore.h"

#include <QSignalSpy>

#include <memory>

namespace {

constexpr int port = 1;
constexpr uint recordIndex = 71;

// The system commands the device was sent since the log's row `from`, in order, as the window's log shows them.
QList<QByteArray> systemCommandsSince(const IOLinkDevice &device, int from)
{
    const CommunicationListModel *log = device.getCommunicationLog();
    QList<QByteArray> sent;
    for (int row = from; row < log->rowCount(); ++row) {
        const QModelIndex entry = log->index(row);
        if (entry.data(CommunicationListModel::IoLinkIndexRole).toInt() == 2
            && entry.data(CommunicationListModel::OriginRole).toString() == QLatin1String("local")
            && entry.data(CommunicationListModel::CommandRole).toString() == QLatin1String("write"))
            sent << entry.data(CommunicationListModel::MessageRole).toByteArray();
    }
    return sent;
}

} // namespace

class TestParameterRestore : public QObject
{
    Q_OBJECT

private slots:
    // The sample device with block parameterisation and a record that is only ever sent whole. The block commands
    // are named the way real descriptions name them, by reference to the standard's values; the sample's first
    // standard variable is the system command.
    void initTestCase()
    {
        QFile record(TestEnvironment::testDataPath(QStringLiteral("parameterset/calibration.xml")));
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QString offered = QStringLiteral("<StdSingleValueRef value=\"3\"/><StdSingleValueRef value=\"4\"/>"
                                               "<StdSingleValueRef value=\"5\"/><StdSingleValueRef value=\"6\"/>");
        file = blockDevice.insertInto(QStringLiteral("StdVariableRef"), offered, true)
                   .insertInto(QStringLiteral("VariableCollection"), QString::fromUtf8(record.readAll()))
                   .write(QStringLiteral("blockdevice.xml"));
        QVERIFY(!file.isEmpty());
        QVERIFY(SimulatedBench::use({ file }));
    }

    void init()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        master.setDeviceFiles({ file });
        master.setTime(0);
        device = SimulatedBench::connectedDevice(1, file);
        QVERIFY(device);
        access = std::make_unique<DeviceParameterAccess>(device.get());
        catalogue = std::make_unique<ParameterCatalogue>(device->getBinding());
    }

    void cleanup()
    {
        catalogue.reset();
        access.reset();
        if (device) {
            device->disconnectFromDevice();
            QTRY_COMPARE(device->getState(), QStringLiteral("notConnected"));
        }
        device.reset();
        SimulatedMaster::instance().resetFaults();
    }

    void selectionLeavesOutIdentityAndCommands()
    {
        QStringList ids;
        for (const ParameterCatalogue::Entry &entry : catalogue->entries())
            ids << entry.id;
        QVERIFY(ids.contains(QStringLiteral("V_ApplicationSpecificTag")));
        QVERIFY(ids.contains(QStringLiteral("V_Calibration")));
        QVERIFY(ids.contains(QStringLiteral("V_SwitchPoint1")));
        QVERIFY(!ids.contains(QStringLiteral("V_SystemCommand")));
        QVERIFY(!ids.contains(QStringLiteral("V_SerialNumber")));
        QVERIFY(!ids.contains(QStringLiteral("V_TeachResult")));
        QVERIFY(catalogue->offersSystemCommand(ParameterCatalogue::paramDownloadStart));
    }

    void changedParametersAreFoundAndRestored()
    {
        const ParameterSet saved = saveSet();
        QVERIFY2(saved.unreadable.isEmpty(), qPrintable(saved.unreadable.value(0).id));
        QCOMPARE(saved.parameters.size(), catalogue->entries().size());
        QCOMPARE(saved.find(QStringLiteral("V_Calibration"))->raw, QByteArray::fromHex("112233"));

        write(61, QByteArray::fromHex("40000000"));
        write(63, QByteArray::fromHex("03"));
        // One item of the record changed; the record only goes whole.
        write(recordIndex, QByteArray::fromHex("11FF33"));

        QList<ParameterComparison::Row> rows = compareWith(saved);
        QStringList differing;
        for (const ParameterComparison::Row &row : rows) {
            if (row.differs)
                differing << row.id;
        }
        QCOMPARE(differing, (QStringList { QStringLiteral("V_SwitchDelay"), QStringLiteral("V_Filter"), QStringLiteral("V_Calibration") }));
        QCOMPARE(ParameterComparison::differenceCount(rows), 3);

        const int logged = device->getCommunicationLog()->rowCount();
        const ParameterRestore::Report report = restore(saved);
        QVERIFY2(report.restored, qPrintable(report.summary()));
        QCOMPARE(report.count(ParameterRestore::Confirmed), 3);
        QCOMPARE(report.count(ParameterRestore::AlreadyEqual), saved.parameters.size() - 3);
        QTRY_COMPARE(systemCommandsSince(*device, logged), (QList<QByteArray> { QByteArray("\x03"), QByteArray("\x04"), QByteArray("\x05") }));

        QCOMPARE(ParameterComparison::differenceCount(compareWith(saved)), 0);
        QCOMPARE(SimulatedMaster::instance().parameter(port, recordIndex), QByteArray::fromHex("112233"));
        // The window's copy of the variable shows what the device holds now.
        QCOMPARE(catalogue->find(QStringLiteral("V_Calibration"))->variable->getValue(2).toUInt(), 0x22u);
    }

    void refusalInsideTheBlockSendsParamBreakAndNamesTheParameter()
    {
        const ParameterSet saved = saveSet();
        const QList<uint> changed = { 61, 62, 63, 64, 65, 66 };
        const QList<QByteArray> values = { QByteArray::fromHex("40000000"), QByteArray::fromHex("0005"), QByteArray::fromHex("03"),
                                           QByteArray::fromHex("00"), QByteArray::fromHex("01"), QByteArray::fromHex("0010") };
        for (int position = 0; position < changed.size(); ++position)
            write(changed.at(position), values.at(position));

        const int logged = device->getCommunicationLog()->rowCount();
        const int planned = plan(saved).writes.size();
        // After the reads before writing and four writes, the next write is refused.
        const ParameterRestore::Report report = restore(saved, [planned](int done, int) {
            if (done == planned + 4)
                SimulatedMaster::instance().failNextCalls(port, 1, IqCommOperationFailed, 0x8030, QStringLiteral("mst_WriteOD"));
        });

        QVERIFY(!report.restored);
        QVERIFY(!report.summary().startsWith(QStringLiteral("Parameter set restored")));
        QTRY_COMPARE(systemCommandsSince(*device, logged), (QList<QByteArray> { QByteArray("\x03"), QByteArray("\x06") }));
        QCOMPARE(report.count(ParameterRestore::Refused), 1);
        const auto refused = std::find_if(report.rows.begin(), report.rows.end(),
                                          [](const ParameterRestore::Row &row) { return row.outcome == ParameterRestore::Refused; });
        QCOMPARE(refused->index, 65u);
        QVERIFY2(refused->detail.contains(QStringLiteral("0x8030")), qPrintable(refused->detail));
        QCOMPARE(report.count(ParameterRestore::NotWritten), 1);
        QVERIFY(report.notes.join(QLatin1Char(' ')).contains(refused->name));
    }

    void fileOfAnotherDeviceIsRefusedBeforeWriting_data()
    {
        QTest::addColumn<int>("vendorOffset");
        QTest::addColumn<int>("deviceOffset");
        QTest::newRow("another device id") << 0 << 1;
        QTest::newRow("another vendor id") << 1 << 0;
    }

    void fileOfAnotherDeviceIsRefusedBeforeWriting()
    {
        QFETCH(int, vendorOffset);
        QFETCH(int, deviceOffset);
        ParameterSet other = saveSet();
        other.device.vendorId = quint16(other.device.vendorId + vendorOffset);
        other.device.deviceId += quint32(deviceOffset);
        other.parameters[1].raw = QByteArray::fromHex("0BB800140000");

        const int writesBefore = SimulatedMaster::instance().callCount(port, QStringLiteral("mst_WriteOD"));
        const ParameterRestore::Report report = restore(other);
        QVERIFY(!report.restored);
        QVERIFY(report.notes.join(QString()).contains(QStringLiteral("Nothing was written")));
        QCOMPARE(SimulatedMaster::instance().callCount(port, QStringLiteral("mst_WriteOD")), writesBefore);
    }

    void unknownAndMisfitParametersAreSkippedAndListed()
    {
        ParameterSet set = saveSet();
        set.parameters.append({ QStringLiteral("V_Unknown"), 300, 0, QStringLiteral("Unknown"), QString(), QByteArray("\x01", 1) });
        for (ParameterSet::Parameter &parameter : set.parameters) {
            if (parameter.id == QLatin1String("V_Filter"))
                parameter.raw = QByteArray::fromHex("0101");
        }
        const ParameterRestore::Plan checked = plan(set);
        QVERIFY(checked.refusal.isEmpty());
        QCOMPARE(checked.skipped.size(), 2);
        QCOMPARE(checked.skipped.at(0).id, QStringLiteral("V_Filter"));
        QVERIFY(checked.skipped.at(0).reason.contains(QStringLiteral("length")));
        QCOMPARE(checked.skipped.at(1).id, QStringLiteral("V_Unknown"));

        const ParameterRestore::Report report = restore(set);
        QVERIFY(!report.restored);
        QCOMPARE(report.count(ParameterRestore::Skipped), 2);
    }

    void anotherUnitIsAWarningOnly()
    {
        ParameterSet set = saveSet();
        set.device.serialNumber = QStringLiteral("OTHER-UNIT");
        set.iodd.version = QStringLiteral("V0.9");
        const ParameterRestore::Plan checked = plan(set);
        QVERIFY(checked.refusal.isEmpty());
        QCOMPARE(checked.warnings.size(), 2);
        QVERIFY(checked.warnings.join(QString()).contains(QStringLiteral("OTHER-UNIT")));
        QVERIFY(checked.block && checked.store);
    }

    void lostDeviceEndsTheRestoreWithoutSayingRestored()
    {
        ParameterSet set = saveSet();
        for (ParameterSet::Parameter &parameter : set.parameters) {
            if (parameter.id == QLatin1String("V_WindowWidth"))
                parameter.raw = QByteArray::fromHex("0200");
        }
        const ParameterRestore::Report report = restore(set, [](int done, int) {
            if (done == 3)
                SimulatedMaster::instance().unplug(port);
        });
        QVERIFY(!report.restored);
        QVERIFY(report.count(ParameterRestore::Confirmed) == 0);
    }

    void comparisonAfterTheDeviceIsGoneShowsOctets()
    {
        const ParameterSet saved = saveSet();
        ParameterReader reader(access.get());
        QSignalSpy finished(&reader, &ParameterReader::finished);
        connect(&reader, &ParameterReader::progress, this, [this](int done, int) {
            if (done == 2)
                device->disconnectFromDevice();
        });
        reader.start(catalogue->entries());
        QVERIFY(finished.wait(30000));
        // The binding and its variables go with the connection; what was read must still be shown.
        QTRY_VERIFY(!device->getBinding());
        QTest::qWait(0);
        const QList<ParameterComparison::Row> rows = ParameterComparison::compare(saved, *catalogue, reader.results());
        QCOMPARE(rows.size(), saved.parameters.size());
        // Shown decoded while the description still knows the variable, else as octets; never empty.
        QVERIFY(rows.first().deviceText == ParameterSet::toHex(saved.parameters.first().raw)
                || rows.first().deviceText == QString::fromLatin1(saved.parameters.first().raw));
        QVERIFY(rows.last().differs);
    }

private:
    QList<ParameterReader::Result> read(const QList<ParameterCatalogue::Entry> &entries)
    {
        ParameterReader reader(access.get());
        QSignalSpy finished(&reader, &ParameterReader::finished);
        reader.start(entries);
        if (reader.isRunning())
            finished.wait(30000);
        return reader.results();
    }

    ParameterSet saveSet()
    {
        return ParameterReader::toParameterSet(*device, *catalogue, read(catalogue->entries()));
    }

    ParameterRestore::Plan plan(const ParameterSet &set) const
    {
        return ParameterRestore::plan(set, *catalogue, DeviceParameterAccess::identityOf(*device), device->getBinding()->getDocument()->version);
    }

    void write(uint index, const QByteArray &raw)
    {
        bool done = false;
        bool ok = false;
        access->write(index, 0, raw, [&](const DeviceParameterAccess::Answer &answer) {
            done = true;
            ok = answer.ok;
        });
        QTRY_VERIFY(done);
        QVERIFY(ok);
    }

    QList<ParameterComparison::Row> compareWith(const ParameterSet &set)
    {
        return ParameterComparison::compare(set, *catalogue, read(ParameterComparison::entriesToRead(set, *catalogue)));
    }

    ParameterRestore::Report restore(const ParameterSet &set, const std::function<void(int, int)> &onProgress = {})
    {
        const ParameterRestore::Plan prepared = plan(set);
        ParameterRestore job(access.get());
        if (onProgress)
            connect(&job, &ParameterRestore::progress, this, onProgress);
        QSignalSpy finished(&job, &ParameterRestore::finished);
        job.start(prepared, catalogue.get());
        if (job.isRunning())
            finished.wait(30000);
        return job.report();
    }

    SampleVariant blockDevice;
    QString file;
    std::unique_ptr<IOLinkSerialDevice> device;
    std::unique_ptr<DeviceParameterAccess> access;
    std::unique_ptr<ParameterCatalogue> catalogue;
};

OVINEX_TEST_MAIN(TestParameterRestore)
#include "tst_parameterrestore.moc"
