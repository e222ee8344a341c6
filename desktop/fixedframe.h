#pragma once

class QWidget;

// A window that keeps its size: its frame offers the window manager neither resizing nor
// maximizing, only moving, minimizing and closing.
void offerFixedFrame(QWidget *window);
