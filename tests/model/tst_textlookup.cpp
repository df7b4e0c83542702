#include "testenvironment.h"

#include "iodd/model/iodevicet.h"

// Text lookup across the extra, product, standard and secondary texts, and unit abbreviations.
class TestTextLookup : public QObject
{
    Q_OBJECT

private:
    static QString fixture(const QString &name) { return TestEnvironment::testDataPath(QStringLiteral("model/") + name); }

    // Loads documents the way the device binding does: standard files, the other languages, the
    // language in use last, then the product.
    static std::unique_ptr<IODeviceT> document(const QString &language, const QStringList &languageFiles)
    {
        std::unique_ptr<IODeviceT> device(new IODeviceT);
        device->language = language;
        device->loadXml(fixture("stddefs.xml"), XmlDocumentKind::StandardDefinitions);
        device->loadXml(fixture("units.xml"), XmlDocumentKind::StandardUnitDefinitions);
        for (const QString &file : languageFiles)
            device->loadXml(fixture(file), XmlDocumentKind::StandardDefinitionsLanguage);
        device->loadXml(fixture("texts.xml"), XmlDocumentKind::ProductDescription);
        return device;
    }

private slots:
    void lookupOrder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("languageFiles");
        QTest::addColumn<QString>("textId");
        QTest::addColumn<QString>("text");

        const QStringList germanLast{"stdtexts-fr.xml", "stdtexts-de.xml"};
        const QStringList frenchLast{"stdtexts-de.xml", "stdtexts-fr.xml"};
        QTest::newRow("en: device text from the primary language") << "en" << germanLast << "TN_Device" << "Device";
        QTest::newRow("en: standard text in English despite language files") << "en" << germanLast << "STD_TN_Shared" << "Shared";
        QTest::newRow("en: the device's redefinition beats the standard") << "en" << germanLast << "STD_TN_Redefined" << "Device wording";
        QTest::newRow("en: an empty standard text goes on to the device") << "en" << germanLast << "STD_TN_Empty" << "Filled by the device";
        QTest::newRow("de: last matching language wins (de-CH)") << "de" << germanLast << "TN_Device" << "Gerät (Schweiz)";
        QTest::newRow("de: empty text falls through to the primary language") << "de" << germanLast << "TN_OnlyPrimary" << "Primary only";
        QTest::newRow("de: standard text in German") << "de" << germanLast << "STD_TN_Shared" << "Gemeinsam";
        QTest::newRow("fr: no French device language, primary instead") << "fr" << frenchLast << "TN_Device" << "Device";
        QTest::newRow("fr: standard text in French") << "fr" << frenchLast << "STD_TN_Shared" << "Commun";
        QTest::newRow("fr without language files: English standard") << "fr" << QStringList() << "STD_TN_Shared" << "Shared";
        QTest::newRow("unknown id") << "en" << germanLast << "TN_Nowhere" << "failed";
        QTest::newRow("empty id") << "de" << germanLast << "" << "failed";
    }

    void lookupOrder()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, languageFiles);
        QFETCH(QString, textId);
        QFETCH(QString, text);
        QCOMPARE(document(language, languageFiles)->translate(textId), text);
    }

    void extraAndSecondaryTexts()
    {
        std::unique_ptr<IODeviceT> device = document("en", {});
        QVERIFY(device->loadXml(fixture("secondary.xml"), XmlDocumentKind::SecondaryStandardDefinitions));
        QCOMPARE(device->translate("STD_TN_Shared"), QStringLiteral("Shared"));
        QCOMPARE(device->translate("STD_TN_Legacy"), QStringLiteral("Legacy"));
        QVERIFY(device->loadXml(fixture("extratexts.xml"), XmlDocumentKind::ExtraTexts));
        QCOMPARE(device->translate("TN_Device"), QStringLiteral("Extra device text"));
    }

    void textsWithoutStandardDefinitions()
    {
        IODeviceT device;
        device.language = "de";
        QVERIFY(device.loadXml(fixture("texts.xml"), XmlDocumentKind::ProductDescription));
        QCOMPARE(device.translate("TN_Device"), QStringLiteral("Gerät (Schweiz)"));
        QCOMPARE(device.translate("STD_TN_Shared"), QStringLiteral("failed"));

        IODeviceT nothing;
        QCOMPARE(nothing.translate("TN_Device"), QStringLiteral("failed"));
    }

    void standardTextsOfOurResources()
    {
        const QString folder = QStringLiteral(":/iolink/standard/StandardDefinitions/");
        if (!QFile::exists(folder + "IODD-StandardDefinitions1.1.xml"))
            QSKIP("The standard definitions are not among the resources");
        IODeviceT device;
        device.language = "de";
        QVERIFY(device.loadXml(folder + "IODD-StandardDefinitions1.1.xml", XmlDocumentKind::StandardDefinitions));
        QVERIFY(device.loadXml(folder + "IODD-StandardUnitDefinitions1.1.xml", XmlDocumentKind::StandardUnitDefinitions));
        for (const char *language : {"fr", "de"}) {
            QVERIFY(device.loadXml(folder + "IODD-StandardDefinitions1.1-" + QLatin1String(language) + ".xml",
                                   XmlDocumentKind::StandardDefinitionsLanguage));
            QVERIFY(device.loadXml(folder + "IODD-StandardUnitDefinitions1.1-" + QLatin1String(language) + ".xml",
                                   XmlDocumentKind::StandardUnitDefinitionsLanguage));
        }
        QVERIFY(device.loadXml(fixture("texts.xml"), XmlDocumentKind::ProductDescription));

        const QString id = QStringLiteral("STD_TN_V_DirectParameters_1");
        const QString german = device.standardTexts->Language.last()->findText(id);
        const QString english = device.standardDefinitions->ExternalTextCollection.last()->PrimaryLanguage.last()->findText(id);
        QVERIFY(!german.isEmpty());
        QVERIFY(german != english);
        QCOMPARE(device.translate(id), german);
        QCOMPARE(device.translate("TN_Device"), QStringLiteral("Gerät (Schweiz)"));
        QCOMPARE(device.unitAbbreviation("1001"), QStringLiteral("°C"));
    }

    void unitAbbreviations_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("abbreviation");
        QTest::newRow("known unit") << "1001" << "°C";
        QTest::newRow("a unit without abbreviation is passed over") << "1010" << "m";
        QTest::newRow("unknown code") << "9999" << "";
        QTest::newRow("code compared as text") << "01013" << "";
        QTest::newRow("empty code") << "" << "";
    }

    void unitAbbreviations()
    {
        QFETCH(QString, code);
        QFETCH(QString, abbreviation);
        QCOMPARE(document("de", {})->unitAbbreviation(code), abbreviation);
        QCOMPARE(IODeviceT().unitAbbreviation(code), QString());
    }
};

OVINEX_TEST_MAIN(TestTextLookup)
#include "tst_textlookup.moc"
