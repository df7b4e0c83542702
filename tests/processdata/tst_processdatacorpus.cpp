#include "testenvironment.h"

#include "iodd/model/documentelements.h"
#include "iodd/model/iodevicet.h"
#include "iodd/model/processdataelements.h"
#include "iodd/model/userinterfaceelements.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/processdatarecorditeminfowrapper.h"
#include "processdata/processdatarefwrapper.h"
#include "processdata/processdatawrapper.h"
#include "processdata/recorditemwrapper.h"

#include <QDirIterator>
#include <QLoggingCategory>

#include <cmath>

// Over every real device description: each image decodes a payload of its own length into values of its
// record items' types, outputs encode what they hold so that it decodes the same again, and every
// shown record item gets finite axis limits.
class TestProcessDataCorpus : public QObject
{
    Q_OBJECT

private:
    static QByteArray pattern(int size)
    {
        QByteArray payload(size, '\0');
        for (int i = 0; i < size; ++i)
            payload[i] = char(0x3B + 29 * i);
        return payload;
    }

    static bool sameValue(const QVariant &a, const QVariant &b)
    {
        if (a.userType() == QMetaType::Double && std::isnan(a.toDouble()))
            return std::isnan(b.toDouble());
        return a == b;
    }

    static QStringList checkImage(ProcessDataItemWrapper *item)
    {
        QStringList faults;
        const QByteArray payload = pattern(int((item->getBitLength() + 7) / 8));
        QList<RecordItemWrapper *> inside;
        for (RecordItemWrapper *recordItem : item->getRecordItems()) {
            if (recordItem->getType() == RecordItemWrapper::UnsupportedType)
                continue;
            const QVariant decoded = recordItem->convertIncomingData(payload);
            if (!decoded.isValid())
                faults << QStringLiteral("%1/%2 undecoded").arg(item->getId()).arg(recordItem->getSubindex());
            // Fields reaching outside the image read the converter's failure value by design.
            if (recordItem->getBitOffset() + recordItem->getBitLength() <= qint32(item->getBitLength())) {
                recordItem->setValue(decoded);
                inside << recordItem;
            }
        }
        QByteArray out;
        if (item->isOutput() && item->getOutputData(out)) {
            for (RecordItemWrapper *recordItem : qAsConst(inside)) {
                if (!sameValue(recordItem->getValue(), recordItem->convertIncomingData(out)))
                    faults << QStringLiteral("%1/%2 round trip").arg(item->getId()).arg(recordItem->getSubindex());
            }
        }
        return faults;
    }

private slots:
    void initTestCase()
    {
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not present");
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.info=false\n"
                                                        "default.warning=false\ndefault.critical=false"));
    }

    void imagesDecodeAndEncode_data()
    {
        TestEnvironment::addCorpusFileRows();
    }

    void imagesDecodeAndEncode()
    {
        QFETCH(QString, path);
        IODeviceT device;
        QVERIFY(device.loadXml(QStringLiteral(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml"),
                               XmlDocumentKind::StandardDefinitions));
        if (!device.loadXml(path, XmlDocumentKind::ProductDescription))
            QSKIP("not a device description");
        const DeviceFunctionT *function = device.deviceFunction();
        if (!function || function->ProcessDataCollection.size() < 2)
            QSKIP("no process data");

        QObject owner;
        QList<ProcessDataWrapper *> processDatas;
        QStringList faults;
        const auto &definitions = function->ProcessDataCollection.last()->ProcessData;
        for (int i = 1; i < definitions.size(); ++i) {
            processDatas.append(new ProcessDataWrapper(definitions.at(i), {}, &owner));
            for (ProcessDataItemWrapper *item : processDatas.last()->getItems())
                faults << checkImage(item);
            processDatas.last()->setData(pattern(32), 20);
        }

        const UserInterfaceT *ui = function->UserInterface.last();
        const auto &references = ui->ProcessDataRefCollection.last()->ProcessDataRef;
        for (int i = 1; i < references.size(); ++i) {
            for (ProcessDataWrapper *processData : qAsConst(processDatas)) {
                if (ProcessDataItemWrapper *item = processData->findItem(references.at(i)->processDataId.value)) {
                    ProcessDataRefWrapper ref(references.at(i), item);
                    for (ProcessDataRecordItemInfoWrapper *info : ref.getInfos()) {
                        if (!std::isfinite(info->getLowYaxisLimit()) || info->getMinY() > info->getMaxY())
                            faults << QStringLiteral("%1 limits").arg(info->getId());
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char(' '))));
    }
};

OVINEX_TEST_MAIN(TestProcessDataCorpus)
#include "tst_processdatacorpus.moc"
