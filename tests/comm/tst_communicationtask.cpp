#include "testenvironment.h"

#include "../device/variablefixtures.h"
#include "comm/communicationlistmodel.h"
#include "comm/communicationqueue.h"
#include "comm/communicationtask.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>

class TestCommunicationTask : public QObject
{
    Q_OBJECT

private:
    static CommunicationTask *processDataRead()
    {
        return new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataReadCommand);
    }

    static QVariant roleValue(const CommunicationListModel &model, int row, const QByteArray &roleName)
    {
        return model.data(model.index(row), model.roleNames().key(roleName, -1));
    }

private slots:
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

        const Variable description = VariableFixtures::simple("V_Test", 1, 8, 0, access, 70);
        VariableWrapper variable(&description);
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
        QFETCH(int, sentSubIndex);

        const QList<myRecordItem> items { VariableFixtures::item(1, 8, 1, 8), VariableFixtures::item(2, 0, 1, 8) };
        const Variable description = kind == QLatin1String("simple")
            ? VariableFixtures::simple("V_Simple", 1, 8, 0, "rw", 64)
            : VariableFixtures::record("V_Record", 16, items, kind == QLatin1String("subindexed record"), 80);
        VariableWrapper variable(&description);
        CommunicationTask task(&variable, subIndex, CommunicationTask::ReadCommand);
        QSignalSpy request(&task, &CommunicationTask::taskRequestsRead);
        QSignalSpy finished(&task, &CommunicationTask::finished);

        task.start();
        QCOMPARE(request.size(), 1);
        QCOMPARE(request.first().at(0).toInt(), int(description.index));
        QCOMPARE(request.first().at(1).toInt(), sentSubIndex);

        task.onDataReceived(QByteArray(1, '\x2A'));
        QCOMPARE(variable.getValue(kind == QLatin1String("simple") ? 0 : subIndex).toULongLong(), 42ull);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().at(2).toUInt(), subIndex);
        QCOMPARE(finished.first().at(4).value<VariableWrapper *>(), &variable);
    }

    void startSendsTheRequestOfItsCommand_data()
    {
        QTest::addColumn<uint>("command");
        QTest::addColumn<QByteArray>("signalName");
        QTest::addColumn<QVariantList>("arguments");
        const QByteArray payload("\x0A\x0B", 2);
        QTest::newRow("read") << 1u << QByteArray(SIGNAL(taskRequestsRead(int, int))) << QVariantList { 0, 4 };
        QTest::newRow("write") << 2u << QByteArray(SIGNAL(taskRequestsWrite(int, int, QByteArray)))
                               << QVariantList { 0, 4, payload };
        QTest::newRow("process-data read") << 3u << QByteArray(SIGNAL(taskRequestsProcessData())) << QVariantList {};
        QTest::newRow("process-data write") << 4u << QByteArray(SIGNAL(taskRequestsWriteProcessData(QByteArray)))
                                            << QVariantList { payload };
        QTest::newRow("master password write") << 5u
                                               << QByteArray(SIGNAL(taskRequestWriteMasterPassword(QByteArray)))
                                               << QVariantList { payload };
    }

    void startSendsTheRequestOfItsCommand()
    {
        QFETCH(uint, command);
        QFETCH(QByteArray, signalName);
        QFETCH(QVariantList, arguments);

        CommunicationTask task(nullptr, 4, command, QByteArray("\x0A\x0B", 2));
        QSignalSpy request(&task, signalName.constData());
        QSignalSpy anyRead(&task, &CommunicationTask::taskRequestsRead);
        QSignalSpy anyPoll(&task, &CommunicationTask::taskRequestsProcessData);

        task.start();
        task.start();

        QCOMPARE(request.size(), 1);
        QCOMPARE(request.first(), arguments);
        QCOMPARE(anyRead.size() + anyPoll.size(), command == 1 || command == 3 ? 1 : 0);
        QCOMPARE(task.getState(), int(CommunicationTask::Running));
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
        QTest::newRow("read answered, then failed") << true << QStringList { "data", "error" } << QVariantList { true, "" };
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

        queue.removeOldestTask();
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
        queue.removeOldestTask();
        QCOMPARE(queue.count(), 1);
        delete first;
        delete second;
        qDeleteAll(queue.takeAllTasks());
    }
    void entryShowsItsFields_data()
    {
        QTest::addColumn<int>("origin");
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("originText");
        QTest::addColumn<QString>("commandText");
        QTest::newRow("local read without message") << 0 << 0 << QByteArray() << "local" << "read";
        QTest::newRow("remote write with payload") << 1 << 1 << QByteArray("\x01\x02\x03", 3) << "remote" << "write";
        QTest::newRow("unknown origin and command") << 7 << 9 << QByteArray("x") << "undefined" << "undefined";
    }

    void entryShowsItsFields()
    {
        QFETCH(int, origin);
        QFETCH(int, command);
        QFETCH(QByteArray, message);
        QFETCH(QString, originText);
        QFETCH(QString, commandText);

        CommunicationListModel model;
        if (message.isNull())
            model.addEntry(60, 3, CommunicationEntry::Origin(origin), CommunicationEntry::Command(command));
        else
            model.addEntry(60, 3, CommunicationEntry::Origin(origin), CommunicationEntry::Command(command), message);

        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(roleValue(model, 0, "origin").toString(), originText);
        QCOMPARE(roleValue(model, 0, "command").toString(), commandText);
        QCOMPARE(roleValue(model, 0, "message").toByteArray(), message);
        QCOMPARE(roleValue(model, 0, "ioLinkIndex").toUInt(), 60u);
        QCOMPARE(roleValue(model, 0, "ioLinkSubIndex").toUInt(), 3u);
        QCOMPARE(roleValue(model, 0, "payloadLength").toUInt(), uint(message.size()));
        QVERIFY(!model.data(model.index(1), 0).isValid());
        QVERIFY(!model.data(model.index(0), 42).isValid());
    }


    void keepsOnlyTheNewestRows()
    {
        CommunicationListModel model;
        const int cap = CommunicationListModel::maximumRowCount;
        QCOMPARE(cap, 10000);
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

OVINEX_TEST_MAIN(TestCommunicationTask)
#include "tst_communicationtask.moc"
