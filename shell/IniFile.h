#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A private profile file: "[Section]" headers and "key=value" lines. Section and key names
// match without regard to case; lines starting with ';' are comments.
namespace jorv {

std::optional<std::string> ReadIniValue(const std::string& path, std::string_view section, std::string_view key);

// The value as text, or fallback when the file or key is missing.
std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view fallback);

// The leading decimal number of the value (0 when it has none, and for negative values),
// or fallback when the file or key is missing.
int ReadIniInt(const std::string& path, std::string_view section, std::string_view key, int fallback);

// Sets each key of section to its value: a key already there is changed where it stands, a new
// one goes at the end of the section (a missing section at the end of the file). Every other
// line stays as it was. The file is replaced whole or not at all; false when it could not be.
bool WriteIniValues(const std::string& path, std::string_view section,
                    const std::vector<std::pair<std::string, std::string>>& values);

// The leading decimal number of text: an optional sign, then digits. Nothing when it has none.
std::optional<long long> LeadingNumber(std::string_view text);

}  // namespace jorv
