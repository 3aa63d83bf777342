// The setup file reader and the listing of the command-line tool on any file content.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/ports/Clock.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupListing.h"
#include "core/util/Numbers.h"

using namespace qx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  const SetupFileContents read = parseSetupFile(file);
  FUZZ_CHECK(read.headerSize <= size);
  FUZZ_CHECK(read.block.size() == kSetupBlockSize);
  FUZZ_CHECK(read.blockBytesRead == std::min(size - read.headerSize, kSetupBlockSize));

  SetupRecord record;
  record.injectorSwitchTime = {1, 2, 3};
  applySetupBlock(read.block, record);
  FUZZ_CHECK(record.injectorSwitchTime == (PerCylinder<std::int16_t>{1, 2, 3}));

  // Whatever the header held, the file written from it again has the nominal layout and
  // gives back the same setup.
  const SetupFileUnit unit{read.header.device, read.header.hardware, read.header.software,
                           read.header.bootLoader, integerReading(read.header.restartCount)};
  const Bytes again = encodeSetupFile(record, read.header.comment, unit, {2018, 5, 7, 14, 3, 9});
  FUZZ_CHECK(again.size() == kSetupFileSize);
  const SetupFileContents reread = parseSetupFile(again);
  FUZZ_CHECK(reread.nominal());
  FUZZ_CHECK(reread.block == setupBlock(record));

  // The listing of the file itself when it is one; otherwise that of the file written
  // again, which always is (the same code on the values of any block).
  const auto listed = readSetupForListing(file);
  const auto* setup = std::get_if<ListedSetup>(&listed);
  const auto relisted = setup ? listed : readSetupForListing(again);
  FUZZ_CHECK(std::holds_alternative<ListedSetup>(relisted));
  const ListedSetup& shown = std::get<ListedSetup>(relisted);
  for (unsigned char c : listSetup(shown)) FUZZ_CHECK(c >= 0x20 || c == '\n');
  FUZZ_CHECK(diffSetups(shown, shown).empty());
  return 0;
}
