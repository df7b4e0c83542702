#include "processdatafixtures.h"
#include "processdata/processdatarecorditeminfowrapper.h"
#include "testenvironment.h"

#include <QSignalSpy>
#include <QtCharts/QLineSeries>
#include <QtCharts/QPieSeries>

#include <cmath>
#include <limits>

using namespace ProcessDataFixtures;
using QtCharts::QLineSeries;

class TestProcessDataDisplay : public QObject
{
    Q_OBJECT

private slots:
    void referencesFindTheirRecordItems();
    void digitsAndLimits_data();
    void digitsAndLimits();
    void scaledValuesAndValueOut();
    void slidingWindow();
    void throttles();
    void seriesPositionsAndClamping();
    void cursorSearch_data();
    void cursorSearch();
    void conditionChangeResetsCharts();

private:
    static ProcessDataRecordItemInfoWrapper *info(const Device &device, const QString &itemId, int position)
    {
        return device.ref(itemId)->getInfos().at(position);
    }
    static void feed(Device &device, FakeClock &clock, int payloads, qint64 step)
    {
        for (int i = 0; i < payloads; ++i) {
            device.deliver(mainPayload(100, 0, 0, i % 2 == 0), step);
            clock.now += step;
        }
    }
};

void TestProcessDataDisplay::referencesFindTheirRecordItems()
{
    Device device;
    QCOMPARE(device.refs.size(), 3);
    // Subindex 9 names no record item and is left out.
    QCOMPARE(device.ref("PI_Main")->getRecordItemInfos().size(), 4);
    QCOMPARE(info(device, "PI_Main", 0)->property("id").toString(), QStringLiteral("TN_Level"));
    QCOMPARE(info(device, "PI_Main", 0)->property("unit").toString(), QStringLiteral("1013"));
    QVERIFY(info(device, "PO_Main", 0)->property("isOutput").toBool());
    // An image of one simple type is shown through its ProcessDataInfo.
    QCOMPARE(info(device, "PI_Level", 0)->property("unit").toString(), QStringLiteral("1001"));
    QCOMPARE(info(device, "PI_Level", 0)->property("digits").toInt(), 2);
}

void TestProcessDataDisplay::digitsAndLimits_data()
{
    QTest::addColumn<QString>("gradient");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("lowYaxisLimit");
    QTest::addColumn<double>("minY");
    QTest::addColumn<double>("maxY");
    // The record item is the 8-bit unsigned one with the range 10 to 200.
    QTest::newRow("gradient 0.1 without format") << "0.1" << "" << 1 << -214748364.8 << 1.0 << 20.0;
    QTest::newRow("Dec.3 whatever the gradient") << "0.1" << "Dec.3" << 3 << -2147483.648 << 1.0 << 20.0;
    QTest::newRow("lower-case dec.0") << "0.01" << "dec.0" << 0 << -2147483648.0 << 0.1 << 2.0;
    QTest::newRow("gradient 0.01") << "0.01" << "Dec" << 2 << -21474836.48 << 0.1 << 2.0;
    QTest::newRow("gradient 0.25") << "0.25" << "Hex" << 1 << -214748364.8 << 2.5 << 50.0;
    QTest::newRow("unreadable decimals") << "2" << "Dec.x" << 0 << -2147483648.0 << 20.0 << 400.0;
    QTest::newRow("three parts") << "1" << "Dec.2.1" << 0 << -2147483648.0 << 10.0 << 200.0;
    QTest::newRow("negative gradient keeps the axis upright") << "-0.1" << "" << 1 << -214748364.8 << -20.0 << -1.0;
    QTest::newRow("zero gradient") << "0" << "" << 0 << -2147483648.0 << 0.0 << 0.0;
    QTest::newRow("no gradient") << "" << "" << 0 << -2147483648.0 << 10.0 << 200.0;
}

void TestProcessDataDisplay::digitsAndLimits()
{
    QFETCH(QString, gradient);
    QFETCH(QString, format);
    QFETCH(int, digits);
    QFETCH(double, lowYaxisLimit);
    QFETCH(double, minY);
    QFETCH(double, maxY);
    Device device;
    ProcessDataRecordItemInfoT definition;
    definition.gradient.value = gradient;
    definition.displayFormat.value = format;
    ProcessDataRecordItemInfoWrapper wrapper(&definition, device.recordItem("PI_Main", 1), false);
    QCOMPARE(wrapper.property("digits").toInt(), digits);
    QCOMPARE(wrapper.property("lowYaxisLimit").toDouble(), lowYaxisLimit);
    QCOMPARE(wrapper.property("highYaxisLimit").toDouble(), -lowYaxisLimit - 1.0 / std::pow(10.0, digits));
    QCOMPARE(wrapper.property("minY").toDouble(), minY);
    QCOMPARE(wrapper.property("maxY").toDouble(), maxY);
    QCOMPARE(wrapper.property("lowLimit").toDouble(), minY);
    QCOMPARE(wrapper.property("highLimit").toDouble(), maxY);
}

void TestProcessDataDisplay::scaledValuesAndValueOut()
{
    Device device;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    QVERIFY(!level->property("value").isValid());
    device.deliver(mainPayload(3, -7, 0, true), 20);
    QCOMPARE(level->property("value"), QVariant(0.3));
    QVERIFY(level->property("isOutOfRange").toBool());
    QCOMPARE(level->property("singleValue").toString(), QStringLiteral("TN_SV_Three"));
    QCOMPARE(info(device, "PI_Main", 1)->property("value"), QVariant(-3.5));
    // Booleans are shown as they are, never scaled.
    QCOMPARE(info(device, "PI_Main", 3)->property("value"), QVariant(true));

    ProcessDataRecordItemInfoWrapper *nibble = info(device, "PO_Main", 0);
    QSignalSpy spy(nibble, &ProcessDataRecordItemInfoWrapper::valueChanged);
    QVERIFY(nibble->setProperty("valueOut", 5.0));
    QCOMPARE(device.recordItem("PO_Main", 1)->getValue(), QVariant(10u));
    QCOMPARE(nibble->property("valueOut"), QVariant(5.0));
    QVERIFY(info(device, "PO_Main", 1)->setProperty("valueOut", true));
    QCOMPARE(device.recordItem("PO_Main", 2)->getValue(), QVariant(true));
    QCOMPARE(spy.count(), 0);

    // Inputs are not written from the screen.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not an output"));
    level->setProperty("valueOut", 1.0);
    QCOMPARE(device.recordItem("PI_Main", 1)->getValue(), QVariant(3u));
}

void TestProcessDataDisplay::slidingWindow()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    feed(device, clock, 10, 20);
    QVERIFY(level->getSamples().empty());

    level->onRunningChanged(true);
    feed(device, clock, 1500, 20);
    QCOMPARE(int(level->getSamples().size()), 1500);
    QCOMPARE(level->getWindowSum(), qint64(30000));
    // From here on each new sample pushes out the oldest one.
    for (int i = 0; i < 100; ++i) {
        feed(device, clock, 1, 20);
        QCOMPARE(int(level->getSamples().size()), 1500);
        QVERIFY(level->getWindowSum() <= 30000);
    }
    // The window length follows maxX.
    QSignalSpy spy(level, &ProcessDataRecordItemInfoWrapper::maxXChanged);
    QVERIFY(level->setProperty("maxX", QDateTime::fromMSecsSinceEpoch(10000, Qt::UTC)));
    QCOMPARE(spy.count(), 1);
    feed(device, clock, 1, 20);
    QCOMPARE(int(level->getSamples().size()), 500);
    // A sample longer than the whole window is kept on its own.
    feed(device, clock, 1, 40000);
    QCOMPARE(int(level->getSamples().size()), 1);
}

void TestProcessDataDisplay::throttles()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    ProcessDataRecordItemInfoWrapper *switchInfo = info(device, "PI_Main", 3);
    device.ref("PI_Main")->setClock(clock.function());
    QSignalSpy values(level, &ProcessDataRecordItemInfoWrapper::valueChanged);
    QSignalSpy switchValues(switchInfo, &ProcessDataRecordItemInfoWrapper::valueChanged);
    QSignalSpy charts(level, &ProcessDataRecordItemInfoWrapper::chartChanged);
    emit device.ref("PI_Main")->runningChanged(true);

    // 50 payloads 20 ms apart: numbers are announced at 0, 160, ... 960 ms, booleans every time,
    // and the chart redrawn at 0, 100, ... 900 ms.
    feed(device, clock, 50, 20);
    QCOMPARE(values.count(), 7);
    QCOMPARE(switchValues.count(), 50);
    QCOMPARE(charts.count(), 10);
    QCOMPARE(int(level->getSamples().size()), 50);

    // Stopping redraws once, so the chart shows the last samples.
    level->onRunningChanged(false);
    level->onRunningChanged(false);
    QCOMPARE(charts.count(), 11);
}

void TestProcessDataDisplay::seriesPositionsAndClamping()
{
    Device device;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    ProcessDataRecordItemInfoWrapper *temperature = info(device, "PI_Main", 2);
    emit device.ref("PI_Main")->runningChanged(true);
    device.deliver(mainPayload(100, 0, std::numeric_limits<float>::quiet_NaN(), false), 20);
    device.deliver(mainPayload(250, 0, 500.0f, false), 20);
    device.deliver(mainPayload(5, 0, -60.0f, false), 21);

    QLineSeries series;
    series.append(1, 1);
    QSignalSpy replaced(&series, &QLineSeries::pointsReplaced);
    QSignalSpy added(&series, &QLineSeries::pointAdded);
    level->updateSeries(&series);
    QCOMPARE(replaced.count(), 1);
    QCOMPARE(added.count(), 0);
    QCOMPARE(series.pointsVector(), (QVector<QPointF> { { 0, 10.0 }, { 20, level->getHighYaxisLimit() },
                                                         { 40, level->getLowYaxisLimit() } }));
    // A float that is no number is drawn at the bottom as well.
    temperature->updateSeries(&series);
    QCOMPARE(series.at(0).y(), temperature->getLowYaxisLimit());
    level->updateSeries(nullptr);

    // Clearing empties the drawn chart too.
    QSignalSpy cleared(level, &ProcessDataRecordItemInfoWrapper::chartChanged);
    device.ref("PI_Main")->clear();
    QCOMPARE(cleared.count(), 1);
    level->updateSeries(&series);
    QCOMPARE(series.count(), 0);

    QLineSeries cursor;
    level->updateCursor(&cursor, 1200, true);
    QCOMPARE(cursor.pointsVector(), (QVector<QPointF> { { 1200, level->getLowYaxisLimit() },
                                                         { 1200, level->getHighYaxisLimit() } }));
    level->updateCursor(&cursor, 1300, false);
    QCOMPARE(cursor.count(), 0);
    QtCharts::QPieSeries pie;
    level->updateCursor(&pie, 1, true);
    QCOMPARE(level->findCursorPosition(&pie, 7), QPointF(7, level->getLowYaxisLimit()));
}

void TestProcessDataDisplay::cursorSearch_data()
{
    QTest::addColumn<QVector<QPointF>>("points");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("interpolation");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("found");
    const QVector<QPointF> four { { 0, 1 }, { 10, 2 }, { 20, 4 }, { 30, 8 } };
    QTest::newRow("nearer point before the cursor") << four << 12.0 << false << 2.0 << true;
    QTest::newRow("nearer point after the cursor") << four << 18.0 << false << 4.0 << true;
    QTest::newRow("equal distance takes the later point") << four << 15.0 << false << 4.0 << true;
    QTest::newRow("interpolated") << four << 12.0 << true << 2.4 << true;
    QTest::newRow("last segment has no value") << four << 25.0 << false << 0.0 << false;
    QTest::newRow("before the series") << four << -5.0 << false << 1.0 << true;
    QTest::newRow("two points") << QVector<QPointF> { { 0, 1 }, { 10, 2 } } << 5.0 << true << 0.0 << false;
    QTest::newRow("empty") << QVector<QPointF>() << 5.0 << false << 0.0 << false;
    QTest::newRow("two samples at the same time")
        << QVector<QPointF> { { 0, 1 }, { 0, 5 }, { 10, 2 }, { 20, 0 } } << 0.0 << true << 5.0 << true;
}

void TestProcessDataDisplay::cursorSearch()
{
    QFETCH(QVector<QPointF>, points);
    QFETCH(double, x);
    QFETCH(bool, interpolation);
    QFETCH(double, y);
    QFETCH(bool, found);
    Device device;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    QLineSeries series;
    series.replace(points);
    const QPointF result = level->findCursorPosition(&series, x, interpolation);
    QCOMPARE(result.x(), x);
    QCOMPARE(result.y(), found ? y : level->getLowYaxisLimit());
}

void TestProcessDataDisplay::conditionChangeResetsCharts()
{
    Device device;
    FakeClock clock;
    ProcessDataRefWrapper *main = device.ref("PI_Main");
    emit main->runningChanged(true);
    feed(device, clock, 5, 20);
    QCOMPARE(int(info(device, "PI_Main", 0)->getSamples().size()), 5);

    QSignalSpy spy(main, &ProcessDataRefWrapper::conditionAppliesChanged);
    device.select(1);
    QCOMPARE(spy.count(), 1);
    QVERIFY(!main->property("conditionApplies").toBool());
    QVERIFY(device.ref("PI_Level")->property("conditionApplies").toBool());
    QVERIFY(info(device, "PI_Main", 0)->getSamples().empty());
}

OVINEX_TEST_MAIN(TestProcessDataDisplay)
#include "tst_processdatadisplay.moc"
