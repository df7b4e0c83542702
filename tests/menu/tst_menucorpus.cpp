#include "testenvironment.h"

#include "menu/menuentry.h"
#include "menu/menuentryfactory.h"
#include "menu/menuwrapper.h"
#include "menufixtures.h"

#include <QDirIterator>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(menuCorpusSummary, "ovinex.menucorpus")

using namespace MenuFixtures;

// Over every real device description: all menus build, and every reference to an existing variable of a
// type the menus know gives a defined entry. The summary per file shows which kinds were used and what
// stayed undefined, so that gaps are visible.
class TestMenuCorpus : public QObject
{
    Q_OBJECT

private:
    // Whether a reference to a description of this type and access has a kind that shows it: every
    // readable or editable value of a known type, arrays, and buttons on anything writable.
    static bool shownByAKind(const QString &variableId, const TypeDescription &type, quint32 valueType,
                             const QString &access, bool button)
    {
        if (variableId == QLatin1String("V_SystemCommand") || (button && access != QLatin1String("ro")))
            return true;
        const bool known = valueType <= VariableWrapper::OctetStringType;
        if (access == QLatin1String("ro"))
            return known || type.typeName.contains(QLatin1String("ArrayT"));
        return access == QLatin1String("rw") && known;
    }

    static QString accessOf(const QString &restriction, const QString &own)
    {
        return restriction.isEmpty() ? own : restriction;
    }

    static bool isUndefined(const MenuEntry *entry)
    {
        return entry && entry->getQmlFileName().contains(QLatin1String("Undefined"));
    }

    // References to existing variables of a shown type that nevertheless gave an undefined entry.
    static QStringList gapsOf(const MenuT *menu, const LoadedDevice &device)
    {
        QStringList gaps;
        QObject owner;
        for (const UIVariableRefT *reference : menu->VariableRef) {
            const VariableWrapper *variable = device.variable(reference->variableId.value);
            if (reference->variableId.value.isEmpty() || !variable)
                continue;
            const Variable *description = variable->getVariable();
            const QString access = accessOf(reference->accessRightRestriction.value, description->accessRights);
            if (!shownByAKind(reference->variableId.value, *description, description->value.type, access,
                              reference->Button.size() >= 2))
                continue;
            if (isUndefined(MenuEntryFactory::makeMenuEntry(reference, device.variables, device.units, &owner)))
                gaps << reference->variableId.value;
        }
        for (const UIRecordItemRefT *reference : menu->RecordItemRef) {
            const VariableWrapper *variable = device.variable(reference->variableId.value);
            if (reference->variableId.value.isEmpty() || !variable)
                continue;
            const quint32 subindex = reference->subindex.value.toUInt();
            const myRecordItem *match = nullptr;
            for (const myRecordItem &item : variable->getVariable()->recordItems) {
                if (item.subindex == subindex)
                    match = &item;
            }
            if (!match
                || !shownByAKind(reference->variableId.value, *match, match->value.type,
                                 accessOf(reference->accessRightRestriction.value, match->accessRights),
                                 reference->Button.size() >= 2))
                continue;
            if (isUndefined(MenuEntryFactory::makeMenuEntry(reference, device.variables, device.units, &owner)))
                gaps << QStringLiteral("%1/%2").arg(reference->variableId.value).arg(subindex);
        }
        return gaps;
    }

private slots:
    void initTestCase()
    {
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not present");
        QLoggingCategory::setFilterRules(
            QStringLiteral("default.debug=false\ndefault.info=false\ndefault.warning=false\ndefault.critical=false"));
    }

    void everyMenuBuilds_data()
    {
        TestEnvironment::addCorpusFileRows();
    }

    void everyMenuBuilds()
    {
        QFETCH(QString, path);
        LoadedDevice device;
        if (!device.load(path) || device.menus.isEmpty())
            QSKIP("not a device description with menus");

        QMap<QString, int> kinds;
        int undefined = 0;
        QStringList gaps;
        for (const MenuT *menu : qAsConst(device.menus)) {
            MenuWrapper wrapper(menu, device.variables, device.menus, device.units);
            for (MenuEntry *entry : wrapper.getEntries()) {
                ++kinds[QString::fromLatin1(entry->metaObject()->className()).mid(9)];
                undefined += isUndefined(entry) ? 1 : 0;
                // Reading every property QML reads must not crash either.
                for (int i = 0; i < entry->metaObject()->propertyCount(); ++i)
                    entry->metaObject()->property(i).read(entry);
            }
            gaps << gapsOf(menu, device);
        }
        qCInfo(menuCorpusSummary).noquote()
            << QDir(TestEnvironment::corpusPath()).relativeFilePath(path) << "menus" << device.menus.size() - 1
            << "entries" << kinds << "undefined" << undefined;
        QVERIFY2(gaps.isEmpty(), qPrintable(gaps.join(' ')));
    }
};

OVINEX_TEST_MAIN(TestMenuCorpus)
#include "tst_menucorpus.moc"
