// The root of every object whose properties a window description can set:
// components, and the objects they hold by value (a font, a string list, a
// collection and its items, a colour set).
//
// It carries nothing but its class name, through which the class registry of
// resources/ finds the object's table of published properties.
#pragma once

namespace base {

class TPersistent {
 public:
  TPersistent() = default;
  virtual ~TPersistent() = default;

  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;

  // The class name as the class registry knows it ("TFont"). Every class whose
  // properties are published overrides it with its own name.
  virtual const char* ClassName() const { return "TPersistent"; }
};

}  // namespace base
