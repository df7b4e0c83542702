#pragma once

#include <QElapsedTimer>
#include <QString>

class IOLinkKlasse;
class QDomElement;
class QDomNode;
struct ValueSlot;

// Fills element objects from a DOM tree according to their declarations, splicing in the type
// object that an xsi:type names. Lets the event loop run while it reads so the window stays live.
class IODDReader
{
public:
    // Events run at most every `eventIntervalMs` milliseconds; 0 runs them for every element, a
    // negative interval never.
    explicit IODDReader(int eventIntervalMs = defaultEventIntervalMs);

    static constexpr int defaultEventIntervalMs = 10;

    bool readElement(IOLinkKlasse *element, const QDomNode &domNode, const QString &parentPath);
    bool readValues(IOLinkKlasse *element, const QDomNode &domNode, const QString &parentPath);

private:
    static QString elementPath(const IOLinkKlasse *element, const QString &parentPath);
    void readChildren(IOLinkKlasse *element, const QDomNode &domNode, const QString &path);
    void readAttributes(IOLinkKlasse *element, QDomElement domElement, const QString &path);
    void dispatchType(IOLinkKlasse *element, const ValueSlot &typeSlot);
    void letEventsRun();
    static void describeAbsentChild(IOLinkKlasse *prototype, const QString &path);

    QElapsedTimer sinceEvents;
    int eventInterval;
};
