#pragma once
// SHA-256 (FIPS 180-4) of a byte string, as 64 lower-case hex digits: the
// digest a filed PDF records of the case attached to it.
#include <string>
#include <string_view>

namespace quill10 {

std::string Sha256Hex(std::string_view bytes);

}  // namespace quill10
