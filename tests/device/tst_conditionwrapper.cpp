#include "testenvironment.h"

#include "device/conditionwrapper.h"
#include "device/variablewrapper.h"
#include "iodd/model/processdataelements.h"
#include "variablefixtures.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSignalSpy>

#include <memory>

using namespace VariableFixtures;

class TestConditionWrapper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void appliesBeforeTheFirstRead_data();
    void appliesBeforeTheFirstRead();
    void followsItsOwnSubindexOnly();
    void signalsEveryEvaluation();
    void comparesBooleansAndTexts_data();
    void comparesBooleansAndTexts();
    void readsTheDescriptionAttributes();
    void missingVariableNeverApplies();
    void survivesItsVariable();
};

void TestConditionWrapper::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestConditionWrapper::appliesBeforeTheFirstRead_data()
{
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("applies");
    QTest::newRow("value 0") << 0 << true;
    QTest::newRow("value 1") << 1 << false;
}

void TestConditionWrapper::appliesBeforeTheFirstRead()
{
    QFETCH(int, expected);
    QFETCH(bool, applies);
    const Variable description = simple(QStringLiteral("V_Mode"), 1, 8, 0, QStringLiteral("rw"), 202);
    VariableWrapper variable(&description);
    ConditionWrapper condition(QStringLiteral("V_Mode"), 0, expected, {&variable});
    QCOMPARE(condition.applies(), applies);
    // The condition's slot is read during synchronisation.
    QCOMPARE(variable.getReferencedSubindexes(), (QList<quint32>{0}));
}

void TestConditionWrapper::followsItsOwnSubindexOnly()
{
    const Variable description = record(QStringLiteral("V_Setup"), 16, {item(1, 8, 1, 8), item(2, 0, 1, 8)}, true);
    VariableWrapper variable(&description);
    ConditionWrapper condition(QStringLiteral("V_Setup"), 2, 3, {&variable});
    QSignalSpy spy(&condition, &ConditionWrapper::conditionChanged);
    QCOMPARE(variable.getReferencedSubindexes(), (QList<quint32>{2}));

    variable.setValue(QVariant(qulonglong(3)), 1);
    QCOMPARE(spy.count(), 0);
    QVERIFY(!condition.applies());

    variable.setValue(QVariant(qulonglong(3)), 2);
    QCOMPARE(spy.count(), 1);
    QVERIFY(condition.applies());

    // A whole read re-evaluates only through the condition's own item.
    variable.setDataFromDevice(0, QByteArray("\x07\x03", 2));
    QCOMPARE(spy.count(), 1);
    variable.setDataFromDevice(0, QByteArray("\x07\x04", 2));
    QCOMPARE(spy.count(), 2);
    QVERIFY(!condition.applies());
}

void TestConditionWrapper::signalsEveryEvaluation()
{
    const Variable description = simple(QStringLiteral("V_Mode"), 1, 8);
    VariableWrapper variable(&description);
    ConditionWrapper condition(QStringLiteral("V_Mode"), 0, 2, {&variable});
    QSignalSpy spy(&condition, &ConditionWrapper::conditionChanged);

    variable.setDataFromDevice(0, QByteArray("\x01", 1));
    variable.setDataFromDevice(0, QByteArray("\x05", 1));
    QCOMPARE(spy.count(), 2);
    QVERIFY(!condition.applies());
    variable.setDataFromDevice(0, QByteArray("\x02", 1));
    QCOMPARE(spy.count(), 3);
    QVERIFY(condition.applies());
    // An unchanged value is no evaluation.
    variable.setDataFromDevice(0, QByteArray("\x02", 1));
    QCOMPARE(spy.count(), 3);
}

void TestConditionWrapper::comparesBooleansAndTexts_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("applies");
    QTest::newRow("true is 1") << 0u << QVariant(true) << 1 << true;
    QTest::newRow("false is 0") << 0u << QVariant(false) << 0 << true;
    QTest::newRow("numeric text") << 4u << QVariant(QStringLiteral("12")) << 12 << true;
    QTest::newRow("other text is 0") << 4u << QVariant(QStringLiteral("abc")) << 0 << true;
    QTest::newRow("negative integer") << 2u << QVariant(qlonglong(-3)) << -3 << true;
    // Wider than the condition's value: not equal, although its low 32 bits are.
    QTest::newRow("large unsigned") << 1u << QVariant(qulonglong(0x100000001ull)) << 1 << false;
}

void TestConditionWrapper::comparesBooleansAndTexts()
{
    QFETCH(uint, type);
    QFETCH(QVariant, value);
    QFETCH(int, expected);
    QFETCH(bool, applies);
    const Variable description = simple(QStringLiteral("V_Any"), type, 64, 8);
    VariableWrapper variable(&description);
    ConditionWrapper condition(QStringLiteral("V_Any"), 0, expected, {&variable});
    variable.setValue(value, 0);
    QCOMPARE(condition.applies(), applies);
}

void TestConditionWrapper::readsTheDescriptionAttributes()
{
    const Variable description = record(QStringLiteral("V_Setup"), 16, {item(1, 8, 1, 8), item(2, 0, 2, 8)}, true);
    VariableWrapper other(&description);
    const Variable modeDescription = simple(QStringLiteral("V_Mode"), 1, 8);
    VariableWrapper mode(&modeDescription);

    ConditionT recordCondition;
    recordCondition.variableId.value = QStringLiteral("V_Setup");
    recordCondition.subindex.value = QStringLiteral("2");
    recordCondition.value.value = QStringLiteral("-1");
    ConditionWrapper onRecord(&recordCondition, {&mode, &other});
    QCOMPARE(onRecord.getVariable(), &other);
    QCOMPARE(onRecord.getSubindex(), 2u);
    other.setValue(QVariant(qlonglong(-1)), 2);
    QVERIFY(onRecord.applies());

    ConditionT plainCondition;
    plainCondition.variableId.value = QStringLiteral("V_Mode");
    plainCondition.value.value = QStringLiteral("1");
    ConditionWrapper onMode(&plainCondition, {&mode, &other});
    QCOMPARE(onMode.getSubindex(), 0u);
    QVERIFY(!onMode.applies());
    mode.setValue(QVariant(qulonglong(1)), 0);
    QVERIFY(onMode.applies());
}

void TestConditionWrapper::missingVariableNeverApplies()
{
    const Variable description = simple(QStringLiteral("V_Mode"), 1, 8);
    VariableWrapper variable(&description);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no such variable \"V_Missing\"")));
    ConditionWrapper condition(QStringLiteral("V_Missing"), 0, 0, {&variable});
    QSignalSpy spy(&condition, &ConditionWrapper::conditionChanged);
    QVERIFY(!condition.applies());
    QVERIFY(!condition.getVariable());
    condition.onVariableValueChanged(0);
    variable.setValue(QVariant(qulonglong(0)), 0);
    QVERIFY(!condition.applies());
    QCOMPARE(spy.count(), 0);
    QVERIFY(variable.getReferencedSubindexes().isEmpty());
}

void TestConditionWrapper::survivesItsVariable()
{
    const Variable description = simple(QStringLiteral("V_Mode"), 1, 8);
    auto variable = std::make_unique<VariableWrapper>(&description);
    ConditionWrapper condition(QStringLiteral("V_Mode"), 0, 0, {variable.get()});
    QVERIFY(condition.applies());
    variable.reset();
    condition.onVariableValueChanged(0);
    QVERIFY(condition.applies());
}

OVINEX_TEST_MAIN(TestConditionWrapper)
#include "tst_conditionwrapper.moc"
