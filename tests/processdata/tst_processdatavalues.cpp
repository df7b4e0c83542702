#include "processdatafixtures.h"
#include "testenvironment.h"

#include <QSignalSpy>

#include <limits>

using namespace ProcessDataFixtures;

class TestProcessDataValues : public QObject
{
    Q_OBJECT

private slots:
    void recordItems_data();
    void recordItems();
    void rangeAndSingleValues_data();
    void rangeAndSingleValues();
    void everyPayloadAnnounced();
    void conditionBlocksPayload();
    void outputPacking();
    void wholeImageOfOneSimpleType();
};

void TestProcessDataValues::recordItems_data()
{
    QTest::addColumn<int>("subindex");
    QTest::addColumn<uint>("type");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QVariant>("decoded");
    QTest::newRow("8-bit unsigned narrowed by its range") << 1 << 1u << 10.0 << 200.0 << QVariant(150u);
    QTest::newRow("16-bit signed without range") << 2 << 2u << -32768.0 << 32767.0 << QVariant(-2);
    QTest::newRow("float with its range") << 3 << 3u << -50.0 << 150.5 << QVariant(21.5);
    QTest::newRow("boolean") << 4 << 0u << 0.0 << 1.0 << QVariant(true);
    QTest::newRow("4-bit unsigned beside other bits") << 5 << 1u << 0.0 << 15.0 << QVariant(5u);
    QTest::newRow("text is not supported") << 6 << 255u << 0.0 << 1.0 << QVariant();
}

void TestProcessDataValues::recordItems()
{
    QFETCH(int, subindex);
    QFETCH(uint, type);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QVariant, decoded);
    Device device;
    QVERIFY(device.loaded);
    ProcessDataItemWrapper *image = device.item("PI_Main");
    QCOMPARE(image->getRecordItems().size(), 6);
    // Outputs come first, then inputs.
    QVERIFY(device.processDatas.first()->getItems().first()->isOutput());

    const RecordItemWrapper *item = image->getRecordItem(subindex);
    QCOMPARE(item->getType(), type);
    QCOMPARE(item->getLow(), low);
    QCOMPARE(item->getHigh(), high);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
    device.deliver(mainPayload(150, -2, 21.5f, true, 0xA5), 20);
    QCOMPARE(item->getValue(), decoded);
    QCOMPARE(item->getDuration(), qint64(20));
}

void TestProcessDataValues::rangeAndSingleValues_data()
{
    QTest::addColumn<int>("subindex");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("outOfRange");
    QTest::addColumn<QString>("singleValue");
    QTest::newRow("unsigned inside its range") << 1 << mainPayload(100, 0, 0, false) << false << QString();
    QTest::newRow("unsigned one above its range") << 1 << mainPayload(201, 0, 0, false) << true << QString();
    QTest::newRow("unsigned single value below the range")
        << 1 << mainPayload(3, 0, 0, false) << true << QStringLiteral("TN_SV_Three");
    QTest::newRow("signed at its lowest") << 2 << mainPayload(0, -32768, 0, false) << false << QString();
    QTest::newRow("float single value") << 3 << mainPayload(0, 0, -1.5f, false) << false
                                        << QStringLiteral("TN_SV_NoEcho");
    QTest::newRow("float above its range") << 3 << mainPayload(0, 0, 150.75f, false) << true << QString();
    QTest::newRow("float that is no number")
        << 3 << mainPayload(0, 0, std::numeric_limits<float>::quiet_NaN(), false) << true << QString();
    QTest::newRow("boolean is never out of range") << 4 << mainPayload(0, 0, 0, true) << false << QString();
    // A field the payload cannot hold reads as the type's maximum, which no range contains.
    QTest::newRow("empty payload") << 1 << QByteArray() << true << QString();
}

void TestProcessDataValues::rangeAndSingleValues()
{
    QFETCH(int, subindex);
    QFETCH(QByteArray, payload);
    QFETCH(bool, outOfRange);
    QFETCH(QString, singleValue);
    Device device;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
    device.deliver(payload, 20);
    const RecordItemWrapper *item = device.recordItem("PI_Main", subindex);
    QCOMPARE(item->isOutOfRange(), outOfRange);
    QCOMPARE(item->singleValueText(), singleValue);
}

void TestProcessDataValues::everyPayloadAnnounced()
{
    Device device;
    QSignalSpy level(device.recordItem("PI_Main", 1), &RecordItemWrapper::valueChanged);
    QSignalSpy unsupported(device.recordItem("PI_Main", 6), &RecordItemWrapper::valueChanged);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
    device.deliver(mainPayload(42, 0, 0, false), 20);
    device.deliver(mainPayload(42, 0, 0, false), 20);
    QCOMPARE(level.count(), 2);
    QCOMPARE(unsupported.count(), 2);
}

void TestProcessDataValues::conditionBlocksPayload()
{
    Device device;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
    device.deliver(mainPayload(42, 0, 0, false), 20);
    ProcessDataItemWrapper *main = device.item("PI_Main");
    QVERIFY(main->conditionApplies());
    QVERIFY(!device.item("PI_Level")->conditionApplies());

    QSignalSpy conditionSpy(main, &ProcessDataItemWrapper::conditionAppliesChanged);
    QSignalSpy valueSpy(device.recordItem("PI_Main", 1), &RecordItemWrapper::valueChanged);
    device.select(1);
    QCOMPARE(conditionSpy.count(), 1);
    QVERIFY(!main->conditionApplies());

    device.deliver(QByteArray::fromHex("1234"), 20);
    QCOMPARE(valueSpy.count(), 0);
    QCOMPARE(device.recordItem("PI_Main", 1)->getValue(), QVariant(42u));
    QCOMPARE(device.recordItem("PI_Level", 0)->getValue(), QVariant(0x1234u));
}

void TestProcessDataValues::outputPacking()
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

    QByteArray untouched("keep");
    QVERIFY(!device.item("PI_Main")->getOutputData(untouched));
    QCOMPARE(untouched, QByteArray("keep"));
}

void TestProcessDataValues::wholeImageOfOneSimpleType()
{
    Device device;
    ProcessDataItemWrapper *level = device.item("PI_Level");
    QVERIFY(level->isWholeImage());
    QCOMPARE(level->getRecordItems().size(), 1);
    const RecordItemWrapper *item = level->getRecordItems().first();
    QCOMPARE(item->getSubindex(), 0);
    QCOMPARE(item->getName(), QStringLiteral("TN_PI_Level"));
    QCOMPARE(item->getHigh(), 65535.0);

    QByteArray out;
    device.recordItem("PO_Level", 0)->setValue(true);
    QVERIFY(device.processDatas.at(1)->getOutputData(out));
    QCOMPARE(out.toHex(), QByteArray("01"));
}

OVINEX_TEST_MAIN(TestProcessDataValues)
#include "tst_processdatavalues.moc"
