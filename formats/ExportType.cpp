#include "formats/ExportType.h"

#include <array>
#include <utility>

#include "core/PathParts.h"

namespace jorv {

std::optional<ExportType> ExportTypeOf(const std::string& path) {
    const std::string extension = LowerCaseExtension(path);
    constexpr std::array known = {std::pair{".wav", ExportType::Wave}, std::pair{".flac", ExportType::Flac},
                                  std::pair{".ogg", ExportType::Vorbis}, std::pair{".opus", ExportType::Opus},
                                  std::pair{".mp3", ExportType::Mp3}};
    for (const auto& [name, type] : known)
        if (extension == name) return type;
    return std::nullopt;
}

}  // namespace jorv
