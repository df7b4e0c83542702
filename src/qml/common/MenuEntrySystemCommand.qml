import QtQuick 2.15
import QtQuick.Controls 2.15

// A command button; all command buttons share the width of the longest name.
MenuEntryBase {
    id: view
    implicitHeight: 56

    readonly property string buttonText: entry ? texts.text(entry.nameId) : ""
    readonly property int maxNameLength: entry && entry.maxNameLength !== undefined ? Number(entry.maxNameLength) : 0

    function reportTextLength() {
        if (view.entry && view.buttonText !== "")
            view.entry.onLanguageChanged(view.buttonText.length, view.texts.language)
    }

    onButtonTextChanged: reportTextLength()
    Component.onCompleted: reportTextLength()

    Button {
        id: commandButton
        objectName: "systemCommandButton"
        anchors.left: parent.left
        anchors.leftMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(implicitWidth, view.maxNameLength * (font.pixelSize > 0 ? font.pixelSize : 14) * 0.6)
        font.bold: true
        enabled: view.entry !== null
        contentItem: Text {
            text: view.buttonText
            font: commandButton.font
            color: "white"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle {
            implicitHeight: 40
            radius: 2
            color: commandButton.down ? "#333333" : "black"
        }
        onClicked: {
            if (!view.entry)
                return
            if (view.entry.needsConfirmation)
                confirmDialog.open()
            else
                view.entry.onButtonClicked()
        }
    }

    CommandConfirmDialog {
        id: confirmDialog
        commandName: view.buttonText !== "" ? view.buttonText : view.label
        deviceName: view.ioLink && view.ioLink.deviceName ? view.ioLink.deviceName() : ""
        onAccepted: {
            if (view.entry)
                view.entry.onButtonClicked()
        }
    }
}
