#pragma once
// Setup files as text for the command line: every parameter by its German label with its
// shown value and unit, the maps and curves as tables, and the differences of two files.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "core/setup/SetupFile.h"
#include "core/setup/SetupRecord.h"

namespace qx {

struct ListedSetup {
  SetupFileHeader header;
  SetupRecord record;
};

// The setup in a file of the nominal 715-byte layout, or a German sentence saying why the
// file is not one.
// sizeOnDisk is the file's real size when only its start was read.
std::variant<ListedSetup, std::string> readSetupForListing(
    std::span<const std::uint8_t> file, std::optional<std::uintmax_t> sizeOnDisk = {});

// The header, every parameter the file holds, then the InjectionMap and the three curves.
std::string listSetup(const ListedSetup& setup);

// Calls `visit` for every parameter, map cell and curve point whose shown value differs in
// a and b, in listing order. The injector switching times are not part of a setup file; they
// are compared only when asked for.
using DifferenceVisitor =
    std::function<void(const std::string& label, const std::string& inA, const std::string& inB)>;
void forEachDifference(const SetupRecord& a, const SetupRecord& b, bool withSwitchTimes,
                       const DifferenceVisitor& visit);

// One line per header value, parameter, map cell or curve point that differs, with the value
// in A and in B; empty when the two setups are equal (the save date is not compared).
std::string diffSetups(const ListedSetup& a, const ListedSetup& b);

}  // namespace qx
