import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A title and its value on one line; the column gives all its titles one width. Where the line is too
// narrow for the value, the value goes under its title instead of breaking in the middle of a word.
GridLayout {
    id: field

    property string title
    property string value
    // A value kept from before (the device is gone for the moment) is shown grey.
    property bool stale: false
    property real titleWidth: titleLabel.implicitWidth
    property int maximumLineCount: 2
    readonly property real titleImplicitWidth: titleLabel.implicitWidth
    readonly property bool stacked: width > 0 && titleWidth + columnSpacing + valueMetrics.advanceWidth(value) > width

    columns: stacked ? 1 : 2
    columnSpacing: 16
    rowSpacing: 0

    FontMetrics {
        id: valueMetrics
        font: valueLabel.font
    }

    Label {
        id: titleLabel
        Layout.preferredWidth: field.stacked ? -1 : field.titleWidth
        Layout.alignment: Qt.AlignTop
        color: "#606060"
        text: field.title
    }
    Label {
        id: valueLabel
        objectName: field.objectName + "Text"
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        maximumLineCount: field.maximumLineCount
        elide: Text.ElideRight
        font.bold: true
        color: field.stale ? "#9e9e9e" : Material.foreground
        text: field.value
        ToolTip.visible: truncated && valueArea.containsMouse
        ToolTip.text: field.value
        MouseArea { id: valueArea; anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.NoButton }
    }
}
