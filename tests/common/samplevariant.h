#pragma once

#include <QDomDocument>
#include <QString>
#include <QTemporaryDir>

// A copy of the sample device description with parts taken out or added, for the cases the sample
// itself does not show. Cheaper to keep than a full hand-written description per case.
class SampleVariant
{
public:
    SampleVariant();

    // Drops every element of this name, with its content.
    SampleVariant &without(const QString &elementName);
    // Puts an XML fragment into the first element of this name, as its first or last children.
    SampleVariant &insertInto(const QString &elementName, const QString &fragment, bool first = false);
    // Writes the copy; empty when the sample could not be read or the copy not be written.
    QString write(const QString &fileName = QStringLiteral("variant.xml"));

private:
    QDomElement firstElement(const QString &name);

    QTemporaryDir folder;
    QDomDocument document;
    bool usable = false;
};
