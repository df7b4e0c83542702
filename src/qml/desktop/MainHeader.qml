import QtQuick 2.15
import QtQuick.Controls 2.15

// The black bar with the menus in white and the inverted logo at the right.
Rectangle {
    id: header

    signal manageIoddsRequested()
    signal settingsRequested()
    signal exitRequested()
    signal checkForUpdatesRequested()
    signal aboutRequested()
    signal saveParameterSetRequested()
    signal compareParameterSetRequested()
    signal restoreParameterSetRequested()

    // Parameter sets need a connected device.
    property bool deviceReady: false
    signal userRoleChosen(string role)

    property string userRole: "specialist"

    implicitHeight: 48
    color: "black"

    MenuBar {
        id: menuBar
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        height: parent.height
        background: Item {}

        delegate: MenuBarItem {
            id: menuBarItem
            height: menuBar.height
            contentItem: Text {
                text: menuBarItem.text
                font: menuBarItem.font
                color: "white"
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignHCenter
            }
            background: Rectangle {
                color: menuBarItem.highlighted ? "#333333" : "black"
            }
        }

        HeaderMenu {
            title: qsTr("File")
            Action { objectName: "manageIoddsAction"; text: qsTr("Manage IODDs"); onTriggered: header.manageIoddsRequested() }
            Action { objectName: "settingsAction"; text: qsTr("Settings"); onTriggered: header.settingsRequested() }
            MenuSeparator {}
            Action { objectName: "saveParameterSetAction"; text: qsTr("Save parameter set…"); enabled: header.deviceReady; onTriggered: header.saveParameterSetRequested() }
            Action { objectName: "compareParameterSetAction"; text: qsTr("Compare with parameter set…"); enabled: header.deviceReady; onTriggered: header.compareParameterSetRequested() }
            Action { objectName: "restoreParameterSetAction"; text: qsTr("Restore parameter set…"); enabled: header.deviceReady; onTriggered: header.restoreParameterSetRequested() }
            MenuSeparator {}
            Action { objectName: "exitAction"; text: qsTr("Exit"); onTriggered: header.exitRequested() }
        }
        HeaderMenu {
            title: qsTr("Help")
            Action { objectName: "checkForUpdatesAction"; text: qsTr("Check for Updates"); onTriggered: header.checkForUpdatesRequested() }
            Action { objectName: "aboutAction"; text: qsTr("About"); onTriggered: header.aboutRequested() }
        }
    }

    RoleChooser {
        objectName: "roleChooser"
        anchors.left: menuBar.right
        anchors.leftMargin: 24
        anchors.verticalCenter: parent.verticalCenter
        userRole: header.userRole
        onRoleChosen: header.userRoleChosen(role)
    }

    Image {
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        width: 190
        height: parent.height - 16
        fillMode: Image.PreserveAspectFit
        source: "qrc:/images/korvell-logo-inverted.svg"
        sourceSize.width: 380
    }
}
