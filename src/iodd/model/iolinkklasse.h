#pragma once

#include <QList>
#include <QString>
#include <QVarLengthArray>

#include <memory>
#include <vector>

class IOLinkKlasse;

// One declared attribute of an element. Values stay text; consumers convert them where they use them.
struct ValueSlot
{
    QString path;   // element path of the owner, informational only
    QString name;   // attribute name as written, prefix included ("xsi:type")
    QString value;  // empty when the attribute is absent
};

// The reader's untyped view of one child list: it only needs the prototype and a way to append.
class ChildListBase
{
public:
    virtual ~ChildListBase() = default;

    virtual int entryCount() const = 0;
    virtual IOLinkKlasse *entry(int index) const = 0;
    IOLinkKlasse *lastEntry() const { return entryCount() > 0 ? entry(entryCount() - 1) : nullptr; }
    IOLinkKlasse *prototype() const { return prototypeObject; }

    // Appends an object read or created for this list; the list keeps it alive.
    virtual void appendOwnedEntry(IOLinkKlasse *object) = 0;

protected:
    void keep(IOLinkKlasse *object);
    void keepPrototype(IOLinkKlasse *object);

    IOLinkKlasse *prototypeObject = nullptr;

private:
    // Every element has one prototype per child kind, most have few instances: the prototype is
    // held on its own so that a list without instances allocates nothing for ownership.
    std::unique_ptr<IOLinkKlasse> ownedPrototype;
    std::vector<std::unique_ptr<IOLinkKlasse>> ownedObjects;
};

// A typed child list. The QList part is the view consumers iterate (entry 0 the prototype); ownership
// is held apart, so the completion stage may share, remove or reorder entries without freeing anything.
// Assigning one list to another shares the other's entries; nothing changes owner.
template <class T>
class ChildList : public ChildListBase, public QList<T *>
{
public:
    ChildList() = default;
    ChildList(const ChildList &) = delete;
    ChildList &operator=(const ChildList &other)
    {
        QList<T *>::operator=(other);
        return *this;
    }

    int entryCount() const override { return QList<T *>::size(); }
    IOLinkKlasse *entry(int index) const override { return QList<T *>::at(index); }

    void appendOwnedEntry(IOLinkKlasse *object) override { appendOwned(static_cast<T *>(object)); }

    // Appends an object this list owns from now on (read instances, copies made by the completion).
    T *appendOwned(T *object)
    {
        keep(object);
        QList<T *>::append(object);
        return object;
    }

    // Appends an object owned elsewhere (a datatype found in a collection, a shared list entry).
    void appendShared(T *object) { QList<T *>::append(object); }

    void setPrototype(T *object)
    {
        keepPrototype(object);
        QList<T *>::append(object);
    }
};

// Base of every IODD element class. A class declares its attributes and child kinds in its constructor;
// the generic reader fills any element from those declarations.
class IOLinkKlasse
{
public:
    IOLinkKlasse() = default;
    IOLinkKlasse(const IOLinkKlasse &) = delete;
    IOLinkKlasse &operator=(const IOLinkKlasse &) = delete;
    virtual ~IOLinkKlasse();

    // A fresh object of the same concrete class, with this object's element name.
    virtual IOLinkKlasse *newInstance() const = 0;

    // Attribute booleans count only when written exactly "true".
    static bool isTrue(const ValueSlot &slot) { return slot.value == QLatin1String("true"); }
    // Decimal integer conversion of attribute text; anything unparsable is 0.
    static qint64 toInteger(const QString &text);
    static quint64 toUnsigned(const QString &text);

    // Held inline: most elements declare a few of each, and a description has thousands of elements.
    QVarLengthArray<ValueSlot *, 6> attributeSlots;
    QVarLengthArray<ChildListBase *, 4> childSlots;
    qint32 position = 0;
    QString elementName;

protected:
    void declare(ValueSlot &slot, const QString &name);

    template <class T>
    void declare(ChildList<T> &list, const QString &childElementName)
    {
        T *prototype = new T;
        prototype->elementName = childElementName;
        list.setPrototype(prototype);
        childSlots.append(&list);
    }
};

// Declares the constructor and newInstance of an element class.
#define IODD_ELEMENT(Class)                                 \
public:                                                     \
    Class();                                                \
    IOLinkKlasse *newInstance() const override              \
    {                                                       \
        auto *instance = new Class;                         \
        instance->elementName = elementName;                \
        return instance;                                    \
    }                                                       \
                                                            \
private:
