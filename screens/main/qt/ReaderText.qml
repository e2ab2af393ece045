// A text a screen reader reads by its text: static text, or, with its role set, a heading. The
// role and name become its Accessible ones only once a reader listens (see reader_properties.h).
import QtQuick

Text {
    property int accessibleRole: Accessible.StaticText
    readonly property string accessibleName: text
}
