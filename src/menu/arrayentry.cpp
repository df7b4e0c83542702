#include "arrayentry.h"

ArrayEntry::ArrayEntry(uint index, QObject *parent)
    : QObject(parent)
    , index(index)
{
}

void ArrayEntry::setContent(uint newContent)
{
    if (newContent == content)
        return;
    content = newContent;
    emit contentChanged();
}
