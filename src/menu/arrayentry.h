#pragma once

#include <QObject>

// One element of an array shown by MenuEntryArrayDisplay.
class ArrayEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(uint index READ getIndex NOTIFY indexChanged)
    Q_PROPERTY(uint content READ getContent NOTIFY contentChanged)

public:
    // Nothing received yet.
    static constexpr uint noContent = 0xFFFF;

    explicit ArrayEntry(uint index, QObject *parent = nullptr);

    uint getIndex() const { return index; }
    uint getContent() const { return content; }
    void setContent(uint newContent);

signals:
    void indexChanged();
    void contentChanged();

private:
    uint index = 0;
    uint content = noContent;
};
