#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "project/JSONVek.h"
#include "project/VekComponent.h"

namespace vek {

// Transfer object of one component in the project file. The display type text of a
// component is not stored.
class TJSONVekComponent {
 public:
  static constexpr std::string_view kTypeName = "JSONVekComponent.TJSONVekComponent";

  TJSONVekComponent() = default;
  explicit TJSONVekComponent(const TVekComponent& component) { SetJSONData(component); }

  void SetJSONData(const TVekComponent& component);
  // Throws ELoadProjectError when the design case is missing.
  std::unique_ptr<TVekComponent> CreateVekComponent() const;

  std::string FComponent;
  std::unique_ptr<TJSONVek> FVek;  // null: missing from the file
  std::string FPosition;
  int FQuantity = 0;
};

}  // namespace vek
