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

TypeKind IOLinkKlasse::typeKindOf(const QString &typeName)
{
    // Order matters: later names are substrings of earlier ones ("Integer" in "UInteger", "Time" in "TimeSpan").
    static const struct {
        const char *part;
        TypeKind kind;
    } kinds[] = {
        {"UInteger", TypeKind::UInteger},
        {"Integer", TypeKind::Integer},
        {"Float", TypeKind::Float},
        {"Boolean", TypeKind::Boolean},
        {"OctetString", TypeKind::OctetString},
        {"String", TypeKind::String},
        {"TimeSpan", TypeKind::TimeSpan},
        {"Time", TypeKind::Time},
        {"Array", TypeKind::Array},
        {"Record", TypeKind::Record},
        {"ProcessDataIn", TypeKind::ProcessDataIn},
        {"ProcessDataOut", TypeKind::ProcessDataOut},
    };
    for (const auto &entry : kinds) {
        if (typeName.contains(QLatin1String(entry.part)))
            return entry.kind;
    }
    return TypeKind::Unknown;
}

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
