// Tests of ORVDateUtilities' texts and sums: the program form of dates in its two
// variants with every error and its parameter, time spans, adding spans across month
// and year ends, and the text forms of a date.
#include "ORVDateUtilities.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "DatesTestSupport.h"

namespace {

class ORVDateUtilitiesTest : public DatesTest {
protected:
  // The values of the span read from iText, "failed" before them when it is refused.
  std::string Span(const ORVString& iText) {
    int v[6] = {-1, -1, -1, -1, -1, -1};
    long code = ReadSpan(iText, v);
    if (code == 0) return SpanText(v);
    EXPECT_EQ(DateError(code), "ORVBC 7729: " + std::string(iText.GetChars()));
    return "failed " + SpanText(v);
  }
};

}  // namespace

TEST_F(ORVDateUtilitiesTest, ProgramTextsGiveTheDateAndTimeFlagOrAnErrorNamingTheField) {
  // Short form or not, a text, then its date and the time-given flag (the full form leaves
  // it as it was, 9; the short form takes a date alone or a cut time), or the key of the
  // diagnostic with its parameter when that is not the whole text. Years are not checked;
  // the short form reports the same errors for what it reads; only the last "-" of a date
  // alone is dropped.
  const std::tuple<int, const char*, const char*> kTexts[] = {
      {0, "1970/1/1-0:0:0", "1970/01/01-00:00:00 9"},
      {1, "2004/02/29", "2004/02/29-00:00:00 0"},
      {1, "2004/02/29-", "2004/02/29-00:00:00 0"},
      {1, "2004/02/29-7:30", "2004/02/29-07:30:00 1"},
      {0, "2004/02/29", "7722"},
      {0, "99999999999/01/01-00:00:00", "7723"},
      {0, "2004/2x/29-00:00:00", "7724"},
      {0, "2004/02/-00:00:00", "7725"},
      {0, "2004/02/29-x:00:00", "7726"},
      {0, "2004/02/29-00:1.5:00", "7727"},
      {0, "2004/02/29-00:00:00:00", "7728"},
      {0, "2004/13/01-00:00:00", "7730: 13"},
      {1, "2003/02/29", "7731: 29"},
      {0, "2004/02/29-24:00:00", "7732: 24"},
      {1, "2004/02/29-1:60", "7733: 60"},
      {0, "2004/02/29-00:00:60", "7734: 60"}};
  for (const auto& [shortForm, text, expected] : kTexts) {
    SCOPED_TRACE(text);
    ORVDate date(2001, 1, 1, 0, 0, 0);
    unsigned int timeGiven = 9;
    long code =
        shortForm ? ORVDateUtilities::ConvertStringForProgramToDate(text, _Request, _Advice,
                                                                    timeGiven, date)
                  : ORVDateUtilities::ConvertStringForProgramToDate(text, _Request, _Advice, date);
    if (strchr(expected, '/')) {
      EXPECT_EQ(code, 0);
      EXPECT_EQ(DateText(date) + " " + std::to_string(timeGiven), expected);
    } else {
      EXPECT_EQ(DateError(code), "ORVBC " + std::string(expected) +
                                     (strlen(expected) == 4 ? ": " + std::string(text) : ""));
      EXPECT_EQ(DateText(date), "2001/01/01-00:00:00");
    }
  }
  // Without request or advice; an unset date stays unset.
  ORVDate unset;
  long code = ORVDateUtilities::ConvertStringForProgramToDate("2004/13/01-00:00:00", {}, {}, unset);
  EXPECT_EQ(DateText(unset), "0000/00/00-00:00:00");
  EXPECT_EQ(DescribeLastError(code),
            "type 1 in src/ORVDateUtilities.cpp; request <none>; diagnostic ORVBC 7730: 13; "
            "advice <none>");
  EXPECT_NE(LastErrorText(code).find("13"), std::string::npos) << LastErrorText(code);
}

TEST_F(ORVDateUtilitiesTest, TimeSpansAreReadByTheSeparatorsTheyHold) {
  // Texts and their values; a final "-" ends the text.
  const std::pair<const char*, const char*> kSpans[] = {
      {"5", "0/0/5-0:0:0"},           {"2/3", "0/2/3-0:0:0"},
      {"3-12:5", "0/0/3-12:5:0"},     {"1/2-3:4:5", "0/1/2-3:4:5"},
      {"1/2/3-4:5:6", "1/2/3-4:5:6"}, {"1/2/3-", "1/2/3-0:0:0"},
      {"1:30", "0/0/0-1:30:0"},       {"2147483647", "0/0/2147483647-0:0:0"}};
  for (const auto& [text, values] : kSpans)
    EXPECT_EQ(Span(text), values) << text;
  for (const char* text : {"", "1:2:3:4", "1/2/3/4", "1/2/3-4:5:6:7"})
    EXPECT_EQ(Span(text), "failed 0/0/0-0:0:0") << text;
}

// A NUL byte is an invalid character, never a separator, however many there are.
TEST_F(ORVDateUtilitiesTest, TextsHoldingANulByteAreRefused) {
  for (const std::string& bytes :
       {std::string("1\0:2", 4), std::string("5\0", 2), std::string("\0", 1),
        std::string("1/2/3-4:5:6") + std::string(64, '\0') + "7", "1" + std::string(1000, '\0'),
        std::string("2004/01\0/05", 11), std::string("2004/01/05\0-10:00:00", 20),
        std::string("2004/01/05-10:00:00\0", 20)}) {
    SCOPED_TRACE(bytes.size());
    ORVString text;
    text.Copy(nullptr, 0);
    for (char character : bytes) {
      if (character == '\0')
        text.Resize(text.GetLength() + 1, '\0', 0);
      else
        text.Concat(&character, 1);
    }
    EXPECT_EQ(Span(text), "failed 0/0/0-0:0:0");
    ORVDate date;
    EXPECT_EQ(ORVDateUtilities::ConvertStringForProgramToDate(text, _Request, _Advice, date),
              PEV_E_FAIL);
  }
}

TEST_F(ORVDateUtilitiesTest, AddingSpansGoesByTheSecondsThenByTheCalendar) {
  // A date, "+" or "-", a span, then the date after it or "fail" when it is left as it was,
  // "fail" and the date when a failing step keeps the earlier steps' changes. Sums of
  // days and seconds alone, and of months alone, are checked against a model by the
  // randomized tests.
  const char* const kSums[] = {
      // Months keep the day within the month; days and seconds come first.
      "2004/01/31-10:20:30 + 0/1/0-0:0:0 = 2004/02/29-10:20:30",
      "2004/03/15-00:00:00 - 0/13/0-0:0:0 = 2003/02/15-00:00:00",
      "2004/01/30-00:00:00 + 0/1/1-0:0:0 = 2004/02/29-00:00:00",
      // Dates outside the years of time fail instead of ending the process, before or
      // after the sum (Paris midnight of 1970-01-01 is an hour before the epoch).

      "2038/01/01-00:00:00 - 0/0/0-0:0:0 = fail",
      "2037/12/31-12:00:00 + 0/0/1-0:0:0 = fail",

      "1970/02/01-00:30:00 - 0/1/0-0:0:0 = fail",
      "1970/01/01-02:00:00 - 0/0/0-1:30:0 = fail",
      // Spans that overflow 32 bits fail; a negative part is fine while the partial sums
      // stay positive; a failing step keeps the earlier steps' changes.
      "2004/06/01-00:00:00 + 0/0/24801-0:0:0 = fail",
      "2004/06/01-00:00:00 + 0/0/0-0:0:-1 = fail",
      "2004/06/01-00:00:00 + 0/0/24800-596523:0:0 = fail",

      "2004/06/01-00:00:00 + 0/0/-1-0:0:90000 = 2004/06/01-01:00:00",
      "2037/06/15-08:00:00 + 1/0/1-0:0:0 = fail 2037/06/16-08:00:00",
  };
  for (const char* row : kSums) {
    SCOPED_TRACE(row);
    int d[6], s[6];
    char sign = 0, after[40] = "";
    ASSERT_EQ(sscanf(row, "%d/%d/%d-%d:%d:%d %c %d/%d/%d-%d:%d:%d = %39[^\n]", &d[0], &d[1], &d[2],
                     &d[3], &d[4], &d[5], &sign, &s[0], &s[1], &s[2], &s[3], &s[4], &s[5], after),
              14);
    ORVDate sum(d[0], d[1], d[2], d[3], d[4], d[5]);
    std::string before = DateText(sum), expected = after;
    long code = ORVDateUtilities::AddTimeSpanToDate(sum, s[0], s[1], s[2], s[3], s[4], s[5],
                                                    sign == '+', _Request, _Advice);
    if (expected.rfind("fail", 0) == 0) {
      EXPECT_EQ(DateError(code), "ORVBC 7735");
      expected = expected == "fail" ? before : expected.substr(5);
    } else {
      EXPECT_EQ(code, 0);
    }
    EXPECT_EQ(DateText(sum), expected);
  }
}

TEST_F(ORVDateUtilitiesTest, DateTextsAndTheCurrentDate) {
  // The tests run in the C locale.
  EXPECT_EQ(Utf8(ORVDateUtilities::ConvertDateToStringForMsg(ORVDate(2004, 2, 29, 23, 59, 59))),
            "Sun Feb 29 23:59:59 2004");
  long before = (long)time(nullptr), now = ORVDateUtilities::GetSystemTime();
  ORVDate current = ORVDateUtilities::GetCurrentDate(0),
          local = ORVDateUtilities::GetCurrentDate(1);
  long after = (long)time(nullptr);
  for (long seen : {now, current.Gettime_t(0), local.Gettime_t(1)})
    EXPECT_TRUE(seen >= before && seen <= after) << before << " <= " << seen << " <= " << after;
}
