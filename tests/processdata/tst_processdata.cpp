#include "datatable.h"
#include "processdatafixtures.h"
#include "iodd/model/userinterfaceelements.h"
#include "processdata/processdatahandler.h"
#include "processdata/processdatarecorditeminfowrapper.h"
#include "testenvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtCharts/QLineSeries>
#include <QtCharts/QPieSeries>
#include <QtCharts/QScatterSeries>

#include <limits>

using namespace ProcessDataFixtures;
using QtCharts::QLineSeries;

// The device's binding, as far as the handler asks it: it translates text ids.
class FakeBinding : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QString translate(const QString &textId) const { return QStringLiteral("<%1>").arg(textId); }
};

// Process data values, their display in charts and boxes, and the handler that records and exports them.
class TestProcessData : public QObject
{
    Q_OBJECT

private slots:
    void recordItems_data()
    {
        DataTable::addRows(QStringLiteral("processdata/recorditems.tsv"));
    }

    void recordItems()
    {
        QFETCH(int, subindex);
        Device device;
        QVERIFY(device.isProductLoaded());
        ProcessDataItemWrapper *image = device.item("PI_Main");
        QCOMPARE(image->getRecordItems().size(), 6);
        // Outputs come first, then inputs.
        QVERIFY(device.processDatas.first()->getItems().first()->isOutput());

        const RecordItemWrapper *item = image->getRecordItem(subindex);
        QTEST(item->getType(), "type");
        QTEST(item->getLow(), "low");
        QTEST(item->getHigh(), "high");
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
        device.deliver(mainPayload(150, -2, 21.5f, true, 0xA5), 20);
        QFETCH(QString, decoded);
        QCOMPARE(item->getValue().isValid(), !decoded.isEmpty());
        QCOMPARE(item->getValue().toString(), decoded);
        QCOMPARE(item->getDuration(), qint64(20));
    }

    void rangeAndSingleValues_data()
    {
        DataTable::addRows(QStringLiteral("processdata/ranges.tsv"));
    }

    void rangeAndSingleValues()
    {
        QFETCH(int, subindex);
        QFETCH(QList<double>, fields);
        Device device;
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
        device.deliver(fields.isEmpty() ? QByteArray()
                                        : mainPayload(quint8(fields.at(0)), qint16(fields.at(1)), float(fields.at(2)), fields.at(3) != 0), 20);
        const RecordItemWrapper *item = device.recordItem("PI_Main", subindex);
        QTEST(item->isOutOfRange(), "outOfRange");
        QTEST(item->singleValueText(), "singleValue");
    }

    // Once the other definition is in force, its payloads no longer reach this one's items, and this one's
    // charts start afresh.
    void conditionSwitchBlocksPayloadAndResetsCharts()
    {
        Device device;
        emit device.ref("PI_Main")->runningChanged(true);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
        device.deliver(mainPayload(42, 0, 0, false), 20);
        ProcessDataItemWrapper *main = device.item("PI_Main");
        QVERIFY(main->conditionApplies());
        QVERIFY(!device.item("PI_Level")->conditionApplies());
        QCOMPARE(int(info(device, "PI_Main", 0)->getSamples().size()), 1);

        QSignalSpy conditionSpy(main, &ProcessDataItemWrapper::conditionAppliesChanged);
        QSignalSpy refSpy(device.ref("PI_Main"), &ProcessDataRefWrapper::conditionAppliesChanged);
        QSignalSpy valueSpy(device.recordItem("PI_Main", 1), &RecordItemWrapper::valueChanged);
        device.set(QStringLiteral("V_Select"), 1);
        QCOMPARE(conditionSpy.count(), 1);
        QCOMPARE(refSpy.count(), 1);
        QVERIFY(!main->conditionApplies());
        QVERIFY(!device.ref("PI_Main")->property("conditionApplies").toBool());
        QVERIFY(device.ref("PI_Level")->property("conditionApplies").toBool());
        QVERIFY(info(device, "PI_Main", 0)->getSamples().empty());

        device.deliver(QByteArray::fromHex("1234"), 20);
        QCOMPARE(valueSpy.count(), 0);
        QCOMPARE(device.recordItem("PI_Main", 1)->getValue(), QVariant(42u));
        QCOMPARE(device.recordItem("PI_Level", 0)->getValue(), QVariant(0x1234u));
        // A menu's process-data entry shows the definition in force, never the other one's stale value.
        QCOMPARE(ProcessDataWrapper::applicableRecordItem(device.processDatas, false, 0),
                 device.recordItem("PI_Level", 0));
    }

    void outputPacking()
    {
        Device device;
        QByteArray out;
        QVERIFY(device.processDatas.first()->getOutputData(out));
        QCOMPARE(out, QByteArray(2, '\0'));

        device.recordItem("PO_Main", 1)->setValue(2);
        device.recordItem("PO_Main", 2)->setValue(true);
        device.recordItem("PO_Main", 3)->setValue(-1);
        QVERIFY(device.processDatas.first()->getOutputData(out));
        // Signed -1 fills octet 0; the nibble 0010 sits in bits 4..7 beside the switch in bit 0.
        QCOMPARE(out.toHex(), QByteArray("ff21"));

        // Numbers from the screen are rounded, not cut.
        device.recordItem("PO_Main", 1)->setValue(2.6);
        QCOMPARE(device.recordItem("PO_Main", 1)->getValue(), QVariant(3u));
        device.recordItem("PO_Main", 3)->setValue(-2.6);
        QCOMPARE(device.recordItem("PO_Main", 3)->getValue(), QVariant(-3));

        // Floats travel as big-endian single precision.
        RecordItemWrapper *temperature = device.recordItem("PI_Main", 3);
        temperature->setValue(21.5);
        QByteArray image(10, '\0');
        temperature->writeInto(image);
        QCOMPARE(image.toHex(), QByteArray("00000041ac0000000000"));

        // An image of one simple type is its only item, at subindex 0.
        device.recordItem("PO_Level", 0)->setValue(true);
        QVERIFY(device.processDatas.at(1)->getOutputData(out));
        QCOMPARE(out.toHex(), QByteArray("01"));

        QByteArray untouched("keep");
        QVERIFY(!device.item("PI_Main")->getOutputData(untouched));
        QCOMPARE(untouched, QByteArray("keep"));

        // The handler sends the output of the definition in force, the other layout's once the device switched.
        ProcessDataHandler handler;
        QVERIFY(!handler.getOutputData(out));
        handler.setProcessDatas(device.processDatas);
        QVERIFY(handler.getOutputData(out));
        QCOMPARE(out.size(), 2);
        device.set(QStringLiteral("V_Select"), 1);
        QVERIFY(handler.getOutputData(out));
        QCOMPARE(out.size(), 1);
    }

    void digitsAndLimits_data()
    {
        DataTable::addRows(QStringLiteral("processdata/digitsandlimits.tsv"));
    }

    void digitsAndLimits()
    {
        QFETCH(QString, gradient);
        QFETCH(QString, offset);
        QFETCH(QString, format);
        QFETCH(double, minY);
        QFETCH(double, maxY);
        Device device;
        ProcessDataRecordItemInfoT definition;
        definition.gradient.value = gradient;
        definition.offset.value = offset;
        definition.displayFormat.value = format;
        ProcessDataRecordItemInfoWrapper wrapper(&definition, device.recordItem("PI_Main", 1), false);
        QTEST(wrapper.property("digits").toInt(), "digits");
        QTEST(wrapper.property("lowYaxisLimit").toDouble(), "lowYaxisLimit");
        QCOMPARE(wrapper.property("minY").toDouble(), minY);
        QCOMPARE(wrapper.property("maxY").toDouble(), maxY);
        QCOMPARE(wrapper.property("lowLimit").toDouble(), minY);
        QCOMPARE(wrapper.property("highLimit").toDouble(), maxY);
    }

    void scaledValuesAndValueOut()
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

    void slidingWindow()
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
        // That each new sample then pushes out the oldest one is exportStartsAtItsFirstRow's.
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

    void throttles()
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

        // 50 payloads 20 ms apart: values of every type, and the chart with them, are announced at 0, 100, ... 900 ms.
        feed(device, clock, 50, 20);
        QCOMPARE(values.count(), 10);
        QCOMPARE(switchValues.count(), 10);
        QCOMPARE(charts.count(), 10);
        QCOMPARE(int(level->getSamples().size()), 50);

        // Stopping redraws once, so the chart shows the last samples.
        level->onRunningChanged(false);
        level->onRunningChanged(false);
        QCOMPARE(charts.count(), 11);
    }

    void throttledChartKeepsEverySample_data()
    {
        DataTable::addRows(QStringLiteral("processdata/throttling.tsv"));
    }

    // Drawing at a human rate must not thin out what is recorded: the chart and the export hold every sample.
    void throttledChartKeepsEverySample()
    {
        QFETCH(int, payloads);
        QFETCH(int, step);
        Setup setup;
        setup.device.ref("PI_Main")->setClock(setup.clock.function());
        ProcessDataRecordItemInfoWrapper *level = setup.device.ref("PI_Main")->getInfos().first();
        QSignalSpy charts(level, &ProcessDataRecordItemInfoWrapper::chartChanged);
        setup.handler.start();
        for (int i = 0; i < payloads; ++i)
            setup.receive(mainPayload(quint8(i % 100), 0, 0, i % 2 == 0), step);

        QCOMPARE(setup.samples(), payloads);
        QVERIFY(!charts.isEmpty());
        QLineSeries series;
        level->updateSeries(&series);
        QCOMPARE(series.count(), payloads);
        QCOMPARE(series.at(payloads - 1), QPointF(double(step) * (payloads - 1), (payloads - 1) % 100 / 10.0));
        // A header, one row per sample and the closing empty line.
        const QStringList rows = lines(setup.handler.exportText());
        QCOMPARE(rows.size(), payloads + 2);
        QCOMPARE(rows.at(payloads).split(QStringLiteral("; ")).at(1), QString::number(step * (payloads - 1)));
    }

    void seriesPositionsAndClamping()
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
        QtCharts::QScatterSeries markers;
        level->updateSeries(&series, &markers);
        QCOMPARE(replaced.count(), 1);
        QCOMPARE(added.count(), 0);
        // Values off the axis stay in sight, pinned to the nearer edge and marked.
        QVERIFY(level->getMaxY() < 25.0 && level->getMinY() > 0.5);
        QCOMPARE(series.pointsVector(), (QVector<QPointF> { { 0, 10.0 }, { 20, level->getMaxY() }, { 40, level->getMinY() } }));
        QCOMPARE(markers.pointsVector(), (QVector<QPointF> { { 20, level->getMaxY() }, { 40, level->getMinY() } }));
        // The cursor reads the value as received, not where it is drawn.
        QCOMPARE(level->sampleAt(22).toDouble(), 25.0);
        QCOMPARE(level->sampleAt(35).toDouble(), 0.5);
        QCOMPARE(level->sampleAt(-5).toDouble(), 10.0);
        // A float that is no number is drawn at the bottom as well.
        temperature->updateSeries(&series, &markers);
        QCOMPARE(series.pointsVector(), (QVector<QPointF> { { 0, temperature->getMinY() }, { 20, temperature->getMaxY() },
                                                             { 40, temperature->getMinY() } }));
        QCOMPARE(markers.count(), 3);
        level->updateSeries(nullptr);

        // Clearing empties the drawn chart too.
        QSignalSpy cleared(level, &ProcessDataRecordItemInfoWrapper::chartChanged);
        device.ref("PI_Main")->clear();
        QCOMPARE(cleared.count(), 1);
        level->updateSeries(&series, &markers);
        QCOMPARE(series.count(), 0);
        QCOMPARE(markers.count(), 0);
        QVERIFY(!level->sampleAt(0).isValid());

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

    void floatWithoutRangeFollowsItsValues()
    {
        // Its type spans ±3.4e38: an axis over that draws every value on one flat line.
        Device device(QStringLiteral("processdata/device-float-without-range.xml"));
        ProcessDataRecordItemInfoWrapper *temperature = info(device, "PI_Main", 2);
        emit device.ref("PI_Main")->runningChanged(true);
        QSignalSpy widened(temperature, &ProcessDataRecordItemInfoWrapper::maxYChanged);
        // The item's gradient is 2: 8 is drawn as 16, 52.5 as 105.
        device.deliver(mainPayload(100, 0, 8.0f, false), 20);
        QCOMPARE(temperature->getMinY(), 10.0);
        QCOMPARE(temperature->getMaxY(), 20.0);
        device.deliver(mainPayload(100, 0, 52.5f, false), 20);
        QCOMPARE(temperature->getMinY(), 0.0);
        QCOMPARE(temperature->getMaxY(), 125.0);
        // Values inside leave the axis as it is; the user's own limits end the following.
        const int widenings = widened.count();
        device.deliver(mainPayload(100, 0, 30.0f, false), 20);
        QCOMPARE(widened.count(), widenings);
        temperature->setMaxY(40.0);
        device.deliver(mainPayload(100, 0, 90.0f, false), 20);
        QCOMPARE(temperature->getMaxY(), 40.0);
        // A float with a range keeps it.
        Device ranged;
        ProcessDataRecordItemInfoWrapper *rangedTemperature = info(ranged, "PI_Main", 2);
        emit ranged.ref("PI_Main")->runningChanged(true);
        ranged.deliver(mainPayload(100, 0, 8.0f, false), 20);
        QCOMPARE(rangedTemperature->getMaxY(), 301.0);
    }

    void cursorSearch_data()
    {
        DataTable::addRows(QStringLiteral("processdata/cursor.tsv"));
    }

    void cursorSearch()
    {
        QFETCH(QList<double>, coordinates);
        QFETCH(double, x);
        QFETCH(bool, interpolation);
        QFETCH(double, y);
        QFETCH(bool, found);
        Device device;
        ProcessDataRecordItemInfoWrapper *level = info(device, "PI_Main", 0);
        QLineSeries series;
        for (int i = 0; i + 1 < coordinates.size(); i += 2)
            series.append(coordinates.at(i), coordinates.at(i + 1));
        const QPointF result = level->findCursorPosition(&series, x, interpolation);
        QCOMPARE(result.x(), x);
        QCOMPARE(result.y(), found ? y : level->getLowYaxisLimit());
    }

    void runningStatesAndSamples()
    {
        Setup setup;
        QSignalSpy spy(&setup.handler, &ProcessDataHandler::runningChanged);
        // Values follow the device also while nothing is recorded.
        setup.receive(mainPayload(150, 0, 0, false), 20);
        QCOMPARE(setup.device.ref("PI_Main")->getInfos().first()->property("value"), QVariant(15.0));
        QCOMPARE(setup.samples(), 0);

        setup.handler.start();
        QVERIFY(setup.handler.property("running").toBool());
        for (int i = 0; i < 3; ++i)
            setup.receive(mainPayload(100, 0, 0, false), 20);
        QCOMPARE(setup.samples(), 3);
        QCOMPARE(setup.device.recordItem("PI_Main", 1)->getDuration(), qint64(20));

        setup.handler.pause();
        setup.receive(mainPayload(100, 0, 0, false), 35);
        QCOMPARE(setup.samples(), 3);
        setup.handler.start();
        setup.receive(mainPayload(100, 0, 0, false), 20);
        QCOMPARE(setup.samples(), 4);

        setup.handler.stop();
        setup.handler.stop();
        QCOMPARE(setup.samples(), 4);
        QVERIFY(!setup.handler.isRunning() && !setup.handler.isPaused());
        setup.handler.start();
        QCOMPARE(setup.samples(), 0);

        setup.receive(mainPayload(100, 0, 0, false), 20);
        setup.handler.clear();
        QCOMPARE(setup.samples(), 0);
        QVERIFY(setup.handler.isRunning());
        // Every call announces the state, also when it does not change.
        const QList<bool> expected { true, false, true, false, false, true };
        QCOMPARE(spy.count(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(spy.at(i).at(0).toBool(), expected.at(i));
    }

    void exportLayout()
    {
        Setup setup;
        setup.handler.start();
        setup.receive(mainPayload(10, 0, 0, false), 20);
        setup.receive(mainPayload(11, 1, 0, true), 20);
        setup.receive(mainPayload(12, 2, 0, false), 21);
        // Refs in order, each with the infos of the record items its subindexes name (not 9); the output ref records
        // nothing but has its columns.
        const QStringList expected {
            QStringLiteral("Start time; Time[ms]; Level [mm]; Signed; Temperature; Switch; OutNibble; OutSwitch; "),
            setup.startCell() + QStringLiteral("; 0; 1; 0; 0; 0; "),
            QStringLiteral("; 20; 1.1; 0.5; 0; 1; "),
            QStringLiteral("; 40; 1.2; 1; 0; 0; "),
            QString(),
        };
        QCOMPARE(lines(setup.handler.exportText()), expected);
        QVERIFY(info(setup.device, "PO_Main", 0)->property("isOutput").toBool());
        // An image of one simple type is shown through its ProcessDataInfo.
        QCOMPARE(info(setup.device, "PI_Level", 0)->property("unit").toString(), QStringLiteral("1001"));
        QCOMPARE(info(setup.device, "PI_Level", 0)->property("digits").toInt(), 2);

        // Refs whose condition does not apply are left out.
        setup.device.set(QStringLiteral("V_Select"), 1);
        setup.receive(QByteArray::fromHex("0102"), 20);
        QCOMPARE(lines(setup.handler.exportText()).first(), QStringLiteral("Start time; Time[ms]; PI_Level; "));
        QVERIFY(lines(setup.handler.exportText()).at(1).endsWith(QStringLiteral("; 0; 2.58; ")));
    }

    void exportNumbersAndColumns()
    {
        Setup setup;
        setup.handler.start();
        // Temperature has the gradient 2.
        setup.receive(mainPayload(0, 0, 617283.5f, false), 20);
        setup.receive(mainPayload(0, 0, 0.25f, false), 20);
        setup.receive(mainPayload(0, 0, 61.7f, false), 20);
        QStringList rows = lines(setup.handler.exportText());
        QCOMPARE(rows.at(1).split(QStringLiteral("; ")).at(4), QStringLiteral("1.23457e+06"));
        QCOMPARE(rows.at(2).split(QStringLiteral("; ")).at(4), QStringLiteral("0.5"));
        QCOMPARE(rows.at(3).split(QStringLiteral("; ")).at(4), QStringLiteral("123.4"));

        // When the first column has lost its samples, the others stay under their own titles, with times.
        setup.device.ref("PI_Main")->getInfos().first()->resetChart();
        rows = lines(setup.handler.exportText());
        QCOMPARE(rows.at(1), setup.startCell() + QStringLiteral("; 0; ; 0; 1.23457e+06; 0; "));
        QCOMPARE(rows.at(3), QStringLiteral("; 40; ; 0; 123.4; 0; "));
    }

    void titlesThroughTheDeviceBindingAndAfterIt()
    {
        Device device;
        FakeBinding binding;
        QObject owner;
        owner.setProperty("ioLink", QVariant::fromValue<QObject *>(&binding));
        auto *handler = new ProcessDataHandler(&owner);
        QSignalSpy spy(handler, &ProcessDataHandler::processDataRefsChanged);
        handler->start();
        handler->setProcessDatas(device.processDatas);
        handler->setProcessDataRefs({ device.ref("PI_Main") });
        handler->setProcessDataRefs({ device.ref("PI_Main") });
        QCOMPARE(spy.count(), 1);
        QVERIFY(handler->exportText().startsWith(QStringLiteral("Start time; Time[ms]; <TN_Level>; <TN_Signed>; ")));
        // Refs handed over while recording runs record at once.
        handler->onProcessDataReceived(mainPayload(10, 0, 0, false));
        QCOMPARE(lines(handler->exportText()).size(), 3);

        ProcessDataHandler orphan;
        QCOMPARE(orphan.exportText(), QStringLiteral("Start time; Time[ms]; \n"));
        orphan.setProcessDataRefs({ device.ref("PI_Main") });
        QVERIFY(orphan.exportText().startsWith(QStringLiteral("Start time; Time[ms]; TN_Level; TN_Signed; ")));

        // The handler outlives the binding that owns its refs.
        ProcessDataHandler outliving;
        auto gone = std::make_unique<Device>();
        outliving.setProcessDatas(gone->processDatas);
        outliving.setProcessDataRefs(gone->refs);
        outliving.start();
        outliving.onProcessDataReceived(mainPayload(10, 0, 0, false));
        gone.reset();
        QCOMPARE(outliving.exportText(), QStringLiteral("Start time; Time[ms]; \n"));
        QVERIFY(outliving.getProcessDataRefs().isEmpty());
        outliving.onProcessDataReceived(mainPayload(10, 0, 0, false));
    }

    void clipboardAndFile()
    {
        Setup setup;
        setup.handler.start();
        setup.receive(mainPayload(10, 0, 0, false), 20);
        QGuiApplication::clipboard()->clear();
        setup.handler.copyToClipboard();
        QCOMPARE(QGuiApplication::clipboard()->text(), setup.handler.exportText());

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("data.csv"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4096, 'o'));
        old.close();
        setup.receive(mainPayload(11, 0, 0, false), 20);
        QSignalSpy failures(&setup.handler, &ProcessDataHandler::saveFailed);
        QSignalSpy confirmations(&setup.handler, &ProcessDataHandler::saved);
        setup.handler.saveToFile(QUrl::fromLocalFile(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(QString::fromUtf8(saved.readAll()), setup.handler.exportText());
        QCOMPARE(QGuiApplication::clipboard()->text(), setup.handler.exportText());
        QCOMPARE(failures.count(), 0);
        QCOMPARE(confirmations.count(), 1);
        // That both messages name the file is checked on the screen by tst_mainwindow's processDataIsChartedAndExported.
        QVERIFY(confirmations.at(0).at(0).toString().contains(QStringLiteral("rows: 2")));

        // A file that cannot be written is reported, and the rows wait on the clipboard.
        const QString unwritable = folder.filePath(QStringLiteral("missing/folder/data.csv"));
        QGuiApplication::clipboard()->clear();
        failures.clear();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^can not open"));
        setup.handler.saveToFile(QUrl::fromLocalFile(unwritable));
        QCOMPARE(failures.count(), 1);
        QVERIFY(failures.at(0).at(0).toString().contains(QStringLiteral("clipboard")));
        QCOMPARE(QGuiApplication::clipboard()->text(), setup.handler.exportText());
    }

    void exportStartsAtItsFirstRow()
    {
        Setup setup;
        setup.handler.start();
        // 40 s of payloads every 20 ms, of which the 30 s chart window keeps the last 1 500.
        for (int i = 0; i < 2000; ++i)
            setup.receive(mainPayload(10, 0, 0, false), 20);
        QCOMPARE(setup.samples(), 1500);
        QCOMPARE(setup.handler.exportedRowCount(), 1500);
        const QDateTime first = setup.handler.getStartTime().addMSecs(20 * 501);
        QCOMPARE(setup.handler.firstRowTime(), first);
        const QStringList rows = lines(setup.handler.exportText());
        QVERIFY2(rows.at(1).startsWith(first.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QStringLiteral("; 0; ")),
                 qPrintable(rows.at(1)));

        // Payloads while paused are not recorded and do not move the start; after the pause the time runs on.
        setup.handler.pause();
        setup.receive(mainPayload(10, 0, 0, false), 5000);
        QCOMPARE(setup.handler.firstRowTime(), first);
        setup.handler.start();
        setup.receive(mainPayload(10, 0, 0, false), 20);
        QCOMPARE(setup.handler.firstRowTime(), setup.handler.getStartTime().addMSecs(20 - 30000 + 20));
    }

    void withoutReferencesEveryItemIsShown_data()
    {
        DataTable::addRows(QStringLiteral("processdata/withoutreferences.tsv"));
    }

    void withoutReferencesEveryItemIsShown()
    {
        QFETCH(QString, itemId);
        QFETCH(QList<int>, digits);
        Device device;
        const QList<ProcessDataRefWrapper *> refs = ProcessDataRefWrapper::forEveryImage(device.processDatas, &device);
        QCOMPARE(refs.size(), 4);
        // Inputs come first, so the box lists measured values above the switches.
        QVERIFY(!refs.at(1)->getItem()->isOutput());
        QVERIFY(refs.at(2)->getItem()->isOutput());

        const ProcessDataRefWrapper *ref = LoadedDescription::refOf(refs, itemId);
        QVERIFY(ref);
        QStringList shownNames;
        QList<int> shownDigits;
        for (const QObject *info : ref->getRecordItemInfos()) {
            shownNames << info->property("id").toString();
            shownDigits << info->property("digits").toInt();
            QTEST(info->property("isOutput").toBool(), "output");
            QCOMPARE(info->property("unit").toString(), QString());
        }
        QTEST(shownNames, "names");
        QCOMPARE(shownDigits, digits);
    }

    // Values as the device sends them, unless the menus agree on one scaling of the item; the inputs of the
    // definition in force only.
    void withoutReferencesValuesAreRawOrScaledAsTheMenusShowThem()
    {
        MenuCollectionT menus;
        auto addRef = [&menus](const char *subindex, const char *gradient, const char *offset, const char *unit) {
            MenuT *menu = menus.Menu.appendOwned(new MenuT);
            UIRecordItemRefT *ref = menu->RecordItemRef.appendOwned(new UIRecordItemRefT);
            ref->variableId.value = QStringLiteral("V_ProcessDataInput");
            ref->subindex.value = QString::fromLatin1(subindex);
            ref->gradient.value = QString::fromLatin1(gradient);
            ref->offset.value = QString::fromLatin1(offset);
            ref->unitCode.value = QString::fromLatin1(unit);
        };
        addRef("2", "0.1", "-5", "1001");
        addRef("2", "0.1", "-5", "1001"); // the same in a second menu
        addRef("3", "1", "0", "1001");    // °C in one menu ...
        addRef("3", "1.8", "32", "1002"); // ... °F in another, as a setting decides: left raw
        Device device;
        const auto refs = ProcessDataRefWrapper::forEveryImage(device.processDatas, &device,
                                                               ProcessDataDisplayHints::fromMenus(&menus));
        ProcessDataRefWrapper *main = LoadedDescription::refOf(refs, "PI_Main");
        ProcessDataRefWrapper *level = LoadedDescription::refOf(refs, "PI_Level");
        QVERIFY(main->conditionApplies());
        QVERIFY(!level->conditionApplies());

        device.deliver(mainPayload(3, -300, 1.5f, true, 7), 20);
        const QList<QObject *> infos = main->getRecordItemInfos();
        QCOMPARE(infos.at(0)->property("value").toDouble(), 3.0);
        QCOMPARE(infos.at(0)->property("singleValue").toString(), QStringLiteral("TN_SV_Three"));
        QCOMPARE(infos.at(1)->property("value").toDouble(), -35.0);
        QCOMPARE(infos.at(1)->property("unit").toString(), QStringLiteral("1001"));
        QCOMPARE(infos.at(1)->property("digits").toInt(), 1);
        QCOMPARE(infos.at(2)->property("value").toDouble(), 1.5);
        QCOMPARE(infos.at(2)->property("unit").toString(), QString());
        QCOMPARE(infos.at(3)->property("value").toBool(), true);
        QCOMPARE(infos.at(4)->property("value").toDouble(), 7.0);

        QSignalSpy switched(level, &ProcessDataRefWrapper::conditionAppliesChanged);
        device.set(QStringLiteral("V_Select"), 1);
        QVERIFY(!main->conditionApplies());
        QVERIFY(level->conditionApplies());
        QCOMPARE(switched.count(), 1);
    }

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
    struct Setup
    {
        Setup()
        {
            handler.setClock(clock.function());
            handler.setTranslator([](const QString &textId) { return textId.mid(3); });
            handler.setUnitTranslator([](const QString &unitCode) { return unitCode == QLatin1String("1013") ? QStringLiteral("mm") : QString(); });
            handler.setProcessDatas(device.processDatas);
            handler.setProcessDataRefs(device.refs);
        }
        int samples(int position = 0) const { return int(device.ref("PI_Main")->getInfos().at(position)->getSamples().size()); }
        void receive(const QByteArray &payload, qint64 after)
        {
            clock.now += after;
            handler.onProcessDataReceived(payload);
        }
        // The first row's time, 20 ms after the start in these cases: in the next second when the start was late in its own.
        QString startCell() const { return handler.firstRowTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }
        Device device;
        FakeClock clock;
        ProcessDataHandler handler;
    };

    static QStringList lines(const QString &text) { return text.split(QLatin1Char('\n')); }
};

OVINEX_TEST_MAIN(TestProcessData)
#include "tst_processdata.moc"
