#include "resources/form_compiler.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <vector>

#include "resources/collection.h"
#include "resources/component_stream_writer.h"
#include "text/cp1251.h"
#include "text/utf8.h"

namespace resources {

FormCompileError::FormCompileError(std::string file, int line, std::string reason)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + reason),
      file_(std::move(file)),
      line_(line),
      reason_(std::move(reason)) {}

namespace {

struct Property;

struct Value {
  enum class Kind { kInteger, kReal, kText, kWord, kTrue, kFalse, kNil, kSet, kList, kCollection, kPacket };
  Kind kind = Kind::kNil;
  int line = 0;
  std::int64_t integer = 0;
  double real = 0;
  std::string text;                               // text, word, packet file name
  std::vector<std::string> elements;              // set
  std::vector<Value> items;                       // list
  std::vector<std::vector<Property>> collection;  // collection items
};

struct Property {
  std::string path;
  Value value;
  int line = 0;
};

struct Node {
  std::string class_name;
  std::string name;
  int line = 0;
  std::vector<Property> properties;
  std::vector<Node> children;
};

bool IsWordStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsWordChar(char c) {
  return IsWordStart(c) || IsDigit(c);
}

// Recursive descent over the description text.
class Parser {
 public:
  Parser(std::string_view text, const std::string& file) : text_(text), file_(file) {}

  Node Parse() {
    std::vector<Node*> open;  // the component of each level, root first
    Node root;
    bool have_root = false;
    while (true) {
      SkipBlanks(false);
      if (AtEnd()) break;
      if (Peek() == '\n') {
        Advance();
        continue;
      }
      if (Peek() == '+') {
        std::size_t depth = 0;
        while (!AtEnd() && Peek() == '+') {
          Advance();
          ++depth;
        }
        Node node;
        node.line = line_;
        SkipBlanks(false);
        node.class_name = Word("a class name");
        SkipBlanks(false);
        if (!AtEnd() && IsWordStart(Peek())) node.name = Word("an object name");
        EndOfLine();
        if (depth == 1) {
          if (have_root) Fail(node.line, "a second root component");
          root = std::move(node);
          have_root = true;
          open.assign(1, &root);
        } else {
          if (!have_root || depth - 1 > open.size())
            Fail(node.line, "a component nested deeper than one level below the one before it");
          open.resize(depth - 1);
          Node* parent = open.back();
          parent->children.push_back(std::move(node));
          open.push_back(&parent->children.back());
        }
        continue;
      }
      if (open.empty()) Fail(line_, "a property before the root component line");
      // A property line belongs to the component line last seen.
      open.back()->properties.push_back(PropertyEntry());
      EndOfLine();
    }
    if (!have_root) Fail(line_, "no component");
    return root;
  }

 private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return text_[pos_]; }
  void Advance() {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }
  [[noreturn]] void Fail(int line, const std::string& reason) const {
    throw FormCompileError(file_, line, reason);
  }

  // Skips spaces, tabs, carriage returns and comments; line ends too when `newlines`.
  void SkipBlanks(bool newlines) {
    while (!AtEnd()) {
      const char c = Peek();
      if (c == ' ' || c == '\t' || c == '\r' || (newlines && c == '\n')) {
        Advance();
      } else if (c == '#') {
        while (!AtEnd() && Peek() != '\n') Advance();
      } else {
        break;
      }
    }
  }
  void EndOfLine() {
    SkipBlanks(false);
    if (!AtEnd() && Peek() != '\n')
      Fail(line_, std::string("unexpected '") + Peek() + "' at the end of a line");
  }
  void Expect(char c, bool newlines) {
    SkipBlanks(newlines);
    if (AtEnd() || Peek() != c) Fail(line_, std::string("'") + c + "' expected");
    Advance();
  }
  std::string Word(const char* what) {
    if (AtEnd() || !IsWordStart(Peek())) Fail(line_, std::string(what) + " expected");
    const std::size_t start = pos_;
    while (!AtEnd() && IsWordChar(Peek())) Advance();
    return std::string(text_.substr(start, pos_ - start));
  }

  Property PropertyEntry(bool newlines = false) {
    Property property;
    property.line = line_;
    property.path = Word("a property name or a component line");
    while (!AtEnd() && Peek() == '.') {
      Advance();
      property.path += '.';
      property.path += Word("a property name after '.'");
    }
    Expect(':', newlines);
    SkipBlanks(newlines);
    property.value = ParseValue(newlines);
    return property;
  }

  std::string Text() {
    Advance();  // the opening quote
    std::string out;
    while (true) {
      if (AtEnd() || Peek() == '\n') Fail(line_, "a text without its closing '\"'");
      char c = Peek();
      Advance();
      if (c == '"') {
        if (text::Utf16ToUtf8(text::Utf8ToUtf16(out)) != out)
          Fail(line_, "a text that is not well-formed UTF-8");
        return out;
      }
      if (c == '\\') {
        if (AtEnd()) Fail(line_, "a text without its closing '\"'");
        const char e = Peek();
        Advance();
        switch (e) {
          case '"':
            c = '"';
            break;
          case '\\':
            c = '\\';
            break;
          case 'n':
            c = '\n';
            break;
          case 'r':
            c = '\r';
            break;
          case 't':
            c = '\t';
            break;
          default:
            Fail(line_, std::string("unknown escape '\\") + e + "'");
        }
      }
      out += c;
    }
  }

  Value ParseValue(bool newlines) {
    Value value;
    value.line = line_;
    if (AtEnd() || Peek() == '\n') Fail(line_, "a value expected");
    const char c = Peek();
    if (c == '"') {
      value.kind = Value::Kind::kText;
      value.text = Text();
    } else if (c == '-' || IsDigit(c)) {
      Number(value);
    } else if (IsWordStart(c)) {
      value.text = Word("a value");
      if (value.text == "true") {
        value.kind = Value::Kind::kTrue;
      } else if (value.text == "false") {
        value.kind = Value::Kind::kFalse;
      } else if (value.text == "nil") {
        value.kind = Value::Kind::kNil;
      } else if (value.text == "packet") {
        SkipBlanks(newlines);
        if (AtEnd() || Peek() != '"') Fail(line_, "a file name text expected after 'packet'");
        value.kind = Value::Kind::kPacket;
        value.text = Text();
      } else {
        value.kind = Value::Kind::kWord;
      }
    } else if (c == '{') {
      Advance();
      value.kind = Value::Kind::kSet;
      for (SkipBlanks(true); !AtEnd() && Peek() != '}'; SkipBlanks(true))
        value.elements.push_back(Word("a set element"));
      Expect('}', true);
    } else if (c == '[') {
      Advance();
      value.kind = Value::Kind::kList;
      for (SkipBlanks(true); !AtEnd() && Peek() != ']'; SkipBlanks(true))
        value.items.push_back(ParseValue(true));
      Expect(']', true);
    } else if (c == '<') {
      Advance();
      value.kind = Value::Kind::kCollection;
      for (SkipBlanks(true); !AtEnd() && Peek() != '>'; SkipBlanks(true)) {
        Expect('(', true);
        std::vector<Property> item;
        for (SkipBlanks(true); !AtEnd() && Peek() != ')'; SkipBlanks(true)) {
          item.push_back(PropertyEntry(true));
          SkipBlanks(true);
          if (!AtEnd() && Peek() == ',') Advance();
        }
        Expect(')', true);
        value.collection.push_back(std::move(item));
      }
      Expect('>', true);
    } else {
      Fail(line_, std::string("unexpected '") + c + "' where a value should be");
    }
    return value;
  }

  void Number(Value& value) {
    const std::size_t start = pos_;
    if (Peek() == '-') Advance();
    if (AtEnd() || !IsDigit(Peek())) Fail(line_, "a digit expected");
    while (!AtEnd() && IsDigit(Peek())) Advance();
    bool real = false;
    if (!AtEnd() && Peek() == '.') {
      real = true;
      Advance();
      if (AtEnd() || !IsDigit(Peek())) Fail(line_, "a digit expected after '.'");
      while (!AtEnd() && IsDigit(Peek())) Advance();
    }
    const std::string digits(text_.substr(start, pos_ - start));
    try {
      if (real) {
        value.kind = Value::Kind::kReal;
        value.real = std::stod(digits);
      } else {
        value.kind = Value::Kind::kInteger;
        value.integer = std::stoll(digits);
      }
    } catch (const std::out_of_range&) {
      Fail(line_, "the number " + digits + " is out of range");
    }
  }

  std::string_view text_;
  const std::string& file_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Checks the parsed description against live objects of its classes and
// writes the stream.
class Compiler {
 public:
  Compiler(const std::string& file, const FormCompileOptions& options) : file_(file), options_(options) {}

  std::string Compile(const Node& root) {
    CollectNames(root);
    base::TComponent owner(nullptr);
    base::TComponent* window =
        options_.create_window ? options_.create_window(root.class_name, &owner) : nullptr;
    if (!window) Fail(root.line, "Class " + root.class_name + " is not a window class");
    root_class_ = options_.registry->FindFor(*window);
    if (!root_class_) Fail(root.line, "Class " + root.class_name + " not found");
    writer_.Signature();
    WriteNode(root, *window, *root_class_, owner);
    return writer_.Finish();
  }

 private:
  [[noreturn]] void Fail(int line, const std::string& reason) const {
    throw FormCompileError(file_, line, reason);
  }

  void CollectNames(const Node& node) {
    if (!node.name.empty()) {
      for (const std::string& known : names_)
        if (base::SameNameIgnoringAsciiCase(known, node.name))
          Fail(node.line, "A component named " + node.name + " already exists");
      names_.push_back(node.name);
    }
    for (const Node& child : node.children) CollectNames(child);
  }
  bool KnownName(std::string_view name) const {
    for (const std::string& known : names_)
      if (base::SameNameIgnoringAsciiCase(known, name)) return true;
    return false;
  }

  void WriteNode(const Node& node, base::TPersistent& object, const ClassInfo& info,
                 base::TComponent& owner) {
    writer_.BeginObject(node.class_name, node.name);
    for (const Property& property : node.properties) {
      writer_.Property(property.path);
      WriteProperty(property, object, info);
    }
    writer_.EndProperties();
    for (const Node& child : node.children) {
      const ClassInfo* child_info = options_.registry->Find(child.class_name);
      if (!child_info || !child_info->create) Fail(child.line, "Class " + child.class_name + " not found");
      std::unique_ptr<base::TComponent> instance(child_info->create(&owner));
      WriteNode(child, *instance, *child_info, owner);
    }
    writer_.EndObject();
  }

  // Walks the dotted path, then checks and writes the value.
  void WriteProperty(const Property& property, base::TPersistent& start, const ClassInfo& start_info) {
    base::TPersistent* object = &start;
    const ClassInfo* info = &start_info;
    std::string_view rest = property.path;
    while (true) {
      const std::size_t dot = rest.find('.');
      const std::string_view step = rest.substr(0, dot);
      if (dot == std::string_view::npos) break;
      const PropertyInfo* sub = info->FindProperty(step);
      if (!sub)
        Fail(property.line, "Property " + property.path + " does not exist on " + std::string(info->name));
      base::TPersistent* next =
          sub->kind == PropertyKind::kObject && sub->get_object ? sub->get_object(*object) : nullptr;
      if (!next) Fail(property.line, "Invalid property path " + property.path);
      object = next;
      info = options_.registry->FindFor(*object);
      if (!info) Fail(property.line, std::string("Class ") + object->ClassName() + " not found");
      rest = rest.substr(dot + 1);
    }
    const Value& value = property.value;
    if (const PropertyInfo* published = info->FindProperty(rest)) {
      WritePublished(property, *published, *object);
    } else if (info->FindExtra(rest)) {
      WriteExtra(value);
    } else {
      Fail(property.line, "Property " + property.path + " does not exist on " + std::string(info->name));
    }
  }

  [[noreturn]] void WrongKind(const Property& property, const char* expected) const {
    Fail(property.value.line, "Invalid property value for " + property.path + ": " + expected + " expected");
  }

  static bool Named(std::span<const NamedValue> names, std::string_view word, std::int32_t* out = nullptr) {
    for (const NamedValue& named : names)
      if (base::SameNameIgnoringAsciiCase(named.name, word)) {
        if (out) *out = named.value;
        return true;
      }
    return false;
  }

  void WritePublished(const Property& property, const PropertyInfo& published, base::TPersistent& object) {
    using Kind = Value::Kind;
    const Value& value = property.value;
    if (!published.set && published.kind != PropertyKind::kObject)
      Fail(property.line, "Property " + property.path + " is read-only");
    switch (published.kind) {
      case PropertyKind::kInteger:
        if (value.kind == Kind::kInteger) {
          writer_.Integer(value.integer);
        } else if (value.kind == Kind::kWord && Named(published.names, value.text)) {
          writer_.Ident(value.text);
        } else if (value.kind == Kind::kWord) {
          Fail(value.line,
               "Invalid property value for " + property.path + ": unknown constant " + value.text);
        } else {
          WrongKind(property, "an integer");
        }
        break;
      case PropertyKind::kEnumeration:
        if (value.kind != Kind::kWord) WrongKind(property, "an element name");
        if (!Named(published.names, value.text))
          Fail(value.line, "Invalid property value for " + property.path + ": unknown element " + value.text);
        writer_.Ident(value.text);
        break;
      case PropertyKind::kSet:
        if (value.kind != Kind::kSet) WrongKind(property, "a set");
        for (const std::string& element : value.elements)
          if (!Named(published.names, element))
            Fail(value.line,
                 "Invalid property value for " + property.path + ": unknown set element " + element);
        writer_.Set(value.elements);
        break;
      case PropertyKind::kFloat:
        if (value.kind == Kind::kReal) {
          writer_.Extended(value.real);
        } else if (value.kind == Kind::kInteger) {
          writer_.Integer(value.integer);
        } else {
          WrongKind(property, "a number");
        }
        break;
      case PropertyKind::kString:
        if (value.kind != Kind::kText) WrongKind(property, "a text");
        if (text::Cp1251ToUtf8(text::Utf8ToCp1251(value.text)) != value.text)
          Fail(value.line,
               "Invalid property value for " + property.path + ": a character that 1251 cannot hold");
        WriteText(value.text);
        break;
      case PropertyKind::kWideString:
        if (value.kind != Kind::kText) WrongKind(property, "a text");
        WriteText(value.text);
        break;
      case PropertyKind::kBoolean:
        if (value.kind != Kind::kTrue && value.kind != Kind::kFalse) WrongKind(property, "true or false");
        writer_.Boolean(value.kind == Kind::kTrue);
        break;
      case PropertyKind::kObject:
        WriteCollection(property, published, object);
        break;
      case PropertyKind::kComponent:
        if (value.kind == Kind::kNil) {
          writer_.Nil();
        } else if (value.kind == Kind::kWord) {
          if (!KnownName(value.text))
            Fail(value.line,
                 "Invalid property value for " + property.path + ": no component named " + value.text);
          writer_.Ident(value.text);
        } else {
          WrongKind(property, "a component name");
        }
        break;
      case PropertyKind::kEvent:
        if (value.kind == Kind::kNil) {
          writer_.Nil();
        } else if (value.kind == Kind::kWord) {
          const MethodInfo* method = root_class_->FindMethod(value.text);
          if (!method)
            Fail(value.line, "Invalid property value for " + property.path + ": " +
                                 std::string(root_class_->name) + " has no method " + value.text);
          if (method->signature != published.signature)
            Fail(value.line, "Invalid property value for " + property.path + ": method " + value.text +
                                 " has other parameters than the event");
          writer_.Ident(value.text);
        } else {
          WrongKind(property, "a method name");
        }
        break;
    }
  }

  void WriteText(const std::string& text) {
    if (!IsAscii(text)) {
      writer_.Utf8StringBytes(text);
    } else if (text.size() <= 255) {
      writer_.String(text);
    } else {
      writer_.LongString(text);
    }
  }

  void WriteCollection(const Property& property, const PropertyInfo& published, base::TPersistent& object) {
    const Value& value = property.value;
    if (value.kind == Value::Kind::kNil) {
      writer_.Nil();
      return;
    }
    auto* collection =
        dynamic_cast<TCollection*>(published.get_object ? published.get_object(object) : nullptr);
    if (!collection || value.kind != Value::Kind::kCollection) WrongKind(property, "a collection");
    writer_.BeginCollection();
    for (const std::vector<Property>& item_properties : value.collection) {
      TCollectionItem& item = collection->Add();
      const ClassInfo* item_info = options_.registry->FindFor(item);
      if (!item_info) Fail(value.line, std::string("Class ") + item.ClassName() + " not found");
      writer_.BeginItem();
      for (const Property& item_property : item_properties) {
        writer_.Property(item_property.path);
        WriteProperty(item_property, item, *item_info);
      }
      writer_.EndItem();
    }
    writer_.EndCollection();
  }

  void WriteExtra(const Value& value) {
    if (value.kind == Value::Kind::kList) {
      writer_.BeginList();
      for (const Value& item : value.items) {
        if (item.kind != Value::Kind::kText)
          Fail(item.line, "Invalid property value: a list of texts expected");
        WriteText(item.text);
      }
      writer_.EndList();
    } else if (value.kind == Value::Kind::kPacket) {
      const std::filesystem::path path = options_.packet_dir / value.text;
      std::ifstream in(path, std::ios::binary);
      if (!in) Fail(value.line, "cannot read the packet " + path.string());
      const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (bytes.size() > 0x7FFFFFFF) Fail(value.line, "the packet " + path.string() + " is too large");
      const auto length = static_cast<std::uint32_t>(bytes.size());
      std::string payload;
      for (int shift = 0; shift < 32; shift += 8) payload += static_cast<char>((length >> shift) & 0xFF);
      payload += bytes;
      writer_.Binary(payload);
    } else {
      Fail(value.line, "Invalid property value: a list of texts or a packet expected");
    }
  }

  const std::string& file_;
  const FormCompileOptions& options_;
  const ClassInfo* root_class_ = nullptr;
  std::vector<std::string> names_;
  ComponentStreamWriter writer_;
};

}  // namespace

std::string CompileFormDescription(std::string_view description, const std::string& file,
                                   const FormCompileOptions& options) {
  if (!options.registry) throw FormCompileError(file, 0, "no class registry");
  const Node root = Parser(description, file).Parse();
  return Compiler(file, options).Compile(root);
}

}  // namespace resources
