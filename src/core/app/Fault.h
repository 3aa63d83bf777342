#pragma once
// Programming faults and the texts of the fatal-error handler.
//
// Faults are the only use of exceptions in the program. Anything that escapes an event
// handler ends the program in an orderly way with a message that names where it happened.

#include <source_location>
#include <stdexcept>
#include <string>
#include <typeinfo>

namespace qx {

// A broken internal assumption, carrying the place where it was detected.
class ProgramFault : public std::logic_error {
 public:
  explicit ProgramFault(const std::string& what,
                        std::source_location where = std::source_location::current())
      : std::logic_error(what), where_(where) {}
  const std::source_location& where() const { return where_; }

 private:
  std::source_location where_;
};

// Throws a ProgramFault when the condition does not hold.
inline void require(bool condition, const char* what,
                    std::source_location where = std::source_location::current()) {
  if (!condition) throw ProgramFault(what, where);
}

// What the fatal-error handler says about a fault: a readable description (including the
// function and file where known) and a line number.
struct FaultReport {
  std::string description;
  int line = 0;
};

// Describes the exception currently being handled. `handler` is the event handler that
// was running; it gives the location when the fault itself carries none.
FaultReport describeCurrentException(const std::source_location& handler);

// The readable name of a type ("std::out_of_range").
std::string readableTypeName(const std::type_info& type);

// "Oops..." message box text.
std::string fatalErrorText(const std::string& programName, const FaultReport& fault);
// "*** ERROR: ..." status message.
std::string fatalStatusText(const FaultReport& fault);

inline constexpr const char* kFatalTitle = "Oops...";
inline constexpr const char* kGoodbye = "ORK beenden ... Tschuess...";

}  // namespace qx
