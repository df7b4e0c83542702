#include "datatable.h"
#include "menuentrylookup.h"
#include "simulatedbench.h"
#include "testenvironment.h"

#include "app/applicationsettings.h"
#include "binding/iolinkwrapper.h"
#include "comm/communicationhandler.h"
#include "comm/communicationqueue.h"
#include "comm/communicationtask.h"
#include "connection/iolinkserialdevice.h"
#include "connection/workerretirement.h"
#include "device/variablewrapper.h"
#include "master/simulateddevice.h"
#include "master/simulatedmaster.h"
#include "menu/menuentry.h"
#include "menu/menuentrysystemcommand.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QThread>

#include <algorithm>
#include <memory>

namespace {

constexpr int timeout = 20000;
constexpr int port = 1;
constexpr int deviceEventBuffer = 64;
// Polls watched on a slow link, and what may wait meanwhile: the capped process-data reads, the
// measurement-quality re-reads that go with them, and the running request.
constexpr int slowPolls = 30;
constexpr int maxWaitingOnSlowLink = 8;
const QString readCall = QStringLiteral("mst_ReadOD");
const QString writeCall = QStringLiteral("mst_WriteOD");
const QString statusCall = QStringLiteral("mst_GetStatus");
const QString notConnected = QStringLiteral("notConnected");
const QString connected = QStringLiteral("connected");

SimulatedMaster &master()
{
    return SimulatedMaster::instance();
}

// Threads of this process, where the system lists them (-1 elsewhere); a worker thread that outlives its
// device shows here. Idle pool threads (the background parse) come and go on their own clock and are not counted.
int threadCount()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    if (!tasks.exists())
        return -1;
    int count = 0;
    for (const QString &id : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(id + QStringLiteral("/comm")));
        if (!name.open(QIODevice::ReadOnly) || !name.readAll().startsWith("Thread (pooled)"))
            ++count;
    }
    return count;
}

} // namespace

// The device on the simulated master, disturbed at every stage of its life: pulled cable, refusals,
// floods of events, slow links. Whatever happens, the device ends where it should, nothing waits for
// good, no thread or task outlives it, and it connects and synchronises again afterwards.
class TestFaultInjection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(SimulatedBench::use(ApplicationSettings::defaultSimulatedDevices()));
        QCOMPARE(master().availablePorts().size(), 1);

        // The number of reads a synchronisation makes places the faults among them.
        auto device = SimulatedBench::device(port, SimulatedBench::sampleIodd());
        connect(device.get(), &IOLinkDevice::ioLinkWrapperChanged, this, [&]() {
            if (device->getBinding())
                syncReads = int(device->getBinding()->getSyncTasksTotal());
        });
        master().resetFaults();
        QVERIFY(SimulatedBench::connect(*device, timeout));
        QVERIFY(syncReads > 10);
        QVERIFY(master().callCount(port, readCall) >= syncReads);
    }

    void init()
    {
        master().setDeviceFiles(ApplicationSettings::defaultSimulatedDevices());
        master().resetFaults();
        master().useRealTime();
        threadsBefore = threadCount();
    }

    void cleanup()
    {
        master().resetFaults();
    }

    void faultMatrix_data()
    {
        DataTable::addRows(QStringLiteral("reliability/faults.tsv"));
    }

    void faultMatrix()
    {
        QFETCH(QString, fault);
        QFETCH(QString, phase);
        QFETCH(QString, call);
        QFETCH(int, amount);
        if (amount < 0)
            amount += syncReads;
        QFETCH(QString, expectedState);

        auto device = SimulatedBench::device(port, SimulatedBench::sampleIodd());
        QSignalSpy alerts(device.get(), &IOLinkDevice::alertTextChanged);
        QStringList states;
        connect(device.get(), &IOLinkDevice::stateChanged, this, [&]() { states << device->getState(); });
        master().resetFaults(); // the probe's calls do not count

        const bool beforeConnecting = phase == QLatin1String("connecting") || phase == QLatin1String("synchronising");
        if (beforeConnecting) {
            startFault(*device, fault, phase, call, amount);
            device->connectToDevice();
        } else {
            QVERIFY(SimulatedBench::connect(*device, timeout));
            startFault(*device, fault, phase, call, amount);
            applyPhase(*device, phase);
        }

        if (expectedState == notConnected) {
            QTRY_COMPARE_WITH_TIMEOUT(states.value(states.size() - 1), notConnected, timeout);
            if (beforeConnecting)
                QVERIFY2(!states.contains(connected), qPrintable(states.join(' ')));
            QVERIFY(!alerts.isEmpty());
            QTRY_VERIFY(!device->getBinding());
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(device->getState(), connected, timeout);
        }
        QCOMPARE(states.count(connected), beforeConnecting && expectedState == notConnected ? 0 : 1);
        if (fault == QLatin1String("slow link") && expectedState == connected) {
            // A link slower than the polling must not make requests pile up: each poll would wait longer.
            const int polls = master().callCount(port, statusCall);
            QTRY_VERIFY_WITH_TIMEOUT(master().callCount(port, statusCall) > polls + slowPolls, timeout);
            QVERIFY2(queue(*device)->count() <= maxWaitingOnSlowLink, qPrintable(QString::number(queue(*device)->count())));
        }
        if (fault == QLatin1String("refusal")) {
            const QString expected = phase != QLatin1String("synchronising") ? QStringLiteral("Setting value failed") : QStringLiteral("IO-Link error on");
            QTRY_VERIFY(std::any_of(alerts.cbegin(), alerts.cend(),
                                    [&](const QList<QVariant> &alert) { return alert.at(0).toString().contains(expected); }));
        }
        checkHandlerAnswers(*device);
        QCOMPARE(device->getState(), expectedState);
        if (QTest::currentTestFailed())
            return;

        // The fault is over: the device connects and synchronises again from the start; a lost device
        // is asked to connect again without being told to disconnect first.
        master().resetFaults();
        master().replug(port);
        if (device->getState() == connected)
            device->disconnectFromDevice();
        QTRY_COMPARE_WITH_TIMEOUT(device->getState(), notConnected, timeout);
        QTRY_COMPARE_WITH_TIMEOUT(queue(*device)->count(), 0, timeout);
        QVERIFY(SimulatedBench::connect(*device, timeout));
        checkValuesEqualTheDevice(*device);
        checkHandlerAnswers(*device);
        if (QTest::currentTestFailed())
            return;
        device->disconnectFromDevice();
        QTRY_COMPARE_WITH_TIMEOUT(device->getState(), notConnected, timeout);
        QTRY_COMPARE_WITH_TIMEOUT(queue(*device)->count(), 0, timeout);
        disconnect(device.get(), nullptr, this, nullptr);
        checkNothingOutlivesTheDevice(std::move(device));
    }

private:
    void startFault(IOLinkDevice &device, const QString &fault, const QString &phase, const QString &call, int amount)
    {
        if (fault == QLatin1String("unplug")) {
            master().unplugAfterCalls(port, amount, call);
        } else if (fault == QLatin1String("refusal")) {
            master().failNextCalls(port, amount, -5,
                                   phase == QLatin1String("synchronising") ? SimulatedDevice::isduIndexNotAvailable
                                                                           : SimulatedDevice::isduValueOutOfRange,
                                   call);
        } else if (fault == QLatin1String("slow link")) {
            master().setCallDelay(port, amount);
            if (!call.isEmpty())
                master().unplugAfterCalls(port, 10, call);
        } else {
            flood(device, fault == QLatin1String("event flood") ? quint16(0x1805) : SimulatedDevice::uploadRequestEvent, amount);
        }
    }

    // The device keeps only the newest events its buffer holds; the rest are lost as on a real device.
    void flood(IOLinkDevice &device, quint16 code, int amount)
    {
        QSignalSpy events(device.getCommunicationHandler(), &CommunicationHandler::eventReceived);
        master().queueEvent(port, SimulatedDevice::uploadRequestQualifier, code, amount);
        // Every event still held is taken, one per poll, and the polling goes on afterwards.
        const int statusCalls = master().callCount(port, statusCall);
        const int held = qMin(amount, deviceEventBuffer);
        // The simulated sensor raises events of its own (a dirty lens) when a slow run lasts long enough.
        const auto flooded = [&events, code]() {
            return std::count_if(events.cbegin(), events.cend(), [code](const QList<QVariant> &event) {
                return event.at(0).toUInt() == code;
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(flooded() >= held, timeout);
        QTRY_VERIFY_WITH_TIMEOUT(master().callCount(port, statusCall) > statusCalls + held + 5, timeout);
        QCOMPARE(int(flooded()), held);
    }

    void applyPhase(IOLinkDevice &device, const QString &phase)
    {
        if (phase == QLatin1String("polling")) {
            // Polling goes on under the fault (or until the device is lost).
            const int polls = master().callCount(port, statusCall);
            QTRY_VERIFY_WITH_TIMEOUT(master().callCount(port, statusCall) > polls + 5 || device.getState() != connected,
                                     timeout);
            return;
        }
        const int writes = master().callCount(port, writeCall);
        if (phase == QLatin1String("writing")) {
            MenuEntry *offset = menuEntryFor(device, QStringLiteral("V_DistanceOffset"));
            QVERIFY(offset);
            offset->setDataFromUserInput(250);
        } else {
            auto *teach = qobject_cast<MenuEntrySystemCommand *>(menuEntryFor(device, QStringLiteral("V_SystemCommand"), 65));
            QVERIFY(teach);
            teach->onButtonClicked();
        }
        QTRY_VERIFY_WITH_TIMEOUT(master().callCount(port, writeCall) > writes, timeout);
    }

    // A new request is answered, once, whatever state the device is in.
    void checkHandlerAnswers(IOLinkDevice &device)
    {
        auto *probe = new CommunicationTask(static_cast<VariableWrapper *>(nullptr), 0, CommunicationTask::ReadCommand);
        QSignalSpy answers(probe, &CommunicationTask::finished);
        QMetaObject::invokeMethod(device.getCommunicationHandler(), "addTask", Qt::QueuedConnection,
                                  Q_ARG(CommunicationTask *, probe));
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, timeout);
        // Whatever else was on its way through the worker thread arrives before the count is taken again.
        QMetaObject::invokeMethod(device.getCommunicationHandler(), []() {}, Qt::BlockingQueuedConnection);
        QCoreApplication::processEvents();
        QCOMPARE(answers.size(), 1);
    }

    void checkValuesEqualTheDevice(const IOLinkDevice &device)
    {
        IOLinkWrapper *binding = device.getBinding();
        QVERIFY(binding);
        QCOMPARE(binding->getSyncTasksRemaining(), 0u);
        int compared = 0;
        for (VariableWrapper *var : binding->getVariableWrappers()) {
            if (!var->isReadable() || var->getReferencedSubindexes().isEmpty() || var->getIndex() == 207)
                continue;
            // The sensor changes its status on its own (a dirty lens in a slow run); the window follows with the
            // re-read its event brings, so the device is asked afresh until both agree.
            const auto deviceValue = [var](quint32 subindex) {
                VariableWrapper expected(var->getVariable());
                expected.setDataFromDevice(0, master().parameter(port, var->getIndex()));
                return expected.getValue(subindex);
            };
            for (quint32 subindex : var->getReferencedSubindexes())
                QTRY_VERIFY2(var->getValue(subindex) == deviceValue(subindex), qPrintable(var->getId()));
            ++compared;
        }
        QVERIFY(compared >= syncReads - 1);
    }

    void checkNothingOutlivesTheDevice(std::unique_ptr<IOLinkSerialDevice> device)
    {
        QPointer<QThread> worker = device->getCommunicationHandler()->thread();
        QVERIFY(worker && worker != QThread::currentThread());
        QSignalSpy finished(worker.data(), &QThread::finished);
        device.reset();
        // The window does not wait for the worker; the application's end (here: the test) does.
        WorkerRetirement::finishAll();
        QCOMPARE(finished.size(), 1);
        QVERIFY(worker.isNull());
        // Qt may end a helper thread of its own meanwhile, so fewer is fine.
        if (threadsBefore >= 0)
            QTRY_VERIFY_WITH_TIMEOUT(threadCount() <= threadsBefore, timeout);
        QVERIFY(!master().isOpen(port));
    }

    // The queue is thread-safe; it is read here while the worker thread runs it.
    static CommunicationQueue *queue(const IOLinkDevice &device)
    {
        auto *found = device.getCommunicationHandler()->findChild<CommunicationQueue *>();
        Q_ASSERT(found);
        return found;
    }

    int syncReads = 0;
    int threadsBefore = 0;
};

OVINEX_TEST_MAIN(TestFaultInjection)
#include "tst_faultinjection.moc"
