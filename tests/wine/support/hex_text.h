// Texts travel between the Windows test programs and the test scripts as hex, so that GBK bytes
// cross stdout and command lines untouched by any code page.
#pragma once

#include <cstdlib>
#include <string>

namespace vexlumen::testing {

inline std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

inline std::string Unhex(const char* hex) {
  std::string out;
  for (std::size_t i = 0; hex[i] != 0 && hex[i + 1] != 0; i += 2) {
    const char pair[3] = {hex[i], hex[i + 1], 0};
    out += static_cast<char>(std::strtoul(pair, nullptr, 16));
  }
  return out;
}

}  // namespace vexlumen::testing
