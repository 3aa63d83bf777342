#include "ui/app/Application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFont>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>

#include "core/app/ProgramSettingsFile.h"
#include "core/app/StartLogo.h"
#include "core/link/Connection.h"
#include "core/mainwin/MainWindowLogic.h"
#include "forms/Canvas.h"
#include "forms/FormWindow.h"
#include "forms/Hauptdialog.h"
#include "forms/startlogo.h"
#include "platform/QtRequesters.h"
#include "platform/QtSound.h"
#include "platform/QtText.h"
#include "ui/app/WindowCatalog.h"
#include "ui/app/WindowController.h"
#include "ui/mainwin/EditorPainter.h"
#include "ui/mainwin/MainWindowController.h"

namespace qx {

namespace {
std::unique_ptr<Requesters> makeRequesters(Requesters* given, Application* app) {
  if (given) return nullptr;
  return std::make_unique<QtRequesters>([app]() -> QWidget* {
    auto* main = app->controller(WindowId::Main);
    return main ? &main->window() : nullptr;
  });
}

QKeySequence keySequence(const Shortcut& s) {
  static constexpr Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Execute, Qt::Key_F1,
                                     Qt::Key_F2,     Qt::Key_F3,     Qt::Key_F4,      Qt::Key_F5,
                                     Qt::Key_F6,     Qt::Key_F7,     Qt::Key_F8,      Qt::Key_F9,
                                     Qt::Key_F10,    Qt::Key_F11,    Qt::Key_F12,     Qt::Key_E};
  Qt::KeyboardModifiers mods;
  if (s.modifiers & Shift) mods |= Qt::ShiftModifier;
  if (s.modifiers & Control) mods |= Qt::ControlModifier;
  if (s.modifiers & Alt) mods |= Qt::AltModifier;
  return QKeySequence(QKeyCombination(mods, keys[static_cast<int>(s.key)]));
}

// Processes events until one tick of a 100 ms timer has passed, so the window is painted.
void waitOneTick() {
  QEventLoop wait;
  QTimer::singleShot(100, &wait, &QEventLoop::quit);
  wait.exec();
}
}  // namespace

Application::Application(StartOptions options, Requesters* requesters)
    : options_(std::move(options)),
      clock_(options_.clock ? *options_.clock : qtClock_),
      program_(clock_, options_.programDirectory),
      ownRequesters_(makeRequesters(requesters, this)),
      requesters_(requesters ? *requesters : *ownRequesters_),
      link_(program_.link, program_.messages, clock_, port_),
      tick_(program_, link_, requesters_, *this),
      loop_(program_, tick_, *this, requesters_),
      context_(program_, loop_, requesters_, link_, portProbe_, printer_, systemInfo_),
      comTimer_([this] { comTimerFired(); }) {
  loggerTimer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&loggerTimer_, &QTimer::timeout, [this] { loggerTimerFired(); });
  context_.setControllers([this](WindowId id) { return controller(id); });
}

Application::~Application() {
  comTimer_.stop();
  loggerTimer_.stop();
}

MainWindowController& Application::mainWindow() {
  return static_cast<MainWindowController&>(*controllers_[static_cast<int>(WindowId::Main)]);
}

int Application::run() {
  if (!start()) return 0;
  loop_.begin();
  if (!loopEnded_) {
    inEventLoop_ = true;
    QCoreApplication::exec();
    inEventLoop_ = false;
  }
  return finish();
}

bool Application::start() {
  const auto where = std::source_location::current();
  try {
    applyLook();

    createWindows();
    setTitles();
    checkScreenSize();
    initialFills();
    if (options_.startLogo) showStartLogo();
    showMainWindow();
    if (options_.openAllWindows)
      for (int i = 1; i < kWindowCount; ++i) context_.openWindow(static_cast<WindowId>(i));
  } catch (...) {
    loop_.fatal(describeCurrentException(where));
  }
  return !loop_.endedByFault();
}

int Application::finish() {
  if (!loop_.endedByFault()) loop_.orderlyEnd();
  for (auto& c : controllers_)
    if (c) c->window().hide();
  return 0;
}

void Application::applyLook() {
  // The default gadget font is the face "curier", size 9. No such face is installed; like
  // the desktop the layouts were drawn for, an unknown face falls back to Arial, whose
  // metrics the fixed control widths fit (Liberation Sans has the same metrics).
  QFont::insertSubstitutions(QStringLiteral("curier"),
                             {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  QFont font(QStringLiteral("curier"), 9);
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
  // Frame titles sit on the frame's top line, so that the controls placed right under a
  // frame's top edge lie inside it.
  qApp->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }"));
}

void Application::createWindows() {
  for (const WindowSpec& spec : windowSpecs()) {
    auto controller = createWindowController(spec.id, context_);
    if (!controller) continue;
    FormWindow& w = controller->window();
    if (spec.moveTo100) w.move(100, 100);
    largestWidth_ = std::max(largestWidth_, w.width());
    largestHeight_ = std::max(largestHeight_, w.height());
    registerShortcuts(spec.id, *controller);
    controllers_[static_cast<int>(spec.id)] = std::move(controller);
  }
}

void Application::registerShortcuts(WindowId id, WindowController& controller) {
  for (const Shortcut& s : windowShortcuts(id)) {
    std::vector<QKeySequence> keys{keySequence(s)};
    // The keypad's Enter is Return for every window, in this one place.
    if (s.key == Key::Return)
      keys.emplace_back(QKeyCombination(keys.front()[0].keyboardModifiers(), Qt::Key_Enter));
    for (const QKeySequence& key : keys) {
      auto* shortcut = new QShortcut(key, &controller.window());
      shortcut->setContext(Qt::WindowShortcut);
      const int number = s.menuNumber;
      QObject::connect(shortcut, &QShortcut::activated, [this, &controller, number] {
        context_.handle(EventInfo{EventKind::Shortcut, EventSource::None},
                        [&controller, number] { controller.onShortcut(number); });
      });
    }
  }
}

void Application::setTitles() {
  for (const WindowSpec& spec : windowSpecs())
    if (auto* c = controller(spec.id))
      c->window().setWindowTitle(toQ(windowTitle(program_.info, spec.id)));
}

void Application::checkScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QSize desktop = screen->size();
  if (auto warning = screenSizeWarning(program_.info, desktop.width(), desktop.height(),
                                       largestWidth_, largestHeight_))
    requesters_.message("Achtung", *warning);
}

void Application::initialFills() {
  // Each window's own fill, in the order the windows depend on one another. Windows that do
  // not exist yet have nothing to fill.
  refreshPortList(program_.com, program_.link, portProbe_);
  // The settings also give the SetupRecord its start values, select the stored port and may
  // tick "COM" as the user would.
  loadProgramSettings(program_, requesters_);
  applyWindowGeometry();
  const PortChoice choice = portChoiceAtStart(program_.settings, program_.com.ports);
  if (choice.entry) program_.com.selected = static_cast<int>(*choice.entry);
  if (choice.tickCom) program_.com.checked = true;
  // The command line comes last: a port given there is selected, --connect ticks "COM".
  for (const std::string& port : options_.extraPorts) addAndSelectPort(program_.com, port);
  if (options_.connect) program_.com.checked = true;
  // The settings window (and every other window showing setup values) fills from the
  // SetupRecord on the refresh below; then the four editors are drawn.
  editorCanvases_ = std::make_unique<EditorCanvases>(program_, mainWindow().form());
  redrawAllEditors();
  clearPointLabels(program_.editors);
  tick_.drawConnectionLamp();
  refreshWindows();
}

void Application::applyWindowGeometry() {
  for (int i = 0; i < static_cast<int>(StoredWindow::Count); ++i) {
    const auto slot = static_cast<StoredWindow>(i);
    const WindowGeometry& g = program_.settings.windows[static_cast<std::size_t>(i)];
    WindowController* c = controller(storedWindowId(slot));
    if (!c || !g.known) continue;
    c->window().move(g.x, g.y);
    c->window().resize(g.width, g.height);
  }
}

void Application::takeWindowGeometry() {
  for (int i = 0; i < static_cast<int>(StoredWindow::Count); ++i) {
    const auto slot = static_cast<StoredWindow>(i);
    // Windows the program does not have yet keep what the file said (or their defaults).
    WindowController* c = controller(storedWindowId(slot));
    if (!c) continue;
    const FormWindow& w = c->window();
    program_.settings.windows[static_cast<std::size_t>(i)] = {w.x(), w.y(), w.width(), w.height(),
                                                              true};
  }
}

void Application::showStartLogo() {
  startlogo logo;
  logo.centerOnScreen();
  logo.show();
  waitOneTick();

  logo.progress->setMinimum(0);
  QtSound sound;
  const LogoPlan plan = startLogoSound(sound, program_.info.programDirectory);
  logo.progress->setMaximum(plan.durationMs);

  QElapsedTimer elapsed;
  elapsed.start();
  QEventLoop wait;
  QTimer step;
  step.setInterval(1);
  QObject::connect(&step, &QTimer::timeout, [&] {
    if (elapsed.elapsed() > plan.durationMs)
      wait.quit();
    else
      logo.progress->setValue(static_cast<int>(elapsed.elapsed()));
  });
  step.start();
  wait.exec();
  step.stop();

  if (plan.soundPlaying) sound.stop();
  logo.hide();
}

void Application::showMainWindow() {
  FormWindow& main = mainWindow().window();
  if (!program_.settings.windows[static_cast<int>(StoredWindow::Main)].known)
    main.resize(main.innerWidth(), main.innerHeight());
  main.show();
  main.activateWindow();
  main.raise();
  waitOneTick();
}

void Application::refreshWindows() {
  tick_.showState();
}

void Application::refreshShownWindows() {
  for (auto& c : controllers_)
    if (c) c->refresh();
}

void Application::repaintEditors(const RedrawSet& drawn) {
  if (editorCanvases_) editorCanvases_->repaint(drawn);
}

void Application::redrawAllEditors() {
  tick_.redrawEditors({true, true, true, true});
}

void Application::comTimerFired() {
  loop_.timerFired(TimerId::Com);
}

void Application::loggerTimerFired() {
  loop_.timerFired(TimerId::Logger);
}

void Application::armComTimer(int ms) {
  comTimer_.start(ms);
}

void Application::startLoggerTimer(int ms) {
  loggerTimer_.start(ms);
}

void Application::stopLoggerTimer() {
  loggerTimer_.stop();
}

void Application::endLoop() {
  loopEnded_ = true;
  comTimer_.stop();
  loggerTimer_.stop();
  // Only a running loop is told to end: exit() outside it would make every later event
  // loop (dialogs, waits) return at once.
  if (inEventLoop_) QCoreApplication::exit(0);
}

}  // namespace qx
