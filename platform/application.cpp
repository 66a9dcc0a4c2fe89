// The application object, message loop and owner object on Qt.
#include "platform/application.h"

#include <unistd.h>

#include <QApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace platform {
namespace {

std::unique_ptr<QApplication> g_app;
int g_argc = 0;
std::vector<char*> g_argv;
std::unique_ptr<QObject> g_owner;
QThread* g_main_thread = nullptr;

}  // namespace

void CreateApplication(int& argc, char** argv) {
  if (QCoreApplication::instance() != nullptr) return;
  g_argc = argc;
  g_argv.assign(argv, argv + argc);
  g_argv.push_back(nullptr);
  g_app = std::make_unique<QApplication>(g_argc, g_argv.data());
  QApplication::setQuitOnLastWindowClosed(false);  // the runtime ends the loop itself
}

void DestroyApplication() { g_app.reset(); }

bool ApplicationExists() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

int RunMessageLoop() { return QCoreApplication::instance() ? QCoreApplication::exec() : 0; }

void QuitMessageLoop(int code) {
  if (auto* app = QCoreApplication::instance())
    QMetaObject::invokeMethod(app, [code] { QCoreApplication::exit(code); }, Qt::QueuedConnection);
}

void DispatchPendingMessages() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void CreateOwnerObject() {
  if (!g_owner) g_owner = std::make_unique<QObject>();
}
void DestroyOwnerObject() { g_owner.reset(); }
bool OwnerObjectExists() { return g_owner != nullptr; }

void PostToMainThread(const std::function<void()>& fn) {
  if (g_owner) QMetaObject::invokeMethod(g_owner.get(), fn, Qt::QueuedConnection);
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
