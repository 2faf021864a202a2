#pragma once

#include <QScrollBar>

namespace jorv {

// A scroll bar that only its thumb moves: arrow and trough clicks are undone before they apply,
// as a bar that nobody repositions stays where it is.
QScrollBar* NewThumbOnlyBar(Qt::Orientation orientation, QWidget* parent, int id);

}  // namespace jorv
