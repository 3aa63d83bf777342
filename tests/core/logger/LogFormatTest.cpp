#include "core/logger/LogFormat.h"

#include <gtest/gtest.h>

#include "core/logger/AvailableMemory.h"

namespace qx {
namespace {

TEST(LogRecordLine, IntegersRoundHalfToEvenAndLambdasHaveTwoDecimals) {
  struct Case {
    LogRecord row;
    const char* line;
  };
  const Case cases[] = {
      {{1500, 4230, 37, 71, 24, 0.855f, 0.80f, 0, 1, 0, 0, 0, 1, 23, 2150},
       "1500,4230,37,71,24,0.86,0.80,0.00,1,0,0,0,1,23,2150,,,,\r\n"},
      // Values as a loaded file may hold them; columns 15..18 are never written.
      {{71.5f, 72.5f, -0.5f, -1.5f, 2.5f, 1.005f, 0.125f, 1.5f, 0.5f, 1.5f, 0, 0, 0, -12, 65535, 7,
        8, 9, 10},
       "72,72,0,-2,2,1.00,0.13,1.50,0,2,0,0,0,-12,65535,,,,\r\n"},
      {{16777216, 16000, 100, -20, -20, 0, 0, 0, 0, 0, 0, 0, 0, -50, 0},
       "16777216,16000,100,-20,-20,0.00,0.00,0.00,0,0,0,0,0,-50,0,,,,\r\n"},
  };
  for (const auto& c : cases) {
    std::string line;
    appendRecordLine(line, c.row.data());
    EXPECT_EQ(line, c.line);
  }
}

TEST(LogHeader, ElevenLinesWordForWordAndNoTextCanBreakALine) {
  LogHeaderFields f{
      "orklog_20240305_090407.olg", {2024, 3, 5, 9, 4, 7}, "1\n2", "2.7", "Prüfstand\r\nLauf 2"};
  EXPECT_EQ(logHeader(f),
            "ORK-Log-Datei,orklog_20240305_090407.olg\r\n"
            "Datum,05.03.2024\r\n"
            "Uhrzeit,09:04:07\r\n"
            "\r\n"
            "ORK HW,1 2\r\n"
            "ORK SW,2.7\r\n"
            "\r\n"
            "Kommentar,Prüfstand  Lauf 2\r\n"
            "\r\n"
            "\r\n"
            "Zeitpunkt(ms),Drehzahl (Umin),Klappe (%),Motortemp. (C),Lufttemp. (C),Lambda1 (V),"
            "Lambda2 (V),Lambda3 (V),Ausgang1,Ausgang2,Eingang1,Eingang2,Eingang3,Einspritzung "
            "(KW),Einspritzung (ms),Zuendwinkel (KW),,,\r\n");
  // The unit's bytes: a control byte as a blank, a byte above 127 as its character.
  EXPECT_EQ(deviceTextForLog("1\r\xE4"), "1 ä");
  EXPECT_EQ(logFileName({2024, 3, 5, 14, 30, 7}), "orklog_20240305_143007.olg");
}

TEST(LogHeader, DatesAndTimesReadBackOnlyInTheirPattern) {
  EXPECT_EQ(logDateText(*parseLogDate("05.03.2024")), "05.03.2024");
  EXPECT_EQ(logTimeText(*parseLogTime("23:59:58 Uhr")), "23:59:58");
  for (const char* bad : {"", "5.3.2024", "32.01.2024", "05.13.2024", "05-03-2024", "05.03.20"})
    EXPECT_FALSE(parseLogDate(bad).has_value()) << bad;
  for (const char* bad : {"24:00:00", "12:60:00", "12:00", "ab:cd:ef"})
    EXPECT_FALSE(parseLogTime(bad).has_value()) << bad;
}

TEST(LogField, NumbersWithAPointAndZeroForText) {
  const std::pair<const char*, float> cases[] = {{"1500", 1500.0f},
                                                 {"-12", -12.0f},
                                                 {"0.85", 0.85f},
                                                 {"+3.5", 3.5f},
                                                 {"", 0.0f},
                                                 {"abc", 0.0f},
                                                 {"12abc", 12.0f},
                                                 {" 7", 7.0f},
                                                 {"1e3", 1000.0f},
                                                 {"-.5", -0.5f},
                                                 {".", 0.0f},
                                                 {"0,5", 0.0f},
                                                 {"1234567890123456", 1234567890123456.0f},
                                                 {"0.1000000000000000055511", 0.1f}};
  for (const auto& [text, value] : cases) EXPECT_EQ(logFieldValue(text), value) << text;
}

TEST(LogRecordRead, EveryFieldBeforeACommaAndNothingAfterTheLast) {
  struct Case {
    std::string line;
    LogRecord row;
  };
  const Case cases[] = {
      {"1500,4230,37,71,24,0.85,0.80,0.00,1,0,0,0,1,-12,2150,,,,",
       {1500, 4230, 37, 71, 24, 0.85f, 0.80f, 0, 1, 0, 0, 0, 1, -12, 2150}},
      // Unusual fields take the general way and read the same.
      {"-,+5,1.2.3,12345678901234,123456789012345678,.5,5.,-0.25,00000042,7e2,x1,1 ,-0,",
       {0, 5, 1.2f, 12345678901234.0f, 123456789012345678.0f, 0.5f, 5, -0.25f, 42, 700, 0, 1}},
      // 19 fields and more: the twentieth is never read; a last field needs its comma.
      {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,",
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
      {"1,2,3", {1, 2}},
      {"", {}},
      // Longer than a line the logger writes.
      {"123456789," + std::string(70, ' ') + "5,6", {123456792.0f, 5}},  // the nearest float
  };
  for (const auto& c : cases) {
    const LogRecord r = parseRecordLine(c.line);
    for (int k = 0; k < kLogColumns; ++k) EXPECT_EQ(r[k], c.row[k]) << c.line << " field " << k;
  }
}

TEST(LogPath, ShortenedFrom81Characters) {
  const std::string head(38, 'a'), tail(38, 'z');
  const std::string p80 = "/" + std::string(78, 'm') + "/";
  EXPECT_EQ(shortenedLogPath(p80), p80);
  const std::string p81 = head + "12345" + tail;
  EXPECT_EQ(shortenedLogPath(p81), head + " ... " + tail);
  // Characters, not bytes: 80 characters with umlauts stay whole.
  const std::string umlauts = std::string(70, 'x') + "äöüäöüäöüä";
  EXPECT_EQ(shortenedLogPath(umlauts), umlauts);
  EXPECT_EQ(shortenedLogPath("ä" + umlauts),
            "ä" + std::string(37, 'x') + " ... " + std::string(28, 'x') + "äöüäöüäöüä");
}

TEST(LogEstimates, DurationAndFileSize) {
  EXPECT_EQ(logDurationText(3600, 1500), "01:30:00");
  EXPECT_EQ(logDurationText(100, 500), "00:00:50");
  EXPECT_EQ(logFileSizeText(3600), "234 kB");
  EXPECT_EQ(logInstantText(3723456), "01:02:03.456");
}

TEST(AvailableMemory, ReadFromMeminfo) {
  EXPECT_EQ(parseMemAvailable("MemTotal:       24683752 kB\nMemFree: 1 kB\n"
                              "MemAvailable:   24336316 kB\nBuffers: 3 kB\n"),
            24336316LL * 1024);
  EXPECT_FALSE(parseMemAvailable("MemTotal: 5 kB\n").has_value());
  EXPECT_FALSE(parseMemAvailable("MemAvailable: kB\n").has_value());
}

}  // namespace
}  // namespace qx
