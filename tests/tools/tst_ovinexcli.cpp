#include "datatable.h"
#include "servedmaster.h"
#include "simulatedbench.h"
#include "testenvironment.h"
#include "toolrun.h"

#include "master/simulatedmaster.h"
#include "parameterset/parameterset.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace {

ToolRun cli(const QStringList &arguments)
{
    return ToolRun::start(QStringLiteral("ovinex-cli"), arguments);
}

ToolRun onSample(QStringList arguments)
{
    return cli(QStringList { QStringLiteral("--simulated"), SimulatedBench::sampleIodd() } + arguments);
}

constexpr int singleNotificationQualifier = 0x54;
constexpr quint16 teachDoneEvent = 0x1802;

} // namespace

class TestOvinexCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(ToolRun::path(QStringLiteral("ovinex-cli"))))
            QSKIP("ovinex-cli is not built");
        QVERIFY(folder.isValid());
        saved = folder.filePath(QStringLiteral("sample.ovxparams"));
        const ToolRun save = onSample({ QStringLiteral("params"), QStringLiteral("save"), QStringLiteral("SIM1"), saved });
        QVERIFY2(save.exitCode == 0, qPrintable(save.log));
        QVERIFY(QFileInfo::exists(saved));

        // The saved set with the window width changed, with that raw value no hexadecimal, and of another device.
        std::optional<ParameterSet> set = ParameterSet::load(saved, nullptr);
        QVERIFY(set);
        for (ParameterSet::Parameter &parameter : set->parameters) {
            if (parameter.id == QLatin1String("V_WindowWidth"))
                parameter.raw = QByteArray::fromHex("00C8");
        }
        QVERIFY(TestEnvironment::writeFile(folder.filePath(QStringLiteral("changed.ovxparams")), set->toJson()));
        QVERIFY(TestEnvironment::writeFile(folder.filePath(QStringLiteral("nothex.ovxparams")), set->toJson().replace("\"00C8\"", "\"00G8\"")));
        set->device.deviceId = 4242;
        QVERIFY(TestEnvironment::writeFile(folder.filePath(QStringLiteral("otherdevice.ovxparams")), set->toJson()));
        QVERIFY(TestEnvironment::writeFile(folder.filePath(QStringLiteral("notjson.ovxparams")), "this is no parameter set"));
    }

    void refusedWriteNamesTheDevicesError()
    {
        const ToolRun refused = onSample({ QStringLiteral("write"), QStringLiteral("SIM1"), QStringLiteral("67"), QStringLiteral("0001") });
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.lines.value(0).value("isduError").toString(), QStringLiteral("0x8030"));
        QVERIFY(refused.log.contains(QStringLiteral("out of range")));
    }

    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        for (const QStringList &columns : DataTable::rows(QStringLiteral("tools/cli-exit-statuses.tsv"))) {
            QStringList arguments = columns.mid(2);
            for (QString &argument : arguments)
                argument.replace(QStringLiteral("$dir"), folder.path()).replace(QStringLiteral("$sample"), SimulatedBench::sampleIodd());
            QTest::newRow(qPrintable(columns.first())) << arguments << columns.value(1).toInt();
        }
    }

    void exitStatuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        const ToolRun run = arguments.contains(QStringLiteral("SIM1")) ? onSample(arguments) : cli(arguments);
        QVERIFY2(run.exitCode == status, qPrintable(QStringLiteral("exit %1: %2").arg(run.exitCode).arg(run.log)));
    }

    void compareListsTheDifferencesAndASummary()
    {
        const ToolRun run = onSample({ QStringLiteral("params"), QStringLiteral("compare"), QStringLiteral("SIM1"),
                                   folder.filePath(QStringLiteral("changed.ovxparams")) });
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.lines.size(), 2);
        const QJsonObject difference = run.lines.first();
        QCOMPARE(difference.value("id").toString(), QStringLiteral("V_WindowWidth"));
        QCOMPARE(difference.value("file").toString(), QStringLiteral("00C8"));
        QCOMPARE(difference.value("device").toString(), QStringLiteral("0064"));
        QCOMPARE(run.lines.last().value("differ").toInt(), 1);
        QVERIFY(run.lines.last().value("summary").toString().startsWith(QStringLiteral("1 of ")));
    }

    void restoreWritesTheFileAndConfirmsIt()
    {
        const ToolRun run = onSample({ QStringLiteral("params"), QStringLiteral("restore"), QStringLiteral("SIM1"),
                                   folder.filePath(QStringLiteral("changed.ovxparams")), QStringLiteral("--yes") });
        QVERIFY2(run.exitCode == 0, qPrintable(run.log));
        bool confirmed = false;
        for (const QJsonObject &line : run.lines)
            confirmed = confirmed || (line.value("id").toString() == QLatin1String("V_WindowWidth")
                                      && line.value("outcome").toString() == QLatin1String("Confirmed"));
        QVERIFY(confirmed);
        QVERIFY(run.lines.last().value("restored").toBool());
    }

    void ioddImportListAndRemove()
    {
        QTemporaryDir ioddFolder;
        const QStringList in { QStringLiteral("--iodd-folder"), ioddFolder.path() };
        const ToolRun imported = cli(in + QStringList { "iodd", "import", SimulatedBench::sampleIodd() });
        QVERIFY2(imported.exitCode == 0, qPrintable(imported.log));
        QCOMPARE(imported.lines.value(0).value("status").toString(), QStringLiteral("imported"));
        // A file that is no device description fails the import, the others still count.
        const ToolRun refused = cli(in + QStringList { "iodd", "import", SimulatedBench::sampleIodd(), folder.filePath(QStringLiteral("notjson.ovxparams")) });
        QCOMPARE(refused.exitCode, 1);

        const ToolRun listed = cli(in + QStringList { "iodd", "list" });
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(listed.lines.size(), 1);
        QVERIFY(listed.lines.first().value("used").toBool());
        const QString file = listed.lines.first().value("file").toString();
        QCOMPARE(cli(in + QStringList { "iodd", "remove", file }).exitCode, 0);
        QVERIFY(!QFileInfo::exists(file));
    }

    void statusPrintsTheDeviceHealth_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("hasStatus");
        QTest::newRow("sample on the simulated master") << QStringList { "--simulated", SimulatedBench::sampleIodd(), "status", "SIM1" } << true;
        QTest::newRow("device without a device status")
            << QStringList { "--simulated", SimulatedBench::testSensor(), "status", "SIM1" } << false;
    }

    void statusPrintsTheDeviceHealth()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, hasStatus);
        const ToolRun run = cli(arguments);
        QVERIFY2(run.exitCode == 0, qPrintable(run.log));
        QCOMPARE(run.lines.size(), 1);
        // What the health holds and how it reads as JSON is TestDeviceHealth's; the tool prints it, or says why not.
        const QJsonValue status = run.lines.first().value("deviceStatus");
        QVERIFY(hasStatus ? status.isDouble() : status.isNull());
        QCOMPARE(run.log.contains(QStringLiteral("does not report a device status")), !hasStatus);
    }

    void eventsArePrintedAsTheyArrive()
    {
        QVERIFY(!networkMaster().isEmpty());
        served->server->resetCounts();
        QProcess process;
        process.start(ToolRun::path(QStringLiteral("ovinex-cli")), QStringList { QStringLiteral("--master"), networkMaster() } + sampleFolder()
                                  + QStringList { QStringLiteral("events"), QStringLiteral("2"), QStringLiteral("--seconds"), QStringLiteral("4") });
        // Once the device is polled, the event is news to the tool.
        QTRY_VERIFY_WITH_TIMEOUT(served->server->requestCount(QStringLiteral("processdata")) > 0 || process.state() == QProcess::NotRunning, 60000);
        SimulatedMaster::instance().queueEvent(2, singleNotificationQualifier, teachDoneEvent);
        QVERIFY(process.waitForFinished(60000));
        const ToolRun run = ToolRun::of(process);
        QVERIFY2(run.exitCode == 0, qPrintable(run.log));
        // The sample's own lens warning may come and go meanwhile; the queued event must come exactly once.
        QList<QJsonObject> queued;
        for (const QJsonObject &line : run.lines) {
            if (line.value("code").toString() == QLatin1String("0x1802"))
                queued << line;
        }
        QCOMPARE(queued.size(), 1);
        // With the device's text; the names of type, mode and source are TestEventHistoryModel::qualifierFields'.
        QVERIFY(!queued.first().value("text").toString().isEmpty());
    }

    void deviceCommandsWorkThroughANetworkMaster()
    {
        QVERIFY(!networkMaster().isEmpty());
        const ToolRun ports = onNetworkMaster({ QStringLiteral("ports") });
        QVERIFY2(ports.exitCode == 0, qPrintable(ports.log));
        QCOMPARE(ports.lines.size(), 2);
        QCOMPARE(ports.lines.first().value("port").toString(), QStringLiteral("1"));
        QCOMPARE(ports.lines.first().value("productName").toString(), QStringLiteral("OVX100"));

        QCOMPARE(onNetworkMaster({ "read", "1", "67" }).lines.value(0).value("raw").toString(), QStringLiteral("0064"));

        const QString file = folder.filePath(QStringLiteral("network.ovxparams"));
        const ToolRun save = onNetworkMaster({ "params", "save", "1", file });
        QVERIFY2(save.exitCode == 0, qPrintable(save.log));
        QCOMPARE(onNetworkMaster({ "params", "compare", "2", file }).exitCode, 0);
        QCOMPARE(onNetworkMaster({ "read", "3", "67" }).exitCode, 2);
    }

private:
    // The simulated master of this process served as an Ethernet master, for --master.

    QString networkMaster()
    {
        if (served)
            return served->server->address();
        if (!SimulatedBench::use({ SimulatedBench::sampleIodd(), SimulatedBench::sampleIodd() }))
            return QString();
        SimulatedMaster::instance().useRealTime();
        served = std::make_unique<ServedMaster>();
        return served->listen() ? served->server->address() : QString();
    }

    ToolRun onNetworkMaster(const QStringList &arguments)
    {
        return cli(QStringList { QStringLiteral("--master"), networkMaster() } + sampleFolder() + arguments);
    }

    // An IODD folder holding the served device's IODD, searched the way a user's folder would be.

    QStringList sampleFolder()
    {
        const QString iodds = folder.filePath(QStringLiteral("iodds"));
        if (QDir().mkpath(iodds))
            QFile::copy(SimulatedBench::sampleIodd(), iodds + QLatin1Char('/') + QFileInfo(SimulatedBench::sampleIodd()).fileName());
        return { QStringLiteral("--iodd-folder"), iodds };
    }

    QTemporaryDir folder;
    QString saved;
    std::unique_ptr<ServedMaster> served;
};

OVINEX_TEST_MAIN(TestOvinexCli)
#include "tst_ovinexcli.moc"
