// The pages over the converter: the settings and the pages they lead to. Main.qml makes this
// stack on first use, so that Qt Quick Controls (whose types the stack and the settings pages
// are built from) load only then, not before the converter's first frame. The converter page
// becomes the stack's first page, so that pages slide over it and back as in any stack.
import QtQuick
import QtQuick.Controls.Basic
import Quorvane.Main

StackView {
    id: stack
    objectName: "stackView"
    focus: true

    required property ConverterPage converter

    // Set when a page covers the converter; on coming back, the keyboard is again on the
    // button that led there rather than on the window.
    property bool converterCovered: false

    // The pages built from Qt Quick Controls (settings, picker) take the theme's colours
    // and text size through the palette and font they inherit from here.
    font.pixelSize: Theme.bodyFontSize
    palette.window: Theme.card
    palette.windowText: Theme.text
    palette.base: Theme.card
    palette.text: Theme.text
    palette.button: Theme.bar
    palette.buttonText: Theme.accent
    palette.highlight: Theme.accent
    palette.highlightedText: Theme.accentText
    palette.mid: Theme.separator
    palette.light: Theme.card
    palette.midlight: Theme.segmentBackground

    Component.onCompleted: stack.push(stack.converter, {}, StackView.Immediate)

    Connections {
        target: stack.converter.StackView
        function onDeactivated() {
            stack.converterCovered = true
        }
        function onActivated() {
            if (stack.converterCovered)
                stack.converter.focusSettingsButton()
            stack.converterCovered = false
        }
    }

    // Slides a page (a QML file's URL) over the one shown.
    function pushPage(page: string) {
        stack.push(page)
    }

    // Shows these pages over the converter at once, without animation; none shows the converter.
    // One push per page: a typed list reaches push() as a sequence, not an array, and newer Qt
    // Quick Controls push nothing then.
    function showAtOnce(pages: list<string>) {
        stack.pop(null, StackView.Immediate)
        for (const page of pages)
            stack.push(page, StackView.Immediate)
    }
}
