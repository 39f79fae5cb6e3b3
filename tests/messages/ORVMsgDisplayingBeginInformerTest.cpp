// Tests of the begin informer: the heading once per activity, again after Reinit or a new
// heading, and nothing shown without heading.
#include "ORVMsgDisplayingBeginInformer.h"

#include <gtest/gtest.h>

#include "MessagesTestSupport.h"
#include "ORVMessageDisplayToString.h"

TEST(ORVMsgDisplayingBeginInformer, HeadingIsShownOnceUntilReinitOrANewHeading) {
  ORVMessageDisplayToString display;
  ORVMsgDisplayingBeginInformer informer(Text("Checking files"), display);
  EXPECT_EQ(informer.SomethingHasBeenDone(), 0u);
  for (int i = 0; i < 3; ++i)
    informer.Inform();
  EXPECT_EQ(Utf8(display.GetMessage()), "Checking files\n");
  EXPECT_NE(informer.SomethingHasBeenDone(), 0u);
  informer.Reinit();
  EXPECT_EQ(informer.SomethingHasBeenDone(), 0u);
  informer.Inform();
  informer.Inform();
  EXPECT_EQ(Utf8(display.GetMessage()), "Checking files\nChecking files\n");
  informer.SetHNLSMsgBldr(Text("second"));
  EXPECT_EQ(informer.SomethingHasBeenDone(), 0u);
  informer.Inform();
  informer.Inform();
  EXPECT_EQ(Utf8(display.GetMessage()), "Checking files\nChecking files\nsecond\n");
}

TEST(ORVMsgDisplayingBeginInformer, WithoutHeadingNothingIsShownButTheWorkIsNoted) {
  ORVMessageDisplayToString display;
  ORVMsgDisplayingBeginInformer informer(display);
  informer.Inform();
  EXPECT_NE(informer.SomethingHasBeenDone(), 0u);
  // An empty handler set later is no heading either.
  informer.SetHNLSMsgBldr(ORVNLSMsgBldrRfHndlr());
  informer.Inform();
  EXPECT_TRUE(display.GetMessage().IsEmpty());
}
