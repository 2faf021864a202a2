#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// The leading decimal number of text: an optional sign, then digits. Nothing when it has none.
std::optional<long long> LeadingNumber(std::string_view text);

}  // namespace jorv
