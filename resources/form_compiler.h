// The form compiler: turns a window description (our own text format, below)
// into a binary component stream, checking every class, property, value and
// reference against the same class registry the program reads with.
//
// The description format. A description is UTF-8 text made of lines:
//
//   # a comment (from "#" outside a text to the end of the line)
//   + TMainForm MainForm              a component line: one "+" per level,
//   Caption: "Телефонный справочник"  then its class and name; the root has
//   Font.Height: -11                  one "+", its children two, and so on.
//   ++ TLabel Label1                  Property lines below a component line
//   Caption: "Телефон"                belong to it, in stream order; children
//   OnClick: Label1Click              follow their parent's properties.
//
// Grammar (spaces and tabs separate tokens; inside ( [ { < line ends are
// spaces too, so a value may span lines):
//
//   description := { line }
//   line        := [ component | property ] [ comment ] newline
//   component   := "+"{"+"} class-name [ object-name ]
//   property    := path ":" value
//   path        := word { "." word }
//   value       := integer | real | text | word | "true" | "false" | "nil"
//                | "{" { word } "}"                          a set
//                | "[" { value } "]"                         a list
//                | "<" { "(" { property [","] } ")" } ">"    a collection of items
//                | "packet" text                             a 4-byte length, then the named file
//   integer     := [ "-" ] digit { digit }
//   real        := [ "-" ] digit { digit } "." digit { digit }
//   text        := '"' { character | '\"' | '\\' | '\n' | '\r' | '\t' } '"'
//   word        := letter-or-"_" { letter | digit | "_" }
//
// How values are checked and stored, by the kind of the property they set:
// integer (an integer, or a word from the property's named constants),
// enumeration (a word naming an element), set (a set of known elements),
// floating point (a real or an integer), text and wide text (a text: ASCII
// stored as short or long text, anything else as UTF-8 text), boolean,
// collection (a collection; each item's properties are checked against the
// item class), component reference (a word naming a component of the
// description, or nil), event (a word naming a published method of the root
// class with the event's parameter list, or nil). Properties outside the
// published tables (the extra properties) take a list of texts or a packet.
#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/component.h"
#include "resources/class_registry.h"

namespace resources {

// A refused description: where and why.
class FormCompileError : public std::runtime_error {
 public:
  FormCompileError(std::string file, int line, std::string reason);
  const std::string& File() const { return file_; }
  int Line() const { return line_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string file_;
  int line_;
  std::string reason_;
};

struct FormCompileOptions {
  const ClassRegistry* registry = nullptr;
  // Creates a window object of the named root class owned by `owner`, or
  // returns null when the class is not a window class the caller knows. The
  // compiler inspects the object's sub-objects ("Font.Name") and destroys it.
  std::function<base::TComponent*(std::string_view class_name, base::TComponent* owner)> create_window;
  // Where "packet" file names are looked up.
  std::filesystem::path packet_dir;
};

// Compiles `description` (the text of the file named `file`, used in
// messages); returns the stream bytes. Throws FormCompileError.
std::string CompileFormDescription(std::string_view description, const std::string& file,
                                   const FormCompileOptions& options);

}  // namespace resources
