// Fuzz entry for the template reader and every kind's settings reader: any
// input must decode or fail cleanly, and whatever decodes must encode and
// decode back to the same value.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "forms/template/kind_settings.h"
#include "forms/template/template_format.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

template <class Settings>
void ExpectStableRoundTrip(const std::optional<Settings>& settings,
                           std::optional<Settings> (*read)(const std::vector<uint8_t>&)) {
  if (settings) Check(read(forms::WriteSettings(*settings)) == settings);
}

void ReadAsEveryKind(const std::vector<uint8_t>& bytes) {
  ExpectStableRoundTrip(forms::ReadWindowSettings(bytes), forms::ReadWindowSettings);
  ExpectStableRoundTrip(forms::ReadEditBoxSettings(bytes), forms::ReadEditBoxSettings);
  ExpectStableRoundTrip(forms::ReadLabelSettings(bytes), forms::ReadLabelSettings);
  ExpectStableRoundTrip(forms::ReadButtonSettings(bytes), forms::ReadButtonSettings);
  ExpectStableRoundTrip(forms::ReadCheckBoxSettings(bytes), forms::ReadCheckBoxSettings);
  ExpectStableRoundTrip(forms::ReadGroupBoxSettings(bytes), forms::ReadGroupBoxSettings);
  ExpectStableRoundTrip(forms::ReadComboBoxSettings(bytes), forms::ReadComboBoxSettings);
  ExpectStableRoundTrip(forms::ReadReportListSettings(bytes), forms::ReadReportListSettings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto windows = forms::ReadTemplates(data, size);
  if (windows) {
    const std::vector<uint8_t> again = forms::WriteTemplates(*windows);
    Check(forms::ReadTemplates(again.data(), again.size()) == windows);
    for (const forms::WindowTemplate& window : *windows)
      for (const forms::UnitRecord& unit : window.units) ReadAsEveryKind(unit.properties);
  }
  ReadAsEveryKind(std::vector<uint8_t>(data, data + size));
  return 0;
}
