#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// What became of one IODD of one imported file, as the summary shows it.
struct IoddImportResult
{
    enum Status { Imported, AlreadyPresent, NotUsed, Refused };

    QString source;
    // The IODD's file name; empty when the whole file was refused before any IODD was found in it.
    QString iodd;
    Status status = Refused;
    QString reason;
    // The package folder in the IODD folder that holds it, when imported.
    QString folder;
    // Files of the package that were left out, each with why.
    QStringList skipped;

    bool isSuccess() const { return status != Refused; }
    QString statusText() const;
    QString statusKey() const;
    QVariantMap toMap() const;
};
