// ORVSwingJni.h - the JNI calls of the Java displays, made in one way.
//
// Every helper leaves no Java exception pending and no local reference behind: a failed
// lookup's exception is cleared (the caller reports what is missing), an exception the
// Java method throws is described on standard error and cleared, every string made is
// deleted after its call and the class when the ORVJniRecordingClass goes.
#pragma once

#include <jni.h>

#include "PEVUnicodeString.h"

// The class that receives the displays' texts.
inline constexpr const char ORVJniRecordingClassName[] =
    "com/marvolt/tovakconfigmanagement/orvcmjservices/ORVJniError";

// Clears a pending exception, describing it first when iDescribe; true when there was one.
inline bool ORVJniClearException(JNIEnv* iEnv, bool iDescribe) {
  if (!iEnv->ExceptionCheck()) return false;
  if (iDescribe) iEnv->ExceptionDescribe();
  iEnv->ExceptionClear();
  return true;
}

// The recording class as a local reference released on destruction; null when missing.
class ORVJniRecordingClass {
public:
  explicit ORVJniRecordingClass(JNIEnv* iEnv) : _pEnv(iEnv) {
    _Class = iEnv->FindClass(ORVJniRecordingClassName);
    if (ORVJniClearException(iEnv, false)) _Class = nullptr;
  }
  ~ORVJniRecordingClass() {
    if (_Class) _pEnv->DeleteLocalRef(_Class);
  }
  ORVJniRecordingClass(const ORVJniRecordingClass&) = delete;
  ORVJniRecordingClass& operator=(const ORVJniRecordingClass&) = delete;

  jclass Get() const { return _Class; }
  // The static method iName(String), or null when missing.
  jmethodID FindMethod(const char* iName) const {
    jmethodID method = _pEnv->GetStaticMethodID(_Class, iName, "(Ljava/lang/String;)V");
    if (ORVJniClearException(_pEnv, false)) return nullptr;
    return method;
  }
  // Calls iMethod with iText as a Java string of its UTF-16 units.
  void Call(jmethodID iMethod, const PEVUnicodeString& iText) const {
    static_assert(sizeof(jchar) == sizeof(char16_t), "Java characters are UTF-16 units");
    jstring text =
        _pEnv->NewString(reinterpret_cast<const jchar*>(iText.GetUnits()), iText.GetLengthInChar());
    if (!text) {
      ORVJniClearException(_pEnv, true);
      return;
    }
    _pEnv->CallStaticVoidMethod(_Class, iMethod, text);
    ORVJniClearException(_pEnv, true);
    _pEnv->DeleteLocalRef(text);
  }

private:
  JNIEnv* _pEnv;
  jclass _Class = nullptr;
};
