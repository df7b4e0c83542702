#include "datatable.h"
#include "testenvironment.h"

#include "iodd/model/eventelements.h"
#include "iodd/model/iodevicet.h"


// Reading documents into element trees: declarations, prototypes, positions, the type dispatch and
// the document kinds of loadXml, numbered wires and the event table.
class TestIODDReader : public QObject
{
    Q_OBJECT

private:
    static QString fixture(const QString &name) { return TestEnvironment::testDataPath(QStringLiteral("model/") + name); }

    static DatatypeT *datatype(const IODeviceT &device, const QString &id)
    {
        return IODeviceT::findDatatype(device.deviceFunction()->DatatypeCollection.last(), id);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(device.loadXml(fixture(QStringLiteral("reader.xml")), XmlDocumentKind::ProductDescription));
    }

    void prototypesAndAttributeTexts()
    {
        const DeviceIdentityT *identity = device.ProfileBody.last()->DeviceIdentity.last();
        QCOMPARE(identity->DeviceName.size(), 1);
        QCOMPARE(identity->DeviceName.last()->textId.value, QString());

        const VariableT *named = device.deviceFunction()->VariableCollection.last()->Variable.at(1);
        QCOMPARE(named->Description.last()->textId.value, QString());
        QCOMPARE(named->Name.last()->textId.value, QStringLiteral("TN_Named"));

        const MenuSetT *observer = device.deviceFunction()->UserInterface.last()->ObserverRoleMenuSet.last();
        QCOMPARE(observer->IdentificationMenu.last()->menuId.value, QStringLiteral("M_Main"));
        QCOMPARE(observer->DiagnosisMenu.last()->menuId.value, QString());

        // Repeated elements follow their prototype.
        const DeviceVariantCollectionT *variants =
            device.ProfileBody.last()->DeviceIdentity.last()->DeviceVariantCollection.last();
        QCOMPARE(variants->DeviceVariant.size(), 3);
        QCOMPARE(variants->DeviceVariant.at(0)->productId.value, QString());
        QCOMPARE(variants->DeviceVariant.at(2)->productId.value, QStringLiteral("A-2"));
        QCOMPARE(variants->DeviceVariant.at(2)->Name.last()->textId.value, QStringLiteral("TN_A2"));

        // Attribute values stay text.
        const DocumentInfoT *info = device.DocumentInfo.last();
        QCOMPARE(info->releaseDate.value, QString()); // present but empty

        const FeaturesT *features = device.deviceFunction()->Features.last();
        QVERIFY(IOLinkKlasse::isTrue(features->blockParameter));
        QVERIFY(!IOLinkKlasse::isTrue(features->dataStorage)); // "1"
        QVERIFY(!IOLinkKlasse::isTrue(features->profileCharacteristic)); // absent

        const VariableT *plain = device.deviceFunction()->VariableCollection.last()->Variable.at(0);
        QVERIFY(!IOLinkKlasse::isTrue(plain->dynamic)); // "TRUE"
        QCOMPARE(plain->accessRights.value, QStringLiteral("rw")); // absent; the completion fills in "rw"
    }

    void typeDispatchCreatesTheNamedType_data()
    {
        DataTable::addRows(QStringLiteral("model/typedispatch.tsv"));
    }

    void typeDispatchCreatesTheNamedType()
    {
        QFETCH(QString, id);
        QFETCH(QString, kind);
        const DatatypeT *type = datatype(device, id);
        QVERIFY(type);
        const SimpleDatatypeT *simple = type->simplePart.get();
        const ComplexDatatypeT *complex = type->complexPart.get();
        QString created;
        if (simple && simple->typed<UIntegerT>())
            created = "UIntegerT";
        else if (simple && simple->typed<IntegerT>())
            created = "IntegerT";
        else if (simple && simple->typed<TimeSpanT>())
            created = "TimeSpanT";
        else if (simple && simple->typed<TimeT>())
            created = "TimeT";
        else if (complex && complex->recordPart)
            created = "RecordT";
        else if (complex && complex->arrayPart)
            created = "ArrayT";
        else if (dynamic_cast<ProcessDataInUnionT *>(type->unionPart.get()))
            created = "ProcessDataInUnionT";
        QCOMPARE(created, kind);
        const int parts = (simple ? 1 : 0) + (complex ? 1 : 0) + (type->unionPart ? 1 : 0);
        QCOMPARE(parts, kind.isEmpty() ? 0 : 1);
        if (simple)
            QCOMPARE(simple->xsiType.value, type->xsiType.value);
        if (complex)
            QCOMPARE(complex->xsiType.value, type->xsiType.value);
    }


    void recordItemsAreReadIntoTheRecord()
    {
        const RecordT *record = datatype(device, "D_Record")->complexPart->recordPart.get();
        QCOMPARE(record->bitLength.value, QStringLiteral("24"));
        QCOMPARE(record->subindexAccessSupported.value, QStringLiteral("false"));
        QCOMPARE(record->RecordItem.size(), 4);
        QStringList subindexes;
        QList<int> positions;
        for (int i = 1; i < record->RecordItem.size(); ++i) {
            subindexes << record->RecordItem.at(i)->subindex.value;
            positions << record->RecordItem.at(i)->position;
        }
        QCOMPARE(subindexes, QStringList({"1", "2", "3"}));
        // The comment between the first two items is not counted, the stray text after the second is.
        QCOMPARE(positions, QList<int>({0, 1, 3}));
        QVERIFY(record->RecordItem.at(2)->SimpleDatatype.last()->typed<BooleanT>());
        QCOMPARE(record->RecordItem.at(3)->DatatypeRef.size(), 2);
        QCOMPARE(record->RecordItem.at(3)->SimpleDatatype.size(), 1);

        // A record type given to a simple datatype is no type at all.
        const ArrayT *array = datatype(device, "D_Odd")->complexPart->arrayPart.get();
        const SimpleDatatypeT *element = array->SimpleDatatype.last();
        QCOMPARE(element->xsiType.value, QStringLiteral("RecordT"));
        QVERIFY(!element->typedPart);
        QCOMPARE(element->attributeSlots.size(), 1);
    }

    // Their document order across kinds is what the menu tests' menuOrdersEntriesByPosition orders the sample's menu by.
    void menuReferencesAndTheirConditions()
    {
        const MenuT *menu = device.deviceFunction()->UserInterface.last()->MenuCollection.last()->Menu.at(1);
        const ConditionT *condition = menu->MenuRef.last()->Condition.last();
        QCOMPARE(condition->variableId.value, QStringLiteral("V_Named"));
        QCOMPARE(condition->subindex.value, QString());
        QCOMPARE(condition->value.value, QStringLiteral("1"));
        QCOMPARE(menu->VariableRef.last()->gradient.value, QString());
    }

    // The product's load removes the variable prototypes; a later document without profile body keeps them.
    void productLoadRemovesVariablePrototypesAndReloadingKeepsThem()
    {
        IODeviceT reloaded;
        QVERIFY(reloaded.loadXml(fixture("reader.xml"), XmlDocumentKind::ProductDescription));
        QVERIFY(reloaded.deviceFunction()->VariableCollection.last()->StdVariableRef.isEmpty());
        QCOMPARE(reloaded.version, QStringLiteral("V1.2.3"));
        // The second document has no profile body, so the first one's collection is still the last.
        QVERIFY(reloaded.loadXml(fixture("version101.xml"), XmlDocumentKind::ProductDescription));
        const VariableCollectionT *variables = reloaded.deviceFunction()->VariableCollection.last();
        QCOMPARE(variables->Variable.size(), 2);
        QCOMPARE(variables->Variable.at(0)->id.value, QStringLiteral("V_Plain"));
        QCOMPARE(reloaded.version, QStringLiteral("V1.0.1"));
    }

    void unusableDocumentsLeaveTheTreeEmpty_data()
    {
        DataTable::addRows(QStringLiteral("model/unusable.tsv"));
    }

    void unusableDocumentsLeaveTheTreeEmpty()
    {
        QFETCH(QString, file);
        IODeviceT empty;
        QVERIFY(!empty.loadXml(fixture(file), XmlDocumentKind::ProductDescription));
        QCOMPARE(empty.filePath, fixture(file));
        QCOMPARE(empty.DocumentInfo.size(), 1);
        QCOMPARE(empty.version, QString());
        const VariableCollectionT *variables = empty.deviceFunction()->VariableCollection.last();
        QCOMPARE(variables->Variable.size(), 1); // the prototype is still there
    }

    void deeplyNestedDocumentsAreRefused_data()
    {
        DataTable::addRows(QStringLiteral("model/nesting.tsv"));
    }

    void deeplyNestedDocumentsAreRefused()
    {
        QFETCH(int, depth);
        QFETCH(QByteArray, level);
        QFETCH(bool, loaded);
        QTemporaryDir folder;
        const QString path = folder.filePath("deep.xml");
        QByteArray text = "<IODevice><DocumentInfo version=\"V1\"/>" + level.repeated(depth - 1)
            + QByteArray("</a>").repeated(depth - 1) + "</IODevice>";
        if (QByteArray(QTest::currentDataTag()).contains("UTF-16")) {
            const QString wide = QString::fromLatin1(text);
            text = QByteArray("\xff\xfe", 2)
                + QByteArray(reinterpret_cast<const char *>(wide.utf16()), wide.size() * 2);
        }
        QVERIFY(TestEnvironment::writeFile(path, text));
        IODeviceT nested;
        QCOMPARE(nested.loadXml(path, XmlDocumentKind::ProductDescription), loaded);
        QCOMPARE(nested.version, loaded ? QStringLiteral("V1") : QString());
    }

    // Language documents accumulate in their root; each kind reads into its own root, and a document of
    // another kind leaves the target empty.
    void eachKindReadsIntoItsOwnRoot()
    {
        IODeviceT texts;
        QVERIFY(texts.loadXml(fixture("stdtexts-de.xml"), XmlDocumentKind::StandardDefinitionsLanguage));
        QVERIFY(texts.loadXml(fixture("stdtexts-fr.xml"), XmlDocumentKind::StandardDefinitionsLanguage));
        QVERIFY(texts.standardTexts);
        QCOMPARE(texts.standardTexts->Language.size(), 3);
        QCOMPARE(texts.standardTexts->Language.last()->xmlLang.value, QStringLiteral("fr"));
        QVERIFY(!texts.standardUnitTexts);
        QVERIFY(!texts.loadXml(fixture("stdtexts-de.xml"), XmlDocumentKind::ProductDescription));
        QCOMPARE(texts.DocumentInfo.size(), 1);
        // A root shared with another tree is read by both and written by neither.
        IODeviceT borrower;
        borrower.standardTexts = texts.standardTexts;
        QVERIFY(!borrower.loadXml(fixture("stdtexts-de.xml"), XmlDocumentKind::StandardDefinitionsLanguage));
        QCOMPARE(texts.standardTexts->Language.size(), 3);

        IODeviceT roots;
        QVERIFY(roots.loadXml(fixture("stdtexts-de.xml"), XmlDocumentKind::StandardUnitDefinitionsLanguage));
        QVERIFY(roots.loadXml(fixture("stdtexts-fr.xml"), XmlDocumentKind::ExtraTexts));
        QCOMPARE(roots.standardUnitTexts->Language.last()->xmlLang.value, QStringLiteral("de"));
        QCOMPARE(roots.extraTexts->Language.last()->xmlLang.value, QStringLiteral("fr"));
        QVERIFY(!roots.standardTexts);
        QVERIFY(!roots.loadXml(fixture("stdtexts-de.xml"), XmlDocumentKind::StandardUnitDefinitions));
        QVERIFY(roots.standardUnitDefinitions);
        QCOMPARE(roots.standardUnitDefinitions->UnitCollection.size(), 1);
    }

    void versionChoosesTheStandardDefinitions()
    {
        IODeviceT device101;
        QVERIFY(device101.loadXml(fixture("reader.xml"), XmlDocumentKind::StandardDefinitions) == false);
        QVERIFY(device101.standardDefinitions);
        QVERIFY(device101.loadXml(fixture("version101.xml"), XmlDocumentKind::ProductDescription));
        QCOMPARE(device101.version, QStringLiteral("V1.0.1"));
        // Without secondary definitions the primary ones stand in.
        QCOMPARE(device101.completionStandardDefinitions(), device101.standardDefinitions.get());

        // With secondary definitions an older description completes from those, a current one from the primary
        // ones: tst_iolinkwrapper's olderSchemaUsesItsOwnDefinitions, through the binding that loads them.
    }

    void eventTableDeviceEventsFirstThenStandardReferences()
    {
        const QString eventsFile = TestEnvironment::testDataPath(QStringLiteral("model2/events.xml"));
        IODeviceT events;
        QVERIFY(events.loadXml(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml",
                               XmlDocumentKind::StandardDefinitions));
        QVERIFY(events.loadXml(eventsFile, XmlDocumentKind::ProductDescription));
        // Loading twice rebuilds the table rather than adding to it.
        QVERIFY(events.loadXml(eventsFile, XmlDocumentKind::ProductDescription));
        const QStringList expected = {
            "16384 Warning TN_Overheat TD_Overheat",
            "5 Notification TN_Wrapped ", // 65541 cut to 16 bits
            "16384 Error STD_TN_0x4000 STD_TD_0x4000",
            "12345   ", // not among the standard events: only its code
        };
        QStringList rows;
        for (const EventRecord &record : events.eventTable)
            rows << QStringLiteral("%1 %2 %3 %4").arg(record.code).arg(record.type, record.nameTextId, record.descriptionTextId);
        QCOMPARE(rows, expected);
        QCOMPARE(events.eventText(16384), QStringLiteral("Too hot")); // the device's own event wins
        QCOMPARE(events.eventText(5), QStringLiteral("Wrapped"));
        QCOMPARE(events.eventText(12345), QStringLiteral("failed"));
        QCOMPARE(events.eventText(999), QString());

        IODeviceT bare;
        QVERIFY(bare.loadXml(eventsFile, XmlDocumentKind::ProductDescription));
        QCOMPARE(bare.eventTable.size(), 4);
        QCOMPARE(bare.eventTable.at(2).nameTextId, QString());
    }

private:
    IODeviceT device;
};

OVINEX_TEST_MAIN(TestIODDReader)
#include "tst_ioddreader.moc"
