#include "testenvironment.h"

#include "iodd/model/iodevicet.h"

// Completion of device variables, standard variable references and direct parameters into plain
// variable descriptions, against our standard definitions.
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
        device.eventIntervalMs = -1;
        QVERIFY(device.loadXml(standardFile("IODD-StandardDefinitions1.1.xml"), XmlDocumentKind::StandardDefinitions));
        if (language != QLatin1String("en"))
            QVERIFY(device.loadXml(standardFile(QStringLiteral("IODD-StandardDefinitions1.1-%1.xml").arg(language)),
                                   XmlDocumentKind::StandardDefinitionsLanguage));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Array count too large"));
        QVERIFY(device.loadXml(TestEnvironment::testDataPath("model2/variables.xml"), XmlDocumentKind::ProductDescription));
    }

    const VariableCollectionT *collection() const { return device.deviceFunction()->VariableCollection.last(); }

    const AbstractVariableT *element(const QString &id) const
    {
        const VariableCollectionT *variables = collection();
        for (const AbstractVariableT *v : variables->Variable) {
            if (v->variable.id == id)
                return v;
        }
        for (const StdVariableRefT *v : variables->StdVariableRef) {
            if (v->id.value == id)
                return v;
        }
        for (const AbstractVariableT *v : variables->DirectParameterOverlay) {
            if (v->variable.id == id)
                return v;
        }
        for (const AbstractVariableT *v : variables->StdDirectParameterRef) {
            if (v->variable.id == id)
                return v;
        }
        return nullptr;
    }

    const Variable &variable(const QString &id) const
    {
        static const Variable none;
        const AbstractVariableT *found = element(id);
        return found ? found->variable : none;
    }

    static QStringList texts(const QVector<SingleValueEntry> &entries)
    {
        QStringList result;
        for (const SingleValueEntry &entry : entries)
            result << entry.value.toText() + QLatin1Char('=') + entry.text;
        return result;
    }

    static QStringList texts(const QVector<ValueRangeEntry> &entries)
    {
        QStringList result;
        for (const ValueRangeEntry &entry : entries)
            result << entry.lower.toText() + QLatin1Char('=') + entry.text;
        return result;
    }

    static QList<quint32> subindexes(const Variable &variable)
    {
        QList<quint32> result;
        for (const myRecordItem &item : variable.recordItems)
            result << item.subindex;
        return result;
    }

    static QList<quint32> bitOffsets(const Variable &variable)
    {
        QList<quint32> result;
        for (const myRecordItem &item : variable.recordItems)
            result << item.bitOffset;
        return result;
    }

    IODeviceT device;

private slots:
    void initTestCase() { load(device, QStringLiteral("en")); }

    void plainVariable()
    {
        const Variable &plain = variable("V_Plain");
        QCOMPARE(plain.index, quint16(24));
        QCOMPARE(plain.accessRights, QStringLiteral("rw"));
        QCOMPARE(element("V_Plain")->accessRights.value, QStringLiteral("rw"));
        QCOMPARE(plain.typeName, QStringLiteral("UIntegerT"));
        QCOMPARE(plain.value.type, 1u);
        QCOMPARE(plain.bitLength, 8u);
        QCOMPARE(plain.value.bitLength, 8u);
        QCOMPARE(plain.datatypeId, QString());
        QCOMPARE(texts(plain.singleValues), QStringList{"3=Three"});
        QCOMPARE(plain.valueRanges.size(), 1);
        QCOMPARE(plain.valueRanges.at(0).lower.toUInt(), 10u);
        QCOMPARE(plain.valueRanges.at(0).upper.toUInt(), 20u);
        // A range without a name shows no text rather than a failed lookup.
        QCOMPARE(plain.valueRanges.at(0).text, QString());
        QVERIFY(!plain.hasDefault);
        QCOMPARE(plain.name, QStringLiteral("Plain"));
        QCOMPARE(plain.description, QString());
        QCOMPARE(plain.descriptionTextId, QString());
    }

    void datatypeReferenceToOwnCollection()
    {
        const AbstractVariableT *level = element("V_Level");
        const DatatypeT *declared = IODeviceT::findDatatype(device.deviceFunction()->DatatypeCollection.last(), "D_Level");
        QCOMPARE(level->Datatype.size(), 2);
        QCOMPARE(level->Datatype.last(), declared);
        const Variable &v = level->variable;
        QCOMPARE(v.datatypeId, QStringLiteral("D_Level"));
        QCOMPARE(v.value.type, 2u);
        QCOMPARE(v.bitLength, 16u);
        QCOMPARE(v.accessRights, QStringLiteral("ro"));
        QVERIFY(v.dynamic);
        QVERIFY(v.hasDefault);
        QCOMPARE(v.defaultValue.toInt(), -7);
        QCOMPARE(v.value.toInt(), -7);
        QCOMPARE(texts(v.valueRanges), QStringList{"-100=Allowed"});
        QCOMPARE(v.valueRanges.at(0).upper.toInt(), 100);
        QCOMPARE(v.description, QStringLiteral("How high"));
    }

    void valueTypesAndLengths_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("typeName");
        QTest::addColumn<uint>("type");
        QTest::addColumn<uint>("bitLength");
        QTest::addColumn<uint>("fixedLength");
        QTest::newRow("octet string") << "V_Octets" << "OctetStringT" << 5u << 0u << 4u;
        QTest::newRow("string") << "V_Text" << "StringT" << 4u << 0u << 255u;
        QTest::newRow("boolean") << "V_Switch" << "BooleanT" << 0u << 1u << 0u;
        QTest::newRow("float has 32 bits") << "V_Gain" << "Float32T" << 3u << 32u << 0u;
        QTest::newRow("record") << "V_Mode" << "RecordT" << 8u << 32u << 0u;
        QTest::newRow("packed array") << "V_Packed" << "ArrayT" << 8u << 24u << 0u;
        QTest::newRow("array of octet strings") << "V_Tags" << "ArrayT" << 8u << 0u << 6u;
        QTest::newRow("array element by reference") << "V_Codes" << "ArrayT" << 8u << 24u << 0u;
    }

    void valueTypesAndLengths()
    {
        QFETCH(QString, id);
        QFETCH(QString, typeName);
        QFETCH(uint, type);
        QFETCH(uint, bitLength);
        QFETCH(uint, fixedLength);
        const Variable &v = variable(id);
        QCOMPARE(v.typeName, typeName);
        QCOMPARE(v.value.type, type);
        QCOMPARE(v.defaultValue.type, type);
        QCOMPARE(v.bitLength, bitLength);
        QCOMPARE(v.fixedLength, fixedLength);
        QCOMPARE(v.value.bitLength, bitLength);
    }

    void defaults()
    {
        QCOMPARE(variable("V_Octets").defaultValue.octets(), QByteArray("\x55\xAA\x01\xFF", 4));
        QCOMPARE(variable("V_Octets").value.octets(), QByteArray("\x55\xAA\x01\xFF", 4));
        QVERIFY(variable("V_Switch").defaultValue.toBool());
        QCOMPARE(variable("V_Gain").defaultValue.toFloat(), 1.5f);
        QCOMPARE(variable("V_Gain").valueRanges.at(0).upper.toFloat(), 2.25f);
    }

    void longTextIsCutAtCharacterBoundary()
    {
        const QString text = variable("V_Text").defaultValue.toText();
        QCOMPARE(text, QString(250, QLatin1Char('a')) + QChar(0x20AC));
        QVERIFY(variable("V_Text").defaultValue.octets().size() <= 255);

        TypedValue value;
        value.type = 4;
        value.setFromText(QString(300, QChar(0xE4)));
        QCOMPARE(value.octets().size(), 254);
        QCOMPARE(value.toText(), QString(127, QChar(0xE4)));
        value.setFromText(QString(253, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x98\x80"));
        QCOMPARE(value.toText(), QString(253, QLatin1Char('x')));
    }

    void booleanSingleValues()
    {
        const Variable &v = variable("V_Switch");
        QCOMPARE(v.singleValues.size(), 2);
        QVERIFY(v.singleValues.at(0).value.toBool());
        QCOMPARE(v.singleValues.at(0).text, QStringLiteral("On"));
        QVERIFY(!v.singleValues.at(1).value.toBool());
    }

    void recordItemsResolvedAndDefaulted()
    {
        const Variable &mode = variable("V_Mode");
        QVERIFY(mode.subindexAccessSupported);
        // The reserved item is left out.
        QCOMPARE(subindexes(mode), (QList<quint32>{1, 3}));
        const myRecordItem &distance = mode.recordItems.at(0);
        QCOMPARE(distance.datatypeId, QStringLiteral("D_Distance"));
        QCOMPARE(distance.typeName, QStringLiteral("UIntegerT"));
        QCOMPARE(distance.value.type, 1u);
        QCOMPARE(distance.bitLength, 12u);
        QCOMPARE(distance.value.bitLength, 12u);
        QCOMPARE(distance.bitOffset, 16u);
        QCOMPARE(distance.index, 69u);
        QCOMPARE(distance.name, QStringLiteral("Distance"));
        QCOMPARE(distance.accessRights, QStringLiteral("rw"));
        // A type the device's collection lacks comes from the standard definitions.
        const myRecordItem &lock = mode.recordItems.at(1);
        QCOMPARE(lock.typeName, QStringLiteral("BooleanT"));
        QCOMPARE(lock.value.type, 0u);
        QCOMPARE(lock.bitLength, 1u);
        QCOMPARE(lock.singleValues.size(), 2);
        // Both items with a default keep their mark.
        QVERIFY(distance.hasDefault);
        QCOMPARE(distance.defaultValue.toUInt(), 300u);
        QCOMPARE(distance.value.toUInt(), 300u);
        QVERIFY(lock.hasDefault);
        QVERIFY(lock.value.toBool());
        QCOMPARE(mode.recordItemDefaults.size(), 2);
        QCOMPARE(mode.recordItemDefaults.at(1).subindex, 3u);
        QVERIFY(mode.recordItemDefaults.at(1).modifiesOtherVariables);
        QVERIFY(!mode.recordItemDefaults.at(0).modifiesOtherVariables);
    }

    void recordItemAccessOctetsAndUnresolvedType()
    {
        const Variable &setup = variable("V_Setup");
        QVERIFY(!setup.subindexAccessSupported);
        QCOMPARE(setup.recordItems.size(), 3);
        const myRecordItem &first = setup.recordItems.at(0);
        QCOMPARE(first.accessRights, QStringLiteral("ro"));
        QCOMPARE(first.description, QStringLiteral("The first one"));
        QVERIFY(!first.hasDefault);
        const myRecordItem &key = setup.recordItems.at(1);
        QCOMPARE(key.accessRights, QStringLiteral("wo"));
        QCOMPARE(key.value.type, 5u);
        QCOMPARE(key.fixedLength, 4u);
        QVERIFY(key.hasDefault);
        QCOMPARE(key.value.octets(), QByteArray("\x0A\x0B\x0C\x0D", 4));
        // A type found nowhere: the item keeps its place but has no type.
        const myRecordItem &lost = setup.recordItems.at(2);
        QCOMPARE(lost.typeName, QString());
        QCOMPARE(lost.value.type, 8u);
        QCOMPARE(lost.subindex, 3u);
        QCOMPARE(lost.bitOffset, 8u);
        QCOMPARE(lost.accessRights, QStringLiteral("wo"));
    }

    void arrays()
    {
        const Variable &packed = variable("V_Packed");
        QVERIFY(!packed.subindexAccessSupported);
        QCOMPARE(subindexes(packed), (QList<quint32>{0, 0, 0}));
        QCOMPARE(bitOffsets(packed), (QList<quint32>{0, 8, 16}));
        QCOMPARE(packed.recordItems.at(2).value.type, 1u);
        QCOMPARE(packed.recordItems.at(2).index, 71u);

        const Variable &elements = variable("V_Elements");
        QVERIFY(elements.subindexAccessSupported);
        QCOMPARE(subindexes(elements), (QList<quint32>{1, 2, 3}));
        QCOMPARE(bitOffsets(elements), (QList<quint32>{0, 0, 0}));

        // Octet string elements without bit length are spaced by their octets.
        QCOMPARE(bitOffsets(variable("V_Tags")), (QList<quint32>{0, 24}));
        // Element type given by reference.
        QCOMPARE(bitOffsets(variable("V_Codes")), (QList<quint32>{0, 12}));
        QCOMPARE(variable("V_Codes").recordItems.at(1).typeName, QStringLiteral("UIntegerT"));
    }

    void absurdArrayCountIsBounded()
    {
        const Variable &huge = variable("V_Huge");
        QCOMPARE(huge.recordItems.size(), 232 * 8);
        QCOMPARE(huge.bitLength, 232u * 8u);
    }

    void standardReferenceNarrowsSingleValues()
    {
        const Variable &command = variable("V_SystemCommand");
        QCOMPARE(command.index, quint16(2));
        QCOMPARE(command.accessRights, QStringLiteral("wo"));
        QVERIFY(command.modifiesOtherVariables);
        QCOMPARE(command.value.type, 1u);
        QCOMPARE(command.bitLength, 8u);
        QCOMPARE(command.nameTextId, QStringLiteral("STD_TN_V_SystemCommand"));
        QCOMPARE(command.name, QStringLiteral("System command"));
        // The reference keeps its own (absent) description.
        QCOMPARE(command.description, QString());
        // Standard values reduced to the two named, in the standard's order, then the own one.
        QCOMPARE(texts(command.singleValues),
                 (QStringList{"128=Reset device", "130=Restore factory defaults", "160=Teach"}));
        QVERIFY(command.valueRanges.isEmpty());
    }

    void standardDefinitionsStayUntouched()
    {
        const VariableCollectionT *standard = device.standardDefinitions->VariableCollection.last();
        const VariableT *command = nullptr;
        for (const VariableT *v : standard->Variable) {
            if (v->id.value == QLatin1String("V_SystemCommand"))
                command = v;
        }
        QVERIFY(command);
        // Prototype and the copy of the referenced datatype; the reference resolved into its own list.
        QCOMPARE(command->Datatype.size(), 2);
        QCOMPARE(command->Datatype.last()->simplePart->typed<UIntegerT>()->SingleValue.size(), 5);
    }

    void standardReferenceDefaultsAndRecords()
    {
        const Variable &tag = variable("V_ApplicationSpecificTag");
        QCOMPARE(tag.index, quint16(24));
        QVERIFY(tag.hasDefault);
        QCOMPARE(tag.defaultValue.toText(), QStringLiteral("Line 4"));
        QCOMPARE(tag.value.toText(), QStringLiteral("Line 4"));
        QCOMPARE(tag.fixedLength, 32u);
        QCOMPARE(tag.description, QStringLiteral("Our tag"));

        const Variable &locks = variable("V_DeviceAccessLocks");
        QCOMPARE(locks.index, quint16(12));
        QCOMPARE(subindexes(locks), (QList<quint32>{1, 2, 3, 4}));
        QCOMPARE(locks.recordItems.at(3).typeName, QStringLiteral("BooleanT"));
        QCOMPARE(locks.recordItems.at(3).bitOffset, 3u);
    }

    void unknownStandardReferenceStaysEmpty()
    {
        const Variable &unknown = element("V_NoSuchThing")->variable;
        QCOMPARE(unknown.id, QString());
        QCOMPARE(unknown.index, quint16(0));
        QCOMPARE(unknown.value.type, 8u);
        QVERIFY(!unknown.hasDefault);
    }

    void directParameters()
    {
        const Variable &overlay = variable("V_Overlay");
        QCOMPARE(overlay.index, quint16(1));
        QCOMPARE(subindexes(overlay), (QList<quint32>{1}));
        QCOMPARE(overlay.recordItems.at(0).index, 1u);
        const Variable &direct = variable("V_DirectParameters_1");
        QCOMPARE(direct.index, quint16(1));
        QCOMPARE(direct.value.type, 8u);
    }

    void withoutStandardDefinitions()
    {
        IODeviceT bare;
        bare.eventIntervalMs = -1;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Array count too large"));
        QVERIFY(bare.loadXml(TestEnvironment::testDataPath("model2/variables.xml"), XmlDocumentKind::ProductDescription));
        const VariableCollectionT *variables = bare.deviceFunction()->VariableCollection.last();
        QCOMPARE(variables->StdVariableRef.at(0)->variable.value.type, 8u);
        for (const VariableT *v : variables->Variable) {
            if (v->variable.id != QLatin1String("V_Mode"))
                continue;
            // The device's own datatypes still resolve; the standard one cannot.
            QCOMPARE(v->variable.recordItems.at(0).typeName, QStringLiteral("UIntegerT"));
            QCOMPARE(v->variable.recordItems.at(1).typeName, QString());
        }
    }

    void namesInTheSelectedLanguage()
    {
        IODeviceT german;
        load(german, QStringLiteral("de"));
        const VariableCollectionT *variables = german.deviceFunction()->VariableCollection.last();
        const Variable *plain = nullptr;
        for (const VariableT *v : variables->Variable) {
            if (v->variable.id == QLatin1String("V_Plain"))
                plain = &v->variable;
        }
        QVERIFY(plain);
        QCOMPARE(plain->name, QStringLiteral("Einfach"));
        QCOMPARE(plain->singleValues.at(0).text, QStringLiteral("Drei"));
        const Variable &command = variables->StdVariableRef.at(0)->variable;
        QCOMPARE(command.singleValues.at(0).text, german.translate("STD_TN_SystemCommand_DeviceReset"));
        QVERIFY(command.singleValues.at(0).text != QLatin1String("Reset device"));
    }
};

OVINEX_TEST_MAIN(TestVariableCompletion)
#include "tst_variablecompletion.moc"
