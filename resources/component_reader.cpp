// The component reader. Sections:
//   1. records: the root, children, prefix bytes
//   2. properties: dotted paths, published and extra properties, values by kind
//   3. collections
//   4. references and the end of the read
#include "resources/component_reader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/format.h"
#include "resources/collection.h"
#include "resources/read_error.h"
#include "resources/value_reader.h"

namespace resources {

namespace {

// A component reference waiting for the end of the stream.
struct Fixup {
  base::TPersistent* object = nullptr;
  const PropertyInfo* property = nullptr;
  std::string target;                                     // the name to resolve
  std::string component;                                  // for the message: the component read
  std::string path;                                       // for the message: the property path
  std::vector<const base::TPersistent*> enclosing_items;  // collection items `object` lives in
};

const NamedValue* FindNamed(std::span<const NamedValue> names, std::string_view name) {
  for (const NamedValue& named : names) {
    if (base::SameNameIgnoringAsciiCase(named.name, name)) return &named;
  }
  return nullptr;
}

std::string DisplayName(const base::TComponent& component) {
  return component.Name().empty() ? std::string(component.ClassName()) : component.Name();
}

class Reader {
 public:
  Reader(std::span<const std::uint8_t> stream, base::TComponent& window, const ClassRegistry& registry,
         const StreamLimits& limits, ReadProgress* progress, StreamBytes bytes)
      : in_(stream, limits, bytes == StreamBytes::kOutliveComponents),
        window_(window),
        registry_(registry),
        progress_(progress) {}

  void Run() {
    try {
      in_.ReadSignature();
      ReadRoot();
      ResolveFixups();
      if (progress_) progress_->RecordsRead();
      for (base::TComponent* component : loaded_) {
        component->SetLoading(false);
        component->Loaded();
        if (progress_) progress_->ComponentLoaded(*component);
      }
    } catch (...) {
      fixups_.clear();
      for (base::TComponent* component : loaded_) component->SetLoading(false);
      for (auto it = created_.rbegin(); it != created_.rend(); ++it) base::TComponent::Destroy(*it);
      created_.clear();
      throw;
    }
  }

 private:
  // --- 1. Records ---

  struct Prefix {
    std::uint8_t flags = 0;
    int position = 0;
  };

  Prefix ReadPrefix() {
    Prefix prefix;
    if (in_.PeekByte() >= kPrefixMark) {
      prefix.flags = static_cast<std::uint8_t>(in_.ReadByte() & 0x0F);
      if (prefix.flags & kChildPosition) prefix.position = in_.ReadInteger();
    }
    return prefix;
  }

  void ReadRoot() {
    ValueReader::DepthGuard depth(in_);
    ReadPrefix();
    in_.ReadShortString();  // the class name: the window's class is known already
    window_.SetName(FreeTopLevelName(in_.ReadShortString()));
    window_.SetLoading(true);
    loaded_.push_back(&window_);
    ReadProperties(window_, window_);
    ReadChildren(window_);
  }

  // `name`, or the first "<name>_<n>" that no other component of the window's
  // owner has. Ends: each round rules out one of the owner's finitely many names.
  std::string FreeTopLevelName(const std::string& name) const {
    const base::TComponent* owner = window_.Owner();
    const auto taken = [&](const std::string& candidate) {
      const base::TComponent* other = owner ? owner->FindComponent(candidate) : nullptr;
      return other != nullptr && other != &window_;
    };
    if (!taken(name)) return name;
    for (int n = 1;; ++n) {
      std::string candidate = base::Format("%s_%d", name.c_str(), n);
      if (!taken(candidate)) return candidate;
    }
  }

  void ReadChildren(base::TComponent& parent) {
    for (std::size_t n = 0; !in_.EndOfList(); ++n) {
      in_.CheckElementCount(n + 1);
      ReadChild(parent);
    }
  }

  void ReadChild(base::TComponent& parent) {
    ValueReader::DepthGuard depth(in_);
    const Prefix prefix = ReadPrefix();
    const std::string class_name = in_.ReadShortString();
    const std::string name = in_.ReadShortString();
    base::TComponent* component = nullptr;
    if (prefix.flags & kInherited) {
      component = window_.FindComponent(name);
      // Only a component the window had before this read can be an ancestor's,
      // and each is read once: so records cannot nest a component in itself.
      const bool created_here = std::find(created_.begin(), created_.end(), component) != created_.end();
      if (!component || created_here)
        ValueReader::Fail(base::Format(kAncestorNotFound, name.c_str()).c_str());
      if (std::find(loaded_.begin(), loaded_.end(), component) != loaded_.end())
        ValueReader::Fail(base::Format(kDuplicateName, name.c_str()).c_str());
    } else {
      const ClassInfo* info = registry_.Find(class_name);
      if (!info || !info->create) ValueReader::Fail(base::Format(kClassNotFound, class_name.c_str()).c_str());
      if (!name.empty() && window_.FindComponent(name))
        ValueReader::Fail(base::Format(kDuplicateName, name.c_str()).c_str());
      if (created_.size() >= in_.Limits().max_components) ValueReader::Fail(kTooMany);
      created_.reserve(created_.size() + 1);  // so that push_back cannot throw with `component` unlisted
      component = info->create(&window_);
      created_.push_back(component);
      component->SetName(name);
    }
    loaded_.push_back(component);
    component->SetLoading(true);
    component->SetParentComponent(&parent);
    ReadProperties(*component, *component);
    ReadChildren(*component);
    if (prefix.flags & kChildPosition) parent.SetChildOrder(component, prefix.position);
  }

  // --- 2. Properties ---

  // Reads property entries up to the end of the list into `object`, which is
  // `component` or an object it holds (a sub-object, a collection item).
  void ReadProperties(base::TPersistent& object, base::TComponent& component) {
    for (std::size_t n = 0; !in_.EndOfList(); ++n) {
      in_.CheckElementCount(n + 1);
      ReadProperty(object, component);
    }
  }

  void ReadProperty(base::TPersistent& object, base::TComponent& component) {
    const std::string path = in_.ReadShortString();
    ++property_depth_;
    struct Leave {
      int& depth;
      ~Leave() { --depth; }
    } leave{property_depth_};
    try {
      base::TPersistent* target = &object;
      std::string_view rest = path;
      for (std::size_t dot; (dot = rest.find('.')) != std::string_view::npos; rest.remove_prefix(dot + 1)) {
        const ClassInfo* info = registry_.FindFor(*target);
        const PropertyInfo* step = info ? info->FindProperty(rest.substr(0, dot)) : nullptr;
        target = step && step->kind == PropertyKind::kObject ? step->get_object(*target) : nullptr;
        if (!target) {
          in_.SkipValue();
          ValueReader::Fail(kInvalidPropertyPath);
        }
      }
      const ClassInfo* info = registry_.FindFor(*target);
      if (const PropertyInfo* property = info ? info->FindProperty(rest) : nullptr) {
        ReadValue(*target, *property, component, path);
      } else if (const ExtraPropertyInfo* extra = info ? info->FindExtra(rest) : nullptr) {
        extra->read(*target, in_);
      } else {
        in_.SkipValue();
        ValueReader::Fail(base::Format(kPropertyDoesNotExist, std::string(rest).c_str()).c_str());
      }
    } catch (const base::Exception& error) {
      if (property_depth_ > 1) throw;  // the outermost property names the failure
      throw EReadError(base::Format(kErrorReading, DisplayName(component).c_str(), ".", path.c_str(),
                                    error.Message().c_str()));
    }
  }

  void ReadValue(base::TPersistent& object, const PropertyInfo& property, base::TComponent& component,
                 const std::string& path) {
    const ValueTag tag = in_.ReadTag();
    const auto refuse = [&](const char* message) {
      in_.SkipPayload(tag);
      ValueReader::Fail(message);
    };
    if (!property.set && property.kind != PropertyKind::kObject) refuse(kPropertyReadOnly);
    PropertyValue value;
    switch (property.kind) {
      case PropertyKind::kInteger:
        if (ValueReader::IsInteger(tag)) {
          value.integer = in_.ReadIntegerPayload(tag);
        } else if (tag == ValueTag::kIdent) {
          value.integer = ReadNamed(property.names);
        } else {
          refuse(kInvalidPropertyValue);
        }
        break;
      case PropertyKind::kEnumeration:
        if (tag != ValueTag::kIdent) refuse(kInvalidPropertyValue);
        value.integer = ReadNamed(property.names);
        break;
      case PropertyKind::kSet:
        if (tag != ValueTag::kSet) refuse(kInvalidPropertyValue);
        for (const std::string& element : in_.ReadSetPayload()) {
          // An element the set type does not know is ignored.
          const NamedValue* bit = FindNamed(property.names, element);
          if (bit && bit->value >= 0 && bit->value < 63) value.integer |= std::int64_t{1} << bit->value;
        }
        break;
      case PropertyKind::kFloat:
        if (tag == ValueTag::kExtended) {
          value.real = in_.ReadRealPayload(tag);
        } else if (ValueReader::IsInteger(tag)) {
          value.real = static_cast<double>(in_.ReadIntegerPayload(tag));
        } else {
          refuse(kInvalidPropertyValue);
        }
        break;
      case PropertyKind::kString:
        if (!ValueReader::IsText(tag)) refuse(kInvalidPropertyValue);
        value.text = in_.ReadTextPayload(tag);
        break;
      case PropertyKind::kWideString:
        if (!ValueReader::IsText(tag)) refuse(kInvalidPropertyValue);
        value.wide = in_.ReadWideTextPayload(tag);
        break;
      case PropertyKind::kBoolean:
        if (tag != ValueTag::kTrue && tag != ValueTag::kFalse) refuse(kInvalidPropertyValue);
        value.integer = tag == ValueTag::kTrue;
        break;
      case PropertyKind::kObject: {
        auto* collection = dynamic_cast<TCollection*>(property.get_object(object));
        if (tag != ValueTag::kCollection || !collection) refuse(kInvalidPropertyValue);
        ReadCollection(*collection, component);
        return;
      }
      case PropertyKind::kComponent:
        // The last value given wins: a reference still waiting for this
        // property is dropped.
        std::erase_if(fixups_,
                      [&](const Fixup& f) { return f.object == &object && f.property == &property; });
        if (tag == ValueTag::kIdent) {
          fixups_.push_back(
              {&object, &property, in_.ReadShortString(), DisplayName(component), path, items_});
          return;
        }
        if (tag != ValueTag::kNil) refuse(kInvalidPropertyValue);
        break;
      case PropertyKind::kEvent:
        if (tag == ValueTag::kIdent) {
          const ClassInfo* window_class = registry_.FindFor(window_);
          const std::string name = in_.ReadShortString();
          value.method = window_class ? window_class->FindMethod(name) : nullptr;
          if (!value.method || value.method->signature != property.signature)
            ValueReader::Fail(kInvalidPropertyValue);
          value.window = &window_;
        } else if (tag != ValueTag::kNil) {
          refuse(kInvalidPropertyValue);
        }
        break;
    }
    if (!property.set(object, value)) ValueReader::Fail(kInvalidPropertyValue);
  }

  // The payload of an identifier, looked up in `names` (unknown: "Invalid property value").
  std::int32_t ReadNamed(std::span<const NamedValue> names) {
    const NamedValue* named = FindNamed(names, in_.ReadShortString());
    if (!named) ValueReader::Fail(kInvalidPropertyValue);
    return named->value;
  }

  // --- 3. Collections ---

  // The items of a collection value whose tag has been read.
  void ReadCollection(TCollection& collection, base::TComponent& component) {
    ValueReader::DepthGuard depth(in_);
    for (std::size_t n = 0; !in_.EndOfList(); ++n) {
      in_.CheckElementCount(n + 1);
      if (n == 0) Clear(collection);
      if (ValueReader::IsInteger(in_.PeekTag())) in_.ReadInteger();  // the stored index is not used
      if (in_.ReadTag() != ValueTag::kList) ValueReader::Fail(kInvalidPropertyValue);
      TCollectionItem& item = collection.Add();
      items_.push_back(&item);
      ReadProperties(item, component);
      items_.pop_back();
    }
  }

  // Empties `collection`, first dropping the references waiting to be stored
  // into its items (a collection given twice in one stream).
  void Clear(TCollection& collection) {
    std::vector<const base::TPersistent*> doomed;
    for (std::size_t i = 0; i < collection.Count(); ++i) doomed.push_back(&collection.Item(i));
    std::erase_if(fixups_, [&](const Fixup& fixup) {
      return std::any_of(fixup.enclosing_items.begin(), fixup.enclosing_items.end(),
                         [&](const base::TPersistent* p) {
                           return std::find(doomed.begin(), doomed.end(), p) != doomed.end();
                         });
    });
    collection.Clear();
  }

  // --- 4. References ---

  void ResolveFixups() {
    for (const Fixup& fixup : fixups_) {
      PropertyValue value;
      value.component = window_.FindComponent(fixup.target);
      if (!value.component && !fixup.target.empty() &&
          base::SameNameIgnoringAsciiCase(window_.Name(), fixup.target))
        value.component = &window_;
      if (!value.component || !fixup.property->set(*fixup.object, value))
        throw EReadError(base::Format(kErrorReading, fixup.component.c_str(), ".", fixup.path.c_str(),
                                      kInvalidPropertyValue));
    }
    fixups_.clear();
  }

  ValueReader in_;
  base::TComponent& window_;
  const ClassRegistry& registry_;
  ReadProgress* progress_;
  std::vector<base::TComponent*> loaded_;   // the window first, then in reading order
  std::vector<base::TComponent*> created_;  // destroyed again when the read fails
  std::vector<Fixup> fixups_;
  std::vector<const base::TPersistent*> items_;  // the collection items being read, outermost first
  int property_depth_ = 0;
};

}  // namespace

void ReadComponentStream(std::span<const std::uint8_t> stream, base::TComponent& window,
                         const ClassRegistry& registry, const StreamLimits& limits, ReadProgress* progress,
                         StreamBytes bytes) {
  Reader(stream, window, registry, limits, progress, bytes).Run();
}

}  // namespace resources
