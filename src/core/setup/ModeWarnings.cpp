#include "core/setup/ModeWarnings.h"

#include "core/ports/Requesters.h"
#include "core/setup/SetupRecord.h"

namespace qx {

void warnAboutActiveModes(const SetupRecord& setup, Requesters& requesters) {
  if (setup.learningActive == 1)
    requesters.message(
        "Achtung!",
        "\rDer Lern-Modus ist aktiv.\r\rDer Lern-Modus ist nicht für den Dauereinsatz "
        "vorgesehen.\r\rDas EEPROM hat eine begrenzte Anzahl Schreibzyklen.\r\rDas Sichern der "
        "gelernten Daten nach Erreichen des Motorstillstandes\rerfordert Zeit, während dieser "
        "ein schnelles Neustarten\rdes Motors nicht möglich ist.\r");
  if (setup.lambdaLoggingActive == 1)
    requesters.message(
        "Achtung!",
        "\rLambda-Loggen ist aktiv.\r\rLambda-Loggen ist nicht für den Dauereinsatz "
        "vorgesehen.\r\rDas EEPROM hat eine begrenzte Anzahl Schreibzyklen.\r\rDas Sichern der "
        "geloggten Lambdadaten nach Erreichen des Motorstillstandes\rerfordert Zeit, während "
        "dieser ein schnelles Neustarten\rdes Motors nicht möglich ist.\r");
}

}  // namespace qx
