#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/draw/Drawing.h"
#include "forms/Testdialog.h"
#include "ui/app/WindowController.h"

class QObject;
class QPushButton;

namespace qx {

class FocusLoss;
class SerialLink;
class UiContext;
struct TestButton;
struct TestWindowValues;
enum class SetupField : int;

// The test window: output tests, sensor position, test ignition, the unit's restart, the
// crank sensor's checks, the injector flow tests and the two estimates. Each test runs to
// its end inside its click's handler; only its button is repainted meanwhile.
class TestWindowController final : public FormController<Testdialog> {
 public:
  explicit TestWindowController(UiContext& context);
  ~TestWindowController() override;

  // Return (1) and the Execute key (2) take over every field; Esc (3) only stops a running
  // flow test, which polls the keys itself.
  void onShortcut(int menuNumber) override;

  // Takes over every field: converted, clamped, written back as shown, the results anew.
  void takeOverFields();

 protected:
  void fill() override;
  void update() override;

 private:
  void connectOutputTests();
  void connectFlowTests();
  void connectIgnition();
  void onClick(QPushButton* button, std::function<void()> action);
  void onTest(QPushButton* button, std::function<void(SerialLink&, const TestButton&)> test);
  TestWindowValues values();
  void showFields();
  void showResults();
  void showLiveValues();
  // The settings window shows the charge time and the sensor position too.
  void showInSettingsWindow(SetupField field);

  std::unique_ptr<FocusLoss> focusWatcher_;
  int filledRevision_ = -1;
  int shownChargeTime_ = -1;
  Drawing shownLamp_;  // the sensor lamp as last asked to be painted
};

}  // namespace qx
