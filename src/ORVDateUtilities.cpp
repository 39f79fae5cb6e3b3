#include "ORVDateUtilities.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "ORVCatalogKeys.h"
#include "ORVError.h"
#include "ORVFatal.h"
#include "ORVUtilities.h"

namespace {

constexpr int kMostDaysPerMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFirstOfMonthDayIdx[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
// Spans beyond this many days are refused before any arithmetic.
constexpr int kMostSpanDays = 24800;
// ConvertDateToStringForMsg formats into this many wide characters.
constexpr std::size_t kMessageBufferSize = 1024;

bool YearInTimeRange(long long iYear) {
  return iYear >= 1970 && iYear <= 2037;
}

// iDividend / iDivisor rounded down, for the calendar's counts before year 1.
long long FloorDivide(long long iDividend, long long iDivisor) {
  long long quotient = iDividend / iDivisor;
  return quotient * iDivisor > iDividend ? quotient - 1 : quotient;
}

// The caller's request and advice, given to every failure of one text operation.
class Reporter {
public:
  Reporter(const ORVNLSMsgBldrRfHndlr& iRequest, const ORVNLSMsgBldrRfHndlr& iAdvice)
      : _Request(iRequest), _Advice(iAdvice) {}

  // A critical error with iDiagnostic made on iLine, as the last error; its code.
  long Fail(int iLine, const ORVNLSMsgBldrRfHndlr& iDiagnostic) const {
    ORVError* error = new ORVError(__FILE__, iLine, _Request, iDiagnostic, _Advice,
                                   PEVErrorTypeCritical, PEV_E_FAIL);
    return PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, iLine);
  }

private:
  const ORVNLSMsgBldrRfHndlr& _Request;
  const ORVNLSMsgBldrRfHndlr& _Advice;
};

long Success() {
  return PEVError::GetReturn(PEVReturnSuccess, nullptr, nullptr, __FILE__, __LINE__);
}

// The position of the first of iCharacters in iText at or after iFrom, or -1.
int FindAny(const ORVString& iText, int iFrom, const char* iCharacters) {
  const char* text = iText.GetChars();
  for (int position = iFrom; position < iText.GetLength(); ++position) {
    // strchr also finds the terminator: a NUL is no separator.
    if (text[position] != '\0' && strchr(iCharacters, text[position])) return position;
  }
  return -1;
}

// The characters of iText from iStart to iEnd read as a whole int.
bool ReadNumber(const ORVString& iText, int iStart, int iEnd, int& oValue) {
  // A NUL is an invalid character, not the end of the number.
  if (iEnd > iStart && memchr(iText.GetChars() + iStart, '\0', (std::size_t)(iEnd - iStart)))
    return false;
  ORVString field;
  field.Copy(iText.GetChars() + iStart, iEnd - iStart);
  return ORVUtilities::ConvertStringToInt(field, oValue) != 0;
}

// The next field of a date text, from ioPosition to the next iSeparator. Without one,
// when iMayEnd, the field runs to the end of the text and oEnded is set; otherwise the
// text lacks a separator and the result is false.
bool CutField(const ORVString& iText, int& ioPosition, char iSeparator, bool iMayEnd, int& oStart,
              int& oEnd, bool& oEnded) {
  char separators[2] = {iSeparator, '\0'};
  int found = FindAny(iText, ioPosition, separators);
  oStart = ioPosition;
  if (found < 0 && !iMayEnd) return false;
  oEnded = found < 0;
  oEnd = oEnded ? iText.GetLength() : found;
  ioPosition = oEnd + 1;
  return true;
}

// The fields of a date text "year/month/day-hour:minute:second", read in this order: the
// separator that ends each ('\0': the rest of the text), whether the short form may end
// there, the failure when it is not a number, and its range with the failure outside it
// (the year has none; the day's is that of its month).
struct DateField {
  char _Separator;
  bool _MayEndShort;
  ORVParamNLSMsgBldrCtlgRfHndlr (*_NotANumber)(const ORVString&);
  int _Minimum, _Maximum;
  ORVParamNLSMsgBldrCtlgRfHndlr (*_OutOfRange)(const int&);
};
constexpr int kDayField = 2;
constexpr int kHourField = 3;
const DateField kDateFields[6] = {
    {'/', false, &ORVMakeCatalogMessage<ORVBC_7723, ORVString>, INT_MIN, INT_MAX, nullptr},
    {'/', false, &ORVMakeCatalogMessage<ORVBC_7724, ORVString>, 1, 12,
     &ORVMakeCatalogMessage<ORVBC_7730, int>},
    {'-', true, &ORVMakeCatalogMessage<ORVBC_7725, ORVString>, 1, 31,
     &ORVMakeCatalogMessage<ORVBC_7731, int>},
    {':', true, &ORVMakeCatalogMessage<ORVBC_7726, ORVString>, 0, 23,
     &ORVMakeCatalogMessage<ORVBC_7732, int>},
    {':', true, &ORVMakeCatalogMessage<ORVBC_7727, ORVString>, 0, 59,
     &ORVMakeCatalogMessage<ORVBC_7733, int>},
    {'\0', true, &ORVMakeCatalogMessage<ORVBC_7728, ORVString>, 0, 59,
     &ORVMakeCatalogMessage<ORVBC_7734, int>},
};

// The separators a time-span text may have after the ones already met.
const char* SpanSeparatorsAfter(int iSlashes, int iDashes, int iColons) {
  if (iDashes > 0 || iColons > 0) return ":";
  if (iSlashes == 0) return "/-:";
  if (iSlashes == 1) return "/-";
  return "-";
}

}  // namespace

unsigned int ORVDateUtilities::YearIsLeap(int iYear) {
  return iYear % 400 == 0 || (iYear % 4 == 0 && iYear % 100 != 0);
}

unsigned int ORVDateUtilities::DayIsValid(int iYear, int iMonth, int iDay) {
  if (iDay < 1) return 0;
  if (iMonth < 1) return iDay <= 31;
  if (iMonth > 12) return 0;
  if (iDay > kMostDaysPerMonth[iMonth - 1]) return 0;
  if (iMonth == 2 && iDay == 29 && iYear >= 1) return YearIsLeap(iYear);
  return 1;
}

int ORVDateUtilities::GetFirstOfMonthDayIdx(int iMonth, unsigned int iLeap) {
  if (iMonth < 1 || iMonth > 12) ORV_FATAL("Invalid month " << iMonth);
  int dayIdx = kFirstOfMonthDayIdx[iMonth - 1];
  if (iLeap && iMonth >= 3) ++dayIdx;
  return dayIdx;
}

int ORVDateUtilities::GetDayIdx(int iYear, int iMonth, int iDay, int& oDayOfYear, int& oWeekDay) {
  oDayOfYear = GetFirstOfMonthDayIdx(iMonth, YearIsLeap(iYear)) + iDay - 1;
  // In 64 bits: years are not range-checked. Rounding down keeps the weekday within
  // 0..6 for years before 1 as well.
  long long yearsBefore = (long long)iYear - 1;
  long long daysBefore = 365 * yearsBefore + FloorDivide(yearsBefore, 4) -
                         FloorDivide(yearsBefore, 100) + FloorDivide(yearsBefore, 400);
  long long weekDay = (oDayOfYear + daysBefore + 1) % 7;
  oWeekDay = (int)(weekDay < 0 ? weekDay + 7 : weekDay);
  long long dayIdx = oDayOfYear + 365 * yearsBefore + yearsBefore / 4 - yearsBefore / 100;
  return (int)dayIdx;
}

long ORVDateUtilities::GetSystemTime() {
  return (long)time(nullptr);
}

ORVDate ORVDateUtilities::GetCurrentDate(unsigned int iLocal) {
  long now = GetSystemTime();
  if (now >= INT32_MIN && now <= INT32_MAX) return ORVDate(now, iLocal);
  // Past the 32-bit range the clock still gives a date: the one the system breaks it into.
  time_t time = (time_t)now;
  tm fields{};
  ORVDate date;
  if (iLocal ? localtime_r(&time, &fields) : gmtime_r(&time, &fields)) date.SetDate(fields);
  return date;
}

ORVString ORVDateUtilities::ConvertDateToStringForProgram(const ORVDate& iDate) {
  int year, month, day, hour, minute, second;
  iDate.GetDate(year, month, day, hour, minute, second);
  char text[80];
  snprintf(text, sizeof text, "%04d/%02d/%02d-%02d:%02d:%02d", year, month, day, hour, minute,
           second);
  return ORVString(text);
}

PEVUnicodeString ORVDateUtilities::ConvertDateToStringForMsg(const ORVDate& iDate) {
  tm value = iDate.GetTM();
  wchar_t text[kMessageBufferSize];
  if (wcsftime(text, kMessageBufferSize, L"%c", &value) == 0) return PEVUnicodeString();
  return PEVUnicodeString(text);
}

long ORVDateUtilities::ConvertStringForProgramToDate(const ORVString& iText,
                                                     const ORVNLSMsgBldrRfHndlr& iRequest,
                                                     const ORVNLSMsgBldrRfHndlr& iAdvice,
                                                     ORVDate& oDate) {
  return ProtectedConvertStringForProgramToDate(iText, iRequest, iAdvice, nullptr, oDate);
}

long ORVDateUtilities::ConvertStringForProgramToDate(const ORVString& iText,
                                                     const ORVNLSMsgBldrRfHndlr& iRequest,
                                                     const ORVNLSMsgBldrRfHndlr& iAdvice,
                                                     unsigned int& oTimeGiven, ORVDate& oDate) {
  return ProtectedConvertStringForProgramToDate(iText, iRequest, iAdvice, &oTimeGiven, oDate);
}

long ORVDateUtilities::ConvertStringForProgramToTimeSpan(const ORVString& iText,
                                                         const ORVNLSMsgBldrRfHndlr& iRequest,
                                                         const ORVNLSMsgBldrRfHndlr& iAdvice,
                                                         int& oYears, int& oMonths, int& oDays,
                                                         int& oHours, int& oMinutes,
                                                         int& oSeconds) {
  Reporter reporter(iRequest, iAdvice);
  oYears = oMonths = oDays = oHours = oMinutes = oSeconds = 0;
  int values[6] = {};
  int count = 0;
  int slashes = 0, dashes = 0, colons = 0;
  int length = iText.GetLength();
  for (int position = 0;;) {
    int separator = FindAny(iText, position, SpanSeparatorsAfter(slashes, dashes, colons));
    int end = separator < 0 ? length : separator;
    int value = 0;
    if (count == 6 || !ReadNumber(iText, position, end, value) || value < 0)
      return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7729>(iText));
    values[count++] = value;
    if (separator < 0) break;
    char met = iText.GetChars()[separator];
    if (met == ':' && colons == 2)
      return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7729>(iText));
    slashes += met == '/';
    dashes += met == '-';
    colons += met == ':';
    if (met == '-' && separator == length - 1) break;
    position = separator + 1;
  }
  int* targets[6] = {&oYears, &oMonths, &oDays, &oHours, &oMinutes, &oSeconds};
  int first = 3;  // hours, for a time of day alone
  if (slashes == 2)
    first = 0;
  else if (slashes == 1)
    first = 1;
  else if (dashes > 0 || colons == 0)
    first = 2;
  if (first + count > 6) return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7729>(iText));
  for (int i = 0; i < count; ++i)
    *targets[first + i] = values[i];
  return Success();
}

long ORVDateUtilities::AddTimeSpanToDate(ORVDate& ioDate, int iYears, int iMonths, int iDays,
                                         int iHours, int iMinutes, int iSeconds, unsigned int iAdd,
                                         const ORVNLSMsgBldrRfHndlr& iRequest,
                                         const ORVNLSMsgBldrRfHndlr& iAdvice) {
  Reporter reporter(iRequest, iAdvice);
  // A date outside the years of time_t would be a fatal error for Gettime_t.
  if (!YearInTimeRange(ioDate.GetYear()))
    return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7735>());
  long long sign = iAdd ? 1 : -1;
  long long time = ioDate.Gettime_t(1);
  if (iDays > kMostSpanDays) return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7735>());
  // Summed in 64 bits, failing where the 32-bit sum would have overflowed.
  const long long parts[4] = {iSeconds, 60LL * iMinutes, 3600LL * iHours, 86400LL * iDays};
  long long span = 0;
  for (long long part : parts) {
    span += part;
    if (span < 0 || span > INT32_MAX)
      return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7735>());
  }
  if (span != 0) {
    long long moved = time + sign * span;
    if (moved < 0 || moved > INT32_MAX)
      return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7735>());
    ORVDate result((long)moved, 1);
    if (!YearInTimeRange(result.GetYear()))
      return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7735>());
    ioDate.SetDate(result);
  }
  if (iYears == 0 && iMonths == 0) return Success();
  long long year = ioDate.GetYear() + sign * iYears;
  long long month = ioDate.GetMonth() + sign * iMonths;
  if (month > 12) {
    year += (month - 1) / 12;
    month -= 12 * ((month - 1) / 12);
  } else if (month < 1) {
    long long yearsBack = (month - 12) / 12;
    year += yearsBack;
    month -= 12 * yearsBack;
  }
  if (!YearInTimeRange(year)) return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7735>());
  int day = ioDate.GetDay();
  while (!DayIsValid((int)year, (int)month, day))
    --day;
  ORVDate result((int)year, (int)month, day, ioDate.GetHour(), ioDate.GetMinute(),
                 ioDate.GetSecond());
  if (result.Gettime_t(1) < 0) return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7735>());
  ioDate.SetDate(result);
  return Success();
}

long ORVDateUtilities::ProtectedConvertStringForProgramToDate(const ORVString& iText,
                                                              const ORVNLSMsgBldrRfHndlr& iRequest,
                                                              const ORVNLSMsgBldrRfHndlr& iAdvice,
                                                              unsigned int* pTimeGiven,
                                                              ORVDate& oDate) {
  Reporter reporter(iRequest, iAdvice);
  const bool partial = pTimeGiven != nullptr;
  if (partial) *pTimeGiven = 0;
  int values[6] = {};
  int position = 0;
  for (int index = 0; index < 6; ++index) {
    const DateField& field = kDateFields[index];
    int start = position, end = iText.GetLength();
    bool ended = field._Separator == '\0';
    if (!ended && !CutField(iText, position, field._Separator, partial && field._MayEndShort, start,
                            end, ended))
      return reporter.Fail(__LINE__, ORVMakeCatalogMessage<ORVBC_7722>(iText));
    // With the short form a "-" that ends the text ends the date.
    if (partial && field._Separator == '-' && end == iText.GetLength() - 1) ended = true;
    int& value = values[index];
    if (!ReadNumber(iText, start, end, value))
      return reporter.Fail(__LINE__, field._NotANumber(iText));
    bool inRange = index == kDayField ? DayIsValid(values[0], values[1], value) != 0
                                      : value >= field._Minimum && value <= field._Maximum;
    if (!inRange) return reporter.Fail(__LINE__, field._OutOfRange(value));
    if (partial && index == kHourField) *pTimeGiven = 1;
    if (ended) break;
  }
  oDate.SetDate(values[0], values[1], values[2], values[3], values[4], values[5]);
  return Success();
}
