#include "ORVStringBlock.h"

#include <cstdlib>
#include <cstring>

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVStringBlock, PEVBaseUnknown)

ORVStringBlock::ORVStringBlock(int iDimension) {
  if (iDimension < 0) ORV_FATAL("ORVStringBlock::ORVStringBlock(): iDimension < 0");
  ReAlloc(iDimension);
  _pBuffer[0] = '\0';
}

ORVStringBlock::~ORVStringBlock() {
  free(_pBuffer);
  _pBuffer = nullptr;
  _Dimension = 0;
}

void ORVStringBlock::ReAlloc(int iDimension) {
  if (iDimension < 0) ORV_FATAL("ORVStringBlock::ReAlloc(): iDimension < 0");
  std::size_t size = (std::size_t)iDimension + 1;
  char* buffer = (char*)(_pBuffer ? realloc(_pBuffer, size) : malloc(size));
  if (!buffer) FailOnMemory();
  bool shrunk = _pBuffer && iDimension < _Dimension;
  _pBuffer = buffer;
  _Dimension = iDimension;
  if (shrunk) _pBuffer[iDimension] = '\0';
}

void ORVStringBlock::FailOnText(int iNbChars) {
  if (iNbChars < 0) ORV_FATAL("ORVStringBlock::ORVStringBlock(): iNbChars < 0");
  ORV_FATAL("ORVStringBlock::ORVStringBlock(): iText is NULL");
}

void ORVStringBlock::FailOnMemory() {
  ORV_FATAL("ORVStringBlock: out of memory");
}
