#pragma once

#include "language/Dictionary.h"
#include "language/OperatorTexts.h"

namespace vek {

// The English language table: every key of kLanguageKeys, in its order.
class TDictionaryEnglish : public IDictionary {
 public:
  // With the operator texts embedded at build time.
  TDictionaryEnglish();
  explicit TDictionaryEnglish(const TOperatorTexts& operatorTexts);

  const TDictionaryMap& GetDictionary() const override { return FDictionary; }

 private:
  TDictionaryMap FDictionary;
};

}  // namespace vek
