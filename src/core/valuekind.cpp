#include "valuekind.h"

#include <QDebug>

namespace {

struct KindName
{
    const char *part; // what a name must contain, so that prefixed or suffixed spellings still match
    const char *name;
    ValueKind kind;
};

// In match order: a name takes the first entry whose part it contains, so parts that contain others
// come first ("UInteger" holds "Integer", "OctetString" "String", "TimeSpan" "Time").
const KindName kindNames[] = {
    {"UInteger", "UIntegerT", ValueKind::UInteger},
    {"Integer", "IntegerT", ValueKind::Integer},
    {"Float", "Float32T", ValueKind::Float32},
    {"Boolean", "BooleanT", ValueKind::Boolean},
    {"OctetString", "OctetStringT", ValueKind::OctetString},
    {"String", "StringT", ValueKind::String},
    {"TimeSpan", "TimeSpanT", ValueKind::TimeSpan},
    {"Time", "TimeT", ValueKind::Time},
    {"Array", "ArrayT", ValueKind::Array},
    {"Record", "RecordT", ValueKind::Record},
    {"ProcessDataIn", "ProcessDataInUnionT", ValueKind::ProcessDataIn},
    {"ProcessDataOut", "ProcessDataOutUnionT", ValueKind::ProcessDataOut},
};

} // namespace

ValueKind valueKindOf(const QString &typeName)
{
    for (const KindName &entry : kindNames) {
        if (typeName.contains(QLatin1String(entry.part)))
            return entry.kind;
    }
    return ValueKind::Unknown;
}

QString valueKindName(ValueKind kind)
{
    for (const KindName &entry : kindNames) {
        if (entry.kind == kind)
            return QString::fromLatin1(entry.name);
    }
    return QString();
}

QDebug operator<<(QDebug debug, ValueKind kind)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << int(kind);
    return debug;
}
