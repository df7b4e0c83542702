#pragma once

#include <QObject>
#include <QString>

#include <memory>

class IOLinkWrapper;

// Builds the binding of a device description beside the window's thread: reading a large description takes
// longer than the window may stand still, and it need not wait for the port, so it starts when connecting
// begins. A build nobody takes deletes its binding when it ends; the window never waits for that.
class BindingBuilder : public QObject
{
    Q_OBJECT

public:
    BindingBuilder(const QString &ioddPath, const QString &language, QObject *parent = nullptr);
    ~BindingBuilder() override;

    bool builds(const QString &ioddPath, const QString &language) const;
    // The binding, without parent and owned by the caller from now on; events run until it is built.
    // Null once taken.
    IOLinkWrapper *take();

private:
    struct Result;

    bool isDone() const;

    std::shared_ptr<Result> result;
    QString path;
    QString language;
};
