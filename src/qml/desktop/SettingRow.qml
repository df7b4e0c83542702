import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// One setting: its name, a grey line saying what it is set to, and its control at the right.
RowLayout {
    id: row

    property string title
    property string detail
    default property alias control: controlSlot.data

    Layout.fillWidth: true
    Layout.minimumHeight: 56
    spacing: 16

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 0
        Label {
            Layout.fillWidth: true
            elide: Text.ElideRight
            text: row.title
        }
        Label {
            Layout.fillWidth: true
            elide: Text.ElideRight
            font.pixelSize: 12
            color: "#808080"
            text: row.detail
        }
    }
    Item {
        id: controlSlot
        Layout.preferredWidth: childrenRect.width
        Layout.preferredHeight: childrenRect.height
    }
}
