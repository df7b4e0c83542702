import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// A tab that takes no room while hidden.
TabButton {
    id: tab

    property bool shown: true
    // Set by the tab bar when not all tabs fit at their natural width.
    property real widthCap: Infinity

    visible: shown
    // Capitals would not let seven tabs fit the smallest window; what still does not fit is elided.
    leftPadding: 8
    rightPadding: 8
    font.pixelSize: 13
    font.capitalization: Font.MixedCase
    width: shown ? Math.min(implicitWidth, widthCap) : 0
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
        // A capped title of two words takes two lines before it is elided.
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
