#pragma once

#include <QAbstractListModel>
#include <QFileSystemWatcher>
#include <QList>
#include <QString>
#include <QVariantList>

class IODDEntry;

// The catalogue of the IODD files under the search folder, rescanned whole whenever the folder changes.
class IODDListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString ioddSearchPath READ getIoddSearchPath WRITE setIoddSearchPath NOTIFY ioddSearchPathChanged)
    Q_PROPERTY(int count READ getCount NOTIFY countChanged)

public:
    enum Roles {
        ValidRole = Qt::UserRole,
        NameRole,
        ProductNameRole,
        VendorIdRole,
        DeviceIdRole,
        VendorNameRole,
        VendorLogoPathRole,
        DeviceIconPathRole,
        DeviceSymbolPathRole
    };

    // Scans the search folder at once; an empty path lists nothing.
    explicit IODDListModel(const QString &searchPath = QString(), QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int getCount() const { return entries.size(); }
    // The entry whose variants carry the product ID, the latest release winning; matchCount tells how many matched.
    IODDEntry *findEntry(const QString &productId, int &matchCount) const;

signals:
    void ioddSearchPathChanged();
    void countChanged();

public slots:
    void onIoddFolderModified();

public:
    Q_INVOKABLE QObject *getEntry(int index) const;
    Q_INVOKABLE QString getIoddSearchPath() const;
    Q_INVOKABLE void setIoddSearchPath(const QString &path);
    Q_INVOKABLE void parseIODDs();
    // Every IODD matching the product ID, the one findEntry picks first (see IoddChoice).
    Q_INVOKABLE QVariantList matchingIodds(const QString &productId) const;

private:
    QStringList foldersToScan(const QString &searchPath) const;
    void scanFolder(const QString &folderPath);
    void watch(const QString &path);
    static void sortForDisplay(QList<IODDEntry *> &list);
    static QString existingFile(const QString &path);

    QString searchPath;

    // The rows, sorted for people.
    QList<IODDEntry *> entries;
    // The same entries as the folders were scanned; on equal release dates the first found wins a match.
    QList<IODDEntry *> scanOrder;
    QFileSystemWatcher watcher;
};
