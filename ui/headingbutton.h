#pragma once

class QLabel;
class QToolButton;

namespace ui {

// Puts a small flat button at the right end of a heading, as high as the heading, so that no
// other control moves; a later one goes right of those before it.
void putInHeading(QLabel* heading, QToolButton* button);

} // namespace ui
