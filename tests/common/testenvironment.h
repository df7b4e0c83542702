#pragma once

#include <QString>
#include <QtTest>

// Gives every test process its own settings folder, data folder and log, so no test touches the user's.
class TestEnvironment
{
public:
    // Call before the application object exists: points HOME and the XDG folders at a fresh temporary folder.
    static void isolate();

    static QString rootPath();
    static QString testDataPath(const QString &relative = QString());
    static QString corpusPath(const QString &relative = QString());
    static bool hasCorpus();
    // One data row ("path") per XML file of the corpus outside its standard documents, sorted.
    static void addCorpusFileRows();
    static QString buildPath(const QString &relative = QString());

    // Our smallest device description, tests/data/catalogue/template.xml, for this product.
    static QByteArray templateIodd(const QString &productId, const QString &releaseDate, const QString &productName);
    // Writes the file, with the folders it lies in; false when it could not be written whole.
    static bool writeFile(const QString &path, const QByteArray &content);
    // The non-empty lines of a text file; none when it cannot be read.
    static QStringList readLines(const QString &path);
};

#include "testregistry.h"
