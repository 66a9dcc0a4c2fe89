// Stored colours, fonts and alignments turned into Qt's values.
#include "forms/kinds/appearance.h"

#include <algorithm>

#include <QApplication>
#include <QFontDatabase>
#include <QRawFont>
#include <QWidget>

#include "platform/gbk.h"

namespace forms {
namespace {

// What 0xFF000000 stands for. The theme's own button colour is not taken:
// a dark theme's would meet the template's black text.
constexpr QRgb kClassicButtonFace = 0xF0F0F0;

bool IsLight(const QColor& colour) { return colour.lightness() >= 128; }

// Sets every role of every group explicitly: a widget inherits from its
// parent only the roles set there, and takes the rest from the theme's
// palette for its class.
void MakeEveryRoleExplicit(QPalette& palette) {
  for (int group = 0; group < QPalette::NColorGroups; ++group)
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto g = QPalette::ColorGroup(group);
      const auto r = QPalette::ColorRole(role);
      if (r != QPalette::NoRole) palette.setBrush(g, r, palette.brush(g, r));
    }
}

}  // namespace

QColor ToQColor(Colour colour) {
  if (colour == kButtonFace) return QColor(kClassicButtonFace);
  return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QPalette WindowPalette(Colour background) {
  const QColor window = ToQColor(background);
  const QColor button = IsLight(window) ? QColor(kClassicButtonFace) : window.lighter(180);
  QPalette palette(button, window);  // Qt derives the other roles from these two
  // Button captions contrast with the face they are drawn on.
  const QColor caption = IsLight(button) ? Qt::black : Qt::white;
  for (auto group : {QPalette::Active, QPalette::Inactive}) palette.setColor(group, QPalette::ButtonText, caption);
  MakeEveryRoleExplicit(palette);
  return palette;
}

// Looked up again only when the GUI font changes: every control asks.
const QString& ChineseFace() {
  static std::optional<QFont> looked_up_for;
  static QString face;
  const QFont gui = QApplication::font();
  if (looked_up_for != gui) {
    looked_up_for = gui;
    face = QRawFont::fromFont(gui, QFontDatabase::SimplifiedChinese).familyName();
  }
  return face;
}

QFont ToQFont(const std::optional<FontDescription>& font) {
  QFont result = QApplication::font();
  if (!ChineseFace().isEmpty()) result.setFamily(ChineseFace());
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
