// ORVExtAnyValue.h - what the settable external values share: a value of their type
// and whether it is DbNull.
//
// ORVExtAnyBoolean, ORVExtAnyInteger, ORVExtAnyConstPointer and ORVExtAnyVarPointer
// derive from it over their abstract value class and give its reads and writes their
// own names. A pointer holder is DbNull exactly when its pointer is null; the others
// keep a null flag beside the value. A holder is copied by its own class, through its
// setters, so that a subclass's setter sees the copy too.
#pragma once

#include <type_traits>

// The null flag beside a value that has no null of its own; a pointer holder has none.
template <bool ValueIsPointer>
struct ORVExtAnyNullFlag {
  unsigned int _IsNull = 1;
};
template <>
struct ORVExtAnyNullFlag<true> {};

template <typename TBase, typename TValue>
class ORVExtAnyValue : public TBase, private ORVExtAnyNullFlag<std::is_pointer_v<TValue>> {
  static constexpr bool kIsPointer = std::is_pointer_v<TValue>;

public:
  ORVExtAnyValue(const ORVExtAnyValue&) = delete;
  ORVExtAnyValue& operator=(const ORVExtAnyValue&) = delete;

  unsigned int IsDbNull() const override {
    if constexpr (kIsPointer)
      return _Value == nullptr;
    else
      return this->_IsNull;
  }
  virtual void SetToDbNull() {
    _Value = TValue();
    if constexpr (!kIsPointer) this->_IsNull = 1;
  }

protected:
  // DbNull.
  ORVExtAnyValue() = default;

  TValue GetValue() const { return _Value; }
  // Fatal when DbNull.
  TValue GetCheckedValue() const {
    this->CheckIsNotDbNull();
    return _Value;
  }
  void SetValue(TValue iValue) {
    _Value = iValue;
    if constexpr (!kIsPointer) this->_IsNull = 0;
  }

private:
  TValue _Value = TValue();
};
