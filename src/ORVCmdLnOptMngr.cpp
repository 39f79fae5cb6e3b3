#include "ORVCmdLnOptMngr.h"

#include "ORVCmdLnAnalyzer.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnOptMngr, PEVBaseUnknown)

ORVCmdLnOptMngr::ORVCmdLnOptMngr(ORVCmdLnAnalyzer& iAnalyzer) : _Analyzer(iAnalyzer) {
  _Analyzer.AddOptMngr(*this);
}

ORVCmdLnAnalyzer& ORVCmdLnOptMngr::GetCmdLnAnalyzer() const {
  return _Analyzer;
}
