// phonebook_dump: prints a binary file of ours in readable form.
//
//   phonebook_dump [--all | --rows N] [--kind auto|packet|stream] FILE
//
// A datapacket prints as its header, its columns (types, attributes and
// properties, nested tables indented under their column), the table
// properties, the row count and the first and last N rows (default 3 each;
// --all prints every row). Text values are shown as UTF-8, other values by
// their type; nested rows follow their count in braces.
//
// The kind of file is told by its first bytes (--kind auto, the default);
// --kind packet insists on a datapacket, --kind stream on a component stream
// (printed as a tree of object records, tools/stream_dump.h).
//
// Exit status: 0 when the whole file was read; 1 when it is malformed, with
// the reader's result code, its message and the offset of the failing item on
// stderr; 2 for a usage error, an unreadable file or an unknown kind.
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/byte_cursor.h"
#include "base/format.h"
#include "data/datapacket_format.h"
#include "data/datapacket_reader.h"
#include "text/cp1251.h"
#include "tools/stream_dump.h"

namespace {

using namespace data;
using namespace data::packet;
using base::Format;

struct Options {
  bool all = false;
  std::size_t rows = 3;
  std::string kind = "auto";
  std::string file;
};

constexpr const char* kUsage = "usage: phonebook_dump [--all | --rows N] [--kind auto|packet|stream] FILE\n";

std::optional<Options> ParseArguments(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--all") {
      options.all = true;
    } else if ((arg == "--rows" || arg == "--kind") && i + 1 < argc) {
      const std::string value = argv[++i];
      if (arg == "--kind") {
        options.kind = value;
      } else {
        char* end = nullptr;
        options.rows = std::strtoul(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0') return std::nullopt;
      }
    } else if (!arg.empty() && arg[0] != '-' && options.file.empty()) {
      options.file = arg;
    } else {
      return std::nullopt;
    }
  }
  if (options.file.empty()) return std::nullopt;
  return options;
}

// --- Names of types and attributes ---

std::string TypeName(std::uint32_t type_word) {
  static const char* const kNames[] = {"other",       "signed", "unsigned",      "boolean",   "float",
                                       "bcd",         "date",   "time",          "timestamp", "string",
                                       "wide string", "bytes",  "adt",           "array",     "nested table",
                                       "other",       "bytes",  "sql timestamp", "fmt bcd"};
  const std::uint32_t type_class = TypeClassOf(type_word);
  std::string name = type_class < std::size(kNames) ? kNames[type_class] : Format("class %u", type_class);
  if (type_word & kVarying) name += " varying";
  name += Format(" %u", WidthOf(type_word));
  if (type_word & kArray) name += " array";
  return name;
}

std::string AttributeNames(std::uint32_t bits,
                           const std::vector<std::pair<std::uint32_t, const char*>>& names) {
  std::string out;
  for (const auto& [bit, name] : names) {
    if ((bits & bit) == 0) continue;
    if (!out.empty()) out += ", ";
    out += name;
  }
  return out.empty() ? out : " (" + out + ")";
}

std::string ColumnAttributes(std::uint16_t bits) {
  return Format("0x%04X", bits) + AttributeNames(bits, {{kHiddenCol, "hidden"},
                                                        {kReadonly, "read-only"},
                                                        {kRequired, "required"},
                                                        {kLink, "link"},
                                                        {kUnNamed, "unnamed"},
                                                        {kFixed, "fixed"}});
}

// --- Values ---

std::string Hex(std::span<const std::uint8_t> bytes) {
  std::string out;
  const std::size_t shown = std::min<std::size_t>(bytes.size(), 32);
  for (std::size_t i = 0; i < shown; ++i) out += Format(i ? " %02X" : "%02X", bytes[i]);
  if (shown < bytes.size()) out += Format(" ... (%zu bytes)", bytes.size());
  return out.empty() ? "(empty)" : out;
}

std::string Quoted(std::span<const std::uint8_t> bytes) {
  std::string out = "\"";
  for (const char c : text::Cp1251ToUtf8({reinterpret_cast<const char*>(bytes.data()), bytes.size()})) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u == 0x7F) {
      out += Format("\\x%02X", u);
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// One value of type `type_word` (without the array bit) in `bytes`;
// `length` is what the reader reported (negative for a blob without bytes).
std::string FormatValue(std::uint32_t type_word, std::span<const std::uint8_t> bytes, std::uint32_t length) {
  if ((type_word & kVarying) && WidthOf(type_word) == 4 && static_cast<std::int32_t>(length) < 0) {
    return Format("(no bytes, length %d)", static_cast<std::int32_t>(length));
  }
  base::ByteCursor at(bytes);
  const std::uint32_t type_class = TypeClassOf(type_word);
  if (!(type_word & kVarying)) {
    switch (type_class) {
      case kClassSigned:
      case kClassBoolean:
      case kClassDate:
      case kClassTime:
      case kClassUnsigned:
      case kClassNested: {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < bytes.size() && i < 8; ++i) value |= std::uint64_t{bytes[i]} << (8 * i);
        const std::size_t bits = 8 * std::min<std::size_t>(bytes.size(), 8);
        if (type_class == kClassUnsigned || bits == 0) return Format("%" PRIu64, value);
        if (bits < 64 && (value >> (bits - 1)) & 1) value |= ~std::uint64_t{0} << bits;  // sign-extend
        const auto signed_value = static_cast<std::int64_t>(value);
        return type_class == kClassNested ? Format("%" PRId64 " nested rows", signed_value)
                                          : Format("%" PRId64, signed_value);
      }
      case kClassFloat:
      case kClassTimestamp:
        if (bytes.size() == 8) {
          std::uint64_t bits = 0;
          at.Read(bits);
          double value;
          std::memcpy(&value, &bits, sizeof value);
          return Format("%.17g", value);
        }
        return Hex(bytes);
      case kClassAdt:
        return "(adt)";
      case kClassArray:
        return "(array)";
      default:
        break;
    }
  }
  if (type_class == kClassString) return Quoted(bytes);
  return Hex(bytes);
}

std::string FormatProperty(std::uint32_t type_word, std::span<const std::uint8_t> bytes,
                           std::uint32_t length) {
  if (!(type_word & kArray)) return FormatValue(type_word, bytes, length);
  const std::unique_ptr<FLDConv> codec = MakeFieldCodec(type_word & ~kArray);
  base::ByteCursor at(bytes);
  std::uint32_t count = 0;
  if (!codec || !at.Read(count)) return Hex(bytes);
  std::string out = "[";
  for (std::uint32_t i = 0; i < count && at.Ok(); ++i) {
    FieldValue element;
    if (!codec->Read(at, element)) break;
    if (i) out += ", ";
    out += FormatValue(type_word & ~kArray, element.bytes, element.length);
  }
  return out + "]";
}

// --- The packet ---

struct TableColumns {
  std::vector<std::string> names;
  std::vector<std::uint32_t> type_words;
  std::size_t depth = 0;
};

class PacketDump {
 public:
  PacketDump(std::span<const std::uint8_t> bytes, const Options& options)
      : bytes_(bytes), options_(options) {}

  // Prints the packet; returns the exit status.
  int Run() {
    if (const DsResult r = reader_->Init(bytes_)) return Fail(r);
    PrintHeader();
    if (const DsResult r = DumpMetadata()) return Fail(r);
    std::printf("rows: %u (from offset %zu)\n", reader_->Header().row_count, reader_->Position());
    if (const DsResult r = DumpRows()) return Fail(r);
    std::printf("end at offset %zu of %zu\n", reader_->Position(), bytes_.size());
    return 0;
  }

 private:
  int Fail(DsResult r) {
    Flush(true);  // the rows read so far
    DsErrorText text;
    reader_->GetErrorString(r, &text);
    std::fprintf(stderr, "phonebook_dump: %s: error 0x%04X (%s) at offset %zu\n", options_.file.c_str(), r,
                 text.data(), reader_->Position());
    return 1;
  }

  void PrintHeader() {
    const DsPacketHeader& h = reader_->Header();
    std::printf("datapacket, %zu bytes\n", bytes_.size());
    std::printf("  magic        0x%08X\n", h.magic);
    std::printf("  version      %u.%u\n", h.version, h.revision);
    std::printf("  header size  %u\n", h.header_size);
    std::printf("  columns      %u\n", h.column_count);
    std::printf("  rows         %u\n", h.row_count);
    std::printf(
        "  attributes   0x%08X%s\n", h.attributes,
        AttributeNames(h.attributes, {{kHasMetadata, "metadata"}, {kRowOffsetValid, "row offset valid"}})
            .c_str());
    std::printf("  row offset   %u\n", h.row_offset);
  }

  // Walks the column and property lists, keeping each table's columns for the rows.
  DsResult DumpMetadata() {
    tables_.emplace_back();
    std::vector<std::size_t> open = {0};  // tables whose lists are being read
    std::printf("columns\n");
    while (!reader_->MetadataDone()) {
      DSColumnDesc column;
      const DsResult r = reader_->GetNextColumnDesc(&column);
      std::string indent(2 + 4 * tables_[open.back()].depth, ' ');
      if (r == kDsOk) {
        TableColumns& table = tables_[open.back()];
        table.names.emplace_back(column.name.data());
        table.type_words.push_back(column.type_word);
        std::printf("%s%zu %s: %s (type 0x%08X), attributes %s\n", indent.c_str(), table.names.size(),
                    column.name.data(), TypeName(column.type_word).c_str(), column.type_word,
                    ColumnAttributes(column.attributes).c_str());
        if (TypeClassOf(column.type_word) == kClassNested) {
          const std::size_t depth = tables_[open.back()].depth + 1;
          tables_.emplace_back().depth = depth;
          open.push_back(tables_.size() - 1);
        }
        indent += "    ";
      } else if (r == kDsEnd) {
        std::printf("%s%s\n", indent.c_str(),
                    open.size() == 1 ? "table properties" : "nested table properties");
        indent += "  ";
      } else {
        return r;
      }
      if (const DsResult p = DumpProperties(indent)) return p;
      if (r == kDsEnd && !reader_->MetadataDone()) {
        open.pop_back();  // a nested table's list ended; its parent goes on
      }
    }
    return kDsOk;
  }

  DsResult DumpProperties(const std::string& indent) {
    std::vector<std::uint8_t> value(256);
    for (;;) {
      DsPropertyName name;
      std::uint32_t type_word = 0, size = static_cast<std::uint32_t>(value.size());
      const DsResult r = reader_->GetNextOptParameter(&name, &type_word, &size, value.data());
      if (r == kDsEnd) return kDsOk;
      if (r == kDsBufferTooSmall && size > value.size()) {
        value.resize(size);
        continue;
      }
      if (r != kDsOk) return r;
      const std::size_t delivered = static_cast<std::int32_t>(size) < 0 ? 0 : size;
      std::printf("%s%s = %s (type 0x%08X: %s)\n", indent.c_str(), name.data(),
                  FormatProperty(type_word, {value.data(), delivered}, size).c_str(), type_word,
                  TypeName(type_word).c_str());
    }
  }

  // The name and type word of the slot an item belongs to.
  std::pair<std::string, std::uint32_t> SlotOf(std::size_t table, std::uint32_t item) const {
    const std::int64_t column = reader_->SlotColumn(table, item - 1);
    if (column < 0 || table >= tables_.size()) return {"?", 0};
    return {tables_[table].names[static_cast<std::size_t>(column)],
            tables_[table].type_words[static_cast<std::size_t>(column)]};
  }

  DsResult DumpRows() {
    std::vector<std::uint8_t> value(256);
    std::size_t depth = 0;
    for (;;) {
      std::size_t table = 0;
      std::uint32_t item = 0;
      if (!reader_->NextItemPlace(table, item)) break;
      const std::size_t item_depth = tables_[table].depth;
      for (; depth > item_depth; --depth) line_ += " }";
      if (table == 0 && item == 0) {
        Flush(false);
        line_ = Format("  row %zu:", ++row_);
      } else if (item == 0) {
        line_ += depth < item_depth ? " {" : " |";
      }
      depth = item_depth;

      std::uint32_t size = static_cast<std::uint32_t>(value.size());
      DsSlotState state = DsSlotState::kValue;
      const DsResult r = reader_->GetNextField(&size, value.data(), &state);
      if (r == kDsBufferTooSmall) {
        std::uint32_t needed = 0;
        if (const DsResult p = reader_->PeekFieldSize(&needed)) return p;
        if (needed <= value.size()) return r;
        value.resize(needed);
        continue;  // the same item again
      }
      if (r != kDsOk && r != kDsNullValue) return r;
      if (item == 0) {
        if (value[0] != 0) line_ += Format(" [status 0x%02X]", value[0]);
        continue;
      }
      const auto [name, type_word] = SlotOf(table, item);
      std::string shown = "null";
      if (state == DsSlotState::kNotChanged) {
        shown = "unchanged";
      } else if (state == DsSlotState::kValue) {
        const std::size_t delivered = static_cast<std::int32_t>(size) < 0 ? 0 : size;
        shown = FormatValue(type_word, {value.data(), delivered}, size);
      }
      line_ += Format(" %s=%s", name.c_str(), shown.c_str());
    }
    for (; depth > 0; --depth) line_ += " }";
    Flush(true);
    return kDsOk;
  }

  // Ends the current row's line: printed at once among the first rows (or
  // with --all), kept among the last rows otherwise. At the end, prints the
  // kept rows.
  void Flush(bool at_end) {
    if (!line_.empty() && (options_.all || row_ <= options_.rows)) {
      std::printf("%s\n", line_.c_str());
    } else if (!line_.empty()) {
      last_.push_back(line_);
      if (last_.size() > options_.rows) last_.pop_front();
      ++skipped_;
    }
    line_.clear();
    if (at_end) {
      if (skipped_ > last_.size()) std::printf("  ... %zu rows not shown ...\n", skipped_ - last_.size());
      for (const std::string& kept : last_) std::printf("%s\n", kept.c_str());
      last_.clear();
    }
  }

  std::span<const std::uint8_t> bytes_;
  const Options& options_;
  DsRef<DSEXTRACT> reader_ = DSEXTRACT::Create();
  std::vector<TableColumns> tables_;
  std::string line_;
  std::size_t row_ = 0;
  std::deque<std::string> last_;
  std::size_t skipped_ = 0;
};

bool LooksLikePacket(std::string_view bytes) {
  if (bytes.size() < 4) return false;
  base::ByteCursor at({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  std::uint32_t magic = 0;
  at.Read(magic);
  return magic == kMagic || magic == kMagicUnversioned;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseArguments(argc, argv);
  if (!options) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::ifstream in(options->file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "phonebook_dump: cannot read %s\n", options->file.c_str());
    return 2;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::span<const std::uint8_t> view{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
  if (options->kind == "stream" || (options->kind == "auto" && tools::LooksLikeComponentStream(view))) {
    std::printf("%s: component stream, %zu bytes\n", options->file.c_str(), bytes.size());
    return tools::DumpComponentStream(view, stdout, stderr);
  }
  const bool packet = options->kind == "packet" || (options->kind == "auto" && LooksLikePacket(bytes));
  if (!packet) {
    std::fprintf(stderr, "phonebook_dump: %s: %s\n", options->file.c_str(),
                 options->kind == "auto" ? "not a kind of file this tool knows" : "unknown --kind");
    return 2;
  }
  std::printf("%s: ", options->file.c_str());
  return PacketDump({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, *options).Run();
}
