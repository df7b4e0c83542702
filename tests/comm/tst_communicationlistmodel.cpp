#include "testenvironment.h"

#include "comm/communicationlistmodel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>

class TestCommunicationListModel : public QObject
{
    Q_OBJECT

private:
    static QVariant roleValue(const CommunicationListModel &model, int row, const QByteArray &roleName)
    {
        return model.data(model.index(row), model.roleNames().key(roleName, -1));
    }

private slots:
    void rolesAreNumberedFromZeroAndNamedForTheViews()
    {
        CommunicationListModel model;
        const QHash<int, QByteArray> roles = model.roleNames();
        QCOMPARE(roles.size(), 6);
        QCOMPARE(roles.value(0), QByteArray("command"));
        QCOMPARE(roles.value(1), QByteArray("message"));
        QCOMPARE(roles.value(2), QByteArray("origin"));
        QCOMPARE(roles.value(3), QByteArray("ioLinkIndex"));
        QCOMPARE(roles.value(4), QByteArray("ioLinkSubIndex"));
        QCOMPARE(roles.value(5), QByteArray("payloadLength"));
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
    }

    void dataOutsideTheRowsIsInvalid()
    {
        CommunicationListModel model;
        model.addEntry(16, 0, CommunicationEntry::Local, CommunicationEntry::Read);
        QVERIFY(!model.data(QModelIndex(), 0).isValid());
        QVERIFY(!model.data(model.index(1), 0).isValid());
        QVERIFY(!model.data(model.index(0), 42).isValid());
    }

    void newRowsAreAnnouncedAtTheEnd()
    {
        CommunicationListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.addEntry(1, 0, CommunicationEntry::Local, CommunicationEntry::Read);
        model.addEntry(2, 0, CommunicationEntry::Remote, CommunicationEntry::Read);
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(inserted.at(1).at(1).toInt(), 1);
        QCOMPARE(roleValue(model, 1, "ioLinkIndex").toUInt(), 2u);
    }

    void clearResetsEvenAnEmptyModel()
    {
        CommunicationListModel model;
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.clear();
        QCOMPARE(reset.size(), 1);
        QCOMPARE(model.rowCount(), 0);

        model.addEntry(1, 0, CommunicationEntry::Local, CommunicationEntry::Read);
        model.addEntry(1, 0, CommunicationEntry::Remote, CommunicationEntry::Read);
        model.clear();
        QCOMPARE(reset.size(), 2);
        QCOMPARE(model.rowCount(), 0);
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
    }
};

OVINEX_TEST_MAIN(TestCommunicationListModel)
#include "tst_communicationlistmodel.moc"
