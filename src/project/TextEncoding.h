#pragma once

#include <string>
#include <string_view>

namespace vek {

// The bytes of a project file as UTF-8 text. A UTF-8 or UTF-16 byte-order mark selects
// that encoding; without one the bytes are Windows-1252. Throws ELoadProjectError on a
// sequence that is invalid in the selected encoding.
std::string DecodeProjectFileText(std::string_view bytes);

// UTF-8 text as the bytes of a project file: Windows-1252 when the code page has every
// character of the text, otherwise UTF-8 behind a byte-order mark, so that nothing is lost.
std::string EncodeProjectFileText(std::string_view utf8);

}  // namespace vek
