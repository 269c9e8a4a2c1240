// Reads the project file through nlohmann's event interface: each value is checked
// against the member it belongs to as it arrives, so a damaged or hostile text is
// refused at its first wrong token, without building a tree of it first.
#include "project/ProjectJsonReader.h"

#include <nlohmann/json.hpp>

#include <bitset>
#include <limits>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "project/ProjectFileErrors.h"

namespace vek {

namespace {

using json = nlohmann::json;

enum class TClass { Project, Component, Vek };

struct TTypeSlot {
  std::string_view Expected;
};
struct TIdSlot {};
struct TFieldsSlot {
  TClass Class;
  void* Object;
};
struct TTextSlot {
  std::string* Target;
};
struct TRealSlot {
  double* Target;
};
struct TIntSlot {
  int* Target;
  long long Min;
  long long Max;
};
struct TBoolSlot {
  bool* Target;
};
struct TCharSlot {
  char16_t* Target;
};
struct TStateSlot {
  TVEKState* Target;
};
struct TRealsSlot {
  std::span<double> Target;
};
struct TListSlot {
  std::vector<TJSONVekComponent>* Target;
};
struct TVekSlot {
  std::unique_ptr<TJSONVek>* Target;
};

// What the next value must be, as the member before it says.
using TSlot =
    std::variant<std::monostate, TTypeSlot, TIdSlot, TFieldsSlot, TTextSlot, TRealSlot, TIntSlot,
                 TBoolSlot, TCharSlot, TStateSlot, TRealsSlot, TListSlot, TVekSlot>;

struct TFrame {
  enum class TKind { Wrapper, Fields, List, Reals };

  static TFrame For(TKind kind, TClass c, void* object) {
    TFrame frame;
    frame.Kind = kind;
    frame.Class = c;
    frame.Object = object;
    return frame;
  }

  TKind Kind = TKind::Wrapper;
  TClass Class = TClass::Project;
  void* Object = nullptr;
  std::bitset<80> Seen;     // members met so far, to refuse one given twice
  std::span<double> Reals;  // Reals: the array being filled
  std::size_t Count = 0;    // Reals: entries read; List: components read
  std::vector<TJSONVekComponent>* List = nullptr;
};

std::string_view TypeName(TClass c) {
  switch (c) {
    case TClass::Project:
      return TJSONVekProject::kTypeName;
    case TClass::Component:
      return TJSONVekComponent::kTypeName;
    case TClass::Vek:
      return TJSONVek::kTypeName;
  }
  return {};
}

constexpr long long kIntMin = std::numeric_limits<int>::min();
constexpr long long kIntMax = std::numeric_limits<int>::max();

// The one UTF-16 character of a UTF-8 text; the empty text is character 0.
bool SingleCharacter(const std::string& text, char16_t& c) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  switch (text.size()) {
    case 0:
      c = 0;
      return true;
    case 1:
      c = s[0];
      return s[0] < 0x80;
    case 2:
      c = static_cast<char16_t>(((s[0] & 0x1F) << 6) | (s[1] & 0x3F));
      return (s[0] & 0xE0) == 0xC0;
    case 3:
      c = static_cast<char16_t>(((s[0] & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F));
      return (s[0] & 0xF0) == 0xE0;
    default:
      return false;  // several characters, or one outside the 16-bit range
  }
}

class TProjectSaxReader {
 public:
  explicit TProjectSaxReader(TJSONVekProject& project) : FProject(project) {}

  const std::string& Error() const { return FError; }

  bool null() { return Fail("null is no stored value"); }
  bool boolean(bool value) {
    if (auto* slot = std::get_if<TBoolSlot>(&FSlot)) {
      *slot->Target = value;
      return Consumed();
    }
    return Fail("unexpected boolean");
  }
  bool number_integer(json::number_integer_t value) {
    return Integer(value, static_cast<double>(value));
  }
  bool number_unsigned(json::number_unsigned_t value) {
    // Beyond every int either way; only its value as a real matters then.
    const auto clipped = value > static_cast<json::number_unsigned_t>(kIntMax)
                             ? kIntMax + 1
                             : static_cast<long long>(value);
    return Integer(clipped, static_cast<double>(value));
  }
  bool number_float(json::number_float_t value, const std::string&) { return Real(value); }
  bool string(std::string& value) {
    if (auto* slot = std::get_if<TTextSlot>(&FSlot)) {
      *slot->Target = std::move(value);
      return Consumed();
    }
    if (auto* slot = std::get_if<TTypeSlot>(&FSlot)) {
      return value == slot->Expected ? Consumed() : Fail("unexpected type \"" + value + "\"");
    }
    if (auto* slot = std::get_if<TCharSlot>(&FSlot)) {
      return SingleCharacter(value, *slot->Target) ? Consumed() : Fail("not one character");
    }
    if (auto* slot = std::get_if<TStateSlot>(&FSlot)) {
      for (TVEKState state : {TVEKState::DEFAULT, TVEKState::CALCULATED, TVEKState::ASSIGNED}) {
        if (value == TVek::StateToStr(state)) {
          *slot->Target = state;
          return Consumed();
        }
      }
      return Fail("unknown state");
    }
    return Fail("unexpected text");
  }
  bool binary(json::binary_t&) { return Fail("unexpected binary value"); }

  bool start_object(std::size_t) {
    if (FStack.empty()) {
      if (FRootSeen) {
        return Fail("more than one project");
      }
      FRootSeen = true;
      return Push(TFrame::For(TFrame::TKind::Wrapper, TClass::Project, &FProject));
    }
    TFrame& top = FStack.back();
    if (top.Kind == TFrame::TKind::List) {
      if (++top.Count > kMaxStoredComponents) {
        return Fail("too many components");
      }
      top.List->emplace_back();
      return Push(TFrame::For(TFrame::TKind::Wrapper, TClass::Component, &top.List->back()));
    }
    if (auto* slot = std::get_if<TFieldsSlot>(&FSlot)) {
      const TFieldsSlot fields = *slot;
      FSlot = {};
      return Push(TFrame::For(TFrame::TKind::Fields, fields.Class, fields.Object));
    }
    if (auto* slot = std::get_if<TVekSlot>(&FSlot)) {
      *slot->Target = std::make_unique<TJSONVek>();
      TJSONVek* vek = slot->Target->get();
      FSlot = {};
      return Push(TFrame::For(TFrame::TKind::Wrapper, TClass::Vek, vek));
    }
    return Fail("unexpected object");
  }

  bool key(std::string& name) {
    if (FStack.empty() || !std::holds_alternative<std::monostate>(FSlot)) {
      return Fail("unexpected member");
    }
    TFrame& top = FStack.back();
    if (top.Kind == TFrame::TKind::Wrapper) {
      return WrapperMember(top, name);
    }
    if (top.Kind == TFrame::TKind::Fields) {
      switch (top.Class) {
        case TClass::Project:
          return ProjectMember(top, name);
        case TClass::Component:
          return ComponentMember(top, name);
        case TClass::Vek:
          return VekMember(top, name);
      }
    }
    return Fail("unexpected member");
  }

  bool end_object() {
    TFrame& top = FStack.back();
    if (top.Kind == TFrame::TKind::Wrapper && !(top.Seen[0] && top.Seen[1] && top.Seen[2])) {
      return Fail("an object lacks \"type\", \"id\" or \"fields\"");
    }
    FStack.pop_back();
    return true;
  }

  bool start_array(std::size_t) {
    if (auto* slot = std::get_if<TRealsSlot>(&FSlot)) {
      TFrame frame;
      frame.Kind = TFrame::TKind::Reals;
      frame.Reals = slot->Target;
      FSlot = {};
      return Push(frame);
    }
    if (auto* slot = std::get_if<TListSlot>(&FSlot)) {
      TFrame frame;
      frame.Kind = TFrame::TKind::List;
      frame.List = slot->Target;
      FSlot = {};
      return Push(frame);
    }
    return Fail("unexpected array");
  }

  bool end_array() {
    const TFrame& top = FStack.back();
    if (top.Kind == TFrame::TKind::Reals && top.Count != top.Reals.size()) {
      return Fail("an array has " + std::to_string(top.Count) + " entries instead of " +
                  std::to_string(top.Reals.size()));
    }
    FStack.pop_back();
    return true;
  }

  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) {
    if (FError.empty()) {
      FError = error.what();
    }
    return false;
  }

 private:
  bool Fail(std::string reason) {
    if (FError.empty()) {
      FError = std::move(reason);
    }
    return false;
  }
  bool Consumed() {
    FSlot = {};
    return true;
  }
  bool Push(const TFrame& frame) {
    FStack.push_back(frame);
    return true;
  }

  // Reals inside an array, or a member's number.
  bool Real(double value) {
    if (!FStack.empty() && FStack.back().Kind == TFrame::TKind::Reals) {
      TFrame& top = FStack.back();
      if (top.Count >= top.Reals.size()) {
        return Fail("an array has too many entries");
      }
      top.Reals[top.Count++] = value;
      return true;
    }
    if (auto* slot = std::get_if<TRealSlot>(&FSlot)) {
      *slot->Target = value;
      return Consumed();
    }
    return Fail("unexpected number");
  }

  // A whole number: an int member's value, an id, or a real written without fraction.
  bool Integer(long long value, double asReal) {
    if (auto* slot = std::get_if<TIntSlot>(&FSlot)) {
      if (value < slot->Min || value > slot->Max) {
        return Fail("a whole number is out of range");
      }
      *slot->Target = static_cast<int>(value);
      return Consumed();
    }
    if (std::holds_alternative<TIdSlot>(FSlot)) {
      return Consumed();
    }
    return Real(asReal);
  }

  bool Member(TFrame& frame, std::size_t index, TSlot slot) {
    if (index >= frame.Seen.size() || frame.Seen[index]) {
      return Fail("a member is given twice");
    }
    frame.Seen[index] = true;
    FSlot = slot;
    return true;
  }

  bool WrapperMember(TFrame& frame, const std::string& name) {
    if (name == "type") {
      return Member(frame, 0, TTypeSlot{TypeName(frame.Class)});
    }
    if (name == "id") {
      return Member(frame, 1, TIdSlot{});
    }
    if (name == "fields") {
      return Member(frame, 2, TFieldsSlot{frame.Class, frame.Object});
    }
    return Fail("unknown member \"" + name + "\"");
  }

  bool ProjectMember(TFrame& frame, const std::string& name) {
    auto& p = *static_cast<TJSONVekProject*>(frame.Object);
    if (name == "FCompany") {
      return Member(frame, 0, TTextSlot{&p.FCompany});
    }
    if (name == "FCompanyAddress") {
      return Member(frame, 1, TTextSlot{&p.FCompanyAddress});
    }
    if (name == "FCompanyReviser") {
      return Member(frame, 2, TTextSlot{&p.FCompanyReviser});
    }
    if (name == "FDate") {
      return Member(frame, 3, TRealSlot{&p.FDate});
    }
    if (name == "FVekComponentList") {
      return Member(frame, 4, TListSlot{&p.FVekComponentList});
    }
    if (name == "FProject") {
      return Member(frame, 5, TTextSlot{&p.FProject});
    }
    return Fail("unknown member \"" + name + "\"");
  }

  bool ComponentMember(TFrame& frame, const std::string& name) {
    auto& c = *static_cast<TJSONVekComponent*>(frame.Object);
    if (name == "FComponent") {
      return Member(frame, 0, TTextSlot{&c.FComponent});
    }
    if (name == "FVek") {
      return Member(frame, 1, TVekSlot{&c.FVek});
    }
    if (name == "FPosition") {
      return Member(frame, 2, TTextSlot{&c.FPosition});
    }
    if (name == "FQuantity") {
      return Member(frame, 3, TIntSlot{&c.FQuantity, kIntMin, kIntMax});
    }
    return Fail("unknown member \"" + name + "\"");
  }

  bool VekMember(TFrame& frame, const std::string& name) {
    auto& v = *static_cast<TJSONVek*>(frame.Object);
    const std::span<const TJSONVekMember> members = JSONVekMembers();
    for (std::size_t i = 0; i < members.size(); ++i) {
      const TJSONVekMember& member = members[i];
      if (member.Name != name) {
        continue;
      }
      const TSlot slot = std::visit(
          [&](auto pointer) -> TSlot {
            auto& target = v.*pointer;
            using T = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<T, double>) {
              return TRealSlot{&target};
            } else if constexpr (std::is_same_v<T, int>) {
              return member.MaxOrdinal >= 0 ? TIntSlot{&target, 0, member.MaxOrdinal}
                                            : TIntSlot{&target, kIntMin, kIntMax};
            } else if constexpr (std::is_same_v<T, bool>) {
              return TBoolSlot{&target};
            } else if constexpr (std::is_same_v<T, char16_t>) {
              return TCharSlot{&target};
            } else if constexpr (std::is_same_v<T, std::string>) {
              return TTextSlot{&target};
            } else if constexpr (std::is_same_v<T, TVEKState>) {
              return TStateSlot{&target};
            } else if constexpr (std::is_same_v<T, TVEKL>) {
              return TRealsSlot{target.Items};
            } else if constexpr (std::is_same_v<T, std::optional<TVEKL>>) {
              target.emplace();
              return TRealsSlot{target->Items};
            } else {
              return TRealsSlot{target};
            }
          },
          member.Pointer);
      return Member(frame, i, slot);
    }
    return Fail("unknown member \"" + name + "\"");
  }

  TJSONVekProject& FProject;
  std::vector<TFrame> FStack;
  TSlot FSlot;
  bool FRootSeen = false;
  std::string FError;
};

// The writer stores control characters other than the five named escapes as they are,
// which strict JSON forbids inside texts; give them their \u form before parsing.
std::string EscapeRawControls(std::string_view text) {
  std::string out;
  bool inText = false;
  bool escaped = false;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (inText && !escaped && byte < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
      continue;
    }
    out += c;
    if (escaped) {
      escaped = false;
    } else if (inText && c == '\\') {
      escaped = true;
    } else if (c == '"') {
      inText = !inText;
    }
  }
  return out;
}

}  // namespace

TJSONVekProject ReadProjectJson(std::string_view text) {
  TJSONVekProject project;
  TProjectSaxReader reader(project);
  const std::string escaped = EscapeRawControls(text);
  const bool ok = json::sax_parse(escaped, &reader, json::input_format_t::json, true, false);
  if (!ok) {
    throw ELoadProjectError(reader.Error().empty() ? "invalid text" : reader.Error());
  }
  return project;
}

}  // namespace vek
