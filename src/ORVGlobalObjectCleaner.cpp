#include "ORVGlobalObjectCleaner.h"

#include <cstdlib>

#include "ORVFatal.h"
#include "PEVBaseUnknown.h"

ORVGlobalObjectCleaner* ORVGlobalObjectCleaner::_pGlobalObjectCleaner = nullptr;

ORVGlobalObjectCleaner::ORVGlobalObjectCleaner() {
  if (_pGlobalObjectCleaner) ORV_FATAL("Only one global object cleaner can exist");
  _pGlobalObjectCleaner = this;
}

ORVGlobalObjectCleaner::~ORVGlobalObjectCleaner() {
  _InDestruction = 1;
  for (int i = _Count - 1; i >= 0; --i)
    if (_pObjects[i]) _pObjects[i]->Release();
  free(_pObjects);
  _pObjects = nullptr;
  _Count = 0;
  _Capacity = 0;
  if (_pGlobalObjectCleaner == this) _pGlobalObjectCleaner = nullptr;
}

PEVBaseUnknown* ORVGlobalObjectCleaner::Add(PEVBaseUnknown* iObject) {
  if (!_pGlobalObjectCleaner) ORV_FATAL("One global object cleaner must exist");
  return _pGlobalObjectCleaner->InternalAdd(iObject);
}

PEVBaseUnknown* ORVGlobalObjectCleaner::InternalAdd(PEVBaseUnknown* iObject) {
  if (!iObject) ORV_FATAL("ORVGlobalObjectCleaner::Add(<NULL>)");
  if (_InDestruction) ORV_FATAL("ORVGlobalObjectCleaner::Add(...) during or after destruction");
  if (_Count == _Capacity) {
    int capacity = ORV_CHECKED_SIZE((long long)_Capacity + 100, "ORVGlobalObjectCleaner");
    std::size_t bytes = (std::size_t)capacity *
                        sizeof(*_pObjects);  // NOLINT(bugprone-sizeof-expression): object pointers
    auto** objects = (PEVBaseUnknown**)realloc(_pObjects, bytes);
    if (!objects) ORV_FATAL("ORVGlobalObjectCleaner::Add(...): out of memory");
    _pObjects = objects;
    _Capacity = capacity;
  }
  _pObjects[_Count++] = iObject;
  return iObject;
}
