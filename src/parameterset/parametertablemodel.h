#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

// The rows of a comparison or a restore report for the window, with the filter "only differences"
// and the export as CSV (always every row).
class ParameterTableModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool onlyDifferences READ getOnlyDifferences WRITE setOnlyDifferences NOTIFY onlyDifferencesChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum Roles { NameRole = Qt::UserRole + 1, IdRole, IndexRole, FileTextRole, DeviceTextRole, DiffersRole, StatusRole, DetailRole };

    struct Row
    {
        QString id;
        uint index = 0;
        QString name;
        QString fileText;
        QString deviceText;
        bool differs = false;
        QString status;
        QString detail;
    };

    explicit ParameterTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    void setRows(const QList<Row> &rows);
    const QList<Row> &allRows() const { return rows; }
    bool getOnlyDifferences() const { return onlyDifferences; }
    void setOnlyDifferences(bool only);

    // Every row, the differing ones too when the filter hides the others, as comma-separated text.
    QByteArray toCsv() const;

signals:
    void onlyDifferencesChanged();
    void countChanged();

private:
    void refilter();
    static QString csvField(const QString &text);

    QList<Row> rows;
    QList<int> shown;
    bool onlyDifferences = true;
};
