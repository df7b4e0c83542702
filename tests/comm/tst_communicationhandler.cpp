#include "testenvironment.h"

#include "tst_communicationhandler_fakebackend.h"

#include <QApplication>
#include <QPointer>
#include <QThread>

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

    // Tasks run in admission order, so once this one has finished every task admitted before it has too.
    void waitForQuiet()
    {
        const QString label = QStringLiteral("marker %1").arg(results.size());
        submitProcessDataWrite(QByteArray(), label);
        QTRY_VERIFY(std::any_of(results.cbegin(), results.cend(), [&](const TaskResult &r) { return r.label == label; }));
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
        disconnect(&requester, nullptr, nullptr, nullptr);
    }

    void runsOneTaskAtATimeInAdmissionOrder()
    {
        backEnd->setHolding(true);
        submitProcessDataWrite("A", "A");
        submit(new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataReadCommand), "poll");
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
        QCOMPARE(backEnd->count("writePD"), 1);
    }

    void slowDeviceNeverQueuesMoreThanThreeProcessDataReads()
    {
        backEnd->setHolding(true);
        tick(10);
        inWorker([] { return true; });
        QCOMPARE(backEnd->count("poll"), 1);

        backEnd->releaseAll();
        waitForQuiet();
        QCOMPARE(backEnd->count("poll"), 3);

        tick(1); // room again
        waitForQuiet();
        QCOMPARE(backEnd->count("poll"), 4);
    }

    void pollingTimerQueuesProcessDataReads()
    {
        QSignalSpy data(backEnd, &CommunicationHandler::processDataReceived);
        QMetaObject::invokeMethod(backEnd, "startPolling", Qt::QueuedConnection);
        QTRY_VERIFY(backEnd->count("poll") >= 3);
        QMetaObject::invokeMethod(backEnd, "stopPolling", Qt::QueuedConnection);
        waitForQuiet();
        const int polls = backEnd->count("poll");
        waitForQuiet();
        QCOMPARE(backEnd->count("poll"), polls);
    }

    void lostConnectionEndsEveryWaitingTaskAndLeavesTheHandlerIdle()
    {
        backEnd->setHolding(true);
        backEnd->setLostOn(0, QStringLiteral("IOLink lost connection"));
        submitProcessDataWrite("A", "A");
        submit(new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataReadCommand), "poll");
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
        QCOMPARE(labels().size(), 2);
    }

    void processDataWritesAreLoggedWhenTheOutputImageChanges()
    {
        submitProcessDataWrite("\x01", "1");
        submitProcessDataWrite("\x01", "1 again");
        submit(new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataReadCommand), "poll");
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
};

OVINEX_TEST_MAIN(TestCommunicationHandler)
#include "tst_communicationhandler.moc"
