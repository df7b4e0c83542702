import QtQuick 2.15
import QtQuick.Controls 2.15

// Shows each alert of the current device for five seconds, as a bar that makes room for itself in the
// layout instead of covering the values below it; a click closes it early.
Rectangle {
    id: popup
    objectName: "alertPopup"

    property var currentDevice: null
    property string alertText: ""
    property bool opened: false

    function open() {
        popup.opened = true
        hideTimer.restart()
    }

    function close() {
        popup.opened = false
        hideTimer.stop()
    }

    visible: opened
    implicitHeight: opened ? alertLabel.implicitHeight + 24 : 0
    color: "#323232"
    radius: 4

    Connections {
        target: popup.currentDevice
        ignoreUnknownSignals: true
        function onAlertTextChanged(alert) {
            popup.alertText = alert
            popup.open()
        }
    }

    // Its text is in the language it came in; the next alert comes in the new one.
    Connections {
        target: typeof settings === "undefined" ? null : settings
        ignoreUnknownSignals: true
        function onLanguageChanged() { popup.close() }
    }

    Timer {
        id: hideTimer
        interval: 5000
        onTriggered: popup.close()
    }

    Label {
        id: alertLabel
        objectName: "alertText"
        anchors.fill: parent
        anchors.margins: 12
        wrapMode: Text.WordWrap
        color: "white"
        text: popup.alertText
    }

    MouseArea {
        anchors.fill: parent
        onClicked: popup.close()
    }
}
