#include "testenvironment.h"

#include "app/applicationsettings.h"
#include "app/loghandler.h"
#include "core/logcategories.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

namespace {
QStringList forwardedMessages;
std::atomic<int> forwardedCount { 0 };

void captureForwarded(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    forwardedMessages << LogHandler::levelTag(type) + QLatin1Char(' ') + message;
}

void countForwarded(QtMsgType, const QMessageLogContext &, const QString &)
{
    ++forwardedCount;
}

const QRegularExpression linePattern(
    QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} (DBG|INF|WRN|CRT): (.*)$"));
} // namespace

class TestLogHandler : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        logPath = folder.filePath(QStringLiteral("ovinex.log"));
        forwardedMessages.clear();
        forwardedCount = 0;
        ApplicationSettings::instance()->setDebugEnabled(false);
        LogHandler::setForwardHandler(&captureForwarded);
        QVERIFY(LogHandler::setLogFile(logPath));
        // QTest's own handler is put back afterwards so its message checks keep working.
        testHandler = qInstallMessageHandler(nullptr);
        LogHandler::install();
    }

    void cleanup()
    {
        LogHandler::uninstall();
        qInstallMessageHandler(testHandler);
        LogHandler::setLogFile(QString());
        LogHandler::setForwardHandler(nullptr);
        ApplicationSettings::instance()->setDebugEnabled(false);
    }

    void lineLayout()
    {
        qCritical() << "Log file path:" << "/tmp/ovinex.log";

        const QStringList lines = TestEnvironment::readLines(logPath);
        QCOMPARE(lines.size(), 1);
        // 23 characters of date and time, then a blank.
        QVERIFY(QDateTime::fromString(lines.first().left(23), QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")).isValid());
        QCOMPARE(lines.first().mid(23), QStringLiteral(" CRT: Log file path: /tmp/ovinex.log"));
        QCOMPARE(forwardedMessages, QStringList { QStringLiteral("CRT Log file path: /tmp/ovinex.log") });
    }

    void debugFilter_data()
    {
        QTest::addColumn<bool>("debugEnabled");
        QTest::addColumn<QStringList>("expectedTags");
        QTest::newRow("debug off drops debug lines") << false << QStringList { "WRN", "INF", "WRN" };
        QTest::newRow("debug on keeps debug lines") << true << QStringList { "DBG", "DBG", "WRN", "INF", "DBG", "WRN" };
    }

    void debugFilter()
    {
        QFETCH(bool, debugEnabled);
        QFETCH(QStringList, expectedTags);
        ApplicationSettings::instance()->setDebugEnabled(debugEnabled);
        forwardedMessages.clear();
        QFile::resize(logPath, 0);

        qDebug() << "detail";
        qCDebug(lcComm) << "detail of a layer";
        qWarning() << "trouble";
        qInfo() << "news";
        // The switch reaches every layer's category, in any thread.
        std::unique_ptr<QThread> worker(QThread::create([] {
            qCDebug(lcMaster) << "detail of another thread";
            qCWarning(lcMaster) << "trouble of another thread";
        }));
        worker->start();
        QVERIFY(worker->wait(10000));

        QStringList fileTags;
        for (const QString &line : TestEnvironment::readLines(logPath))
            fileTags << linePattern.match(line).captured(1);
        QCOMPARE(fileTags, expectedTags);
        QStringList consoleTags;
        for (const QString &message : qAsConst(forwardedMessages))
            consoleTags << message.left(3);
        QCOMPARE(consoleTags, expectedTags);
        // Off means the layers' debug lines are not even formatted.
        QCOMPARE(lcDevice().isDebugEnabled(), debugEnabled);
    }

    void eachRunStartsWithAnEmptyFile()
    {
        qInfo() << "first run";
        QVERIFY(LogHandler::setLogFile(logPath));
        qInfo() << "second run";

        const QStringList lines = TestEnvironment::readLines(logPath);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.first().endsWith(QStringLiteral("INF: second run")));
    }

    void concurrentLoggingWritesWholeLines()
    {
        constexpr int threadCount = 6;
        constexpr int messagesPerThread = 400;
        LogHandler::setForwardHandler(&countForwarded);
        std::vector<std::unique_ptr<QThread>> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back(QThread::create([t] {
                for (int m = 0; m < messagesPerThread; ++m)
                    qWarning().noquote() << QStringLiteral("thread %1 message %2 %3").arg(t).arg(m).arg(QString(60, 'x'));
            }));
            threads.back()->start();
        }
        for (auto &thread : threads)
            QVERIFY(thread->wait(60000));

        const QStringList lines = TestEnvironment::readLines(logPath);
        QCOMPARE(lines.size(), threadCount * messagesPerThread);
        QCOMPARE(forwardedCount.load(), threadCount * messagesPerThread);
        const QRegularExpression bodyPattern(QStringLiteral("^thread (\\d+) message (\\d+) x{60}$"));
        QSet<QString> seen;
        for (const QString &line : lines) {
            const QRegularExpressionMatch match = linePattern.match(line);
            QVERIFY2(match.hasMatch() && match.captured(1) == QLatin1String("WRN"), qPrintable(line));
            const QRegularExpressionMatch body = bodyPattern.match(match.captured(2));
            QVERIFY2(body.hasMatch(), qPrintable(line));
            seen.insert(body.captured(1) + QLatin1Char('/') + body.captured(2));
        }
        QCOMPARE(seen.size(), threadCount * messagesPerThread);
    }

    void unopenableFileStillForwards()
    {
        QVERIFY(!LogHandler::setLogFile(folder.filePath(QStringLiteral("missing/folder/ovinex.log"))));
        qWarning() << "still reported";
        qInfo() << "and again";
        QCOMPARE(forwardedMessages, (QStringList { "WRN still reported", "INF and again" }));
    }

private:
    QTemporaryDir folder;
    QString logPath;
    QtMessageHandler testHandler = nullptr;
};

OVINEX_TEST_MAIN(TestLogHandler)
#include "tst_loghandler.moc"
