#include "testenvironment.h"

#include "device/variablewrapper.h"
#include "iodd/model/documentelements.h"
#include "iodd/model/iodevicet.h"
#include "iodd/model/processdataelements.h"
#include "iodd/model/userinterfaceelements.h"
#include "iodd/model/variableelements.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/processdatarecorditeminfowrapper.h"
#include "processdata/processdatarefwrapper.h"
#include "processdata/processdatawrapper.h"
#include "processdata/recorditemwrapper.h"

#include <QDirIterator>
#include <QLoggingCategory>

#include <cmath>

Q_LOGGING_CATEGORY(processDataCorpusSummary, "ovinex.corpus")

// Over every real device description: each process data image decodes a payload of its own length into
// values of its record items' types, outputs encode what they hold so that it decodes the same again,
// and every shown record item finds its record item.
class TestProcessDataCorpus : public QObject
{
    Q_OBJECT

private:
    static QString standardFile(const QString &name)
    {
        const QString ours = QStringLiteral(":/iolink/standard/StandardDefinitions/") + name;
        return QFile::exists(ours) ? ours : TestEnvironment::corpusPath(QStringLiteral("standard/") + name);
    }

    static QByteArray pattern(int size)
    {
        QByteArray payload(size, '\0');
        for (int i = 0; i < size; ++i)
            payload[i] = char(0x3B + 29 * i);
        return payload;
    }

    static bool sameValue(const QVariant &a, const QVariant &b)
    {
        if (a.userType() == QMetaType::Double && b.userType() == QMetaType::Double && std::isnan(a.toDouble()))
            return std::isnan(b.toDouble());
        return a == b;
    }

    static QList<VariableWrapper *> variablesOf(const IODeviceT &device, QObject *owner)
    {
        QList<VariableWrapper *> result;
        const DeviceFunctionT *function = device.deviceFunction();
        if (!function || function->VariableCollection.isEmpty())
            return result;
        const VariableCollectionT *collection = function->VariableCollection.last();
        for (AbstractVariableT *element : collection->StdVariableRef)
            result.append(new VariableWrapper(&element->variable, owner));
        for (AbstractVariableT *element : collection->Variable)
            result.append(new VariableWrapper(&element->variable, owner));
        return result;
    }

    // The fields that lie inside the image; others read the converter's failure value by design.
    static bool fitsInto(const RecordItemWrapper *item, quint32 imageBits)
    {
        return item->getBitOffset() >= 0 && item->getBitLength() > 0
               && quint32(item->getBitOffset() + item->getBitLength()) <= imageBits;
    }

private slots:
    void initTestCase()
    {
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not present");
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.info=false\ndefault.warning=false\n"
                                                        "default.critical=false"));
    }

    void imagesDecodeAndEncode_data()
    {
        QTest::addColumn<QString>("path");
        QDirIterator files(TestEnvironment::corpusPath(), {"*.xml"}, QDir::Files, QDirIterator::Subdirectories);
        QStringList paths;
        while (files.hasNext()) {
            const QString path = files.next();
            if (!path.contains(QLatin1String("/standard/")))
                paths << path;
        }
        paths.sort();
        for (const QString &path : qAsConst(paths))
            QTest::newRow(qPrintable(QDir(TestEnvironment::corpusPath()).relativeFilePath(path))) << path;
    }

    void imagesDecodeAndEncode()
    {
        QFETCH(QString, path);
        IODeviceT device;
        QVERIFY(device.loadXml(standardFile("IODD-StandardDefinitions1.1.xml"), XmlDocumentKind::StandardDefinitions));
        if (!device.loadXml(path, XmlDocumentKind::ProductDescription))
            QSKIP("not a device description");
        const DeviceFunctionT *function = device.deviceFunction();
        if (!function || function->ProcessDataCollection.size() < 2)
            QSKIP("no process data");

        QObject owner;
        const QList<VariableWrapper *> variables = variablesOf(device, &owner);
        QList<ProcessDataWrapper *> processDatas;
        const auto &definitions = function->ProcessDataCollection.last()->ProcessData;
        for (int i = 1; i < definitions.size(); ++i)
            processDatas.append(new ProcessDataWrapper(definitions.at(i), variables, &owner));

        int items = 0;
        int floats = 0;
        int unsupported = 0;
        int wholeImages = 0;
        QStringList faults;
        for (ProcessDataWrapper *processData : qAsConst(processDatas)) {
            for (ProcessDataItemWrapper *item : processData->getItems()) {
                wholeImages += item->isWholeImage() ? 1 : 0;
                const QByteArray payload = pattern(int((item->getBitLength() + 7) / 8));
                for (RecordItemWrapper *recordItem : item->getRecordItems()) {
                    ++items;
                    floats += recordItem->getType() == RecordItemWrapper::Float32Type ? 1 : 0;
                    if (recordItem->getType() == RecordItemWrapper::UnsupportedType) {
                        ++unsupported;
                        continue;
                    }
                    const QVariant decoded = recordItem->convertIncomingData(payload);
                    if (!decoded.isValid())
                        faults << QStringLiteral("%1/%2 undecoded").arg(item->getId()).arg(recordItem->getSubindex());
                    if (item->isOutput() && fitsInto(recordItem, item->getBitLength()))
                        recordItem->setValue(decoded);
                }
                QByteArray out;
                if (!item->isOutput() || !item->getOutputData(out))
                    continue;
                for (RecordItemWrapper *recordItem : item->getRecordItems()) {
                    if (recordItem->getType() == RecordItemWrapper::UnsupportedType
                        || !fitsInto(recordItem, item->getBitLength()))
                        continue;
                    if (!sameValue(recordItem->convertIncomingData(out), recordItem->getValue()))
                        faults << QStringLiteral("%1/%2 round trip").arg(item->getId()).arg(recordItem->getSubindex());
                }
            }
        }

        int infos = 0;
        int refs = 0;
        if (function->UserInterface.size() > 1
            && function->UserInterface.last()->ProcessDataRefCollection.size() > 1) {
            const auto &references = function->UserInterface.last()->ProcessDataRefCollection.last()->ProcessDataRef;
            for (int i = 1; i < references.size(); ++i) {
                for (ProcessDataWrapper *processData : qAsConst(processDatas)) {
                    ProcessDataItemWrapper *item = processData->findItem(references.at(i)->processDataId.value);
                    if (!item)
                        continue;
                    auto *ref = new ProcessDataRefWrapper(references.at(i), item, &owner);
                    ++refs;
                    infos += ref->getInfos().size();
                    for (ProcessDataRecordItemInfoWrapper *info : ref->getInfos()) {
                        if (!std::isfinite(info->getLowYaxisLimit()) || info->getMinY() > info->getMaxY())
                            faults << QStringLiteral("%1 limits").arg(info->getId());
                    }
                }
            }
        }
        // Every definition takes a payload, whatever its condition says.
        for (ProcessDataWrapper *processData : qAsConst(processDatas))
            processData->setData(pattern(32), 20);

        qCInfo(processDataCorpusSummary).noquote()
            << QDir(TestEnvironment::corpusPath()).relativeFilePath(path) << "definitions" << processDatas.size()
            << "record items" << items << "floats" << floats << "unsupported" << unsupported << "whole images"
            << wholeImages << "refs" << refs << "shown" << infos;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char(' '))));
    }
};

OVINEX_TEST_MAIN(TestProcessDataCorpus)
#include "tst_processdatacorpus.moc"
