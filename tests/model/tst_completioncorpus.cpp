#include "testenvironment.h"

#include "iodd/model/iodevicet.h"
#include "iodd/model/processdataelements.h"
#include "iodd/model/userinterfaceelements.h"

#include <QDirIterator>

// Over every real IODD: standard references resolve against our standard definitions, simple
// variables get a value type and a length, record items get a type, events find their records.
class TestCompletionCorpus : public QObject
{
    Q_OBJECT

private:
    static QString standardFile(const QString &name)
    {
        return QStringLiteral(":/iolink/standard/StandardDefinitions/") + name;
    }

    static void loadStandard(IODeviceT &device, const QString &language)
    {
        device.language = language;
        device.loadXml(standardFile("IODD-StandardDefinitions1.1.xml"), XmlDocumentKind::StandardDefinitions);
        device.loadXml(standardFile("IODD-StandardUnitDefinitions1.1.xml"), XmlDocumentKind::StandardUnitDefinitions);
        if (language != QLatin1String("en"))
            device.loadXml(standardFile(QStringLiteral("IODD-StandardDefinitions1.1-%1.xml").arg(language)),
                           XmlDocumentKind::StandardDefinitionsLanguage);
    }

    // Documents of the older schema complete against its definitions too, as the binding loads them.
    static void loadSecondary(IODeviceT &device, const QString &path)
    {
        if (IODeviceT::schemaVersionOf(path) == QLatin1String("1.0.1"))
            QVERIFY(device.loadXml(standardFile("IODD-StandardDefinitions1.0.1.xml"),
                                   XmlDocumentKind::SecondaryStandardDefinitions));
    }

    static QList<AbstractVariableT *> allVariables(const VariableCollectionT *collection)
    {
        QList<AbstractVariableT *> result;
        for (AbstractVariableT *v : collection->DirectParameterOverlay)
            result << v;
        for (AbstractVariableT *v : collection->StdVariableRef)
            result << v;
        for (AbstractVariableT *v : collection->Variable)
            result << v;
        for (AbstractVariableT *v : collection->StdDirectParameterRef)
            result << v;
        return result;
    }

    static bool isSimpleValueType(const QString &typeName)
    {
        switch (IOLinkKlasse::typeKindOf(typeName)) {
        case TypeKind::Boolean:
        case TypeKind::UInteger:
        case TypeKind::Integer:
        case TypeKind::Float:
        case TypeKind::String:
        case TypeKind::OctetString:
            return true;
        default:
            return false;
        }
    }

    static QStringList missingStandardVariables(const VariableCollectionT *collection)
    {
        QStringList missing;
        for (const StdVariableRefT *reference : collection->StdVariableRef) {
            if (reference->variable.id != reference->id.value)
                missing << reference->id.value;
        }
        return missing;
    }

    // Problems of the completed variables, one text each.
    static QStringList variableProblems(const VariableCollectionT *collection, int *unresolvedItems)
    {
        QStringList problems;
        for (const AbstractVariableT *element : allVariables(collection)) {
            const Variable &variable = element->variable;
            if (isSimpleValueType(variable.typeName)
                && (variable.value.type == TypedValue::noType || (variable.bitLength == 0 && variable.fixedLength == 0)))
                problems << QStringLiteral("variable %1 (%2) has type %3, bits %4, octets %5")
                                .arg(variable.id, variable.typeName)
                                .arg(variable.value.type)
                                .arg(variable.bitLength)
                                .arg(variable.fixedLength);
            for (const myRecordItem &item : variable.recordItems) {
                if (item.typeName.isEmpty()) {
                    ++*unresolvedItems;
                    problems << QStringLiteral("variable %1 item %2 has no type").arg(variable.id).arg(item.subindex);
                }
            }
        }
        return problems;
    }

    static QStringList processDataProblems(const ProcessDataCollectionT *collection, int *unresolvedItems)
    {
        QStringList problems;
        for (int i = 1; i < collection->ProcessData.size(); ++i) {
            const ProcessDataT *processData = collection->ProcessData.at(i);
            for (const ChildList<ProcessDataItemT> *items : {&processData->ProcessDataIn, &processData->ProcessDataOut}) {
                if (items->size() < 2)
                    continue;
                const ProcessDataItemT *item = items->last();
                const DatatypeT *datatype = item->Datatype.last();
                if (!datatype->simplePart && !datatype->complexPart) {
                    problems << QStringLiteral("process data %1 %2 has no datatype").arg(processData->id.value, item->id.value);
                    continue;
                }
                const RecordT *record = datatype->complexPart ? datatype->complexPart->recordPart.get() : nullptr;
                if (!record)
                    continue;
                for (int r = 1; r < record->RecordItem.size(); ++r) {
                    if (record->RecordItem.at(r)->SimpleDatatype.size() < 2) {
                        ++*unresolvedItems;
                        problems << QStringLiteral("process data %1 item %2 has no type")
                                        .arg(item->id.value, record->RecordItem.at(r)->subindex.value);
                    }
                }
            }
        }
        return problems;
    }

    QStringList eventProblems(const IODeviceT &device, const EventCollectionT *events) const
    {
        QStringList problems;
        for (int i = 1; i < events->Event.size(); ++i) {
            const QString code = events->Event.at(i)->code.value;
            if (!device.findEvent(quint16(code.toUInt())))
                problems << QStringLiteral("event %1 not in the event table").arg(code);
        }
        for (int i = 1; i < events->StdEventRef.size(); ++i) {
            const quint16 code = quint16(events->StdEventRef.at(i)->code.value.toUInt());
            const EventRecord *record = nullptr;
            for (const EventRecord &candidate : device.eventTable) {
                if (candidate.code == code && !candidate.nameTextId.isEmpty())
                    record = &candidate;
            }
            if (!record) {
                problems << QStringLiteral("standard event %1 unknown").arg(code);
                continue;
            }
            for (const IODeviceT *standard : standardOnly) {
                if (standard->translate(record->nameTextId) == QLatin1String("failed"))
                    problems << QStringLiteral("standard event %1 has no text in %2").arg(code).arg(standard->language);
            }
        }
        return problems;
    }

    QList<IODeviceT *> standardOnly;

private slots:
    void initTestCase()
    {
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not present");
        for (const char *language : {"en", "de", "fr"}) {
            auto *device = new IODeviceT;
            loadStandard(*device, language);
            standardOnly << device;
        }
    }

    void cleanupTestCase() { qDeleteAll(standardOnly); }

    void deviceDescriptions_data()
    {
        TestEnvironment::addCorpusFileRows();
    }

    void deviceDescriptions()
    {
        QFETCH(QString, path);
        IODeviceT device;
        device.eventIntervalMs = -1;
        loadStandard(device, QStringLiteral("en"));
        loadSecondary(device, path);
        if (!device.loadXml(path, XmlDocumentKind::ProductDescription))
            QSKIP("Not a readable device description");
        const DeviceFunctionT *function = device.deviceFunction();

        int unresolved = 0;
        QStringList problems = variableProblems(function->VariableCollection.last(), &unresolved);
        problems += processDataProblems(function->ProcessDataCollection.last(), &unresolved);
        problems += eventProblems(device, function->EventCollection.last());

        const VariableCollectionT *variables = function->VariableCollection.last();
        qInfo().noquote() << QFileInfo(path).fileName() << "variables" << allVariables(variables).size() << "menus"
                          << function->UserInterface.last()->MenuCollection.last()->Menu.size() - 1 << "process data"
                          << function->ProcessDataCollection.last()->ProcessData.size() - 1 << "unresolved items"
                          << unresolved;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

        const QStringList missing = missingStandardVariables(variables);
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("standard variables missing: ") + missing.join(QLatin1Char(' '))));
    }
};

OVINEX_TEST_MAIN(TestCompletionCorpus)
#include "tst_completioncorpus.moc"
