// Where the desktop's font differs from the template's, and where a dialog opens.
#pragma once

class QWidget;

// Gives each static text among the window's direct children the room its text needs in the
// window's font: a one-line text grows to the right up to its neighbour, a wrapped text down to
// its neighbour below and, where that is not enough, across to the window's edge.
void FitStaticTexts(QWidget& window);

// Centres a top-level window over its owner's frame, or over the screen's work area: the whole
// window, frame included, as a template at (0, 0) opens.
void CenterWindow(QWidget& window);
