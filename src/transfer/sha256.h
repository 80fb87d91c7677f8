#pragma once
// SHA-256 of a byte string, as the panel history names the projects it keeps.

#include <string>
#include <string_view>

namespace lumora {

// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view data);

}  // namespace lumora
