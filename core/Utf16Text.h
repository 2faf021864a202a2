#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text fields of the persistent records are fixed-width UTF-16; the rest of the program
// works in UTF-8. These helpers convert at that boundary.
namespace jorv {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// The text of a NUL-terminated field, never reading past its width.
std::u16string_view FieldText(const char16_t* field, std::size_t width);

template <std::size_t N>
std::string FieldToUtf8(const char16_t (&field)[N]) {
    return Utf16ToUtf8(FieldText(field, N));
}

// Stores text plus its NUL, leaving the units after the NUL as they were (as a C string copy
// does, so that stored files keep their bytes). Text that does not fit leaves the field
// untouched and returns false.
bool StoreField(char16_t* field, std::size_t width, std::u16string_view text);

template <std::size_t N>
bool StoreField(char16_t (&field)[N], std::string_view utf8) {
    return StoreField(field, N, Utf8ToUtf16(utf8));
}

}  // namespace jorv
