import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// An editable choice among named values.
MenuEntryBase {
    id: view
    implicitHeight: 56

    function entryIndex() {
        return view.entry && view.entry.currentIndex !== undefined ? view.entry.currentIndex : -1
    }

    function followEntry() {
        combo.currentIndex = Qt.binding(function() { return view.entryIndex() })
    }

    Timer {
        id: followTimer
        interval: 0
        onTriggered: view.followEntry()
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 12

        Label {
            Layout.fillWidth: true
            elide: Text.ElideRight
            text: view.label
        }
        ComboBox {
            id: combo
            objectName: "recordSelectionCombo"
            Layout.preferredWidth: 300
            model: view.entry ? view.texts.textList(view.entry.textIds) : []
            currentIndex: view.entryIndex()
            enabled: view.entry ? view.entry.valid !== false : false
            // Long names end in an ellipsis instead of being cut off.
            contentItem: Label {
                leftPadding: 12
                rightPadding: 4
                text: combo.displayText
                font: combo.font
                elide: Text.ElideRight
                verticalAlignment: Text.AlignVCenter
                color: combo.enabled ? combo.Material.foreground : combo.Material.hintTextColor
            }
            // New texts (another language) reset the box; the entry still knows its choice.
            onModelChanged: followTimer.restart()
            onActivated: {
                if (view.entry && view.entry.command) {
                    // A command runs only once confirmed; until then the box shows the device's value.
                    confirmDialog.chosenIndex = index
                    confirmDialog.commandName = combo.textAt(index)
                    view.followEntry()
                    confirmDialog.open()
                    return
                }
                if (view.entry)
                    view.entry.setDataFromUserInput(index)
                view.followEntry()
            }
        }
    }

    CommandConfirmDialog {
        id: confirmDialog
        property int chosenIndex: -1
        deviceName: view.ioLink && view.ioLink.deviceName ? view.ioLink.deviceName() : ""
        onAccepted: {
            if (view.entry && chosenIndex >= 0)
                view.entry.setDataFromUserInput(chosenIndex)
            view.followEntry()
        }
        onRejected: view.followEntry()
    }
}
