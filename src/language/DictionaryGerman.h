#pragma once

#include "language/Dictionary.h"
#include "language/OperatorTexts.h"

namespace vek {

// The German language table: every key of kLanguageKeys, in its order.
class TDictionaryGerman : public IDictionary {
 public:
  // With the operator texts embedded at build time.
  TDictionaryGerman();
  explicit TDictionaryGerman(const TOperatorTexts& operatorTexts);

  const TDictionaryMap& GetDictionary() const override { return FDictionary; }

 private:
  TDictionaryMap FDictionary;
};

}  // namespace vek
