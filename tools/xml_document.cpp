#include "tools/xml_document.h"

#include <algorithm>

#include "text/utf8.h"

namespace tools {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
         static_cast<unsigned char>(c) >= 0x80;
}
bool IsNameChar(char c) {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// `code` (a Unicode scalar value) appended in UTF-8.
void AppendUtf8(std::string& out, std::uint32_t code) {
  std::u16string units;
  if (code >= 0x10000) {
    code -= 0x10000;
    units = {static_cast<char16_t>(0xD800 + (code >> 10)), static_cast<char16_t>(0xDC00 + (code & 0x3FF))};
  } else {
    units = {static_cast<char16_t>(code)};
  }
  out += text::Utf16ToUtf8(units);
}

class XmlReader {
 public:
  explicit XmlReader(std::string_view text) : text_(text) {}

  XmlError Document(XmlElement& root) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    if (!Misc()) return error_;
    if (!At("<")) return Fail("no root element");
    if (!Element(root, 1)) return error_;
    if (!Misc()) return error_;
    if (pos_ != text_.size()) return Fail("text after the root element");
    return error_;
  }

 private:
  XmlError Fail(std::string reason) {
    if (!error_.failed) error_ = {true, pos_, std::move(reason)};
    return error_;
  }
  bool Failed(std::string reason) {
    Fail(std::move(reason));
    return false;
  }
  bool At(std::string_view what) const { return text_.substr(pos_, what.size()) == what; }
  void SkipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
  }
  // Moves past the next `end`; false when the text ends first.
  bool SkipPast(std::string_view end) {
    const std::size_t found = text_.find(end, pos_);
    if (found == std::string_view::npos) return false;
    pos_ = found + end.size();
    return true;
  }

  // Skips a comment or a processing instruction at the read position;
  // `skipped` tells whether there was one. False when it is malformed.
  bool SkipCommentOrInstruction(bool& skipped) {
    skipped = true;
    if (At("<!--")) return Comment();
    if (At("<?")) return SkipPast("?>") || Failed("unterminated processing instruction");
    skipped = false;
    return true;
  }

  // Comments, processing instructions and blanks outside the root.
  bool Misc() {
    for (;;) {
      SkipSpace();
      bool skipped = false;
      if (!SkipCommentOrInstruction(skipped)) return false;
      if (skipped) continue;
      if (At("<!")) return Failed("document types are not read");
      return true;
    }
  }

  bool Comment() {
    pos_ += 4;
    const std::size_t end = text_.find("--", pos_);
    if (end == std::string_view::npos || text_.substr(end, 3) != "-->") return Failed("malformed comment");
    pos_ = end + 3;
    return true;
  }

  bool Name(std::string& name) {
    const std::size_t start = pos_;
    if (pos_ >= text_.size() || !IsNameStart(text_[pos_])) return Failed("a name was expected");
    while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
    name.assign(text_.substr(start, pos_ - start));
    return true;
  }

  // A character reference or one of the five named ones, after its "&".
  bool Reference(std::string& out) {
    const std::size_t end = text_.find(';', pos_);
    if (end == std::string_view::npos || end - pos_ > 10) return Failed("malformed reference");
    const std::string_view name = text_.substr(pos_ + 1, end - pos_ - 1);
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, c] : kNamed) {
      if (name == entity) {
        out.push_back(c);
        pos_ = end + 1;
        return true;
      }
    }
    if (name.size() < 2 || name[0] != '#') return Failed("unknown reference");
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return Failed("malformed character reference");
    std::uint32_t code = 0;
    for (char c : digits) {
      int digit = -1;
      if (c >= '0' && c <= '9') digit = c - '0';
      if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      if (digit < 0) return Failed("malformed character reference");
      code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
      if (code > 0x10FFFF) return Failed("character reference out of range");
    }
    if (code == 0 || (code >= 0xD800 && code <= 0xDFFF)) return Failed("character reference out of range");
    AppendUtf8(out, code);
    pos_ = end + 1;
    return true;
  }

  bool AttributeValue(std::string& value) {
    if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\''))
      return Failed("a quote was expected");
    const char quote = text_[pos_++];
    for (;;) {
      if (pos_ >= text_.size()) return Failed("unterminated attribute value");
      const char c = text_[pos_];
      if (c == quote) break;
      if (c == '<') return Failed("'<' in an attribute value");
      if (c == '&') {
        if (!Reference(value)) return false;
      } else {
        value.push_back(c);
        ++pos_;
      }
    }
    ++pos_;
    return true;
  }

  // The element whose "<" is at the read position.
  bool Element(XmlElement& element, int depth) {
    if (depth > kMaxXmlDepth) return Failed("elements nested too deep");
    ++pos_;
    if (!Name(element.name)) return false;
    for (;;) {
      const std::size_t before = pos_;
      SkipSpace();
      if (At("/>")) {
        pos_ += 2;
        return true;
      }
      if (At(">")) {
        ++pos_;
        break;
      }
      if (pos_ == before) return Failed("a blank was expected before an attribute");
      std::string name, value;
      if (!Name(name)) return false;
      SkipSpace();
      if (!At("=")) return Failed("'=' was expected");
      ++pos_;
      SkipSpace();
      if (!AttributeValue(value)) return false;
      if (element.Attribute(name)) return Failed("attribute " + name + " given twice");
      element.attributes.emplace_back(std::move(name), std::move(value));
    }
    return Content(element, depth);
  }

  // The content up to and including the element's end tag.
  bool Content(XmlElement& element, int depth) {
    for (;;) {
      if (pos_ >= text_.size()) return Failed("element " + element.name + " is not closed");
      if (At("</")) {
        pos_ += 2;
        std::string name;
        if (!Name(name)) return false;
        if (name != element.name) return Failed("end tag " + name + " does not close " + element.name);
        SkipSpace();
        if (!At(">")) return Failed("'>' was expected");
        ++pos_;
        return true;
      }
      bool skipped = false;
      if (!SkipCommentOrInstruction(skipped)) return false;
      if (skipped) continue;
      if (At("<!")) return Failed("CDATA and declarations are not read");
      if (At("<")) {
        element.children.emplace_back();
        if (!Element(element.children.back(), depth + 1)) return false;
      } else if (At("&")) {
        if (!Reference(element.text)) return false;
      } else {
        element.text.push_back(text_[pos_++]);
      }
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  XmlError error_;
};

void Collect(const XmlElement& element, std::string_view name, std::vector<const XmlElement*>& out) {
  if (element.LocalName() == name) out.push_back(&element);
  for (const XmlElement& child : element.children) Collect(child, name, out);
}

}  // namespace

std::string_view XmlElement::LocalName() const {
  const std::string_view whole = name;
  const std::size_t colon = whole.find(':');
  return colon == std::string_view::npos ? whole : whole.substr(colon + 1);
}

const std::string* XmlElement::Attribute(std::string_view attribute) const {
  const auto found = std::find_if(attributes.begin(), attributes.end(),
                                  [attribute](const auto& pair) { return pair.first == attribute; });
  return found == attributes.end() ? nullptr : &found->second;
}

XmlError ReadXml(std::string_view text, XmlElement& root) {
  root = XmlElement{};
  return XmlReader(text).Document(root);
}

std::vector<const XmlElement*> ElementsNamed(const XmlElement& element, std::string_view name) {
  std::vector<const XmlElement*> found;
  Collect(element, name, found);
  return found;
}

}  // namespace tools
