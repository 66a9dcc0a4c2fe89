// The edit box kind: a single-line QLineEdit or a multi-line QPlainTextEdit
// built from the stored EditBoxSettings. Its text property (entry 0) raises
// the change event itself, exactly once per program write.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QPointer>

#include "forms/kinds/kind_control.h"

class QLineEdit;

namespace forms {

class MultiLineView;

extern const KindInfo kEditBoxKind;

class EditBoxControl : public KindControl<EditBoxSettings> {
 public:
  static constexpr int32_t kChangedEvent = 0;

  EditBoxControl(const CreateParams& params, EditBoxSettings settings);
  ~EditBoxControl() override;

  QWidget* widget() const override;
  // The settings with the text as it is now.
  std::vector<uint8_t> CurrentPropertyBytes() const override;

  // The text as GBK bytes; a multi-line box gives its line breaks as CR LF.
  // The exact bytes of the last program write come back until the user edits.
  std::string Text() const;
  // A program write: sets the text with Qt's signals blocked, whatever its
  // length, then raises event 0 once, also when the text did not change.
  void WriteText(std::string gbk);

  // Calls `changed` on every change of the text, a program write's or a
  // person's, before the change event is raised, for as long as `owner` lives.
  void WatchText(QObject* owner, std::function<void()> changed);
  // The exact bytes of the last program write, until the user edits; null otherwise.
  const std::string* WrittenText() const { return written_ ? &*written_ : nullptr; }
  // The multi-line box's widget; null for a single-line box.
  MultiLineView* lines() const;

 private:
  void CreateEditor(const CreateParams& params);
  void ApplyAppearance();
  void ApplyEditing();
  void ApplySelectionHiding();
  void ApplyContent();
  void ConnectChanges();
  void SetEditorText(std::string_view gbk);
  void OnUserEdit();
  void TellWatchers();
  QWidget* editor() const;

  QPointer<QLineEdit> line_;        // single-line box
  QPointer<MultiLineView> lines_;   // multi-line box
  std::optional<std::string> written_;
  std::vector<std::pair<QPointer<QObject>, std::function<void()>>> watchers_;
};

}  // namespace forms
