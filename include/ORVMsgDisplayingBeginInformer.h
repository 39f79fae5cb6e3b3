// ORVMsgDisplayingBeginInformer.h - a begin informer that shows a heading on a display.
//
// The heading is built and shown as a whole line on the first Inform() while pending;
// without heading nothing is shown. The display is not owned and must outlive the
// informer; the heading builder is held by its handler.
#pragma once

#include "ORVBeginInformer.h"
#include "ORVNLSMsgBldr.h"

class ORVMessageDisplay;

class ORV_EXPORT ORVMsgDisplayingBeginInformer : public ORVBeginInformer {
  ORV_META_OBJECT(ORVMsgDisplayingBeginInformer)

public:
  explicit ORVMsgDisplayingBeginInformer(ORVMessageDisplay& iDisplay);
  ORVMsgDisplayingBeginInformer(const ORVNLSMsgBldrRfHndlr& iHeading, ORVMessageDisplay& iDisplay);

  void Inform() override;
  unsigned int SomethingHasBeenDone() const override;

  // Replaces the heading and makes the informer pending.
  virtual void SetHNLSMsgBldr(const ORVNLSMsgBldrRfHndlr& iHeading);
  // Makes the informer pending.
  virtual void Reinit();

private:
  ORVNLSMsgBldrRfHndlr _Heading;
  ORVMessageDisplay* _pDisplay;
  int _Pending = 1;
};
