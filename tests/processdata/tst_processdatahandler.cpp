#include "processdatafixtures.h"
#include "processdata/processdatahandler.h"
#include "processdata/processdatarecorditeminfowrapper.h"
#include "testenvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace ProcessDataFixtures;

// A device as the handler sees it: its binding translates text ids.
class FakeBinding : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QString translate(const QString &textId) const { return QStringLiteral("<%1>").arg(textId); }
};

class FakeDevice : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *ioLink READ getIoLink CONSTANT)

public:
    QObject *getIoLink() { return &binding; }
    FakeBinding binding;
};

class TestProcessDataHandler : public QObject
{
    Q_OBJECT

private slots:
    void runningStates();
    void pauseKeepsStopDropsSamples();
    void valuesUpdateWhileNotRecording();
    void payloadTiming();
    void exportLayout();
    void exportNumberFormat();
    void exportWithoutRefs();
    void exportLeavesOutRefsWhoseConditionFails();
    void exportKeepsColumnsApart();
    void titlesThroughTheDeviceBinding();
    void copyToClipboard();
    void saveToFile();
    void saveToUnwritableFile();
    void outputOfTheSelectedDefinition();
    void refsSetWhileRunningRecord();
    void deletedRefsAreSkipped();

private:
    struct Setup
    {
        Setup()
        {
            handler.setClock(clock.function());
            handler.setTranslator([](const QString &textId) { return textId.mid(3); });
            handler.setProcessDatas(device.processDatas);
            handler.setProcessDataRefs(device.refs);
        }
        ProcessDataRecordItemInfoWrapper *info(const QString &itemId, int position) const
        {
            return device.ref(itemId)->getInfos().at(position);
        }
        void receive(const QByteArray &payload, qint64 after)
        {
            clock.now += after;
            handler.onProcessDataReceived(payload);
        }
        Device device;
        FakeClock clock;
        ProcessDataHandler handler;
    };

    static QStringList lines(const QString &text) { return text.split(QLatin1Char('\n')); }
};

void TestProcessDataHandler::runningStates()
{
    Setup setup;
    QSignalSpy spy(&setup.handler, &ProcessDataHandler::runningChanged);
    QVERIFY(!setup.handler.isRunning());
    setup.handler.start();
    QVERIFY(setup.handler.property("running").toBool());
    setup.handler.pause();
    QVERIFY(!setup.handler.isRunning());
    QVERIFY(setup.handler.isPaused());
    setup.handler.start();
    QVERIFY(setup.handler.isRunning());
    setup.handler.stop();
    setup.handler.stop();
    QVERIFY(!setup.handler.isRunning());
    QVERIFY(!setup.handler.isPaused());
    // Every call announces the state, also when it does not change.
    QCOMPARE(spy.count(), 5);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    QCOMPARE(spy.at(4).at(0).toBool(), false);
    QVERIFY(setup.info("PI_Main", 0)->property("isChartRunning").isValid());
}

void TestProcessDataHandler::pauseKeepsStopDropsSamples()
{
    Setup setup;
    ProcessDataRecordItemInfoWrapper *level = setup.info("PI_Main", 0);
    setup.handler.start();
    for (int i = 0; i < 3; ++i)
        setup.receive(mainPayload(100, 0, 0, false), 20);
    QCOMPARE(int(level->getSamples().size()), 3);

    setup.handler.pause();
    setup.receive(mainPayload(100, 0, 0, false), 20);
    QCOMPARE(int(level->getSamples().size()), 3);
    setup.handler.start();
    setup.receive(mainPayload(100, 0, 0, false), 20);
    QCOMPARE(int(level->getSamples().size()), 4);

    setup.handler.stop();
    QCOMPARE(int(level->getSamples().size()), 4);
    setup.handler.start();
    QVERIFY(level->getSamples().empty());

    setup.receive(mainPayload(100, 0, 0, false), 20);
    setup.handler.clear();
    QVERIFY(level->getSamples().empty());
    QVERIFY(setup.handler.isRunning());
}

void TestProcessDataHandler::valuesUpdateWhileNotRecording()
{
    Setup setup;
    setup.receive(mainPayload(150, 0, 0, false), 20);
    QCOMPARE(setup.info("PI_Main", 0)->property("value"), QVariant(15.0));
    QVERIFY(setup.info("PI_Main", 0)->getSamples().empty());
}

void TestProcessDataHandler::payloadTiming()
{
    Setup setup;
    setup.handler.start();
    setup.receive(mainPayload(1, 0, 0, false), 20);
    QCOMPARE(setup.device.recordItem("PI_Main", 1)->getDuration(), qint64(20));
    setup.receive(mainPayload(1, 0, 0, false), 35);
    QCOMPARE(setup.device.recordItem("PI_Main", 1)->getDuration(), qint64(35));
}

void TestProcessDataHandler::exportLayout()
{
    Setup setup;
    setup.handler.start();
    setup.receive(mainPayload(10, 0, 0, false), 20);
    setup.receive(mainPayload(11, 1, 0, true), 20);
    setup.receive(mainPayload(12, 2, 0, false), 21);

    const QString start = setup.handler.getStartTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(!start.isEmpty());
    // Refs in order, each with its infos: the output ref has no samples but a column of its own.
    const QStringList expected {
        QStringLiteral("Start time; Time[ms]; Level; Signed; Temperature; Switch; OutNibble; OutSwitch; "),
        start + QStringLiteral("; 0; 1; 0; 0; 0; "),
        QStringLiteral("; 20; 1.1; 0.5; 0; 1; "),
        QStringLiteral("; 40; 1.2; 1; 0; 0; "),
        QString(),
    };
    QCOMPARE(lines(setup.handler.exportText()), expected);
}

void TestProcessDataHandler::exportNumberFormat()
{
    Setup setup;
    setup.handler.start();
    // Temperature has the gradient 2.
    setup.receive(mainPayload(0, 0, 617283.5f, false), 20);
    setup.receive(mainPayload(0, 0, 0.25f, false), 20);
    setup.receive(mainPayload(0, 0, 61.7f, false), 20);
    const QStringList rows = lines(setup.handler.exportText());
    QCOMPARE(rows.at(1).split(QStringLiteral("; ")).at(4), QStringLiteral("1.23457e+06"));
    QCOMPARE(rows.at(2).split(QStringLiteral("; ")).at(4), QStringLiteral("0.5"));
    QCOMPARE(rows.at(3).split(QStringLiteral("; ")).at(4), QStringLiteral("123.4"));
}

void TestProcessDataHandler::exportWithoutRefs()
{
    ProcessDataHandler handler;
    QCOMPARE(handler.exportText(), QStringLiteral("Start time; Time[ms]; \n"));
    handler.start();
    handler.onProcessDataReceived(QByteArray("x"));
    QCOMPARE(handler.exportText(), QStringLiteral("Start time; Time[ms]; \n"));
}

void TestProcessDataHandler::exportLeavesOutRefsWhoseConditionFails()
{
    Setup setup;
    setup.handler.start();
    setup.device.select(1);
    setup.receive(QByteArray::fromHex("0102"), 20);
    const QStringList rows = lines(setup.handler.exportText());
    QCOMPARE(rows.at(0), QStringLiteral("Start time; Time[ms]; PI_Level; "));
    QVERIFY(rows.at(1).endsWith(QStringLiteral("; 0; 2.58; ")));
}

void TestProcessDataHandler::exportKeepsColumnsApart()
{
    Setup setup;
    setup.handler.start();
    for (int i = 0; i < 3; ++i)
        setup.receive(mainPayload(10, 2, 1.0f, false), 20);
    // The first column loses its samples; the others keep theirs, under their own titles and with their times.
    setup.info("PI_Main", 0)->resetChart();
    const QStringList rows = lines(setup.handler.exportText());
    QCOMPARE(rows.at(0), QStringLiteral("Start time; Time[ms]; Level; Signed; Temperature; Switch; OutNibble; OutSwitch; "));
    const QString start = setup.handler.getStartTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QCOMPARE(rows.at(1), start + QStringLiteral("; 0; ; 1; 2; 0; "));
    QCOMPARE(rows.at(3), QStringLiteral("; 40; ; 1; 2; 0; "));
}

void TestProcessDataHandler::titlesThroughTheDeviceBinding()
{
    Device device;
    FakeDevice owner;
    auto *handler = new ProcessDataHandler(&owner);
    handler->setProcessDataRefs({ device.ref("PI_Main") });
    QVERIFY(handler->exportText().startsWith(QStringLiteral("Start time; Time[ms]; <TN_Level>; <TN_Signed>; ")));

    ProcessDataHandler orphan;
    orphan.setProcessDataRefs({ device.ref("PI_Main") });
    QVERIFY(orphan.exportText().startsWith(QStringLiteral("Start time; Time[ms]; TN_Level; TN_Signed; ")));
}

void TestProcessDataHandler::copyToClipboard()
{
    Setup setup;
    setup.handler.start();
    setup.receive(mainPayload(10, 0, 0, false), 20);
    QGuiApplication::clipboard()->clear();
    setup.handler.copyToClipboard();
    QCOMPARE(QGuiApplication::clipboard()->text(), setup.handler.exportText());
}

void TestProcessDataHandler::saveToFile()
{
    Setup setup;
    setup.handler.start();
    setup.receive(mainPayload(10, 0, 0, false), 20);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data.csv"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4096, 'o'));
    }
    QSignalSpy failures(&setup.handler, &ProcessDataHandler::saveFailed);
    setup.handler.saveToFile(QUrl::fromLocalFile(path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(QString::fromUtf8(saved.readAll()), setup.handler.exportText());
    QCOMPARE(QGuiApplication::clipboard()->text(), setup.handler.exportText());
    QCOMPARE(failures.count(), 0);
}

void TestProcessDataHandler::saveToUnwritableFile()
{
    Setup setup;
    setup.handler.start();
    setup.receive(mainPayload(10, 0, 0, false), 20);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/folder/data.csv"));
    QGuiApplication::clipboard()->clear();
    QSignalSpy failures(&setup.handler, &ProcessDataHandler::saveFailed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^can not open"));
    setup.handler.saveToFile(QUrl::fromLocalFile(path));
    QCOMPARE(failures.count(), 1);
    const QString message = failures.at(0).at(0).toString();
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("clipboard")));
    QCOMPARE(QGuiApplication::clipboard()->text(), setup.handler.exportText());
    QVERIFY(!QFile::exists(path));
}

void TestProcessDataHandler::outputOfTheSelectedDefinition()
{
    Setup setup;
    QByteArray out;
    QVERIFY(setup.handler.getOutputData(out));
    QCOMPARE(out.size(), 2);
    // Once the device switched to the other layout, its output is sent.
    setup.device.select(1);
    QVERIFY(setup.handler.getOutputData(out));
    QCOMPARE(out.size(), 1);

    ProcessDataHandler empty;
    QVERIFY(!empty.getOutputData(out));
}

void TestProcessDataHandler::refsSetWhileRunningRecord()
{
    Device device;
    ProcessDataHandler handler;
    handler.setProcessDatas(device.processDatas);
    handler.start();
    QSignalSpy spy(&handler, &ProcessDataHandler::processDataRefsChanged);
    handler.setProcessDataRefs(device.refs);
    handler.setProcessDataRefs(device.refs);
    QCOMPARE(spy.count(), 1);
    handler.onProcessDataReceived(mainPayload(10, 0, 0, false));
    QCOMPARE(int(device.ref("PI_Main")->getInfos().first()->getSamples().size()), 1);
    QCOMPARE(handler.property("processDataRefs").value<QList<QObject *>>().size(), 3);
}

void TestProcessDataHandler::deletedRefsAreSkipped()
{
    auto device = std::make_unique<Device>();
    ProcessDataHandler handler;
    handler.setProcessDatas(device->processDatas);
    handler.setProcessDataRefs(device->refs);
    handler.start();
    handler.onProcessDataReceived(mainPayload(10, 0, 0, false));
    // The binding goes away with the device's description; the handler outlives it.
    device.reset();
    QCOMPARE(handler.exportText(), QStringLiteral("Start time; Time[ms]; \n"));
    QVERIFY(handler.getProcessDataRefs().isEmpty());
    handler.onProcessDataReceived(mainPayload(10, 0, 0, false));
    handler.stop();
}

OVINEX_TEST_MAIN(TestProcessDataHandler)
#include "tst_processdatahandler.moc"
