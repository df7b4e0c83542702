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
    void digitsAndAxisLimits_data();
    void digitsAndAxisLimits();
    void digitsFromGradient_data();
    void digitsFromGradient();
    void displayFormats_data();
    void displayFormats();
    void limitsScaleWithGradient();
    void scaledValues();
    void valueOutDividesByGradient();
    void slidingWindow();
    void windowFollowsMaxX();
    void valueThrottle();
    void chartThrottle();
    void noSamplesWhileStopped();
    void seriesPositionsAndClamping();
    void seriesReplacedInOneCall();
    void clearedWindowEmptiesSeries();
    void cursorLine();
    void cursorSearch_data();
    void cursorSearch();
    void conditionChangeResetsCharts();

private:
    static ProcessDataRecordItemInfoWrapper *info(const Device &device, const QString &itemId, int position);
    static void feed(Device &device, FakeClock &clock, int payloads, qint64 step, quint8 level = 100);
};

ProcessDataRecordItemInfoWrapper *TestProcessDataDisplay::info(const Device &device, const QString &itemId,
                                                              int position)
{
    ProcessDataRefWrapper *ref = device.ref(itemId);
    return ref && position < ref->getInfos().size() ? ref->getInfos().at(position) : nullptr;
}

void TestProcessDataDisplay::feed(Device &device, FakeClock &clock, int payloads, qint64 step, quint8 level)
{
    for (int i = 0; i < payloads; ++i) {
        clock.now += step;
        device.deliver(mainPayload(level, 0, 0, i % 2 == 0), step);
    }
}

void TestProcessDataDisplay::referencesFindTheirRecordItems()
{
    Device device;
    QCOMPARE(device.refs.size(), 3);
    // Subindex 9 names no record item and is left out.
    QCOMPARE(device.ref("PI_Main")->getRecordItemInfos().size(), 4);
    QCOMPARE(info(device, "PI_Main", 0)->getId(), QStringLiteral("TN_Level"));
    QCOMPARE(info(device, "PI_Main", 0)->getUnit(), QStringLiteral("1013"));
    QVERIFY(info(device, "PO_Main", 0)->isOutput());
    // An image of one simple type is shown through its ProcessDataInfo.
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Level", 0);
    QVERIFY(level);
    QCOMPARE(level->getUnit(), QStringLiteral("1001"));
    QCOMPARE(level->getHighLimit(), 655.35);
}

void TestProcessDataDisplay::digitsAndAxisLimits_data()
{
    QTest::addColumn<QString>("itemId");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("lowYaxisLimit");
    QTest::addColumn<double>("highYaxisLimit");
    QTest::newRow("gradient 0.1 without format") << "PI_Main" << 0 << 1 << -214748364.8 << 214748364.7;
    QTest::newRow("Dec.3 whatever the gradient") << "PI_Main" << 1 << 3 << -2147483.648 << 2147483.647;
    QTest::newRow("Hex gives no decimals") << "PI_Main" << 2 << 0 << -2147483648.0 << 2147483647.0;
    QTest::newRow("whole image with Dec.2") << "PI_Level" << 0 << 2 << -21474836.48 << 21474836.47;
}

void TestProcessDataDisplay::digitsAndAxisLimits()
{
    QFETCH(QString, itemId);
    QFETCH(int, position);
    QFETCH(int, digits);
    QFETCH(double, lowYaxisLimit);
    QFETCH(double, highYaxisLimit);
    Device device;
    const ProcessDataRecordItemInfoWrapper *wrapper = info(device, itemId, position);
    QCOMPARE(wrapper->property("digits").toInt(), digits);
    QCOMPARE(wrapper->property("lowYaxisLimit").toDouble(), lowYaxisLimit);
    QCOMPARE(wrapper->property("highYaxisLimit").toDouble(), highYaxisLimit);
}

void TestProcessDataDisplay::digitsFromGradient_data()
{
    QTest::addColumn<QString>("gradient");
    QTest::addColumn<int>("digits");
    QTest::newRow("0.01") << "0.01" << 2;
    QTest::newRow("0.001") << "0.001" << 3;
    QTest::newRow("0.25") << "0.25" << 1;
    QTest::newRow("1") << "1" << 0;
    QTest::newRow("2.5") << "2.5" << 0;
    QTest::newRow("negative -0.1") << "-0.1" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("absent") << "" << 0;
}

void TestProcessDataDisplay::digitsFromGradient()
{
    QFETCH(QString, gradient);
    QFETCH(int, digits);
    Device device;
    ProcessDataRecordItemInfoT definition;
    definition.gradient.value = gradient;
    definition.subindex.value = QStringLiteral("1");
    ProcessDataRecordItemInfoWrapper wrapper(&definition, device.recordItem("PI_Main", 1), false);
    QCOMPARE(wrapper.getDigits(), digits);
    QVERIFY(std::isfinite(wrapper.getLowYaxisLimit()));
}

void TestProcessDataDisplay::displayFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("decimals");
    QTest::newRow("Dec.3") << "Dec.3" << 3;
    QTest::newRow("lower case dec.1") << "dec.1" << 1;
    QTest::newRow("Dec.0") << "Dec.0" << 0;
    QTest::newRow("Dec alone") << "Dec" << -1;
    QTest::newRow("Hex") << "Hex" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("unreadable number") << "Dec.x" << -1;
    QTest::newRow("three parts") << "Dec.2.1" << -1;
    QTest::newRow("other base") << "Bin.2" << -1;
}

void TestProcessDataDisplay::displayFormats()
{
    QFETCH(QString, format);
    QFETCH(int, decimals);
    QCOMPARE(ProcessDataRecordItemInfoWrapper::decimalsOfDisplayFormat(format), decimals);
}

void TestProcessDataDisplay::limitsScaleWithGradient()
{
    Device device;
    const ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    QCOMPARE(level->property("lowLimit").toDouble(), 1.0);
    QCOMPARE(level->property("highLimit").toDouble(), 20.0);
    QCOMPARE(level->getMinY(), 1.0);
    QCOMPARE(level->getMaxY(), 20.0);

    ProcessDataRecordItemInfoT definition;
    definition.gradient.value = QStringLiteral("-2");
    ProcessDataRecordItemInfoWrapper inverted(&definition, device.recordItem("PI_Main", 1), false);
    QCOMPARE(inverted.getMinY(), -400.0);
    QCOMPARE(inverted.getMaxY(), -20.0);
}

void TestProcessDataDisplay::scaledValues()
{
    Device device;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    ProcessDataRecordItemInfoWrapper *signedValue = info(device, "PI_Main", 1);
    ProcessDataRecordItemInfoWrapper *switchInfo = info(device, "PI_Main", 3);
    QVERIFY(!level->property("value").isValid());

    device.deliver(mainPayload(3, -7, 0, true), 20);
    QCOMPARE(level->property("value"), QVariant(0.3));
    QCOMPARE(level->property("isOutOfRange").toBool(), true);
    QCOMPARE(level->property("singleValue").toString(), QStringLiteral("TN_SV_Three"));
    QCOMPARE(signedValue->property("value"), QVariant(-3.5));
    // Booleans are shown as they are, never scaled.
    QCOMPARE(switchInfo->property("value"), QVariant(true));
    QVERIFY(switchInfo->property("isBoolean").toBool());
}

void TestProcessDataDisplay::valueOutDividesByGradient()
{
    Device device;
    ProcessDataRecordItemInfoWrapper *nibble = info(device, "PO_Main", 0);
    ProcessDataRecordItemInfoWrapper *outSwitch = info(device, "PO_Main", 1);
    QSignalSpy spy(nibble, &ProcessDataRecordItemInfoWrapper::valueChanged);
    QVERIFY(nibble->setProperty("valueOut", 5.0));
    QCOMPARE(device.recordItem("PO_Main", 1)->getValue(), QVariant(10u));
    QCOMPARE(nibble->property("valueOut"), QVariant(5.0));
    QVERIFY(outSwitch->setProperty("valueOut", true));
    QCOMPARE(device.recordItem("PO_Main", 2)->getValue(), QVariant(true));
    QCOMPARE(spy.count(), 0);

    // Inputs are not written from the screen.
    device.deliver(mainPayload(100, 0, 0, false), 20);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not an output"));
    info(device, "PI_Main", 0)->setProperty("valueOut", 1.0);
    QCOMPARE(device.recordItem("PI_Main", 1)->getValue(), QVariant(100u));
}

void TestProcessDataDisplay::slidingWindow()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    level->setClock(clock.function());
    level->onRunningChanged(true);

    feed(device, clock, 1499, 20);
    QCOMPARE(int(level->getSamples().size()), 1499);
    feed(device, clock, 1, 20);
    QCOMPARE(int(level->getSamples().size()), 1500);
    QCOMPARE(level->getWindowSum(), qint64(30000));

    // From here on each new sample pushes out the oldest one.
    for (int i = 0; i < 100; ++i) {
        feed(device, clock, 1, 20);
        QCOMPARE(int(level->getSamples().size()), 1500);
        QVERIFY(level->getWindowSum() <= 30000);
    }
    // A sample longer than the whole window is kept on its own.
    feed(device, clock, 1, 40000);
    QCOMPARE(int(level->getSamples().size()), 1);
}

void TestProcessDataDisplay::windowFollowsMaxX()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    QSignalSpy spy(level, &ProcessDataRecordItemInfoWrapper::maxXChanged);
    QVERIFY(level->setProperty("maxX", QDateTime::fromMSecsSinceEpoch(10000, Qt::UTC)));
    QCOMPARE(spy.count(), 1);
    level->onRunningChanged(true);
    feed(device, clock, 800, 20);
    QCOMPARE(int(level->getSamples().size()), 500);
}

void TestProcessDataDisplay::valueThrottle()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    ProcessDataRecordItemInfoWrapper *switchInfo = info(device, "PI_Main", 3);
    level->setClock(clock.function());
    switchInfo->setClock(clock.function());
    QSignalSpy levelSpy(level, &ProcessDataRecordItemInfoWrapper::valueChanged);
    QSignalSpy switchSpy(switchInfo, &ProcessDataRecordItemInfoWrapper::valueChanged);

    // 50 payloads, 20 ms apart: numbers are announced at 0, 160, 320, ... 960 ms; booleans every time.
    for (int i = 0; i < 50; ++i) {
        device.deliver(mainPayload(quint8(i), 0, 0, i % 2 == 0), 20);
        clock.now += 20;
    }
    QCOMPARE(levelSpy.count(), 7);
    QCOMPARE(switchSpy.count(), 50);

    // After a quiet spell the next value is announced at once.
    clock.now += 151;
    device.deliver(mainPayload(1, 0, 0, false), 151);
    QCOMPARE(levelSpy.count(), 8);
}

void TestProcessDataDisplay::chartThrottle()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    level->setClock(clock.function());
    QSignalSpy spy(level, &ProcessDataRecordItemInfoWrapper::chartChanged);
    level->onRunningChanged(true);

    // At 0, 100, 200, ... 900 ms: the first payload at least 84 ms after the last redraw.
    for (int i = 0; i < 50; ++i) {
        device.deliver(mainPayload(quint8(i), 0, 0, false), 20);
        clock.now += 20;
    }
    QCOMPARE(spy.count(), 10);
    QCOMPARE(int(level->getSamples().size()), 50);

    // Stopping redraws once, so the chart shows the last samples.
    level->onRunningChanged(false);
    QCOMPARE(spy.count(), 11);
    level->onRunningChanged(false);
    QCOMPARE(spy.count(), 11);
}

void TestProcessDataDisplay::noSamplesWhileStopped()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    QSignalSpy spy(level, &ProcessDataRecordItemInfoWrapper::chartChanged);
    feed(device, clock, 10, 20);
    QVERIFY(level->getSamples().empty());
    QCOMPARE(spy.count(), 0);
    QCOMPARE(level->property("value"), QVariant(10.0));
}

void TestProcessDataDisplay::seriesPositionsAndClamping()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    ProcessDataRecordItemInfoWrapper *temperature = info(device, "PI_Main", 2);
    level->onRunningChanged(true);
    temperature->onRunningChanged(true);
    device.deliver(mainPayload(100, 0, std::numeric_limits<float>::quiet_NaN(), false), 20);
    device.deliver(mainPayload(250, 0, 500.0f, false), 20);
    device.deliver(mainPayload(5, 0, -60.0f, false), 21);

    QLineSeries series;
    level->updateSeries(&series);
    QCOMPARE(series.count(), 3);
    QCOMPARE(series.at(0), QPointF(0, 10.0));
    QCOMPARE(series.at(1), QPointF(20, level->getHighYaxisLimit()));
    QCOMPARE(series.at(2), QPointF(40, level->getLowYaxisLimit()));

    QLineSeries temperatureSeries;
    temperature->updateSeries(&temperatureSeries);
    QCOMPARE(temperatureSeries.at(0).y(), temperature->getLowYaxisLimit());
    QCOMPARE(temperatureSeries.at(1).y(), temperature->getHighYaxisLimit());
    QCOMPARE(temperatureSeries.at(2).y(), temperature->getLowYaxisLimit());

    level->updateSeries(nullptr);
}

void TestProcessDataDisplay::seriesReplacedInOneCall()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    level->onRunningChanged(true);
    feed(device, clock, 1600, 20);

    QLineSeries series;
    series.append(1, 1);
    QSignalSpy replaced(&series, &QLineSeries::pointsReplaced);
    QSignalSpy added(&series, &QLineSeries::pointAdded);
    QSignalSpy removed(&series, &QLineSeries::pointRemoved);
    level->updateSeries(&series);
    QCOMPARE(replaced.count(), 1);
    QCOMPARE(added.count(), 0);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(series.count(), 1500);
    QCOMPARE(series.at(1499).x(), 1499 * 20.0);
}

void TestProcessDataDisplay::clearedWindowEmptiesSeries()
{
    Device device;
    FakeClock clock;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    level->onRunningChanged(true);
    feed(device, clock, 5, 20);
    QLineSeries series;
    level->updateSeries(&series);
    QCOMPARE(series.count(), 5);

    QSignalSpy chartSpy(level, &ProcessDataRecordItemInfoWrapper::chartChanged);
    QSignalSpy valueSpy(level, &ProcessDataRecordItemInfoWrapper::valueChanged);
    device.ref("PI_Main")->clear();
    QCOMPARE(chartSpy.count(), 1);
    QCOMPARE(valueSpy.count(), 1);
    level->updateSeries(&series);
    QCOMPARE(series.count(), 0);
}

void TestProcessDataDisplay::cursorLine()
{
    Device device;
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    QLineSeries cursor;
    cursor.append(3, 3);
    level->updateCursor(&cursor, 1200, true);
    QCOMPARE(cursor.count(), 2);
    QCOMPARE(cursor.at(0), QPointF(1200, level->getLowYaxisLimit()));
    QCOMPARE(cursor.at(1), QPointF(1200, level->getHighYaxisLimit()));
    level->updateCursor(&cursor, 1300, false);
    QCOMPARE(cursor.count(), 0);

    QtCharts::QPieSeries pie;
    level->updateCursor(&pie, 1, true);
    level->updateCursor(nullptr, 1, true);
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
    QTest::newRow("on a point") << four << 10.0 << false << 2.0 << true;
    QTest::newRow("last segment has no value") << four << 25.0 << false << 0.0 << false;
    QTest::newRow("after the series") << four << 45.0 << true << 0.0 << false;
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
    ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
    emit main->runningChanged(true);
    feed(device, clock, 5, 20);
    QCOMPARE(int(level->getSamples().size()), 5);
    QVERIFY(main->property("conditionApplies").toBool());

    QSignalSpy spy(main, &ProcessDataRefWrapper::conditionAppliesChanged);
    device.select(1);
    QCOMPARE(spy.count(), 1);
    QVERIFY(!main->property("conditionApplies").toBool());
    QVERIFY(device.ref("PI_Level")->property("conditionApplies").toBool());
    QVERIFY(level->getSamples().empty());
}

OVINEX_TEST_MAIN(TestProcessDataDisplay)
#include "tst_processdatadisplay.moc"
