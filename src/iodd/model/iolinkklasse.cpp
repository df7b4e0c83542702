#include "iolinkklasse.h"

void ChildListBase::keep(IOLinkKlasse *object)
{
    ownedObjects.emplace_back(object);
}

void ChildListBase::keepPrototype(IOLinkKlasse *object)
{
    ownedPrototype.reset(object);
    prototypeObject = object;
}

IOLinkKlasse::~IOLinkKlasse() = default;

qint64 IOLinkKlasse::toInteger(const QString &text)
{
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok, 10);
    return ok ? number : 0;
}

quint64 IOLinkKlasse::toUnsigned(const QString &text)
{
    bool ok = false;
    const quint64 number = text.trimmed().toULongLong(&ok, 10);
    return ok ? number : 0;
}

void IOLinkKlasse::declare(ValueSlot &slot, const QString &name)
{
    slot.name = name;
    attributeSlots.append(&slot);
}
