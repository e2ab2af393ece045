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
    // Narrower selector and gaps, for a narrow phone.
    property bool compact: false
    default property alias fields: fieldRow.data

    implicitHeight: Theme.fieldHeight

    Text {
        id: captionLabel
        width: 30
        anchors.verticalCenter: parent.verticalCenter
        text: half.caption
        font.pixelSize: Theme.captionFontSize
        color: Theme.secondaryText
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    Row {
        id: fieldRow
        // The width of one unit of weight.
        readonly property real unit: (width - spacing * (children.length - 1)) / half.totalWeight
        readonly property bool compact: half.compact

        anchors.left: captionLabel.right
        anchors.right: selector.left
        anchors.rightMargin: half.compact ? 6 : Theme.spacing
        height: parent.height
        spacing: half.compact ? 4 : 6
    }

    HemisphereSelector {
        id: selector
        width: half.compact ? 64 : implicitWidth
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        onActivated: MainScreen.changeHemisphere(objectName)
    }
}
