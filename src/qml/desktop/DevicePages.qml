import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common" as OvinexCommon
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// The tab bar over one page per tab at the right of the window.
ColumnLayout {
    id: pages

    property var devices: null
    property var currentDevice: null
    property var ioLink: null
    // observer, maintenance or specialist: whose menus the pages show.
    property string userRole: "specialist"

    readonly property bool hasDevice: currentDevice !== null && currentDevice !== undefined
    readonly property string identificationMenuId: roleMenuId("identification")
    readonly property string diagnosisMenuId: roleMenuId("diagnosis")
    readonly property string observationMenuId: roleMenuId("observation")
    readonly property string parameterMenuId: roleMenuId("parameter")
    readonly property var smartAdjustMenu: ioLink ? ioLink.getMenu("M_SmartAdjust") : null
    readonly property var quickstartMenu: ioLink ? ioLink.getMenu("M_Quickstart") : null
    readonly property var diagnosisMenu: ioLink && diagnosisMenuId !== "" ? ioLink.getMenu(diagnosisMenuId) : null
    readonly property var observationMenu: ioLink && observationMenuId !== "" ? ioLink.getMenu(observationMenuId) : null
    readonly property var parameterMenu: ioLink && parameterMenuId !== "" ? ioLink.getMenu(parameterMenuId) : null

    function roleMenuId(page) {
        return ioLink && ioLink.menuIdForRole ? ioLink.menuIdForRole(userRole, page) : ""
    }

    spacing: 0

    onHasDeviceChanged: {
        if (!hasDevice)
            tabBar.currentIndex = 0
    }

    // The bar sits in an item of its own: its implicit width follows its tabs, whose widths follow the
    // bar's width, and a layout that saw it would lay itself out again and again.
    Item {
        Layout.fillWidth: true
        implicitHeight: tabBar.implicitHeight

        TabBar {
            id: tabBar
            objectName: "pageTabs"
            width: parent.width
            // The tabs draw their own underline; the style's moving one would lag behind as a second line.
            contentItem: ListView {
                model: tabBar.contentModel
                currentIndex: tabBar.currentIndex
                spacing: tabBar.spacing
                orientation: ListView.Horizontal
                boundsBehavior: Flickable.StopAtBounds
                flickableDirection: Flickable.AutoFlickIfNeeded
                snapMode: ListView.SnapToItem
            }

            // The Events tab keeps its count; the other tabs share what room is left.
            readonly property real tabWidthCap: ViewLogic.tabWidthCap(
                [identificationTab, smartAdjustTab, quickstartTab, diagnosisTab, observationTab, parametersTab, processDataTab]
                    .map(function (tab) { return tab.shown ? tab.implicitWidth : 0 }),
                width - (eventsTab.shown ? eventsTab.implicitWidth : 0) - spacing * (count - 1))

            DeviceTabButton {
                id: identificationTab
                widthCap: tabBar.tabWidthCap
                objectName: "identificationTab"
                text: qsTr("Identification")
            }
            DeviceTabButton {
                id: smartAdjustTab
                widthCap: tabBar.tabWidthCap
                objectName: "smartAdjustTab"
                text: qsTr("Quickstart")
                shown: ViewLogic.menuHasRows(pages.smartAdjustMenu)
                enabled: pages.hasDevice
            }
            DeviceTabButton {
                id: quickstartTab
                widthCap: tabBar.tabWidthCap
                objectName: "quickstartTab"
                text: qsTr("Quickstart")
                shown: ViewLogic.menuHasRows(pages.quickstartMenu)
                enabled: pages.hasDevice
            }
            DeviceTabButton {
                id: diagnosisTab
                widthCap: tabBar.tabWidthCap
                objectName: "diagnosisTab"
                text: qsTr("Diagnosis")
                shown: ViewLogic.menuHasRows(pages.diagnosisMenu)
                       || (pages.hasDevice && pages.currentDevice.health !== null && pages.currentDevice.health.available)
                enabled: pages.hasDevice
                // A role switch may take the open page away.
                onShownChanged: if (!shown && checked) tabBar.currentIndex = 0
            }
            DeviceTabButton {
                id: observationTab
                widthCap: tabBar.tabWidthCap
                objectName: "observationTab"
                text: qsTr("Observation")
                shown: ViewLogic.menuHasRows(pages.observationMenu)
                enabled: pages.hasDevice
                // A role switch may take the open page away.
                onShownChanged: if (!shown && checked) tabBar.currentIndex = 0
            }
            DeviceTabButton {
                id: parametersTab
                widthCap: tabBar.tabWidthCap
                objectName: "parametersTab"
                text: qsTr("Parameters")
                // A role may have no parameter menu at all; an empty page helps nobody.
                shown: pages.hasDevice && ViewLogic.menuHasRows(pages.parameterMenu)
                onShownChanged: if (!shown && checked) tabBar.currentIndex = 0
            }
            DeviceTabButton {
                id: processDataTab
                widthCap: tabBar.tabWidthCap
                objectName: "processDataTab"
                text: qsTr("Process Data")
                shown: pages.hasDevice
            }
            DeviceTabButton {
                id: eventsTab
                objectName: "eventsTab"
                readonly property var history: pages.hasDevice ? pages.currentDevice.eventHistory : null
                readonly property int activeCount: history ? history.activeErrorCount + history.activeWarningCount : 0
                text: activeCount > 0 ? qsTr("Events (%1)").arg(activeCount) : qsTr("Events")
                shown: pages.hasDevice
            }
        }
    }

    StackLayout {
        objectName: "pageStack"
        Layout.fillWidth: true
        Layout.fillHeight: true
        currentIndex: tabBar.currentIndex

        IdentificationPage {
            devices: pages.devices
            currentDevice: pages.currentDevice
            ioLink: pages.ioLink
            menuId: pages.identificationMenuId
        }
        OvinexCommon.MenuView {
            objectName: "smartAdjustPage"
            ioLink: pages.ioLink
            menuId: "M_SmartAdjust"
        }
        OvinexCommon.MenuView {
            objectName: "quickstartPage"
            ioLink: pages.ioLink
            menuId: "M_Quickstart"
        }
        DiagnosisPage {
            currentDevice: pages.currentDevice
            ioLink: pages.ioLink
            menuId: pages.diagnosisMenuId
        }
        OvinexCommon.MenuView {
            objectName: "observationPage"
            ioLink: pages.ioLink
            menuId: pages.observationMenuId
        }
        OvinexCommon.MenuView {
            objectName: "parametersPage"
            ioLink: pages.ioLink
            menuId: pages.parameterMenuId
        }
        ProcessDataPage {
            currentDevice: pages.currentDevice
            ioLink: pages.ioLink
        }
        EventsPage {
            currentDevice: pages.currentDevice
        }
    }
}
