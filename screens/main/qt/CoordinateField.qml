// One of the fourteen fields: a rounded text field with a thin gray border and a small left
// inset. Its objectName (d1 .. d8) ties it to the form; what it accepts is decided in C++.
import QtQuick
import Quorvane.Main
import QtQuick.Controls.Basic

TextField {
    id: field

    implicitHeight: Theme.fieldHeight
    font.pixelSize: Theme.fieldFontSize
    color: Theme.text
    placeholderTextColor: Theme.placeholder
    selectionColor: Theme.accent
    selectedTextColor: Theme.accentText
    leftPadding: 6
    rightPadding: 4
    verticalAlignment: TextInput.AlignVCenter

    background: Rectangle {
        radius: Theme.controlRadius
        color: Theme.fieldBackground
        border.width: 1
        border.color: field.activeFocus ? Theme.accent : Theme.fieldBorder
    }

    // Return ends editing, like Done.
    onAccepted: MainScreen.doneButtonAction()
}
