// Writes the project file's layout byte for byte: member order, number format and
// escapes are fixed, so a general JSON writer would not do.
#include "project/ProjectJsonWriter.h"

#include <cmath>
#include <limits>
#include <string_view>
#include <type_traits>

#include "core/NumberFormat.h"
#include "core/StandardFnc.h"

namespace vek {

namespace {

// The largest magnitude whose 15-digit form still reads back as a finite double.
constexpr double kLargestStoredReal = 1.79769313486231e308;

class TProjectJsonWriter {
 public:
  std::string Take() { return std::move(FOut); }

  void Project(const TJSONVekProject& project) {
    BeginWrapper(TJSONVekProject::kTypeName);
    Name("FCompany");
    Text(project.FCompany);
    Next("FCompanyAddress");
    Text(project.FCompanyAddress);
    Next("FCompanyReviser");
    Text(project.FCompanyReviser);
    Next("FDate");
    Real(project.FDate);
    Next("FVekComponentList");
    FOut += '[';
    for (size_t i = 0; i < project.FVekComponentList.size(); ++i) {
      if (i > 0) {
        FOut += ',';
      }
      Component(project.FVekComponentList[i]);
    }
    FOut += ']';
    Next("FProject");
    Text(project.FProject);
    EndWrapper();
  }

 private:
  void Component(const TJSONVekComponent& component) {
    BeginWrapper(TJSONVekComponent::kTypeName);
    Name("FComponent");
    Text(component.FComponent);
    if (component.FVek) {
      Next("FVek");
      Vek(*component.FVek);
    }
    Next("FPosition");
    Text(component.FPosition);
    Next("FQuantity");
    FOut += std::to_string(component.FQuantity);
    EndWrapper();
  }

  void Vek(const TJSONVek& vek) {
    BeginWrapper(TJSONVek::kTypeName);
    bool first = true;
    for (const TJSONVekMember& member : JSONVekMembers()) {
      std::visit(
          [&](auto pointer) {
            const auto& value = vek.*pointer;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::optional<TVEKL>>) {
              if (!value) {
                return;
              }
            }
            if (!first) {
              FOut += ',';
            }
            first = false;
            Name(member.Name);
            Value(value);
          },
          member.Pointer);
    }
    EndWrapper();
  }

  void Value(double value) { Real(value); }
  void Value(int value) { FOut += std::to_string(value); }
  void Value(bool value) { FOut += value ? "true" : "false"; }
  void Value(char16_t value) { Character(value); }
  void Value(const std::string& value) { Text(value); }
  void Value(TVEKState value) { Text(TVek::StateToStr(value)); }
  void Value(const TVEKL& value) { Reals(value.Items); }
  void Value(const std::optional<TVEKL>& value) { Reals(value->Items); }
  void Value(const TSpecialAnchorValues& value) { Reals(value); }

  template <class TArray>
  void Reals(const TArray& values) {
    FOut += '[';
    for (size_t i = 0; i < values.size(); ++i) {
      if (i > 0) {
        FOut += ',';
      }
      Real(values[i]);
    }
    FOut += ']';
  }

  void BeginWrapper(std::string_view type) {
    FOut += "{\"type\":";
    Text(type);
    FOut += ",\"id\":";
    FOut += std::to_string(++FLastId);
    FOut += ",\"fields\":{";
  }
  void EndWrapper() { FOut += "}}"; }

  void Name(std::string_view name) {
    Text(name);
    FOut += ':';
  }
  void Next(std::string_view name) {
    FOut += ',';
    Name(name);
  }

  // JSON has no NaN or infinity: such a value is stored as not set.
  void Real(double value) {
    if (!std::isfinite(value)) {
      value = kNullReal;
    } else if (std::fabs(value) > kLargestStoredReal) {
      value = std::copysign(kLargestStoredReal, value);
    }
    FOut += FormatGeneralExp(value);
  }

  // Only these are escaped; every other character, control characters included, is
  // written as it is.
  void Text(std::string_view text) {
    FOut += '"';
    for (char c : text) {
      switch (c) {
        case '"':
          FOut += "\\\"";
          break;
        case '\\':
          FOut += "\\\\";
          break;
        case '/':
          FOut += "\\/";
          break;
        case '\b':
          FOut += "\\b";
          break;
        case '\t':
          FOut += "\\t";
          break;
        case '\n':
          FOut += "\\n";
          break;
        case '\f':
          FOut += "\\f";
          break;
        case '\r':
          FOut += "\\r";
          break;
        default:
          FOut += c;
      }
    }
    FOut += '"';
  }

  // One UTF-16 character; code 0 is the empty text.
  void Character(char16_t c) {
    std::string utf8;
    if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // half of a pair has no UTF-8 form
    }
    if (c == 0) {
    } else if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
    Text(utf8);
  }

  std::string FOut;
  int FLastId = 0;
};

}  // namespace

std::string WriteProjectJson(const TJSONVekProject& project) {
  TProjectJsonWriter writer;
  writer.Project(project);
  return writer.Take();
}

}  // namespace vek
