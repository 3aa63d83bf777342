#pragma once
// The rules of the settings window: which setup values it edits and the order in which
// their typed texts are taken over.

#include <functional>
#include <span>
#include <string>

#include "core/setup/SetupFields.h"

namespace qx {

// The window's text fields in the order they are taken over.
std::span<const SetupField> settingsTextFields();
// The window's option groups and check boxes (set at once when clicked).
std::span<const SetupField> settingsChoiceFields();

// Takes over every text field of the window in one pass: each typed text is read, scaled,
// cut or rounded and clamped; after the four switch-output speeds the two pairs are put in
// order. The caller then shows every field again from the record.
void takeOverSettingsFields(SetupRecord& record,
                            const std::function<std::string(SetupField)>& typedText);

}  // namespace qx
