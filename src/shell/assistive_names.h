#pragma once
// Names for a screen reader: every control of a window that has no accessible name of its own
// (Qt gives a button its caption, a field its buddy label's text) is named from its label (the
// label just before it in its layout, or above it in a grid), else the first sentence of its
// hint, else its group's title; a control without a description gets its hint.
class QWidget;

namespace mivo {

// Once, after `window` is built; the names given stay as the controls' own from then on.
void NameControlsForAssistiveTech(QWidget* window);

// Whether `w` is a control a screen reader must be able to name: buttons, check and radio
// boxes, fields, spin and combo boxes, sliders, text areas, tables and lists. Scroll bars are
// their areas'.
bool IsInteractiveControl(const QWidget* w);

}  // namespace mivo
