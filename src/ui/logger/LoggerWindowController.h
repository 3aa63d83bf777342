#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include <QImage>

#include "core/app/LoopLoggerTimer.h"
#include "core/draw/Drawing.h"
#include "core/logger/Logger.h"
#include "forms/logger.h"
#include "platform/QtFolderRequester.h"
#include "ui/app/WindowController.h"

class QObject;
class QPainter;

namespace qx {

class FocusLoss;
class FolderRequester;
class UiContext;

// The logger window: recording, saving and loading logs, and the log viewer over the log
// table. It is also the logger's screen: the logger tells it what to show anew.
class LoggerWindowController final : public FormController<logger>, public LoggerScreen {
 public:
  explicit LoggerWindowController(UiContext& context);
  ~LoggerWindowController() override;

  // Return (1) and the Execute key (2) take over the comment.
  void onShortcut(int menuNumber) override;
  // The folder requester of "Log-Datei Pfad" (the system's dialog unless set).
  void setFolderRequester(FolderRequester& folders) { folders_ = &folders; }

  // LoggerScreen
  void showTexts() override;
  void layOutChannels() override;
  void redrawViewer() override;
  void readingProgress() override;

 protected:
  void fill() override;
  void update() override;

 private:
  // What the strips were last drawn from; a redraw is due when any of it changed.
  struct DrawnFrom {
    std::uint64_t generation = ~std::uint64_t{0};
    int count = -1, cursor = -1, zoom = -1, width = -1;
    std::array<bool, kLogChannels> checked{};
    bool operator==(const DrawnFrom&) const = default;
  };

  LoggerPorts ports();
  void wireButtons();
  void wireViewer();
  void takeComment();
  void zoomTo(int zoom);
  void showViewerTexts();
  void redrawIfChanged();
  DrawnFrom currentState() const;

  LoopLoggerTimer timer_;
  QtFolderRequester systemFolders_;
  FolderRequester* folders_;
  std::unique_ptr<FocusLoss> focusWatcher_;
  void paintStrips(QPainter& painter);

  // The viewer's strips and cursor line as last drawn; the strips also as a picture (an
  // image, into which the strips' pixel runs are written directly).
  const Drawing* strips_ = nullptr;
  std::uint64_t stripsSerial_ = 0;
  Drawing cursor_;
  QImage stripsPicture_;
  std::uint64_t pictureSerial_ = 0;
  DrawnFrom drawnFrom_;
  std::string shownComment_;
  Rgb shownLamp_{};
};

}  // namespace qx
