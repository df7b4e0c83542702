#pragma once

#include "iodd/package/ioddimportresult.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class IODDEntry;

// Imports IODD packages (zip files) and single IODD files into the IODD folder, each IODD with its language
// files and pictures into a folder of its own. A package goes in whole or not at all.
class IoddImporter : public QObject
{
    Q_OBJECT

public:
    explicit IoddImporter(const QString &ioddFolder, QObject *parent = nullptr);

    QList<IoddImportResult> importFiles(const QStringList &paths);
    QList<IoddImportResult> importFile(const QString &path);

    // What the command line's exit status and the summary's headline go by.
    static bool allSucceeded(const QList<IoddImportResult> &results);
    // The package folder's name: vendor, product and release date, cleaned for every file system.
    static QString packageFolderName(const IODDEntry &entry);

signals:
    void progress(int done, int total, const QString &file);

private:
    struct Known
    {
        int vendorId = 0;
        int deviceId = 0;
        QString releaseDate;
    };
    struct Candidate
    {
        QString path;
        QString folderName;
        int vendorId = 0;
        int deviceId = 0;
        QString releaseDate;
        QStringList companions;
    };

    void loadKnown();
    QString stagingTemplate() const;
    QList<IoddImportResult> importStaged(const QString &source, const QString &unpacked, const QStringList &xmlFiles,
                                         const QString &staging);
    IoddImportResult::Status statusOf(const Candidate &candidate, const QList<Candidate> &package) const;
    bool stagePackage(const QString &folder, const QList<Candidate> &members, QString *error) const;
    QString freeTargetName(const QString &name) const;
    static QList<IoddImportResult> refused(const QString &source, const QString &reason,
                                           const QStringList &skipped = QStringList());

    QString folder;
    QList<Known> known;
    bool knownLoaded = false;
};
