#include "testenvironment.h"

#include "iodd/model/eventelements.h"
#include "iodd/model/iodevicet.h"

// The event table built after loading and the lookup of event texts by code.
class TestEventTable : public QObject
{
    Q_OBJECT

private:
    static QString fixture() { return TestEnvironment::testDataPath("model2/events.xml"); }

    static QStringList rows(const IODeviceT &device)
    {
        QStringList result;
        for (const EventRecord &record : device.eventTable)
            result << QStringLiteral("%1 %2 %3 %4").arg(record.code).arg(record.type, record.nameTextId, record.descriptionTextId);
        return result;
    }

    IODeviceT device;

private slots:
    void initTestCase()
    {
        device.eventIntervalMs = -1;
        QVERIFY(device.loadXml(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml",
                               XmlDocumentKind::StandardDefinitions));
        QVERIFY(device.loadXml(fixture(), XmlDocumentKind::ProductDescription));
    }

    void deviceEventsComeFirstThenStandardReferences()
    {
        const QStringList expected = {
            "16384 Warning TN_Overheat TD_Overheat",
            "5 Notification TN_Wrapped ", // 65541 cut to 16 bits
            "16384 Error STD_TN_0x4000 STD_TD_0x4000",
            "12345   ", // not among the standard events: only its code
        };
        QCOMPARE(rows(device), expected);
    }

    void eventTexts_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("the device's own event wins over the standard one") << 16384u << "Too hot";
        QTest::newRow("code above 16 bits") << 5u << "Wrapped";
        QTest::newRow("standard reference without definition") << 12345u << "failed";
        QTest::newRow("code no record holds") << 999u << "";
    }

    void eventTexts()
    {
        QFETCH(uint, code);
        QFETCH(QString, text);
        QCOMPARE(device.eventText(quint16(code)), text);
    }

    void reloadingRebuildsTheTable()
    {
        IODeviceT twice;
        twice.eventIntervalMs = -1;
        twice.loadXml(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml",
                      XmlDocumentKind::StandardDefinitions);
        QVERIFY(twice.loadXml(fixture(), XmlDocumentKind::ProductDescription));
        QVERIFY(twice.loadXml(fixture(), XmlDocumentKind::ProductDescription));
        QCOMPARE(rows(twice), rows(device));
    }

    void withoutStandardDefinitionsReferencesKeepTheirCodes()
    {
        IODeviceT bare;
        bare.eventIntervalMs = -1;
        QVERIFY(bare.loadXml(fixture(), XmlDocumentKind::ProductDescription));
        QCOMPARE(bare.eventTable.size(), 4);
        QCOMPARE(bare.eventTable.at(2).code, quint16(16384));
        QCOMPARE(bare.eventTable.at(2).nameTextId, QString());
    }

    void errorTypesAreKept()
    {
        const ErrorTypeCollectionT *errors = device.deviceFunction()->ErrorTypeCollection.last();
        QCOMPARE(errors->StdErrorTypeRef.size(), 3);
        QCOMPARE(errors->StdErrorTypeRef.at(1)->additionalCode.value, QStringLiteral("17"));
        QCOMPARE(errors->StdErrorTypeRef.at(2)->code.value, QString());
        QCOMPARE(errors->ErrorType.last()->code.value, QStringLiteral("129"));
        QCOMPARE(errors->ErrorType.last()->Name.last()->textId.value, QStringLiteral("TN_OwnError"));
    }
};

OVINEX_TEST_MAIN(TestEventTable)
#include "tst_eventtable.moc"
