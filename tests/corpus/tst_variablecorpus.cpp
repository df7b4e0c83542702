#include "testenvironment.h"

#include "device/variablewrapper.h"
#include "iodd/model/documentelements.h"
#include "iodd/model/iodevicet.h"
#include "iodd/model/variableelements.h"

#include <QLoggingCategory>

#include <cstring>

Q_LOGGING_CATEGORY(corpusSummary, "ovinex.corpus")

// Over every real device description: each variable decodes a payload of its own length, and what it
// encodes from those values decodes to the same values again.
class TestVariableCorpus : public QObject
{
    Q_OBJECT

private:
    static QList<const Variable *> variablesOf(const IODeviceT &device)
    {
        QList<const Variable *> result;
        const DeviceFunctionT *function = device.deviceFunction();
        if (!function || function->VariableCollection.isEmpty())
            return result;
        const VariableCollectionT *collection = function->VariableCollection.last();
        for (const AbstractVariableT *element : collection->DirectParameterOverlay)
            result.append(&element->variable);
        for (const AbstractVariableT *element : collection->StdVariableRef)
            result.append(&element->variable);
        for (const AbstractVariableT *element : collection->StdDirectParameterRef)
            result.append(&element->variable);
        for (const AbstractVariableT *element : collection->Variable)
            result.append(&element->variable);
        return result;
    }

    static QByteArray pattern(int size)
    {
        QByteArray payload(size, '\0');
        for (int i = 0; i < size; ++i)
            payload[i] = char(0x3B + 29 * i);
        return payload;
    }

    // Floats by their bits: the pattern holds NaNs, which never compare equal.
    static bool sameValue(const QVariant &a, const QVariant &b)
    {
        if (a.userType() == QMetaType::Float && b.userType() == QMetaType::Float) {
            const float x = a.toFloat();
            const float y = b.toFloat();
            return std::memcmp(&x, &y, sizeof x) == 0;
        }
        return a.userType() == b.userType() && a == b;
    }

    static bool sameValues(const VariableWrapper &a, const VariableWrapper &b)
    {
        if (!sameValue(a.getOwnRecord().value, b.getOwnRecord().value))
            return false;
        for (int i = 0; i < a.getRecords().size(); ++i) {
            if (!sameValue(a.getRecords().at(i).value, b.getRecords().at(i).value))
                return false;
        }
        return true;
    }

    // Whole variables and records written as a whole go in one payload, other items one by one.
    static void transfer(const VariableWrapper &from, VariableWrapper &to)
    {
        if (!from.isComplex() || !from.isSubindexAccessSupported()) {
            to.setDataFromDevice(0, from.toByteArray(0));
            return;
        }
        for (const VariableWrapper::Record &record : from.getRecords())
            to.setDataFromDevice(record.subindex, from.toByteArray(record.subindex));
    }

private slots:
    void initTestCase()
    {
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not present");
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.info=false\ndefault.warning=false"));
    }

    void encodeDecodeRoundTrip_data()
    {
        TestEnvironment::addCorpusFileRows();
    }

    void encodeDecodeRoundTrip()
    {
        QFETCH(QString, path);
        IODeviceT device;
        QVERIFY(device.loadXml(QStringLiteral(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml"),
                               XmlDocumentKind::StandardDefinitions));
        if (!device.loadXml(path, XmlDocumentKind::ProductDescription))
            QSKIP("not a device description");

        int typed = 0;
        QStringList mismatches;
        const QList<const Variable *> variables = variablesOf(device);
        for (const Variable *variable : variables) {
            VariableWrapper decoded(variable);
            VariableWrapper copy(variable);
            if (decoded.getOwnRecord().type != VariableWrapper::OtherType || !decoded.getRecords().isEmpty())
                ++typed;
            decoded.setDataFromDevice(0, pattern(int(decoded.getOwnRecord().byteLength)));
            transfer(decoded, copy);
            if (!sameValues(decoded, copy))
                mismatches << variable->id;
        }
        qCInfo(corpusSummary).noquote() << QDir(TestEnvironment::corpusPath()).relativeFilePath(path) << "variables"
                          << variables.size() << "typed" << typed << "mismatches" << mismatches.join(' ');
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(' ')));
    }
};

OVINEX_TEST_MAIN(TestVariableCorpus)
#include "tst_variablecorpus.moc"
