// The main window on any desktop. In either installed Chinese face and at the
// GUI font sizes desktops use, every control keeps its stored rectangle, every
// caption fits it, the group caption stays above the list inside it and the
// list shows 17 whole rows. Under a dark or a high-contrast theme palette,
// text and selection keep their contrast and the focus shows. Its icon reads
// as Qt's icon reader reads it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTreeView>
#include <cmath>

#include "forms/kinds/icon_image.h"
#include "forms/registry/window_registry.h"
#include "resources/program_data.h"
#include "tests/app/workbench_driver.h"

namespace app_test {
namespace {

struct Desktop {
  const char* face;     // the GUI font's family, which then is the Chinese face too
  const char* package;  // the Debian package that installs it
  int pixels;           // the GUI font's size
};

void PrintTo(const Desktop& desktop, std::ostream* out) {
  *out << QString(desktop.face).remove(' ').toStdString() << "_" << desktop.pixels << "px";
}

// Every created control of the main window with its stored rectangle.
std::vector<std::pair<QWidget*, QRect>> ControlsWithStoredRectangles() {
  std::vector<std::pair<QWidget*, QRect>> controls;
  for (const forms::UnitRecord& unit : forms::WindowRegistry::Instance().Find(app::kMainWindow)->tmpl.units)
    if (unit.control_id != app::kMainWindowUnit)
      controls.emplace_back(Widget(unit.control_id), QRect(unit.left, unit.top, unit.width, unit.height));
  return controls;
}

class MainWindowOnAnyDesktopTest : public testing::TestWithParam<Desktop> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFontDatabase::families().contains(GetParam().face))
        << GetParam().face << " is not installed: install the Debian package " << GetParam().package;
    QFont font(GetParam().face);
    font.setPixelSize(GetParam().pixels);
    QApplication::setFont(font);
    OpenFreshWorkbench();
  }
  void TearDown() override { QApplication::setFont(gui_font_); }

 private:
  QFont gui_font_ = QApplication::font();
};

TEST_P(MainWindowOnAnyDesktopTest, EveryControlKeepsItsStoredRectangle) {
  for (const auto& [widget, stored] : ControlsWithStoredRectangles()) {
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), stored) << widget->metaObject()->className();
  }
}

// Measured apart from the fitting: the captions' advances and line heights
// against the rectangles, less what the style draws beside them.
TEST_P(MainWindowOnAnyDesktopTest, EveryCaptionFitsItsRectangle) {
  for (const auto& [widget, stored] : ControlsWithStoredRectangles()) {
    const QFontMetrics metrics = widget->fontMetrics();
    const QStyle* style = widget->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    auto fits = [&](const QString& caption, int room) {
      EXPECT_LE(metrics.horizontalAdvance(caption), room) << caption.toStdString();
    };
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      fits(label->text(), stored.width());
      EXPECT_LE(metrics.height(), stored.height());
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
      fits(box->text(), stored.width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                            style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
      EXPECT_LE(metrics.height(), stored.height());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      fits(button->text(), stored.width() - 2 * frame);
      EXPECT_LE(metrics.height(), stored.height() - 2 * frame);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      QStyleOptionComboBox option;
      option.initFrom(combo);
      const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
      for (int item = 0; item < combo->count(); ++item) fits(combo->itemText(item), field.width());
      EXPECT_LE(metrics.height(), field.height());
    } else if (qobject_cast<QLineEdit*>(widget)) {
      EXPECT_LE(metrics.height() + 4, stored.height());  // the text and the box's two edges
    }
  }
}

QGroupBox* PresetGroup() { return qobject_cast<QGroupBox*>(Widget(app::control::kPresetList)->parentWidget()); }

// The caption's glyphs, by the pixels: some in the rows above the list, none
// in the row just above it.
TEST_P(MainWindowOnAnyDesktopTest, GroupCaptionStaysAboveTheListInIt) {
  QGroupBox* group = PresetGroup();
  ASSERT_NE(group, nullptr);
  const int list_top = Widget(app::control::kPresetList)->y();
  const QImage image = group->grab().toImage();
  auto ink_in_row = [&](int y) {
    for (int x = 8; x < 8 + group->fontMetrics().horizontalAdvance(group->title()); ++x)
      if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
  };
  bool caption_shows = false;
  for (int y = 0; y < list_top - 1; ++y) caption_shows = caption_shows || ink_in_row(y);
  EXPECT_TRUE(caption_shows);
  EXPECT_FALSE(ink_in_row(list_top - 1));
}

TEST_P(MainWindowOnAnyDesktopTest, PresetListShows17WholeRowsInAFontTheyHold) {
  auto* list = qobject_cast<QTreeView*>(Widget(app::control::kPresetList));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->model()->rowCount(), 20);
  QApplication::processEvents();  // the view lays its rows out once shown
  const QRect row17 = list->visualRect(list->model()->index(16, 0));
  const QRect row18 = list->visualRect(list->model()->index(17, 0));
  EXPECT_LE(row17.bottom(), list->viewport()->height() - 1);
  EXPECT_GT(row18.bottom(), list->viewport()->height() - 1);
  EXPECT_LE(list->fontMetrics().height(), row17.height());
}

INSTANTIATE_TEST_SUITE_P(Faces, MainWindowOnAnyDesktopTest,
                         testing::Values(Desktop{"WenQuanYi Micro Hei", "fonts-wqy-microhei", 12},
                                         Desktop{"WenQuanYi Micro Hei", "fonts-wqy-microhei", 16},
                                         Desktop{"Noto Sans CJK SC", "fonts-noto-cjk", 12},
                                         Desktop{"Noto Sans CJK SC", "fonts-noto-cjk", 15}));

// WCAG's contrast ratio of two colours: 1 (none) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A theme's palette as platform themes give it: for the application and for
// the widget classes they colour apart.
void UseThemePalette(const QPalette& palette) {
  QApplication::setPalette(palette);
  for (const char* kind : {"QAbstractButton", "QCheckBox", "QComboBox", "QAbstractItemView", "QLineEdit",
                           "QPlainTextEdit", "QGroupBox", "QLabel", "QScrollBar"})
    QApplication::setPalette(palette, kind);
}

TEST(MainWindowUnderAnyTheme, TextAndSelectionKeepTheirContrastAndTheFocusShows) {
  const QPalette original = QApplication::palette();
  QPalette dark(QColor(49, 54, 59), QColor(35, 38, 41));
  dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
  QPalette high_contrast(Qt::black, Qt::black);
  high_contrast.setColor(QPalette::Text, Qt::yellow);
  high_contrast.setColor(QPalette::Highlight, Qt::cyan);
  high_contrast.setColor(QPalette::HighlightedText, Qt::black);
  for (const QPalette& theme : {dark, high_contrast}) {
    UseThemePalette(theme);
    OpenFreshWorkbench();
    for (const auto& [widget, stored] : ControlsWithStoredRectangles()) {
      SCOPED_TRACE(widget->metaObject()->className());
      auto contrast = [&](QPalette::ColorRole a, QPalette::ColorRole b) {
        return Contrast(widget->palette().color(QPalette::Active, a), widget->palette().color(QPalette::Active, b));
      };
      EXPECT_GE(contrast(QPalette::WindowText, QPalette::Window), 4.5);
      EXPECT_GE(contrast(QPalette::ButtonText, QPalette::Button), 4.5);
      EXPECT_GE(contrast(QPalette::Text, QPalette::Base), 4.5);
      EXPECT_GE(contrast(QPalette::HighlightedText, QPalette::Highlight), 4.5);
      EXPECT_GE(contrast(QPalette::Highlight, QPalette::Base), 3.0);
    }
    MainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindow()));
    // Tab moves the focus to the button, as a keyboard user moves it.
    QWidget* button = Widget(app::control::kMatchButton);
    const QImage unfocused = button->grab().toImage();
    for (int presses = 0; presses < 30 && !button->hasFocus(); ++presses)
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : MainWindow(), Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_NE(button->grab().toImage(), unfocused);
  }
  UseThemePalette(original);
}

TEST(WindowIcon, ReadsAsQtReadsItAndDamagedFilesAreLeftToQt) {
  const auto icon = resources::ProgramIcon();
  const QImage read = forms::IconImage(icon);
  ASSERT_FALSE(read.isNull());
  // Qt's reader premultiplies the alpha.
  EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32_Premultiplied),
            QImage::fromData(icon.data(), int(icon.size()), "ICO").convertToFormat(QImage::Format_ARGB32_Premultiplied));
  for (size_t cut : {size_t(5), size_t(30), icon.size() - 1}) {
    SCOPED_TRACE(cut);
    EXPECT_TRUE(forms::IconImage(std::span(icon.data(), cut)).isNull());
  }
}

}  // namespace
}  // namespace app_test
