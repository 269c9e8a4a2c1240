#include "project/VekComponent.h"

#include <utility>

namespace vek {

TVekComponent::TVekComponent(std::unique_ptr<TVek> vek, std::string position, std::string component,
                             int quantity)
    : FComponent(std::move(component)),
      FVek(std::move(vek)),
      FPosition(std::move(position)),
      FQuantity(quantity) {}

void TVekComponent::SetQuantity(int quantity) {
  if (quantity > 0) {
    FQuantity = quantity;
  }
}

std::unique_ptr<TVek> TVekComponent::SetVek(std::unique_ptr<TVek> vek) {
  std::swap(FVek, vek);
  return vek;
}

}  // namespace vek
