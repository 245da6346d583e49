// Reading a component stream into an already-constructed window object.
//
//   resources::ClassRegistry registry;           // every class the stream may name
//   registry.Register(TMainForm::Class());        // the window's own class: its
//   registry.Register(TLabel::Class());           // properties and handler methods
//   TMainForm* form = new TMainForm(&application);
//   resources::ReadComponentStream(bytes, *form, registry);
//
// What a read does, in order:
//   1. checks the signature ("Invalid stream format");
//   2. reads the root record into `window`: the window takes the record's
//      object name, or the first free "<name>_<n>" (n = 1, 2, ...) when another
//      component of its owner already has it; the class name is not compared;
//   3. reads the properties and, recursively, the children. A child record
//      creates a component of the named registered class ("Class %s not
//      found"), owned by `window`, named from the record (a name already used
//      in the window: "A component named %s already exists"), told its parent
//      component (the enclosing record's), then given its properties and
//      children; a record flagged as inherited names a component the window
//      had before the read ("Ancestor for '%s' not found");
//   4. resolves the component references by name, so a reference may name a
//      component that comes later in the stream; a name that no component of
//      the window (nor the window itself) has fails the read;
//   5. calls Loaded() on every component read, the window first, in the order
//      they were read.
//
// Properties: see property_info.h for the kinds and the tags each accepts.
// A failure inside a property throws EReadError
// "Error reading <component or class name>.<property path>: <message>";
// any other failure throws EReadError with its message.
//
// On failure every component created by the read is destroyed and no
// reference is left waiting; the window keeps the property values already
// set and its caller must not go on using it as a loaded window. Exceptions
// raised by a component's Loaded() pass through unchanged, after the same
// clean-up.
#pragma once

#include <cstdint>
#include <span>

#include "base/component.h"
#include "resources/class_registry.h"
#include "resources/stream_limits.h"

namespace resources {

// Told how far a read has come, for the start-up profile: once when the
// stream's records are read and the references resolved (before any
// Loaded()), then after each component's Loaded().
class ReadProgress {
 public:
  virtual void RecordsRead() {}
  virtual void ComponentLoaded(const base::TComponent&) {}

 protected:
  ~ReadProgress() = default;
};

// How long the stream's bytes stay valid: only during the read (a component
// copies what it keeps), or as long as the components read from them (the
// program's embedded descriptions), so a component may keep a view of them.
enum class StreamBytes { kValidDuringRead, kOutliveComponents };

void ReadComponentStream(std::span<const std::uint8_t> stream, base::TComponent& window,
                         const ClassRegistry& registry, const StreamLimits& limits = {},
                         ReadProgress* progress = nullptr, StreamBytes bytes = StreamBytes::kValidDuringRead);

}  // namespace resources
