#include "testenvironment.h"

#include "iodd/model/typedvalue.h"

// Typed values: conversion from IODD texts, their text form, resetting and copying.
class TestTypedValue : public QObject
{
    Q_OBJECT

private:
    static TypedValue typed(quint32 type, const QString &text)
    {
        TypedValue value;
        value.type = type;
        value.setFromText(text);
        return value;
    }

private slots:
    void textRoundTrip_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("boolean 1") << 0u << "1" << "1";
        QTest::newRow("boolean 5 is true") << 0u << "5" << "1";
        QTest::newRow("boolean text is not a number") << 0u << "true" << "0";
        QTest::newRow("unsigned") << 1u << "4294967295" << "4294967295";
        QTest::newRow("unsigned unparsable") << 1u << "12abc" << "0";
        QTest::newRow("signed negative") << 2u << "-128" << "-128";
        QTest::newRow("float, six significant digits") << 3u << "3.14159265" << "3.14159";
        QTest::newRow("float exponent") << 3u << "1.5e-7" << "1.5e-07";
        QTest::newRow("string") << 4u << "Grüße" << "Grüße";
        QTest::newRow("no type") << 8u << "42" << "";
    }

    void textRoundTrip()
    {
        QFETCH(uint, type);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(typed(type, text).toText(), shown);
    }

    void octetStringDefaultsFromHex()
    {
        TypedValue value;
        value.type = 5;
        value.setOctetsFromHexText(QStringLiteral("0x00 0x1F 0xff  0x7"));
        // A zero octet is kept; the value is not cut at it.
        QCOMPARE(value.octets(), QByteArray::fromHex("001fff07"));
    }

    void longOctetStringsStayInsideTheStorage()
    {
        TypedValue value;
        value.type = 5;
        value.setOctetsFromHexText(QString("0xAB ").repeated(1000));
        QCOMPARE(value.octets().size(), TypedValue::storageSize - 1);
        value.setOctets(QByteArray(5000, 'x'));
        QCOMPARE(value.octets().size(), TypedValue::storageSize - 1);
    }

    void resetValues_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QString>("shown");
        QTest::newRow("boolean") << 0u << "0";
        QTest::newRow("unsigned") << 1u << "0";
        QTest::newRow("float") << 3u << "0";
        QTest::newRow("string") << 4u << "-";
        QTest::newRow("octet string") << 5u << "-";
    }

    void resetValues()
    {
        QFETCH(uint, type);
        QFETCH(QString, shown);
        TypedValue value = typed(type, QStringLiteral("77"));
        value.reset();
        QCOMPARE(value.toText(), shown);
    }

    void copiesAreIndependent()
    {
        TypedValue original = typed(4, QStringLiteral("first"));
        TypedValue copy = original;
        original.setFromText(QStringLiteral("second"));
        QCOMPARE(copy.toText(), QStringLiteral("first"));
        QCOMPARE(original.toText(), QStringLiteral("second"));
        // A fresh value has no type, eight bits and no content.
        const TypedValue fresh;
        QCOMPARE(fresh.type, 8u);
        QCOMPARE(fresh.bitLength, 8u);
        QVERIFY(fresh.octets().isEmpty());
    }
};

OVINEX_TEST_MAIN(TestTypedValue)
#include "tst_typedvalue.moc"
