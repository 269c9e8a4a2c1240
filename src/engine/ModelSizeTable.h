#pragma once

#include <array>
#include <span>

namespace vek {

// Where a constant key of a standard anchor size takes its value from.
enum class TModelSizeSource {
  SIZE_COLUMN,   // the column of the size
  COVER_INNER,   // 20 for B500NR reinforcement, otherwise 25
  COVER_OUTER,   // 20 for B500NR reinforcement, otherwise 35
  SCREW_LENGTH,  // the adjusting-screw length of the size (settings)
  WELD_LENGTH,   // the weld-seam length of the size (settings)
};

// One constant key of the standard sizes 1 to 8; Values[k - 1] belongs to size k.
struct TModelSizeRow {
  const char* Key;
  TModelSizeSource Source;
  std::array<double, 8> Values;
};

// The constant keys of the standard sizes, in the order they enter the model table.
std::span<const TModelSizeRow> ModelSizeRows();

}  // namespace vek
