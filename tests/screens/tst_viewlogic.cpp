#include "testenvironment.h"

#include <QQmlComponent>
#include <QQmlEngine>

// The view rules of the screens: number formatting, input refusal and restore, axis ticks, shown texts.
class TestViewLogic : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Results as text: objects as JSON, so that a decision reads as one value.
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\n"
                          "import \"qrc:/qml/common/ViewLogic.js\" as Logic\n"
                          "QtObject {\n"
                          "    function call(name, args, localeName) {\n"
                          "        var list = []\n"
                          "        for (var i = 0; i < args.length; ++i) list.push(args[i])\n"
                          "        if (localeName !== \"\") localeName.split(\"|\").forEach(function(name) { list.push(Qt.locale(name)) })\n"
                          "        var result = Logic[name].apply(null, list)\n"
                          "        return typeof result === \"object\" ? JSON.stringify(result) : String(result)\n"
                          "    }\n"
                          "}\n",
                          QUrl(QStringLiteral("qrc:/tests/ViewLogicCaller.qml")));
        logic = component.create();
        QVERIFY2(logic, qPrintable(component.errorString()));
        logic->setParent(this);
    }

    void rules_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("result");
        const auto row = [](const char *name, const char *function, const QVariantList &arguments, const char *locale, const QString &result) {
            QTest::newRow(name) << QString::fromLatin1(function) << arguments << QString::fromLatin1(locale) << result;
        };

        row("number: one decimal, rounded", "formatNumber", { 23.456, 1 }, "en_US", "23.5");
        row("number: German decimal comma", "formatNumber", { 23.456, 1 }, "de_DE", "23,5");
        row("number: no decimals", "formatNumber", { 41.6, 0 }, "en_US", "42");
        row("number: thousands grouped", "formatNumber", { 1234.5, 1 }, "en_US", "1,234.5");
        row("number: given as text", "formatNumber", { "7.25", 1 }, "en_US", "7.3");
        row("number: nothing received yet", "formatNumber", { QVariant(), 1 }, "en_US", "?");
        row("number: text that is none", "formatNumber", { "n/a", 1 }, "en_US", "n/a");

        row("typed: German comma", "parseNumber", { "12,5" }, "de_DE", "12.5");
        row("typed: grouped as shown", "parseNumber", { "1,234.5" }, "en_US", "1234.5");
        row("typed: C form in a German field", "parseNumber", { "12.5" }, "de_DE", "12.5");
        row("typed: blanks around", "parseNumber", { "  3 " }, "en_US", "3");
        row("typed: letters", "parseNumber", { "abc" }, "en_US", "NaN");
        // The system locale first, then the interface language's; a reading in the system locale wins.
        row("typed: German interface, English system", "parseNumber", { "1,5" }, "en_US|de_DE", "1.5");
        row("typed: grouping of the system wins", "parseNumber", { "1,500" }, "en_US|de_DE", "1500");
        row("typed: English interface, German system", "parseNumber", { "2.75" }, "de_DE|en_US", "2.75");
        row("typed: comma without German interface", "parseNumber", { "1,5" }, "en_US|en_US", "NaN");
        row("slider: German interface", "sliderInput", { "12,5", 0, 100, 42.5 }, "en_US|de_DE", R"({"accepted":true,"value":12.5})");
        row("typed: trailing garbage", "parseNumber", { "12x" }, "en_US", "NaN");

        row("tabs: all fit", "tabWidthCap", { QVariantList { 80, 120, 100 }, 400 }, "", "Infinity");
        row("tabs: the widest give way", "tabWidthCap", { QVariantList { 80, 150, 130, 60 }, 360 }, "", "110");
        row("tabs: hidden ones take no room", "tabWidthCap", { QVariantList { 0, 150, 150 }, 200 }, "", "100");

        // The slider stands at 42.5; a refused number brings its value back and writes nothing.
        row("slider: within the limits", "sliderInput", { "12.5", 0, 100, 42.5 }, "en_US", R"({"accepted":true,"value":12.5})");
        row("slider: on the upper limit", "sliderInput", { "100", 0, 100, 42.5 }, "en_US", R"({"accepted":true,"value":100})");
        row("slider: above", "sliderInput", { "100.1", 0, 100, 42.5 }, "en_US", R"({"accepted":false,"value":42.5})");
        row("slider: below", "sliderInput", { "-1", 0, 100, 42.5 }, "en_US", R"({"accepted":false,"value":42.5})");
        row("slider: not a number", "sliderInput", { "fast", 0, 100, 42.5 }, "en_US", R"({"accepted":false,"value":42.5})");
        row("slider: empty", "sliderInput", { "", 0, 100, 42.5 }, "en_US", R"({"accepted":false,"value":42.5})");
        row("slider: limits the wrong way round", "sliderInput", { "20", 100, 0, 42.5 }, "en_US", R"({"accepted":true,"value":20})");

        row("text: shorter", "textInput", { "Line 3", 8 }, "", R"({"accepted":true,"selectionStart":6,"selectionEnd":6})");
        row("text: exactly the maximum", "textInput", { "Line 300", 8 }, "", R"({"accepted":true,"selectionStart":8,"selectionEnd":8})");
        row("text: excess selected", "textInput", { "Conveyor 12", 8 }, "", R"({"accepted":false,"selectionStart":8,"selectionEnd":11})");
        row("text: nothing allowed", "textInput", { "a", 0 }, "", R"({"accepted":false,"selectionStart":0,"selectionEnd":1})");
        row("text: counted in characters", "textInput", { QStringLiteral("Größe"), 4 }, "", R"({"accepted":false,"selectionStart":4,"selectionEnd":5})");

        // Ticks as {interval, anchor, decimals}, at most six of them.
        row("ticks: odd range on round thousands", "axisTicks", { -30, 3015, 0, 6 }, "", R"({"interval":1000,"anchor":0,"decimals":0})");
        row("ticks: range of a signed byte", "axisTicks", { -128, 127, 0, 6 }, "", R"({"interval":100,"anchor":-100,"decimals":0})");
        row("ticks: a quarter step where a decimal is shown", "axisTicks", { 0, 12, 1, 6 }, "", R"({"interval":2.5,"anchor":0,"decimals":1})");
        row("ticks: no quarter step for whole numbers", "axisTicks", { 0, 12, 0, 6 }, "", R"({"interval":5,"anchor":0,"decimals":0})");
        row("ticks: tenths", "axisTicks", { 0.13, 0.92, 2, 6 }, "", R"({"interval":0.2,"anchor":0.2,"decimals":2})");
        row("ticks: never finer than shown", "axisTicks", { 0, 3, 0, 6 }, "", R"({"interval":1,"anchor":0,"decimals":0})");
        row("ticks: negative anchor rounds up", "axisTicks", { -6, 81, 0, 6 }, "", R"({"interval":20,"anchor":0,"decimals":0})");
        row("ticks: empty range", "axisTicks", { 2, 2, 0, 6 }, "", R"({"interval":1,"anchor":2,"decimals":0})");
        row("axis title with unit", "axisTitle", { QStringLiteral("°C") }, "", QStringLiteral("[°C]"));
        row("axis title without unit", "axisTitle", { "" }, "", "");

        const QVariantMap hints { { "notAccessible", "(Sensor not accessible)" }, { "missingIodd", "(Missing IODD)" }, { "latestIodd", "(Latest IODD)" } };
        row("address: serial port", "addressText", { "COM7" }, "", "COM Port 7");
        row("address: simulated port", "addressText", { "SIM12" }, "", "SIM Port 12");
        row("address: too short to split", "addressText", { "COM" }, "", "COM");
        row("address: network master port", "addressText", { "192.168.1.50 Port 3" }, "", "192.168.1.50 Port 3");
        row("hints: ready to connect", "deviceHints", { "COM7", true, true, false, hints }, "", "COM Port 7");
        row("hints: missing IODD", "deviceHints", { "COM8", true, false, false, hints }, "", "COM Port 8  (Missing IODD)");
        row("hints: no sensor", "deviceHints", { "COM3", false, false, false, hints }, "", "COM Port 3  (Sensor not accessible)");
        row("hints: several IODDs", "deviceHints", { "COM12", true, true, true, hints }, "", "COM Port 12  (Latest IODD)");

        row("event: none", "eventText", { 0, "", "None" }, "", "None");
        row("event: known", "eventText", { 0x8CA0, "Short circuit", "None" }, "", "Short circuit");
        row("event: unknown in hex", "eventText", { 0x1234, "", "None" }, "", "0x001234");
        row("sync progress", "syncProgressText", { 40, 12 }, "", "28 / 40");
        row("octets in hex", "bytesText", { QByteArray::fromHex("0182ff") }, "", "01 82 FF");
        row("readable: octets", "readableText", { QByteArray::fromHex("4b560100") }, "", "4B 56 01 00");
        row("readable: text with control characters", "readableText", { QStringLiteral("KV\x01") }, "", "4B 56 01");
        row("readable: plain text", "readableText", { "FW 1.2.3" }, "", "FW 1.2.3");
        row("language in its own words", "languageName", { "en", "American English" }, "", "English");
        row("language without a name of ours", "languageName", { "it", "italiano" }, "", "italiano");
        row("missing value", "orUnknown", { "", "Unknown" }, "", "Unknown");
        row("filter: every word somewhere", "matchesFilter", { "korv ovx", QVariantList { "Korvell GmbH", "OVX100" } }, "", "true");
        row("filter: a word missing", "matchesFilter", { "korv kv9", QVariantList { "Korvell GmbH", "OVX100" } }, "", "false");
        row("filter: empty shows all", "matchesFilter", { "  ", QVariantList { "", "" } }, "", "true");

        row("folder on Linux", "localPath", { "file:///home/ann/IODDs" }, "", "/home/ann/IODDs");
        row("folder on Windows", "localPath", { "file:///C:/IODDs" }, "", "C:/IODDs");
        row("folder with blank", "localPath", { "file:///tmp/my%20IODDs" }, "", "/tmp/my IODDs");
        row("picture on Windows", "fileUrl", { "C:\\IODDs\\icon.png" }, "", "file:///C:/IODDs/icon.png");
        row("picture already a URL", "fileUrl", { "qrc:/icons/usb_black_24dp.svg" }, "", "qrc:/icons/usb_black_24dp.svg");
        row("prefixed absolute path", "fileUrl", { "file:////tmp/symbol.png" }, "", "file:///tmp/symbol.png");
    }

    void rules()
    {
        QFETCH(QString, function);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, locale);
        QFETCH(QString, result);
        QCOMPARE(call(function, arguments, locale), result);
    }

    void timeAxisLabelsReadAsSeconds()
    {
        // The axis formats its ticks as dates from the epoch.
        const QString seconds = call(QStringLiteral("timeLabelFormat"), { 30000 });
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(7500, Qt::UTC).toString(seconds), QStringLiteral("7.5 s"));
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(22250, Qt::UTC).toString(seconds), QStringLiteral("22.25 s"));
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(0, Qt::UTC).toString(seconds), QStringLiteral("0.0 s"));
        const QString minutes = call(QStringLiteral("timeLabelFormat"), { 60000 });
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(67500, Qt::UTC).toString(minutes), QStringLiteral("1:07"));
    }

private:
    QString call(const QString &function, const QVariantList &arguments, const QString &localeName = QString())
    {
        QVariant result;
        QMetaObject::invokeMethod(logic, "call", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, function),
                                  Q_ARG(QVariant, arguments), Q_ARG(QVariant, localeName));
        return result.toString();
    }

    QQmlEngine engine;
    QObject *logic = nullptr;
};

OVINEX_TEST_MAIN(TestViewLogic)
#include "tst_viewlogic.moc"
