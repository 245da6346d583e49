// Small component classes for the tests of the component stream reader and
// its fuzz target: one of every property kind, a sub-object, a string list, a
// collection, a binary extra property and a window class with two handlers.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/byte_cursor.h"
#include "base/component.h"
#include "base/exception.h"
#include "resources/class_info.h"
#include "resources/class_registry.h"
#include "resources/collection.h"
#include "resources/event.h"
#include "resources/property_info.h"

namespace test_components {

inline constexpr resources::NamedValue kColors[] = {
    {"clBtnFace", static_cast<std::int32_t>(0x8000000Fu)},
    {"clWindowText", static_cast<std::int32_t>(0x80000008u)},
    {"clRed", 0x0000FF},
};
inline constexpr resources::NamedValue kCharsets[] = {
    {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"RUSSIAN_CHARSET", 204}};

enum class Align : std::uint8_t { kNone, kTop, kBottom, kClient };
inline constexpr resources::NamedValue kAligns[] = {
    {"alNone", 0}, {"alTop", 1}, {"alBottom", 2}, {"alClient", 3}};
inline constexpr resources::NamedValue kAnchors[] = {
    {"akLeft", 0}, {"akTop", 1}, {"akRight", 2}, {"akBottom", 3}};

class TTestFont : public base::TPersistent {
 public:
  std::string name;
  std::int32_t height = 0;
  std::int32_t color = 0;
  std::uint8_t charset = 1;

  const char* ClassName() const override { return "TTestFont"; }
  static const resources::ClassInfo& Class();
};

class TTestStrings : public base::TPersistent {
 public:
  std::vector<std::string> strings;

  const char* ClassName() const override { return "TTestStrings"; }
  static const resources::ClassInfo& Class();
};

class TTestControl;

class TTestPanel : public resources::TCollectionItem {
 public:
  std::int32_t width = 0;
  std::string text;
  TTestControl* link = nullptr;

  const char* ClassName() const override { return "TTestPanel"; }
  static const resources::ClassInfo& Class();
};

class TTestControl : public base::TComponent {
 public:
  explicit TTestControl(base::TComponent* owner) : TComponent(owner) { ++live; }
  ~TTestControl() override { --live; }

  // Instances alive (to check that a failed read leaves none behind).
  static inline int live = 0;
  // When set, every Loaded() call appends the component's name.
  static inline std::vector<std::string>* loaded_log = nullptr;
  // When not empty, the component of that name throws from Loaded().
  static inline std::string failing_name;

  std::int32_t left = 0;
  std::int16_t tag = 0;
  std::int32_t color = 0;
  Align align = Align::kNone;
  std::uint32_t anchors = 0;
  double ratio = 0;
  std::string caption;
  std::u16string hint;
  bool visible = false;
  TTestFont font;
  TTestStrings lines;
  resources::TCollectionOf<TTestPanel> panels;
  TTestControl* partner = nullptr;
  resources::TEvent<base::TComponent*> on_click;
  resources::TEvent<base::TComponent*, char&> on_key_press;
  // The packet of a "Data" value: a 4-byte signed length, then the bytes.
  std::string data;
  bool has_data = false;

  base::TComponent* parent = nullptr;
  std::vector<std::pair<std::string, int>> child_orders;
  std::string partner_at_loaded;  // the partner's name when Loaded() ran

  void SetParentComponent(base::TComponent* p) override { parent = p; }
  void SetChildOrder(base::TComponent* child, int position) override {
    child_orders.emplace_back(child->Name(), position);
  }
  void Loaded() override {
    if (loaded_log) loaded_log->push_back(Name());
    if (!failing_name.empty() && Name() == failing_name) throw base::Exception("Loaded failed");
    partner_at_loaded = partner ? partner->Name() : "";
  }
  void SetVisible(bool value) { visible = value; }
  TTestStrings* Lines() { return &lines; }
  bool ReadData(base::ByteCursor bytes) {
    std::int32_t length = 0;
    if (!bytes.Read(length)) return false;
    if (length < 1) return true;  // no packet stored
    std::span<const std::uint8_t> packet;
    if (!bytes.ReadSpan(static_cast<std::size_t>(length), packet)) return false;
    data.assign(packet.begin(), packet.end());
    has_data = true;
    return true;
  }

  const char* ClassName() const override { return "TTestControl"; }
  static const resources::ClassInfo& Class();
};

class TTestWindow : public TTestControl {
 public:
  using TTestControl::TTestControl;

  std::vector<std::string> clicks;
  void ButtonClick(base::TComponent* sender) { clicks.push_back(sender->Name()); }
  void EditKeyPress(base::TComponent*, char& key) { key = 0; }

  const char* ClassName() const override { return "TTestWindow"; }
  static const resources::ClassInfo& Class();
};

inline const resources::ClassInfo& TTestFont::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TTestFont::name>("Name"),
      resources::IntegerProperty<&TTestFont::height>("Height"),
      resources::IntegerProperty<&TTestFont::color>("Color", kColors),
      resources::IntegerProperty<&TTestFont::charset>("Charset", kCharsets),
  };
  static const resources::ClassInfo info{"TTestFont", nullptr, kProperties, {}, {}, nullptr};
  return info;
}

inline const resources::ClassInfo& TTestStrings::Class() {
  static const resources::ExtraPropertyInfo kExtras[] = {
      resources::TextListProperty<&TTestStrings::strings>("Strings"),
  };
  static const resources::ClassInfo info{"TTestStrings", nullptr, {}, kExtras, {}, nullptr};
  return info;
}

inline const resources::ClassInfo& TTestPanel::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::IntegerProperty<&TTestPanel::width>("Width"),
      resources::StringProperty<&TTestPanel::text>("Text"),
      resources::ComponentProperty<&TTestPanel::link>("Link"),
  };
  static const resources::ClassInfo info{"TTestPanel", nullptr, kProperties, {}, {}, nullptr};
  return info;
}

inline const resources::ClassInfo& TTestControl::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::IntegerProperty<&TTestControl::left>("Left"),
      resources::IntegerProperty<&TTestControl::tag>("Tag"),
      resources::IntegerProperty<&TTestControl::color>("Color", kColors),
      resources::EnumProperty<&TTestControl::align>("Align", kAligns),
      resources::SetProperty<&TTestControl::anchors>("Anchors", kAnchors),
      resources::FloatProperty<&TTestControl::ratio>("Ratio"),
      resources::StringProperty<&TTestControl::caption>("Caption"),
      resources::WideStringProperty<&TTestControl::hint>("Hint"),
      resources::BoolProperty<&TTestControl::SetVisible>("Visible"),
      resources::ObjectProperty<&TTestControl::font>("Font"),
      resources::ObjectProperty<&TTestControl::Lines>("Lines"),
      resources::ObjectProperty<&TTestControl::panels>("Panels"),
      resources::ComponentProperty<&TTestControl::partner>("Partner"),
      resources::EventProperty<&TTestControl::on_click>("OnClick"),
      resources::EventProperty<&TTestControl::on_key_press>("OnKeyPress"),
      resources::ReadOnlyProperty("ComponentCount", resources::PropertyKind::kInteger),
  };
  static const resources::ExtraPropertyInfo kExtras[] = {
      resources::BinaryProperty<&TTestControl::ReadData>("Data"),
  };
  static const resources::ClassInfo info{"TTestControl", nullptr, kProperties,
                                         kExtras,        {},      resources::Creator<TTestControl>};
  return info;
}

inline const resources::ClassInfo& TTestWindow::Class() {
  static const resources::MethodInfo kMethods[] = {
      resources::PublishedMethod<&TTestWindow::ButtonClick>("ButtonClick"),
      resources::PublishedMethod<&TTestWindow::EditKeyPress>("EditKeyPress"),
  };
  static const resources::ClassInfo info{"TTestWindow", &TTestControl::Class(), {}, {}, kMethods, nullptr};
  return info;
}

// A registry of every test class.
inline resources::ClassRegistry Registry() {
  resources::ClassRegistry registry;
  for (const resources::ClassInfo* info : {&TTestFont::Class(), &TTestStrings::Class(), &TTestPanel::Class(),
                                           &TTestControl::Class(), &TTestWindow::Class()})
    registry.Register(*info);
  return registry;
}

}  // namespace test_components
