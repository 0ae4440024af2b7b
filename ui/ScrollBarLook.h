#pragma once
// The look of the scene's scroll bar: a white track, a darker raised thumb
// and an arrow button at each end.

class QScrollBar;

void styleSceneScrollBar(QScrollBar* bar);
