import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The tab bar over one page per tab at the right of the window.
ColumnLayout {
    spacing: 0

    TabBar {
        id: tabBar
        Layout.fillWidth: true
        TabButton { text: qsTr("Identification"); width: implicitWidth }
    }

    StackLayout {
        Layout.fillWidth: true
        Layout.fillHeight: true
        currentIndex: tabBar.currentIndex

        Item {
            Label {
                anchors.centerIn: parent
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("No device selected.\nPlease select a device from the list on the left.")
            }
        }
    }
}
