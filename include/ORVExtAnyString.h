// ORVExtAnyString.h - an external character value that owns its text in an ORVString.
//
// The empty string is DbNull. Copies from another ORVExtAnyString share its string's
// storage until either changes. GetChars and GetString are fatal on DbNull; String()
// hands out the stored string itself, unchecked, for changing it in place.
#pragma once

#include "ORVExtChars.h"
#include "ORVString.h"

class ORV_EXPORT ORVExtAnyString : public ORVExtChars {
  ORV_META_OBJECT(ORVExtAnyString)

public:
  // DbNull.
  ORVExtAnyString();
  // A copy of iChars.
  explicit ORVExtAnyString(const char* iChars);
  explicit ORVExtAnyString(const ORVString& iString);
  // iOther's value, or DbNull.
  explicit ORVExtAnyString(const ORVExtChars& iOther);
  ORVExtAnyString(const ORVExtAnyString& iOther);
  ORVExtAnyString& operator=(const ORVExtAnyString& iOther);

  unsigned int IsDbNull() const override;
  const char* GetChars() const override;
  virtual void SetToDbNull();
  // Copies iChars up to its NUL (DbNull for null or empty).
  virtual void SetChars(const char* iChars);
  // Shares iString's storage.
  virtual void SetString(const ORVString& iString);
  // DbNull when iOther is; the other's string (shared) when it is an ORVExtAnyString;
  // otherwise a copy of its characters.
  virtual void SetExtChars(const ORVExtChars& iOther);
  // Fatal when DbNull.
  virtual const ORVString& GetString() const;
  // The stored string, unchecked.
  virtual ORVString& String();

private:
  ORVString _String;
};
