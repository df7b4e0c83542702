#include "parametercatalogue.h"

#include "binding/iolinkwrapper.h"
#include "device/variablewrapper.h"
#include "menu/menuentry.h"
#include "parameterset.h"

#include <QStringList>

ParameterCatalogue::ParameterCatalogue(const IOLinkWrapper *deviceBinding)
    : binding(const_cast<IOLinkWrapper *>(deviceBinding))
{
    if (!binding)
        return;
    for (VariableWrapper *variable : binding->getVariableWrappers()) {
        const Variable *description = variable->getVariable();
        if (description && description->index == systemCommandIndex) {
            for (const SingleValueEntry &choice : description->singleValues)
                systemCommands << qint64(choice.value.toUInt());
        }
        if (!belongsToSet(variable))
            continue;
        Entry entry;
        entry.variable = variable;
        entry.id = variable->getId();
        entry.index = variable->getIndex();
        const QString nameId = description->nameTextId;
        entry.name = nameId.isEmpty() ? description->name : binding->translate(nameId);
        if (entry.name.isEmpty() || entry.name.startsWith(QLatin1String("NO translation")))
            entry.name = description->name.isEmpty() ? entry.id : description->name;
        entry.maxOctets = int(variable->getOwnRecord().byteLength);
        entry.variableLength = variable->getOwnRecord().type == ValueKind::String;
        list.append(entry);
    }
    // Units come from the menus that show a variable as a whole.
    for (const MenuEntry *menuEntry : binding->getMenuEntries()) {
        if (menuEntry->getSubindex() == 0 && !menuEntry->getUnit().isEmpty())
            units.insert(menuEntry->getVariableId(), binding->translateUnit(menuEntry->getUnit()));
    }
}

bool ParameterCatalogue::belongsToSet(const VariableWrapper *variable)
{
    const Variable *description = variable ? variable->getVariable() : nullptr;
    if (!description || !description->invalidReason.isEmpty())
        return false;
    if (!variable->isReadable() || !variable->isWritable() || description->excludedFromDataStorage)
        return false;
    return description->index != systemCommandIndex && !isIdentificationIndex(description->index);
}

const ParameterCatalogue::Entry *ParameterCatalogue::find(const QString &id) const
{
    for (const Entry &entry : list) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

QString ParameterCatalogue::lengthProblem(const Entry &entry, const QByteArray &raw) const
{
    if (entry.variableLength ? raw.size() <= entry.maxOctets : raw.size() == entry.maxOctets)
        return QString();
    if (entry.variableLength)
        return tr("%1 octets, at most %2 allowed").arg(raw.size()).arg(entry.maxOctets);
    return tr("%1 octets instead of %2").arg(raw.size()).arg(entry.maxOctets);
}

bool ParameterCatalogue::offersSystemCommand(uchar command) const
{
    return systemCommands.contains(qint64(command));
}

QString ParameterCatalogue::displayText(const Entry &entry, const QByteArray &raw) const
{
    if (!binding || !entry.variable)
        return ParameterSet::toHex(raw);
    // Decoded in a copy, so that the values the window shows stay the device's.
    VariableWrapper decoded(entry.variable->getVariable());
    decoded.setDataFromDevice(0, raw);
    QString text;
    if (decoded.isComplex()) {
        QStringList items;
        for (const VariableWrapper::Record &record : decoded.getRecords()) {
            const QString name = record.name.isEmpty() ? QString::number(record.subindex) : binding->translate(record.name);
            items << QStringLiteral("%1: %2").arg(name, itemText(decoded, record.subindex));
        }
        text = items.join(QStringLiteral("; "));
    } else {
        text = itemText(decoded, 0);
    }
    const QString unit = units.value(entry.id);
    return unit.isEmpty() || decoded.isComplex() ? text : text + QLatin1Char(' ') + unit;
}

QString ParameterCatalogue::itemText(const VariableWrapper &decoded, quint32 subindex) const
{
    const QVariant value = decoded.getValue(subindex);
    const ValueKind type = decoded.getType(subindex);
    const Variable *description = decoded.getVariable();
    const QVector<SingleValueEntry> *choices = &description->singleValues;
    if (subindex != 0) {
        for (const myRecordItem &item : description->recordItems) {
            if (item.subindex == subindex)
                choices = &item.singleValues;
        }
    }
    for (const SingleValueEntry &choice : *choices) {
        const bool same = type == ValueKind::Float32 ? double(choice.value.toFloat()) == value.toDouble()
                        : type == ValueKind::Boolean ? choice.value.toBool() == value.toBool()
                        : type == ValueKind::Integer ? qint64(choice.value.toInt()) == value.toLongLong()
                                                     : qint64(choice.value.toUInt()) == value.toLongLong();
        if (same && (type == ValueKind::Boolean || isNumber(type)))
            return choice.textId.isEmpty() ? choice.text : binding->translate(choice.textId);
    }
    switch (type) {
    case ValueKind::Boolean:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case ValueKind::OctetString:
        return QString::fromLatin1(value.toByteArray().toHex(' ')).toUpper();
    default:
        return value.toString();
    }
}
