#include "forms/systemdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "forms/ControlTable.h"

namespace qx {

namespace {
using K = ControlKind;
using F = SystemField;
using C = SystemCheck;

// Keys of the controls: the fields by their number, the check boxes and the reset buttons
// from their own bases, then the single controls.
constexpr int kCheckKey = 100;
constexpr int kResetKey = 200;
enum Key : int {
  LambdaWarning = 300,
  FolderText,
  NameText,
  Choose,
  Update,
  Progress,
  Status,
  LogTime,
  LogSize,
  Erase,
};

// Where a text field and its label lie, in the order the tab key goes through them.
struct FieldPlace {
  SystemField field;
  int labelX, y, fieldX, fieldW;
};
constexpr FieldPlace kFieldPlaces[] = {
    {F::TachoMax, 18, 28, 225, 55},           {F::SpeedRounding, 18, 49, 225, 55},
    {F::LambdaVeryRich, 30, 90, 120, 45},     {F::LambdaRich, 30, 110, 120, 45},
    {F::LambdaLean, 30, 130, 120, 45},        {F::LambdaVeryLean, 30, 150, 120, 45},
    {F::SensorErrorMinRpm, 18, 229, 228, 52}, {F::InjectionWarnPercent, 308, 225, 535, 45},
    {F::LoggerTimer, 18, 275, 210, 70},       {F::MaxLogRecords, 18, 297, 210, 70},
    {F::ComTimer, 308, 276, 380, 45},         {F::PowerDataInterval, 18, 392, 170, 40},
    {F::PowerMinRpm, 300, 392, 440, 50},      {F::PrintText, 18, 416, 170, 412},
};

// Fields that take any text; the others take digits only.
bool freeText(SystemField f) {
  return f == F::PrintText || f == F::LambdaVeryRich || f == F::LambdaRich || f == F::LambdaLean ||
         f == F::LambdaVeryLean;
}

struct CheckPlace {
  SystemCheck check;
  int x, y;
};
constexpr CheckPlace kCheckPlaces[] = {
    {C::Lambda1, 190, 92},
    {C::Lambda2, 190, 112},
    {C::Lambda3, 190, 132},
    {C::ShowLearningLimits, 18, 192},
    {C::SliderDisplays, 18, 210},
    {C::OpenComAtStart, 308, 302},
    {C::ReadSetupAfterIdentify, 308, 322},
    {C::RecordMessages, 308, 342},
};

// The texts of the window that no core table holds, and the firmware controls.
constexpr ControlSpec kFixed[] = {
    {K::Label, "Lambdaanzeige", 18, 70},
    {K::Label, "[V]", 128, 70},
    {K::Label, "Zeige an:", 190, 70},
    {K::Label, "", 18, 171, 264, 20, nullptr, LambdaWarning},

    {K::Label, "Dateipfad:", 308, 28},
    {K::Label, "", 308, 46, 274, 20, nullptr, FolderText},
    {K::Label, "Dateiname:", 308, 68},
    {K::Label, "", 375, 68, 207, 20, nullptr, NameText},
    {K::Button, kChooseFirmwareLabel, 308, 94, 132, 25, kChooseFirmwareToolTip, Choose},
    {K::Button, "update ORK", 450, 94, 132, 25, kUpdateToolTip, Update},
    {K::Progress, "", 308, 130, 274, 16, nullptr, Progress},
    {K::Label, "", 308, 152, 274, 20, nullptr, Status},

    {K::Label, "Ergibt eine max. Log-Zeit(s):", 18, 321},
    {K::Value, "", 190, 321, 90, 20, nullptr, LogTime},
    {K::Label, "... und eine Dateigröße von ca.", 18, 342},
    {K::Value, "", 190, 342, 90, 20, nullptr, LogSize},

    {K::Button, kEraseEepromLabel, 460, 274, 122, 24, kEraseEepromToolTip, Erase},
};

// The reset buttons: two rows of five.
constexpr int kResetX = 18, kResetY = 465, kResetW = 108, kResetH = 23, kResetStepX = 113,
              kResetStepY = 26, kResetPerRow = 5;

std::vector<ControlSpec> frames() {
  std::vector<ControlSpec> t;
  for (const SystemFrameInfo& f : systemFrames())
    t.push_back({K::Frame, f.title, f.x, f.y, f.width, f.height});
  return t;
}

std::vector<ControlSpec> fieldsAndChecks() {
  std::vector<ControlSpec> t;
  for (const FieldPlace& p : kFieldPlaces) {
    const SystemFieldInfo& info = systemFieldInfo(p.field);
    const char* tip = *info.toolTip ? info.toolTip : nullptr;
    t.push_back({K::Label, info.label, p.labelX, p.y});
    t.push_back({freeText(p.field) ? K::Field : K::NumberField, "", p.fieldX, p.y, p.fieldW, 20,
                 tip, static_cast<int>(p.field)});
  }
  for (const CheckPlace& p : kCheckPlaces) {
    for (const SystemCheckInfo& info : systemChecks())
      if (info.id == p.check)
        t.push_back({K::Check, info.label, p.x, p.y, -1, 16, info.toolTip,
                     kCheckKey + static_cast<int>(p.check)});
  }
  return t;
}

std::vector<ControlSpec> resetButtonTable() {
  std::vector<ControlSpec> t;
  int i = 0;
  for (const WindowResetButton& b : windowResetButtons()) {
    t.push_back({K::Button, b.label, kResetX + kResetStepX * (i % kResetPerRow),
                 kResetY + kResetStepY * (i / kResetPerRow), kResetW, kResetH, b.toolTip,
                 kResetKey + i});
    ++i;
  }
  return t;
}
}  // namespace

systemdialog::systemdialog() : FormWindow(WindowId::System) {
  placeControls(area(), frames());
  const PlacedControls c = placeControls(area(), fieldsAndChecks());
  const PlacedControls fixed = placeControls(area(), kFixed);
  const PlacedControls resets = placeControls(area(), resetButtonTable());

  for (const FieldPlace& p : kFieldPlaces) {
    auto* edit = c.get<QLineEdit>(static_cast<int>(p.field));
    fields_[static_cast<std::size_t>(p.field)] = edit;
    fieldList_.push_back(edit);
  }
  for (const CheckPlace& p : kCheckPlaces)
    checks_[static_cast<std::size_t>(p.check)] =
        c.get<QCheckBox>(kCheckKey + static_cast<int>(p.check));
  for (std::size_t i = 0; i < windowResetButtons().size(); ++i)
    resetButtons_.push_back(resets.get<QPushButton>(kResetKey + static_cast<int>(i)));

  lambdaWarning = fixed.get<QLabel>(LambdaWarning);
  lambdaWarning->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
  folderText = fixed.get<QLabel>(FolderText);
  nameText = fixed.get<QLabel>(NameText);
  chooseButton = fixed.get<QPushButton>(Choose);
  updateButton = fixed.get<QPushButton>(Update);
  progress = fixed.get<QProgressBar>(Progress);
  progress->setRange(0, 100);
  progress->setValue(0);
  statusText = fixed.get<QLabel>(Status);
  logTime = fixed.get<QLabel>(LogTime);
  logSize = fixed.get<QLabel>(LogSize);
  eraseButton = fixed.get<QPushButton>(Erase);
}

}  // namespace qx
