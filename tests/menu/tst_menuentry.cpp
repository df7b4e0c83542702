#include "testenvironment.h"

#include "menu/menuentry.h"
#include "menufixtures.h"

#include <QSignalSpy>

using namespace MenuFixtures;

namespace {

// The base as every kind uses it: display scaling, digits, validity.
class PlainEntry : public MenuEntry
{
public:
    using MenuEntry::MenuEntry;
    QString getQmlFileName() const override { return QStringLiteral("qrc:/plain.qml"); }
};

} // namespace

class TestMenuEntry : public QObject
{
    Q_OBJECT

private slots:
    void gradientScalesDisplayAndInput_data()
    {
        QTest::addColumn<double>("gradient");
        QTest::addColumn<QVariant>("entered");
        QTest::addColumn<qulonglong>("stored");
        QTest::newRow("0.1, exact") << 0.1 << QVariant(23.5) << 235ull;
        QTest::newRow("0.1, rounded to the nearest raw step") << 0.1 << QVariant(23.46) << 235ull;
        QTest::newRow("0.1, rounded down") << 0.1 << QVariant(23.44) << 234ull;
        QTest::newRow("0.5, an integer input") << 0.5 << QVariant(10) << 20ull;
        QTest::newRow("zero gradient means 1") << 0.0 << QVariant(17) << 17ull;
    }

    void gradientScalesDisplayAndInput()
    {
        QFETCH(double, gradient);
        QFETCH(QVariant, entered);
        QFETCH(qulonglong, stored);
        auto description = simple("V_Temp", VariableWrapper::UIntegerType, 16);
        VariableWrapper variable(description.get());
        PlainEntry entry;
        entry.setVariableWrapper(&variable);
        entry.setGradient(gradient);

        entry.setProperty("value", entered);
        QCOMPARE(variable.getValue(0).toULongLong(), stored);
        QCOMPARE(entry.property("value").toDouble(), double(stored) * (gradient == 0.0 ? 1.0 : gradient));
    }

    void rawValueIsShownScaled()
    {
        auto description = simple("V_Temp", VariableWrapper::IntegerType, 16);
        VariableWrapper variable(description.get());
        PlainEntry entry;
        entry.setVariableWrapper(&variable);
        entry.setGradient(0.1);
        variable.setDataFromDevice(0, QByteArray::fromHex("00eb"));
        QCOMPARE(entry.getValue().userType(), int(QMetaType::Double));
        QCOMPARE(entry.getValue().toDouble(), 23.5);
        QCOMPARE(entry.getDigits(), 1u);
    }

    void booleanIsNotScaled()
    {
        auto flag = simple("V_Flag", VariableWrapper::BooleanType, 1);
        VariableWrapper flagVariable(flag.get());
        PlainEntry flagEntry;
        flagEntry.setVariableWrapper(&flagVariable);
        flagEntry.setGradient(0.1);
        flagEntry.setValue(true);
        QCOMPARE(flagEntry.getValue(), QVariant(true));
    }

    void digits_data()
    {
        QTest::addColumn<double>("gradient");
        QTest::addColumn<QString>("format");
        QTest::addColumn<uint>("digits");
        QTest::newRow("gradient 1") << 1.0 << QString() << 0u;
        QTest::newRow("gradient 0.1") << 0.1 << QString() << 1u;
        QTest::newRow("gradient 0.01") << 0.01 << QString() << 2u;
        QTest::newRow("gradient 0.001") << 0.001 << QString() << 3u;
        QTest::newRow("gradient 0.25") << 0.25 << QString() << 1u;
        QTest::newRow("gradient 10") << 10.0 << QString() << 0u;
        QTest::newRow("Dec.3 beats the gradient") << 0.1 << "Dec.3" << 3u;
        QTest::newRow("dec.0 in lower case") << 0.01 << "dec.0" << 0u;
        QTest::newRow("Hex leaves the gradient rule") << 0.01 << "Hex" << 2u;
        QTest::newRow("Dec without digits") << 0.1 << "Dec" << 1u;
        QTest::newRow("Dec with a word") << 0.1 << "Dec.x" << 1u;
        QTest::newRow("three parts") << 0.1 << "Dec.2.1" << 1u;
    }

    void digits()
    {
        QFETCH(double, gradient);
        QFETCH(QString, format);
        QFETCH(uint, digits);
        PlainEntry entry;
        entry.setGradient(gradient);
        entry.setDisplayFormat(format);
        QCOMPARE(entry.property("digits").toUInt(), digits);
    }

    void entryWithoutVariable()
    {
        PlainEntry entry;
        QVERIFY(!entry.property("value").isValid());
        QCOMPARE(entry.getIndex(), 0xFFFFFFFFu);
        QCOMPARE(entry.getVariableId(), QString());
        QCOMPARE(entry.getId(), QStringLiteral("not implemented"));
        QCOMPARE(entry.getTextId(), QStringLiteral("not set"));

        QTest::ignoreMessage(QtCriticalMsg, "variable is null");
        entry.setProperty("value", 5);

        QSignalSpy writes(&entry, &MenuEntry::writeRequested);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
        entry.setDataFromUserInput(5);
        QCOMPARE(writes.count(), 0);
    }

    void validAndValueFollowOwnSubindexOnly()
    {
        auto description = record("V_Rec", 16, { item(1, 8, VariableWrapper::UIntegerType, 8),
                                                 item(2, 0, VariableWrapper::UIntegerType, 8) });
        VariableWrapper variable(description.get());
        PlainEntry entry;
        entry.setVariableWrapper(&variable);
        entry.setSubindex(2);
        QSignalSpy values(&entry, &MenuEntry::valueChanged);
        QSignalSpy validity(&entry, &MenuEntry::validChanged);

        variable.setValue(7, 1);
        QCOMPARE(values.count(), 0);
        QVERIFY(!entry.isValid());

        variable.setDataFromDevice(0, QByteArray::fromHex("0709"));
        QCOMPARE(values.count(), 1);
        QCOMPARE(validity.count(), 1);
        QVERIFY(entry.isValid());
        QCOMPARE(entry.getValue().toInt(), 9);

        variable.setValue(11, 2);
        QCOMPARE(values.count(), 2);
        QCOMPARE(validity.count(), 1);
    }

};

OVINEX_TEST_MAIN(TestMenuEntry)
#include "tst_menuentry.moc"
