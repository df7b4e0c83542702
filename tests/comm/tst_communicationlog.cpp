#include "datatable.h"
#include "testenvironment.h"

#include "comm/communicationfiltermodel.h"
#include "comm/communicationlistmodel.h"

#include <QTemporaryDir>

// The communication log as the dialog shows and saves it: times, variable names, the polling filter.
class TestCommunicationLog : public QObject
{
    Q_OBJECT

private slots:
    // Their time is checked through the saved file by tst_mainwindow's communicationLogShowsTimesNamesAndFilters.
    void rowsCarryTheirVariableName()
    {
        CommunicationListModel log;
        log.addEntry(16, 0, CommunicationEntry::Local, CommunicationEntry::Read);
        log.setNameLookup([](uint index, uint subIndex) {
            return index == 64 ? QStringLiteral("Switch point / item %1").arg(subIndex) : QString();
        });
        log.addEntry(64, 2, CommunicationEntry::Local, CommunicationEntry::Write, QByteArray::fromHex("0102ff"));
        log.addEntry(0, 0, CommunicationEntry::Remote, CommunicationEntry::Read, QByteArray("Event 0x8CA0 mode 0xC0"));

        // Rows logged before the description was known keep no name; index 0 (process data, events) has none.
        QCOMPARE(value(log, 0, CommunicationListModel::NameRole).toString(), QString());
        QCOMPARE(value(log, 1, CommunicationListModel::NameRole).toString(), QStringLiteral("Switch point / item 2"));
        QCOMPARE(value(log, 2, CommunicationListModel::NameRole).toString(), QString());
    }

    void repeatedReadsCountAsPolling_data()
    {
        DataTable::addRows(QStringLiteral("comm/repeated-reads.tsv"));
    }

    void repeatedReadsCountAsPolling()
    {
        QFETCH(QList<int>, indexes);
        QFETCH(QList<bool>, requests);
        QFETCH(QList<bool>, polling);
        CommunicationListModel log;
        for (int i = 0; i < indexes.size(); ++i)
            log.addEntry(indexes.at(i), 0, requests.at(i) ? CommunicationEntry::Local : CommunicationEntry::Remote,
                         CommunicationEntry::Read, QByteArray(1, char(i)));
        for (int row = 0; row < polling.size(); ++row)
            QCOMPARE(value(log, row, CommunicationListModel::RepeatedReadRole).toBool(), polling.at(row));
    }

    void filterHidesPollingAndFollowsNewRows()
    {
        CommunicationListModel log;
        CommunicationFilterModel shown;
        shown.setSourceModel(&log);
        for (int poll = 0; poll < 3; ++poll) {
            log.addEntry(40, 0, CommunicationEntry::Local, CommunicationEntry::Read);
            log.addEntry(40, 0, CommunicationEntry::Remote, CommunicationEntry::Read, QByteArray(2, char(poll)));
        }
        // Writes are never polling, even of a variable that is polled.
        log.addEntry(40, 0, CommunicationEntry::Local, CommunicationEntry::Write, QByteArray(2, 'w'));
        QCOMPARE(shown.rowCount(), 7);

        QSignalSpy changed(&shown, &CommunicationFilterModel::hidePollingChanged);
        shown.setHidePolling(true);
        shown.setHidePolling(true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(shown.rowCount(), 3);
        log.addEntry(40, 0, CommunicationEntry::Local, CommunicationEntry::Read);
        QCOMPARE(shown.rowCount(), 3);

        // After clearing, the next read is the first one again.
        log.clear();
        log.addEntry(40, 0, CommunicationEntry::Local, CommunicationEntry::Read);
        QCOMPARE(shown.rowCount(), 1);
        shown.setHidePolling(false);
        QCOMPARE(shown.rowCount(), 1);
    }

    void savedFileHoldsTheShownRows()
    {
        CommunicationListModel log;
        log.setNameLookup([](uint, uint) { return QStringLiteral("Name; with \"quotes\""); });
        CommunicationFilterModel shown;
        shown.setSourceModel(&log);
        log.addEntry(24, 0, CommunicationEntry::Local, CommunicationEntry::Read);
        log.addEntry(24, 0, CommunicationEntry::Remote, CommunicationEntry::Read, QByteArray::fromHex("4b56"));
        log.addEntry(24, 0, CommunicationEntry::Local, CommunicationEntry::Read);
        shown.setHidePolling(true);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("log.csv"));
        QCOMPARE(shown.saveCsv(QUrl::fromLocalFile(path)), QString());
        const QStringList lines = TestEnvironment::readLines(path);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0), QStringLiteral("Time;Origin;Command;Index;Subindex;Variable;Length;Message"));
        QVERIFY2(lines.at(2).endsWith(QStringLiteral(";remote;read;24;0;\"Name; with \"\"quotes\"\"\";2;4B 56")), qPrintable(lines.at(2)));
    }

    void unwritableFileIsReported()
    {
        CommunicationListModel log;
        CommunicationFilterModel shown;
        shown.setSourceModel(&log);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/log.csv"));
        const QString message = shown.saveCsv(QUrl::fromLocalFile(path));
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY(!QFileInfo::exists(path));
    }

    void keepsOnlyTheNewestRows()
    {
        CommunicationListModel model;
        const int cap = CommunicationListModel::maximumRowCount;
        for (int i = 0; i < cap + 5; ++i)
            model.addEntry(i, 0, CommunicationEntry::Local, CommunicationEntry::Read);

        QCOMPARE(model.rowCount(), cap);
        QCOMPARE(value(model, 0, CommunicationListModel::IoLinkIndexRole).toInt(), 5);
        QCOMPARE(value(model, cap - 1, CommunicationListModel::IoLinkIndexRole).toInt(), cap + 4);

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

private:
    static QVariant value(const QAbstractItemModel &model, int row, int role) { return model.index(row, 0).data(role); }
};

OVINEX_TEST_MAIN(TestCommunicationLog)
#include "tst_communicationlog.moc"
