#include "processdatafixtures.h"
#include "processdata/processdatahandler.h"
#include "processdata/processdatarecorditeminfowrapper.h"
#include "testenvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace ProcessDataFixtures;

// The device's binding, as far as the handler asks it: it translates text ids.
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
    void runningStatesAndSamples();
    void exportLayout();
    void exportNumbersAndColumns();
    void exportWithoutRefs();
    void titlesThroughTheDeviceBinding();
    void clipboardAndFile();
    void saveToUnwritableFile();
    void outputOfTheSelectedDefinition();

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
        int samples(int position = 0) const { return int(device.ref("PI_Main")->getInfos().at(position)->getSamples().size()); }
        void receive(const QByteArray &payload, qint64 after)
        {
            clock.now += after;
            handler.onProcessDataReceived(payload);
        }
        QString startCell() const { return handler.getStartTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }
        Device device;
        FakeClock clock;
        ProcessDataHandler handler;
    };

    static QStringList lines(const QString &text) { return text.split(QLatin1Char('\n')); }
};

void TestProcessDataHandler::runningStatesAndSamples()
{
    Setup setup;
    QSignalSpy spy(&setup.handler, &ProcessDataHandler::runningChanged);
    // Values follow the device also while nothing is recorded.
    setup.receive(mainPayload(150, 0, 0, false), 20);
    QCOMPARE(setup.device.ref("PI_Main")->getInfos().first()->property("value"), QVariant(15.0));
    QCOMPARE(setup.samples(), 0);

    setup.handler.start();
    QVERIFY(setup.handler.property("running").toBool());
    for (int i = 0; i < 3; ++i)
        setup.receive(mainPayload(100, 0, 0, false), 20);
    QCOMPARE(setup.samples(), 3);
    QCOMPARE(setup.device.recordItem("PI_Main", 1)->getDuration(), qint64(20));

    setup.handler.pause();
    setup.receive(mainPayload(100, 0, 0, false), 35);
    QCOMPARE(setup.samples(), 3);
    setup.handler.start();
    setup.receive(mainPayload(100, 0, 0, false), 20);
    QCOMPARE(setup.samples(), 4);

    setup.handler.stop();
    setup.handler.stop();
    QCOMPARE(setup.samples(), 4);
    QVERIFY(!setup.handler.isRunning() && !setup.handler.isPaused());
    setup.handler.start();
    QCOMPARE(setup.samples(), 0);

    setup.receive(mainPayload(100, 0, 0, false), 20);
    setup.handler.clear();
    QCOMPARE(setup.samples(), 0);
    QVERIFY(setup.handler.isRunning());
    // Every call announces the state, also when it does not change.
    const QList<bool> expected { true, false, true, false, false, true };
    QCOMPARE(spy.count(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(spy.at(i).at(0).toBool(), expected.at(i));
}

void TestProcessDataHandler::exportLayout()
{
    Setup setup;
    setup.handler.start();
    setup.receive(mainPayload(10, 0, 0, false), 20);
    setup.receive(mainPayload(11, 1, 0, true), 20);
    setup.receive(mainPayload(12, 2, 0, false), 21);
    // Refs in order, each with its infos; the output ref records nothing but has its columns.
    const QStringList expected {
        QStringLiteral("Start time; Time[ms]; Level; Signed; Temperature; Switch; OutNibble; OutSwitch; "),
        setup.startCell() + QStringLiteral("; 0; 1; 0; 0; 0; "),
        QStringLiteral("; 20; 1.1; 0.5; 0; 1; "),
        QStringLiteral("; 40; 1.2; 1; 0; 0; "),
        QString(),
    };
    QCOMPARE(lines(setup.handler.exportText()), expected);

    // Refs whose condition does not apply are left out.
    setup.device.select(1);
    setup.receive(QByteArray::fromHex("0102"), 20);
    QCOMPARE(lines(setup.handler.exportText()).first(), QStringLiteral("Start time; Time[ms]; PI_Level; "));
    QVERIFY(lines(setup.handler.exportText()).at(1).endsWith(QStringLiteral("; 0; 2.58; ")));
}

void TestProcessDataHandler::exportNumbersAndColumns()
{
    Setup setup;
    setup.handler.start();
    // Temperature has the gradient 2.
    setup.receive(mainPayload(0, 0, 617283.5f, false), 20);
    setup.receive(mainPayload(0, 0, 0.25f, false), 20);
    setup.receive(mainPayload(0, 0, 61.7f, false), 20);
    QStringList rows = lines(setup.handler.exportText());
    QCOMPARE(rows.at(1).split(QStringLiteral("; ")).at(4), QStringLiteral("1.23457e+06"));
    QCOMPARE(rows.at(2).split(QStringLiteral("; ")).at(4), QStringLiteral("0.5"));
    QCOMPARE(rows.at(3).split(QStringLiteral("; ")).at(4), QStringLiteral("123.4"));

    // When the first column has lost its samples, the others stay under their own titles, with times.
    setup.device.ref("PI_Main")->getInfos().first()->resetChart();
    rows = lines(setup.handler.exportText());
    QCOMPARE(rows.at(1), setup.startCell() + QStringLiteral("; 0; ; 0; 1.23457e+06; 0; "));
    QCOMPARE(rows.at(3), QStringLiteral("; 40; ; 0; 123.4; 0; "));
}

void TestProcessDataHandler::exportWithoutRefs()
{
    ProcessDataHandler handler;
    QCOMPARE(handler.exportText(), QStringLiteral("Start time; Time[ms]; \n"));

    // The handler outlives the binding that owns its refs.
    auto device = std::make_unique<Device>();
    handler.setProcessDatas(device->processDatas);
    handler.setProcessDataRefs(device->refs);
    handler.start();
    handler.onProcessDataReceived(mainPayload(10, 0, 0, false));
    device.reset();
    QCOMPARE(handler.exportText(), QStringLiteral("Start time; Time[ms]; \n"));
    QVERIFY(handler.getProcessDataRefs().isEmpty());
    handler.onProcessDataReceived(mainPayload(10, 0, 0, false));
}

void TestProcessDataHandler::titlesThroughTheDeviceBinding()
{
    Device device;
    FakeDevice owner;
    auto *handler = new ProcessDataHandler(&owner);
    QSignalSpy spy(handler, &ProcessDataHandler::processDataRefsChanged);
    handler->start();
    handler->setProcessDatas(device.processDatas);
    handler->setProcessDataRefs({ device.ref("PI_Main") });
    handler->setProcessDataRefs({ device.ref("PI_Main") });
    QCOMPARE(spy.count(), 1);
    QVERIFY(handler->exportText().startsWith(QStringLiteral("Start time; Time[ms]; <TN_Level>; <TN_Signed>; ")));
    // Refs handed over while recording runs record at once.
    handler->onProcessDataReceived(mainPayload(10, 0, 0, false));
    QCOMPARE(lines(handler->exportText()).size(), 3);

    ProcessDataHandler orphan;
    orphan.setProcessDataRefs({ device.ref("PI_Main") });
    QVERIFY(orphan.exportText().startsWith(QStringLiteral("Start time; Time[ms]; TN_Level; TN_Signed; ")));
}

void TestProcessDataHandler::clipboardAndFile()
{
    Setup setup;
    setup.handler.start();
    setup.receive(mainPayload(10, 0, 0, false), 20);
    QGuiApplication::clipboard()->clear();
    setup.handler.copyToClipboard();
    QCOMPARE(QGuiApplication::clipboard()->text(), setup.handler.exportText());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(4096, 'o'));
    old.close();
    setup.receive(mainPayload(11, 0, 0, false), 20);
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
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)) && message.contains(QStringLiteral("clipboard")),
             qPrintable(message));
    QCOMPARE(QGuiApplication::clipboard()->text(), setup.handler.exportText());
}

void TestProcessDataHandler::outputOfTheSelectedDefinition()
{
    Setup setup;
    QByteArray out;
    QVERIFY(setup.handler.getOutputData(out));
    QCOMPARE(out.size(), 2);
    // Once the device switched to the other layout, that layout's output is sent.
    setup.device.select(1);
    QVERIFY(setup.handler.getOutputData(out));
    QCOMPARE(out.size(), 1);

    ProcessDataHandler empty;
    QVERIFY(!empty.getOutputData(out));
}

OVINEX_TEST_MAIN(TestProcessDataHandler)
#include "tst_processdatahandler.moc"
