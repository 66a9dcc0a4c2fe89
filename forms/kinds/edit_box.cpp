// Edit boxes on QLineEdit / QPlainTextEdit: creation from the stored
// settings, the text property and the change event.
#include "forms/kinds/edit_box.h"

#include <algorithm>
#include <limits>

#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QTextDocument>

#include "forms/registry/property_entry.h"
#include "forms/kinds/typed_text_filter.h"
#include "forms/kinds/appearance.h"
#include "forms/kinds/caption_font.h"
#include "forms/multi_line/multi_line_view.h"
#include "forms/multi_line/nul_free_text.h"
#include "forms/kinds/widget_styling.h"
#include "platform/gbk.h"
#include "runtime/type_tag.h"

namespace forms {
namespace {

using S = EditBoxSettings;
constexpr int kEdgeHeight = 2;

// The mask character as a text: one byte, or the two bytes of a GBK character.
std::string MaskCharacterText(uint16_t mask) {
  if (mask == 0) return {};
  if (mask <= 0xFF) return std::string(1, char(mask));
  return {char(mask >> 8), char(mask & 0xFF)};
}

uint16_t MaskCharacterOf(const std::string& text) {
  if (text.empty()) return 0;
  const auto first = uint8_t(text[0]);
  if (first < 0x80 || text.size() < 2) return first;
  return uint16_t(first << 8 | uint8_t(text[1]));
}

}  // namespace

EditBoxControl::EditBoxControl(const CreateParams& params, EditBoxSettings settings)
    : KindControl(params, std::move(settings)) {
  CreateEditor(params);
  ApplyAppearance();
  ApplyEditing();
  ApplySelectionHiding();
  ApplyContent();
  ConnectChanges();
}

EditBoxControl::~EditBoxControl() { DisposeWidget(editor()); }

QWidget* EditBoxControl::widget() const { return editor(); }

MultiLineView* EditBoxControl::lines() const { return lines_; }

QWidget* EditBoxControl::editor() const {
  if (line_) return line_;
  return lines_;
}

void EditBoxControl::CreateEditor(const CreateParams& params) {
  if (settings_.multi_line) {
    lines_ = new MultiLineView(params.parent);
  } else {
    line_ = new QLineEdit(params.parent);
  }
  PlaceControlWidget(editor(), *params.unit);
}

void EditBoxControl::ApplyAppearance() {
  QWidget* box = editor();
  SetFieldColours(box, settings_.text_colour, settings_.background);
  const Qt::Alignment alignment = HorizontalAlignment(settings_.alignment);
  if (line_) {
    line_->setFrame(settings_.border != kNoBorder);
    line_->setAlignment(alignment | Qt::AlignVCenter);
    // A font whose line fits the stored height; and, should not even the
    // smallest, a single-line box at least as high as its font's text plus two edges.
    line_->setFont(FittedFont(ToQFont(settings_.font), [this](const QFontMetrics& metrics) {
      return metrics.height() + 2 * kEdgeHeight <= line_->height();
    }));
    const int least = line_->fontMetrics().height() + 2 * kEdgeHeight;
    if (line_->height() < least) line_->resize(line_->width(), least);
    return;
  }
  if (settings_.font) box->setFont(ToQFont(settings_.font));
  ApplyFrameBorder(lines_, settings_.border);
  QTextOption option = lines_->document()->defaultTextOption();
  option.setAlignment(alignment);
  lines_->document()->setDefaultTextOption(option);
}

void EditBoxControl::ApplyEditing() {
  QWidget* box = editor();
  const bool read_only = settings_.input_mode == S::kReadOnlyInput;
  if (line_) {
    line_->setReadOnly(read_only);
    line_->setMaxLength(std::numeric_limits<int>::max());  // the typing filter applies limits
    line_->setValidator(new NulFreeValidator(line_));
    if (settings_.input_mode == S::kPasswordInput) {
      line_->setEchoMode(QLineEdit::Password);
      line_->setStyleSheet(QStringLiteral("lineedit-password-character: %1")
                               .arg(settings_.password_char ? settings_.password_char : '*'));
    }
  } else {
    // A horizontal scroll bar scrolls sideways; otherwise long lines wrap at the box width.
    const bool horizontal = settings_.scroll_bars & S::kHorizontalScrollBar;
    const bool vertical = settings_.scroll_bars & S::kVerticalScrollBar;
    lines_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    lines_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    lines_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    lines_->setReadOnly(read_only);
    // Read-only text stays selectable and copyable by mouse and keyboard.
    if (read_only)
      lines_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  const TypingRules rules = TypingRules::ForEditBox(settings_.input_mode, settings_.case_conversion,
                                                    settings_.max_length);
  if (read_only || !rules.Restricts()) return;
  auto unselected_length = [this]() -> qsizetype {
    if (line_) return line_->text().size() - line_->selectedText().size();
    return lines_->document()->characterCount() - 1 - lines_->textCursor().selectedText().size();
  };
  box->installEventFilter(new TypedTextFilter(rules, unselected_length, box));
}

// The selection is painted in the inactive colours while the box has no
// focus; with hide selection on they are the field's own, so none shows.
void EditBoxControl::ApplySelectionHiding() {
  if (!settings_.hide_selection) return;
  QPalette palette = editor()->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   palette.color(QPalette::Inactive, QPalette::Base));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   palette.color(QPalette::Inactive, QPalette::Text));
  editor()->setPalette(palette);
}

void EditBoxControl::ApplyContent() {
  written_ = settings_.content;
  {
    const QSignalBlocker blocker(editor());
    SetEditorText(settings_.content);
  }
  const int length = int(line_ ? line_->text().size() : lines_->document()->characterCount() - 1);
  const int start = std::clamp(int(settings_.selection_start), 0, length);
  const int end = std::clamp(start + int(settings_.selection_length), start, length);
  if (line_) {
    line_->setSelection(start, end - start);
    return;
  }
  QTextCursor cursor(lines_->document());
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  lines_->setTextCursor(cursor);
  lines_->ensureCursorVisible();
}

void EditBoxControl::ConnectChanges() {
  if (line_)
    QObject::connect(line_, &QLineEdit::textChanged, line_, [this] { OnUserEdit(); });
  else
    QObject::connect(lines_, &QPlainTextEdit::textChanged, lines_, [this] { OnUserEdit(); });
}

void EditBoxControl::SetEditorText(std::string_view gbk) {
  if (line_)
    line_->setText(platform::GbkToQString(gbk));
  else
    lines_->ShowText(gbk);
}

void EditBoxControl::OnUserEdit() {
  TellWatchers();
  written_.reset();
  RaiseEvent(kChangedEvent);
}

std::string EditBoxControl::Text() const {
  if (written_) return *written_;
  if (line_) return platform::QStringToGbk(line_->text());
  return lines_->Text();
}

void EditBoxControl::WriteText(std::string gbk) {
  TellWatchers();
  {
    const QSignalBlocker blocker(editor());
    SetEditorText(gbk);
  }
  written_ = std::move(gbk);
  RaiseEvent(kChangedEvent);
}

void EditBoxControl::WatchText(QObject* owner, std::function<void()> changed) {
  watchers_.emplace_back(owner, std::move(changed));
}

// A watcher may stop watching from its own call (its owner deleted), so the
// list is taken before any is called.
void EditBoxControl::TellWatchers() {
  std::erase_if(watchers_, [](const auto& watcher) { return watcher.first.isNull(); });
  for (const auto& [owner, changed] : std::vector(watchers_))
    if (owner) changed();
}

std::vector<uint8_t> EditBoxControl::CurrentPropertyBytes() const {
  EditBoxSettings current = settings_;
  current.content = Text();
  return WriteSettings(current);
}

namespace {

std::string MaskText(const EditBoxControl& box) { return MaskCharacterText(box.settings().password_char); }
// The mask shows in a box built anew.
bool StoreMaskText(EditBoxControl& box, const std::string& text) {
  box.settings().password_char = MaskCharacterOf(text);
  return true;
}

using namespace type_code;
constexpr PropertyEntry kProperties[] = {
    Live<&EditBoxControl::Text, &EditBoxControl::WriteText>(kText),
    Stored<&S::border>(kPick),
    Stored<&S::text_colour>(kColour),
    Stored<&S::background>(kBackgroundColour),
    Stored<&S::font>(kFont),
    Stored<&S::hide_selection>(kBoolean),
    Stored<&S::max_length>(kInteger2),
    Stored<&S::multi_line>(kBoolean),
    Stored<&S::scroll_bars>(kPick),
    Stored<&S::alignment>(kPick),
    Stored<&S::input_mode>(kPick),
    Live<&MaskText, &StoreMaskText>(kText),
    Stored<&S::case_conversion>(kPick),
    Stored<&S::spinner_mode>(kPick),
    Stored<&S::spinner_min>(kInteger2),
    Stored<&S::spinner_max>(kInteger2),
    Stored<&S::selection_start>(kInteger2),
    Stored<&S::selection_length>(kInteger2),
    Unstored(kText),  // the selected text
    Stored<&S::data_source>(kDataSource),
    Stored<&S::data_column>(kDataColumn),
};

}  // namespace

const KindInfo kEditBoxKind{rt::tag::kEditBox, kProperties, &Create<EditBoxControl, ReadEditBoxSettings>};

}  // namespace forms
