#include "testenvironment.h"

#include "iodd/model/iodevicet.h"

// Finding and copying datatypes, the completion of standard definitions and boolean values.
class TestDatatypes : public QObject
{
    Q_OBJECT

private:
    static QString fixture(const QString &name) { return TestEnvironment::testDataPath(QStringLiteral("model/") + name); }

    const DatatypeCollectionT *collection() const { return device.standardDefinitions->DatatypeCollection.last(); }
    const DatatypeT *datatype(const QString &id) const { return IODeviceT::findDatatype(collection(), id); }
    const VariableT *standardVariable(int i) const
    {
        return device.standardDefinitions->VariableCollection.last()->Variable.at(i);
    }

    static QStringList subindexes(const RecordT *record)
    {
        QStringList result;
        for (int i = 1; i < record->RecordItem.size(); ++i)
            result << record->RecordItem.at(i)->subindex.value;
        return result;
    }

    static QStringList messages;
    static void collect(QtMsgType, const QMessageLogContext &, const QString &message) { messages << message; }

private slots:
    void initTestCase()
    {
        QVERIFY(device.loadXml(fixture("stddefs.xml"), XmlDocumentKind::StandardDefinitions));
    }

    void findDatatype()
    {
        QVERIFY(!IODeviceT::findDatatype(collection(), QString()));
        QVERIFY(!IODeviceT::findDatatype(nullptr, "STD_D_Byte"));
        QVERIFY(!IODeviceT::findDatatype(collection(), "std_d_byte"));
        QVERIFY(!IODeviceT::findDatatype(collection(), "STD_D_Byt"));
        // Two datatypes with the same id: the first in document order.
        QCOMPARE(datatype("STD_D_Byte")->simplePart->typed<UIntegerT>()->bitLength.value, QStringLiteral("8"));
    }

    void copiedBooleanKeepsItsSingleValues()
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
    }

    void copiedIntegerKeepsRangesInOrder()
    {
        std::unique_ptr<DatatypeT> copy(IODeviceT::copyDatatype(datatype("STD_D_Level"), collection()));
        const IntegerT *copied = copy->simplePart->typed<IntegerT>();
        QVERIFY(copied);
        QCOMPARE(copied->bitLength.value, QStringLiteral("16"));
        QCOMPARE(copied->ValueRange.size(), 3);
        QCOMPARE(copied->ValueRange.at(1)->lowerValue.value, QStringLiteral("-100"));
        QCOMPARE(copied->ValueRange.at(2)->upperValue.value, QStringLiteral("100"));
        QCOMPARE(copied->ValueRange.at(2)->Name.last()->textId.value, QStringLiteral("STD_TN_Above"));
        QCOMPARE(copied->SingleValue.size(), 2);
    }

    void copiedStringAndArray()
    {
        std::unique_ptr<DatatypeT> text(IODeviceT::copyDatatype(datatype("STD_D_Tag"), collection()));
        const StringT *copiedText = text->simplePart->typed<StringT>();
        QCOMPARE(copiedText->fixedLength.value, QStringLiteral("32"));
        QCOMPARE(copiedText->encoding.value, QStringLiteral("UTF-8"));

        std::unique_ptr<DatatypeT> bytes(IODeviceT::copyDatatype(datatype("STD_D_Bytes"), collection()));
        const ArrayT *array = bytes->complexPart->arrayPart.get();
        QVERIFY(array);
        QCOMPARE(bytes->complexPart->xsiType.value, QStringLiteral("ArrayT"));
        QCOMPARE(array->count.value, QStringLiteral("4"));
        QCOMPARE(array->subindexAccessSupported.value, QString());
        QCOMPARE(array->SimpleDatatype.size(), 2);
        const UIntegerT *element = array->SimpleDatatype.last()->typed<UIntegerT>();
        QCOMPARE(element->bitLength.value, QStringLiteral("8"));
        QCOMPARE(element->SingleValue.size(), 2);
    }

    void copiedRecordResolvesItsReferences()
    {
        const DatatypeT *source = datatype("STD_D_Pair");
        std::unique_ptr<DatatypeT> copy(IODeviceT::copyDatatype(source, collection()));
        QVERIFY(!copy->simplePart);
        const RecordT *record = copy->complexPart->recordPart.get();
        QVERIFY(record);
        QCOMPARE(record->bitLength.value, QStringLiteral("24"));
        QCOMPARE(record->subindexAccessSupported.value, QString());
        // The item whose reference resolves nowhere is left out.
        QCOMPARE(subindexes(record), QStringList({"1", "3"}));
        const RecordItemT *first = record->RecordItem.at(1);
        QCOMPARE(first->accessRightRestriction.value, QStringLiteral("ro"));
        QCOMPARE(first->bitOffset.value, QStringLiteral("16"));
        QCOMPARE(first->DatatypeRef.size(), 1);
        QCOMPARE(first->SimpleDatatype.size(), 2);
        QCOMPARE(first->SimpleDatatype.last()->typed<UIntegerT>()->bitLength.value, QStringLiteral("8"));
        QCOMPARE(first->Name.last(), source->complexPart->recordPart->RecordItem.at(1)->Name.last());
        const RecordItemT *flag = record->RecordItem.at(2);
        QVERIFY(flag->SimpleDatatype.last()->typed<BooleanT>());
        QCOMPARE(flag->Description.last()->textId.value, QStringLiteral("STD_TD_Flag"));
    }

    void copyOfAnUnknownSimpleTypeKeepsOnlyItsName()
    {
        SimpleDatatypeT source;
        source.xsiType.value = QStringLiteral("FancyT");
        SimpleDatatypeT target;
        IODeviceT::copySimpleDatatype(&source, &target);
        QCOMPARE(target.xsiType.value, QStringLiteral("FancyT"));
        QVERIFY(!target.typedPart);
    }

    void standardRecordItemsGetTheirResolvedType()
    {
        const RecordT *record = standardVariable(1)->Datatype.last()->complexPart->recordPart.get();
        const RecordItemT *byReference = record->RecordItem.at(1);
        QCOMPARE(byReference->SimpleDatatype.size(), 2);
        QCOMPARE(byReference->SimpleDatatype.last()->xsiType.value, QStringLiteral("UIntegerT"));
        QCOMPARE(byReference->SimpleDatatype.last()->typed<UIntegerT>()->bitLength.value, QStringLiteral("8"));
        QCOMPARE(record->RecordItem.at(2)->SimpleDatatype.size(), 2); // its own, untouched
        QCOMPARE(record->RecordItem.at(3)->SimpleDatatype.size(), 1); // unresolved, left as it is
    }

    void standardVariableReferencesAreCopied()
    {
        const VariableT *level = standardVariable(2);
        QCOMPARE(level->Datatype.size(), 2);
        QVERIFY(level->Datatype.last() != datatype("STD_D_Level"));
        QCOMPARE(level->Datatype.last()->id.value, QString());
        QVERIFY(level->Datatype.last()->simplePart->typed<IntegerT>());
        QCOMPARE(standardVariable(3)->Datatype.size(), 1);
    }

    void booleanValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("context");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("warning");
        QTest::newRow("true") << "true" << "V_Switch" << 1 << "";
        QTest::newRow("True with a capital") << "True" << "V_Switch" << 1 << "";
        QTest::newRow("FALSE") << "FALSE" << "V_Switch" << 0 << "";
        QTest::newRow("1") << "1" << "V_Switch" << 1 << "";
        QTest::newRow("0") << "0" << "V_Switch" << 0 << "";
        QTest::newRow("empty value and context") << "" << "" << 0 << "";
        QTest::newRow("2") << "2" << "V_Switch" << 0 << "WARNING: Unknown boolean value: V_Switch 2";
        QTest::newRow("-1") << "-1" << "V_Switch" << 0 << "WARNING: Unknown boolean value: V_Switch -1";
        QTest::newRow("yes") << "yes" << "V_Switch" << 0 << "WARNING: Can't convert boolean string to integer: V_Switch yes";
        QTest::newRow("empty value with context") << "" << "V_Switch" << 0
                                                  << "WARNING: Can't convert boolean string to integer: V_Switch ";
    }

    void booleanValues()
    {
        QFETCH(QString, value);
        QFETCH(QString, context);
        QFETCH(int, result);
        QFETCH(QString, warning);
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        const int converted = IODeviceT::toBooleanValue(value, context);
        qInstallMessageHandler(previous);
        QCOMPARE(converted, result);
        QCOMPARE(messages, warning.isEmpty() ? QStringList() : QStringList{warning});
    }

private:
    IODeviceT device;
};

QStringList TestDatatypes::messages;

OVINEX_TEST_MAIN(TestDatatypes)
#include "tst_datatypes.moc"
