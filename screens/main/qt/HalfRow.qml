// The latitude or longitude half of a notation: a caption, the half's fields side by side
// (widths in proportion to `weight`) and its hemisphere selector.
import QtQuick
import Quorvane.Main
import QtQuick.Controls.Basic

Item {
    id: half

    property string caption
    // [{ name: "d1", placeholder: "ddd°", weight: 3 }, ...]
    property var fields: []
    property alias selector: selector

    implicitHeight: Theme.fieldHeight

    readonly property real totalWeight: {
        let sum = 0
        for (const f of fields)
            sum += f.weight
        return sum
    }

    Label {
        id: captionLabel
        width: 34
        anchors.verticalCenter: parent.verticalCenter
        text: half.caption
        font.pixelSize: Theme.captionFontSize
        color: Theme.secondaryText
    }

    Row {
        id: fieldRow
        anchors.left: captionLabel.right
        anchors.right: selector.left
        anchors.rightMargin: Theme.spacing
        height: parent.height
        spacing: 6

        Repeater {
            model: half.fields
            delegate: CoordinateField {
                required property var modelData
                objectName: modelData.name
                placeholderText: modelData.placeholder
                width: (fieldRow.width - fieldRow.spacing * (half.fields.length - 1))
                       * modelData.weight / half.totalWeight
            }
        }
    }

    HemisphereSelector {
        id: selector
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        onActivated: MainScreen.changeHemisphere(objectName)
    }
}
