// The forms layer against plain Qt doing the same work, offscreen: opening a
// window of 25 units from template bytes (template read plus window build)
// beside the same widgets built by hand, and 10,000 rows appended to a report
// list beside a standard item model in a tree view.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>

#include "bench/ratio_reporter.h"
#include "forms/registry/forms_host.h"
#include "forms/template/kind_settings.h"
#include "forms/kinds/report_list.h"
#include "forms/template/template_format.h"
#include "forms/registry/window_registry.h"
#include "runtime/type_tag.h"
#include "runtime/window_host.h"

namespace {

constexpr uint32_t kWindowId = 0x52010001;
constexpr uint32_t kKinds[] = {rt::tag::kButton, rt::tag::kLabel, rt::tag::kEditBox};
constexpr int kControls = 24;

forms::UnitRecord Unit(uint32_t kind, uint32_t id, std::vector<uint8_t> properties, int index) {
  forms::UnitRecord unit;
  unit.kind = kind;
  unit.control_id = id;
  unit.left = 10 + (index % 4) * 120, unit.top = 10 + (index / 4) * 30, unit.width = 110, unit.height = 24;
  unit.flags = forms::UnitRecord::kVisible | forms::UnitRecord::kTabStop;
  unit.properties = std::move(properties);
  return unit;
}

forms::WindowTemplate WindowWith(std::vector<forms::UnitRecord> controls) {
  forms::WindowSettings window;
  window.caption = "Bench";
  forms::WindowTemplate tmpl;
  tmpl.window_id = kWindowId;
  tmpl.units.push_back(Unit(rt::tag::kWindow, 0x06010000, forms::WriteSettings(window), 0));
  tmpl.units[0].width = 515, tmpl.units[0].height = 615;
  for (forms::UnitRecord& control : controls) tmpl.units.push_back(std::move(control));
  return tmpl;
}

std::vector<uint8_t> TemplateBytes() {
  std::vector<forms::UnitRecord> controls;
  for (int i = 0; i < kControls; ++i) controls.push_back(Unit(kKinds[i % 3], 0x16010001 + uint32_t(i), {}, i));
  return forms::WriteTemplates({WindowWith(std::move(controls))});
}

void ReleaseWindows() {
  forms::WindowRegistry::Instance().Clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_OpenWindowFromTemplate(benchmark::State& state) {
  const std::vector<uint8_t> bytes = TemplateBytes();
  forms::InstallWindowHost();
  rt::WindowHost* host = rt::GetWindowHost();
  for (auto _ : state) {
    host->LoadTemplates(bytes.data(), uint32_t(bytes.size()), nullptr);
    if (!host->OpenWindow(kWindowId)) state.SkipWithError("window did not open");
    state.PauseTiming();
    ReleaseWindows();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenWindowFromTemplate)->Unit(benchmark::kMicrosecond);

// The same 24 widgets in a fixed-size top-level widget, built by hand.
void BM_BaselineWidgetsByHand(benchmark::State& state) {
  for (auto _ : state) {
    auto* window = new QWidget;
    window->setFixedSize(515, 615);
    for (int i = 0; i < kControls; ++i) {
      QWidget* control = i % 3 == 0 ? static_cast<QWidget*>(new QPushButton(window))
                         : i % 3 == 1 ? static_cast<QWidget*>(new QLabel(window))
                                      : static_cast<QWidget*>(new QLineEdit(window));
      control->setGeometry(10 + (i % 4) * 120, 10 + (i / 4) * 30, 110, 24);
    }
    window->show();
    state.PauseTiming();
    delete window;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BaselineWidgetsByHand)->Unit(benchmark::kMicrosecond);

constexpr int kRows = 10000;
constexpr uint32_t kListId = 0x16010001;

// A report list of the catalogue's shape (two columns, the second 0 wide).
std::vector<uint8_t> ListTemplateBytes() {
  forms::ReportListSettings list;
  list.no_column_header = 1, list.full_row_select = 1, list.single_selection = 1;
  list.columns = {{0, -1, 0, 170, ""}, {0, -1, 0, 0, ""}};
  return forms::WriteTemplates({WindowWith({Unit(rt::tag::kReportList, kListId, forms::WriteSettings(list), 0)})});
}

void BM_AppendReportListRows(benchmark::State& state) {
  const std::vector<uint8_t> bytes = ListTemplateBytes();
  forms::InstallWindowHost();
  rt::WindowHost* host = rt::GetWindowHost();
  for (auto _ : state) {
    state.PauseTiming();
    host->LoadTemplates(bytes.data(), uint32_t(bytes.size()), nullptr);
    host->OpenWindow(kWindowId);
    auto* list = static_cast<forms::ReportListControl*>(host->LiveObject(kWindowId, kListId));
    state.ResumeTiming();
    if (list == nullptr) {
      state.SkipWithError("window did not open");
      break;
    }
    for (int i = 0; i < kRows; ++i) list->InsertRow(-1, {"row"});
    state.PauseTiming();
    ReleaseWindows();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AppendReportListRows)->Unit(benchmark::kMillisecond);

// The same rows (item text plus an empty second cell) in a plain model and view.
void BM_BaselineStandardModelRows(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto* view = new QTreeView;
    auto* model = new QStandardItemModel(0, 2, view);
    view->setModel(model);
    view->show();
    state.ResumeTiming();
    for (int i = 0; i < kRows; ++i) model->appendRow({new QStandardItem("row"), new QStandardItem});
    state.PauseTiming();
    delete view;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BaselineStandardModelRows)->Unit(benchmark::kMillisecond);

const RatioPair kWindowRatio("BM_OpenWindowFromTemplate", "BM_BaselineWidgetsByHand");
const RatioPair kRowsRatio("BM_AppendReportListRows", "BM_BaselineStandardModelRows");

}  // namespace
