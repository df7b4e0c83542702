#include "testenvironment.h"

#include "iodd/model/iodevicet.h"
#include "iodd/model/processdataelements.h"
#include "iodd/model/userinterfaceelements.h"

// Process data definitions after loading (datatype references resolved by copying) and the user
// interface definitions that refer to them.
class TestProcessDataModel : public QObject
{
    Q_OBJECT

private:
    const ProcessDataCollectionT *collection() const { return device.deviceFunction()->ProcessDataCollection.last(); }
    const UserInterfaceT *userInterface() const { return device.deviceFunction()->UserInterface.last(); }

    const ProcessDataT *processData(const QString &id) const
    {
        for (const ProcessDataT *candidate : collection()->ProcessData) {
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

    const MenuT *menu(const QString &id) const
    {
        for (const MenuT *candidate : userInterface()->MenuCollection.last()->Menu) {
            if (candidate->id.value == id)
                return candidate;
        }
        return nullptr;
    }

    IODeviceT device;

private slots:
    void initTestCase()
    {
        device.eventIntervalMs = -1;
        QVERIFY(device.loadXml(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml",
                               XmlDocumentKind::StandardDefinitions));
        QVERIFY(device.loadXml(TestEnvironment::testDataPath("model2/processdata.xml"), XmlDocumentKind::ProductDescription));
    }

    void referencedRecordInputIsACopyWithoutReferences()
    {
        const ProcessDataItemT *input = processData("PD_Referenced")->ProcessDataIn.last();
        const DatatypeT *declared = IODeviceT::findDatatype(device.deviceFunction()->DatatypeCollection.last(), "D_PdIn");
        QCOMPARE(input->Datatype.size(), 2);
        QVERIFY(input->Datatype.last() != declared);
        QCOMPARE(input->Datatype.last()->xsiType.value, QStringLiteral("RecordT"));
        const RecordT *record = recordOf(input);
        QVERIFY(record);
        QCOMPARE(record->bitLength.value, QStringLiteral("16"));
        QCOMPARE(record->RecordItem.size(), 3);
        const RecordItemT *distance = record->RecordItem.at(1);
        QCOMPARE(distance->subindex.value, QStringLiteral("1"));
        QCOMPARE(distance->bitOffset.value, QStringLiteral("2"));
        QCOMPARE(distance->SimpleDatatype.size(), 2);
        QCOMPARE(distance->DatatypeRef.size(), 1);
        QCOMPARE(distance->SimpleDatatype.last()->typed<UIntegerT>()->bitLength.value, QStringLiteral("14"));
        QCOMPARE(distance->SimpleDatatype.last()->typed<UIntegerT>()->ValueRange.size(), 2);
        QCOMPARE(distance->Name.last()->textId.value, QStringLiteral("TN_Distance"));
        QCOMPARE(record->RecordItem.at(2)->SimpleDatatype.last()->xsiType.value, QStringLiteral("BooleanT"));
        // The declared datatype itself is left as read.
        QCOMPARE(declared->complexPart->recordPart->RecordItem.at(1)->SimpleDatatype.size(), 1);
    }

    void outputsAreResolvedLikeInputs()
    {
        const RecordT *output = recordOf(processData("PD_Referenced")->ProcessDataOut.last());
        QVERIFY(output);
        QCOMPARE(output->RecordItem.size(), 2);
        QCOMPARE(output->RecordItem.at(1)->SimpleDatatype.last()->xsiType.value, QStringLiteral("UIntegerT"));
        QVERIFY(recordOf(processData("PD_OutputOnly")->ProcessDataOut.last()));
        QCOMPARE(processData("PD_OutputOnly")->ProcessDataIn.size(), 1);
    }

    void inlineRecordItemsGetTheirTypes()
    {
        const ProcessDataItemT *input = processData("PD_Inline")->ProcessDataIn.last();
        QCOMPARE(input->Datatype.size(), 2);
        const RecordT *record = recordOf(input);
        QCOMPARE(record->RecordItem.size(), 4);
        const SimpleDatatypeT *distance = record->RecordItem.at(1)->SimpleDatatype.last();
        QCOMPARE(distance->xsiType.value, QStringLiteral("UIntegerT"));
        QCOMPARE(distance->typed<UIntegerT>()->bitLength.value, QStringLiteral("14"));
        QCOMPARE(record->RecordItem.at(2)->SimpleDatatype.size(), 2);
        QCOMPARE(record->RecordItem.at(3)->SimpleDatatype.size(), 1);
    }

    void inlineAndStandardDatatypes()
    {
        const ProcessDataItemT *simple = processData("PD_Simple")->ProcessDataIn.last();
        QCOMPARE(simple->Datatype.size(), 2);
        QCOMPARE(simple->Datatype.last()->simplePart->typed<UIntegerT>()->bitLength.value, QStringLiteral("8"));

        const ProcessDataT *standard = processData("PD_Standard");
        const DatatypeT *command = standard->ProcessDataIn.last()->Datatype.last();
        QVERIFY(command->simplePart);
        QCOMPARE(command->id.value, QString());
        QCOMPARE(command->simplePart->typed<UIntegerT>()->SingleValue.size(), 5);
        // A reference found nowhere leaves the item without datatype.
        QCOMPARE(standard->ProcessDataOut.last()->Datatype.size(), 1);
    }

    void conditionsStayAsRead()
    {
        QCOMPARE(collection()->ProcessData.size(), 6);
        const ConditionT *first = processData("PD_Referenced")->Condition.last();
        const ConditionT *second = processData("PD_Inline")->Condition.last();
        QCOMPARE(collection()->ProcessData.at(1)->id.value, QStringLiteral("PD_Referenced"));
        QCOMPARE(collection()->ProcessData.at(2)->id.value, QStringLiteral("PD_Inline"));
        QCOMPARE(first->variableId.value, QStringLiteral("V_Mode"));
        QCOMPARE(first->subindex.value, QString());
        QCOMPARE(first->value.value, QStringLiteral("0"));
        QCOMPARE(second->subindex.value, QStringLiteral("1"));
        QCOMPARE(second->value.value, QStringLiteral("1"));
        QCOMPARE(processData("PD_Simple")->Condition.size(), 1);
    }

    void menuEntriesKeepDocumentOrder()
    {
        const MenuT *compact = menu("M_Sub");
        QCOMPARE(compact->VariableRef.last()->position, 1);
        QCOMPARE(compact->MenuRef.last()->position, 2);
        QCOMPARE(compact->RecordItemRef.last()->position, 3);
        QCOMPARE(compact->MenuRef.last()->Condition.size(), 1);
        QCOMPARE(compact->MenuRef.last()->Condition.last()->variableId.value, QString());

        const MenuT *main = menu("M_Main");
        // Absent attributes read empty, not as a neutral scaling.
        QCOMPARE(main->VariableRef.last()->gradient.value, QString());
        QVERIFY(main->VariableRef.last()->position < main->MenuRef.last()->position);
        QVERIFY(main->MenuRef.last()->position < main->RecordItemRef.last()->position);
        const ConditionT *condition = main->MenuRef.last()->Condition.last();
        QCOMPARE(condition->variableId.value, QStringLiteral("V_Mode"));
        QCOMPARE(condition->subindex.value, QStringLiteral("2"));
        QCOMPARE(condition->value.value, QStringLiteral("1"));
    }

    void roleMenuSets()
    {
        const MenuSetT *observer = userInterface()->ObserverRoleMenuSet.last();
        QCOMPARE(observer->IdentificationMenu.last()->menuId.value, QStringLiteral("M_Main"));
        QCOMPARE(observer->ParameterMenu.last()->menuId.value, QStringLiteral("M_Sub"));
        QCOMPARE(observer->DiagnosisMenu.size(), 1);
        QCOMPARE(observer->DiagnosisMenu.last()->menuId.value, QString());
        QCOMPARE(userInterface()->SpecialistRoleMenuSet.last()->ParameterMenu.last()->menuId.value, QString());
    }

    void processDataReferences()
    {
        const ProcessDataRefCollectionT *references = userInterface()->ProcessDataRefCollection.last();
        QCOMPARE(references->ProcessDataRef.size(), 3);
        const ProcessDataRefT *referenced = references->ProcessDataRef.at(1);
        QCOMPARE(referenced->processDataId.value, QStringLiteral("PD_Referenced"));
        QCOMPARE(referenced->ProcessDataRecordItemInfo.size(), 4);
        QCOMPARE(referenced->ProcessDataRecordItemInfo.at(0), referenced->ProcessDataRecordItemInfo.prototype());
        const ProcessDataRecordItemInfoT *first = referenced->ProcessDataRecordItemInfo.at(1);
        QCOMPARE(first->gradient.value, QStringLiteral("0.1"));
        QCOMPARE(first->offset.value, QStringLiteral("5"));
        QCOMPARE(first->displayFormat.value, QStringLiteral("Dec.1"));
        QCOMPARE(referenced->ProcessDataRecordItemInfo.at(2)->gradient.value, QString());
        QCOMPARE(references->ProcessDataRef.at(2)->ProcessDataInfo.last()->gradient.value, QStringLiteral("2"));
    }
};

OVINEX_TEST_MAIN(TestProcessDataModel)
#include "tst_processdatamodel.moc"
