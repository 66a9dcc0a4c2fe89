// Message boxes on QMessageBox, application-modal, texts converted from GBK.
#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <utility>
#include <vector>

#include "platform/gbk.h"

namespace platform {
namespace {

MessageBoxAnswerer g_answerer;

QMessageBox::Icon IconOf(uint32_t style) {
  switch (style & 0xF0) {
    case 0x10: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x30: return QMessageBox::Warning;
    case 0x40: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// The buttons of a style's low nibble, in order, with the identifier each returns.
std::vector<std::pair<QMessageBox::StandardButton, Button>> ButtonsOf(uint32_t style) {
  using B = QMessageBox;
  switch (style & 0x0F) {
    case 1: return {{B::Ok, kOk}, {B::Cancel, kCancel}};
    case 2: return {{B::Abort, kAbort}, {B::Retry, kRetry}, {B::Ignore, kIgnore}};
    case 3: return {{B::Yes, kYes}, {B::No, kNo}, {B::Cancel, kCancel}};
    case 4: return {{B::Yes, kYes}, {B::No, kNo}};
    case 5: return {{B::Retry, kRetry}, {B::Cancel, kCancel}};
    default: return {{B::Ok, kOk}};
  }
}

int ShowOnScreen(const MessageBoxRequest& request) {
  QMessageBox box(IconOf(request.style), GbkToQString(request.caption),
                  GbkToQString(request.text), QMessageBox::NoButton,
                  static_cast<QWidget*>(request.owner));
  box.setWindowModality(Qt::ApplicationModal);
  const auto buttons = ButtonsOf(request.style);
  for (const auto& [standard, id] : buttons) box.addButton(standard);
  const auto pressed = QMessageBox::StandardButton(box.exec());
  for (const auto& [standard, id] : buttons)
    if (standard == pressed) return id;
  return buttons.size() == 1 ? kOk : kCancel;  // closed by the title bar
}

}  // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) { g_answerer = std::move(answerer); }

int ShowMessageBox(const MessageBoxRequest& request) {
  if (g_answerer) return g_answerer(request);
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    std::fprintf(stderr, "[%s]\n%s\n", GbkToUtf8(request.caption).c_str(),
                 GbkToUtf8(request.text).c_str());
    return kOk;
  }
  return ShowOnScreen(request);
}

}  // namespace platform
