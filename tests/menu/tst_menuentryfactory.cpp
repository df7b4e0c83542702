#include "testenvironment.h"

#include "menu/menuentryarraydisplay.h"
#include "menu/menuentryfactory.h"
#include "menu/menuentryprocessdata.h"
#include "menu/menuentryrecorddisplay.h"
#include "menu/menuentryrecordgroup.h"
#include "menu/menuentrytextedit.h"
#include "menu/menuentrysingledisplay.h"
#include "menu/menuentryslider.h"
#include "menu/menuentrysystemcommand.h"
#include "menufixtures.h"

#include <QLoggingCategory>
#include <QSignalSpy>

using namespace MenuFixtures;

class TestMenuEntryFactory : public QObject
{
    Q_OBJECT

private:
    static QString kindOf(const MenuEntry *entry)
    {
        return entry ? QString::fromLatin1(entry->metaObject()->className()) : QStringLiteral("none");
    }

    LoadedDevice sample;

private slots:
    void initTestCase()
    {
        QVERIFY(sample.load(sampleFile()));
    }

    void variableReference_data()
    {
        QTest::addColumn<ValueKind>("type");
        QTest::addColumn<QString>("access");
        QTest::addColumn<QString>("restriction");
        QTest::addColumn<int>("singleValues");
        QTest::addColumn<bool>("range");
        QTest::addColumn<QString>("kind");
        const ValueKind u = ValueKind::UInteger;
        const ValueKind b = ValueKind::Boolean;
        const ValueKind f = ValueKind::Float32;
        const ValueKind s = ValueKind::String;
        const ValueKind o = ValueKind::OctetString;
        QTest::newRow("ro UInteger, three single values") << u << "ro" << "" << 3 << false << "MenuEntrySingleDisplay";
        QTest::newRow("ro Boolean, two single values") << b << "ro" << "" << 2 << false << "MenuEntryRecordDisplay";
        QTest::newRow("ro with a range") << f << "ro" << "" << 2 << true << "MenuEntrySingleDisplay";
        QTest::newRow("ro plain text") << s << "ro" << "" << 0 << false << "MenuEntrySingleDisplay";
        QTest::newRow("rw, two single values") << u << "rw" << "" << 2 << true << "MenuEntryVariableSelection";
        QTest::newRow("rw Boolean, two single values") << b << "rw" << "" << 2 << false << "MenuEntryVariableSelection";
        QTest::newRow("rw with a range") << u << "rw" << "" << 1 << true << "MenuEntrySlider";
        QTest::newRow("rw text") << s << "rw" << "" << 0 << false << "MenuEntryTextEdit";
        QTest::newRow("rw Boolean") << b << "rw" << "" << 0 << false << "MenuEntryBool";
        // Read-write numbers without range or choices are edited within what their type holds.
        QTest::newRow("rw UInteger, one single value, no range") << u << "rw" << "" << 1 << false << "MenuEntrySlider";
        QTest::newRow("rw Float32, no range") << f << "rw" << "" << 0 << false << "MenuEntrySlider";
        QTest::newRow("rw octets") << o << "rw" << "" << 0 << false << "MenuEntryTextEdit";
        QTest::newRow("restriction ro narrows rw") << u << "rw" << "ro" << 0 << true << "MenuEntrySingleDisplay";
        QTest::newRow("wo is entered like rw") << u << "wo" << "" << 0 << true << "MenuEntrySlider";
        QTest::newRow("access in capitals is not shown") << b << "RW" << "" << 0 << false << "MenuEntryUndefined";
        // A point in time is shown as its octets, never edited.
        QTest::newRow("rw TimeT") << ValueKind::Time << "rw" << "" << 0 << false << "MenuEntrySingleDisplay";
    }

    void variableReference()
    {
        QFETCH(ValueKind, type);
        QFETCH(QString, access);
        QFETCH(QString, restriction);
        QFETCH(int, singleValues);
        QFETCH(bool, range);
        QFETCH(QString, kind);
        const bool text = type == ValueKind::String || type == ValueKind::OctetString;
        WrappedVariable variable(simple("V_Param", type, text ? 0 : 16, access, 64, text ? 8 : 0));
        for (int i = 0; i < singleValues; ++i)
            addSingleValue(variable.description, i, QStringLiteral("TN_SV%1").arg(i));
        if (range)
            addRange(variable.description, 0, 10);
        UIVariableRefT reference;
        reference.variableId.value = QStringLiteral("V_Param");
        reference.accessRightRestriction.value = restriction;
        QObject parent;

        if (kind == QLatin1String("MenuEntryUndefined"))
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(": UNUSED variable: \"V_Param\""));
        MenuEntry *entry = MenuEntryFactory::makeMenuEntry(&reference, { &variable }, {}, &parent);
        QCOMPARE(kindOf(entry), kind);
        QCOMPARE(entry->parent(), &parent);
        QCOMPARE(entry->getId(), QStringLiteral("V_Param"));
        const bool defined = kind != QLatin1String("MenuEntryUndefined");
        QCOMPARE(variable.getReferencedSubindexes(), defined ? QList<quint32>({ 0 }) : QList<quint32>());
        // Writing a write-only value makes the device act: the screen asks first.
        QCOMPARE(entry->isCommand(), access == QLatin1String("wo"));
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("access");
        QTest::addColumn<QString>("restriction");
        QTest::addColumn<QString>("kind");
        QTest::newRow("write-only command") << "V_Teach" << "wo" << "" << "MenuEntrySystemCommand";
        QTest::newRow("read-write command") << "V_Teach" << "rw" << "" << "MenuEntrySystemCommand";
        QTest::newRow("restricted to read only") << "V_Teach" << "rw" << "ro" << "MenuEntrySingleDisplay";
        QTest::newRow("system command whatever its access") << "V_SystemCommand" << "wo" << "ro" << "MenuEntrySystemCommand";
    }

    // The last of several buttons is offered, named after its value.
    void buttons()
    {
        QFETCH(QString, id);
        QFETCH(QString, access);
        QFETCH(QString, restriction);
        WrappedVariable variable(simple(id, ValueKind::UInteger, 8, access));
        addSingleValue(variable.description, 0, "TN_Teach_Off");
        addSingleValue(variable.description, 2, "TN_Teach_Far");
        UIVariableRefT reference;
        reference.variableId.value = id;
        reference.accessRightRestriction.value = restriction;
        addButton(&reference, 1);
        addButton(&reference, 2);
        QObject parent;
        MenuEntry *entry = MenuEntryFactory::makeMenuEntry(&reference, { &variable }, {}, &parent);
        QTEST(kindOf(entry), "kind");
        if (auto *button = qobject_cast<MenuEntrySystemCommand *>(entry)) {
            QCOMPARE(button->getButtonValue(), 2);
            QCOMPARE(button->getNameId(), QStringLiteral("TN_Teach_Far"));
        }
    }

    void numberWithoutRangeIsBoundByItsType_data()
    {
        QTest::addColumn<ValueKind>("type");
        QTest::addColumn<quint32>("bits");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("8-bit unsigned") << ValueKind::UInteger << 8u << 0.0 << 255.0;
        QTest::newRow("16-bit signed") << ValueKind::Integer << 16u << -32768.0 << 32767.0;
        QTest::newRow("32-bit unsigned") << ValueKind::UInteger << 32u << 0.0 << 4294967295.0;
    }

    void numberWithoutRangeIsBoundByItsType()
    {
        QFETCH(ValueKind, type);
        QFETCH(quint32, bits);
        QFETCH(double, lower);
        QFETCH(double, upper);
        WrappedVariable variable(simple("V_Count", type, bits));
        UIVariableRefT reference;
        reference.variableId.value = QStringLiteral("V_Count");
        reference.gradient.value = QStringLiteral("0.5");
        reference.offset.value = QStringLiteral("-3");
        QObject parent;
        auto *entry = qobject_cast<MenuEntrySlider *>(MenuEntryFactory::makeMenuEntry(&reference, { &variable }, {}, &parent));
        QVERIFY(entry);
        QCOMPARE(entry->getLowerLimit(), lower * 0.5 - 3);
        QCOMPARE(entry->getUpperLimit(), upper * 0.5 - 3);
    }

    void unusableVariableIsNotShown()
    {
        WrappedVariable variable(simple("V_Broken", ValueKind::UInteger, 8));
        variable.description.invalidReason = QStringLiteral("record item 1 has the unknown datatype \"Ulen\"");
        UIVariableRefT reference;
        reference.variableId.value = QStringLiteral("V_Broken");
        QObject parent;
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(": UNUSED variable: \"V_Broken\".*Ulen"));
        MenuEntry *entry = MenuEntryFactory::makeMenuEntry(&reference, { &variable }, {}, &parent);
        QCOMPARE(kindOf(entry), QStringLiteral("MenuEntryUndefined"));
        QVERIFY(variable.getReferencedSubindexes().isEmpty());
    }

    void missingOrEmptyVariable()
    {
        QObject parent;
        UIVariableRefT empty;
        QCOMPARE(MenuEntryFactory::makeMenuEntry(&empty, {}, {}, &parent), static_cast<MenuEntry *>(nullptr));

        UIVariableRefT unknown;
        unknown.variableId.value = QStringLiteral("V_Nowhere");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("variable the description lacks: \"V_Nowhere\""));
        MenuEntry *entry = MenuEntryFactory::makeMenuEntry(&unknown, {}, {}, &parent);
        QCOMPARE(kindOf(entry), QStringLiteral("MenuEntryMissing"));
        QCOMPARE(entry->getId(), QStringLiteral("V_Nowhere"));
    }

    void recordItemReference_data()
    {
        QTest::addColumn<ValueKind>("type");
        QTest::addColumn<QString>("access");
        QTest::addColumn<int>("singleValues");
        QTest::addColumn<bool>("range");
        QTest::addColumn<QString>("kind");
        const ValueKind u = ValueKind::UInteger;
        const ValueKind b = ValueKind::Boolean;
        const ValueKind f = ValueKind::Float32;
        QTest::newRow("ro, no single value") << u << "ro" << 0 << false << "MenuEntrySingleDisplay";
        QTest::newRow("ro, one single value") << u << "ro" << 1 << false << "MenuEntryRecordDisplay";
        QTest::newRow("ro with a range") << u << "ro" << 1 << true << "MenuEntrySingleDisplay";
        QTest::newRow("rw, two single values") << u << "rw" << 2 << false << "MenuEntryRecordSelection";
        QTest::newRow("rw with a range") << u << "rw" << 0 << true << "MenuEntrySlider";
        QTest::newRow("rw Boolean") << b << "rw" << 0 << false << "MenuEntryBool";
        // Shown as a choice it would read "undefined" for every value; it is edited instead.
        QTest::newRow("rw plain number") << f << "rw" << 0 << false << "MenuEntrySlider";
        QTest::newRow("wo") << u << "wo" << 0 << false << "MenuEntrySlider";
        QTest::newRow("access in capitals") << u << "RW" << 0 << false << "MenuEntryUndefined";
    }

    void recordItemReference()
    {
        QFETCH(ValueKind, type);
        QFETCH(QString, access);
        QFETCH(int, singleValues);
        QFETCH(bool, range);
        QFETCH(QString, kind);
        myRecordItem second = item(2, 0, type, type == ValueKind::Float32 ? 32 : 8, access);
        for (int i = 0; i < singleValues; ++i)
            addSingleValue(second, i, QStringLiteral("TN_SV%1").arg(i));
        if (range)
            addRange(second, 0, 10);
        WrappedVariable variable(record("V_Rec", 48, { item(1, 40, ValueKind::UInteger, 8), second }));
        UIRecordItemRefT reference;
        reference.variableId.value = QStringLiteral("V_Rec");
        reference.subindex.value = QStringLiteral("2");
        QObject parent;

        if (kind == QLatin1String("MenuEntryUndefined"))
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(": UNUSED record:"));
        MenuEntry *entry = MenuEntryFactory::makeMenuEntry(&reference, { &variable }, {}, &parent);
        QCOMPARE(kindOf(entry), kind);
        QCOMPARE(entry->getId(), QStringLiteral("V_Rec"));
        const bool defined = kind != QLatin1String("MenuEntryUndefined");
        QCOMPARE(variable.getReferencedSubindexes(), defined ? QList<quint32>({ 2 }) : QList<quint32>());
        if (defined) {
            QCOMPARE(entry->getSubindex(), 2u);
            QCOMPARE(entry->getTextId(), QStringLiteral("TN_Item2"));
        }
    }

    // Several items with one subindex: the last one decides.
    void lastOfTheItemsWithOneSubindexDecides()
    {
        WrappedVariable variable(record("V_Rec", 16, { item(1, 8, ValueKind::UInteger, 8, "ro"),
                                                 item(1, 0, ValueKind::Boolean, 8) }));
        UIRecordItemRefT reference;
        reference.variableId.value = QStringLiteral("V_Rec");
        reference.subindex.value = QStringLiteral("1");
        QObject parent;
        QCOMPARE(kindOf(MenuEntryFactory::makeMenuEntry(&reference, { &variable }, {}, &parent)),
                 QStringLiteral("MenuEntryBool"));
    }

    void recordItemReferenceToAMissingSubindex()
    {
        WrappedVariable variable(record("V_Rec", 8, { item(1, 0, ValueKind::UInteger, 8) }));
        UIRecordItemRefT reference;
        reference.variableId.value = QStringLiteral("V_Rec");
        reference.subindex.value = QStringLiteral("5");
        QObject parent;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("record item the description lacks: \"V_Rec\" 5"));
        MenuEntry *entry = MenuEntryFactory::makeMenuEntry(&reference, { &variable }, {}, &parent);
        QCOMPARE(kindOf(entry), QStringLiteral("MenuEntryMissing"));
        QVERIFY(variable.getReferencedSubindexes().isEmpty());
    }

    // [level:8 @8][flag:1 @7][unnamed:5][mode:2 @0 with two names]; `access` of the whole, the mode item read-only.
    static Variable groupRecord(const QString &access, bool subindexAccess)
    {
        myRecordItem level = item(1, 8, ValueKind::UInteger, 8);
        addRange(level, 0, 200);
        myRecordItem mode = item(3, 0, ValueKind::UInteger, 2, QStringLiteral("ro"));
        addSingleValue(mode, 0, QStringLiteral("TN_Off"));
        addSingleValue(mode, 1, QStringLiteral("TN_On"));
        auto description = record("V_Rec", 16, { level, item(2, 7, ValueKind::Boolean, 1), mode }, access);
        description.subindexAccessSupported = subindexAccess;
        return description;
    }

    void wholeRecordIsAGroupOfItems_data()
    {
        QTest::addColumn<QString>("access");
        QTest::addColumn<QString>("restriction");
        QTest::addColumn<QStringList>("kinds");
        const QString display = QStringLiteral("MenuEntrySingleDisplay");
        QTest::newRow("read-write") << "rw" << ""
                                    << QStringList { "MenuEntrySlider", "MenuEntryBool", "MenuEntryRecordDisplay" };
        QTest::newRow("read-only") << "ro" << "" << QStringList { display, display, "MenuEntryRecordDisplay" };
        QTest::newRow("restricted to read-only") << "rw" << "ro"
                                                 << QStringList { display, display, "MenuEntryRecordDisplay" };
        QTest::newRow("write-only items are edited") << "wo" << ""
                                                     << QStringList { "MenuEntrySlider", "MenuEntryBool", "MenuEntryRecordSelection" };
    }

    void wholeRecordIsAGroupOfItems()
    {
        QFETCH(QString, access);
        QFETCH(QString, restriction);
        WrappedVariable variable(groupRecord(access, false));
        UIVariableRefT reference;
        reference.variableId.value = QStringLiteral("V_Rec");
        reference.accessRightRestriction.value = restriction;
        QObject parent;
        auto *group = qobject_cast<MenuEntryRecordGroup *>(MenuEntryFactory::makeMenuEntry(&reference, { &variable }, {}, &parent));
        QVERIFY(group);
        QCOMPARE(group->getTextId(), QStringLiteral("TN_V_Rec"));
        QStringList shown;
        QStringList names;
        for (const MenuEntry *entry : group->getItems()) {
            shown << kindOf(entry);
            names << entry->getTextId();
            QCOMPARE(entry->getId(), QStringLiteral("V_Rec"));
        }
        QTEST(shown, "kinds");
        QCOMPARE(names, (QStringList { "TN_Item1", "TN_Item2", "TN_Item3" }));
        // One read at subindex 0 fills every item.
        QCOMPARE(variable.getReferencedSubindexes(), (QList<quint32> { 1, 2, 3 }));
    }

    void itemEditWritesTheItemOrTheWholeRecord_data()
    {
        QTest::addColumn<bool>("subindexAccess");
        QTest::addColumn<QByteArray>("written");
        // Read 0x32 0xFD: level 0x32, flag 1, unnamed bits all 1, mode 1. The flag is switched off.
        QTest::newRow("without subindex access: the whole record, other bits as read") << false << QByteArray::fromHex("327d");
        QTest::newRow("with subindex access: the item alone") << true << QByteArray::fromHex("00");
    }

    void itemEditWritesTheItemOrTheWholeRecord()
    {
        QFETCH(bool, subindexAccess);
        QFETCH(QByteArray, written);
        WrappedVariable variable(groupRecord(QStringLiteral("rw"), subindexAccess));
        UIVariableRefT reference;
        reference.variableId.value = QStringLiteral("V_Rec");
        QObject parent;
        auto *group = qobject_cast<MenuEntryRecordGroup *>(MenuEntryFactory::makeMenuEntry(&reference, { &variable }, {}, &parent));
        QVERIFY(group);
        variable.setDataFromDevice(0, QByteArray::fromHex("32fd"));
        MenuEntry *flag = group->getItems().at(1);
        QVERIFY(flag->isValid());
        QCOMPARE(flag->getValue().toBool(), true);
        QSignalSpy writes(flag, &MenuEntry::writeRequested);
        flag->setDataFromUserInput(false);
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes.first().first().toByteArray().toHex(), written.toHex());
    }

    void textItemTakesItsOwnLength()
    {
        myRecordItem label = item(2, 0, ValueKind::String, 64);
        WrappedVariable variable(record("V_Rec", 72, { item(1, 64, ValueKind::UInteger, 8), label }));
        MenuEntryTextEdit entry(&variable, 2);
        QCOMPARE(entry.getMaxLength(), 8u);
    }

    void detailedDeviceStatusHasTheCountOfTheDescription()
    {
        // The sample restricts the standard's 64 entries to 8.
        VariableWrapper *status = sample.variable(QStringLiteral("V_DetailedDeviceStatus"));
        QVERIFY(status);
        QCOMPARE(status->getVariable()->recordItems.size(), 8);
        MenuEntryArrayDisplay entry(status, 0);
        QCOMPARE(entry.getByteArray().size(), 8);
        QCOMPARE(status->getOwnRecord().byteLength, 24u);
    }

    void processDataReference()
    {
        UIRecordItemRefT reference;
        reference.variableId.value = QStringLiteral("V_ProcessDataOutput");
        reference.subindex.value = QStringLiteral("2");
        reference.gradient.value = QStringLiteral("0.5");
        reference.offset.value = QStringLiteral("32");
        QObject parent;
        auto *entry = qobject_cast<MenuEntryProcessData *>(MenuEntryFactory::makeMenuEntry(&reference, {}, {}, &parent));
        QVERIFY(entry);
        QVERIFY(entry->isOutput());
        QCOMPARE(entry->getSubindex(), 2u);
        QVERIFY(!entry->isValid());
        entry->setProcessValue(QVariant(qulonglong(9)), QStringLiteral("TN_Out"), QString());
        QVERIFY(entry->isValid());
        QCOMPARE(entry->getValue().toDouble(), 36.5);
        QCOMPARE(entry->getTextId(), QStringLiteral("TN_Out"));
    }

    void sampleRecordItemsAndUnits()
    {
        const MenuT *menu = sample.menu(QStringLiteral("M_SwitchingOutput"));
        QVERIFY(menu);
        QObject parent;
        QStringList kinds;
        QString unit;
        for (const UIRecordItemRefT *reference : menu->RecordItemRef) {
            MenuEntry *entry = MenuEntryFactory::makeMenuEntry(reference, sample.variables, sample.units, &parent);
            if (!entry)
                continue;
            kinds << kindOf(entry);
            if (entry->getSubindex() == 1)
                unit = entry->getUnit();
        }
        QCOMPARE(kinds, QStringList({ "MenuEntryRecordSelection", "MenuEntrySlider", "MenuEntrySlider", "MenuEntryBool" }));
        QCOMPARE(unit, QStringLiteral("1013"));
        QCOMPARE(sample.variable("V_SwitchPoint1")->getReferencedSubindexes(), QList<quint32>({ 1, 2, 3, 4 }));
    }
};

OVINEX_TEST_MAIN(TestMenuEntryFactory)
#include "tst_menuentryfactory.moc"
