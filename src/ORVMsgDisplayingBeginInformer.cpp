#include "ORVMsgDisplayingBeginInformer.h"

#include "ORVMessageDisplay.h"

ORV_META_OBJECT_DEFINE(ORVMsgDisplayingBeginInformer, ORVBeginInformer)

ORVMsgDisplayingBeginInformer::ORVMsgDisplayingBeginInformer(ORVMessageDisplay& iDisplay)
    : _pDisplay(&iDisplay) {}

ORVMsgDisplayingBeginInformer::ORVMsgDisplayingBeginInformer(const ORVNLSMsgBldrRfHndlr& iHeading,
                                                             ORVMessageDisplay& iDisplay)
    : _pDisplay(&iDisplay) {
  _Heading = iHeading;
}

void ORVMsgDisplayingBeginInformer::Inform() {
  if (!_Pending) return;
  if (_Heading) _pDisplay->Display(_Heading->Build(), 1);
  _Pending = 0;
}

unsigned int ORVMsgDisplayingBeginInformer::SomethingHasBeenDone() const {
  return !_Pending;
}

void ORVMsgDisplayingBeginInformer::SetHNLSMsgBldr(const ORVNLSMsgBldrRfHndlr& iHeading) {
  _Heading = iHeading;
  _Pending = 1;
}

void ORVMsgDisplayingBeginInformer::Reinit() {
  _Pending = 1;
}
