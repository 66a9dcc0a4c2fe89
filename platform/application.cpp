// The application object, message loop and owner object on Qt.
#include "platform/application.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMetaObject>
#include <QObject>
#include <QScreen>
#include <QStyle>
#include <QThread>
#include <QThreadPool>
#include <QTranslator>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/gbk.h"

namespace platform {
namespace {

std::unique_ptr<QApplication> g_app;
char g_default_name[] = "regex-workbench";
int g_argc = 1;
char* g_argv[] = {g_default_name, nullptr};
// Other threads post exit requests to the owner while the main thread may
// destroy it: the mutex guards the pointer and what it points at.
std::mutex g_owner_mutex;
std::unique_ptr<QObject> g_owner;
QThread* g_main_thread = nullptr;

// Qt's messages while the application object is made, held back so that one
// line of ours can stand in for them when no display can be opened. Qt's own
// threads may write too, hence the lock.
QtMessageHandler g_qt_handler = nullptr;
std::mutex g_held_lock;
bool g_holding = false;
std::vector<std::pair<QtMsgType, QString>> g_held_messages;

[[noreturn]] void FailStart(const std::string& why) {
  std::fprintf(stderr, "regex-workbench: %s\n", why.c_str());
  ExitProcess(1);
}

// The desktop entry's name, which is also the AppStream id: under Wayland it
// is the window's app id, so the compositor finds the entry's icon and name.
constexpr char kDesktopEntryName[] = "org.example.regex_workbench";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Qt tries Wayland when QT_QPA_PLATFORM names it, or names nothing while a
// Wayland display is set.
bool WaylandWanted() {
  const std::string platform = Environment("QT_QPA_PLATFORM");
  return platform.empty() ? !Environment("WAYLAND_DISPLAY").empty() : platform.find("wayland") != std::string::npos;
}

// A Wayland platform plugin lies where Qt looks for platform plugins.
bool WaylandPluginInstalled() {
  QStringList folders;
  for (const QString& path : QCoreApplication::libraryPaths()) folders << path + "/platforms";
  folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH").split(':', Qt::SkipEmptyParts);
  for (const QString& folder : folders)
    if (!QDir(folder).entryList({"libqwayland-*.so"}, QDir::Files).isEmpty()) return true;
  return false;
}

// True when something Qt said so far contains the text; the caller holds g_held_lock.
bool QtSaid(const char* text) {
  for (const auto& held : g_held_messages)
    if (held.second.contains(QLatin1String(text))) return true;
  return false;
}

// Why no display could be opened, with what to do about it; empty when Qt
// failed for another reason (a platform plugin that cannot be loaded, for
// example), whose words then say more. The caller holds g_held_lock.
std::string DisplayProblem() {
  const std::string x = Environment("DISPLAY"), wayland = Environment("WAYLAND_DISPLAY");
  if (WaylandWanted() && !WaylandPluginInstalled())
    return "Qt's Wayland platform plugin is not installed" +
           (wayland.empty() ? "" : " for the Wayland display " + wayland) +
           ": install the package qt6-wayland, or start it with an X display in DISPLAY";
  const std::string how =
      ": start it in a desktop session, over SSH with X forwarding (ssh -X), or for a headless check under xvfb-run";
  if (x.empty() && wayland.empty()) return "no display found (neither WAYLAND_DISPLAY nor DISPLAY is set)" + how;
  if (!QtSaid("connect to display") && !QtSaid("wl_display")) return {};
  if (x.empty()) return "the Wayland display " + wayland + " cannot be opened" + how;
  if (wayland.empty()) return "the display " + x + " cannot be opened" + how;
  return "neither the Wayland display " + wayland + " nor the display " + x + " can be opened" + how;
}

// Qt ends with a fatal message when it cannot open its platform: for want of
// a display or of the Wayland plugin, one line of ours says what to do; for
// anything else what Qt said is what helps, so it is passed on.
void HoldQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const std::lock_guard lock(g_held_lock);
  if (type == QtFatalMsg) {
    if (const std::string problem = DisplayProblem(); !problem.empty()) FailStart(problem);
    for (const auto& held : g_held_messages) std::fprintf(stderr, "%s\n", held.second.toLocal8Bit().constData());
    FailStart("Qt could not start its platform: " + text.toStdString());
  }
  if (g_holding)
    g_held_messages.emplace_back(type, qFormatLogMessage(type, context, text));
  else
    g_qt_handler(type, context, text);
}

void HoldQtMessages() {
  g_holding = true;
  g_qt_handler = qInstallMessageHandler(&HoldQtMessage);
}

void ReleaseQtMessages() {
  qInstallMessageHandler(g_qt_handler);
  const std::lock_guard lock(g_held_lock);
  g_holding = false;
  for (const auto& [type, text] : g_held_messages) g_qt_handler(type, QMessageLogContext(), text);
  g_held_messages.clear();
}

// Qt's own texts (standard buttons, context menus) in the user's language; our
// window keeps its left-to-right layout whatever the language.
void LoadQtTranslations(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale::system(), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace

void CreateApplication(int& argc, char** argv) {
  if (QCoreApplication::instance() != nullptr) return;
  if (!GbkConverterAvailable())
    FailStart("the C library's GB18030 converter cannot be opened (are glibc's gconv modules installed?)");
  if (argc > 0 && argv[0] != nullptr) g_argv[0] = argv[0];  // Qt sees no option of the command line
  QGuiApplication::setDesktopFileName(kDesktopEntryName);
  HoldQtMessages();
  g_app = std::make_unique<QApplication>(g_argc, g_argv);
  ReleaseQtMessages();
  QApplication::setQuitOnLastWindowClosed(false);  // the runtime ends the loop itself
  // Qt fills big areas on the global pool's threads and waits for them: a
  // thread that cannot start later, when memory runs out, would leave that
  // wait, and the window, hanging. So the threads the first paints start stay.
  QThreadPool::globalInstance()->setExpiryTimeout(-1);
  LoadQtTranslations(*g_app);
}

void DestroyApplication() { g_app.reset(); }

namespace {

// Room for a window manager's frame around a window: its caption bar and borders.
QSize FrameAllowance() {
  const int border = 4;
  return {2 * border, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border};
}

// The factor Qt scales the whole interface by, beyond each screen's own.
qreal& GlobalScaleFactor() {
  static qreal factor = [] {
    bool valid = false;
    const qreal from_environment = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&valid);
    return valid && from_environment > 0 ? from_environment : 1.0;
  }();
  return factor;
}

}  // namespace

void ScaleToFitScreen(QSize window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || window.isEmpty() || !QGuiApplication::allWindows().isEmpty()) return;
  const QSize needed = window + FrameAllowance();
  const QSize area = screen->availableGeometry().size();
  const qreal fit = std::min(qreal(area.width()) / needed.width(), qreal(area.height()) / needed.height());
  if (fit >= 1) return;
  // Whole hundredths, rounded down, keep the scaled window inside the area.
  GlobalScaleFactor() = std::floor(GlobalScaleFactor() * fit * 100) / 100;
  QHighDpiScaling::setGlobalFactor(GlobalScaleFactor());
}

bool ApplicationExists() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

int RunMessageLoop() { return QCoreApplication::instance() ? QCoreApplication::exec() : 0; }

void QuitMessageLoop(int code) {
  if (auto* app = QCoreApplication::instance())
    QMetaObject::invokeMethod(app, [code] { QCoreApplication::exit(code); }, Qt::QueuedConnection);
}

void CreateOwnerObject() {
  const std::lock_guard lock(g_owner_mutex);
  if (!g_owner) g_owner = std::make_unique<QObject>();
}

void DestroyOwnerObject() {
  const std::lock_guard lock(g_owner_mutex);
  g_owner.reset();
}

bool PostToMainThread(const std::function<void()>& fn) {
  const std::lock_guard lock(g_owner_mutex);
  if (!g_owner) return false;
  QMetaObject::invokeMethod(g_owner.get(), fn, Qt::QueuedConnection);
  return true;
}

void RecordMainThread() { g_main_thread = QThread::currentThread(); }
bool OnMainThread() { return g_main_thread == nullptr || QThread::currentThread() == g_main_thread; }

void ExitProcess(int code) {
  std::fflush(nullptr);
  std::_Exit(code & 0xFF);
}

std::string ExecutableDirectory() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return {};
  const std::string full(path, size_t(n));
  const size_t slash = full.rfind('/');
  return slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
}

bool SetCurrentDirectory(const std::string& dir) { return !dir.empty() && chdir(dir.c_str()) == 0; }

}  // namespace platform
