// ORVDateUtilities.h - calendar rules, dates and time spans to and from text, span sums.
//
// The text operations read what users type: a bad text is a result code whose ORVError
// (critical, PEV_E_FAIL) holds the caller's request and advice and an ORVBC diagnostic
// ("7722" to "7735"); they never end the process. The calendar questions take program
// values: an invalid month is a fatal internal error. No instances.
#pragma once

#include "ORVDate.h"
#include "ORVExport.h"
#include "ORVNLSMsgBldr.h"
#include "ORVString.h"
#include "PEVUnicodeString.h"

class ORV_EXPORT ORVDateUtilities {
public:
  ORVDateUtilities() = delete;

  // Divisible by 400, or by 4 and not by 100.
  static unsigned int YearIsLeap(int iYear);
  // Whether the day exists in that month (a month below 1 accepts days 1 to 31, February
  // 29 needs a leap year from year 1 on).
  static unsigned int DayIsValid(int iYear, int iMonth, int iDay);
  // The day of the year (0 for January 1) of the first of iMonth.
  static int GetFirstOfMonthDayIdx(int iMonth, unsigned int iLeap);
  // oDayOfYear from 0 and oWeekDay from 0 for Sunday (proleptic Gregorian calendar).
  // Returns the days before the year counted without the 400-year rule, plus oDayOfYear.
  static int GetDayIdx(int iYear, int iMonth, int iDay, int& oDayOfYear, int& oWeekDay);
  // The current time in seconds since 1970.
  static long GetSystemTime();
  static ORVDate GetCurrentDate(unsigned int iLocal);
  // "yyyy/mm/dd-hh:mm:ss" of the fields as they are.
  static ORVString ConvertDateToStringForProgram(const ORVDate& iDate);
  // The locale's date and time ("%c"); empty when it cannot be formatted.
  static PEVUnicodeString ConvertDateToStringForMsg(const ORVDate& iDate);

  // Reads "year/month/day-hour:minute:second", all six fields required.
  static long ConvertStringForProgramToDate(const ORVString& iText,
                                            const ORVNLSMsgBldrRfHndlr& iRequest,
                                            const ORVNLSMsgBldrRfHndlr& iAdvice, ORVDate& oDate);
  // Also accepts the date alone ("year/month/day", a trailing "-" allowed) and a time
  // cut after the hour or the minute; missing fields are 0. oTimeGiven is 1 when an
  // hour was given.
  static long ConvertStringForProgramToDate(const ORVString& iText,
                                            const ORVNLSMsgBldrRfHndlr& iRequest,
                                            const ORVNLSMsgBldrRfHndlr& iAdvice,
                                            unsigned int& oTimeGiven, ORVDate& oDate);
  // Reads a span: "d", "d-h:m:s", "h:m[:s]", "m/d[-h:m:s]", "y/m/d[-h:m:s]" (later
  // fields may be left out), numbers of 0 or more. The fields not given are 0; on
  // failure every output is 0.
  static long ConvertStringForProgramToTimeSpan(const ORVString& iText,
                                                const ORVNLSMsgBldrRfHndlr& iRequest,
                                                const ORVNLSMsgBldrRfHndlr& iAdvice, int& oYears,
                                                int& oMonths, int& oDays, int& oHours,
                                                int& oMinutes, int& oSeconds);
  // Adds (iAdd not 0) or subtracts the span in local time: first the days to seconds as
  // a number of seconds, then the years and months on the calendar (a day that does not
  // exist in the new month becomes the month's last). The date and the result must lie
  // in the years 1970 to 2037, the span below 2^31 seconds. A failing step leaves the
  // date as the previous steps made it.
  static long AddTimeSpanToDate(ORVDate& ioDate, int iYears, int iMonths, int iDays, int iHours,
                                int iMinutes, int iSeconds, unsigned int iAdd,
                                const ORVNLSMsgBldrRfHndlr& iRequest,
                                const ORVNLSMsgBldrRfHndlr& iAdvice);

protected:
  // Both date readers; a null pTimeGiven asks for the full form.
  static long ProtectedConvertStringForProgramToDate(const ORVString& iText,
                                                     const ORVNLSMsgBldrRfHndlr& iRequest,
                                                     const ORVNLSMsgBldrRfHndlr& iAdvice,
                                                     unsigned int* pTimeGiven, ORVDate& oDate);
};
