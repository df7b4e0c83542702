#pragma once

#include <QAbstractListModel>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QList>
#include <QString>
#include <QTimer>
#include <QVariantList>

class IODDEntry;

// The catalogue of the IODD files under the search folder, rescanned whole whenever the folder changes.
// Rescans asked for by the window run in a background thread; the entries are replaced when it is done.
class IODDListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString ioddSearchPath READ getIoddSearchPath WRITE setIoddSearchPath NOTIFY ioddSearchPathChanged)
    Q_PROPERTY(int count READ getCount NOTIFY countChanged)
    Q_PROPERTY(bool scanning READ isScanning NOTIFY scanningChanged)

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

    // Folder changes are gathered for this long, so that copying many files causes one rescan.
    static constexpr int folderChangeDelayMs = 200;

    // Scans the search folder at once; an empty path lists nothing.
    explicit IODDListModel(const QString &searchPath = QString(), QObject *parent = nullptr);
    ~IODDListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int getCount() const { return entries.size(); }
    bool isScanning() const { return scanning; }
    // The entry whose variants carry the product ID, the latest release winning; matchCount tells how many matched.
    IODDEntry *findEntry(const QString &productId, int &matchCount) const;

signals:
    void ioddSearchPathChanged();
    void countChanged();
    void scanningChanged();

public slots:
    void onIoddFolderModified();

public:
    Q_INVOKABLE QObject *getEntry(int index) const;
    Q_INVOKABLE QString getIoddSearchPath() const;
    Q_INVOKABLE void setIoddSearchPath(const QString &path);
    // Scans at once, in the calling thread.
    Q_INVOKABLE void parseIODDs();
    // Scans in the background; a request during a scan is served by one more scan after it.
    Q_INVOKABLE void rescan();
    // Takes a new search folder as setIoddSearchPath does, and scans it in the background.
    Q_INVOKABLE void chooseIoddSearchPath(const QString &path);
    // Every IODD matching the product ID, the one findEntry picks first (see IoddChoice).
    Q_INVOKABLE QVariantList matchingIodds(const QString &productId) const;

private:
    static QStringList foldersToScan(const QString &searchPath);
    static QList<IODDEntry *> scanFolders(const QStringList &folders, QThread *home);
    void changeSearchPath(const QString &path);
    void replaceEntries(const QList<IODDEntry *> &scanned);
    void onScanFinished();
    void setScanning(bool value);
    void watch(const QString &path);
    static void sortForDisplay(QList<IODDEntry *> &list);
    static QString existingFile(const QString &path);

    QString searchPath;

    // The rows, sorted for people.
    QList<IODDEntry *> entries;
    // The same entries as the folders were scanned; on equal release dates the first found wins a match.
    QList<IODDEntry *> scanOrder;
    QFileSystemWatcher watcher;
    QTimer folderChangeDelay;
    QFutureWatcher<QList<IODDEntry *>> scanWatcher;
    bool scanning = false;
    bool rescanWanted = false;
    // Counts the scans that replaced the entries; a background scan overtaken by another is thrown away.
    quint64 scanGeneration = 0;
    quint64 backgroundGeneration = 0;
};
