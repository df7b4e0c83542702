#include "testenvironment.h"

#include "variablefixtures.h"
#include "comm/communicationlistmodel.h"
#include "comm/communicationqueue.h"
#include "comm/communicationtask.h"
#include "tst_communicationhandler_fakebackend.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QThread>
#include <memory>
#include <vector>

// Stands for a requester in the main thread (menu entry handler, IODD binding, device).
class Requester : public QObject
{
    Q_OBJECT

signals:
    void newCommunicationTask(CommunicationTask *task);
};

struct TaskResult
{
    QString label;
    bool success = false;
    uint index = 0;
    uint subindex = 0;
    QString errorText;
};

struct LogRow
{
    QString command;
    QString origin;
    uint index = 0;
    uint subIndex = 0;
    QByteArray message;
    uint payloadLength = 0;
};

class TestCommunicationHandler : public QObject
{
    Q_OBJECT

private:
    QThread *worker = nullptr;
    FakeBackEnd *backEnd = nullptr;
    Requester requester;
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
                [this, label](bool success, uint index, uint subindex, const QString &errorText) {
                    results.append({ label, success, index, subindex, errorText });
                });
        emit requester.newCommunicationTask(task);
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

    QList<LogRow> logRows()
    {
        return inWorker([this]() {
            QList<LogRow> rows;
            const CommunicationListModel *model = backEnd->getCommunicationModel();
            for (int row = 0; row < model->rowCount(); ++row) {
                const QModelIndex i = model->index(row);
                rows.append({ i.data(0).toString(), i.data(2).toString(), i.data(3).toUInt(), i.data(4).toUInt(),
                              i.data(1).toByteArray(), i.data(5).toUInt() });
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

    static QVariant roleValue(const CommunicationListModel &model, int row, const QByteArray &roleName)
    {
        return model.data(model.index(row), model.roleNames().key(roleName, -1));
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
        connect(&requester, &Requester::newCommunicationTask, backEnd, &CommunicationHandler::addTask);
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
        disconnect(&requester, nullptr, nullptr, nullptr);
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
        QTest::addColumn<uint>("command");
        QTest::addColumn<int>("uploads");
        QTest::addColumn<bool>("reRead");
        QTest::newRow("0x41 re-reads 59 and 204") << 0x41u << 0 << true;
        QTest::newRow("0x82 reads everything again") << 0x82u << 1 << false;
        QTest::newRow("0x80 only logs") << 0x80u << 0 << false;
        QTest::newRow("0x99 is not in the table") << 0x99u << 0 << false;
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

    void readOfSubindexThreeOfASimpleVariable()
    {
        VariableWrapper *var = variable("V_Simple", 64);
        QSignalSpy changed(var, &VariableWrapper::valueChanged);
        backEnd->setReadAnswer(64, QByteArray(1, '\x2A'));

        submit(new CommunicationTask(var, 3, CommunicationTask::ReadCommand), "read");
        QTRY_COMPARE(results.size(), 1);

        QCOMPARE(parameterRequests(), QStringList { "read 64/0" });
        QCOMPARE(results.first().subindex, 3u);
        QCOMPARE(var->getValue(0).toULongLong(), 42ull);
        QCOMPARE(changed.size(), 1); // stored in the main thread, where the variable lives
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

        const QList<LogRow> rows = logRows();
        QStringList summary;
        for (const LogRow &row : rows) {
            if (row.index == 0)
                continue; // the markers
            summary.append(QStringLiteral("%1 %2 %3/%4 %5 %6").arg(row.origin, row.command).arg(row.index).arg(row.subIndex)
                               .arg(QString::fromLatin1(row.message.toHex())).arg(row.payloadLength));
        }
        const QString refusedHex = QString::fromLatin1(QByteArray("refused").toHex());
        QCOMPARE(summary, (QStringList { "local read 64/0  0", "remote read 64/0 0102 2",
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

        const QList<LogRow> rows = logRows();
        QCOMPARE(rows.size(), 6);
        QByteArrayList messages;
        for (const LogRow &row : rows)
            messages.append(row.message);
        QCOMPARE(messages, (QByteArrayList { "\x01", "", "\x02\x03", "", "\x01", "" }));
        QCOMPARE(rows.at(2).origin, QStringLiteral("local"));
        QCOMPARE(rows.at(2).command, QStringLiteral("write"));
        QCOMPARE(rows.at(2).payloadLength, 2u);
        QCOMPARE(rows.at(3).origin, QStringLiteral("remote"));
    }

    void eventsAreLogged()
    {
        backEnd->emitEvent(0xFF91, 2);
        QTRY_COMPARE(logRows().size(), 1);
        const LogRow row = logRows().first();
        QCOMPARE(row.origin, QStringLiteral("remote"));
        QCOMPARE(row.message, QByteArray("Event 0xFF91 mode 0x02"));
        QCOMPARE(row.payloadLength, uint(row.message.size()));
    }

    void admissionFollowsTheAccessRights_data()
    {
        QTest::addColumn<uint>("command");
        QTest::addColumn<QString>("access");
        QTest::addColumn<QString>("warning");
        QTest::newRow("read of a write-only variable") << 1u << "wo" << "Not readable";
        QTest::newRow("write of a read-only variable") << 2u << "RO" << "Not writable";
        QTest::newRow("read of a read-write variable") << 1u << "rw" << "";
        QTest::newRow("write of a write-only variable") << 2u << "wo" << "";
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
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint>("subIndex");
        QTest::addColumn<int>("sentSubIndex");
        QTest::newRow("simple variable, subindex 3") << "simple" << 3u << 0;
        QTest::newRow("record with subindex access") << "subindexed record" << 2u << 2;
        QTest::newRow("record written as a whole") << "whole record" << 2u << 0;
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

    void unknownCommandIsReportedAndSendsNothing()
    {
        CommunicationTask task(nullptr, 0, 9);
        QSignalSpy read(&task, &CommunicationTask::taskRequestsRead);
        QSignalSpy write(&task, &CommunicationTask::taskRequestsWrite);
        QTest::ignoreMessage(QtCriticalMsg, "bad command 9");
        task.start();
        QCOMPARE(read.size() + write.size(), 0);
        QCOMPARE(task.getState(), int(CommunicationTask::Running));
    }

    void answersEndTheTaskOnlyOnce_data()
    {
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QVariantList>("finishedWith"); // success and error text; empty when never finished
        QTest::newRow("write answered twice") << true << QStringList { "written", "error" } << QVariantList { true, "" };
        QTest::newRow("failed, then answered") << true << QStringList { "error", "written", "data" }
                                               << QVariantList { false, "refused" };
        QTest::newRow("error on a task never started") << false << QStringList { "error", "error" }
                                                       << QVariantList { false, "refused" };
        QTest::newRow("data before the start") << false << QStringList { "data", "written" } << QVariantList {};
    }

    void answersEndTheTaskOnlyOnce()
    {
        QFETCH(bool, started);
        QFETCH(QStringList, answers);
        QFETCH(QVariantList, finishedWith);

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

        if (finishedWith.isEmpty()) {
            QCOMPARE(finished.size(), 0);
            QCOMPARE(task.getState(), int(CommunicationTask::New));
            return;
        }
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().at(0).toBool(), finishedWith.at(0).toBool());
        QCOMPARE(finished.first().at(2).toUInt(), 7u);
        QCOMPARE(finished.first().at(3).toString(), finishedWith.at(1).toString());
        QCOMPARE(task.getState(), int(CommunicationTask::Done));
    }

    void queueHoldsAtMostThreeProcessDataReads()
    {
        CommunicationQueue queue;
        QList<QPointer<CommunicationTask>> reads;
        for (int i = 0; i < 4; ++i)
            reads.append(processDataRead());

        for (int i = 0; i < 3; ++i)
            QVERIFY(queue.addTask(reads.at(i)));
        QVERIFY(!queue.addTask(reads.at(3)));
        QTRY_VERIFY(reads.at(3).isNull()); // discarded silently

        // Other kinds are not capped.
        auto *write = new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataWriteCommand, QByteArray(1, 'x'));
        QVERIFY(queue.addTask(write));

        QVERIFY(queue.removeTask(reads.at(0)));
        delete reads.at(0);
        auto *next = processDataRead();
        QVERIFY(queue.addTask(next));
        QVERIFY(!queue.addTask(processDataRead()));
        QCOMPARE(queue.count(), 4);

        qDeleteAll(queue.takeAllTasks());
        QVERIFY(queue.addTask(processDataRead()));
        qDeleteAll(queue.takeAllTasks());
    }

    void firstPendingTaskSkipsStartedTasksInAdmissionOrder()
    {
        CommunicationQueue queue;
        QCOMPARE(queue.firstPendingTask(), nullptr);

        auto *first = new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataWriteCommand);
        auto *second = processDataRead();
        auto *third = new CommunicationTask(nullptr, 1, CommunicationTask::ReadCommand);
        queue.addTask(first);
        queue.addTask(second);
        queue.addTask(third);

        QCOMPARE(queue.firstPendingTask(), first);
        first->start();
        QCOMPARE(queue.firstPendingTask(), second);

        queue.removeTask(second);
        QCOMPARE(queue.firstPendingTask(), third);
        QVERIFY(queue.removeTask(first));
        QVERIFY(!queue.removeTask(first));
        QCOMPARE(queue.count(), 1);
        delete first;
        delete second;
        qDeleteAll(queue.takeAllTasks());
    }

    void keepsOnlyTheNewestRows()
    {
        CommunicationListModel model;
        const int cap = CommunicationListModel::maximumRowCount;
        for (int i = 0; i < cap + 5; ++i)
            model.addEntry(i, 0, CommunicationEntry::Local, CommunicationEntry::Read);

        QCOMPARE(model.rowCount(), cap);
        QCOMPARE(roleValue(model, 0, "ioLinkIndex").toInt(), 5);
        QCOMPARE(roleValue(model, cap - 1, "ioLinkIndex").toInt(), cap + 4);

        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.addEntry(-1, 0, CommunicationEntry::Local, CommunicationEntry::Read);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.first().at(1).toInt(), 0);
        QCOMPARE(inserted.first().at(1).toInt(), cap - 1);
        QCOMPARE(model.rowCount(), cap);

        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }
};

OVINEX_TEST_MAIN(TestCommunicationHandler)
#include "tst_communicationhandler.moc"
