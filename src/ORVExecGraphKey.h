// ORVExecGraphKey.h - the key of an argument of the execution graph's mixed comparators.
//
// A mixed comparator compares a container element (a Link) with a pattern that is
// either another element or a bare key object (a Key): each argument is replaced by its
// key and the keys are compared by address. The fatal report names the caller's place.
#pragma once

#include "ORVFatal.h"
#include "ORVMacro.h"
#include "PEVMetaClass.h"

// iObject itself when it is a Key (or null), iKeyOf(iObject) when it is a Link; for any
// other class the fatal "<iWhich> is neither an <Link> nor an <Key> but a <class>".
template <class Link, class Key, class KeyOf>
const PEVBaseUnknown* ORVExecGraphKey(const PEVBaseUnknown* iObject, const char* iWhich,
                                      KeyOf iKeyOf, const char* iFile, int iLine) {
  if (!iObject) return nullptr;
  PEVMetaClass* meta = iObject->GetMetaObject();
  PEVMetaClass* link = Link::MetaObject();
  if (meta == link || meta->IsAKindOf(link)) return iKeyOf(static_cast<const Link*>(iObject));
  PEVMetaClass* key = Key::MetaObject();
  if (meta == key || meta->IsAKindOf(key)) return iObject;
  ORVOFStream& report = ORVFatalReportBegin();
  report << iWhich << " is neither an " << Link::ClassName() << " nor an " << Key::ClassName()
         << " but a " << meta->GetClassName();
  ORVFatalReportEnd(report, iFile, iLine);
}
