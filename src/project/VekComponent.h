#pragma once

#include <memory>
#include <string>

#include "engine/Vek.h"

namespace vek {

// One anchor position of a project: a structural member with a position mark that is
// unique within its project, a quantity and the design case it owns.
class TVekComponent {
 public:
  // Takes the design case; the quantity is stored as given.
  TVekComponent(std::unique_ptr<TVek> vek, std::string position, std::string component,
                int quantity);

  const std::string& GetComponent() const { return FComponent; }
  void SetComponent(std::string component) { FComponent = std::move(component); }
  const std::string& GetPosition() const { return FPosition; }
  void SetPosition(std::string position) { FPosition = std::move(position); }
  // Display text of the current result; never stored in the project file.
  const std::string& GetType() const { return FType; }
  void SetType(std::string type) { FType = std::move(type); }

  int GetQuantity() const { return FQuantity; }
  // Values below 1 are ignored: a position has at least one anchor.
  void SetQuantity(int quantity);

  TVek* GetVek() const { return FVek.get(); }
  // Replaces the design case and hands the previous one back to the caller.
  std::unique_ptr<TVek> SetVek(std::unique_ptr<TVek> vek);

 private:
  std::string FComponent;
  std::unique_ptr<TVek> FVek;
  std::string FPosition;
  std::string FType;
  int FQuantity = 0;
};

}  // namespace vek
