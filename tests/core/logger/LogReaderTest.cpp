#include "core/logger/LogReader.h"

#include <gtest/gtest.h>

#include "core/logger/LoggerFixture.h"
#include "core/util/Files.h"

namespace qx {
namespace {

const std::string kColumnLine =
    "Zeitpunkt(ms),Drehzahl (Umin),Klappe (%),Motortemp. (C),Lufttemp. (C),Lambda1 (V),"
    "Lambda2 (V),Lambda3 (V),Ausgang1,Ausgang2,Eingang1,Eingang2,Eingang3,Einspritzung (KW),"
    "Einspritzung (ms),Zuendwinkel (KW),,,\r\n";
const std::string kHeader =
    "ORK-Log-Datei,anders.olg\r\nDatum,05.03.2024\r\nUhrzeit,14:30:07\r\n\r\n"
    "ORK HW,1.2\r\nORK SW,2.7\r\n\r\nKommentar,Lauf\r\n\r\n\r\n" +
    kColumnLine;
// 65 bytes with its line end, like the estimate's record.
const std::string kRecord65 = "1500,4230,37,71,24,0.85,0.80,0.00,1,0,0,0,1,23,2150,,,,        \r\n";

class LogReaderFixture : public test::LoggerFixture {
 protected:
  std::string write(const std::string& name, const std::string& text) {
    const std::string path = dir.file(name);
    EXPECT_TRUE(writeFileAtomically(path, Bytes(text.begin(), text.end())));
    return path;
  }
  // A file of exactly `size` bytes: the header and 65-byte records, the last line padded.
  std::string fileOfSize(std::size_t size) {
    std::string text = kHeader;
    while (text.size() + 2 * kRecord65.size() <= size) text += kRecord65;
    std::string last = kRecord65;
    last.insert(last.size() - 2, size - text.size() - last.size(), ' ');
    return text + last;
  }
  void load(const std::string& path) {
    requesters.fileAnswers.push_back(path);
    loadLog(state, table, settings, ports);
  }
};

TEST_F(LogReaderFixture, ShortLinesFillZerosAndHeaderLinesWithoutCommaAreTakenWhole) {
  const std::string path = write(
      "kurz.olg",
      "ORK-Log-Datei,anders.olg\r\nDatum,05.03.2024\r\nUhrzeit,14:30:07\r\n\r\nHW ohne Komma\r\n"
      "ORK SW,2.7\r\n\r\nKommentar,Lauf, zwei\r\n\r\n\r\n" +
          kColumnLine +
          "1500,4230,37,71,24,0.85,0.80,0.00,1,0,0,0,1,-12,2150,,,,\r\n"
          "2000,4300,x,,5\r\n"
          "3000.5,7e2\n");
  table.storeRecord(1, LogRecord{});
  for (int n = 2; n <= 5; ++n) table.storeRecord(n, LogRecord{9, 9, 9});
  load(path);
  EXPECT_EQ(requesters.shown[0].text, dir.path() + "/|olg (*.olg)|*.olg|Alle Dateien (*.*)|*.*");
  EXPECT_EQ(state.fileName, "kurz.olg");
  EXPECT_EQ(state.path, dir.path() + "/");
  EXPECT_EQ(state.shown.fileName, "kurz.olg");
  EXPECT_EQ(state.shown.date, "05.03.2024");
  EXPECT_EQ(state.shown.time, "14:30:07");
  EXPECT_EQ(state.logHardware, "HW ohne Komma");
  EXPECT_EQ(state.logSoftware, "2.7");
  EXPECT_EQ(state.comment, "Lauf, zwei");
  ASSERT_EQ(table.count(), 3);
  EXPECT_EQ(table.at(1, 13), -12.0f);
  EXPECT_EQ(table.at(1, 5), 0.85f);
  const LogRecord second{2000, 4300};
  const LogRecord third{3000.5f};
  for (int c = 0; c < kLogColumns; ++c) {
    EXPECT_EQ(table.at(2, c), second[c]) << c;
    EXPECT_EQ(table.at(3, c), third[c]) << c;
  }
  EXPECT_EQ(state.shown.dataPoint, "3 / 100");
  EXPECT_EQ(sink.shown.back(), "Logger-Datei kurz.olg gelesen");
  EXPECT_EQ(timer.calls, (std::vector<std::string>{"stop", "start 500"}));
  EXPECT_EQ(table.cursor, 1);
  EXPECT_EQ(screen.layouts, 1);
  EXPECT_EQ(screen.redraws, 1);
}

TEST_F(LogReaderFixture, A650000ByteFileIsTakenAs10000Records) {
  const std::string text = fileOfSize(650000);
  ASSERT_EQ(text.size(), 650000u);
  const std::string path = write("gross.olg", text);
  struct Case {
    std::int64_t capacityBefore, capacityAfter;
  };
  for (const Case c : {Case{3600, 10000}, Case{20000, 20000}}) {
    ASSERT_TRUE(table.sizeFor(c.capacityBefore));
    screen.progress.clear();
    load(path);
    EXPECT_EQ(table.capacity(), c.capacityAfter);
    if (c.capacityBefore == 3600) {
      EXPECT_EQ(settings.maxLogRecords, 10000);
    }
    EXPECT_EQ(table.count(), 9995);
    EXPECT_EQ(state.shown.progressMaximum, c.capacityAfter);
    ASSERT_EQ(screen.progress.size(), 100u);
    EXPECT_EQ(screen.progress[0], "1 (~0%)");
    EXPECT_EQ(screen.progress[1], "100 (~1%)");
    EXPECT_EQ(screen.progress[99], "9900 (~99%)");
  }
  EXPECT_TRUE(messageTexts().empty());
}

TEST_F(LogReaderFixture, RecordsBeyondTheEstimateGrowTheTableUntilMemoryEnds) {
  std::string text = kHeader;
  for (int i = 0; i < 250; ++i) text += "1,\r\n";
  const std::string path = write("viele.olg", text);
  const std::string notAll =
      "Achtung| Die Log-Datei konnte mangels Speicherplatz nicht vollständig "
      "eingelesen werden.";
  struct Case {
    std::int64_t freeBytes;
    int count;
    std::int64_t capacity;
    std::vector<std::string> messages;
  };
  // 101 rows of 76 bytes held; growing doubles them, which needs 7676 bytes more, allowed
  // when twice that is free.
  const Case cases[] = {{1 << 20, 250, 251, {}}, {15000, 100, 100, {notAll}}};
  for (const auto& c : cases) {
    ASSERT_TRUE(table.sizeFor(100));
    freeMemory(c.freeBytes);
    requesters.shown.clear();
    load(path);
    EXPECT_EQ(table.count(), c.count);
    EXPECT_EQ(table.capacity(), c.capacity);
    EXPECT_EQ(messageTexts(), c.messages);
    EXPECT_EQ(state.shown.dataPoint, std::to_string(c.count) + " / " + std::to_string(c.capacity));
  }
  EXPECT_EQ(sink.shown.back(), "Logger-Datei viele.olg gelesen");
}

TEST_F(LogReaderFixture, TooLittleMemoryForTheEstimateReadsStepByStep) {
  const std::string path = write("gross.olg", fileOfSize(650000));
  ASSERT_TRUE(table.sizeFor(100));
  freeMemory(1 << 20);  // 10001 rows are 760076 bytes: more than half of 1 MB
  load(path);
  EXPECT_EQ(messageTexts(),
            std::vector<std::string>{
                "Achtung| Es steht nicht genügend Arbeitsspeicher für die geschätzte "
                "Datenfeldgröße (10000) zur Verfügung.\r\rGgf. ist der Arbeitsspeicher zu "
                "klein.\r\r\rDie Datei wird schrittweise eingelesen, bis der Speicher voll ist."});
  EXPECT_EQ(sink.shown[0],
            "Nicht genügend Arbeitsspeicher für Log-datei verfügbar. Lesen "
            "erfolgt, bis Speicher voll ist");
  EXPECT_EQ(table.count(), 9995);
  EXPECT_EQ(table.capacity(), 9996);
}

TEST_F(LogReaderFixture, CancelledUnreadableAndTinyFiles) {
  requesters.fileAnswers.push_back(std::nullopt);
  loadLog(state, table, settings, ports);
  load(dir.file("fehlt.olg"));
  load(dir.path());  // a folder is no log file
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Achtung|Log-Datei laden abgebrochen.",
                                                      "Achtung|Log-Datei laden nicht möglich.",
                                                      "Achtung|Log-Datei laden nicht möglich."}));
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"Log-datei laden abgebrochen",
                                                  "Log-Datei konnte nicht geladen werden",
                                                  "Log-Datei konnte nicht geladen werden"}));
  // Under 65 bytes: one record estimated, no division by zero; old records are gone.
  table.storeRecord(1, LogRecord{5});
  load(write("klein.olg", "x\r\n"));
  EXPECT_EQ(table.count(), 0);
  EXPECT_EQ(state.shown.dataPoint, "0 / 100");
  // While recording, loading is refused without a question.
  state.logging = true;
  const auto asked = requesters.shown.size();
  loadLog(state, table, settings, ports);
  EXPECT_EQ(requesters.shown.size(), asked);
}

TEST_F(LogReaderFixture, SavingALoadedLogWritesItsRecordsUnderItsName) {
  const std::string path =
      write("lauf.olg", kHeader +
                            "1500,4230,37,71.5,72.5,0.855,0.8,0,1,0,0,0,1,-12,2150,,,,\r\n"
                            "2000,16000,100,-20,-20,1.5,1.5,1.5,0,1,1,1,0,40,19999,3,4,5,6\r\n");
  load(path);
  device.hardware = "1.3";
  setLogComment(state, std::string(120, 'k'));
  saveLog(state, table, device, settings, ports);
  EXPECT_EQ(sink.shown.back(), "Logger-Datei lauf.olg gesichert");
  const auto saved = readWholeFile(path);
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(std::string(saved->begin(), saved->end()),
            "ORK-Log-Datei,lauf.olg\r\nDatum,07.05.2018\r\nUhrzeit,14:03:09\r\n\r\nORK HW,1.3\r\n"
            "ORK SW,2.7\r\n\r\nKommentar," +
                std::string(100, 'k') + "\r\n\r\n\r\n" + kColumnLine +
                "1500,4230,37,72,72,0.86,0.80,0.00,1,0,0,0,1,-12,2150,,,,\r\n"
                "2000,16000,100,-20,-20,1.50,1.50,1.50,0,1,1,1,0,40,19999,,,,\r\n");
  EXPECT_FALSE(state.logging);
}

// A file of some megabytes is parsed in batches on helper threads: every record still lands
// in its row, whatever its line looks like, and a table that cannot grow stops at its last
// row as with a small file.
TEST_F(LogReaderFixture, ABigFileGivesTheRecordsOfItsLinesInOrder) {
  const std::string odd[] = {
      "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30",
      "-5,,0.5,x,-0.25", "99999999999,1e3,+7,", "8"};
  const LogRecord oddRecords[] = {
      {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
      {-5, 0, 0.5f, 0},
      {99999999999.0f, 1000, 7},
      {}};  // a field without a comma behind it is 0
  std::string text = kHeader;
  std::vector<LogRecord> expected;
  for (int n = 1; text.size() < (5u << 20); ++n) {
    if (n % 997 == 0) {
      text += odd[n / 997 % 4] + std::string(n % 2 ? "\r\n" : "\n");
      expected.push_back(oddRecords[n / 997 % 4]);
    } else if (n == 30000) {
      text += "7,8,9," + std::string(140000, 'x') + ",5\r\n";  // cut at 128 KiB
      expected.push_back({7, 8, 9});
    } else {
      text += std::to_string(n * 100) + ",4230," + std::to_string(n % 101) +
              ",71,24,0.85,0.80,0.00,1,0,0,0,1,-12,2150,,,,\r\n";
      expected.push_back({n * 100.0f, 4230, static_cast<float>(n % 101), 71, 24, 0.85f, 0.8f, 0, 1,
                          0, 0, 0, 1, -12, 2150});
    }
  }
  const std::string path = write("riesig.olg", text);
  const int all = static_cast<int>(expected.size());
  // With 1 MB free the table stops growing long before the end of the file.
  for (const std::int64_t freeBytes : {1LL << 30, 1LL << 20}) {
    ASSERT_TRUE(table.sizeFor(100));
    freeMemory(freeBytes);
    load(path);
    const int count = freeBytes > (1 << 20) ? all : static_cast<int>(table.capacity());
    ASSERT_LT(count, freeBytes > (1 << 20) ? all + 1 : all);
    ASSERT_EQ(table.count(), count);
    for (int r = 1; r <= count; ++r)
      for (int col = 0; col < kLogColumns; ++col)
        ASSERT_EQ(table.at(r, col), expected[r - 1][col]) << "row " << r << " column " << col;
  }
}

}  // namespace
}  // namespace qx
