// Build-time tool: writes the program's template data (the main window
// described in resources/main_window.cpp, with the given icon) to a file.
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "forms/template/template_format.h"
#include "resources/main_window.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: write_template ICON.ico OUT.bin\n";
    return 2;
  }
  std::ifstream icon_file(argv[1], std::ios::binary);
  std::vector<uint8_t> icon(std::istreambuf_iterator<char>(icon_file), {});
  if (!icon_file || icon.empty()) {
    std::cerr << "write_template: cannot read the icon " << argv[1] << "\n";
    return 1;
  }
  const std::vector<uint8_t> bytes = forms::WriteTemplates({resources::DescribeMainWindow(std::move(icon))});
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out.flush()) {
    std::cerr << "write_template: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
