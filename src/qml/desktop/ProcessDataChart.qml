import QtQuick 2.15
import QtQuick.Controls 2.15
import QtCharts 2.3
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// The recorded values of one record item over the shared time window, with the shared cursor.
Item {
    id: chartItem
    objectName: "processDataChart"

    property var info: null
    property var dataPage: null
    property var texts: null
    signal settingsRequested()

    readonly property bool isBoolean: info ? info.isBoolean === true : false
    readonly property int digits: info && info.digits !== undefined ? Number(info.digits) : 0
    readonly property real minY: info ? Number(info.minY) : 0
    readonly property real maxY: info ? Number(info.maxY) : 1
    property var valueSeries: null
    property var markerSeries: null
    property var cursorSeries: null
    readonly property var ticks: ViewLogic.axisTicks(minY, maxY, digits, 6)
    property string cursorText: ""
    // Width of this chart's value labels; the page keeps the widest, so that all plot areas line up.
    property real labelWidth: -1
    readonly property int baseLeftMargin: 8

    function measureLabels() {
        var own = chart.plotArea.x - chart.margins.left
        if (own <= 0 || !chartItem.dataPage)
            return
        chartItem.labelWidth = own
        if (own > chartItem.dataPage.maxLabelTextPixelSize)
            chartItem.dataPage.maxLabelTextPixelSize = own
    }

    implicitHeight: isBoolean ? 200 : 350

    // A chart on a hidden page catches up when it is shown again instead of drawing for nobody.
    property bool outdated: false

    function redraw() {
        if (!chartItem.visible) {
            chartItem.outdated = true
            return
        }
        chartItem.outdated = false
        if (chartItem.info && chartItem.valueSeries)
            chartItem.info.updateSeries(chartItem.valueSeries, chartItem.markerSeries)
        redrawCursor()
    }

    // A hidden chart hears nothing; shown again, it catches up at once.
    onVisibleChanged: {
        if (visible)
            redraw()
    }

    function redrawCursor() {
        if (!chartItem.info || !chartItem.cursorSeries || !chartItem.dataPage)
            return
        var visible = chartItem.dataPage.visibleCursor
        var position = chartItem.dataPage.selectedTimePos
        chartItem.info.updateCursor(chartItem.cursorSeries, position, visible)
        if (!visible) {
            chartItem.cursorText = ""
            return
        }
        var point = chartItem.info.findCursorPosition(chartItem.valueSeries, position, false)
        // The cursor names the value as received, also where it is pinned to an edge of the chart.
        var received = chartItem.info.sampleAt(position)
        if (chartItem.isBoolean)
            chartItem.cursorText = ViewLogic.withinRange(point.y, 0, 1) ? (point.y >= 0.5 ? qsTr("High") : qsTr("Low")) : ""
        else
            chartItem.cursorText = ViewLogic.withinRange(point.y, chartItem.minY, chartItem.maxY) && received !== undefined
                                   ? ViewLogic.formatNumber(received, chartItem.digits, Qt.locale()) : ""
    }

    // Places the cursor for all charts at the time under a point of the plot area.
    function placeCursor(x, y, clamp) {
        var area = chart.plotArea
        if (clamp) {
            x = Math.max(area.x, Math.min(area.x + area.width, x))
            y = Math.max(area.y, Math.min(area.y + area.height, y))
        } else if (x < area.x || x > area.x + area.width || y < area.y || y > area.y + area.height) {
            chartItem.dataPage.visibleCursor = false
            return
        }
        chartItem.dataPage.selectedTimePos = chart.mapToValue(Qt.point(x, y), chartItem.valueSeries).x
        chartItem.dataPage.visibleCursor = true
    }

    // Scrolled out of sight, new samples only mark the chart; it is drawn when it comes into view.
    Connections {
        target: chartItem.info
        enabled: chartItem.visible
        ignoreUnknownSignals: true
        function onChartChanged() {
            if (chartItem.dataPage && !chartItem.dataPage.isInView(chartItem))
                chartItem.outdated = true
            else
                chartItem.redraw()
        }
        function onMaxYChanged() {
            if (!chartItem.info.isChartRunning)
                chartItem.redraw()
        }
    }

    Connections {
        target: chartItem.dataPage
        ignoreUnknownSignals: true
        function onDrawDue() {
            if (chartItem.outdated && chartItem.visible && chartItem.dataPage.isInView(chartItem))
                chartItem.redraw()
        }
        function onSelectedTimePosChanged() { chartItem.redrawCursor() }
        function onVisibleCursorChanged() { chartItem.redrawCursor() }
    }

    property DateTimeAxis timeAxis: DateTimeAxis {
        min: chartItem.dataPage ? chartItem.dataPage.minAxis : new Date(0)
        max: chartItem.dataPage ? chartItem.dataPage.maxAxis : new Date(30000)
        format: ViewLogic.timeLabelFormat(max.getTime())
        tickCount: 5
    }

    property ValueAxis numberAxis: ValueAxis {
        min: chartItem.minY
        max: chartItem.maxY
        labelFormat: ViewLogic.axisLabelFormat(chartItem.ticks.decimals)
        tickType: ValueAxis.TicksDynamic
        tickAnchor: chartItem.ticks.anchor
        tickInterval: chartItem.ticks.interval
        titleText: chartItem.info && chartItem.texts ? ViewLogic.axisTitle(chartItem.texts.unit(chartItem.info.unit)) : ""
        titleFont.pixelSize: 11
    }

    property CategoryAxis booleanAxis: CategoryAxis {
        min: 0
        max: 1
        startValue: 0
        labelsPosition: CategoryAxis.AxisLabelsPositionOnValue
        CategoryRange { label: qsTr("Low"); endValue: 0 }
        CategoryRange { label: qsTr("High"); endValue: 1 }
    }

    ChartView {
        id: chart
        objectName: "chartView"
        anchors.fill: parent
        title: chartItem.info && chartItem.texts ? chartItem.texts.text(chartItem.info.id) : ""
        titleFont.bold: true
        legend.visible: false
        // Smoothing every line in software costs more than the whole rest of the window.
        antialiasing: chartItem.GraphicsInfo.api !== GraphicsInfo.Software
        margins.top: 4
        margins.bottom: 4
        margins.left: chartItem.labelWidth > 0 && chartItem.dataPage && chartItem.dataPage.maxLabelTextPixelSize > chartItem.labelWidth
                      ? Math.round(chartItem.baseLeftMargin + chartItem.dataPage.maxLabelTextPixelSize - chartItem.labelWidth)
                      : chartItem.baseLeftMargin
        onPlotAreaChanged: chartItem.measureLabels()

        Component.onCompleted: {
            var yAxis = chartItem.isBoolean ? chartItem.booleanAxis : chartItem.numberAxis
            var values = chart.createSeries(ChartView.SeriesTypeLine, "values", chartItem.timeAxis, yAxis)
            values.color = "red"
            values.width = 1
            // Drawn by the graphics card where there is one; the software renderer has none.
            values.useOpenGL = chartItem.GraphicsInfo.api === GraphicsInfo.OpenGL
            // Values beyond the axis, pinned to its edge.
            var markers = chart.createSeries(ChartView.SeriesTypeScatter, "pinned", chartItem.timeAxis, yAxis)
            markers.color = "#b71c1c"
            markers.borderColor = "#b71c1c"
            markers.markerSize = 7
            markers.markerShape = ScatterSeries.MarkerShapeRectangle
            chartItem.markerSeries = markers
            var cursor = chart.createSeries(ChartView.SeriesTypeLine, "cursor", chartItem.timeAxis, yAxis)
            cursor.color = "green"
            cursor.width = 1
            chartItem.valueSeries = values
            chartItem.cursorSeries = cursor
            chartItem.redraw()
        }

        MouseArea {
            objectName: "chartMouseArea"
            anchors.fill: parent
            onPressed: chartItem.placeCursor(mouse.x, mouse.y, false)
            onPositionChanged: {
                if (pressed && chartItem.dataPage.visibleCursor)
                    chartItem.placeCursor(mouse.x, mouse.y, true)
            }
        }

        Label {
            objectName: "cursorValue"
            visible: chartItem.cursorText !== ""
            x: Math.min(chart.plotArea.x + chart.plotArea.width - width,
                        Math.max(chart.plotArea.x, chart.mapToPosition(Qt.point(chartItem.dataPage ? chartItem.dataPage.selectedTimePos : 0, 0),
                                                                       chartItem.valueSeries).x + 4))
            y: chart.plotArea.y + 4
            padding: 2
            color: "#2e7d32"
            font.bold: true
            background: Rectangle { color: "#ccffffff" }
            text: chartItem.cursorText
        }
    }

    ToolButton {
        objectName: "chartSettingsButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 4
        icon.source: "qrc:/icons/settings.svg"
        ToolTip.visible: hovered
        ToolTip.text: qsTr("Process data chart settings.")
        onClicked: chartItem.settingsRequested()
    }
}
