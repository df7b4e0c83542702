#pragma once

#include <QFileInfo>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class QXmlStreamReader;

// The identity of one IODD file, read by a quick streaming scan that stops as soon as it has what the catalogue shows.
class IODDEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool valid READ isValid CONSTANT)
    Q_PROPERTY(QString vendorName READ getVendorName CONSTANT)
    Q_PROPERTY(QString productName READ getProductName CONSTANT)
    Q_PROPERTY(QString ioddReleaseDate READ getIODDReleaseDate CONSTANT)
    Q_PROPERTY(QString ioddVersion READ getIODDVersion CONSTANT)
    Q_PROPERTY(QString ioddPath READ getIODDPath CONSTANT)
    Q_PROPERTY(QString deviceIconPath READ getFirstDeviceIconPath CONSTANT)
    Q_PROPERTY(QString deviceSymbolPath READ getFirstDeviceSymbolPath CONSTANT)
    Q_PROPERTY(QStringList files READ getFiles CONSTANT)
    Q_PROPERTY(int deviceId READ getDeviceId CONSTANT)
    Q_PROPERTY(int vendorId READ getVendorId CONSTANT)

public:
    explicit IODDEntry(const QFileInfo &fileInfo, QObject *parent = nullptr);
    // For callers that scan many files of one folder: the folder's file names, listed once.
    IODDEntry(const QFileInfo &fileInfo, const QStringList &folderFiles, QObject *parent = nullptr);

    Q_INVOKABLE bool isValid() const { return valid; }
    Q_INVOKABLE QString getVendorName() const { return vendorName; }
    Q_INVOKABLE QString getProductName() const { return productName; }
    Q_INVOKABLE int getDeviceId() const { return deviceId; }
    Q_INVOKABLE int getVendorId() const { return vendorId; }
    Q_INVOKABLE QString getIODDReleaseDate() const { return releaseDate; }
    Q_INVOKABLE QString getIODDVersion() const { return version; }
    Q_INVOKABLE QString getIODDPath() const { return ioddPath; }
    Q_INVOKABLE QString getVendorLogoPath() const { return vendorLogo; }
    Q_INVOKABLE bool isMatchingProductId(const QString &productId) const;
    Q_INVOKABLE QString getFirstDeviceIconPath() const;
    Q_INVOKABLE QString getFirstDeviceSymbolPath() const;
    // The files of the folder that belong to this description: itself, its language files and its pictures.
    Q_INVOKABLE QStringList getFiles() const;
    QStringList getProductIds() const { return deviceIcons.keys(); }

    void parse();
    uint parseIds(QXmlStreamReader &reader);
    QString getDeviceIconPath(const QString &productId) const;
    QString getDeviceSymbolPath(const QString &productId) const;

    static QString undefinedText();
    // Whether the file holds the texts of another language for the description file beside it.
    static bool isLanguageFileOf(const QString &fileName, const QString &descriptionFile);

private:
    struct ScanState
    {
        bool identityRead = false;
        bool nameResolved = false;
        uint identityCount = 0;
        uint versionCount = 0;
        bool done() const { return identityRead && nameResolved; }
    };

    void readDocumentInfo(QXmlStreamReader &reader, ScanState &state);
    void readProfileBody(QXmlStreamReader &reader, ScanState &state);
    void readProductNameDefault(QXmlStreamReader &reader, ScanState &state);
    void readExternalTexts(QXmlStreamReader &reader, ScanState &state);
    uint readDeviceVariants(QXmlStreamReader &reader);
    QString absolutePicturePath(const QString &fileName) const;
    static QString pathFor(const QMap<QString, QString> &paths, const QString &productId);

    bool valid = false;
    QString folder;
    QString vendorName;
    QString productName;
    qint32 vendorId = 0;
    qint32 deviceId = 0;
    QString version;
    QString releaseDate;
    QString ioddPath;
    QString vendorLogo;
    QMap<QString, QString> deviceIcons;
    QMap<QString, QString> deviceSymbols;
    QFileInfo fileInfo;
    QStringList folderFiles;
};
