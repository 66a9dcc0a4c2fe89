// Standard pointer numbers and pointer files turned into Qt cursors.
#include "forms/registry/mouse_pointer.h"

#include <array>
#include <cstring>

#include <QCursor>
#include <QPixmap>

namespace forms {
namespace {

// Standard pointer numbers 1..16; 0 is the control's default pointer.
constexpr std::array kStandardPointers = {
    Qt::ArrowCursor,     Qt::CrossCursor,   Qt::IBeamCursor,     Qt::ArrowCursor,
    Qt::SizeAllCursor,   Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor,
    Qt::SizeHorCursor,   Qt::UpArrowCursor, Qt::WaitCursor,      Qt::ForbiddenCursor,
    Qt::BusyCursor,      Qt::WhatsThisCursor, Qt::SizeAllCursor, Qt::PointingHandCursor,
};

}  // namespace

std::unique_ptr<QCursor> MakeMousePointer(const std::vector<uint8_t>& data) {
  if (data.size() == 4) {
    uint32_t number = 0;
    std::memcpy(&number, data.data(), 4);
    if (number == 0 || number > kStandardPointers.size()) return nullptr;
    return std::make_unique<QCursor>(kStandardPointers[number - 1]);
  }
  QPixmap picture;
  if (data.size() <= 4 || !picture.loadFromData(data.data(), uint(data.size()))) return nullptr;
  return std::make_unique<QCursor>(picture);
}

}  // namespace forms
