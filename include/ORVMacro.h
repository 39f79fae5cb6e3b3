// ORVMacro.h - the meta-object protocol of the library's classes and checked down-casts.
//
// Each class declares ORV_META_OBJECT(Class) in its body and defines
// ORV_META_OBJECT_DEFINE(Class, DirectBase) in its source file. The class's
// meta-object is registered on first use, under its direct base, and lives until
// the process ends. A conversion check that fails ends the process with a fatal
// report; a null object always passes. Meta-objects are process-wide, unlocked state.
#pragma once

#include "ORVExport.h"
#include "PEVBaseUnknown.h"

// In a class body: the class-identity members. Leaves the access private.
#define ORV_META_OBJECT(Class)                                      \
public:                                                             \
  static PEVMetaClass* MetaObject();                                \
  PEVMetaClass* GetMetaObject() const override;                     \
  static const CLSID& ClassId();                                    \
  static const char* ClassName();                                   \
  const char* IsA() const override;                                 \
  unsigned int IsAKindOf(const char* iClassName) const override;    \
  /* No library class can be created from its meta-object: null. */ \
  static PEVBaseUnknown* CreateItself();                            \
                                                                    \
private:                                                            \
  static PEVMetaClass* _pMetaObject;

// In the class's source file: registers Class with its direct base as parent.
#define ORV_META_OBJECT_DEFINE(Class, Base)                                                        \
  PEVMetaClass* Class::_pMetaObject = nullptr;                                                     \
  PEVMetaClass* Class::MetaObject() {                                                              \
    if (_pMetaObject) return _pMetaObject;                                                         \
    PEVMetaClass* parent = Base::MetaObject();                                                     \
    _pMetaObject = fct_RetrieveMetaObject(#Class, PEVTypeOfClassImplementation, parent, "PEVNull", \
                                          "TovakBase", sizeof(Class));                             \
    return _pMetaObject;                                                                           \
  }                                                                                                \
  PEVMetaClass* Class::GetMetaObject() const {                                                     \
    return _pMetaObject ? _pMetaObject : MetaObject();                                             \
  }                                                                                                \
  const CLSID& Class::ClassId() {                                                                  \
    return Class::MetaObject()->GetClassId();                                                      \
  }                                                                                                \
  const char* Class::ClassName() {                                                                 \
    return Class::MetaObject()->GetClassName();                                                    \
  }                                                                                                \
  const char* Class::IsA() const {                                                                 \
    return Class::ClassName();                                                                     \
  }                                                                                                \
  unsigned int Class::IsAKindOf(const char* iClassName) const {                                    \
    return Class::MetaObject()->IsAKindOf(iClassName);                                             \
  }                                                                                                \
  PEVBaseUnknown* Class::CreateItself() {                                                          \
    return nullptr;                                                                                \
  }

// In a class body: the one shared instance of a stateless helper (comparator, hash
// coder), made by GetGlobal on first use and registered with the global object cleaner;
// the destructor empties the class-level slot. Leaves the access private.
#define ORV_GLOBAL_INSTANCE(Class) \
public:                            \
  ~Class() override;               \
  static Class* GetGlobal();       \
                                   \
private:                           \
  static Class* _pGlobal;

// The object itself when it is null or of pMetaClass's class or a class derived from it;
// otherwise a fatal internal error naming both classes. A null pMetaClass is fatal.
ORV_EXPORT PEVBaseUnknown* ORVConversionCheckVar(PEVBaseUnknown* object, PEVMetaClass* pMetaClass);
ORV_EXPORT const PEVBaseUnknown* ORVConversionCheckConst(const PEVBaseUnknown* object,
                                                         PEVMetaClass* pMetaClass);
ORV_EXPORT PEVBaseUnknown* ORVConversionCheckConstToVar(const PEVBaseUnknown* object,
                                                        PEVMetaClass* pMetaClass);

// Checked down-casts to a meta-object class T.
template <class T>
T* ORVCheckedCast(PEVBaseUnknown* iObject) {
  return static_cast<T*>(ORVConversionCheckVar(iObject, T::MetaObject()));
}
template <class T>
const T* ORVCheckedCast(const PEVBaseUnknown* iObject) {
  return static_cast<const T*>(ORVConversionCheckConst(iObject, T::MetaObject()));
}
template <class T>
T* ORVCheckedCastToVar(const PEVBaseUnknown* iObject) {
  return static_cast<T*>(ORVConversionCheckConstToVar(iObject, T::MetaObject()));
}
