// What a screen reader meets on the screen, made only once one listens.
//
// Each Accessible property set in QML makes, when the page is created, an attached object with
// its bindings and connections for the item; on the converter screen that was a good part of
// every start, with or without a screen reader. The screen's items therefore declare what a
// reader should meet as plain properties, and makeReadable() turns them into their Accessible
// properties once a reader listens (QAccessible::isActive()):
//
//   accessibleRole         int, an Accessible role: the item takes part (required)
//   accessibleName         string: the spoken name, kept current (without it, a reader hears
//                          the item's text, as for any text item)
//   accessibleDescription  string: the description, kept current
//   checked                bool: the item is checkable, and this is its state, kept current
//   clicked()              signal: what the reader's press action does (and, for a checkable
//                          item, its toggle action)
//
// An item that already has its Accessible properties (set in its QML) is left as it is.
#pragma once

class QQuickItem;

namespace quorvane::qt {

// Gives every declaring item in the tree under root (root included) its Accessible properties.
void makeReadable(QQuickItem& root);

} // namespace quorvane::qt
