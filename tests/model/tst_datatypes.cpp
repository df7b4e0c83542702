#include "datatable.h"
#include "testenvironment.h"

#include "iodd/model/iodevicet.h"
#include "iodd/model/typedvalue.h"

// Finding and copying datatypes, the completion of standard definitions, boolean and typed values, and
// text lookup across the extra, product, standard and secondary texts and unit abbreviations.
class TestDatatypes : public QObject
{
    Q_OBJECT

private:
    static QString fixture(const QString &name) { return TestEnvironment::testDataPath(QStringLiteral("model/") + name); }

    const DatatypeCollectionT *collection() const { return device.standardDefinitions->DatatypeCollection.last(); }
    const DatatypeT *datatype(const QString &id) const { return IODeviceT::findDatatype(collection(), id); }

    static QStringList messages;
    static void collect(QtMsgType, const QMessageLogContext &, const QString &message) { messages << message; }

    static TypedValue typed(ValueKind type, const QString &text)
    {
        TypedValue value;
        value.type = type;
        value.setFromText(text);
        return value;
    }

    // Loads documents the way the device binding does: standard files, the other languages, the
    // language in use last, then the product.
    static std::unique_ptr<IODeviceT> document(const QString &language, const QStringList &languageFiles)
    {
        std::unique_ptr<IODeviceT> device(new IODeviceT);
        device->language = language;
        device->loadXml(fixture("stddefs.xml"), XmlDocumentKind::StandardDefinitions);
        device->loadXml(fixture("units.xml"), XmlDocumentKind::StandardUnitDefinitions);
        for (const QString &file : languageFiles)
            device->loadXml(fixture(file), XmlDocumentKind::StandardDefinitionsLanguage);
        device->loadXml(fixture("texts.xml"), XmlDocumentKind::ProductDescription);
        return device;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(device.loadXml(fixture("stddefs.xml"), XmlDocumentKind::StandardDefinitions));
    }

    void findingAndResolvingStandardDatatypes()
    {
        QVERIFY(!IODeviceT::findDatatype(collection(), QString()));
        QVERIFY(!IODeviceT::findDatatype(nullptr, "STD_D_Byte"));
        QVERIFY(!IODeviceT::findDatatype(collection(), "std_d_byte"));
        QVERIFY(!IODeviceT::findDatatype(collection(), "STD_D_Byt"));
        // Two datatypes with the same id: the first in document order.
        QCOMPARE(datatype("STD_D_Byte")->simplePart->typed<UIntegerT>()->bitLength.value, QStringLiteral("8"));

        // The standard definitions' own record items get the type their reference names.
        const VariableT *standardVariable = device.standardDefinitions->VariableCollection.last()->Variable.at(1);
        const RecordT *standardRecord = standardVariable->Datatype.last()->complexPart->recordPart.get();
        const RecordItemT *byReference = standardRecord->RecordItem.at(1);
        QCOMPARE(byReference->SimpleDatatype.size(), 2);
        QCOMPARE(byReference->SimpleDatatype.last()->xsiType.value, QStringLiteral("UIntegerT"));
        QCOMPARE(byReference->SimpleDatatype.last()->typed<UIntegerT>()->bitLength.value, QStringLiteral("8"));
        QCOMPARE(standardRecord->RecordItem.at(2)->SimpleDatatype.size(), 2); // its own, untouched
        QCOMPARE(standardRecord->RecordItem.at(3)->SimpleDatatype.size(), 1); // unresolved, left as it is
    }

    void copiesKeepSingleValuesAndResolveRecordItems()
    {
        const DatatypeT *source = datatype("STD_D_Switch");
        std::unique_ptr<DatatypeT> copy(IODeviceT::copyDatatype(source, collection()));
        QCOMPARE(copy->id.value, QString());
        QCOMPARE(copy->xsiType.value, QStringLiteral("BooleanT"));
        const BooleanT *copied = copy->simplePart->typed<BooleanT>();
        const BooleanT *original = source->simplePart->typed<BooleanT>();
        QVERIFY(copied && copied != original);
        QCOMPARE(copied->SingleValue.size(), 3);
        QCOMPARE(copied->SingleValue.at(1)->value.value, QStringLiteral("true"));
        QCOMPARE(copied->SingleValue.at(2)->value.value, QStringLiteral("false"));
        QVERIFY(copied->SingleValue.at(1) != original->SingleValue.at(1));
        // Names are shared with the source, not copied.
        QCOMPARE(copied->SingleValue.at(1)->Name.last(), original->SingleValue.at(1)->Name.last());

        // A copied record resolves the references of its items.
        const DatatypeT *pair = datatype("STD_D_Pair");
        std::unique_ptr<DatatypeT> recordCopy(IODeviceT::copyDatatype(pair, collection()));
        QVERIFY(!recordCopy->simplePart);
        const RecordT *record = recordCopy->complexPart->recordPart.get();
        QVERIFY(record);
        QCOMPARE(record->bitLength.value, QStringLiteral("24"));
        QCOMPARE(record->subindexAccessSupported.value, QString());
        // The item whose reference resolves nowhere is left out.
        QStringList subindexes;
        for (int i = 1; i < record->RecordItem.size(); ++i)
            subindexes << record->RecordItem.at(i)->subindex.value;
        QCOMPARE(subindexes, QStringList({"1", "3"}));
        const RecordItemT *first = record->RecordItem.at(1);
        QCOMPARE(first->accessRightRestriction.value, QStringLiteral("ro"));
        QCOMPARE(first->bitOffset.value, QStringLiteral("16"));
        QCOMPARE(first->DatatypeRef.size(), 1);
        QCOMPARE(first->SimpleDatatype.size(), 2);
        QCOMPARE(first->SimpleDatatype.last()->typed<UIntegerT>()->bitLength.value, QStringLiteral("8"));
        QCOMPARE(first->Name.last(), pair->complexPart->recordPart->RecordItem.at(1)->Name.last());
        const RecordItemT *flag = record->RecordItem.at(2);
        QVERIFY(flag->SimpleDatatype.last()->typed<BooleanT>());
        QCOMPARE(flag->Description.last()->textId.value, QStringLiteral("STD_TD_Flag"));
    }

    void booleanValues_data()
    {
        DataTable::addRows(QStringLiteral("model/booleans.tsv"));
    }

    void booleanValues()
    {
        QFETCH(QString, value);
        QFETCH(QString, context);
        QFETCH(QString, warning);
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        const int converted = IODeviceT::toBooleanValue(value, context);
        qInstallMessageHandler(previous);
        QTEST(converted, "result");
        QCOMPARE(messages, warning.isEmpty() ? QStringList() : QStringList{warning});
    }

    // Names that contain shorter ones must not be taken for them; anything else is no value kind. Booleans,
    // floats, records and arrays come through these names in every case of the variable completion test.
    void kindOfEveryDatatypeName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ValueKind>("kind");
        QTest::newRow("unsigned, not signed") << "UIntegerT" << ValueKind::UInteger;
        QTest::newRow("signed") << "IntegerT" << ValueKind::Integer;
        QTest::newRow("string") << "StringT" << ValueKind::String;
        QTest::newRow("octet string, not string") << "OctetStringT" << ValueKind::OctetString;
        QTest::newRow("time") << "TimeT" << ValueKind::Time;
        QTest::newRow("time span, not time") << "TimeSpanT" << ValueKind::TimeSpan;
        QTest::newRow("process data in") << "ProcessDataInUnionT" << ValueKind::ProcessDataIn;
        QTest::newRow("process data out") << "ProcessDataOutUnionT" << ValueKind::ProcessDataOut;
        QTest::newRow("a vendor's typo") << "Ulen" << ValueKind::Unknown;
        QTest::newRow("no name") << "" << ValueKind::Unknown;
    }

    void kindOfEveryDatatypeName()
    {
        QFETCH(QString, name);
        QFETCH(ValueKind, kind);
        QCOMPARE(valueKindOf(name), kind);
        QCOMPARE(valueKindName(kind), kind == ValueKind::Unknown ? QString() : name);
    }

    void textRoundTrip_data()
    {
        DataTable::addRows(QStringLiteral("model/texts.tsv"));
    }

    void textRoundTrip()
    {
        QFETCH(ValueKind, type);
        QFETCH(QString, text);
        QTEST(typed(type, text).toText(), "shown");
    }

    void resetValues_data()
    {
        DataTable::addRows(QStringLiteral("model/resetvalues.tsv"));
    }

    void resetValues()
    {
        QFETCH(ValueKind, type);
        TypedValue value = typed(type, QStringLiteral("77"));
        value.reset();
        QTEST(value.toText(), "shown");
    }

    void lookupOrder_data()
    {
        DataTable::addRows(QStringLiteral("model/lookup.tsv"));
    }

    void lookupOrder()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, languageFiles);
        QFETCH(QString, textId);
        QTEST(document(language, languageFiles)->translate(textId), "text");
    }

    void extraSecondaryAndMissingTexts()
    {
        std::unique_ptr<IODeviceT> device = document("en", {});
        QVERIFY(device->loadXml(fixture("secondary.xml"), XmlDocumentKind::SecondaryStandardDefinitions));
        QCOMPARE(device->translate("STD_TN_Shared"), QStringLiteral("Shared"));
        QCOMPARE(device->translate("STD_TN_Legacy"), QStringLiteral("Legacy"));
        QVERIFY(device->loadXml(fixture("extratexts.xml"), XmlDocumentKind::ExtraTexts));
        QCOMPARE(device->translate("TN_Device"), QStringLiteral("Extra device text"));

        // Without standard definitions only the device's own texts are found.
        IODeviceT bare;
        bare.language = "de";
        QVERIFY(bare.loadXml(fixture("texts.xml"), XmlDocumentKind::ProductDescription));
        QCOMPARE(bare.translate("TN_Device"), QStringLiteral("Gerät (Schweiz)"));
        QCOMPARE(bare.translate("STD_TN_Shared"), QStringLiteral("failed"));

        IODeviceT nothing;
        QCOMPARE(nothing.translate("TN_Device"), QStringLiteral("failed"));
    }

    void unitAbbreviations_data()
    {
        DataTable::addRows(QStringLiteral("model/unitabbreviations.tsv"));
    }

    void unitAbbreviations()
    {
        QFETCH(QString, code);
        QTEST(document("de", {})->unitAbbreviation(code), "abbreviation");
        QCOMPARE(IODeviceT().unitAbbreviation(code), QString());
    }

private:
    IODeviceT device;
};

QStringList TestDatatypes::messages;

OVINEX_TEST_MAIN(TestDatatypes)
#include "tst_datatypes.moc"
