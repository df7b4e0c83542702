#include "datatable.h"
#include "testenvironment.h"

#include "variablefixtures.h"
#include "comm/communicationlistmodel.h"
#include "comm/communicationqueue.h"
#include "comm/communicationtask.h"
#include "comm/communicationhandler.h"

#include <QApplication>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QSignalSpy>
#include <QThread>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

// A request as the back end saw it.
struct FakeRequest
{
    QString kind; // "read", "write", "poll", "writePD"
    int index = 0;
    int subIndex = 0;
    QByteArray data;
};

// Back end that answers from a script instead of a master. Configured from the test thread, runs in the worker.
class FakeBackEnd : public CommunicationHandler
{
    Q_OBJECT

public:
    using CommunicationHandler::CommunicationHandler;

    void setReadAnswer(int index, const QByteArray &payload) { locked([&] { readAnswers.insert(index, payload); }); }
    void setWriteFailure(int index, const QString &text) { locked([&] { writeFailures.insert(index, text); }); }
    // An empty text stops the loss.
    void setLostOn(int index, const QString &text)
    {
        locked([&] { text.isEmpty() ? void(losses.remove(index)) : void(losses.insert(index, text)); });
    }
    void setUnsupportedIndex(int index) { locked([&] { unsupportedIndex = index; }); }
    // A slow device: requests are recorded but answered only by releaseOne / releaseAll.
    void setHolding(bool on) { locked([&] { holding = on; }); }
    void releaseOne() { QMetaObject::invokeMethod(this, [this] { answerNextHeld(); }, Qt::QueuedConnection); }
    void releaseAll()
    {
        setHolding(false);
        QMetaObject::invokeMethod(this, [this] { while (answerNextHeld()) {} }, Qt::QueuedConnection);
    }
    void emitEvent(uint code, ushort mode)
    {
        QMetaObject::invokeMethod(this, [=] { emit eventReceived(code, mode); }, Qt::QueuedConnection);
    }

    QList<FakeRequest> requests() const { return locked([&] { return seen; }); }
    int heldCount() const { return locked([&] { return held.size(); }); }
    int count(const QString &kind) const
    {
        const QList<FakeRequest> all = requests();
        return int(std::count_if(all.cbegin(), all.cend(), [&](const FakeRequest &r) { return r.kind == kind; }));
    }

    void readEntryData(int index, int subIndex) override { handle({ "read", index, subIndex, {} }); }
    void writeEntryData(int index, int subIndex, QByteArray data) override { handle({ "write", index, subIndex, data }); }
    void pollProcessData() override { handle({ "poll", 0, 0, {} }); }
    void writeProcessData(QByteArray data) override { handle({ "writePD", 0, 0, data }); }
    bool isIndexSupported(uint index) const override { return locked([&] { return int(index) != unsupportedIndex; }); }

private:
    template<typename F>
    auto locked(F f) const -> decltype(f())
    {
        QMutexLocker locker(&mutex);
        return f();
    }

    void handle(const FakeRequest &request)
    {
        QMutexLocker locker(&mutex);
        seen.append(request);
        const std::function<void()> answer = answerFor(request);
        if (holding) {
            held.append(answer);
            return;
        }
        locker.unlock();
        answer();
    }

    // Called with the mutex held.
    std::function<void()> answerFor(const FakeRequest &request)
    {
        if (losses.contains(request.index) && request.kind != QLatin1String("poll"))
            return [this, text = losses.value(request.index)] { emit connectionError(text); };
        // Process-data writes fail through index 0.
        if (writeFailures.contains(request.index)
            && (request.kind == QLatin1String("write") || request.kind == QLatin1String("writePD")))
            return [this, text = writeFailures.value(request.index)] { emit errorOccurred(text); };
        if (request.kind == QLatin1String("read")) {
            const QByteArray payload = readAnswers.value(request.index, QByteArray(1, char(request.index)));
            return [this, payload] { emit valueReceived(payload); };
        }
        if (request.kind == QLatin1String("poll")) {
            return [this] {
                emit processDataReceived(QByteArray("\x12\x34", 2));
                emit valueReceived(QByteArray());
            };
        }
        return [this] { emit writeFinished(); };
    }

    bool answerNextHeld()
    {
        QMutexLocker locker(&mutex);
        if (held.isEmpty())
            return false;
        const std::function<void()> answer = held.takeFirst();
        locker.unlock();
        answer();
        return true;
    }

    mutable QMutex mutex;
    QList<FakeRequest> seen;
    QList<std::function<void()>> held;
    QHash<int, QByteArray> readAnswers;
    QHash<int, QString> writeFailures;
    QHash<int, QString> losses;
    int unsupportedIndex = -1;
    bool holding = false;
};

struct TaskResult
{
    QString label;
    bool success = false;
    QString errorText;
};

class TestCommunicationHandler : public QObject
{
    Q_OBJECT

private:
    QThread *worker = nullptr;
    FakeBackEnd *backEnd = nullptr;
    QList<TaskResult> results;
    QStringList alerts;
    int uploadRequests = 0;
    QList<QList<uint>> readRequests;
    std::vector<std::unique_ptr<VariableFixtures::WrappedVariable>> variables;

    // A variable living in the main thread, like those of the IODD binding; unsigned 8-bit unless described.
    VariableWrapper *variable(const QString &id, quint16 index, const QString &access = QStringLiteral("rw"))
    {
        return variable(VariableFixtures::simple(id, 1, 8, 0, access, index));
    }

    VariableWrapper *variable(const Variable &description)
    {
        variables.push_back(std::make_unique<VariableFixtures::WrappedVariable>(description));
        return variables.back().get();
    }

    CommunicationTask *submitWrite(VariableWrapper *var, uchar value, const QString &label)
    {
        return submit(new CommunicationTask(var, 0, CommunicationTask::WriteCommand, QByteArray(1, char(value))), label);
    }

    // "read 64/0" per read or write of a parameter, in the order the device saw them.
    QStringList parameterRequests() const
    {
        QStringList found;
        for (const FakeRequest &r : backEnd->requests()) {
            if (r.kind == QLatin1String("read") || r.kind == QLatin1String("write"))
                found.append(QStringLiteral("%1 %2/%3").arg(r.kind).arg(r.index).arg(r.subIndex));
        }
        return found;
    }

    // Hands the task over as the program does: queued, from the main thread into the worker.
    CommunicationTask *submit(CommunicationTask *task, const QString &label)
    {
        connect(task, &CommunicationTask::finished, this,
                [this, label](bool success, uint, uint, const QString &errorText) {
                    results.append({ label, success, errorText });
                });
        QMetaObject::invokeMethod(backEnd, [this, task] { backEnd->addTask(task); }, Qt::QueuedConnection);
        return task;
    }

    CommunicationTask *submitProcessDataWrite(const QByteArray &payload, const QString &label)
    {
        return submit(new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataWriteCommand, payload), label);
    }

    // Runs f in the worker thread and waits for it; everything queued there before has run by then.
    template<typename F>
    auto inWorker(F f) -> decltype(f())
    {
        decltype(f()) result {};
        QMetaObject::invokeMethod(backEnd, [&]() { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }

    // Tasks run in admission order, so once a marker has finished every task admitted before it has too.
    // A second marker covers the follow-up tasks that the handler adds when a task ends (read-backs).
    void waitForQuiet()
    {
        for (int round = 0; round < 2; ++round) {
            const QString label = QStringLiteral("marker %1").arg(results.size());
            submitProcessDataWrite(QByteArray(), label);
            QTRY_VERIFY(std::any_of(results.cbegin(), results.cend(), [&](const TaskResult &r) { return r.label == label; }));
        }
    }

    // "origin command index/subindex message-in-hex length" per row of the log; the markers left out on request.
    QStringList logged(bool parametersOnly = false)
    {
        return inWorker([this, parametersOnly]() {
            QStringList rows;
            const CommunicationListModel *model = backEnd->getCommunicationModel();
            for (int row = 0; row < model->rowCount(); ++row) {
                const QModelIndex i = model->index(row);
                if (parametersOnly && i.data(3).toUInt() == 0)
                    continue;
                rows.append(QStringLiteral("%1 %2 %3/%4 %5 %6").arg(i.data(2).toString(), i.data(0).toString())
                                .arg(i.data(3).toUInt()).arg(i.data(4).toUInt())
                                .arg(QString::fromLatin1(i.data(1).toByteArray().toHex())).arg(i.data(5).toUInt()));
            }
            return rows;
        });
    }

    QStringList labels() const
    {
        QStringList list;
        for (const TaskResult &r : results)
            list.append(r.label);
        return list;
    }

    static CommunicationTask *processDataRead()
    {
        return new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataReadCommand);
    }

    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(backEnd, "onTimer", Qt::QueuedConnection);
    }

private slots:
    void init()
    {
        worker = new QThread;
        backEnd = new FakeBackEnd;
        backEnd->moveToThread(worker);
        worker->start();
        connect(backEnd, &CommunicationHandler::alertReceived, this, [this](const QString &m) { alerts.append(m); });
        connect(backEnd, &CommunicationHandler::uploadRequestReceived, this, [this]() { ++uploadRequests; });
        connect(backEnd, &CommunicationHandler::readRequestReceived, this,
                [this](const QList<uint> &indexes) { readRequests.append(indexes); });
    }

    void cleanup()
    {
        worker->quit();
        worker->wait();
        delete backEnd;
        delete worker;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        results.clear();
        alerts.clear();
        uploadRequests = 0;
        readRequests.clear();
        variables.clear();
    }

    void runsOneTaskAtATimeInAdmissionOrder()
    {
        backEnd->setHolding(true);
        submitProcessDataWrite("A", "A");
        submit(processDataRead(), "poll");
        submitProcessDataWrite("B", "B");

        QTRY_COMPARE(backEnd->requests().size(), 1);
        inWorker([] { return true; });
        QCOMPARE(backEnd->requests().size(), 1);
        QCOMPARE(backEnd->requests().first().data, QByteArray("A"));

        backEnd->releaseOne();
        QTRY_COMPARE(backEnd->requests().size(), 2);
        QCOMPARE(backEnd->requests().at(1).kind, QStringLiteral("poll"));
        QCOMPARE(labels(), QStringList { "A" });

        backEnd->releaseAll();
        QTRY_COMPARE(results.size(), 3);
        QCOMPARE(labels(), (QStringList { "A", "poll", "B" }));
        QCOMPARE(backEnd->requests().at(2).data, QByteArray("B"));
    }

    void postWriteActionsOfSystemCommands_data()
    {
        DataTable::addRows(QStringLiteral("comm/system-commands.tsv"));
    }

    void postWriteActionsOfSystemCommands()
    {
        QFETCH(uint, command);
        QFETCH(bool, reRead);

        submitWrite(variable("V_SystemCommand", 2), uchar(command), "command");
        waitForQuiet();

        QCOMPARE(backEnd->requests().first().data, QByteArray(1, char(command)));
        QTEST(uploadRequests, "uploads");
        const QList<QList<uint>> expectedReads = reRead ? QList<QList<uint>> { { 59, 204 } } : QList<QList<uint>> {};
        QCOMPARE(readRequests, expectedReads);
        QCOMPARE(alerts, QStringList { "Setting value succeeded for V_SystemCommand" });
    }

    void failedWriteIsReadBackAndReported_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("system command") << 2;
        QTest::newRow("ordinary parameter") << 60;
    }

    void failedWriteIsReadBackAndReported()
    {
        QFETCH(int, index);
        VariableWrapper *var = variable("V_Refused", quint16(index));
        backEnd->setWriteFailure(index, QStringLiteral("IOLink communication error:\n\nvalue out of range (code: 32816)"));
        backEnd->setReadAnswer(index, QByteArray(1, '\x07'));

        submitWrite(var, 0x41, "write");
        waitForQuiet();

        QCOMPARE(results.first().success, false);
        QCOMPARE(parameterRequests(), QStringList({ QStringLiteral("write %1/0").arg(index), QStringLiteral("read %1/0").arg(index) }));
        // Named after the parameter, with the device's reason.
        QCOMPARE(alerts, QStringList { QStringLiteral("Setting value failed for V_Refused: value out of range (code: 32816)"
                                                      "\n\nThe device's value was read again.") });
        QCOMPARE(uploadRequests, 0);
        QCOMPARE(readRequests.size(), 0);
        QCOMPARE(var->getValue(0).toULongLong(), 7ull);
    }

    void itemWrittenInsideTheWholeRecordIsReadBack()
    {
        VariableWrapper *var = variable(VariableFixtures::record(
            QStringLiteral("V_Setup"), 16, { VariableFixtures::item(1, 8, 1, 8), VariableFixtures::item(2, 0, 1, 8) },
            false, 90));
        backEnd->setReadAnswer(90, QByteArray::fromHex("0506"));

        submit(new CommunicationTask(var, 2, CommunicationTask::WriteCommand, QByteArray::fromHex("0509")), "write");
        waitForQuiet();

        QCOMPARE(parameterRequests(), QStringList({ "write 90/0", "read 90/0" }));
        // What the device kept is shown, not what was sent.
        QCOMPARE(var->getValue(2).toULongLong(), 6ull);
    }

    void processDataOutputWritesReportTheirEnd_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("accepted") << false;
        QTest::newRow("refused") << true;
    }

    void processDataOutputWritesReportTheirEnd()
    {
        QFETCH(bool, refused);
        if (refused)
            backEnd->setWriteFailure(0, QStringLiteral("output refused"));
        QObject receiver;
        QList<QVariantList> ends;
        connect(backEnd, &CommunicationHandler::processDataWriteFinished, &receiver,
                [&ends](bool success, const QByteArray &payload, const QString &error) {
                    ends.append({ success, payload, error });
                });
        submitProcessDataWrite("A", "A");
        QTRY_COMPARE(ends.size(), 1);
        QCOMPARE(ends.first().at(0).toBool(), !refused);
        QCOMPARE(ends.first().at(1).toByteArray(), QByteArray("A"));
        QCOMPARE(ends.first().at(2).toString(), refused ? QStringLiteral("output refused") : QString());
    }

    void pollTickReReadsTheMeasurementQualityVariable()
    {
        VariableWrapper *quality = variable("V_MeasurementQuality", 207, "ro");
        QMetaObject::invokeMethod(backEnd, [this, quality]() { backEnd->onVarMeasQualitySynced(quality); },
                                  Qt::QueuedConnection);
        backEnd->setHolding(true);
        tick(5);
        inWorker([] { return true; });
        backEnd->releaseAll();
        waitForQuiet();
        QCOMPARE(backEnd->count("poll"), 3);
        // One re-read at a time: the ticks while it waited added none, the next tick adds one again.
        QCOMPARE(backEnd->count("read"), 1);
        QCOMPARE(parameterRequests().first(), QStringLiteral("read 207/0"));
        tick(1);
        waitForQuiet();
        QCOMPARE(backEnd->count("read"), 2);

        QMetaObject::invokeMethod(backEnd, "startPolling", Qt::QueuedConnection);
        QMetaObject::invokeMethod(backEnd, "stopPolling", Qt::QueuedConnection);
        waitForQuiet();
        const int reads = backEnd->count("read");
        tick(2);
        waitForQuiet();
        QCOMPARE(backEnd->count("read"), reads);
    }

    void parameterRequestsAndAnswersAreLogged()
    {
        VariableWrapper *readable = variable("V_Read", 64);
        VariableWrapper *refused = variable("V_Refused", 60);
        backEnd->setReadAnswer(64, QByteArray("\x01\x02", 2));
        backEnd->setWriteFailure(60, QStringLiteral("refused"));

        submit(new CommunicationTask(readable, 0, CommunicationTask::ReadCommand), "read");
        submitWrite(refused, 0x05, "write");
        tick(3); // cyclic reads stay out of the log
        waitForQuiet();

        const QString refusedHex = QString::fromLatin1(QByteArray("refused").toHex());
        QCOMPARE(logged(true), (QStringList { "local read 64/0  0", "remote read 64/0 0102 2",
                                         "local write 60/0 05 1", "remote write 60/0 " + refusedHex + " 7",
                                         "local read 60/0  0", "remote read 60/0 3c 1" }));
    }

    void unsupportedIndexFailsTheTaskWithoutReachingTheDevice()
    {
        backEnd->setUnsupportedIndex(0);
        submitProcessDataWrite("A", "A");
        QTRY_COMPARE(results.size(), 1);
        QCOMPARE(results.first().success, false);
        QCOMPARE(results.first().errorText, QStringLiteral("Unsupported index."));
        QCOMPARE(backEnd->requests().size(), 0);

        backEnd->setUnsupportedIndex(-1);
        waitForQuiet();
        QCOMPARE(backEnd->count("writePD"), 2); // the markers only
    }

    void lostConnectionEndsEveryWaitingTaskAndLeavesTheHandlerIdle()
    {
        backEnd->setHolding(true);
        backEnd->setLostOn(0, QStringLiteral("IOLink lost connection"));
        submitProcessDataWrite("A", "A");
        submit(processDataRead(), "poll");
        submitProcessDataWrite("B", "B");
        QTRY_COMPARE(backEnd->heldCount(), 1);

        backEnd->releaseOne();
        QTRY_COMPARE(results.size(), 3);
        for (const TaskResult &r : qAsConst(results)) {
            QCOMPARE(r.success, false);
            QCOMPARE(r.errorText, QStringLiteral("IOLink lost connection"));
        }
        QCOMPARE(backEnd->requests().size(), 1);

        // A later connection gets its tasks run.
        backEnd->setLostOn(0, QString());
        backEnd->setHolding(false);
        submitProcessDataWrite("C", "C");
        QTRY_COMPARE(results.size(), 4);
        QCOMPARE(results.last().success, true);
        QCOMPARE(backEnd->requests().size(), 2);
        QCOMPARE(backEnd->heldCount(), 0);
    }

    void taskDeletedByItsRequesterDoesNotStopTheQueue()
    {
        backEnd->setHolding(true);
        QPointer<CommunicationTask> running = submitProcessDataWrite("A", "A");
        QPointer<CommunicationTask> waiting = submitProcessDataWrite("B", "B");
        QTRY_COMPARE(backEnd->heldCount(), 1);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("A task was deleted while it was still queued"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("A task was deleted while it was still queued"));
        delete waiting;
        delete running;

        backEnd->setHolding(false);
        submitProcessDataWrite("C", "C");
        QTRY_COMPARE(labels(), QStringList { "C" });
        QCOMPARE(backEnd->count("writePD"), 2);

        backEnd->releaseOne(); // the late answer of the deleted task reaches nobody
        waitForQuiet();
        QCOMPARE(labels().mid(0, 2), (QStringList { "C", "marker 1" }));
    }

    void processDataWritesAreLoggedWhenTheOutputImageChanges()
    {
        submitProcessDataWrite("\x01", "1");
        submitProcessDataWrite("\x01", "1 again");
        submit(processDataRead(), "poll");
        submitProcessDataWrite("\x02\x03", "2");
        submitProcessDataWrite("\x01", "1 after 2");
        QTRY_COMPARE(results.size(), 5);
        QCOMPARE(logged(), (QStringList { "local write 0/0 01 1", "remote write 0/0  0", "local write 0/0 0203 2",
                                          "remote write 0/0  0", "local write 0/0 01 1", "remote write 0/0  0" }));
    }

    void eventsAreLogged()
    {
        backEnd->emitEvent(0xFF91, 2);
        const QByteArray event("Event 0xFF91 mode 0x02");
        QTRY_COMPARE(logged(), QStringList { "remote read 0/0 " + QString::fromLatin1(event.toHex()) + " 22" });
    }

    void admissionFollowsTheAccessRights_data()
    {
        DataTable::addRows(QStringLiteral("comm/admission.tsv"));
    }

    void admissionFollowsTheAccessRights()
    {
        QFETCH(uint, command);
        QFETCH(QString, access);
        QFETCH(QString, warning);

        VariableFixtures::WrappedVariable variable(VariableFixtures::simple("V_Test", 1, 8, 0, access, 70));
        CommunicationQueue queue;
        QPointer<CommunicationTask> task = new CommunicationTask(&variable, 0, command, QByteArray(1, '\x01'));
        QSignalSpy finished(task.data(), &CommunicationTask::finished);

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning + " \"V_Test\" 70$"));
        QCOMPARE(queue.addTask(task), warning.isEmpty());
        QCOMPARE(queue.firstPendingTask(), warning.isEmpty() ? task.data() : nullptr);

        if (warning.isEmpty()) {
            qDeleteAll(queue.takeAllTasks());
        } else {
            QTRY_VERIFY(task.isNull());
            QCOMPARE(finished.size(), 0);
        }
    }

    void subindexSentAndStored_data()
    {
        DataTable::addRows(QStringLiteral("comm/subindexes.tsv"));
    }

    // The device addresses a simple variable or a record without subindex access only as a whole,
    // but the received value belongs to the subindex the requester asked for.
    void subindexSentAndStored()
    {
        QFETCH(QString, kind);
        QFETCH(uint, subIndex);

        const QList<myRecordItem> items { VariableFixtures::item(1, 8, 1, 8), VariableFixtures::item(2, 0, 1, 8) };
        VariableFixtures::WrappedVariable variable(
            kind == QLatin1String("simple")
                ? VariableFixtures::simple("V_Simple", 1, 8, 0, "rw", 64)
                : VariableFixtures::record("V_Record", 16, items, kind == QLatin1String("subindexed record"), 80));
        CommunicationTask task(&variable, subIndex, CommunicationTask::ReadCommand);
        QSignalSpy request(&task, &CommunicationTask::taskRequestsRead);
        QSignalSpy finished(&task, &CommunicationTask::finished);

        task.start();
        QCOMPARE(request.size(), 1);
        QCOMPARE(request.first().at(0).toInt(), int(variable.description.index));
        QTEST(request.first().at(1).toInt(), "sentSubIndex");

        task.onDataReceived(QByteArray(1, '\x2A'));
        QCOMPARE(variable.getValue(kind == QLatin1String("simple") ? 0 : subIndex).toULongLong(), 42ull);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().at(2).toUInt(), subIndex);
        QCOMPARE(finished.first().at(4).value<VariableWrapper *>(), &variable);
    }

    void answersEndTheTaskOnlyOnce_data()
    {
        DataTable::addRows(QStringLiteral("comm/task-answers.tsv"));
    }

    void answersEndTheTaskOnlyOnce()
    {
        QFETCH(bool, started);
        QFETCH(QStringList, answers);
        QFETCH(bool, ends);

        CommunicationTask task(nullptr, 7, CommunicationTask::WriteCommand, QByteArray(1, '\x01'));
        QSignalSpy finished(&task, &CommunicationTask::finished);
        if (started)
            task.start();
        for (const QString &answer : answers) {
            if (answer == QLatin1String("written"))
                task.onDataWritten();
            else if (answer == QLatin1String("data"))
                task.onDataReceived(QByteArray(1, '\x05'));
            else
                task.onError(QStringLiteral("refused"));
        }

        if (!ends) {
            QCOMPARE(finished.size(), 0);
            QCOMPARE(task.getState(), int(CommunicationTask::New));
            return;
        }
        QCOMPARE(finished.size(), 1);
        QTEST(finished.first().at(0).toBool(), "success");
        QCOMPARE(finished.first().at(2).toUInt(), 7u);
        QTEST(finished.first().at(3).toString(), "error");
        QCOMPARE(task.getState(), int(CommunicationTask::Done));
    }

    // A fourth process-data read waiting is dropped, a write never is. That a read leaving the queue frees its place
    // is the connection folder's: tst_iolinkdevice's connectsSynchronisesPollsAndDisconnects sees the polling go on.
    void queueDropsAFourthProcessDataReadButNoWrite()
    {
        CommunicationQueue queue;
        for (int i = 0; i < 3; ++i)
            QVERIFY(queue.addTask(processDataRead()));
        QPointer<CommunicationTask> fourth = processDataRead();
        QVERIFY(!queue.addTask(fourth));
        QTRY_VERIFY(fourth.isNull()); // discarded silently
        QVERIFY(queue.addTask(new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataWriteCommand, QByteArray(1, 'x'))));
        // Emptied, as when the device is lost, the queue takes reads again.
        qDeleteAll(queue.takeAllTasks());
        QVERIFY(queue.addTask(processDataRead()));
        qDeleteAll(queue.takeAllTasks());
    }
};

OVINEX_TEST_MAIN(TestCommunicationHandler)
#include "tst_communicationhandler.moc"
