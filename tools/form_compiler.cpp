// form_compiler: turns a window description into its component stream.
//
//   form_compiler <description> <stream> [--packets <folder>]
//
// "packet" values name files in the packets folder (default: the
// description's folder). A refused description prints "file:line: reason"
// and exits with 1; the output file is written only on success.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "app/forms/component_classes.h"
#include "app/forms/window_classes.h"
#include "resources/form_compiler.h"

int main(int argc, char** argv) {
  std::string input, output, packets;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--packets" && i + 1 < argc) {
      packets = argv[++i];
    } else if (input.empty()) {
      input = arg;
    } else if (output.empty()) {
      output = arg;
    } else {
      input.clear();
      break;
    }
  }
  if (input.empty() || output.empty()) {
    std::cerr << "usage: form_compiler <description> <stream> [--packets <folder>]\n";
    return 2;
  }
  std::ifstream in(input, std::ios::binary);
  if (!in) {
    std::cerr << input << ": cannot be read\n";
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  resources::ClassRegistry registry;
  app::RegisterComponentClasses(registry);
  resources::FormCompileOptions options;
  options.registry = &registry;
  options.create_window = &app::CreateWindowOfClass;
  options.packet_dir =
      packets.empty() ? std::filesystem::path(input).parent_path() : std::filesystem::path(packets);
  try {
    const std::string stream = resources::CompileFormDescription(text, input, options);
    std::ofstream out(output, std::ios::binary);
    out.write(stream.data(), static_cast<std::streamsize>(stream.size()));
    if (!out) {
      std::cerr << output << ": cannot be written\n";
      return 1;
    }
  } catch (const resources::FormCompileError& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}
