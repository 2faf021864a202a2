#include "formats/ExportType.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <utility>

namespace jorv {

std::optional<ExportType> ExportTypeOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    constexpr std::array known = {std::pair{".wav", ExportType::Wave}, std::pair{".flac", ExportType::Flac},
                                  std::pair{".ogg", ExportType::Vorbis}, std::pair{".opus", ExportType::Opus},
                                  std::pair{".mp3", ExportType::Mp3}};
    for (const auto& [name, type] : known)
        if (extension == name) return type;
    return std::nullopt;
}

}  // namespace jorv
