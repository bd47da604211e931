// Where a dialog opens on Qt.
#pragma once

class QWidget;

// Centres a top-level window over its owner's frame, or over the screen's work area: the whole
// window, frame included, as a template at (0, 0) opens.
void CenterWindow(QWidget& window);
