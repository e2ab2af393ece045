// One grid reference: the system's name, its field and its Copy button. The field's objectName
// (utm, mgrs, pluscode, maidenhead) ties it to the grid card; its text, its placeholder (an
// example, or the reason it is empty) and whether the row shows are set from C++
// (GridCardScreen).
import QtQuick
import Quorvane.Main

Item {
    id: row

    property string system // the field's objectName
    property string caption

    objectName: system + "Row"
    implicitHeight: Theme.fieldHeight

    Text {
        id: captionLabel
        width: 92
        anchors.verticalCenter: parent.verticalCenter
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
        anchors.left: captionLabel.right
        anchors.right: copyButton.left
        anchors.rightMargin: Theme.spacing
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
        // Only while editing does the text scroll to the cursor; otherwise a reference wider
        // than the field shows its start, also when the form writes it.
        autoScroll: activeFocus
        onActiveFocusChanged: if (!activeFocus) ensureVisible(0)

        Accessible.role: Accessible.EditableText
        Accessible.name: accessibleName
        Accessible.description: placeholderText

        Rectangle {
            z: -1
            anchors.fill: parent
            radius: Theme.controlRadius
            color: Theme.fieldBackground
            border.width: 1
            border.color: field.activeFocus ? Theme.accent : Theme.fieldBorder
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
    }

    TapButton {
        id: copyButton
        objectName: "copy_" + row.system
        anchors.right: parent.right
        anchors.rightMargin: -8
        anchors.verticalCenter: parent.verticalCenter
        implicitHeight: 28
        text: qsTr("Copy")
        onClicked: GridCardScreen.copy(row.system)
    }
}
