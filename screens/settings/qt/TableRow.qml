import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One row of a settings table: title on the left, detail text and accessory on the right, a
// hairline below. Tab reaches it; Return, Enter and Space open it, as the reader's action does.
ItemDelegate {
    id: row

    property string titleText
    property string detailText
    property bool showsDisclosure: false
    property bool showsCheckmark: false
    // A row of a list of choices (the maps picker, the grid references): checkable, and checked
    // when it carries the checkmark.
    property bool choice: false

    width: ListView.view ? ListView.view.width : implicitWidth
    implicitHeight: 48
    leftPadding: 16
    rightPadding: 12
    // Not drawn (the row lays out its own labels) but what a screen reader says for the row.
    text: titleText
    focusPolicy: Qt.StrongFocus
    Accessible.name: titleText
    Accessible.description: detailText
    // The button's own check state is what the accessibility layer reports. A click toggles a
    // checkable button by itself; the state follows the model's checkmark instead.
    checkable: choice
    checked: showsCheckmark
    onToggled: checked = Qt.binding(() => row.showsCheckmark)
    Accessible.onPressAction: row.clicked()
    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()

    contentItem: RowLayout {
        spacing: 8

        Label {
            objectName: "titleLabel"
            text: row.titleText
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            Layout.fillWidth: true
        }
        Label {
            objectName: "detailLabel"
            text: row.detailText
            visible: text.length > 0
            opacity: 0.6
            elide: Text.ElideLeft
            Layout.maximumWidth: row.width / 2
        }
        Label {
            objectName: "accessoryLabel"
            text: row.showsCheckmark ? "\u2713" : "\u203A"
            visible: row.showsCheckmark || row.showsDisclosure
            color: row.showsCheckmark ? row.palette.highlight : row.palette.windowText
            opacity: row.showsCheckmark ? 1.0 : 0.5
            font.pixelSize: 18
            font.bold: row.showsCheckmark
            // The glyph only draws what the checked state and the role already say.
            Accessible.ignored: true
        }
    }

    // The keyboard focus.
    Rectangle {
        objectName: "focusFrame"
        anchors.fill: parent
        anchors.margins: 2
        visible: row.activeFocus
        color: "transparent"
        border.width: 2
        border.color: row.palette.highlight
        radius: 4
    }

    Rectangle {
        anchors.left: parent.left
        anchors.leftMargin: row.leftPadding
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 1
        color: row.palette.mid
        opacity: 0.5
    }
}
