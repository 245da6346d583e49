#include "tools/version_info.h"

#include <algorithm>
#include <cctype>

#include "base/byte_cursor.h"
#include "text/utf8.h"

namespace tools {

namespace {

constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
constexpr std::size_t kFixedSize = 52;

// One node of the block: a length, a value length, a type (1 text, 0 binary),
// a key, the value and the child nodes; each part starts at a multiple of 4
// bytes from the block's start. Offsets here are from the block's start.
struct Node {
  std::u16string key;
  std::span<const std::uint8_t> value;
  std::size_t children = 0;  // where the first child would start
  std::size_t end = 0;       // where the node ends
};

std::size_t Aligned(std::size_t offset, std::size_t end) {
  return std::min((offset + 3) & ~std::size_t{3}, end);
}

// Reads the node at `offset`, which must end by `limit`.
bool ReadNode(std::span<const std::uint8_t> block, std::size_t offset, std::size_t limit, Node& node) {
  base::ByteCursor header(block.first(limit));
  std::uint16_t length = 0, value_length = 0, type = 0;
  header.Seek(offset);
  header.Read(length);
  if (!header.Ok() || length < 6 || length > limit - offset) return false;
  node.end = offset + length;
  base::ByteCursor cursor(block.first(node.end));
  cursor.Seek(offset + 2);
  cursor.Read(value_length);
  cursor.Read(type);
  node.key.clear();
  for (std::uint16_t unit = 1; cursor.Read(unit) && unit != 0;)
    node.key.push_back(static_cast<char16_t>(unit));
  if (!cursor.Ok()) return false;
  const std::size_t value_bytes = type == 1 ? std::size_t{value_length} * 2 : value_length;
  if (!cursor.Seek(Aligned(cursor.Position(), node.end)) || !cursor.ReadSpan(value_bytes, node.value)) {
    return false;
  }
  node.children = Aligned(cursor.Position(), node.end);
  return true;
}

// Calls `visit(child)` for each child of `parent`; false when one is malformed.
template <typename Visit>
bool ForEachChild(std::span<const std::uint8_t> block, const Node& parent, Visit visit) {
  for (std::size_t offset = parent.children; offset < parent.end;) {
    Node child;
    if (!ReadNode(block, offset, parent.end, child) || !visit(child)) return false;
    offset = Aligned(child.end, parent.end);
  }
  return true;
}

// A text value without its terminating zero, in UTF-8.
std::string TextValue(std::span<const std::uint8_t> value) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
    const auto unit = static_cast<char16_t>(value[i] | (value[i + 1] << 8));
    if (unit == 0) break;
    text.push_back(unit);
  }
  return text::Utf16ToUtf8(text);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

void SplitVersion(std::uint32_t most, std::uint32_t least, std::uint16_t (&out)[4]) {
  out[0] = static_cast<std::uint16_t>(most >> 16);
  out[1] = static_cast<std::uint16_t>(most);
  out[2] = static_cast<std::uint16_t>(least >> 16);
  out[3] = static_cast<std::uint16_t>(least);
}

bool ReadFixedPart(std::span<const std::uint8_t> value, VersionInfo& info) {
  base::ByteCursor fixed(value);
  std::uint32_t signature = 0, struct_version = 0, file_ms = 0, file_ls = 0, product_ms = 0, product_ls = 0;
  std::uint32_t flags_mask = 0, flags = 0;
  fixed.Read(signature);
  fixed.Read(struct_version);
  fixed.Read(file_ms);
  fixed.Read(file_ls);
  fixed.Read(product_ms);
  fixed.Read(product_ls);
  fixed.Read(flags_mask);
  fixed.Read(flags);
  fixed.Read(info.file_os);
  fixed.Read(info.file_type);
  if (!fixed.Ok() || value.size() < kFixedSize || signature != kFixedSignature) return false;
  SplitVersion(file_ms, file_ls, info.file_version);
  SplitVersion(product_ms, product_ls, info.product_version);
  return true;
}

}  // namespace

bool ReadVersionInfo(std::span<const std::uint8_t> block, VersionInfo& info) {
  info = VersionInfo{};
  Node root;
  if (!ReadNode(block, 0, block.size(), root) || text::Utf16ToUtf8(root.key) != "VS_VERSION_INFO")
    return false;
  if (!ReadFixedPart(root.value, info)) return false;
  return ForEachChild(block, root, [&](const Node& child) {
    const std::string key = text::Utf16ToUtf8(child.key);
    if (key == "StringFileInfo") {
      return ForEachChild(block, child, [&](const Node& table) {
        auto& strings = info.strings[Upper(text::Utf16ToUtf8(table.key))];
        return ForEachChild(block, table, [&](const Node& entry) {
          strings[text::Utf16ToUtf8(entry.key)] = TextValue(entry.value);
          return true;
        });
      });
    }
    if (key == "VarFileInfo") {
      return ForEachChild(block, child, [&](const Node& var) {
        if (text::Utf16ToUtf8(var.key) != "Translation") return true;
        base::ByteCursor pairs(var.value);
        VersionTranslation translation;
        while (pairs.Read(translation.language) && pairs.Read(translation.code_page)) {
          info.translations.push_back(translation);
        }
        return true;
      });
    }
    return true;
  });
}

}  // namespace tools
