#include "ORVRefHandler.h"

#include "ORVFatal.h"

namespace {

const char* TextOrEmpty(const char* iText) {
  return iText ? iText : "";
}

}  // namespace

void ORVRefHandler::Fail(const char* iText1, const char* iText2, const char* iText3,
                         const char* iText4, const char* iText5) {
  ORV_FATAL(TextOrEmpty(iText1) << TextOrEmpty(iText2) << TextOrEmpty(iText3) << TextOrEmpty(iText4)
                                << TextOrEmpty(iText5));
}

void* ORVRefHandler::operator new(std::size_t) {
  Fail("ORVRefHandler::operator new", nullptr, nullptr, nullptr, nullptr);
}

void ORVRefHandler::operator delete(void* iPointer) {
  ::operator delete(iPointer);
}

void ORVRefHandler::CheckKindForSet(const PEVBaseUnknown* iObject) const {
  if (!iObject) return;
  PEVMetaClass* managed = GetManagedMetaObject();
  PEVMetaClass* given = iObject->GetMetaObject();
  if (given->IsAKindOf(managed)) return;
  Fail("xxxRfHndlr::Set(): the object is a ", given->GetClassName(), " that does'nt derive from ",
       managed->GetClassName(), nullptr);
}

void ORVRefHandler::CheckKindForAssignment(const ORVRefHandler& iOther) const {
  PEVMetaClass* managed = GetManagedMetaObject();
  PEVMetaClass* other = iOther.GetManagedMetaObject();
  if (other->IsAKindOf(managed)) return;
  Fail("xxxRfHndlr::operator=(): the handler to copy manage ", other->GetClassName(),
       " that does'nt derive from ", managed->GetClassName(), nullptr);
}

void ORVRefHandler::FailOnNull(const char* iOperation) {
  Fail("xxxRfHndlr::", iOperation, ": Pointer == NULL", nullptr, nullptr);
}
