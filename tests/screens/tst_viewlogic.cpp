#include "testenvironment.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

    // The rows, one per rule and case, are in tests/data/screens/viewrules.json as
    // [name, function, arguments, locales, result]. Locales read "system|interface": a reading in the
    // system locale wins. A refused slider number brings back its value (42.5) and writes nothing. Ticks
    // are {interval, anchor, decimals}, at most six of them. An argument {"hex": ...} stands for octets.
    void rules_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("result");
        QFile file(TestEnvironment::testDataPath(QStringLiteral("screens/viewrules.json")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray rows = QJsonDocument::fromJson(file.readAll()).array();
        QVERIFY(rows.size() > 60);
        for (const QJsonValue &value : rows) {
            const QJsonArray row = value.toArray();
            QVariantList arguments;
            for (const QJsonValue &argument : row.at(2).toArray())
                arguments << toArgument(argument);
            QTest::newRow(qPrintable(row.at(0).toString()))
                << row.at(1).toString() << arguments << row.at(3).toString() << row.at(4).toString();
        }
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
    static QVariant toArgument(const QJsonValue &argument)
    {
        if (argument.isNull())
            return QVariant();
        if (argument.isObject() && argument.toObject().contains(QLatin1String("hex")))
            return QByteArray::fromHex(argument.toObject().value(QLatin1String("hex")).toString().toLatin1());
        return argument.toVariant();
    }

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
