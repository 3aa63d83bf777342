#include "core/app/Fault.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <typeinfo>

namespace qx {

namespace {
std::string placeText(const std::source_location& where) {
  return std::string(where.function_name()) + " in " + where.file_name();
}
}  // namespace

std::string readableTypeName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

FaultReport describeCurrentException(const std::source_location& handler) {
  try {
    throw;
  } catch (const ProgramFault& f) {
    return {std::string(f.what()) + " [" + placeText(f.where()) + "]",
            static_cast<int>(f.where().line())};
  } catch (const std::exception& e) {
    return {readableTypeName(typeid(e)) + ": " + e.what() + " [" + placeText(handler) + "]",
            static_cast<int>(handler.line())};
  } catch (...) {
    return {"unbekannte Ausnahme [" + placeText(handler) + "]", static_cast<int>(handler.line())};
  }
}

std::string fatalErrorText(const std::string& programName, const FaultReport& fault) {
  return "Der folgende Fehler trat auf: \r\r" + fault.description + "\rin Zeile " +
         std::to_string(fault.line) + "\r\r" + programName + " wird jetzt unplanmäßig beendet.";
}

std::string fatalStatusText(const FaultReport& fault) {
  return "*** ERROR: " + fault.description + " (Zeile " + std::to_string(fault.line) + " )";
}

}  // namespace qx
