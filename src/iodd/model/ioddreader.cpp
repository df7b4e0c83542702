#include "ioddreader.h"

#include "core/valuekind.h"
#include "datatypeelements.h"
#include "processdataelements.h"

#include <QDomElement>
#include <QVarLengthArray>

namespace {

enum class TypePart { Simple, Complex, Union };

struct TypeObject
{
    std::unique_ptr<IOLinkKlasse> object;
    TypePart part = TypePart::Simple;
    bool isArray = false;
};

TypeObject createTypeObject(const QString &typeName)
{
    TypeObject result;
    switch (valueKindOf(typeName)) {
    case ValueKind::Boolean: result.object.reset(new BooleanT); break;
    case ValueKind::UInteger: result.object.reset(new UIntegerT); break;
    case ValueKind::Integer: result.object.reset(new IntegerT); break;
    case ValueKind::Float32: result.object.reset(new Float32T); break;
    case ValueKind::String: result.object.reset(new StringT); break;
    case ValueKind::OctetString: result.object.reset(new OctetStringT); break;
    case ValueKind::Time: result.object.reset(new TimeT); break;
    case ValueKind::TimeSpan: result.object.reset(new TimeSpanT); break;
    case ValueKind::Record: result = {std::unique_ptr<IOLinkKlasse>(new RecordT), TypePart::Complex, false}; break;
    case ValueKind::Array: result = {std::unique_ptr<IOLinkKlasse>(new ArrayT), TypePart::Complex, true}; break;
    case ValueKind::ProcessDataIn:
        result = {std::unique_ptr<IOLinkKlasse>(new ProcessDataInUnionT), TypePart::Union, false};
        break;
    case ValueKind::ProcessDataOut:
        result = {std::unique_ptr<IOLinkKlasse>(new ProcessDataOutUnionT), TypePart::Union, false};
        break;
    case ValueKind::Unknown: break;
    }
    return result;
}

bool hasPart(const DatatypeT *datatype)
{
    return datatype->simplePart || datatype->complexPart || datatype->unionPart;
}

} // namespace

bool IODDReader::readElement(IOLinkKlasse *element, const QDomNode &domNode, const QString &parentPath)
{
    readChildren(element, domNode, elementPath(element, parentPath));
    return true;
}

QString IODDReader::elementPath(const IOLinkKlasse *element, const QString &parentPath)
{
    return parentPath.isEmpty() ? element->elementName : parentPath + QLatin1Char('/') + element->elementName;
}

void IODDReader::readChildren(IOLinkKlasse *element, const QDomNode &domNode, const QString &path)
{
    const int listCount = element->childSlots.size();
    QVarLengthArray<bool, 16> found(listCount);
    std::fill(found.begin(), found.end(), false);
    // Siblings of one kind share one path string.
    QVarLengthArray<QString, 16> childPaths(listCount);

    // One walk over the children serves every child kind; the result equals one walk per kind,
    // since each instance reads only its own subtree.
    int counted = 0;
    for (QDomNode child = domNode.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const int childPosition = counted;
        if (!child.isComment())
            ++counted;
        if (!child.isElement())
            continue;
        const QString name = child.nodeName();
        for (int i = 0; i < listCount; ++i) {
            ChildListBase *list = element->childSlots.at(i);
            const IOLinkKlasse *prototype = list->prototype();
            if (!prototype || prototype->elementName != name)
                continue;
            IOLinkKlasse *instance = prototype->newInstance();
            instance->elementName = prototype->elementName;
            instance->position = childPosition;
            list->appendOwnedEntry(instance);
            if (childPaths[i].isNull())
                childPaths[i] = path + QLatin1Char('/') + instance->elementName;
            readAttributes(instance, child.toElement(), childPaths[i]);
            readChildren(instance, child, childPaths[i]);
            found[i] = true;
        }
    }

    for (int i = 0; i < listCount; ++i) {
        if (!found[i])
            describeAbsentChild(element->childSlots.at(i)->lastEntry(), path);
    }
}

void IODDReader::describeAbsentChild(IOLinkKlasse *entry, const QString &path)
{
    if (!entry)
        return;
    const QString entryPath = path + QLatin1Char('/') + entry->elementName;
    for (ValueSlot *slot : qAsConst(entry->attributeSlots))
        slot->path = entryPath;
    for (const ChildListBase *list : qAsConst(entry->childSlots)) {
        IOLinkKlasse *grandChild = list->lastEntry();
        if (!grandChild)
            continue;
        const QString childPath = entryPath + QLatin1Char('/') + grandChild->elementName;
        for (ValueSlot *slot : qAsConst(grandChild->attributeSlots))
            slot->path = childPath;
    }
}

bool IODDReader::readValues(IOLinkKlasse *element, const QDomNode &domNode, const QString &parentPath)
{
    if (domNode.isNull())
        return false;
    readAttributes(element, domNode.toElement(), parentPath + QLatin1Char('/') + element->elementName);
    return true;
}

void IODDReader::readAttributes(IOLinkKlasse *element, QDomElement domElement, const QString &path)
{
    // The count is re-read on every round: a type dispatch appends the type's own slots.
    for (int i = 0; i < element->attributeSlots.size(); ++i) {
        ValueSlot *slot = element->attributeSlots.at(i);
        slot->path = path;
        const QDomAttr attribute = domElement.attributeNode(slot->name);
        if (attribute.isNull()) {
            slot->value.clear();
            continue;
        }
        slot->value = attribute.value();
        if (slot->name.startsWith(QLatin1Char('x')) && slot->name.contains(QLatin1String("xsi:type")))
            dispatchType(element, *slot);
    }
}

void IODDReader::dispatchType(IOLinkKlasse *element, const ValueSlot &typeSlot)
{
    TypeObject type = createTypeObject(typeSlot.value);
    if (!type.object)
        return;
    auto *simpleElement = dynamic_cast<SimpleDatatypeT *>(element);
    auto *datatype = dynamic_cast<DatatypeT *>(element);
    // A record, array or union named on a SimpleDatatype has no Datatype to hang on, and a second
    // type for an element that already has one would leave spliced slots behind: both are ignored.
    if (type.part != TypePart::Simple && !datatype)
        return;
    if (datatype && hasPart(datatype))
        return;
    if (simpleElement && simpleElement->typedPart)
        return;
    if (!simpleElement && !datatype)
        return;

    IOLinkKlasse *typeObject = type.object.get();
    typeObject->elementName = element->elementName;
    const ValueSlot typeSlotCopy = typeSlot;
    switch (type.part) {
    case TypePart::Simple: {
        SimpleDatatypeT *simple = simpleElement;
        if (!simple) {
            datatype->simplePart.reset(new SimpleDatatypeT);
            simple = datatype->simplePart.get();
            simple->elementName = element->elementName;
        }
        simple->xsiType = typeSlotCopy;
        simple->typedPart = std::move(type.object);
        break;
    }
    case TypePart::Complex: {
        datatype->complexPart.reset(new ComplexDatatypeT);
        ComplexDatatypeT *complex = datatype->complexPart.get();
        complex->elementName = element->elementName;
        complex->xsiType = typeSlotCopy;
        if (type.isArray)
            complex->arrayPart.reset(static_cast<ArrayT *>(type.object.release()));
        else
            complex->recordPart.reset(static_cast<RecordT *>(type.object.release()));
        break;
    }
    case TypePart::Union:
        datatype->unionPart.reset(static_cast<ProcessDataUnionT *>(type.object.release()));
        break;
    }
    element->attributeSlots.append(typeObject->attributeSlots.constData(), typeObject->attributeSlots.size());
    element->childSlots.append(typeObject->childSlots.constData(), typeObject->childSlots.size());
}

