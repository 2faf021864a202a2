#pragma once

#include <QFont>
#include <QString>
#include <string_view>

namespace jorv {

inline QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The small print of the meter strip: captions and the dropout count.
inline QFont SmallerFont(QFont font) {
    font.setPointSizeF(font.pointSizeF() * 0.8);
    return font;
}

}  // namespace jorv
