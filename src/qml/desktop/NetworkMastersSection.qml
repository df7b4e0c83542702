import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The Ethernet IO-Link masters the device search asks, with a test of each that shows what the master says.
ColumnLayout {
    id: section
    objectName: "networkMastersSection"

    property var appSettings: null
    property var access: null
    // Test results by address: the text shown under the row.
    property var results: ({})
    readonly property var masters: appSettings && appSettings.networkMasters ? appSettings.networkMasters : []

    Layout.fillWidth: true
    spacing: 2

    function addTyped() {
        if (!appSettings)
            return
        var address = appSettings.normalizedMasterAddress(addressField.text)
        if (address === "") {
            addressError.visible = true
            return
        }
        addressError.visible = false
        var list = masters.slice()
        if (list.indexOf(address) < 0)
            list.push(address)
        appSettings.networkMasters = list
        addressField.text = ""
        test(address)
    }

    function remove(address) {
        var list = masters.slice()
        list.splice(list.indexOf(address), 1)
        appSettings.networkMasters = list
    }

    function setResult(address, text) {
        var copy = Object.assign({}, results)
        copy[address] = text
        results = copy
    }

    function test(address) {
        if (!access)
            return
        setResult(address, qsTr("Testing…"))
        access.test(address)
    }

    Connections {
        target: section.access
        ignoreUnknownSignals: true
        function onTestFinished(address, reachable, text) {
            section.setResult(section.appSettings ? section.appSettings.normalizedMasterAddress(address) : address, text)
        }
    }

    Label {
        Layout.fillWidth: true
        text: qsTr("Network masters")
    }
    Label {
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        font.pixelSize: 12
        color: "#808080"
        text: section.masters.length === 0
              ? qsTr("Ethernet IO-Link masters with the JSON REST interface; none added yet")
              : qsTr("Ethernet IO-Link masters with the JSON REST interface; their devices are listed with the others")
    }

    // Two masters in view at a time, so that a long list never pushes the dialog off a small screen.
    ListView {
        id: masterList
        objectName: "networkMasterList"
        readonly property int rowHeight: 48
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(count, 2) * rowHeight
        visible: count > 0
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: masterList.count > 2 ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded }
        model: section.masters
        delegate: RowLayout {
            width: masterList.width - (masterList.count > 2 ? 12 : 0)
            height: masterList.rowHeight
            spacing: 8
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 0
                Label {
                    objectName: "networkMasterAddress"
                    Layout.fillWidth: true
                    elide: Text.ElideMiddle
                    text: modelData
                }
                Label {
                    objectName: "networkMasterResult"
                    Layout.fillWidth: true
                    elide: Text.ElideRight
                    font.pixelSize: 12
                    color: "#808080"
                    visible: text !== ""
                    text: section.results[modelData] !== undefined ? section.results[modelData] : ""
                }
            }
            Button {
                objectName: "networkMasterTestButton"
                flat: true
                text: qsTr("Test")
                onClicked: section.test(modelData)
            }
            ToolButton {
                objectName: "networkMasterRemoveButton"
                icon.source: "qrc:/icons/delete.svg"
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Remove this master")
                onClicked: section.remove(modelData)
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 8
        TextField {
            id: addressField
            objectName: "networkMasterField"
            Layout.fillWidth: true
            selectByMouse: true
            placeholderText: qsTr("Address, e.g. http://192.168.1.50")
            onAccepted: section.addTyped()
            onTextChanged: addressError.visible = false
        }
        Button {
            objectName: "networkMasterAddButton"
            text: qsTr("Add")
            enabled: addressField.text.trim() !== ""
            onClicked: section.addTyped()
        }
    }
    Label {
        id: addressError
        objectName: "networkMasterAddressError"
        Layout.fillWidth: true
        visible: false
        font.pixelSize: 12
        color: "#d20a11"
        text: qsTr("Enter an http:// or https:// address or a host name.")
    }
}
