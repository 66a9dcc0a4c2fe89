// Opening a window of 25 units from template bytes (template read plus window
// build, offscreen), beside a baseline that builds the same widgets directly.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "forms/forms_host.h"
#include "forms/kind_settings.h"
#include "forms/template_format.h"
#include "forms/window_registry.h"
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

std::vector<uint8_t> TemplateBytes() {
  forms::WindowSettings window;
  window.caption = "Bench";
  forms::WindowTemplate tmpl;
  tmpl.window_id = kWindowId;
  tmpl.units.push_back(Unit(rt::tag::kWindow, 0x06010000, forms::WriteSettings(window), 0));
  tmpl.units[0].width = 515, tmpl.units[0].height = 615;
  for (int i = 0; i < kControls; ++i) tmpl.units.push_back(Unit(kKinds[i % 3], 0x16010001 + uint32_t(i), {}, i));
  return forms::WriteTemplates({tmpl});
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

}  // namespace
