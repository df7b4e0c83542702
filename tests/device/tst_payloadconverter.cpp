#include "testenvironment.h"

#include "device/payloadconverter.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <cstring>

using namespace PayloadConverter;

namespace {

QByteArray octets(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

quint64 maskOf(quint32 bitLength)
{
    return bitLength >= 64 ? ~quint64(0) : (quint64(1) << bitLength) - 1;
}

qint64 signExtended(quint64 value, quint32 bitLength)
{
    if (bitLength < 64 && (value >> (bitLength - 1)) & 1u)
        value |= ~quint64(0) << bitLength;
    return qint64(value);
}

bool bitIsSet(const QByteArray &payload, quint32 bit)
{
    return (quint8(payload.at(payload.size() - 1 - int(bit / 8))) >> (bit % 8)) & 1u;
}

void expectTooSmall()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^\\*\\* CONVERSION: payload too small")));
}

void expectOffsetTooLarge()
{
    QTest::ignoreMessage(QtCriticalMsg,
                         QRegularExpression(QStringLiteral("^\\*\\* CONVERSION INTERNAL ERROR: offset too large")));
}

} // namespace

class TestPayloadConverter : public QObject
{
    Q_OBJECT

private slots:
    void readsWorkedExamples_data();
    void readsWorkedExamples();
    void readsSignedAndUnsignedOfTheSameField();
    void writeOrsIntoBitsAlreadySet();
    void roundTripsRandomFieldsInZeroedPayloads();
    void failsOnFieldsOutsideThePayload_data();
    void failsOnFieldsOutsideThePayload();
    void writeOutsideThePayloadChangesNothing_data();
    void writeOutsideThePayloadChangesNothing();
    void roundTripsFloat32_data();
    void roundTripsFloat32();
};

void TestPayloadConverter::readsWorkedExamples_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<uint>("bitOffset");
    QTest::addColumn<uint>("bitLength");
    QTest::addColumn<quint64>("expected");

    const QByteArray sample = octets({0x12, 0x34, 0x56});
    QTest::newRow("last octet") << sample << 0u << 8u << quint64(0x56);
    QTest::newRow("middle octet") << sample << 8u << 8u << quint64(0x34);
    QTest::newRow("across an octet boundary") << sample << 4u << 8u << quint64(0x45);
    QTest::newRow("whole payload") << sample << 0u << 24u << quint64(0x123456);
    QTest::newRow("one bit at offset 0") << octets({0x00, 0x01}) << 0u << 1u << quint64(1);
    QTest::newRow("one bit in the first octet") << octets({0x80, 0x00}) << 15u << 1u << quint64(1);
    QTest::newRow("64 bits in nine octets") << octets({0x0A, 0xBC, 0xDE, 0xF0, 0x12, 0x34, 0x56, 0x78, 0x9F})
                                            << 4u << 64u << quint64(0xABCDEF0123456789ull);
    QTest::newRow("field before a trailing octet") << octets({0xFF, 0x00, 0xFF}) << 8u << 8u << quint64(0);
}

void TestPayloadConverter::readsWorkedExamples()
{
    QFETCH(QByteArray, payload);
    QFETCH(uint, bitOffset);
    QFETCH(uint, bitLength);
    QFETCH(quint64, expected);

    QCOMPARE(fromPayload<quint64>(payload, bitOffset, bitLength), expected);
    if (bitLength <= 32)
        QCOMPARE(fromPayload<quint32>(payload, bitOffset, bitLength), quint32(expected));
    if (bitLength <= 8)
        QCOMPARE(fromPayload<quint8>(payload, bitOffset, bitLength), quint8(expected));
}

void TestPayloadConverter::readsSignedAndUnsignedOfTheSameField()
{
    const QByteArray payload = octets({0xFF, 0xF0});
    QCOMPARE(fromPayload<qint32>(payload, 4, 12), -1);
    QCOMPARE(fromPayload<quint32>(payload, 4, 12), 4095u);
    QCOMPARE(fromPayload<qint64>(payload, 4, 12), qint64(-1));

    const QByteArray fourBits = octets({0x0F});
    QCOMPARE(fromPayload<qint64>(fourBits, 0, 4), qint64(-1));
    QCOMPARE(fromPayload<qint64>(fourBits, 0, 5), qint64(15));
    QCOMPARE(fromPayload<qint32>(octets({0x80, 0x00, 0x00, 0x00}), 0, 32), std::numeric_limits<qint32>::min());
    QCOMPARE(fromPayload<qint64>(QByteArray(8, char(0xFF)), 0, 64), qint64(-1));
}

void TestPayloadConverter::writeOrsIntoBitsAlreadySet()
{
    QByteArray payload = octets({0x00, 0x81});
    toPayload<quint8>(0, payload, 0, 8);
    QCOMPARE(payload, octets({0x00, 0x81}));
    toPayload<quint8>(0x42, payload, 0, 8);
    QCOMPARE(payload, octets({0x00, 0xC3}));
    // Bits of the value above the field are dropped, not spilled into the neighbours.
    toPayload<quint32>(0xFFFFFFFFu, payload, 8, 4);
    QCOMPARE(payload, octets({0x0F, 0xC3}));
}

void TestPayloadConverter::roundTripsRandomFieldsInZeroedPayloads()
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 6000; ++round) {
        const int size = random.bounded(1, 13);
        const quint32 payloadBits = quint32(size) * 8;
        const quint32 bitLength = quint32(random.bounded(1, int(qMin<quint32>(64, payloadBits)) + 1));
        const quint32 bitOffset = quint32(random.bounded(int(payloadBits - bitLength) + 1));
        const quint64 value = random.generate64();
        const quint64 expected = value & maskOf(bitLength);
        const QByteArray context = QByteArray::number(size) + " octets, offset " + QByteArray::number(bitOffset)
            + ", length " + QByteArray::number(bitLength) + ", value " + QByteArray::number(value, 16);

        QByteArray payload(size, '\0');
        toPayload<quint64>(value, payload, bitOffset, bitLength);
        QVERIFY2(fromPayload<quint64>(payload, bitOffset, bitLength) == expected, context.constData());
        QVERIFY2(fromPayload<qint64>(payload, bitOffset, bitLength) == signExtended(expected, bitLength),
                 context.constData());
        for (quint32 bit = 0; bit < payloadBits; ++bit) {
            const bool inField = bit >= bitOffset && bit < bitOffset + bitLength;
            const bool wanted = inField && ((expected >> (bit - bitOffset)) & 1u);
            QVERIFY2(bitIsSet(payload, bit) == wanted, (context + ", bit " + QByteArray::number(bit)).constData());
        }

        if (bitLength <= 32) {
            QByteArray narrow(size, '\0');
            toPayload<qint32>(qint32(quint32(value)), narrow, bitOffset, bitLength);
            QVERIFY2(narrow == payload, context.constData());
            QVERIFY2(fromPayload<qint32>(narrow, bitOffset, bitLength) == qint32(signExtended(expected, bitLength)),
                     context.constData());
            QVERIFY2(fromPayload<quint32>(narrow, bitOffset, bitLength) == quint32(expected), context.constData());
        }
    }
}

void TestPayloadConverter::failsOnFieldsOutsideThePayload_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<uint>("bitOffset");
    QTest::addColumn<uint>("bitLength");
    QTest::addColumn<bool>("tooSmall");

    QTest::newRow("one octet too short") << octets({0x12}) << 0u << 16u << true;
    QTest::newRow("empty payload") << QByteArray() << 0u << 1u << true;
    QTest::newRow("zero length at an octet boundary") << octets({0x12, 0x34}) << 8u << 0u << true;
    QTest::newRow("zero length inside an octet") << octets({0x12, 0x34}) << 3u << 0u << true;
    QTest::newRow("offset beyond the first octet") << octets({0x12, 0x34}) << 16u << 8u << false;
    QTest::newRow("field reaching before the first octet") << octets({0x12, 0x34}) << 12u << 8u << false;
    QTest::newRow("huge offset") << octets({0x12, 0x34}) << 0xFFFFFFF8u << 8u << false;
    QTest::newRow("huge length") << octets({0x12, 0x34}) << 0u << 0xFFFFFFFFu << true;
}

void TestPayloadConverter::failsOnFieldsOutsideThePayload()
{
    QFETCH(QByteArray, payload);
    QFETCH(uint, bitOffset);
    QFETCH(uint, bitLength);
    QFETCH(bool, tooSmall);

    const auto expectFailure = [tooSmall] { tooSmall ? expectTooSmall() : expectOffsetTooLarge(); };
    expectFailure();
    QCOMPARE(fromPayload<quint8>(payload, bitOffset, bitLength), quint8(255));
    expectFailure();
    QCOMPARE(fromPayload<bool>(payload, bitOffset, bitLength), true);
    expectFailure();
    QCOMPARE(fromPayload<qint32>(payload, bitOffset, bitLength), qint32(0x7FFFFFFF));
    expectFailure();
    QCOMPARE(fromPayload<quint32>(payload, bitOffset, bitLength), quint32(0xFFFFFFFFu));
    expectFailure();
    QCOMPARE(fromPayload<qint64>(payload, bitOffset, bitLength), std::numeric_limits<qint64>::max());
    expectFailure();
    QCOMPARE(fromPayload<quint64>(payload, bitOffset, bitLength), std::numeric_limits<quint64>::max());
    expectFailure();
    QVERIFY(std::isnan(fromPayload<float>(payload, bitOffset, bitLength)));
}

void TestPayloadConverter::writeOutsideThePayloadChangesNothing_data()
{
    failsOnFieldsOutsideThePayload_data();
}

void TestPayloadConverter::writeOutsideThePayloadChangesNothing()
{
    QFETCH(QByteArray, payload);
    QFETCH(uint, bitOffset);
    QFETCH(uint, bitLength);
    QFETCH(bool, tooSmall);

    const QByteArray before = payload;
    tooSmall ? expectTooSmall() : expectOffsetTooLarge();
    toPayload<quint64>(~quint64(0), payload, bitOffset, bitLength);
    QCOMPARE(payload, before);
    tooSmall ? expectTooSmall() : expectOffsetTooLarge();
    toPayload<qint8>(-1, payload, bitOffset, bitLength);
    QCOMPARE(payload, before);
}

void TestPayloadConverter::roundTripsFloat32_data()
{
    QTest::addColumn<float>("value");
    QTest::newRow("positive") << 21.5f;
    QTest::newRow("negative") << -0.125f;
    QTest::newRow("negative zero") << -0.0f;
    QTest::newRow("smallest denormal") << std::numeric_limits<float>::denorm_min();
    QTest::newRow("largest") << std::numeric_limits<float>::max();
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity();
    QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN();
}

void TestPayloadConverter::roundTripsFloat32()
{
    QFETCH(float, value);
    // At the end of a payload and inside a record, behind a leading octet.
    for (quint32 bitOffset : {0u, 8u}) {
        QByteArray payload(5, '\0');
        toPayload<float>(value, payload, bitOffset, 32);
        const float back = fromPayload<float>(payload, bitOffset, 32);
        QVERIFY(std::memcmp(&back, &value, sizeof value) == 0);
    }
    // Big-endian, as the device sends it.
    QCOMPARE(fromPayload<float>(octets({0xC1, 0x48, 0x00, 0x00, 0xAA}), 8, 32), -12.5f);
}

OVINEX_TEST_MAIN(TestPayloadConverter)
#include "tst_payloadconverter.moc"
