// The lambda log file reader on any content: what it reads, written again and read back,
// stays what it is.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/lambda/LambdaFile.h"

using namespace qx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const LambdaFileContents read = parseLambdaFile(std::span(data, size));
  const Bytes written = encodeLambdaFile(read.table, "fuzz.oll", read.meta, read.comment);
  const LambdaFileContents again = parseLambdaFile(written);
  FUZZ_CHECK(encodeLambdaFile(again.table, "fuzz.oll", again.meta, again.comment) == written);
  return 0;
}
