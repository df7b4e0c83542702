#include "processdatadisplayhints.h"

#include "iodd/model/userinterfaceelements.h"

#include <QStringList>

namespace {

const QString inputId = QStringLiteral("V_ProcessDataInput");
const QString outputId = QStringLiteral("V_ProcessDataOutput");

template <class Reference>
QStringList describe(const Reference *reference)
{
    return { reference->gradient.value.trimmed(), reference->offset.value.trimmed(), reference->unitCode.value,
             reference->displayFormat.value };
}

} // namespace

ProcessDataDisplayHints ProcessDataDisplayHints::fromMenus(const MenuCollectionT *menus)
{
    ProcessDataDisplayHints result;
    if (!menus)
        return result;
    // Entry 0 of every list is its prototype.
    for (int m = 1; m < menus->Menu.size(); ++m) {
        const MenuT *menu = menus->Menu.at(m);
        for (int i = 1; i < menu->RecordItemRef.size(); ++i) {
            const UIRecordItemRefT *ref = menu->RecordItemRef.at(i);
            const QString &id = ref->variableId.value;
            if (id == inputId || id == outputId)
                result.add({ id == outputId, ref->subindex.value.trimmed().toInt() }, describe(ref));
        }
        for (int i = 1; i < menu->VariableRef.size(); ++i) {
            const UIVariableRefT *ref = menu->VariableRef.at(i);
            const QString &id = ref->variableId.value;
            if (id == inputId || id == outputId)
                result.add({ id == outputId, 0 }, describe(ref));
        }
    }
    return result;
}

void ProcessDataDisplayHints::add(const Key &key, const QStringList &described)
{
    const auto known = texts.constFind(key);
    if (known != texts.constEnd()) {
        if (*known != described)
            hints.remove(key);
        return;
    }
    texts.insert(key, described);
    hints.insert(key, { LinearScaling::fromTexts(described.at(0), described.at(1)), described.at(2), described.at(3) });
}

const ProcessDataDisplayHints::Hint *ProcessDataDisplayHints::find(bool output, int subindex) const
{
    const auto found = hints.constFind({ output, subindex });
    return found == hints.constEnd() ? nullptr : &found.value();
}
