// ASCII base-85 as the PDF filter ASCII85Decode reads it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pdf {

// Groups of 4 bytes, big-endian, as 5 digits + 33; a full group of zeros is
// "z"; a last group of k < 4 bytes is padded with zeros and gives its first
// k + 1 digits; "~>" at the end; no line breaks.
std::string Ascii85Encode(std::span<const std::uint8_t> bytes);

}  // namespace pdf
