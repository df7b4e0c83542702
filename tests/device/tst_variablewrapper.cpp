#include "datatable.h"
#include "testenvironment.h"

#include "device/conditionwrapper.h"
#include "device/payloadconverter.h"
#include "device/variablewrapper.h"
#include "iodd/model/processdataelements.h"
#include "variablefixtures.h"

#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>

#include <cmath>
#include <memory>

using namespace PayloadConverter;
using namespace VariableFixtures;

namespace {

QByteArray octets(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

QList<uint> emittedSubindexes(const QSignalSpy &spy)
{
    QList<uint> subindexes;
    for (const QList<QVariant> &arguments : spy)
        subindexes.append(arguments.at(0).toUInt());
    return subindexes;
}

qint64 signExtended(quint64 value, quint32 bitLength)
{
    if (bitLength < 64 && (value >> (bitLength - 1)) & 1u)
        value |= ~quint64(0) << bitLength;
    return qint64(value);
}

void expectWarning(const char *pattern)
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString::fromLatin1(pattern)));
}

} // namespace

// Bit-exact payload conversion, the run-time values of variables built on it, and the conditions on them.
// [reserved:3][flag:1 @12][level:7 @5][reserved:1 @4][mode:4 @0] in two octets; odd offsets, unnamed bits between.
Variable oddRecord()
{
    return record(QStringLiteral("V_Odd"), 16, {item(1, 12, 0, 1), item(2, 5, 1, 7), item(3, 0, 1, 4)}, false);
}

class TestVariableWrapper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    }

    void writeOrsIntoBitsAlreadySet()
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

    void roundTripsRandomFieldsInZeroedPayloads()
    {
        QRandomGenerator random(20261206);
        for (int round = 0; round < 6000; ++round) {
            const int size = random.bounded(1, 13);
            const quint32 payloadBits = quint32(size) * 8;
            const quint32 bitLength = quint32(random.bounded(1, int(qMin<quint32>(64, payloadBits)) + 1));
            const quint32 bitOffset = quint32(random.bounded(int(payloadBits - bitLength) + 1));
            const quint64 value = random.generate64();
            const quint64 expected = bitLength >= 64 ? value : value & ((quint64(1) << bitLength) - 1);
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
                const bool set = (quint8(payload.at(size - 1 - int(bit / 8))) >> (bit % 8)) & 1u;
                QVERIFY2(set == wanted, (context + ", bit " + QByteArray::number(bit)).constData());
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

    void failsOnFieldsOutsideThePayload_data()
    {
        DataTable::addRows(QStringLiteral("device/outsidefields.tsv"));
    }

    void failsOnFieldsOutsideThePayload()
    {
        QFETCH(QByteArray, payload);
        QFETCH(uint, bitOffset);
        QFETCH(uint, bitLength);
        QFETCH(bool, tooSmall);

        const auto expectFailure = [tooSmall] {
            QTest::ignoreMessage(tooSmall ? QtWarningMsg : QtCriticalMsg,
                                 QRegularExpression(tooSmall ? QStringLiteral("^\\*\\* CONVERSION: payload too small")
                                                             : QStringLiteral("^\\*\\* CONVERSION INTERNAL ERROR: offset too large")));
        };
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

        const QByteArray before = payload;
        expectFailure();
        toPayload<quint64>(~quint64(0), payload, bitOffset, bitLength);
        expectFailure();
        toPayload<qint8>(-1, payload, bitOffset, bitLength);
        QCOMPARE(payload, before);
    }

    void accessRights_data()
    {
        DataTable::addRows(QStringLiteral("device/accessrights.tsv"));
    }

    void accessRights()
    {
        QFETCH(QString, rights);
        WrappedVariable wrapper(simple(QStringLiteral("V_Access"), 1, 8, 0, rights));
        QTEST(wrapper.isReadable(), "readable");
        QTEST(wrapper.isWritable(), "writable");
    }

    void slotLengths_data()
    {
        DataTable::addRows(QStringLiteral("device/slotlengths.tsv"));
    }

    void slotLengths()
    {
        QFETCH(uint, type);
        QFETCH(uint, bitLength);
        QFETCH(uint, fixedLength);
        Variable description = simple(QStringLiteral("V_Length"), type, bitLength, fixedLength);
        description.bitLength = bitLength;
        VariableWrapper wrapper(&description);
        QTEST(wrapper.getBitLength(0), "slotBits");
        QTEST(wrapper.toByteArray(0).size(), "written");
    }

    void changeSignalsOnlyOnChange()
    {
        WrappedVariable wrapper(simple(QStringLiteral("V_Count"), 1, 16));
        QSignalSpy spy(&wrapper, &VariableWrapper::valueChanged);

        wrapper.setValue(QVariant(qulonglong(5)), 0);
        wrapper.setValue(QVariant(qulonglong(5)), 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(wrapper.getValue(0).userType(), int(QMetaType::ULongLong));

        wrapper.setDataFromDevice(0, octets({0x00, 0x05}));
        QCOMPARE(spy.count(), 1);
        wrapper.setDataFromDevice(0, octets({0x01, 0x05}));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(wrapper.getValue(0).toULongLong(), 0x105ull);
        QCOMPARE(emittedSubindexes(spy), (QList<uint>{0, 0}));

        // A display value given as a double is rounded into the integer slot.
        wrapper.setValue(QVariant(41.6), 0);
        QCOMPARE(wrapper.getValue(0).toULongLong(), 42ull);
        wrapper.setValue(QVariant(-3.0), 0);
        QCOMPARE(wrapper.getValue(0).toULongLong(), 0ull);
    }

    void textsWrittenAndReceived()
    {
        WrappedVariable wrapper(simple(QStringLiteral("V_Tag"), 4, 0, 4));

        wrapper.setValue(QStringLiteral("abcdef"), 0);
        QCOMPARE(wrapper.getValue(0).toString(), QStringLiteral("abcd"));
        QCOMPARE(wrapper.toByteArray(0), QByteArray("abcd"));

        wrapper.setValue(QStringLiteral("ab"), 0);
        QCOMPARE(wrapper.toByteArray(0), QByteArray("ab\0\0", 4));

        // A character that does not fit whole is left out rather than broken.
        wrapper.setValue(QStringLiteral("a\u00e9\u00e9"), 0);
        QCOMPARE(wrapper.getValue(0).toString(), QStringLiteral("a\u00e9"));
        QCOMPARE(wrapper.toByteArray(0), QByteArray("a\xc3\xa9\0", 4));

        // Received texts end at their first zero octet.
        WrappedVariable name(simple(QStringLiteral("V_Name"), 4, 0, 8));
        QSignalSpy spy(&name, &VariableWrapper::valueChanged);
        name.setDataFromDevice(0, QByteArray("OVX"));
        QCOMPARE(name.getValue(0).toString(), QStringLiteral("OVX"));
        name.setDataFromDevice(0, QByteArray("OVX\0junk", 8));
        QCOMPARE(name.getValue(0).toString(), QStringLiteral("OVX"));
        QCOMPARE(spy.count(), 1);
        name.setDataFromDevice(0, QByteArray());
        QCOMPARE(name.getValue(0).toString(), QString());
    }

    void signedRecordItemsAndWholeRecordWrites()
    {
        WrappedVariable wrapper(record(QStringLiteral("V_Nibbles"), 8,
                                            {item(1, 4, 2, 4), item(2, 0, 1, 4)}, false));
        wrapper.setDataFromDevice(0, octets({0xF3}));
        QCOMPARE(wrapper.getValue(1).toLongLong(), -1ll);
        QCOMPARE(wrapper.getValue(2).toULongLong(), 3ull);
        // Reading one item of such a record still brings the whole record; each item keeps its own place.
        wrapper.setDataFromDevice(1, octets({0x7E}));
        QCOMPARE(wrapper.getValue(1).toLongLong(), 7ll);
        QCOMPARE(wrapper.getValue(2).toULongLong(), 14ull);

        wrapper.setValue(QVariant(qlonglong(-1)), 1);
        wrapper.setValue(QVariant(qulonglong(0)), 2);
        QCOMPARE(wrapper.toByteArray(0), octets({0xF0}));
        wrapper.setValue(QVariant(qlonglong(-8)), 1);
        wrapper.setValue(QVariant(qulonglong(5)), 2);
        QCOMPARE(wrapper.toByteArray(0), octets({0x85}));
    }

    void wholeRecordReadUpdatesEveryItem()
    {
        WrappedVariable wrapper(record(QStringLiteral("V_Setup"), 24,
                                            {item(1, 16, 1, 8), item(2, 8, 2, 8), item(3, 0, 0, 1)}, true));
        QVERIFY(wrapper.isComplexWithSubindexAccess());
        QSignalSpy spy(&wrapper, &VariableWrapper::valueChanged);

        wrapper.setDataFromDevice(0, octets({0x10, 0xFE, 0x01}));
        QCOMPARE(wrapper.getValue(1).toULongLong(), 0x10ull);
        QCOMPARE(wrapper.getValue(2).toLongLong(), -2ll);
        QCOMPARE(wrapper.getValue(3).toBool(), true);
        QCOMPARE(emittedSubindexes(spy), (QList<uint>{1, 2, 3}));

        spy.clear();
        wrapper.setDataFromDevice(0, octets({0x10, 0x05, 0x01}));
        QCOMPARE(emittedSubindexes(spy), (QList<uint>{2}));

        // One item read by its own subindex lies at the end of its own payload.
        spy.clear();
        wrapper.setDataFromDevice(1, octets({0x22}));
        QCOMPARE(wrapper.getValue(1).toULongLong(), 0x22ull);
        QCOMPARE(emittedSubindexes(spy), (QList<uint>{1}));
        QCOMPARE(wrapper.toByteArray(2), octets({0x05}));
    }

    void recordWrittenAsWholeKeepsStringItemsInPlace()
    {
        // [number:8][text:4 octets][octets:2][flag:1, padded to an octet] = 8 octets
        WrappedVariable wrapper(record(QStringLiteral("V_Label"), 64,
                                            {item(1, 56, 1, 8), item(2, 24, 4, 0, 4), item(3, 8, 5, 0, 2),
                                             item(4, 0, 0, 1)},
                                            false));
        wrapper.setValue(QVariant(qulonglong(0x7A)), 1);
        wrapper.setValue(QStringLiteral("AB"), 2);
        wrapper.setValue(octets({0xCA, 0xFE}), 3);
        wrapper.setValue(true, 4);

        const QByteArray payload = wrapper.toByteArray(0);
        QCOMPARE(payload, octets({0x7A, 'A', 'B', 0, 0, 0xCA, 0xFE, 0x01}));

        // What is written reads back the same.
        WrappedVariable reader(wrapper.description);
        reader.setDataFromDevice(0, payload);
        QCOMPARE(reader.getValue(1).toULongLong(), 0x7Aull);
        QCOMPARE(reader.getValue(2).toString(), QStringLiteral("AB"));
        QCOMPARE(reader.getValue(3).toByteArray(), octets({0xCA, 0xFE}));
        QCOMPARE(reader.getValue(4).toBool(), true);
    }

    void subindexMistakes()
    {
        WrappedVariable simpleWrapper(simple(QStringLiteral("V_Simple"), 1, 8));
        QSignalSpy simpleSpy(&simpleWrapper, &VariableWrapper::valueChanged);
        expectWarning("^\\*\\* WARNING: Accessing \"V_Simple\" by subindex 2");
        simpleWrapper.setValue(QVariant(qulonglong(9)), 2);
        QCOMPARE(simpleWrapper.getValue(0).toULongLong(), 9ull);
        // The simple variable's own slot changed, so its own subindex is announced.
        QCOMPARE(emittedSubindexes(simpleSpy), (QList<uint>{0}));

        WrappedVariable recordWrapper(record(QStringLiteral("V_Rec"), 8, {item(1, 0, 1, 8)}, true));
        QSignalSpy recordSpy(&recordWrapper, &VariableWrapper::valueChanged);
        expectWarning("^\\*\\* WARNING: subindex out of range: \"V_Rec\" 7");
        QVERIFY(!recordWrapper.getValue(7).isValid());
        expectWarning("^\\*\\* WARNING: subindex out of range: \"V_Rec\" 7");
        recordWrapper.setValue(1, 7);
        expectWarning("^\\*\\* WARNING: subindex out of range:");
        QCOMPARE(recordWrapper.getType(7), ValueKind::Unknown);
        expectWarning("^\\*\\* WARNING: subindex out of range:");
        QCOMPARE(recordWrapper.getBitLength(7), 0u);
        expectWarning("^\\*\\* WARNING: subindex out of range:");
        QVERIFY(recordWrapper.toByteArray(7).isEmpty());
        expectWarning("^\\*\\* WARNING: subindex out of range:");
        recordWrapper.setDataFromDevice(7, octets({0x01}));
        QCOMPARE(recordSpy.count(), 0);
        // Subindex 0 of a record stands for all of it.
        recordWrapper.setReferenced(0);
        recordWrapper.setReferenced(1);
        recordWrapper.setReferenced(1);
        QCOMPARE(recordWrapper.getReferencedSubindexes(), (QList<quint32>{1}));
    }

    void shortPayloadsStayInside()
    {
        WrappedVariable numberWrapper(simple(QStringLiteral("V_Wide"), 1, 16));
        expectWarning("^\\*\\* CONVERSION: payload too small");
        numberWrapper.setDataFromDevice(0, octets({0x12}));
        QCOMPARE(numberWrapper.getValue(0).toULongLong(), std::numeric_limits<quint64>::max());

        WrappedVariable textWrapper(record(QStringLiteral("V_Texts"), 48, {item(1, 16, 4, 0, 4), item(2, 0, 1, 16)}, false));
        // Two or three octets where six were expected: the text is cut at the start of the payload, never
        // read before it, and the number at the end still decodes.
        textWrapper.setDataFromDevice(0, QByteArray("xy"));
        QCOMPARE(textWrapper.getValue(1).toString(), QString());
        QCOMPARE(textWrapper.getValue(2).toULongLong(), 0x7879ull);
        textWrapper.setDataFromDevice(0, QByteArray("abc"));
        QCOMPARE(textWrapper.getValue(1).toString(), QStringLiteral("a"));
        QCOMPARE(textWrapper.getValue(2).toULongLong(), 0x6263ull);
    }

    void numbersAreEncodedByWidth_data()
    {
        DataTable::addRows(QStringLiteral("device/numberwidths.tsv"));
    }

    void numbersAreEncodedByWidth()
    {
        QFETCH(uint, type);
        QFETCH(uint, bitLength);
        QFETCH(QString, value);
        QFETCH(QByteArray, payload);
        WrappedVariable wrapper(simple(QStringLiteral("V_Number"), type, bitLength));
        wrapper.setValue(type == 3 ? QVariant(value.toFloat()) : type == 2 ? QVariant(value.toLongLong(nullptr, 0))
                                                                          : QVariant(value.toULongLong(nullptr, 0)), 0);
        QCOMPARE(wrapper.toByteArray(0), payload);

        WrappedVariable reader(wrapper.description);
        reader.setDataFromDevice(0, payload);
        QCOMPARE(reader.toByteArray(0), payload);
    }

    void floatRecordItems()
    {
        WrappedVariable wrapper(record(QStringLiteral("V_Limits"), 72,
                                            {item(1, 40, 3, 32), item(2, 8, 3, 32), item(3, 0, 1, 8)}, false));
        wrapper.setDataFromDevice(0, octets({0x41, 0x20, 0x00, 0x00, 0xBF, 0x00, 0x00, 0x00, 0x07}));
        QCOMPARE(wrapper.getValue(1).toFloat(), 10.0f);
        QCOMPARE(wrapper.getValue(2).toFloat(), -0.5f);
        QCOMPARE(wrapper.getValue(3).toULongLong(), 7ull);

        wrapper.setValue(QVariant(2.5), 2);
        QCOMPARE(wrapper.toByteArray(0), octets({0x41, 0x20, 0x00, 0x00, 0x40, 0x20, 0x00, 0x00, 0x07}));
    }

    void arrayWithoutSubindexAccess()
    {
        WrappedVariable wrapper(array(QStringLiteral("V_Levels"), 3, 1, 8, 0, false));
        QSignalSpy spy(&wrapper, &VariableWrapper::valueChanged);

        wrapper.setDataFromDevice(0, octets({0x01, 0x02, 0x03}));
        QCOMPARE(wrapper.getValue(1).toULongLong(), 1ull);
        QCOMPARE(wrapper.getValue(2).toULongLong(), 2ull);
        QCOMPARE(wrapper.getValue(3).toULongLong(), 3ull);
        QCOMPARE(emittedSubindexes(spy), (QList<uint>{0}));

        spy.clear();
        wrapper.setDataFromDevice(0, octets({0x01, 0x02, 0x03}));
        QCOMPARE(spy.count(), 0);

        QCOMPARE(wrapper.toByteArray(0), octets({0x01, 0x02, 0x03}));
        // An element edit is written inside the whole array as read, element 1 first on the wire.
        wrapper.setValue(QVariant(qulonglong(0x42)), 3);
        QCOMPARE(wrapper.wholeImageWith(3).toHex(' '), octets({0x01, 0x02, 0x42}).toHex(' '));
        wrapper.setValue(QVariant(qulonglong(9)), 2);
        QCOMPARE(wrapper.toByteArray(0), octets({0x01, 0x09, 0x42}));

        WrappedVariable flagWrapper(array(QStringLiteral("V_Flags"), 3, 0, 1, 0, false));
        flagWrapper.setDataFromDevice(0, octets({0x04}));
        QCOMPARE(flagWrapper.getValue(1).toBool(), true);
        QCOMPARE(flagWrapper.getValue(2).toBool(), false);
        QCOMPARE(flagWrapper.getValue(3).toBool(), false);

        // Pending events: a qualifier octet and a 16-bit code per element.
        WrappedVariable events(array(QStringLiteral("V_DetailedDeviceStatus"), 4, 5, 0, 3, false));
        events.setDataFromDevice(0, octets({0xF4, 0x18, 0x00, 0xE4, 0x8D, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
        QCOMPARE(events.getValue(1).toByteArray(), octets({0xF4, 0x18, 0x00}));
        QCOMPARE(events.getValue(2).toByteArray(), octets({0xE4, 0x8D, 0x01}));
        QCOMPARE(events.getValue(4).toByteArray(), octets({0x00, 0x00, 0x00}));
        expectWarning("^\\*\\* WARNING: subindex out of range:");
        QVERIFY(!events.getValue(5).isValid());
    }

    void itemEditKeepsEveryOtherBitOfTheWholeRecord_data()
    {
        DataTable::addRows(QStringLiteral("device/itemedits.tsv"));
    }

    void itemEditKeepsEveryOtherBitOfTheWholeRecord()
    {
        QFETCH(QByteArray, read);
        QFETCH(uint, subindex);
        QFETCH(uint, value);
        QFETCH(QByteArray, written);
        WrappedVariable wrapper(oddRecord());
        QVERIFY(wrapper.isWrittenAsWhole());
        wrapper.setDataFromDevice(0, read);
        // Item 1 is the flag, set as a boolean.
        wrapper.setValue(subindex == 1 ? QVariant(value != 0) : QVariant(qulonglong(value)), subindex);
        QCOMPARE(wrapper.wholeImageWith(subindex).toHex(' '), written.toHex(' '));
    }

    void itemEditsBeforeTheReadBackBuildOnEachOther()
    {
        WrappedVariable wrapper(oddRecord());
        wrapper.setDataFromDevice(0, octets({0xE0, 0x10}));
        wrapper.setValue(true, 1);
        wrapper.wholeImageWith(1);
        wrapper.setValue(QVariant(qulonglong(3)), 3);
        QCOMPARE(wrapper.wholeImageWith(3).toHex(' '), octets({0xF0, 0x13}).toHex(' '));
        // The device's answer replaces whatever was built.
        wrapper.setDataFromDevice(0, octets({0xE0, 0x10}));
        QCOMPARE(wrapper.getValue(1).toBool(), false);
        wrapper.setValue(QVariant(qulonglong(1)), 3);
        QCOMPARE(wrapper.wholeImageWith(3).toHex(' '), octets({0xE0, 0x11}).toHex(' '));
    }

    void arrayWithSubindexAccessReadAsWhole()
    {
        WrappedVariable wrapper(array(QStringLiteral("V_Points"), 3, 2, 16, 0, true));
        QSignalSpy spy(&wrapper, &VariableWrapper::valueChanged);

        wrapper.setDataFromDevice(0, octets({0x00, 0x01, 0xFF, 0xFF, 0x01, 0x00}));
        QCOMPARE(wrapper.getValue(1).toLongLong(), 1ll);
        QCOMPARE(wrapper.getValue(2).toLongLong(), -1ll);
        QCOMPARE(wrapper.getValue(3).toLongLong(), 256ll);
        QCOMPARE(emittedSubindexes(spy), (QList<uint>{1, 2, 3, 0}));

        wrapper.setDataFromDevice(2, octets({0x00, 0x07}));
        QCOMPARE(wrapper.getValue(2).toLongLong(), 7ll);
        QCOMPARE(wrapper.toByteArray(3), octets({0x01, 0x00}));
    }

    void conditionAppliesBeforeTheFirstReadAndFollowsReads()
    {
        WrappedVariable variable(simple(QStringLiteral("V_Mode"), 1, 8, 0, QStringLiteral("rw"), 202));
        ConditionWrapper condition(QStringLiteral("V_Mode"), 0, 0, {&variable});
        QSignalSpy spy(&condition, &ConditionWrapper::conditionChanged);
        QVERIFY(condition.applies());
        // The condition's slot is read during synchronisation.
        QCOMPARE(variable.getReferencedSubindexes(), (QList<quint32>{0}));

        variable.setDataFromDevice(0, QByteArray("\x01", 1));
        variable.setDataFromDevice(0, QByteArray("\x05", 1));
        QCOMPARE(spy.count(), 2);
        QVERIFY(!condition.applies());
        variable.setDataFromDevice(0, QByteArray("\x00", 1));
        QVERIFY(condition.applies());
        // An unchanged value is no evaluation.
        variable.setDataFromDevice(0, QByteArray("\x00", 1));
        QCOMPARE(spy.count(), 3);
    }

    void conditionFollowsItsOwnSubindexOnly()
    {
        WrappedVariable variable(record(QStringLiteral("V_Setup"), 16, {item(1, 8, 1, 8), item(2, 0, 1, 8)}, true));
        ConditionWrapper condition(QStringLiteral("V_Setup"), 2, 3, {&variable});
        QSignalSpy spy(&condition, &ConditionWrapper::conditionChanged);
        QCOMPARE(variable.getReferencedSubindexes(), (QList<quint32>{2}));

        variable.setValue(QVariant(qulonglong(3)), 1);
        QCOMPARE(spy.count(), 0);
        QVERIFY(!condition.applies());

        variable.setValue(QVariant(qulonglong(3)), 2);
        QCOMPARE(spy.count(), 1);
        QVERIFY(condition.applies());

        // A whole read re-evaluates only through the condition's own item.
        variable.setDataFromDevice(0, QByteArray("\x07\x03", 2));
        QCOMPARE(spy.count(), 1);
        variable.setDataFromDevice(0, QByteArray("\x07\x04", 2));
        QCOMPARE(spy.count(), 2);
        QVERIFY(!condition.applies());
    }

    void conditionComparesBooleansAndTexts_data()
    {
        DataTable::addRows(QStringLiteral("device/conditionvalues.tsv"));
    }

    void conditionComparesBooleansAndTexts()
    {
        QFETCH(uint, type);
        QFETCH(QString, value);
        QFETCH(int, expected);
        WrappedVariable variable(simple(QStringLiteral("V_Any"), type, 64, 8));
        ConditionWrapper condition(QStringLiteral("V_Any"), 0, expected, {&variable});
        const QVariant number = type == 2 ? QVariant(value.toLongLong(nullptr, 0)) : QVariant(value.toULongLong(nullptr, 0));
        variable.setValue(type == 0 ? QVariant(value == QLatin1String("true")) : type == 4 ? QVariant(value) : number, 0);
        QTEST(condition.applies(), "applies");
    }

    void conditionOnMissingOrLostVariable()
    {
        WrappedVariable variable(simple(QStringLiteral("V_Mode"), 1, 8));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no such variable \"V_Missing\"")));
        ConditionWrapper condition(QStringLiteral("V_Missing"), 0, 0, {&variable});
        QSignalSpy spy(&condition, &ConditionWrapper::conditionChanged);
        QVERIFY(!condition.applies());
        QVERIFY(!condition.getVariable());
        condition.onVariableValueChanged(0);
        variable.setValue(QVariant(qulonglong(0)), 0);
        QVERIFY(!condition.applies());
        QCOMPARE(spy.count(), 0);
        QVERIFY(variable.getReferencedSubindexes().isEmpty());

        // A condition outlives its variable, keeping what it last saw.
        auto owned = std::make_unique<VariableWrapper>(&variable.description);
        ConditionWrapper orphan(QStringLiteral("V_Mode"), 0, 0, {owned.get()});
        QVERIFY(orphan.applies());
        owned.reset();
        orphan.onVariableValueChanged(0);
        QVERIFY(orphan.applies());
    }
};

OVINEX_TEST_MAIN(TestVariableWrapper)
#include "tst_variablewrapper.moc"
