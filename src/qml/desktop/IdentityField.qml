import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A title and its value on one line; the column gives all its titles one width.
RowLayout {
    id: field

    property string title
    property string value
    property real titleWidth: titleLabel.implicitWidth
    property int maximumLineCount: 2
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
        maximumLineCount: field.maximumLineCount
        elide: Text.ElideRight
        font.bold: true
        text: field.value
    }
}
