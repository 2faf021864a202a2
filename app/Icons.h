#pragma once

#include <QIcon>
#include <string_view>

namespace jorv {

// An icon drawn from resources/icons/NAME.svg.
QIcon LoadIcon(std::string_view name);

}  // namespace jorv
