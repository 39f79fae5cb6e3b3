// ORVExtAnyChars.h - an external character value that points at a text it does not own.
//
// The text must outlive the holder and stay unchanged while it is read. A null pointer
// or an empty text is DbNull. Reading a DbNull value is a fatal internal error.
#pragma once

#include "ORVExtChars.h"

class ORV_EXPORT ORVExtAnyChars : public ORVExtChars {
  ORV_META_OBJECT(ORVExtAnyChars)

public:
  // DbNull.
  ORVExtAnyChars();
  // Points at iChars.
  explicit ORVExtAnyChars(const char* iChars);
  // iOther's characters, or DbNull.
  explicit ORVExtAnyChars(const ORVExtChars& iOther);
  ORVExtAnyChars(const ORVExtAnyChars& iOther);
  ORVExtAnyChars& operator=(const ORVExtAnyChars& iOther);

  unsigned int IsDbNull() const override;
  const char* GetChars() const override;
  virtual void SetToDbNull();
  // Keeps the pointer itself, not a copy.
  virtual void SetChars(const char* iChars);
  // DbNull when iOther is, else a pointer to iOther's characters.
  virtual void SetExtChars(const ORVExtChars& iOther);

private:
  const char* _pChars;
};
