#include "datatable.h"
#include "testenvironment.h"

#include "iodd/model/iodevicet.h"
#include "iodd/model/processdataelements.h"

#include <algorithm>

// Completion of device variables, standard variable references and direct parameters into plain
// variable descriptions, against our standard definitions; process data definitions resolved by copying.
class TestVariableCompletion : public QObject
{
    Q_OBJECT

private:
    static QString standardFile(const QString &name)
    {
        return QStringLiteral(":/iolink/standard/StandardDefinitions/") + name;
    }

    static void load(IODeviceT &device, const QString &language)
    {
        device.language = language;
        QVERIFY(device.loadXml(standardFile("IODD-StandardDefinitions1.1.xml"), XmlDocumentKind::StandardDefinitions));
        if (language != QLatin1String("en"))
            QVERIFY(device.loadXml(standardFile(QStringLiteral("IODD-StandardDefinitions1.1-%1.xml").arg(language)),
                                   XmlDocumentKind::StandardDefinitionsLanguage));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Array count too large"));
        QVERIFY(device.loadXml(TestEnvironment::testDataPath("model2/variables.xml"), XmlDocumentKind::ProductDescription));
    }

    // A variable of the device's collection by its id; a standard reference by the id it names.
    static const AbstractVariableT *element(const IODeviceT &device, const QString &id)
    {
        const VariableCollectionT *variables = device.deviceFunction()->VariableCollection.last();
        for (const StdVariableRefT *v : variables->StdVariableRef) {
            if (v->id.value == id)
                return v;
        }
        const auto find = [&id](const auto &list) -> const AbstractVariableT * {
            const auto found = std::find_if(list.begin(), list.end(), [&id](const AbstractVariableT *v) { return v->variable.id == id; });
            return found == list.end() ? nullptr : *found;
        };
        const AbstractVariableT *found = find(variables->Variable);
        found = found ? found : find(variables->DirectParameterOverlay);
        return found ? found : find(variables->StdDirectParameterRef);
    }

    const AbstractVariableT *element(const QString &id) const { return element(device, id); }

    const Variable &variable(const QString &id) const
    {
        static const Variable none;
        const AbstractVariableT *found = element(id);
        return found ? found->variable : none;
    }

    // Value and text of each single value or range (its lower end).
    template<class Entry>
    static QStringList texts(const QVector<Entry> &entries, TypedValue Entry::*value)
    {
        QStringList result;
        for (const Entry &entry : entries)
            result << (entry.*value).toText() + QLatin1Char('=') + entry.text;
        return result;
    }

    // One field of every record item or array element.
    static QList<quint32> items(const Variable &variable, quint32 myRecordItem::*field)
    {
        QList<quint32> result;
        for (const myRecordItem &item : variable.recordItems)
            result << item.*field;
        return result;
    }

    IODeviceT device;

    const ProcessDataT *processData(const QString &id) const
    {
        for (const ProcessDataT *candidate : pdDevice.deviceFunction()->ProcessDataCollection.last()->ProcessData) {
            if (candidate->id.value == id)
                return candidate;
        }
        return nullptr;
    }

    static const RecordT *recordOf(const ProcessDataItemT *item)
    {
        const DatatypeT *datatype = item->Datatype.last();
        return datatype->complexPart ? datatype->complexPart->recordPart.get() : nullptr;
    }

    IODeviceT pdDevice;

private slots:
    void initTestCase()
    {
        load(device, QStringLiteral("en"));
        QVERIFY(pdDevice.loadXml(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml",
                               XmlDocumentKind::StandardDefinitions));
        QVERIFY(pdDevice.loadXml(TestEnvironment::testDataPath("model2/processdata.xml"), XmlDocumentKind::ProductDescription));
    }

    void plainVariableAndOwnDatatypeReference()
    {
        const Variable &plain = variable("V_Plain");
        QCOMPARE(plain.index, quint16(24));
        // Absent access rights read as "rw".
        QCOMPARE(plain.accessRights, QStringLiteral("rw"));
        QCOMPARE(plain.value.type, ValueKind::UInteger);
        QCOMPARE(plain.bitLength, 8u);
        QCOMPARE(texts(plain.singleValues, &SingleValueEntry::value), QStringList{"3=Three"});
        QCOMPARE(plain.valueRanges.at(0).upper.toUInt(), 20u);
        // A range without a name shows no text rather than a failed lookup.
        QCOMPARE(plain.valueRanges.at(0).text, QString());
        QVERIFY(!plain.hasDefault);
        QCOMPARE(plain.name, QStringLiteral("Plain"));

        // A datatype of the device's own collection, by reference.
        const AbstractVariableT *level = element("V_Level");
        QCOMPARE(level->Datatype.last(), IODeviceT::findDatatype(device.deviceFunction()->DatatypeCollection.last(), "D_Level"));
        const Variable &v = level->variable;
        QCOMPARE(v.value.type, ValueKind::Integer);
        QCOMPARE(v.bitLength, 16u);
        QCOMPARE(v.defaultValue.toInt(), -7);
        QCOMPARE(v.value.toInt(), -7);
        QCOMPARE(texts(v.valueRanges, &ValueRangeEntry::lower), QStringList{"-100=Allowed"});
        QCOMPARE(v.description, QStringLiteral("How high"));
    }

    void valueTypesAndLengths_data()
    {
        DataTable::addRows(QStringLiteral("model/completedtypes.tsv"));
    }

    void valueTypesAndLengths()
    {
        QFETCH(QString, id);
        const Variable &v = variable(id);
        QTEST(v.value.type, "type");
        QTEST(v.defaultValue.type, "type");
        QTEST(v.bitLength, "bitLength");
        QTEST(v.value.bitLength, "bitLength");
        QTEST(v.fixedLength, "fixedLength");
    }

    void defaultsAndLongTexts()
    {
        QCOMPARE(variable("V_Octets").value.octets(), QByteArray("\x55\xAA\x01\xFF", 4));
        QCOMPARE(variable("V_Gain").defaultValue.toFloat(), 1.5f);
        QCOMPARE(variable("V_Gain").valueRanges.at(0).upper.toFloat(), 2.25f);
        const Variable &flag = variable("V_Switch");
        QVERIFY(flag.defaultValue.toBool());
        QCOMPARE(flag.singleValues.size(), 2);
        QVERIFY(flag.singleValues.at(0).value.toBool());
        QCOMPARE(flag.singleValues.at(0).text, QStringLiteral("On"));
        QVERIFY(!flag.singleValues.at(1).value.toBool());
        // A long text is cut at a character boundary.
        QCOMPARE(variable("V_Text").defaultValue.toText(), QString(250, QLatin1Char('a')) + QChar(0x20AC));

        TypedValue value;
        value.type = ValueKind::String;
        value.setFromText(QString(300, QChar(0xE4)));
        QCOMPARE(value.octets().size(), 254);
        QCOMPARE(value.toText(), QString(127, QChar(0xE4)));
        value.setFromText(QString(253, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x98\x80"));
        QCOMPARE(value.toText(), QString(253, QLatin1Char('x')));
        value.type = ValueKind::OctetString;
        value.setOctets(QByteArray(5000, 'x'));
        QCOMPARE(value.octets().size(), TypedValue::storageSize - 1);
    }

    void recordItemsAndArrayElements()
    {
        const Variable &mode = variable("V_Mode");
        QVERIFY(mode.subindexAccessSupported);
        // The reserved item is left out.
        QCOMPARE(items(mode, &myRecordItem::subindex), (QList<quint32>{1, 3}));
        const myRecordItem &distance = mode.recordItems.at(0);
        QCOMPARE(distance.value.type, ValueKind::UInteger);
        QCOMPARE(distance.bitLength, 12u);
        QCOMPARE(distance.bitOffset, 16u);
        QCOMPARE(distance.index, 69u);
        QCOMPARE(distance.value.toUInt(), 300u);
        // A type the device's collection lacks comes from the standard definitions.
        const myRecordItem &lock = mode.recordItems.at(1);
        QCOMPARE(lock.value.type, ValueKind::Boolean);
        QCOMPARE(lock.singleValues.size(), 2);
        QVERIFY(lock.value.toBool());
        QCOMPARE(mode.recordItemDefaults.size(), 2);
        QVERIFY(mode.recordItemDefaults.at(1).modifiesOtherVariables);
        QVERIFY(!mode.recordItemDefaults.at(0).modifiesOtherVariables);

        const Variable &setup = variable("V_Setup");
        QCOMPARE(setup.recordItems.at(0).accessRights, QStringLiteral("ro"));
        const myRecordItem &key = setup.recordItems.at(1);
        QCOMPARE(key.accessRights, QStringLiteral("wo"));
        QCOMPARE(key.value.octets(), QByteArray("\x0A\x0B\x0C\x0D", 4));
        // A type found nowhere: the item keeps its place but has no type.
        const myRecordItem &lost = setup.recordItems.at(2);
        QCOMPARE(lost.value.type, ValueKind::Unknown);
        QCOMPARE(lost.subindex, 3u);
        QCOMPARE(lost.bitOffset, 8u);

        // Array elements.
        const Variable &packed = variable("V_Packed");
        QCOMPARE(items(packed, &myRecordItem::subindex), (QList<quint32>{0, 0, 0}));
        QCOMPARE(items(packed, &myRecordItem::bitOffset), (QList<quint32>{0, 8, 16}));
        QCOMPARE(packed.recordItems.at(2).index, 71u);
        const Variable &elements = variable("V_Elements");
        QCOMPARE(items(elements, &myRecordItem::subindex), (QList<quint32>{1, 2, 3}));
        QCOMPARE(items(elements, &myRecordItem::bitOffset), (QList<quint32>{0, 0, 0}));
        // Octet string elements without bit length are spaced by their octets.
        QCOMPARE(items(variable("V_Tags"), &myRecordItem::bitOffset), (QList<quint32>{0, 24}));
        // Element type given by reference.
        QCOMPARE(items(variable("V_Codes"), &myRecordItem::bitOffset), (QList<quint32>{0, 12}));
        // An absurd count is bounded.
        QCOMPARE(variable("V_Huge").recordItems.size(), 232 * 8);
    }

    void standardReferencesAndDirectParameters()
    {
        const Variable &command = variable("V_SystemCommand");
        QCOMPARE(command.index, quint16(2));
        QCOMPARE(command.accessRights, QStringLiteral("wo"));
        QVERIFY(command.modifiesOtherVariables);
        QCOMPARE(command.name, QStringLiteral("System command"));
        // Standard values reduced to the two named, in the standard's order, then the own one.
        QCOMPARE(texts(command.singleValues, &SingleValueEntry::value),
                 (QStringList{"128=Reset device", "130=Restore factory defaults", "160=Teach"}));

        // The standard definitions themselves stay untouched.
        for (const VariableT *v : device.standardDefinitions->VariableCollection.last()->Variable) {
            if (v->id.value == QLatin1String("V_SystemCommand"))
                QCOMPARE(v->Datatype.last()->simplePart->typed<UIntegerT>()->SingleValue.size(), 11);
        }

        const Variable &tag = variable("V_ApplicationSpecificTag");
        QCOMPARE(tag.value.toText(), QStringLiteral("Line 4"));
        QCOMPARE(tag.fixedLength, 32u);
        QCOMPARE(tag.description, QStringLiteral("Our tag"));
        const Variable &locks = variable("V_DeviceAccessLocks");
        QCOMPARE(items(locks, &myRecordItem::subindex), (QList<quint32>{1, 2, 3, 4}));
        QCOMPARE(locks.recordItems.at(3).bitOffset, 3u);

        const Variable &unknown = element("V_NoSuchThing")->variable;
        QCOMPARE(unknown.index, quint16(0));
        QCOMPARE(unknown.value.type, ValueKind::Unknown);

        // Direct parameters: the overlay of page 1 and the standard reference to it.
        const Variable &overlay = variable("V_Overlay");
        QCOMPARE(overlay.index, quint16(1));
        QCOMPARE(items(overlay, &myRecordItem::subindex), (QList<quint32>{1}));
        QCOMPARE(overlay.recordItems.at(0).index, 1u);
        QCOMPARE(variable("V_DirectParameters_1").index, quint16(1));
    }

    void withoutStandardDefinitionsOrInGerman()
    {
        IODeviceT bare;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Array count too large"));
        QVERIFY(bare.loadXml(TestEnvironment::testDataPath("model2/variables.xml"), XmlDocumentKind::ProductDescription));
        QCOMPARE(element(bare, "V_SystemCommand")->variable.value.type, ValueKind::Unknown);
        // The device's own datatypes still resolve; the standard one cannot.
        const Variable &mode = element(bare, "V_Mode")->variable;
        QCOMPARE(mode.recordItems.at(0).typeName, QStringLiteral("UIntegerT"));
        QCOMPARE(mode.recordItems.at(1).typeName, QString());

        // With the German standard texts, names are German.
        IODeviceT german;
        load(german, QStringLiteral("de"));
        const Variable &plain = element(german, "V_Plain")->variable;
        QCOMPARE(plain.name, QStringLiteral("Einfach"));
        QCOMPARE(plain.singleValues.at(0).text, QStringLiteral("Drei"));
        const Variable &command = element(german, "V_SystemCommand")->variable;
        QCOMPARE(command.singleValues.at(0).text, german.translate("STD_TN_SystemCommand_DeviceReset"));
        QVERIFY(command.singleValues.at(0).text != QLatin1String("Reset device"));
    }

    void processDataReferencesResolvedByCopying()
    {
        const ProcessDataItemT *input = processData("PD_Referenced")->ProcessDataIn.last();
        const DatatypeT *declared = IODeviceT::findDatatype(pdDevice.deviceFunction()->DatatypeCollection.last(), "D_PdIn");
        QCOMPARE(input->Datatype.size(), 2);
        QVERIFY(input->Datatype.last() != declared);
        const RecordT *record = recordOf(input);
        QVERIFY(record);
        const RecordItemT *distance = record->RecordItem.at(1);
        QCOMPARE(distance->SimpleDatatype.size(), 2);
        QCOMPARE(distance->SimpleDatatype.last()->typed<UIntegerT>()->bitLength.value, QStringLiteral("14"));
        QCOMPARE(distance->SimpleDatatype.last()->typed<UIntegerT>()->ValueRange.size(), 2);
        QCOMPARE(record->RecordItem.at(2)->SimpleDatatype.last()->xsiType.value, QStringLiteral("BooleanT"));
        // The declared datatype itself is left as read.
        QCOMPARE(declared->complexPart->recordPart->RecordItem.at(1)->SimpleDatatype.size(), 1);

        // Outputs like inputs.
        const RecordT *output = recordOf(processData("PD_Referenced")->ProcessDataOut.last());
        QVERIFY(output);
        QCOMPARE(output->RecordItem.at(1)->SimpleDatatype.last()->xsiType.value, QStringLiteral("UIntegerT"));
        QVERIFY(recordOf(processData("PD_OutputOnly")->ProcessDataOut.last()));
    }

    void inlineAndStandardProcessDataTypes()
    {
        const RecordT *record = recordOf(processData("PD_Inline")->ProcessDataIn.last());
        QCOMPARE(record->RecordItem.size(), 4);
        QCOMPARE(record->RecordItem.at(1)->SimpleDatatype.last()->typed<UIntegerT>()->bitLength.value, QStringLiteral("14"));
        QCOMPARE(record->RecordItem.at(2)->SimpleDatatype.size(), 2);
        QCOMPARE(record->RecordItem.at(3)->SimpleDatatype.size(), 1);

        const ProcessDataT *standard = processData("PD_Standard");
        const DatatypeT *command = standard->ProcessDataIn.last()->Datatype.last();
        QCOMPARE(command->simplePart->typed<UIntegerT>()->SingleValue.size(), 11);
        // A reference found nowhere leaves the item without datatype.
        QCOMPARE(standard->ProcessDataOut.last()->Datatype.size(), 1);
    }
};

OVINEX_TEST_MAIN(TestVariableCompletion)
#include "tst_variablecompletion.moc"
