#pragma once

class QScrollArea;
class QWidget;

// The body of a panel, which scrolls when the panel is shorter than it: a
// panel asks the window for no more height than a few lines, so that showing
// it never makes the window taller. No stop for Tab, and no frame.
QWidget* ScrollingBody(QWidget& panel, QScrollArea** scroll = nullptr);
