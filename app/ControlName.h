#pragma once

#include <QString>

namespace jorv {

// Every control carries its numeric id in its object name ("control<id>"): the window finds its
// controls by it, and so do the window's tests.
template <typename Widget>
Widget* NameControl(Widget* widget, int id) {
    widget->setObjectName(QStringLiteral("control%1").arg(id));
    return widget;
}

}  // namespace jorv
