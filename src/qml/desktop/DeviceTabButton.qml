import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// A tab that takes no room while hidden.
TabButton {
    id: tab

    property bool shown: true
    // The bar's share for each tab; a longer title goes on two lines, and what still does not fit ends in an
    // ellipsis and shows whole in a tool tip.
    property real maximumWidth: Number.POSITIVE_INFINITY

    visible: shown
    // Narrow enough that all seven tabs fit the smallest window whole in every language.
    leftPadding: 6
    rightPadding: 6
    font.pixelSize: 12
    width: shown ? Math.min(implicitWidth, maximumWidth) : 0
    topPadding: 4
    bottomPadding: 4
    ToolTip.visible: hovered && titleText.truncated
    ToolTip.text: text

    contentItem: Text {
        id: titleText
        text: tab.text
        font: tab.font
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        lineHeight: 0.9
        elide: Text.ElideRight
        color: !tab.enabled ? "#b0b0b0" : tab.checked ? "black" : "#606060"
    }

    background: Rectangle {
        implicitHeight: 40
        color: tab.hovered && !tab.checked ? "#f5f5f5" : "white"

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 2
            visible: tab.checked
            color: tab.Material.accentColor
        }
    }
}
