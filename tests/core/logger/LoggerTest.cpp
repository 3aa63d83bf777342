#include "core/logger/Logger.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

#include "core/link/VitalData.h"
#include "core/logger/LoggerFixture.h"
#include "core/util/Files.h"

namespace qx {
namespace {

using test::LoggerFixture;

const char* const kHeader20240305 =
    "ORK-Log-Datei,orklog_20240305_143007.olg\r\nDatum,05.03.2024\r\nUhrzeit,14:30:07\r\n\r\n"
    "ORK HW,1.2\r\nORK SW,2.7\r\n\r\nKommentar,Runde 3\r\n\r\n\r\n"
    "Zeitpunkt(ms),Drehzahl (Umin),Klappe (%),Motortemp. (C),Lufttemp. (C),Lambda1 (V),"
    "Lambda2 (V),Lambda3 (V),Ausgang1,Ausgang2,Eingang1,Eingang2,Eingang3,Einspritzung (KW),"
    "Einspritzung (ms),Zuendwinkel (KW),,,\r\n";

std::string fileText(const std::string& path) {
  const auto bytes = readWholeFile(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<none>");
}

VitalData sample() {
  VitalData v;
  v.engineSpeedClamped = 4230;
  v.throttlePercent = 37;
  v.engineTemp = 71;
  v.airTemp = 24;
  v.lambdaMv = {855, 800, 0};
  v.output1 = 1;
  v.input3 = 1;
  v.ignitionAngleRaw = 38;  // -12 °KW
  v.injectionTimeUs = 2150;
  return v;
}

TEST_F(LoggerFixture, ACapacityOf100At500msEndsAfter50SecondsWithEveryRecordOnDisk) {
  clock.dateTime = {2024, 3, 5, 14, 30, 7};
  clock.nowMs = 7000;
  setLogComment(state, "Runde 3");
  startLogging(state, table, device, settings, ports);
  ASSERT_TRUE(state.logging);
  const std::string path = dir.file("orklog_20240305_143007.olg");
  EXPECT_EQ(fileText(path), kHeader20240305);
  EXPECT_EQ(sink.shown.back(), "Logger-Datei orklog_20240305_143007.olg angelegt");
  EXPECT_EQ(timer.calls, (std::vector<std::string>{"start 500"}));

  // No record while the boot loader has the line.
  link.firmwareTransferActive = true;
  writeLogRecord(state, table, sample(), link, ports);
  EXPECT_EQ(table.recordCounter, 0);
  link.firmwareTransferActive = false;

  VitalData v = sample();
  for (int tick = 1; tick <= 100; ++tick) {
    clock.nowMs += 500;
    writeLogRecord(state, table, v, link, ports);
    if (tick == 1) {
      // Written through at once: the file holds the record while recording goes on.
      EXPECT_EQ(fileText(path), std::string(kHeader20240305) +
                                    "500,4230,37,71,24,0.86,0.80,0.00,1,0,0,0,1,-12,2150,,,,\r\n");
      EXPECT_EQ(state.shown.dataPoint, "1 / 100");
      v.engineSpeedClamped = 16000;
    }
  }
  EXPECT_TRUE(state.logging);
  EXPECT_EQ(table.count(), 100);
  EXPECT_EQ(table.at(100, 0), 50000.0f);
  EXPECT_EQ(state.shown.progress, 100);

  table.cursor = 40;
  clock.nowMs += 500;
  writeLogRecord(state, table, v, link, ports);
  EXPECT_FALSE(state.logging);
  EXPECT_FALSE(state.file.isOpen());
  EXPECT_EQ(sink.shown.back(), "Logger-Datei geschlossen");
  EXPECT_EQ(timer.calls.back(), "stop");
  EXPECT_EQ(table.cursor, 1);
  EXPECT_EQ(screen.redraws, 1);
  const std::string text = fileText(path);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 111);
  EXPECT_TRUE(text.ends_with("\r\n50000,16000,37,71,24,0.86,0.80,0.00,1,0,0,0,1,-12,2150,,,,\r\n"));

  // A new start overwrites from record 1 on.
  clock.dateTime.second = 8;
  startLogging(state, table, device, settings, ports);
  clock.nowMs += 500;
  writeLogRecord(state, table, sample(), link, ports);
  EXPECT_EQ(table.count(), 1);
  EXPECT_EQ(table.at(1, 1), 4230.0f);
  EXPECT_EQ(table.at(2, 1), 16000.0f);
  stopLogging(state, ports);
  EXPECT_FALSE(state.logging);
  EXPECT_EQ(timer.calls.back(), "stop");
}

TEST_F(LoggerFixture, LoggingAndSavingAreRefusedWithTheirMessages) {
  const std::string sure =
      "Achtung|\rLogdatei konnte nicht angelegt werden.\r\rLoggen/Sichern nicht möglich.";
  struct Case {
    std::string path, name, message, status;
  };
  const Case cases[] = {
      {"", "a.olg", "Achtung|\rDer Logdateipfad ist ungültig.\r\rLoggen/Sichern nicht möglich.",
       "Log-Dateipfad ungültig"},
      {dir.path(), "", "Achtung|\rDer Logdateiname ist ungültig.\r\rLoggen/Sichern nicht möglich.",
       "Log-Dateiname ungültig"},
      {dir.file("fehlt/"), "a.olg", sure, "Log-Datei konnte nicht angelegt werden"},
  };
  for (const auto& c : cases) {
    requesters.shown.clear();
    state.path = c.path;
    state.fileName = c.name;
    saveLog(state, table, device, settings, ports);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{c.message}) << c.message;
    EXPECT_EQ(sink.shown.back(), c.status);
  }
  requesters.shown.clear();
  startLogging(state, table, device, settings, ports);  // into the missing folder
  EXPECT_EQ(messageTexts(), std::vector<std::string>{sure});
  EXPECT_FALSE(state.logging);
  EXPECT_TRUE(timer.calls.empty());
}

TEST_F(LoggerFixture, AFailedSaveKeepsThePreviousFile) {
  state.fileName = "alt.olg";
  const std::string path = dir.file("alt.olg");
  ASSERT_TRUE(writeFileAtomically(path, Bytes{'a', 'l', 't'}));
  for (int n = 1; n <= 50; ++n) table.storeRecord(n, LogRecord{1000.0f * n});

  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = old;
  tight.rlim_cur = 600;  // the header fits, the records do not
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
  saveLog(state, table, device, settings, ports);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);

  EXPECT_EQ(fileText(path), "alt");
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Achtung|\rLogdatei konnte nicht angelegt "
                                                     "werden.\r\rLoggen/Sichern nicht möglich."});
  EXPECT_EQ(sink.shown.back(), "Log-Datei konnte nicht angelegt werden");
}

TEST_F(LoggerFixture, ANewCapacityKeepsTheRecordsThatFit) {
  ASSERT_TRUE(table.sizeFor(200));
  for (int n = 1; n <= 150; ++n) table.storeRecord(n, LogRecord{static_cast<float>(n)});
  table.cursor = 77;
  EXPECT_EQ(changeLogCapacity(state, table, settings, 120, ports), 120);
  EXPECT_EQ(table.count(), 120);
  EXPECT_EQ(table.at(120, 0), 120.0f);
  EXPECT_EQ(table.cursor, 1);
  EXPECT_EQ(state.shown.dataPoint, "1 / 120");
  EXPECT_EQ(state.shown.progressMaximum, 120);
  EXPECT_EQ(settings.maxLogRecords, 120);
  EXPECT_EQ(changeLogCapacity(state, table, settings, 5000, ports), 5000);
  EXPECT_EQ(table.count(), 120);  // growing adds no empty records

  // 760 MB asked with 100 MB free: refused, the previous size stays.
  freeMemory(100LL << 20);
  EXPECT_EQ(changeLogCapacity(state, table, settings, 9999999, ports), 5000);
  EXPECT_EQ(messageTexts(),
            std::vector<std::string>{"Achtung| Das Datenfeld konnte in dieser Größe nicht angelegt "
                                     "werden.\r\rGgf. ist der Arbeitsspeicher zu klein.\r\r\rEs "
                                     "wird die vorherige Größe benutzt."});
  EXPECT_EQ(sink.shown.back(), "Loggerdateigröße nicht vorhanden. Standardgröße verwendet");
  EXPECT_EQ(table.count(), 120);
  EXPECT_EQ(settings.maxLogRecords, 5000);
  EXPECT_EQ(changeLogCapacity(state, table, settings, 3, ports), 100);
}

}  // namespace
}  // namespace qx
