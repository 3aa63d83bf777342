// The SetupImage decoder, and typed texts taken over into every setup value.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzCheck.h"
#include "core/setup/SettingsForm.h"
#include "core/setup/SetupFields.h"
#include "core/setup/SetupImage.h"

using namespace qx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  SetupRecord record;
  if (size < kSetupImageSize) {
    FUZZ_CHECK(!decodeSetupImage(input, record));
    FUZZ_CHECK(record == SetupRecord{});
  } else {
    FUZZ_CHECK(decodeSetupImage(input, record));
    const Bytes image = encodeSetupImage(record);
    FUZZ_CHECK(std::equal(image.begin(), image.end(), input.begin()));
  }

  // The bytes after the image (or all of them) as the text typed into every field.
  const std::size_t textStart = size >= kSetupImageSize ? kSetupImageSize : 0;
  const std::string typed(reinterpret_cast<const char*>(data) + textStart, size - textStart);
  for (const FieldInfo& f : setupFields()) {
    SetupRecord r = record;
    takeTypedText(r, f.id, typed);
    const int v = storedValue(r, f.id);
    FUZZ_CHECK(v >= f.min && v <= f.max);
    takeTypedText(r, f.id, shownText(r, f.id));
    FUZZ_CHECK(storedValue(r, f.id) == v);
  }
  takeOverSettingsFields(record, [&](SetupField) { return typed; });
  FUZZ_CHECK(record.output1RpmOn <= record.output1RpmOff);
  FUZZ_CHECK(record.output2RpmOn <= record.output2RpmOff);
  return 0;
}
