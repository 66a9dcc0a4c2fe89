// The main window on any desktop: in either Chinese face and at the GUI font
// sizes desktops use, controls keep their stored rectangles and captions fit
// them; the icon reads as Qt's reader reads it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QTreeView>

#include "forms/kinds/icon_image.h"
#include "forms/registry/window_registry.h"
#include "resources/program_data.h"
#include "tests/app/workbench_driver.h"

namespace app_test {
namespace {

struct Desktop {
  const char* face;  // the GUI font's family, and so the Chinese face
  int pixels;
};
void PrintTo(const Desktop& d, std::ostream* out) { *out << QString(d.face).remove(' ').toStdString() << d.pixels; }

class MainWindowOnAnyDesktopTest : public testing::TestWithParam<Desktop> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFontDatabase::families().contains(GetParam().face)) << "install fonts-wqy-microhei and fonts-noto-cjk";
    QFont font(GetParam().face);
    font.setPixelSize(GetParam().pixels);
    QApplication::setFont(font);
    OpenFreshWorkbench();
    QApplication::processEvents();  // the list lays its rows out once shown
  }
  void TearDown() override { QApplication::setFont(gui_font_); }
  QFont gui_font_ = QApplication::font();
};

// Measured apart from the fitting: advances and line heights against the
// stored rectangles, less a check box's indicator.
TEST_P(MainWindowOnAnyDesktopTest, ControlsKeepTheirRectanglesAndCaptionsFitThem) {
  for (const forms::UnitRecord& unit : forms::WindowRegistry::Instance().Find(app::kMainWindow)->tmpl.units) {
    QWidget* widget = Widget(unit.control_id);
    if (unit.control_id == app::kMainWindowUnit) continue;
    EXPECT_EQ(widget->geometry(), QRect(unit.left, unit.top, unit.width, unit.height));
    const auto* label = qobject_cast<QLabel*>(widget);
    const auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!label && !button) continue;
    const QStyle* style = widget->style();
    const int indicator = qobject_cast<QCheckBox*>(widget) ? style->pixelMetric(QStyle::PM_IndicatorWidth) +
                                                                 style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                                                           : 0;
    const QString caption = label ? label->text() : button->text();
    EXPECT_LE(widget->fontMetrics().horizontalAdvance(caption), unit.width - indicator) << caption.toStdString();
    EXPECT_LE(widget->fontMetrics().height(), unit.height) << caption.toStdString();
  }
}

// By the pixels: the caption's glyphs lie above the row just above the list.
TEST_P(MainWindowOnAnyDesktopTest, GroupCaptionStaysAboveTheListAndTheListShows17Rows) {
  auto* list = qobject_cast<QTreeView*>(Widget(app::control::kPresetList));
  auto* group = qobject_cast<QGroupBox*>(list->parentWidget());
  const QImage image = group->grab().toImage();
  auto ink_in_row = [&](int y) {
    for (int x = 8; x < 8 + group->fontMetrics().horizontalAdvance(group->title()); ++x)
      if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
  };
  bool caption_shows = false;
  for (int y = 0; y + 1 < list->y(); ++y) caption_shows = caption_shows || ink_in_row(y);
  EXPECT_TRUE(caption_shows);
  EXPECT_FALSE(ink_in_row(list->y() - 1));
  const int viewport = list->viewport()->height();
  EXPECT_LT(list->visualRect(list->model()->index(16, 0)).bottom(), viewport);
  EXPECT_GE(list->visualRect(list->model()->index(17, 0)).bottom(), viewport);
}

INSTANTIATE_TEST_SUITE_P(Faces, MainWindowOnAnyDesktopTest,
                         testing::Values(Desktop{"WenQuanYi Micro Hei", 12}, Desktop{"WenQuanYi Micro Hei", 16},
                                         Desktop{"Noto Sans CJK SC", 12}, Desktop{"Noto Sans CJK SC", 15}));

TEST(WindowIcon, ReadsAsQtReadsItAndDamagedFilesAreLeftToQt) {
  const auto icon = resources::ProgramIcon();
  const auto premultiplied = QImage::Format_ARGB32_Premultiplied;  // as Qt's reader gives it
  EXPECT_EQ(forms::IconImage(icon).convertToFormat(premultiplied),
            QImage::fromData(icon.data(), int(icon.size()), "ICO").convertToFormat(premultiplied));
  for (size_t cut : {size_t(5), size_t(30), icon.size() - 1})
    EXPECT_TRUE(forms::IconImage(std::span(icon.data(), cut)).isNull()) << cut;
}

}  // namespace
}  // namespace app_test
