import QtQuick 2.15
import QtQuick.Controls 2.15

// Shows each alert of the current device for five seconds.
Popup {
    id: popup
    objectName: "alertPopup"

    property var currentDevice: null
    property string alertText: ""

    padding: 12
    closePolicy: Popup.CloseOnPressOutside | Popup.CloseOnEscape

    Connections {
        target: popup.currentDevice
        ignoreUnknownSignals: true
        function onAlertTextChanged(alert) {
            popup.alertText = alert
            popup.open()
            hideTimer.restart()
        }
    }

    Timer {
        id: hideTimer
        interval: 5000
        onTriggered: popup.close()
    }

    background: Rectangle {
        color: "#323232"
        radius: 4
    }

    contentItem: Label {
        objectName: "alertText"
        wrapMode: Text.WordWrap
        color: "white"
        text: popup.alertText
    }
}
