#include "testenvironment.h"

#include "menu/menuentryarraydisplay.h"
#include "menu/menuentryfactory.h"
#include "menu/menuentryrecorddisplay.h"
#include "menu/menuentryrecordgroup.h"
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

    std::unique_ptr<UIVariableRefT> variableRef;
    std::unique_ptr<UIRecordItemRefT> itemRef;
    QObject parent;

    // A menu's reference to a variable, or to one item of a record.
    UIVariableRefT *refer(const QString &id, const QString &restriction = QString())
    {
        variableRef = std::make_unique<UIVariableRefT>();
        variableRef->variableId.value = id;
        variableRef->accessRightRestriction.value = restriction;
        return variableRef.get();
    }

    UIRecordItemRefT *referItem(const QString &id, const QString &subindex)
    {
        itemRef = std::make_unique<UIRecordItemRefT>();
        itemRef->variableId.value = id;
        itemRef->subindex.value = subindex;
        return itemRef.get();
    }

    template<class Reference>
    MenuEntry *make(const Reference *reference, VariableWrapper *variable = nullptr)
    {
        return MenuEntryFactory::makeMenuEntry(reference, variable ? QList<VariableWrapper *> { variable } : QList<VariableWrapper *> {},
                                               {}, &parent);
    }

private slots:
    void cleanup()
    {
        qDeleteAll(parent.children());
    }

    // A reference to a whole variable (subindex 0) or to item 2 of a record.
    void reference_data()
    {
        DataTable::addRows(QStringLiteral("menu/references.tsv"));
    }

    void reference()
    {
        QFETCH(int, subindex);
        QFETCH(ValueKind, type);
        QFETCH(QString, access);
        QFETCH(QString, restriction);
        QFETCH(int, singleValues);
        QFETCH(bool, range);
        QFETCH(QString, kind);
        const bool text = type == ValueKind::String || type == ValueKind::OctetString;
        const quint32 bits = type == ValueKind::Float32 ? 32 : 16;
        const QList<myRecordItem> items { item(1, 40, ValueKind::UInteger, 8), item(2, 0, type, bits, access) };
        Variable description = subindex == 0 ? simple("V_Param", type, text ? 0 : bits, access, 64, text ? 8 : 0)
                                             : record("V_Param", 48, items);
        const auto addValues = [&](auto &described) {
            for (int i = 0; i < singleValues; ++i)
                addSingleValue(described, i, QStringLiteral("TN_SV%1").arg(i));
            if (range)
                addRange(described, 0, 10);
        };
        subindex == 0 ? addValues(description) : addValues(description.recordItems[1]);
        WrappedVariable variable(description);
        const bool defined = kind != QLatin1String("MenuEntryUndefined");
        if (!defined)
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(": UNUSED (variable: \"V_Param\"|record:)"));
        MenuEntry *entry = subindex == 0 ? make(refer("V_Param", restriction), &variable)
                                         : make(referItem("V_Param", "2"), &variable);
        QCOMPARE(kindOf(entry), kind);
        QCOMPARE(entry->parent(), &parent);
        QCOMPARE(entry->getId(), QStringLiteral("V_Param"));
        QCOMPARE(variable.getReferencedSubindexes(), defined ? QList<quint32> { quint32(subindex) } : QList<quint32> {});
        if (subindex == 0) {
            // Writing a write-only value makes the device act: the screen asks first.
            QCOMPARE(entry->isCommand(), access == QLatin1String("wo"));
        } else if (defined) {
            QCOMPARE(entry->getSubindex(), 2u);
            QCOMPARE(entry->getTextId(), QStringLiteral("TN_Item2"));
        }
    }

    void buttons_data()
    {
        DataTable::addRows(QStringLiteral("menu/buttons.tsv"));
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
        UIVariableRefT *reference = refer(id, restriction);
        addButton(reference, 1);
        addButton(reference, 2);
        MenuEntry *entry = make(reference, &variable);
        QTEST(kindOf(entry), "kind");
        if (auto *button = qobject_cast<MenuEntrySystemCommand *>(entry)) {
            QCOMPARE(button->getButtonValue(), 2);
            QCOMPARE(button->getNameId(), QStringLiteral("TN_Teach_Far"));
        }
    }

    void numberWithoutRangeIsBoundByItsType_data()
    {
        DataTable::addRows(QStringLiteral("menu/typebounds.tsv"));
    }

    void numberWithoutRangeIsBoundByItsType()
    {
        QFETCH(ValueKind, type);
        QFETCH(quint32, bits);
        QFETCH(double, lower);
        QFETCH(double, upper);
        WrappedVariable variable(simple("V_Count", type, bits));
        UIVariableRefT *reference = refer("V_Count");
        reference->gradient.value = QStringLiteral("0.5");
        reference->offset.value = QStringLiteral("-3");
        auto *entry = qobject_cast<MenuEntrySlider *>(make(reference, &variable));
        QVERIFY(entry);
        QCOMPARE(entry->getLowerLimit(), lower * 0.5 - 3);
        QCOMPARE(entry->getUpperLimit(), upper * 0.5 - 3);
    }

    // A reference to nothing shows nothing; one to a variable or record item the description lacks shows it missing,
    // one to a variable the model could not complete shows it undefined. None of them is read.
    void referencesToWhatCannotBeShown()
    {
        QCOMPARE(make(refer(QString())), static_cast<MenuEntry *>(nullptr));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("variable the description lacks: \"V_Nowhere\""));
        MenuEntry *entry = make(refer("V_Nowhere"));
        QCOMPARE(kindOf(entry), QStringLiteral("MenuEntryMissing"));
        QCOMPARE(entry->getId(), QStringLiteral("V_Nowhere"));

        WrappedVariable shortRecord(record("V_Rec", 8, { item(1, 0, ValueKind::UInteger, 8) }));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("record item the description lacks: \"V_Rec\" 5"));
        QCOMPARE(kindOf(make(referItem("V_Rec", "5"), &shortRecord)), QStringLiteral("MenuEntryMissing"));
        QVERIFY(shortRecord.getReferencedSubindexes().isEmpty());

        WrappedVariable broken(simple("V_Broken", ValueKind::UInteger, 8));
        broken.description.invalidReason = QStringLiteral("record item 1 has the unknown datatype \"Ulen\"");
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(": UNUSED variable: \"V_Broken\".*Ulen"));
        QCOMPARE(kindOf(make(refer("V_Broken"), &broken)), QStringLiteral("MenuEntryUndefined"));
        QVERIFY(broken.getReferencedSubindexes().isEmpty());
    }

    // Several items with one subindex: the last one decides.
    void lastOfTheItemsWithOneSubindexDecides()
    {
        WrappedVariable variable(record("V_Rec", 16, { item(1, 8, ValueKind::UInteger, 8, "ro"),
                                                 item(1, 0, ValueKind::Boolean, 8) }));
        QCOMPARE(kindOf(make(referItem("V_Rec", "1"), &variable)), QStringLiteral("MenuEntryBool"));
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
        DataTable::addRows(QStringLiteral("menu/wholerecords.tsv"));
    }

    void wholeRecordIsAGroupOfItems()
    {
        QFETCH(QString, access);
        QFETCH(QString, restriction);
        WrappedVariable variable(groupRecord(access, false));
        auto *group = qobject_cast<MenuEntryRecordGroup *>(make(refer("V_Rec", restriction), &variable));
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

    // Elements are numbered from 1 also when the device offers no subindex access.
    void arrayIsAGroupOfNumberedElements()
    {
        WrappedVariable variable(VariableFixtures::array("V_Levels", 3, quint32(ValueKind::UInteger), 8, 0, false));
        auto *group = qobject_cast<MenuEntryRecordGroup *>(make(refer("V_Levels"), &variable));
        QVERIFY(group);
        variable.setDataFromDevice(0, QByteArray::fromHex("010203"));
        QStringList shown;
        for (const MenuEntry *entry : group->getItems())
            shown << QStringLiteral("%1=%2").arg(entry->getSubindex()).arg(entry->getValue().toInt());
        QCOMPARE(shown, (QStringList { "1=1", "2=2", "3=3" }));
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
        auto *group = qobject_cast<MenuEntryRecordGroup *>(make(refer("V_Rec"), &variable));
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
};

OVINEX_TEST_MAIN(TestMenuEntryFactory)
#include "tst_menuentryfactory.moc"
