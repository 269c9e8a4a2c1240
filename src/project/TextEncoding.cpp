#include "project/TextEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <optional>

#include "project/ProjectFileErrors.h"

namespace vek {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// The five bytes that Windows-1252 leaves undefined. Windows reads them as the C1
// controls of the same number, and so does this reader.
bool IsUndefinedIn1252(unsigned char byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

class TIconv {
 public:
  TIconv(const char* to, const char* from) : FHandle(iconv_open(to, from)) {
    if (FHandle == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("no conversion from ") + from + " to " + to);
    }
  }
  ~TIconv() { iconv_close(FHandle); }
  TIconv(const TIconv&) = delete;
  TIconv& operator=(const TIconv&) = delete;

  // Converts as far as it can; answers the count of input bytes left and sets Error to
  // the errno of the stop (0 when all was converted).
  size_t Convert(std::string_view input, std::string& output, int& error) {
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    error = 0;
    while (inLeft > 0) {
      char* out = buffer;
      size_t outLeft = sizeof buffer;
      const size_t result = iconv(FHandle, &in, &inLeft, &out, &outLeft);
      output.append(buffer, static_cast<size_t>(out - buffer));
      if (result == static_cast<size_t>(-1) && errno != E2BIG) {
        error = errno;
        break;
      }
    }
    return inLeft;
  }

 private:
  iconv_t FHandle;
};

std::string ToUtf8(std::string_view bytes, const char* encoding) {
  TIconv converter("UTF-8", encoding);
  std::string text;
  text.reserve(bytes.size());
  int error = 0;
  converter.Convert(bytes, text, error);
  if (error != 0) {
    throw ELoadProjectError(std::string("the text is no valid ") + encoding);
  }
  return text;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  TIconv converter("UTF-8", "WINDOWS-1252");
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 8);
  while (!bytes.empty()) {
    int error = 0;
    const size_t left = converter.Convert(bytes, text, error);
    bytes.remove_prefix(bytes.size() - left);
    if (error == 0) {
      break;
    }
    const auto byte = static_cast<unsigned char>(bytes.front());
    if (error != EILSEQ || !IsUndefinedIn1252(byte)) {
      throw ELoadProjectError("the text is no valid Windows-1252");
    }
    text += static_cast<char>(0xC2);
    text += static_cast<char>(byte);
    bytes.remove_prefix(1);
  }
  return text;
}

std::optional<std::string> Utf8To1252(std::string_view utf8) {
  TIconv converter("WINDOWS-1252", "UTF-8");
  std::string bytes;
  bytes.reserve(utf8.size());
  int error = 0;
  converter.Convert(utf8, bytes, error);
  if (error != 0) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::string DecodeProjectFileText(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) {
    return ToUtf8(bytes.substr(kUtf8Bom.size()), "UTF-8");
  }
  if (bytes.starts_with(kUtf16LeBom)) {
    return ToUtf8(bytes.substr(kUtf16LeBom.size()), "UTF-16LE");
  }
  if (bytes.starts_with(kUtf16BeBom)) {
    return ToUtf8(bytes.substr(kUtf16BeBom.size()), "UTF-16BE");
  }
  return Windows1252ToUtf8(bytes);
}

std::string EncodeProjectFileText(std::string_view utf8) {
  if (std::optional<std::string> bytes = Utf8To1252(utf8)) {
    return std::move(*bytes);
  }
  std::string bytes(kUtf8Bom);
  bytes += utf8;
  return bytes;
}

}  // namespace vek
