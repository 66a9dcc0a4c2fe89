// Finds the three boxes in the window registry and hands the marks to the
// source box's view, the link to the report box's view.
#include "forms/kinds/edit_box_marks.h"

#include <utility>

#include "forms/kinds/edit_box.h"
#include "forms/multi_line/mark_layer.h"
#include "forms/multi_line/multi_line_view.h"
#include "forms/multi_line/report_link.h"
#include "forms/registry/window_registry.h"

namespace forms {
namespace {

EditBoxControl* BoxOf(uint32_t window_id, uint32_t control_id) {
  LoadedWindow* window = WindowRegistry::Instance().Find(window_id);
  if (window == nullptr) return nullptr;
  const std::optional<size_t> unit = window->UnitIndex(control_id);
  return unit ? dynamic_cast<EditBoxControl*>(window->ControlAt(*unit)) : nullptr;
}

void EndEarlierMarks(MultiLineView* source, MultiLineView* report) {
  if (MarkLayer* layer = source ? MarkLayer::Of(*source) : nullptr) layer->End();
  if (ReportLink* link = report ? ReportLink::Of(*report) : nullptr) link->End();
}

}  // namespace

void ShowMatchMarks(const MatchBoxes& boxes, MarkedMatches matches) {
  EditBoxControl* source = BoxOf(boxes.window, boxes.source);
  EditBoxControl* pattern = BoxOf(boxes.window, boxes.pattern);
  EditBoxControl* report = BoxOf(boxes.window, boxes.report);
  MultiLineView* source_view = source ? source->lines() : nullptr;
  MultiLineView* report_view = report ? report->lines() : nullptr;
  EndEarlierMarks(source_view, report_view);
  if (source_view == nullptr || pattern == nullptr || matches.matches.empty()) return;
  auto* layer = new MarkLayer(*source_view, MatchMarks(std::move(matches)), source->WrittenText());
  pattern->WatchText(layer, [layer] { layer->End(); });
  if (report_view != nullptr) new ReportLink(*report_view, *layer);
}

}  // namespace forms
