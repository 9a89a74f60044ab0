#pragma once

class QWidget;

// A field whose value cannot be changed here (a read-only value, the index
// of a row being edited) is painted in the button face. The face is taken
// from the palette each time the palette changes, as when the desktop
// switches between light and dark themes, so the text, which follows the
// palette, stays readable on it.
void PaintAsButtonFace(QWidget *field);

// Back to the palette's own field colour (undoes PaintAsButtonFace; other
// colours the field was given stay).
void PaintAsField(QWidget *field);
