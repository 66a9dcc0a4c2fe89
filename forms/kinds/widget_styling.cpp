// Field colours and frame borders of the text-entry kinds.
#include "forms/kinds/widget_styling.h"

#include <QFrame>
#include <QPalette>
#include <QWidget>

#include "forms/kinds/appearance.h"

namespace forms {

void SetFieldColours(QWidget* widget, Colour text, Colour field) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text, ToQColor(text));
  palette.setColor(QPalette::Base, ToQColor(field));
  widget->setPalette(palette);
}

void ApplyFrameBorder(QFrame* frame, uint32_t border) {
  switch (border) {
    case kNoBorder:
      frame->setFrameStyle(QFrame::NoFrame);
      break;
    case kRaisedBorder:
      frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
      break;
    case kThinEdgeBorder:
    case kOnePixelBorder:
      frame->setFrameStyle(QFrame::Box | QFrame::Plain);
      frame->setLineWidth(1);
      break;
    default:
      frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
      break;
  }
}

}  // namespace forms
