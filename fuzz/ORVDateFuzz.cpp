// Date and time-span texts against arbitrary bytes: the input is read as a date in the
// full and the short program form and as a span. A date read back from its own text
// must be the same date, the short form must accept what the full form accepts, a span
// written as "y/m/d-h:m:s" must read back to the same numbers, and a failure must be
// the recorded PEV_E_FAIL (a span's outputs all 0). Adding a span to a date read from
// the input must end in a result code, and in UTC a span without years or months taken
// away again must give the date back.
//
// The text lies in a buffer of exactly its size (its NUL last), so that the sanitizer
// sees a read past it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "ORVDateUtilities.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVNLSMsgBldrFromString.h"
#include "PEVError.h"

namespace {

// Handlers cannot be made with new; these hold their builders until the process ends.
ORVNLSMsgBldrRfHndlr gRequestHandler;
ORVNLSMsgBldrRfHndlr gAdviceHandler;
ORVNLSMsgBldrRfHndlr* const gRequest = &gRequestHandler;
ORVNLSMsgBldrRfHndlr* const gAdvice = &gAdviceHandler;

void Check(bool iHolds) {
  if (!iHolds) __builtin_trap();
}

// A failure of a text operation is the general failure code, never another value.
void CheckCode(long iCode) {
  Check(iCode == 0 || iCode == PEV_E_FAIL);
  PEVError::PEVCleanLastError();
}

bool SameDate(const ORVDate& iLeft, const ORVDate& iRight) {
  return iLeft.Compare(iRight) == 0;
}

void CheckDate(const ORVString& iText, ORVDate& oDate, bool& oRead) {
  ORVDate full;
  long code = ORVDateUtilities::ConvertStringForProgramToDate(iText, *gRequest, *gAdvice, full);
  CheckCode(code);
  unsigned int timeGiven = 7;
  ORVDate shortForm;
  long shortCode = ORVDateUtilities::ConvertStringForProgramToDate(iText, *gRequest, *gAdvice,
                                                                   timeGiven, shortForm);
  CheckCode(shortCode);
  if (code == 0) {
    // The full form has a time, so the short form reads the same date and time.
    Check(shortCode == 0 && timeGiven == 1 && SameDate(full, shortForm));
    ORVString text = ORVDateUtilities::ConvertDateToStringForProgram(full);
    ORVDate again;
    CheckCode(ORVDateUtilities::ConvertStringForProgramToDate(text, *gRequest, *gAdvice, again));
    Check(SameDate(full, again));
  }
  if (shortCode == 0) {
    Check(timeGiven == 0 || timeGiven == 1);
    Check(shortForm.GetDay() >= 1 && shortForm.GetMonth() >= 1 && shortForm.GetMonth() <= 12);
    ORVString text = ORVDateUtilities::ConvertDateToStringForProgram(shortForm);
    ORVDate again;
    CheckCode(ORVDateUtilities::ConvertStringForProgramToDate(text, *gRequest, *gAdvice, again));
    Check(SameDate(shortForm, again));
    // The message form is the locale's text of any date that was read.
    ORVDateUtilities::ConvertDateToStringForMsg(shortForm);
    oDate = shortForm;
    oRead = true;
  }
}

bool CheckSpan(const ORVString& iText, int oSpan[6]) {
  int span[6] = {-7, -7, -7, -7, -7, -7};
  long code = ORVDateUtilities::ConvertStringForProgramToTimeSpan(
      iText, *gRequest, *gAdvice, span[0], span[1], span[2], span[3], span[4], span[5]);
  CheckCode(code);
  if (code != 0) {
    for (int value : span)
      Check(value == 0);
    return false;
  }
  for (int value : span)
    Check(value >= 0);
  ORVString text;
  for (int index = 0; index < 6; ++index) {
    if (index > 0) text += index == 3 ? "-" : index < 3 ? "/" : ":";
    text += span[index];
  }
  int again[6] = {};
  CheckCode(ORVDateUtilities::ConvertStringForProgramToTimeSpan(
      text, *gRequest, *gAdvice, again[0], again[1], again[2], again[3], again[4], again[5]));
  Check(memcmp(span, again, sizeof span) == 0);
  memcpy(oSpan, span, sizeof span);
  return true;
}

void CheckSum(const ORVDate& iDate, const int iSpan[6], unsigned int iAdd) {
  ORVDate date(iDate);
  long code = ORVDateUtilities::AddTimeSpanToDate(date, iSpan[0], iSpan[1], iSpan[2], iSpan[3],
                                                  iSpan[4], iSpan[5], iAdd, *gRequest, *gAdvice);
  CheckCode(code);
  if (code != 0 || iSpan[0] != 0 || iSpan[1] != 0) return;
  long back = ORVDateUtilities::AddTimeSpanToDate(date, 0, 0, iSpan[2], iSpan[3], iSpan[4],
                                                  iSpan[5], !iAdd, *gRequest, *gAdvice);
  CheckCode(back);
  Check(back == 0 && SameDate(date, iDate));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // UTC has no repeated or missing hour, so that a sum of seconds can be undone.
  setenv("TZ", "UTC0", 1);
  // The error records register globals; the cleaner lives as long as the process.
  new ORVGlobalObjectCleaner;
  tzset();
  gRequest->Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString("Read the date", "FUZZ", "1"));
  gAdvice->Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString("Type it again", "FUZZ", "2"));
  return 0;
}

// The text is the input up to its first NUL or a '|'; what follows a '|' is a span.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  const char* bytes = reinterpret_cast<const char*>(iData);
  size_t cut = 0;
  while (cut < iSize && bytes[cut] != '\0' && bytes[cut] != '|')
    ++cut;
  std::vector<char> first(bytes, bytes + cut);
  first.push_back('\0');
  ORVString dateText(first.data());
  ORVDate date;
  bool dateRead = false;
  CheckDate(dateText, date, dateRead);
  int span[6];
  bool spanRead = CheckSpan(dateText, span);

  if (cut < iSize && bytes[cut] == '|') {
    const char* rest = bytes + cut + 1;
    size_t length = strnlen(rest, iSize - cut - 1);
    std::vector<char> second(rest, rest + length);
    second.push_back('\0');
    spanRead = CheckSpan(ORVString(second.data()), span);
  }
  if (dateRead && spanRead) {
    CheckSum(date, span, 1);
    CheckSum(date, span, 0);
  }
  PEVError::PEVCleanLastError();
  return 0;
}
