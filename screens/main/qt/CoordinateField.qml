// One of the fourteen fields: a rounded text input with a thin gray border, a small left inset
// and a placeholder. Its objectName (d1 .. d8) ties it to the form; what it accepts is decided
// in C++ (MainScreen puts a KeystrokeGate on it), so there is no validator or input mask here.
import QtQuick
import Quorvane.Main

TextInput {
    id: field

    // Share of the row's width (see HalfRow).
    property real weight: 1
    property alias placeholderText: placeholder.text
    // What a screen reader says for the field; MainScreen sets it from the form's tables.
    property string accessibleName
    // Why the field's half lies out of range; MainScreen sets it, "" when it is in range.
    property string rangeWarning
    readonly property bool outOfRange: rangeWarning !== ""
    // The on-screen keyboard's Enter key, Next or Done; MainScreen sets it with the hints.
    property int enterKeyType: Qt.EnterKeyDefault
    EnterKey.type: enterKeyType

    width: weight * parent.unit
    height: Theme.fieldHeight
    leftPadding: parent.compact ? 4 : 6
    rightPadding: parent.compact ? 2 : 4
    // Only while editing does the text scroll to the cursor; otherwise a text wider than the
    // field shows its start, where its degrees are.
    autoScroll: activeFocus
    verticalAlignment: TextInput.AlignVCenter
    clip: true
    activeFocusOnTab: true
    selectByMouse: true
    font.pixelSize: Theme.fieldFontSize
    color: Theme.text
    selectionColor: Theme.accent
    selectedTextColor: Theme.accentText

    Accessible.role: Accessible.EditableText
    Accessible.name: accessibleName
    Accessible.description: rangeWarning

    Rectangle {
        objectName: field.objectName + "_frame"
        z: -1
        anchors.fill: parent
        radius: Theme.controlRadius
        color: field.outOfRange ? Theme.destructiveTint : Theme.fieldBackground
        border.width: field.outOfRange ? 2 : 1
        border.color: field.activeFocus ? Theme.accent
                                        : field.outOfRange ? Theme.destructive : Theme.fieldBorder
    }

    Text {
        id: placeholder
        anchors.fill: parent
        leftPadding: field.leftPadding
        rightPadding: field.rightPadding
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        font: field.font
        color: Theme.placeholder
        visible: field.length === 0 && field.preeditText === ""
    }

    // Return ends editing, like Done; Escape puts back the text from before the edit and ends it.
    onAccepted: MainScreen.doneButtonAction()
    Keys.onEscapePressed: MainScreen.cancelButtonAction()
}
