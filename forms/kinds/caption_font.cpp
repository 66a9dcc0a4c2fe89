// The font size search behind every caption that must fit its rectangle.
#include "forms/kinds/caption_font.h"

#include <algorithm>

#include <QAbstractButton>
#include <QFontInfo>
#include <QRect>
#include <QStyleOptionButton>

namespace forms {

QFont FittedFont(QFont font, const std::function<bool(const QFontMetrics&)>& fits) {
  const int own = QFontInfo(font).pixelSize();
  for (int pixels = own; pixels >= kSmallestCaptionPixels; --pixels) {
    font.setPixelSize(pixels);
    if (fits(QFontMetrics(font))) return font;
  }
  font.setPixelSize(std::min(own, kSmallestCaptionPixels));
  return font;
}

QFont FittedButtonFont(const QAbstractButton* button, QFont font, QStyle::SubElement caption_area, int margin) {
  QStyleOptionButton option;
  option.initFrom(button);
  const QRect area = button->style()->subElementRect(caption_area, &option, button).adjusted(margin, 0, -margin, 0);
  const QString caption = button->text();
  return FittedFont(std::move(font), [&](const QFontMetrics& metrics) {
    return TextFits(metrics, caption, area.size(), Qt::TextShowMnemonic);
  });
}

bool TextFits(const QFontMetrics& metrics, const QString& text, QSize room, int flags) {
  const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), room), flags, text);
  return needed.width() <= room.width() && needed.height() <= room.height();
}

}  // namespace forms
