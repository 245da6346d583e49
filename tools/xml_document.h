// XmlElement and ReadXml: a small reader of the XML the build checks (the
// program's manifest): elements, attributes, text, comments, processing
// instructions and the five named and the numeric character references; no
// document type, no CDATA. Well-formedness is checked (names, quotes, matching
// end tags, one root, unique attributes); element nesting is bounded. Reads
// only inside the given text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tools {

struct XmlElement {
  std::string name;  // as written, with its prefix
  std::vector<std::pair<std::string, std::string>> attributes;
  std::vector<XmlElement> children;
  std::string text;  // the element's own text, its children's left out

  // The name without its namespace prefix.
  std::string_view LocalName() const;
  // The attribute's value, or null.
  const std::string* Attribute(std::string_view name) const;
};

struct XmlError {
  bool failed = false;
  std::size_t offset = 0;  // where reading stopped
  std::string reason;
};

inline constexpr int kMaxXmlDepth = 64;

// Reads `text` (UTF-8, an optional byte order mark first) into `root`.
XmlError ReadXml(std::string_view text, XmlElement& root);

// Every element below and including `element` whose local name is `name`, in document order.
std::vector<const XmlElement*> ElementsNamed(const XmlElement& element, std::string_view name);

}  // namespace tools
