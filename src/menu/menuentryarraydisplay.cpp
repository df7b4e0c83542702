#include "menuentryarraydisplay.h"

#include "arrayentry.h"
#include "device/variablewrapper.h"

#include <QDebug>

#include <algorithm>

MenuEntryArrayDisplay::MenuEntryArrayDisplay(VariableWrapper *var, quint32 subindex, QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    setSubindex(subindex);
    const int count = elementCount(var);
    for (int number = 1; number <= count; ++number)
        elements.append(new ArrayEntry(uint(number), this));
}

// Element size and array length are compared in the same unit: octets for elements that have a fixed
// length (strings, octet strings), bits otherwise. Never more elements than the variable decodes.
int MenuEntryArrayDisplay::elementCount(const VariableWrapper *var)
{
    if (!var || !var->getVariable() || var->getVariable()->recordItems.isEmpty())
        return 0;
    const Variable *variable = var->getVariable();
    const myRecordItem &element = variable->recordItems.first();
    quint32 count = 0;
    if (element.fixedLength > 0)
        count = variable->fixedLength / element.fixedLength;
    else if (element.bitLength > 0)
        count = variable->bitLength / element.bitLength;
    return int(std::min<quint32>(count, quint32(variable->recordItems.size())));
}

// Event entries carry a qualifier octet before the event code; the code is what has a text.
uint MenuEntryArrayDisplay::contentOf(const QVariant &value)
{
    if (value.userType() != QMetaType::QByteArray)
        return uint(value.toULongLong());
    const QByteArray octets = value.toByteArray();
    uint content = 0;
    for (int i = octets.size() > 1 ? 1 : 0; i < octets.size(); ++i)
        content = (content << 8) | quint8(octets.at(i));
    return content;
}

QString MenuEntryArrayDisplay::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/desktop/MenuEntryArrayDisplay.qml");
}

QList<QObject *> MenuEntryArrayDisplay::getByteArray()
{
    VariableWrapper *var = getVariableWrapper();
    if (isValid() && var) {
        for (ArrayEntry *element : qAsConst(elements)) {
            const QVariant value = var->getValue(element->getIndex());
            if (value.isValid())
                element->setContent(contentOf(value));
        }
    }
    QList<QObject *> result;
    result.reserve(elements.size());
    for (ArrayEntry *element : qAsConst(elements))
        result.append(element);
    return result;
}
