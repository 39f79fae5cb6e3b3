// ORVExtChars.h - an external character value: a text that may be DbNull.
//
// The characters are read through GetChars, fatal for a DbNull value. The string
// comparators and hash coders accept an ORVExtChars wherever they accept an ORVString.
#pragma once

#include "ORVExtDataType.h"

class ORV_EXPORT ORVExtChars : public ORVExtDataType {
  ORV_META_OBJECT(ORVExtChars)

public:
  unsigned int IsDbNull() const override = 0;
  // The NUL-terminated characters; fatal when DbNull.
  virtual const char* GetChars() const = 0;
};
