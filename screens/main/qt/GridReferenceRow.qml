// One grid reference: the system's name, its field and its Copy button, and under them the
// message of a reference that could not be read. The field's objectName (utm, mgrs, pluscode,
// maidenhead) ties it to the grid card; its text, its placeholder (an example, or the reason it
// is empty), the message and whether the row shows are set from C++ (GridCardScreen). Where the
// row is too narrow for the name beside a whole reference, the name goes above the field.
import QtQuick
import Quorvane.Main

Item {
    id: row

    property string system // the field's objectName
    property string caption
    // Why the reference typed here could not be read ("" hides it).
    property string message
    // Beside the field, the name leaves it room for the longest reference only from this width.
    readonly property bool stacked: width < 400

    objectName: system + "Row"
    implicitHeight: messageLabel.y + (messageLabel.visible ? messageLabel.implicitHeight : 0)

    Text {
        id: captionLabel
        width: row.stacked ? row.width : 92
        height: row.stacked ? implicitHeight : Theme.fieldHeight
        verticalAlignment: Text.AlignVCenter
        text: row.caption
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        elide: Text.ElideRight
        font.pixelSize: Theme.captionFontSize
        color: Theme.secondaryText
    }

    TextInput {
        id: field

        property string placeholderText
        property string accessibleName

        objectName: row.system
        x: row.stacked ? 0 : captionLabel.width
        y: row.stacked ? captionLabel.height + 2 : 0
        width: copyButton.x - Theme.spacing - x
        height: Theme.fieldHeight
        leftPadding: 6
        rightPadding: 4
        verticalAlignment: TextInput.AlignVCenter
        clip: true
        activeFocusOnTab: true
        selectByMouse: true
        font.pixelSize: Theme.fieldFontSize
        color: Theme.text
        selectionColor: Theme.accent
        selectedTextColor: Theme.accentText
        // The on-screen keyboard's hints and Enter key come from GridCardScreen.
        property int enterKeyType: Qt.EnterKeyDefault
        EnterKey.type: enterKeyType
        // Only while editing does the text scroll to the cursor; otherwise a reference wider
        // than the field shows its start, also when the form writes it.
        autoScroll: activeFocus
        onActiveFocusChanged: if (!activeFocus) ensureVisible(0)

        Accessible.role: Accessible.EditableText
        Accessible.name: accessibleName
        Accessible.description: row.message !== "" ? row.message : placeholderText

        Rectangle {
            z: -1
            anchors.fill: parent
            radius: Theme.controlRadius
            color: Theme.fieldBackground
            border.width: 1
            border.color: field.activeFocus ? Theme.accent
                                            : row.message !== "" ? Theme.destructive
                                                                 : Theme.fieldBorder
        }

        Text {
            anchors.fill: parent
            leftPadding: field.leftPadding
            rightPadding: field.rightPadding
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: field.placeholderText
            font: field.font
            color: Theme.placeholder
            visible: field.length === 0 && field.preeditText === ""
        }

        onAccepted: GridCardScreen.done()
        Keys.onEscapePressed: GridCardScreen.cancel()
    }

    TapButton {
        id: copyButton
        objectName: "copy_" + row.system
        x: row.width - width + 8
        y: field.y + (field.height - height) / 2
        text: qsTr("Copy")
        onClicked: GridCardScreen.copy(row.system)
    }

    Text {
        id: messageLabel
        objectName: row.system + "Message"
        x: field.x
        y: field.y + field.height + (visible ? 4 : 0)
        width: row.width - x
        visible: row.message !== ""
        text: row.message
        wrapMode: Text.Wrap
        font.pixelSize: Theme.captionFontSize
        color: Theme.destructive
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
