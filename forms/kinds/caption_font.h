// Fonts chosen by measuring, so that a caption fits the rectangle the
// template stores for it. The template's default face stands for a compact
// Song face; the faces a Linux desktop prefers for Chinese keep more room
// above and below their glyphs (Noto Sans CJK's line is nearly 1.5 em), and
// the GUI font may be larger than the template's.
#pragma once

#include <functional>

#include <QFont>
#include <QFontMetrics>
#include <QStyle>

class QAbstractButton;

namespace forms {

constexpr int kSmallestCaptionPixels = 8;

// The font at the largest pixel size, from its own size down to
// kSmallestCaptionPixels, whose metrics the predicate accepts; at the
// smallest size (or its own, when that is smaller) when none is accepted.
// The face stays: the one the desktop prefers. (Trying the other installed
// Chinese faces would load each of them, about a millisecond apiece, and
// Noto Sans CJK alone installs fifteen of the same build.)
QFont FittedFont(QFont font, const std::function<bool(const QFontMetrics&)>& fits);

// The font for the caption of a push button or check box: fitted into the
// part of it where the style draws the caption, less margin on either side.
QFont FittedButtonFont(const QAbstractButton* button, QFont font, QStyle::SubElement caption_area, int margin = 0);

// True when the text, laid out with the flags, fits the size.
bool TextFits(const QFontMetrics& metrics, const QString& text, QSize room, int flags = Qt::TextSingleLine);

}  // namespace forms
