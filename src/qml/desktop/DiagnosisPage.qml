import QtQuick 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common" as OvinexCommon

// The device's health above the diagnosis menu.
ColumnLayout {
    id: page

    property var currentDevice: null
    property var ioLink: null
    property string menuId: ""

    spacing: 0

    HealthBadge {
        Layout.fillWidth: true
        Layout.margins: visible ? 8 : 0
        health: page.currentDevice ? page.currentDevice.health : null
    }
    OvinexCommon.MenuView {
        objectName: "diagnosisPage"
        Layout.fillWidth: true
        Layout.fillHeight: true
        ioLink: page.ioLink
        menuId: page.menuId
    }
}
