// program_identity_check EXE --time-stamp SECONDS --version X.Y.Z
//                        [--string NAME=VALUE]... [--absent TEXT]...
// Reads the Windows executable EXE with the bounded reader of tools/ and checks
// what the program shows of itself on the desktop: its icon group holds the
// sizes the shell and the task bar ask for, the Russian version information
// holds each NAME=VALUE and the version X.Y.Z, the manifest is well-formed XML
// naming the supported systems and the execution level and nothing that would
// change the program's look or code page, the header is terminal server aware
// with the time stamp SECONDS and a right check sum, and no TEXT (such as a
// folder of the build machine) appears in the file, in 8-bit or UTF-16 form.
// Prints one line per check; exits with 1 when any check failed.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "resources/program_resources.h"
#include "tools/icon_group.h"
#include "tools/pe_image.h"
#include "tools/version_info.h"
#include "tools/xml_document.h"

namespace {

constexpr std::uint16_t kRussian = 0x0419;
constexpr std::uint16_t kUtf16CodePage = 1200;
constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

// The systems the manifest names, by their compatibility identifiers.
constexpr std::pair<std::string_view, std::string_view> kSystems[] = {
    {"Windows Vista", "{e2011457-1546-43c5-a5fe-008deee3d3f0}"},
    {"Windows 7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
    {"Windows 8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
    {"Windows 8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
    {"Windows 10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
};

class Report {
 public:
  void Check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
    failed_ = failed_ || !ok;
  }
  bool Failed() const { return failed_; }

 private:
  bool failed_ = false;
};

struct Expected {
  std::uint32_t time_stamp = 0;
  std::string version;  // "X.Y.Z"
  std::vector<std::pair<std::string, std::string>> strings;
  std::vector<std::string> absent;
};

void CheckIcon(const std::vector<tools::PeResource>& resources, Report& report) {
  const tools::PeResource* group =
      tools::FindResource(resources, tools::kResourceIconGroup, PHONEBOOK_ICON_ID);
  report.Check(group != nullptr, "icon group " + std::to_string(PHONEBOOK_ICON_ID) + " is there");
  if (!group) return;
  std::vector<tools::IconImage> images;
  const tools::IconGroupError error = tools::ReadIconGroup(group->bytes, resources, images);
  report.Check(error == tools::IconGroupError::kNone,
               std::string("icon group reads: ") + tools::Describe(error));
  std::vector<int> sizes;
  for (const tools::IconImage& image : images) {
    const bool square = image.width == image.height && image.stored_width == image.width &&
                        image.stored_height == image.height;
    const bool kind = image.width == 256 ? image.png : !image.png && image.bit_count == 32;
    report.Check(square && kind, "icon image " + std::to_string(image.width) + " x " +
                                     std::to_string(image.height) + (image.png ? " (PNG)" : " (bitmap, ") +
                                     (image.png ? "" : std::to_string(image.bit_count) + " bits)"));
    sizes.push_back(image.width);
  }
  std::sort(sizes.begin(), sizes.end());
  report.Check(std::equal(sizes.begin(), sizes.end(), std::begin(kIconSizes), std::end(kIconSizes)),
               "icon group holds 16, 20, 24, 32, 40, 48, 64 and 256 pixels, each once");
}

std::string VersionText(const std::uint16_t (&parts)[4]) {
  return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." + std::to_string(parts[2]) + "." +
         std::to_string(parts[3]);
}

void CheckVersion(const std::vector<tools::PeResource>& resources, const Expected& expected, Report& report) {
  const tools::PeResource* resource = tools::FindResource(resources, tools::kResourceVersion, 1);
  report.Check(resource != nullptr, "version information is there");
  if (!resource) return;
  report.Check(resource->language == kRussian, "version information's resource language is 0x0419");
  tools::VersionInfo info;
  report.Check(tools::ReadVersionInfo(resource->bytes, info), "version information reads");
  const std::string four = expected.version + ".0";
  report.Check(VersionText(info.file_version) == four,
               "fixed file version " + VersionText(info.file_version));
  report.Check(VersionText(info.product_version) == four,
               "fixed product version " + VersionText(info.product_version));
  const tools::VersionTranslation russian{kRussian, kUtf16CodePage};
  report.Check(info.translations.size() == 1 && info.translations[0] == russian,
               "translation: language 0x0419, code page 1200, and nothing else");
  const auto table = info.strings.find("041904B0");
  report.Check(table != info.strings.end() && info.strings.size() == 1, "one string table, 041904B0");
  if (table == info.strings.end()) return;
  for (const auto& [name, value] : expected.strings) {
    const auto found = table->second.find(name);
    const std::string actual = found == table->second.end() ? "(missing)" : found->second;
    report.Check(actual == value, name + " = \"" + actual + "\"");
  }
}

void CheckManifest(const std::vector<tools::PeResource>& resources, const Expected& expected,
                   Report& report) {
  const tools::PeResource* resource = tools::FindResource(resources, tools::kResourceManifest, 1);
  report.Check(resource != nullptr, "manifest (resource 24, number 1) is there");
  if (!resource) return;
  tools::XmlElement root;
  const std::string_view text(reinterpret_cast<const char*>(resource->bytes.data()), resource->bytes.size());
  const tools::XmlError error = tools::ReadXml(text, root);
  report.Check(!error.failed,
               "manifest is well-formed XML" +
                   (error.failed ? ": " + error.reason + " at offset " + std::to_string(error.offset)
                                 : std::string()));
  if (error.failed) return;
  report.Check(root.LocalName() == "assembly", "manifest's root is an assembly");
  const auto identities = tools::ElementsNamed(root, "assemblyIdentity");
  const std::string* version = identities.size() == 1 ? identities[0]->Attribute("version") : nullptr;
  report.Check(version && *version == expected.version + ".0",
               "assembly identity's version " + (version ? *version : std::string("(missing)")));
  std::set<std::string> named;
  for (const tools::XmlElement* os : tools::ElementsNamed(root, "supportedOS")) {
    if (const std::string* id = os->Attribute("Id")) named.insert(*id);
  }
  for (const auto& [system, id] : kSystems) {
    report.Check(named.erase(std::string(id)) == 1, "supported: " + std::string(system));
  }
  report.Check(named.empty(), "no other supported system");
  const auto levels = tools::ElementsNamed(root, "requestedExecutionLevel");
  const std::string* level = levels.size() == 1 ? levels[0]->Attribute("level") : nullptr;
  const std::string* ui_access = levels.size() == 1 ? levels[0]->Attribute("uiAccess") : nullptr;
  report.Check(level && *level == "asInvoker" && ui_access && *ui_access == "false",
               "execution level asInvoker without UI access");
  report.Check(tools::ElementsNamed(root, "dependency").empty(), "no dependency (no common controls 6)");
  report.Check(tools::ElementsNamed(root, "activeCodePage").empty(), "no activeCodePage");
}

bool Contains(const std::vector<std::uint8_t>& file, const std::string& text, bool wide) {
  std::vector<std::uint8_t> needle;
  for (char c : text) {
    needle.push_back(static_cast<std::uint8_t>(c));
    if (wide) needle.push_back(0);
  }
  return std::search(file.begin(), file.end(), needle.begin(), needle.end()) != file.end();
}

void CheckHeader(const tools::PeImage& image, const std::vector<std::uint8_t>& file, const Expected& expected,
                 Report& report) {
  report.Check((image.DllCharacteristics() & tools::kTerminalServerAware) != 0, "terminal server aware");
  report.Check(image.TimeStamp() == expected.time_stamp, "time stamp " + std::to_string(image.TimeStamp()) +
                                                             ", expected " +
                                                             std::to_string(expected.time_stamp));
  report.Check(image.CheckSum() == tools::PeCheckSum(file, image.Fields().checksum), "check sum is right");
  for (const std::string& text : expected.absent) {
    report.Check(!Contains(file, text, false) && !Contains(file, text, true),
                 "no \"" + text + "\" in the file");
  }
}

bool ParseArguments(int argc, char** argv, std::string& path, Expected& expected) {
  if (argc < 2) return false;
  path = argv[1];
  bool have_time = false;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    const std::string value = argv[i + 1];
    if (option == "--time-stamp") {
      const auto [end, error] =
          std::from_chars(value.data(), value.data() + value.size(), expected.time_stamp);
      if (error != std::errc() || end != value.data() + value.size()) return false;
      have_time = true;
    } else if (option == "--version") {
      expected.version = value;
    } else if (option == "--string") {
      const std::size_t equals = value.find('=');
      if (equals == std::string::npos) return false;
      expected.strings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    } else if (option == "--absent") {
      if (value.empty()) return false;
      expected.absent.push_back(value);
    } else {
      return false;
    }
  }
  return argc % 2 == 0 && have_time && !expected.version.empty();
}

}  // namespace

int main(int argc, char** argv) {
  std::string path;
  Expected expected;
  if (!ParseArguments(argc, argv, path, expected)) {
    std::fprintf(stderr,
                 "usage: program_identity_check EXE --time-stamp SECONDS --version X.Y.Z "
                 "[--string NAME=VALUE]... [--absent TEXT]...\n");
    return 2;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "program_identity_check: cannot open %s\n", path.c_str());
    return 1;
  }
  const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
  Report report;
  tools::PeImage image;
  const tools::PeError error = image.Read(file);
  report.Check(error == tools::PeError::kNone, path + " reads as an executable: " + tools::Describe(error));
  if (error != tools::PeError::kNone) return 1;
  std::vector<tools::PeResource> resources;
  const tools::PeError resource_error = image.ReadResources(resources);
  report.Check(resource_error == tools::PeError::kNone,
               std::string("resource tree reads: ") + tools::Describe(resource_error));
  CheckHeader(image, file, expected, report);
  CheckIcon(resources, report);
  CheckVersion(resources, expected, report);
  CheckManifest(resources, expected, report);
  return report.Failed() ? 1 : 0;
}
