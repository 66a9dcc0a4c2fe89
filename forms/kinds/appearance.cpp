// Stored colours, fonts and alignments turned into Qt's values.
#include "forms/kinds/appearance.h"

#include <algorithm>

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "platform/gbk.h"

namespace forms {

QColor ToQColor(Colour colour) {
  if (colour == kButtonFace) return QApplication::palette().color(QPalette::Button);
  return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QFont ToQFont(const std::optional<FontDescription>& font) {
  QFont result = QApplication::font();
  if (!font) return result;
  if (!font->face.empty()) result.setFamily(platform::GbkToQString(font->face));
  const int pixels = std::abs(font->height);
  if (pixels > 0) result.setPixelSize(pixels);
  if (font->weight > 0) result.setWeight(QFont::Weight(std::clamp(font->weight, 1, 1000)));
  result.setItalic(font->italic != 0);
  result.setUnderline(font->underline != 0);
  result.setStrikeOut(font->strike_out != 0);
  return result;
}

Qt::Alignment HorizontalAlignment(uint32_t stored) {
  switch (stored) {
    case kAlignCentre: return Qt::AlignHCenter;
    case kAlignRight: return Qt::AlignRight;
    default: return Qt::AlignLeft;
  }
}

Qt::Alignment VerticalAlignment(uint32_t stored) {
  switch (stored) {
    case kAlignTop: return Qt::AlignTop;
    case kAlignBottom: return Qt::AlignBottom;
    default: return Qt::AlignVCenter;
  }
}

void SetBackground(QWidget* widget, Colour colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  palette.setColor(QPalette::Button, ToQColor(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, Colour colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, ToQColor(colour));
  palette.setColor(QPalette::ButtonText, ToQColor(colour));
  widget->setPalette(palette);
}

}  // namespace forms
