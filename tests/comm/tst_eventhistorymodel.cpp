#include "comm/eventhistorymodel.h"
#include "datatable.h"
#include "testenvironment.h"

#include <QApplication>
#include <QFile>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

constexpr quint8 appears = 3 << 6;
constexpr quint8 disappears = 2 << 6;
constexpr quint8 single = 1 << 6;
constexpr quint8 warning = 2 << 4;
constexpr quint8 error = 3 << 4;
constexpr quint8 notification = 1 << 4;

QTime at(int msec)
{
    return QTime(10, 0).addMSecs(msec);
}

// "code:active" per row as shown, newest first.
QStringList rows(const EventHistoryModel &model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row);
        shown << QStringLiteral("%1:%2").arg(model.data(index, EventHistoryModel::CodeTextRole).toString(),
                                             model.data(index, EventHistoryModel::ActiveRole).toBool() ? "a" : "-");
    }
    return shown;
}

}

class TestEventHistoryModel : public QObject
{
    Q_OBJECT

private slots:
    void pairing_data()
    {
        DataTable::addRows(QStringLiteral("comm/event-pairing.tsv"));
    }

    void pairing()
    {
        QFETCH(QList<int>, qualifiers);
        QFETCH(QList<int>, codes);
        EventHistoryModel model;
        for (int i = 0; i < codes.size(); ++i)
            model.addEvent(at(i), quint8(qualifiers.at(i)), quint16(codes.at(i)), QStringLiteral("text"));
        QTEST(rows(model), "expected");
        QTEST(model.getActiveWarningCount(), "activeWarnings");
        QTEST(model.getActiveErrorCount(), "activeErrors");
    }

    void activeOnlyFollowsPairing()
    {
        EventHistoryModel model;
        model.addEvent(at(0), appears | warning, 0x1800, QString());
        model.addEvent(at(1), appears | error, 0x5000, QString());
        model.addEvent(at(2), single | notification, 0x1802, QString());
        model.setActiveOnly(true);
        QCOMPARE(rows(model), (QStringList { "0x5000:a", "0x1800:a" }));
        model.addEvent(at(3), disappears | warning, 0x1800, QString());
        QCOMPARE(rows(model), QStringList { "0x5000:a" });
        model.setActiveOnly(false);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.getTotalCount(), 4);
    }

    void qualifierFields()
    {
        EventHistoryModel model;
        // Source bit set: the master itself reported it.
        model.addEvent(at(1234), quint8(appears | error | 0x08), 0xFF21, QStringLiteral("x"));
        QCOMPARE(model.data(model.index(0), EventHistoryModel::TimeRole).toString(), QStringLiteral("10:00:01.234"));
        QCOMPARE(model.data(model.index(0), EventHistoryModel::CodeTextRole).toString(), QStringLiteral("0xFF21"));
        // The command line prints language-neutral names of the decoded type, mode and source.
        const QJsonObject json = EventHistoryModel::toJson(model.entryAt(0));
        QCOMPARE(json.value("type").toString(), QStringLiteral("error"));
        QCOMPARE(json.value("mode").toString(), QStringLiteral("appears"));
        QCOMPARE(json.value("source").toString(), QStringLiteral("master"));
        QCOMPARE(json.value("code").toString(), QStringLiteral("0xFF21"));
    }

    void csvContent()
    {
        EventHistoryModel model;
        model.addEvent(at(5), appears | warning, 0x1800, QStringLiteral("Lens dirty"));
        model.addEvent(at(7), single | notification, 0x1802, QStringLiteral("Teach, \"done\"\nok"));
        model.setActiveOnly(true);
        // The file holds the whole session, whatever the filter shows.
        const QStringList lines = model.toCsv().split('\n');
        QCOMPARE(lines.value(0), QStringLiteral("time,type,mode,code,source,text"));
        QCOMPARE(lines.value(1), QStringLiteral("10:00:00.007,Notification,Single,0x1802,Device,\"Teach, \"\"done\"\""));
        QCOMPARE(lines.value(2), QStringLiteral("ok\""));
        QCOMPARE(lines.value(3), QStringLiteral("10:00:00.005,Warning,Appears,0x1800,Device,Lens dirty"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("events.csv"));
        QCOMPARE(model.saveCsv(QUrl::fromLocalFile(path).toString()), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), model.toCsv());
    }

    void saveReportsUnwritableFile()
    {
        EventHistoryModel model;
        model.addEvent(at(0), appears | warning, 0x1800, QString());
        QTemporaryDir dir;
        const QString error = model.saveCsv(dir.filePath(QStringLiteral("missing/folder/events.csv")));
        QVERIFY(!error.isEmpty());
        QVERIFY(error.contains(QStringLiteral("missing/folder")));
    }
};

OVINEX_TEST_MAIN(TestEventHistoryModel)
#include "tst_eventhistorymodel.moc"
