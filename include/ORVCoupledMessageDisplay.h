// ORVCoupledMessageDisplay.h - one display that shows every text on two others.
//
// The two displays are not owned: they must outlive the coupled display.
#pragma once

#include "ORVMessageDisplay.h"

class ORV_EXPORT ORVCoupledMessageDisplay : public ORVMessageDisplay {
  ORV_META_OBJECT(ORVCoupledMessageDisplay)

public:
  ORVCoupledMessageDisplay(ORVMessageDisplay& iFirst, ORVMessageDisplay& iSecond);

  // On the first display, then on the second.
  void Display(const PEVUnicodeString& iText, unsigned int iNewLine) override;
  // The first display's answer when it has something to report, else the second's.
  long GetDisplayError(PEVError*& oError, unsigned int iForget) override;

private:
  ORVMessageDisplay* _pFirst;
  ORVMessageDisplay* _pSecond;
};
