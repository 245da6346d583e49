#include "tools/stream_dump.h"

#include <string>

#include "resources/read_error.h"
#include "resources/stream_format.h"
#include "resources/stream_limits.h"
#include "resources/value_reader.h"

namespace tools {

namespace {

using resources::ValueTag;

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    } else {
      out += c;  // 1251 bytes as stored
    }
  }
  return out + "\"";
}

std::string Show(const resources::Value& value, int indent);

std::string ShowProperties(const std::vector<resources::PropertyEntry>& properties, int indent) {
  std::string out;
  for (const resources::PropertyEntry& entry : properties)
    out += std::string(static_cast<std::size_t>(indent), ' ') + entry.name + " = " +
           Show(entry.value, indent) + "\n";
  return out;
}

std::string Show(const resources::Value& value, int indent) {
  switch (value.tag) {
    case ValueTag::kInt8:
    case ValueTag::kInt16:
    case ValueTag::kInt32:
    case ValueTag::kInt64:
      return std::to_string(value.integer);
    case ValueTag::kCurrency:
      return std::to_string(value.integer) + " (currency, ten-thousandths)";
    case ValueTag::kExtended:
    case ValueTag::kSingle:
    case ValueTag::kDate: {
      char number[64];
      std::snprintf(number, sizeof number, "%.17g", value.real);
      return value.tag == ValueTag::kDate ? std::string(number) + " (date)" : std::string(number);
    }
    case ValueTag::kString:
    case ValueTag::kLongString:
      return Quoted(value.text);
    case ValueTag::kWideString:
      return Quoted(value.text) + " (wide)";
    case ValueTag::kUtf8String:
      return Quoted(value.text) + " (UTF-8)";
    case ValueTag::kIdent:
      return value.text;
    case ValueTag::kFalse:
      return "False";
    case ValueTag::kTrue:
      return "True";
    case ValueTag::kNil:
      return "nil";
    case ValueTag::kBinary:
      return "binary, " + std::to_string(value.binary.size()) + " bytes";
    case ValueTag::kSet: {
      std::string out = "[";
      for (std::size_t i = 0; i < value.set.size(); ++i) out += (i ? ", " : "") + value.set[i];
      return out + "]";
    }
    case ValueTag::kList: {
      std::string out = "list of " + std::to_string(value.list.size()) + "\n";
      for (const resources::Value& item : value.list)
        out += std::string(static_cast<std::size_t>(indent + 2), ' ') + Show(item, indent + 2) + "\n";
      if (!out.empty()) out.pop_back();
      return out;
    }
    case ValueTag::kCollection: {
      std::string out = "collection of " + std::to_string(value.items.size());
      for (std::size_t i = 0; i < value.items.size(); ++i) {
        out += "\n" + std::string(static_cast<std::size_t>(indent + 2), ' ') + "item " + std::to_string(i) +
               "\n";
        out += ShowProperties(value.items[i].properties, indent + 4);
        out.pop_back();
      }
      return out;
    }
    default:
      return "?";
  }
}

void DumpRecord(resources::ValueReader& reader, std::FILE* out, int depth,
                const resources::StreamLimits& limits) {
  if (static_cast<std::size_t>(depth) > limits.max_depth)
    throw resources::EReadError("Invalid stream format");
  std::string flags;
  if ((reader.PeekByte() & resources::kPrefixMark) == resources::kPrefixMark) {
    const std::uint8_t prefix = reader.ReadByte();
    if (prefix & resources::kInherited) flags += " inherited";
    if (prefix & resources::kInline) flags += " inline";
    if (prefix & resources::kChildPosition) flags += " position " + std::to_string(reader.ReadInteger());
  }
  const std::string class_name = reader.ReadShortString();
  const std::string name = reader.ReadShortString();
  const int indent = depth * 2;
  std::fprintf(out, "%*s%s %s%s\n", indent, "", class_name.c_str(), name.empty() ? "(no name)" : name.c_str(),
               flags.c_str());
  while (!reader.EndOfList()) {
    const std::string property = reader.ReadShortString();
    const resources::Value value = reader.ReadValue();
    std::fprintf(out, "%*s  %s = %s\n", indent, "", property.c_str(), Show(value, indent + 2).c_str());
  }
  while (!reader.EndOfList()) DumpRecord(reader, out, depth + 1, limits);
}

}  // namespace

bool LooksLikeComponentStream(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 4 && bytes[0] == 'T' && bytes[1] == 'P' && bytes[2] == 'F' && bytes[3] == '0';
}

int DumpComponentStream(std::span<const std::uint8_t> bytes, std::FILE* out, std::FILE* err) {
  const resources::StreamLimits limits;
  resources::ValueReader reader(bytes, limits);
  try {
    reader.ReadSignature();
    DumpRecord(reader, out, 0, limits);
    std::fprintf(out, "end at offset %zu of %zu\n", reader.Position(), bytes.size());
  } catch (const resources::EReadError& error) {
    std::fprintf(err, "read error at offset %zu: %s\n", reader.Position(), error.Message().c_str());
    return 1;
  }
  return 0;
}

}  // namespace tools
