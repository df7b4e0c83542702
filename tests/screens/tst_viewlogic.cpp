#include "testenvironment.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QtMath>

// The view rules of the screens: number formatting, input refusal and restore, axis ticks, addresses.
class TestViewLogic : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void numbersWithDigits_data();
    void numbersWithDigits();
    void typedNumbers_data();
    void typedNumbers();
    void sliderInputOutsideTheLimitsRestoresTheSlider_data();
    void sliderInputOutsideTheLimitsRestoresTheSlider();
    void tooLongTextSelectsTheExcess_data();
    void tooLongTextSelectsTheExcess();
    void valueAxisTicks_data();
    void valueAxisTicks();
    void shownTexts_data();
    void shownTexts();
    void communicationMessagesInHex();
    void timeAxisLabelsReadAsSeconds();

private:
    QVariant call(const QString &function, const QVariantList &arguments, const QString &localeName = QString());

    QQmlEngine engine;
    QObject *logic = nullptr;
};

void TestViewLogic::initTestCase()
{
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\n"
                      "import \"qrc:/qml/common/ViewLogic.js\" as Logic\n"
                      "QtObject {\n"
                      "    function call(name, args, localeName) {\n"
                      "        var list = []\n"
                      "        for (var i = 0; i < args.length; ++i) list.push(args[i])\n"
                      "        if (localeName !== \"\") list.push(Qt.locale(localeName))\n"
                      "        return Logic[name].apply(null, list)\n"
                      "    }\n"
                      "}\n",
                      QUrl(QStringLiteral("qrc:/tests/ViewLogicCaller.qml")));
    logic = component.create();
    QVERIFY2(logic, qPrintable(component.errorString()));
    logic->setParent(this);
}

QVariant TestViewLogic::call(const QString &function, const QVariantList &arguments, const QString &localeName)
{
    QVariant result;
    const bool invoked = QMetaObject::invokeMethod(logic, "call", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, function),
                                                   Q_ARG(QVariant, arguments), Q_ARG(QVariant, localeName));
    if (!invoked)
        qWarning() << "could not call" << function;
    return result;
}

void TestViewLogic::numbersWithDigits_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one decimal, rounded") << QVariant(23.456) << 1 << "en_US" << "23.5";
    QTest::newRow("German decimal comma") << QVariant(23.456) << 1 << "de_DE" << "23,5";
    QTest::newRow("French decimal comma") << QVariant(0.25) << 2 << "fr_FR" << "0,25";
    QTest::newRow("integer padded with zeros") << QVariant(5) << 2 << "en_US" << "5.00";
    QTest::newRow("no decimals") << QVariant(41.6) << 0 << "en_US" << "42";
    QTest::newRow("negative") << QVariant(-0.5) << 1 << "en_US" << "-0.5";
    QTest::newRow("thousands grouped") << QVariant(1234.5) << 1 << "en_US" << "1,234.5";
    QTest::newRow("number given as text") << QVariant(QStringLiteral("7.25")) << 1 << "en_US" << "7.3";
    QTest::newRow("nothing received yet") << QVariant() << 1 << "en_US" << "?";
    QTest::newRow("empty text") << QVariant(QString()) << 1 << "en_US" << "?";
    QTest::newRow("text that is no number stays as it is") << QVariant(QStringLiteral("n/a")) << 1 << "en_US" << "n/a";
}

void TestViewLogic::numbersWithDigits()
{
    QFETCH(QVariant, value);
    QFETCH(int, digits);
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    QCOMPARE(call(QStringLiteral("formatNumber"), { value, digits }, locale).toString(), shown);
}

void TestViewLogic::typedNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("number");
    QTest::newRow("English") << "12.5" << "en_US" << 12.5;
    QTest::newRow("German comma") << "12,5" << "de_DE" << 12.5;
    QTest::newRow("grouped as shown") << "1,234.5" << "en_US" << 1234.5;
    QTest::newRow("C form in a German field") << "12.5" << "de_DE" << 12.5;
    QTest::newRow("blanks around") << "  3 " << "en_US" << 3.0;
    QTest::newRow("negative") << "-4" << "en_US" << -4.0;
    QTest::newRow("letters") << "abc" << "en_US" << qQNaN();
    QTest::newRow("empty") << "" << "en_US" << qQNaN();
    QTest::newRow("trailing garbage") << "12x" << "en_US" << qQNaN();
}

void TestViewLogic::typedNumbers()
{
    QFETCH(QString, typed);
    QFETCH(QString, locale);
    QFETCH(double, number);
    const double parsed = call(QStringLiteral("parseNumber"), { typed }, locale).toDouble();
    if (qIsNaN(number))
        QVERIFY2(qIsNaN(parsed), qPrintable(QString::number(parsed)));
    else
        QCOMPARE(parsed, number);
}

void TestViewLogic::sliderInputOutsideTheLimitsRestoresTheSlider_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");
    // The slider stands at 42.5 in every case.
    QTest::newRow("within the limits") << "12.5" << 0.0 << 100.0 << true << 12.5;
    QTest::newRow("on the upper limit") << "100" << 0.0 << 100.0 << true << 100.0;
    QTest::newRow("on the lower limit") << "0" << 0.0 << 100.0 << true << 0.0;
    QTest::newRow("above") << "100.1" << 0.0 << 100.0 << false << 42.5;
    QTest::newRow("below") << "-1" << 0.0 << 100.0 << false << 42.5;
    QTest::newRow("not a number") << "fast" << 0.0 << 100.0 << false << 42.5;
    QTest::newRow("empty") << "" << 0.0 << 100.0 << false << 42.5;
    QTest::newRow("negative range") << "-20" << -50.0 << -10.0 << true << -20.0;
    QTest::newRow("limits given the wrong way round") << "20" << 100.0 << 0.0 << true << 20.0;
}

void TestViewLogic::sliderInputOutsideTheLimitsRestoresTheSlider()
{
    QFETCH(QString, typed);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    const QVariantMap decision = call(QStringLiteral("sliderInput"), { typed, lower, upper, 42.5 }, QStringLiteral("en_US")).toMap();
    QCOMPARE(decision.value(QStringLiteral("accepted")).toBool(), accepted);
    QCOMPARE(decision.value(QStringLiteral("value")).toDouble(), value);
}

void TestViewLogic::tooLongTextSelectsTheExcess_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionEnd");
    QTest::newRow("shorter") << "Line 3" << 8 << true << 6 << 6;
    QTest::newRow("exactly the maximum") << "Line 300" << 8 << true << 8 << 8;
    QTest::newRow("three too many") << "Conveyor 12" << 8 << false << 8 << 11;
    QTest::newRow("nothing allowed") << "a" << 0 << false << 0 << 1;
    QTest::newRow("empty text, nothing allowed") << "" << 0 << true << 0 << 0;
    QTest::newRow("non-ASCII counts in characters") << "Größe" << 4 << false << 4 << 5;
}

void TestViewLogic::tooLongTextSelectsTheExcess()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(bool, accepted);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionEnd);
    const QVariantMap decision = call(QStringLiteral("textInput"), { text, maxLength }).toMap();
    QCOMPARE(decision.value(QStringLiteral("accepted")).toBool(), accepted);
    QCOMPARE(decision.value(QStringLiteral("selectionStart")).toInt(), selectionStart);
    QCOMPARE(decision.value(QStringLiteral("selectionEnd")).toInt(), selectionEnd);
}

void TestViewLogic::valueAxisTicks_data()
{
    QTest::addColumn<double>("minY");
    QTest::addColumn<double>("maxY");
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("ticks");
    QTest::newRow("wide range") << 0.0 << 250.0 << 1 << 5;
    QTest::newRow("exactly five steps") << 0.0 << 5.0 << 0 << 5;
    QTest::newRow("three whole steps") << 0.0 << 3.0 << 0 << 4;
    QTest::newRow("three steps of a tenth") << 0.0 << 0.3 << 1 << 4;
    QTest::newRow("four steps of a hundredth") << 1.0 << 1.04 << 2 << 5;
    QTest::newRow("boolean-like range") << 0.0 << 1.0 << 0 << 2;
    QTest::newRow("rounded up to five steps") << 0.0 << 4.6 << 0 << 5;
    QTest::newRow("empty range keeps two ticks") << 2.0 << 2.0 << 0 << 2;
}

void TestViewLogic::valueAxisTicks()
{
    QFETCH(double, minY);
    QFETCH(double, maxY);
    QFETCH(int, digits);
    QFETCH(int, ticks);
    QCOMPARE(call(QStringLiteral("tickCount"), { minY, maxY, digits }).toInt(), ticks);
}

void TestViewLogic::shownTexts_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("shown");
    QTest::newRow("serial port address") << "addressText" << QVariantList({ "COM7" }) << "COM Port 7";
    QTest::newRow("two-digit port") << "addressText" << QVariantList({ "COM12" }) << "COM Port 12";
    QTest::newRow("simulated port") << "addressText" << QVariantList({ "SIM1" }) << "SIM Port 1";
    QTest::newRow("no address") << "addressText" << QVariantList({ "" }) << "";
    QTest::newRow("short address unchanged") << "addressText" << QVariantList({ "COM" }) << "COM";
    QTest::newRow("no event") << "eventText" << QVariantList({ 0, "", "None" }) << "None";
    QTest::newRow("known event") << "eventText" << QVariantList({ 0x8CA0, "Short circuit", "None" }) << "Short circuit";
    QTest::newRow("unknown event in hex") << "eventText" << QVariantList({ 0x1234, "", "None" }) << "0x001234";
    QTest::newRow("nothing received yet") << "eventText" << QVariantList({ 65535, "", "None" }) << "0x00FFFF";
    QTest::newRow("seconds under a minute") << "timeLabelFormat" << QVariantList({ 59999 }) << "ss.z";
    QTest::newRow("minutes from a minute") << "timeLabelFormat" << QVariantList({ 60000 }) << "mm:ss";
    QTest::newRow("axis labels") << "axisLabelFormat" << QVariantList({ 2 }) << "%.2f";
    QTest::newRow("sync progress") << "syncProgressText" << QVariantList({ 40, 12 }) << "28 / 40";
    QTest::newRow("sync not started") << "syncProgressText" << QVariantList({ 0, 0 }) << "0 / 0";
    QTest::newRow("folder on Linux") << "localPath" << QVariantList({ "file:///home/ann/IODDs" }) << "/home/ann/IODDs";
    QTest::newRow("folder on Windows") << "localPath" << QVariantList({ "file:///C:/IODDs" }) << "C:/IODDs";
    QTest::newRow("folder with blank") << "localPath" << QVariantList({ "file:///tmp/my%20IODDs" }) << "/tmp/my IODDs";
    QTest::newRow("picture on Linux") << "fileUrl" << QVariantList({ "/tmp/icon.png" }) << "file:///tmp/icon.png";
    QTest::newRow("picture on Windows") << "fileUrl" << QVariantList({ "C:\\IODDs\\icon.png" }) << "file:///C:/IODDs/icon.png";
    QTest::newRow("picture already a URL") << "fileUrl" << QVariantList({ "qrc:/icons/usb_black_24dp.svg" }) << "qrc:/icons/usb_black_24dp.svg";
    QTest::newRow("prefixed absolute path") << "fileUrl" << QVariantList({ "file:////tmp/symbol.png" }) << "file:///tmp/symbol.png";
    QTest::newRow("missing value") << "orUnknown" << QVariantList({ "", "Unknown" }) << "Unknown";
    QTest::newRow("present value") << "orUnknown" << QVariantList({ 1001, "Unknown" }) << "1001";
}

void TestViewLogic::shownTexts()
{
    QFETCH(QString, function);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, shown);
    QCOMPARE(call(function, arguments).toString(), shown);
}

void TestViewLogic::communicationMessagesInHex()
{
    QCOMPARE(call(QStringLiteral("bytesText"), { QByteArray::fromHex("0182ff") }).toString(), QStringLiteral("01 82 FF"));
    QCOMPARE(call(QStringLiteral("bytesText"), { QByteArray() }).toString(), QString());
}

void TestViewLogic::timeAxisLabelsReadAsSeconds()
{
    // The axis formats its ticks as dates from the epoch.
    const QString seconds = call(QStringLiteral("timeLabelFormat"), { 30000 }).toString();
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(7500, Qt::UTC).toString(seconds), QStringLiteral("07.5"));
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(22250, Qt::UTC).toString(seconds), QStringLiteral("22.25"));
    const QString minutes = call(QStringLiteral("timeLabelFormat"), { 90000 }).toString();
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(67500, Qt::UTC).toString(minutes), QStringLiteral("01:07"));
}

OVINEX_TEST_MAIN(TestViewLogic)
#include "tst_viewlogic.moc"
