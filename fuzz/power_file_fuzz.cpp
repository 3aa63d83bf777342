// The power comparison file reader on any content, and the calculation that follows loading
// a measurement: any numbers a file holds, however wild, give a result without undefined
// behaviour.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/power/PowerFile.h"
#include "core/power/PowerFileActions.h"
#include "core/power/PowerRun.h"

using namespace qx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const PowerFileContents c = parsePowerFile(std::span(data, size));
  for (const std::string* text : {&c.date, &c.time, &c.hardware, &c.software})
    FUZZ_CHECK(text->find('\n') == std::string::npos);
  PowerRun run;
  takePowerMeasurement(run, c);
  return 0;
}
