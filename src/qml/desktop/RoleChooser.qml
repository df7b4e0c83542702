import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The user role in the header: whose menus the device pages show. White on the black bar.
RowLayout {
    id: chooser

    // observer, maintenance or specialist.
    property string userRole: "specialist"
    signal roleChosen(string role)

    readonly property var roles: ["observer", "maintenance", "specialist"]
    readonly property var roleTexts: [qsTr("Observer"), qsTr("Maintenance"), qsTr("Specialist")]

    spacing: 6

    Label {
        text: qsTr("User role:")
        color: "white"
    }

    ComboBox {
        id: combo
        objectName: "userRoleBox"
        Layout.preferredWidth: 160
        model: chooser.roleTexts
        currentIndex: Math.max(0, chooser.roles.indexOf(chooser.userRole))
        onActivated: chooser.roleChosen(chooser.roles[index])

        delegate: ItemDelegate {
            objectName: "roleOption_" + chooser.roles[index]
            width: combo.width
            text: modelData
            highlighted: combo.highlightedIndex === index
        }

        contentItem: Text {
            leftPadding: 8
            text: combo.displayText
            font: combo.font
            color: "white"
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle {
            implicitHeight: 32
            color: combo.hovered ? "#333333" : "black"
            border.color: "#808080"
            radius: 2
        }
    }
}
