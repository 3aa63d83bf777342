#pragma once
// The steps of a timer tick and the loop's other work as the program does them: each step
// calls the subsystem it belongs to. The main loop decides when and in which order.

#include "core/app/MainLoop.h"

namespace qx {

struct Program;
class Requesters;
class Screen;
class SerialLink;

class ProgramTick final : public TickSteps {
 public:
  ProgramTick(Program& program, SerialLink& link, Requesters& requesters, Screen& screen);

  void connectionStep() override;
  void drawConnectionLamp() override;
  void clearSensorLamp() override;
  bool powerRunCountdownActive() override;
  void powerRunProgress() override;
  void liveDataCycle() override;
  void firmwareStep() override;
  void updateBigDisplay() override;
  void updateExpertDiagram() override;
  void updateLambdaTable() override;
  void updateEmergencyWindow() override;
  EditorBoxes editorBoxes() override;
  void redrawEditors(const RedrawSet& which) override;
  void showState() override;
  void saveSettings() override;
  void closePort() override;

 private:
  Program& p_;
  SerialLink& link_;
  Requesters& requesters_;
  Screen& screen_;
};

}  // namespace qx
