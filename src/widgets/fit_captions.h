#pragma once

class QWidget;

namespace quillbox {

// Makes room for the captions of a container's controls placed at fixed positions: every button,
// label, check box and tab strip among its children gets at least the width its text needs in
// the current font and language, and nothing placed after it in its row covers that text. Room
// is taken first from a text box or list just left of the control, which gives up width; else
// what follows in the row moves along to the right (text boxes and lists keeping their right
// edge where they can spare the width). Answers how many pixels further right the rightmost
// control now reaches than before: the width the container must gain to hold the row.
//
// Runs again after every layout: each control starts from where the layout last put it, so the
// result is the same however often it runs.
int fitCaptions(QWidget* container);

// The width a control needs to show its caption whole: a label's, check box's or tab strip's
// size hint; for a push or tool button its text (and picture) with the frame around them, not
// the style's minimum width for buttons, which is no part of the text.
int captionWidth(const QWidget* control);

} // namespace quillbox
