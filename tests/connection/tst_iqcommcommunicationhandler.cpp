#include "datatable.h"
#include "masterport.h"
#include "simulatedbench.h"
#include "testenvironment.h"

#include "app/applicationsettings.h"
#include "comm/communicationtask.h"
#include "connection/iqcommcommunicationhandler.h"
#include "master/masterlibrary.h"
#include "master/simulatedmaster.h"

#include <QSignalSpy>
#include <QThread>

#include <memory>

namespace {

// A handler in the test thread with spies on everything it reports.
struct Watched
{
    Watched()
        : handler(std::make_unique<IqCommCommunicationHandler>(SimulatedBench::port(1)))
        , values(handler.get(), &CommunicationHandler::valueReceived)
        , writes(handler.get(), &CommunicationHandler::writeFinished)
        , errors(handler.get(), &CommunicationHandler::errorOccurred)
        , losses(handler.get(), &CommunicationHandler::connectionError)
        , alerts(handler.get(), &CommunicationHandler::alertReceived)
        , processData(handler.get(), &CommunicationHandler::processDataReceived)
        , events(handler.get(), &CommunicationHandler::eventReceived)
        , uploads(handler.get(), &CommunicationHandler::uploadRequestReceived)
    {
        handler->setPortHandle(port.handle);
    }

    int answers() const { return values.count() + writes.count() + errors.count() + losses.count(); }

    // Opened and in operating mode, as the connection handler leaves it.
    MasterPort port { 1 };
    std::unique_ptr<IqCommCommunicationHandler> handler;
    QSignalSpy values;
    QSignalSpy writes;
    QSignalSpy errors;
    QSignalSpy losses;
    QSignalSpy alerts;
    QSignalSpy processData;
    QSignalSpy events;
    QSignalSpy uploads;
};

// A handler in a worker thread of its own, fed with tasks from the test thread; ends its thread on every way out.
struct InWorker
{
    explicit InWorker(IqCommHandle handle)
        : handler(new IqCommCommunicationHandler(SimulatedBench::port(1)))
    {
        handler->setPortHandle(handle);
        handler->moveToThread(&worker);
        worker.start();
    }
    ~InWorker()
    {
        worker.quit();
        worker.wait();
        delete handler;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Handed over as the device in the main thread does, the answer collected in the main thread.
    void submit(uint command, const QByteArray &payload = QByteArray())
    {
        auto *task = new CommunicationTask(nullptr, 0, command, payload);
        QObject::connect(task, &CommunicationTask::finished, &context, [this](bool success, uint, uint, const QString &errorText) {
            answers.append(success ? QStringLiteral("ok") : errorText);
        });
        QMetaObject::invokeMethod(handler, [this, task] { handler->addTask(task); });
    }

    QThread worker;
    IqCommCommunicationHandler *handler;
    QObject context;
    QStringList answers;
};

} // namespace

class TestIqCommCommunicationHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(SimulatedBench::use(ApplicationSettings::defaultSimulatedDevices()));
    }

    void init()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        master.setDeviceFiles(master.deviceFiles());
        master.setTime(0);
        QCOMPARE(master.availablePorts().size(), 1);
    }

    void failuresAndLostDevices_data()
    {
        DataTable::addRows(QStringLiteral("connection/isdu-failures.tsv"));
    }

    void failuresAndLostDevices()
    {
        QFETCH(bool, isWrite);
        QFETCH(int, result);
        QFETCH(int, isduError);
        QFETCH(bool, lost);
        Watched watched;
        SimulatedMaster::instance().failNextCalls(1, 1, result, quint16(isduError));
        if (isWrite)
            watched.handler->writeEntryData(62, 0, QByteArray::fromHex("0001"));
        else
            watched.handler->readEntryData(62, 0);

        QCOMPARE(watched.answers(), 1);
        QCOMPARE(watched.losses.count(), lost ? 1 : 0);
        QCOMPARE(watched.errors.count(), lost ? 0 : 1);
        const QString answer = (lost ? watched.losses : watched.errors).at(0).at(0).toString();
        QVERIFY(answer.startsWith(lost ? QStringLiteral("IOLink lost connection:\n\n") : QStringLiteral("IOLink communication error:\n\n")));
        QVERIFY2(answer.endsWith(QStringLiteral(" (code: %1)").arg(isduError)), qPrintable(answer));
        QCOMPARE(watched.alerts.count(), 1);
        const QString alert = watched.alerts.at(0).at(0).toString();
        QVERIFY(alert.startsWith(QStringLiteral("IO-Link error on SIM1.\n\nISDU error: Simulated failure")));
        QVERIFY(alert.endsWith(QStringLiteral(", code: %1.").arg(isduError)));
        // A refused write leaves the device's value alone.
        QCOMPARE(SimulatedMaster::instance().parameter(1, 62).toHex(), QByteArray("0000"));
    }

    void requestsWithoutPort()
    {
        IqCommCommunicationHandler handler(SimulatedBench::port(1));
        QSignalSpy errors(&handler, &CommunicationHandler::errorOccurred);
        handler.readEntryData(66, 0);
        handler.writeEntryData(66, 0, QByteArray::fromHex("0001"));
        handler.writeProcessData(QByteArray::fromHex("01"));
        handler.pollProcessData();
        QCOMPARE(errors.count(), 4);
        QCOMPARE(SimulatedMaster::instance().callCount(1, QStringLiteral("mst_ReadOD")), 0);
    }

    void refusedProcessDataWriteIsAnError()
    {
        Watched watched;
        watched.handler->writeProcessData(QByteArray::fromHex("01"));
        QCOMPARE(SimulatedMaster::instance().lastOutput(1).toHex(), QByteArray("01"));
        QCOMPARE(watched.writes.count(), 1);
        SimulatedMaster::instance().failNextCalls(1, 1, IqCommOperationFailed, 0, QStringLiteral("mst_SetPDValue"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Writing PD failed: -5")));
        watched.handler->writeProcessData(QByteArray::fromHex("00"));
        // One answer per request; the refused one is no success.
        QCOMPARE(watched.writes.count(), 1);
        QCOMPARE(watched.errors.count(), 1);
        QCOMPARE(watched.answers(), 2);
        QCOMPARE(SimulatedMaster::instance().lastOutput(1).toHex(), QByteArray("01"));
    }

    void pollDeliversProcessDataEventsAndLateUploadRequests()
    {
        Watched watched;
        watched.handler->pollProcessData();
        QCOMPARE(watched.processData.count(), 1);
        QCOMPARE(watched.processData.at(0).at(0).toByteArray().size(), 4);
        QCOMPARE(watched.values.count(), 1);
        QCOMPARE(watched.values.at(0).at(0).toByteArray(), QByteArray());

        // The sample device supports data storage, so its own write raises an upload request: not reported within
        // 50 ms of the write, while other events are.
        watched.handler->writeEntryData(62, 0, QByteArray::fromHex("0005"));
        QCOMPARE(watched.writes.count(), 1);
        watched.handler->pollProcessData();
        QCOMPARE(SimulatedMaster::instance().callCount(1, QStringLiteral("mst_ReadEvent")), 1);
        QCOMPARE(watched.events.count(), 0);
        SimulatedMaster::instance().queueEvent(1, 0xF4, 0x1804); // appear, error
        watched.handler->pollProcessData();
        QCOMPARE(watched.events.count(), 1);
        QCOMPARE(watched.events.at(0).at(0).toUInt(), 0x1804u);
        QCOMPARE(watched.events.at(0).at(1).toUInt(), 3u);
        QCOMPARE(watched.values.count(), 3);
        QCOMPARE(watched.uploads.count(), 0);

        QVERIFY(watched.handler->isUploadRequestSuppressed());
        QTRY_VERIFY(!watched.handler->isUploadRequestSuppressed());
        SimulatedMaster::instance().queueEvent(1, 0x54, 0xFF91);
        watched.handler->pollProcessData();
        QCOMPARE(watched.events.count(), 2);
        QCOMPARE(watched.events.at(1).at(0).toUInt(), 0xFF91u);
        QCOMPARE(watched.events.at(1).at(1).toUInt(), 1u);
        QCOMPARE(watched.uploads.count(), 1);

        // A failed event read is ignored; the poll still ends the task.
        SimulatedMaster::instance().queueEvent(1, 0xF4, 0x1805);
        SimulatedMaster::instance().failNextCalls(1, 1, IqCommOperationFailed, 0, QStringLiteral("mst_ReadEvent"));
        watched.handler->pollProcessData();
        QCOMPARE(watched.events.count(), 2);
        QCOMPARE(watched.values.count(), 5);
        QCOMPARE(watched.losses.count(), 0);
    }

    void pollOfAnInaccessibleDevice_data()
    {
        DataTable::addRows(QStringLiteral("connection/inaccessible-polls.tsv"));
    }

    void pollOfAnInaccessibleDevice()
    {
        QFETCH(QString, situation);
        QFETCH(QString, expectedLoss);
        Watched watched;
        SimulatedMaster &master = SimulatedMaster::instance();
        if (situation == QLatin1String("invalid")) {
            master.setProcessDataInvalid(1, true);
        } else if (situation == QLatin1String("unplugged")) {
            master.unplug(1);
        } else {
            char errorText[IqCommErrorTextSize] = {};
            uint8_t mode = 0;
            MasterLibrary::instance().setOperatingMode(watched.handler->getPortHandle(), 0, 0, &mode, errorText);
        }
        watched.handler->pollProcessData();
        QCOMPARE(watched.losses.count(), 1);
        QVERIFY(watched.losses.at(0).at(0).toString().startsWith(expectedLoss));
        QCOMPARE(watched.values.count(), 0);
        QCOMPARE(watched.processData.count(), 0);
        QCOMPARE(watched.alerts.count(), 1);
        if (situation != QLatin1String("unplugged"))
            QCOMPARE(watched.alerts.at(0).at(0).toString(), QStringLiteral("IO-Link device inaccessible on SIM1."));
    }

    void takingTheHandleAwayAnswersEveryTask()
    {
        auto first = std::make_unique<MasterPort>(1);
        InWorker device(first->handle);
        const uint poll = CommunicationTask::ProcessDataReadCommand;
        const uint output = CommunicationTask::ProcessDataWriteCommand;

        // A slow link keeps the first task running while more are queued.
        SimulatedMaster::instance().setCallDelay(1, 200);
        device.submit(poll);
        device.submit(output, QByteArray::fromHex("01"));
        device.submit(output, QByteArray::fromHex("02"));
        QTRY_COMPARE(SimulatedMaster::instance().callCount(1, QStringLiteral("mst_GetStatus")), 1);
        device.handler->setPortHandle(-1); // waits for the running call, which still completes
        QTRY_COMPARE(device.answers.size(), 3);
        QCOMPARE(device.answers.first(), QStringLiteral("ok"));
        QCOMPARE(device.answers.mid(1), (QStringList{QStringLiteral("IOLink not connected"), QStringLiteral("IOLink not connected")}));
        QCOMPARE(SimulatedMaster::instance().callCount(1, QStringLiteral("mst_SetPDValue")), 0);

        // The handler is not left busy: a new connection runs new tasks.
        SimulatedMaster::instance().setCallDelay(1, 0);
        first.reset();
        const MasterPort second(1);
        device.handler->setPortHandle(second.handle);
        device.submit(output, QByteArray::fromHex("03"));
        QTRY_COMPARE(device.answers.size(), 4);
        QCOMPARE(device.answers.last(), QStringLiteral("ok"));
        QCOMPARE(SimulatedMaster::instance().lastOutput(1).toHex(), QByteArray("03"));
    }
};

OVINEX_TEST_MAIN(TestIqCommCommunicationHandler)
#include "tst_iqcommcommunicationhandler.moc"
