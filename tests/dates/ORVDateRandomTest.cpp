// Randomized tests of the date texts and sums: 100 000 texts for each reader and 100 000
// spans added to dates. Every answer is either a success whose value reads back the same
// or a failure code whose error can be displayed; nothing ends the process.
#include "ORVDateUtilities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "DatesTestSupport.h"

namespace {

constexpr int kRuns = 100000;

// Texts built from date-like fields, separators and stray characters, so that both
// successes and every kind of failure come up often.
struct DateTextMaker {
  explicit DateTextMaker(unsigned int iSeed) : _Random(iSeed) {}

  // A field, mostly a number below iLimit from iBase.
  std::string Field(int iBase, int iLimit) {
    int kind = Pick(20);
    if (kind == 0) return "";
    if (kind == 1) return std::to_string(Pick(100000)) + "9999999";  // beyond int
    if (kind == 2) return "-" + std::to_string(Pick(70));
    if (kind == 3) return std::string(1, "x +.:/-"[Pick(7)]) + std::to_string(Pick(60));
    return (Pick(4) == 0 ? "0" : "") + std::to_string(iBase + Pick(iLimit));
  }
  char Separator(const char* iUsual) {
    if (Pick(25) == 0) return "/-: x"[Pick(5)];
    return iUsual[Pick((int)strlen(iUsual))];
  }
  // A date text: mostly six fields, with mostly the right separators.
  std::string Date() {
    std::string text = Field(1960, 90);
    const char* separators[] = {"/", "/", "-", ":", ":"};
    const int limits[] = {13, 32, 25, 61, 61};
    int fields = Pick(3) == 0 ? 1 + Pick(6) : 6;
    for (int i = 1; i < fields; ++i) {
      text += Separator(separators[i - 1]);
      text += Field(0, limits[i - 1]);
    }
    if (Pick(10) == 0) text += Separator("-:/");
    return text;
  }
  // A span text: up to six fields with any of the span separators.
  std::string Span() {
    std::string text = Field(0, 100);
    int fields = Pick(6);
    for (int i = 0; i < fields; ++i) {
      text += Separator("/-:");
      text += Field(0, 100);
    }
    return text;
  }
  int Pick(int iCount) { return std::uniform_int_distribution<int>(0, iCount - 1)(_Random); }
  std::mt19937 _Random;
};

// Whether a date text that was read holds an hour: something after the "-" that ends
// the day (the two "/" are the last ones, no field that was read holds one).
bool HourIsGiven(const std::string& iText) {
  std::size_t dash = iText.find('-', iText.rfind('/'));
  return dash != std::string::npos && dash + 1 < iText.size();
}

// Whether iDate's clock time comes twice in the local zone (the hour repeated in
// autumn), where mktime may choose either occurrence.
bool IsRepeatedLocalTime(const ORVDate& iDate) {
  time_t occurrences[2];
  for (int dst = 0; dst < 2; ++dst) {
    tm fields = iDate.GetTM();
    fields.tm_isdst = dst;
    occurrences[dst] = mktime(&fields);
    tm back{};
    localtime_r(&occurrences[dst], &back);
    if (back.tm_hour != iDate.GetHour() || back.tm_isdst != dst) return false;
  }
  return occurrences[0] != occurrences[1];
}

class ORVDateRandomTest : public DatesTest {
protected:
  // The last error of iCode is a date error with an ORVBC key from iFirstKey to iLastKey,
  // displayable: its text is built from the shipped catalog on every 97th call (building
  // loads the catalog each time).
  void ExpectDisplayableError(long iCode, int iFirstKey, int iLastKey) {
    std::string diagnostic = DateError(iCode, ++_Errors % 97 == 0);
    ASSERT_EQ(diagnostic.rfind("ORVBC ", 0), 0u) << diagnostic;
    int key = atoi(diagnostic.c_str() + 6);
    EXPECT_TRUE(key >= iFirstKey && key <= iLastKey) << diagnostic;
  }

  int _Errors = 0;
};

}  // namespace

TEST_F(ORVDateRandomTest, DateTextsReadBackOrFailWithADisplayableError) {
  DateTextMaker maker(2004);
  int successes[2] = {0, 0};
  for (int i = 0; i < kRuns; ++i) {
    std::string text = maker.Date();
    SCOPED_TRACE(text);
    for (int form = 0; form < 2; ++form) {
      ORVDate date, again;
      unsigned int timeGiven = 7;
      long code = form ? ORVDateUtilities::ConvertStringForProgramToDate(text.c_str(), _Request,
                                                                         _Advice, timeGiven, date)
                       : ORVDateUtilities::ConvertStringForProgramToDate(text.c_str(), _Request,
                                                                         _Advice, date);
      if (code != 0) {
        ExpectDisplayableError(code, 7722, 7734);
        ASSERT_EQ(DateText(date), "0000/00/00-00:00:00");
        continue;
      }
      ++successes[form];
      // The program text of the date reads back as the same date.
      ASSERT_EQ(ORVDateUtilities::ConvertStringForProgramToDate(DateText(date).c_str(), _Request,
                                                                _Advice, again),
                0);
      ASSERT_EQ(again.Compare(date), 0) << DateText(date);
      ASSERT_EQ(timeGiven, form ? (HourIsGiven(text) ? 1u : 0u) : 7u);
    }
  }
  EXPECT_GT(successes[0], kRuns / 50);
  EXPECT_GT(successes[1], successes[0]);
}

TEST_F(ORVDateRandomTest, SpanTextsReadBackOrFailWithADisplayableError) {
  DateTextMaker maker(1515);
  int successes = 0;
  for (int i = 0; i < kRuns; ++i) {
    std::string text = maker.Span();
    SCOPED_TRACE(text);
    int values[6], again[6];
    long code = ReadSpan(text.c_str(), values);
    if (code != 0) {
      ExpectDisplayableError(code, 7729, 7729);
      continue;
    }
    ++successes;
    // The full form of the span reads back as the same six values, none negative.
    ASSERT_GE(*std::min_element(values, values + 6), 0);
    ASSERT_EQ(ReadSpan(SpanText(values).c_str(), again), 0) << SpanText(values);
    ASSERT_EQ(SpanText(again), SpanText(values));
  }
  EXPECT_GT(successes, kRuns / 20);
}

TEST_F(ORVDateRandomTest, AddedSpansGiveDatesOfTheRangeOrFail) {
  DateTextMaker maker(1789);
  std::uniform_int_distribution<long> times(-86400L * 400, INT32_MAX);
  auto amount = [&](int iLimit) {
    int kind = maker.Pick(8);
    if (kind == 0)
      return maker.Pick(2) ? INT32_MAX - maker.Pick(1000) : INT32_MIN + maker.Pick(1000);
    if (kind == 1) return -maker.Pick(iLimit);
    return kind < 4 ? 0 : maker.Pick(iLimit);
  };
  int successes = 0;
  for (int i = 0; i < kRuns; ++i) {
    ORVDate date(times(maker._Random), 1), before(date);
    int years = amount(40), months = amount(500), days = amount(30000);
    int hours = amount(1000), minutes = amount(100000), seconds = amount(10000000);
    unsigned int add = (unsigned int)maker.Pick(2);
    const int span[6] = {years, months, days, hours, minutes, seconds};
    SCOPED_TRACE(DateText(before) + " " + SpanText(span) + " add " + std::to_string(add));
    long code = ORVDateUtilities::AddTimeSpanToDate(date, years, months, days, hours, minutes,
                                                    seconds, add, _Request, _Advice);
    if (code != 0) {
      ExpectDisplayableError(code, 7735, 7735);
      // Whatever was kept lies within the years of time_t or is the untouched date.
      ASSERT_TRUE(date.Compare(before) == 0 || (date.GetYear() >= 1970 && date.GetYear() <= 2037));
      continue;
    }
    ++successes;
    ASSERT_TRUE(date.GetYear() >= 1970 && date.GetYear() <= 2037 && date.Gettime_t(1) >= 0);
    // Without years and months the sum is plain arithmetic on seconds.
    if (years == 0 && months == 0 && !IsRepeatedLocalTime(before)) {
      long long span = seconds + 60LL * minutes + 3600LL * hours + 86400LL * days;
      long long expected = before.Gettime_t(1) + (add ? span : -span);
      // Compared as local dates: mktime may read an hour repeated in autumn either way.
      ASSERT_EQ(DateText(date), DateText(ORVDate((long)expected, 1)));
    }
    // Years and months alone keep the clock time and move by whole months.
    if (days == 0 && hours == 0 && minutes == 0 && seconds == 0) {
      long long monthsMoved = (long long)(date.GetYear() - before.GetYear()) * 12 +
                              (date.GetMonth() - before.GetMonth());
      ASSERT_EQ(monthsMoved, (add ? 1 : -1) * (12LL * years + months));
      ASSERT_EQ(date.GetHour() * 3600 + date.GetMinute() * 60 + date.GetSecond(),
                before.GetHour() * 3600 + before.GetMinute() * 60 + before.GetSecond());
      ASSERT_LE(date.GetDay(), before.GetDay());
    }
  }
  EXPECT_GT(successes, kRuns / 10);
}
