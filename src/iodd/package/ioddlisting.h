#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// The IODDs of a folder as the command line lists them: one object per IODD, marked used when the
// catalogue would pick it for at least one of its products.
class IoddListing
{
public:
    static QList<QJsonObject> describe(const QString &ioddFolder);
};
