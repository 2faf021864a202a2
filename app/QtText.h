#pragma once

#include <QString>
#include <string_view>

namespace jorv {

inline QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace jorv
