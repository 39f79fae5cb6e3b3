// ORVRefHandler.h - counted references to library objects, typed by the class they hold.
//
// A handler holds one pointer and keeps the object alive: it releases the object when
// it lets go of it and, when the pointer was given with ORVRfHndlrAddRef, adds a
// reference when it takes it. A typed handler refuses, with a fatal report, an object
// whose class does not derive from the class it manages. Handlers live as members,
// locals and return values: `new` of a handler is a fatal error.
//
// The handler of class X is declared with ORV_RFHNDLR(X, BaseHandler) after X in X's
// header and defined with ORV_RFHNDLR_DEFINE(X) in X's source file.
#pragma once

#include <cstddef>

#include "ORVExport.h"
#include "PEVBaseUnknown.h"

enum ORVRfHndlrStateEnum {
  ORVRfHndlrAdopt = 0,   // the caller's reference passes to the handler
  ORVRfHndlrAddRef = 1,  // the handler takes a reference of its own
};

class ORV_EXPORT ORVRefHandler {
public:
  // Reports a fatal internal error made of the five texts (null ones empty); never returns.
  [[noreturn]] static void Fail(const char* iText1, const char* iText2, const char* iText3,
                                const char* iText4, const char* iText5);
  static void* operator new(std::size_t iSize);
  static void operator delete(void* iPointer);

  virtual PEVMetaClass* GetManagedMetaObject() const = 0;

  explicit operator bool() const { return _pManaged != nullptr; }

protected:
  ORVRefHandler() = default;
  ORVRefHandler(const ORVRefHandler&) = delete;
  ORVRefHandler& operator=(const ORVRefHandler&) = delete;
  // Virtual so that handlers can be kept in standard containers, which destroy them in
  // place; handlers are never deleted through a pointer (their `new` is fatal).
  virtual ~ORVRefHandler() {
    if (_pManaged) _pManaged->Release();
  }

  // Takes iObject in place of the held object. An equal pointer changes nothing. The
  // new object gets its reference before the old one is released: the old one may be
  // the new one's only owner, and its release may re-enter this handler.
  void Assign(int iState, PEVBaseUnknown* iObject) {
    if (iObject == _pManaged) return;
    if (iObject && iState == ORVRfHndlrAddRef) iObject->AddRef();
    PEVBaseUnknown* previous = _pManaged;
    _pManaged = iObject;
    if (previous) previous->Release();
  }
  // Fatal unless iObject is null or of the managed class.
  void CheckKindForSet(const PEVBaseUnknown* iObject) const;
  // Fatal unless iOther manages this handler's class or a class derived from it.
  void CheckKindForAssignment(const ORVRefHandler& iOther) const;
  [[noreturn]] static void FailOnNull(const char* iOperation);

  PEVBaseUnknown* _pManaged = nullptr;
};

// Declares the handler class Class##RfHndlr, managing Class, deriving from BaseHandler.
#define ORV_RFHNDLR(Class, BaseHandler)                                               \
  class ORV_EXPORT Class##RfHndlr : public BaseHandler {                              \
  public:                                                                             \
    Class##RfHndlr() = default;                                                       \
    Class##RfHndlr(const Class##RfHndlr& iOther) : BaseHandler() {                    \
      Assign(ORVRfHndlrAddRef, iOther._pManaged);                                     \
    }                                                                                 \
    Class##RfHndlr& operator=(const Class##RfHndlr& iOther);                          \
    /* Takes iObject (AddRef only with ORVRfHndlrAddRef); returns the held object. */ \
    Class* Set(ORVRfHndlrStateEnum iState, Class* iObject);                           \
    static void* operator new(std::size_t iSize);                                     \
    static void operator delete(void* iPointer);                                      \
    PEVMetaClass* GetManagedMetaObject() const override;                              \
    Class* operator->() const {                                                       \
      if (!_pManaged) FailOnNull("operator->()");                                     \
      return static_cast<Class*>(_pManaged);                                          \
    }                                                                                 \
    Class& operator*() const {                                                        \
      if (!_pManaged) FailOnNull("operator*()");                                      \
      return *static_cast<Class*>(_pManaged);                                         \
    }                                                                                 \
    /* The held object, or null. */                                                   \
    Class* Get() const { return static_cast<Class*>(_pManaged); }                     \
  }

// Defines the out-of-line members of Class##RfHndlr; in Class's source file.
#define ORV_RFHNDLR_DEFINE(Class)                                           \
  Class##RfHndlr& Class##RfHndlr::operator=(const Class##RfHndlr& iOther) { \
    CheckKindForAssignment(iOther);                                         \
    Assign(ORVRfHndlrAddRef, iOther._pManaged);                             \
    return *this;                                                           \
  }                                                                         \
  Class* Class##RfHndlr::Set(ORVRfHndlrStateEnum iState, Class* iObject) {  \
    CheckKindForSet(iObject);                                               \
    Assign(iState, iObject);                                                \
    return Get();                                                           \
  }                                                                         \
  void* Class##RfHndlr::operator new(std::size_t) {                         \
    Fail("xxxRfHndlr::operator new", nullptr, nullptr, nullptr, nullptr);   \
  }                                                                         \
  void Class##RfHndlr::operator delete(void* iPointer) {                    \
    ::operator delete(iPointer);                                            \
  }                                                                         \
  PEVMetaClass* Class##RfHndlr::GetManagedMetaObject() const {              \
    return Class::MetaObject();                                             \
  }
