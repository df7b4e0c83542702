import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A title and its value on one line; the column gives all its titles one width.
RowLayout {
    id: field

    property string title
    property string value
    // A value kept from before (the device is gone for the moment) is shown grey.
    property bool stale: false
    property real titleWidth: titleLabel.implicitWidth
    readonly property real titleImplicitWidth: titleLabel.implicitWidth

    spacing: 16

    Label {
        id: titleLabel
        Layout.preferredWidth: field.titleWidth
        Layout.alignment: Qt.AlignTop
        color: "#606060"
        text: field.title
    }
    Label {
        objectName: field.objectName + "Text"
        Layout.fillWidth: true
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
        font.bold: true
        color: field.stale ? "#9e9e9e" : Material.foreground
        text: field.value
    }
}
