#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// Stand-ins for the device binding, its menus and menu entries, with the names the screens bind to.

class FakeArrayEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int index MEMBER index NOTIFY indexChanged)
    Q_PROPERTY(uint content MEMBER content NOTIFY contentChanged)

public:
    FakeArrayEntry(int index, uint content, QObject *parent) : QObject(parent), index(index), content(content) {}

signals:
    void indexChanged();
    void contentChanged();

private:
    int index;
    uint content;
};

// One class for every kind of entry: each view reads only the names of its own kind.
class FakeMenuEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString qmlFileName MEMBER qmlFileName CONSTANT)
    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(QString textId MEMBER textId CONSTANT)
    Q_PROPERTY(bool visible MEMBER visible NOTIFY visibleChanged)
    Q_PROPERTY(QString unit MEMBER unit CONSTANT)
    Q_PROPERTY(QVariant value MEMBER value NOTIFY valueChanged)
    Q_PROPERTY(uint digits MEMBER digits CONSTANT)
    Q_PROPERTY(bool valid MEMBER valid NOTIFY validChanged)
    Q_PROPERTY(bool expanded MEMBER expanded NOTIFY expandedChanged)
    Q_PROPERTY(bool actValue READ getActValue NOTIFY valueChanged)
    Q_PROPERTY(QStringList textIds MEMBER textIds CONSTANT)
    Q_PROPERTY(int currentIndex MEMBER currentIndex NOTIFY valueChanged)
    Q_PROPERTY(QString singleValue MEMBER singleValue NOTIFY valueChanged)
    Q_PROPERTY(float lowerLimit MEMBER lowerLimit CONSTANT)
    Q_PROPERTY(float upperLimit MEMBER upperLimit CONSTANT)
    Q_PROPERTY(float step MEMBER step CONSTANT)
    Q_PROPERTY(QString text READ getText NOTIFY valueChanged)
    Q_PROPERTY(int maxLength MEMBER maxLength CONSTANT)
    Q_PROPERTY(QString nameId MEMBER nameId CONSTANT)
    Q_PROPERTY(int maxNameLength MEMBER maxNameLength NOTIFY maxNameLengthChanged)
    Q_PROPERTY(QList<QObject *> byteArray READ getByteArray NOTIFY valueChanged)

public:
    FakeMenuEntry(const QString &view, const QString &id, const QString &textId, QObject *parent);

    bool getActValue() const { return value.toBool(); }
    QString getText() const { return value.toString(); }
    QList<QObject *> getByteArray() const { return elements; }

    Q_INVOKABLE void setDataFromUserInput(const QVariant &data);
    Q_INVOKABLE void onButtonClicked() { ++buttonClicks; }
    Q_INVOKABLE void onLanguageChanged(int textLength, const QString &newLanguage);

    void setValue(const QVariant &newValue);
    void setVisible(bool shown);

    QString qmlFileName;
    QString id;
    QString textId;
    bool visible = true;
    QString unit;
    QVariant value;
    uint digits = 0;
    bool valid = true;
    bool expanded = false;
    QStringList textIds;
    int currentIndex = 0;
    QString singleValue;
    float lowerLimit = 0;
    float upperLimit = 0;
    float step = 0;
    int maxLength = 0;
    QString nameId;
    int maxNameLength = 0;
    QList<QObject *> elements;

    QVariantList userInputs;
    int buttonClicks = 0;
    QList<QPair<int, QString>> languageReports;

signals:
    void visibleChanged();
    void valueChanged();
    void validChanged();
    void expandedChanged();
    void maxNameLengthChanged();
};

class FakeMenuEntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    FakeMenuEntryListModel(const QList<FakeMenuEntry *> &entries, QObject *parent)
        : QAbstractListModel(parent), entries(entries) {}

    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : entries.size(); }
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override { return { { entryRole, "entry" } }; }

private:
    static constexpr int entryRole = 5;
    QList<FakeMenuEntry *> entries;
};

class FakeMenu : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *entryModel MEMBER entryModel CONSTANT)
    Q_PROPERTY(QObject *reversedEntryModel MEMBER reversedEntryModel CONSTANT)
    Q_PROPERTY(QString id MEMBER id CONSTANT)

public:
    FakeMenu(const QString &id, const QList<FakeMenuEntry *> &entries, QObject *parent);

    QString id;
    QObject *entryModel = nullptr;
    QObject *reversedEntryModel = nullptr;
};

class FakeIoLink : public QObject
{
    Q_OBJECT
    Q_PROPERTY(uint syncTasksRemaining MEMBER syncTasksRemaining NOTIFY syncTasksRemainingChanged)
    Q_PROPERTY(uint syncTasksTotal MEMBER syncTasksTotal NOTIFY syncTasksTotalChanged)

public:
    explicit FakeIoLink(QObject *parent = nullptr);

    Q_INVOKABLE QObject *getMenu(const QString &id) const { return menus.value(id); }
    Q_INVOKABLE QObject *getMenuEntry(int index) const { return indexedEntries.value(index); }
    Q_INVOKABLE QString translate(const QString &id) const;
    Q_INVOKABLE QStringList translate(const QStringList &ids) const;
    Q_INVOKABLE QString translateUnit(const QString &unitCode) const;
    Q_INVOKABLE QString translateEvent(int eventCode) const;

    void setLanguage(const QString &language);
    void setSync(uint total, uint remaining);
    FakeMenuEntry *entry(const QString &id) const;

    QHash<QString, FakeMenu *> menus;
    QHash<int, FakeMenuEntry *> indexedEntries;
    uint syncTasksRemaining = 0;
    uint syncTasksTotal = 0;

signals:
    void syncTasksTotalChanged();
    void syncTasksRemainingChanged();
    void currentLanguageChanged(const QString &newLanguage);

private:
    void buildMenus();
    FakeMenuEntry *addEntry(QList<FakeMenuEntry *> &list, const QString &view, const QString &id, const QString &textId);

    QString language = QStringLiteral("en");
    QList<FakeMenuEntry *> allEntries;
};
