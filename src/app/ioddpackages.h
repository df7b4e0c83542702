#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

class IODDListModel;
class QThread;

// The window's access to importing and removing IODDs: imports run on a worker thread, the result comes as
// one summary; the catalogue follows through its folder watcher.
class IoddPackages : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)
    Q_PROPERTY(QString progressText READ getProgressText NOTIFY progressTextChanged)

public:
    explicit IoddPackages(IODDListModel *catalogue, QObject *parent = nullptr);
    ~IoddPackages() override;

    bool isBusy() const { return worker != nullptr; }
    QString getProgressText() const { return progressText; }

    // Paths or file URLs, as a file dialog or a drop hands them over.
    static QStringList localPaths(const QVariantList &urls);

signals:
    void busyChanged();
    void progressTextChanged();
    // One map per IODD (see IoddImportResult::toMap); success is true when every file went in or was there.
    void importFinished(const QVariantList &results, bool success);

public:
    Q_INVOKABLE bool importFiles(const QVariantList &urls);
    // What removing the IODD deletes, for the confirmation: a folder or the IODD's files; empty when refused.
    Q_INVOKABLE QStringList removalTargets(const QString &ioddPath) const;
    // Empty on success, else why not.
    Q_INVOKABLE QString remove(const QString &ioddPath);

private:
    void finish(const QVariantList &results, bool success, bool folderIsNew);
    void setProgressText(const QString &text);

    IODDListModel *catalogue = nullptr;
    QThread *worker = nullptr;
    QString progressText;
};
