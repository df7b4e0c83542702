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
    // page's width, and a layout that saw it would lay itself out again and again.
    Item {
        Layout.fillWidth: true
        implicitHeight: tabBar.implicitHeight

        TabBar {
            id: tabBar
            objectName: "pageTabs"
            width: parent.width
            // When the titles do not fit whole, the longest ones are shortened to a fair share of the bar.
            readonly property real tabShare: {
                var widths = []
                for (var i = 0; i < count; ++i) {
                    var tab = itemAt(i)
                    if (tab && tab.shown)
                        widths.push(tab.implicitWidth + spacing)
                }
                // The page's width, not the bar's: the bar's own width follows its tabs.
                return ViewLogic.fairShare(widths, pages.width)
            }
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

            DeviceTabButton {
                maximumWidth: tabBar.tabShare
                objectName: "identificationTab"
                text: qsTr("Identification")
            }
            DeviceTabButton {
                maximumWidth: tabBar.tabShare
                objectName: "smartAdjustTab"
                text: qsTr("Quickstart")
                shown: ViewLogic.menuHasRows(pages.smartAdjustMenu)
                enabled: pages.hasDevice
            }
            DeviceTabButton {
                maximumWidth: tabBar.tabShare
                objectName: "quickstartTab"
                text: qsTr("Quickstart")
                shown: ViewLogic.menuHasRows(pages.quickstartMenu)
                enabled: pages.hasDevice
            }
            DeviceTabButton {
                maximumWidth: tabBar.tabShare
                objectName: "diagnosisTab"
                text: qsTr("Diagnosis")
                shown: ViewLogic.menuHasRows(pages.diagnosisMenu)
                       || (pages.hasDevice && pages.currentDevice.health !== null && pages.currentDevice.health.available)
                enabled: pages.hasDevice
                // A role switch may take the open page away.
                onShownChanged: if (!shown && checked) tabBar.currentIndex = 0
            }
            DeviceTabButton {
                maximumWidth: tabBar.tabShare
                objectName: "observationTab"
                text: qsTr("Observation")
                shown: ViewLogic.menuHasRows(pages.observationMenu)
                enabled: pages.hasDevice
                // A role switch may take the open page away.
                onShownChanged: if (!shown && checked) tabBar.currentIndex = 0
            }
            DeviceTabButton {
                maximumWidth: tabBar.tabShare
                objectName: "parametersTab"
                text: qsTr("Parameters")
                // A role may have no parameter menu at all; an empty page helps nobody.
                shown: pages.hasDevice && ViewLogic.menuHasRows(pages.parameterMenu)
                onShownChanged: if (!shown && checked) tabBar.currentIndex = 0
            }
            DeviceTabButton {
                maximumWidth: tabBar.tabShare
                objectName: "processDataTab"
                text: qsTr("Process Data")
                shown: pages.hasDevice
            }
            DeviceTabButton {
                maximumWidth: tabBar.tabShare
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
