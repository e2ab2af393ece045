// The latitude or longitude half of a notation: a caption, the half's fields side by side and
// its hemisphere selector. The fields are declared inside the row; each takes a share of the
// width in proportion to its `weight`, out of `totalWeight`.
import QtQuick
import Quorvane.Main

Item {
    id: half

    property string caption
    property real totalWeight: 1
    property alias selector: selector
    default property alias fields: fieldRow.data

    implicitHeight: Theme.fieldHeight

    Text {
        id: captionLabel
        width: 34
        anchors.verticalCenter: parent.verticalCenter
        text: half.caption
        font.pixelSize: Theme.captionFontSize
        color: Theme.secondaryText
    }

    Row {
        id: fieldRow
        // The width of one unit of weight.
        readonly property real unit: (width - spacing * (children.length - 1)) / half.totalWeight

        anchors.left: captionLabel.right
        anchors.right: selector.left
        anchors.rightMargin: Theme.spacing
        height: parent.height
        spacing: 6
    }

    HemisphereSelector {
        id: selector
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        onActivated: MainScreen.changeHemisphere(objectName)
    }
}
