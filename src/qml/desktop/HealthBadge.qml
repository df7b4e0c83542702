import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The device status as a coloured badge, with the active entries of the detailed status below it.
ColumnLayout {
    id: badge
    objectName: "healthBadge"

    property var health: null

    function statusColor(status) {
        switch (status) {
        case 0: return "#2e7d32"
        case 1: return "#1565c0"
        case 2: return "#ef6c00"
        case 3: return "#6a1b9a"
        case 4: return "#c62828"
        default: return "#757575"
        }
    }

    visible: health !== null && health.available
    spacing: 4

    RowLayout {
        spacing: 8
        Label {
            text: qsTr("Device status")
            font.bold: true
        }
        Rectangle {
            objectName: "healthStatus"
            radius: 10
            color: badge.statusColor(badge.health ? badge.health.status : -1)
            implicitWidth: statusLabel.implicitWidth + 20
            implicitHeight: statusLabel.implicitHeight + 8
            Label {
                id: statusLabel
                objectName: "healthStatusText"
                anchors.centerIn: parent
                color: "white"
                text: badge.health ? badge.health.statusText : ""
            }
        }
    }

    Repeater {
        model: badge.health && badge.health.hasDetailed ? badge.health.detailed : []
        delegate: Label {
            objectName: "healthDetail"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: qsTr("%1 %2: %3").arg(modelData.typeText).arg(modelData.codeText).arg(modelData.text)
            color: modelData.type === 3 ? "#c62828" : modelData.type === 2 ? "#ef6c00" : "#424242"
        }
    }
}
