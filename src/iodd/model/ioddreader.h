#pragma once

#include <QString>

class IOLinkKlasse;
class QDomElement;
class QDomNode;
struct ValueSlot;

// Fills element objects from a DOM tree according to their declarations, splicing in the type
// object that an xsi:type names.
class IODDReader
{
public:
    bool readElement(IOLinkKlasse *element, const QDomNode &domNode, const QString &parentPath);
    bool readValues(IOLinkKlasse *element, const QDomNode &domNode, const QString &parentPath);

private:
    static QString elementPath(const IOLinkKlasse *element, const QString &parentPath);
    void readChildren(IOLinkKlasse *element, const QDomNode &domNode, const QString &path);
    void readAttributes(IOLinkKlasse *element, QDomElement domElement, const QString &path);
    void dispatchType(IOLinkKlasse *element, const ValueSlot &typeSlot);
    static void describeAbsentChild(IOLinkKlasse *prototype, const QString &path);
};
