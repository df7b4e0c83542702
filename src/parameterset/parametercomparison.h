#pragma once

#include "parametercatalogue.h"
#include "parameterreader.h"
#include "parameterset.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// A parameter set side by side with what the device holds now, parameter by parameter, in the file's order.
class ParameterComparison
{
    Q_DECLARE_TR_FUNCTIONS(ParameterComparison)

public:
    struct Row
    {
        QString id;
        uint index = 0;
        uint subindex = 0;
        QString name;
        QByteArray fileRaw;
        QByteArray deviceRaw;
        QString fileText;
        QString deviceText;
        bool differs = false;
    };

    // The file's parameters that the IODD knows, each as the device should be read for it.
    static QList<ParameterCatalogue::Entry> entriesToRead(const ParameterSet &set, const ParameterCatalogue &catalogue);
    static QList<Row> compare(const ParameterSet &set, const ParameterCatalogue &catalogue,
                              const QList<ParameterReader::Result> &device);
    static int differenceCount(const QList<Row> &rows);
};
