// The texts of the error display.
//
// An error of the program's own kind is shown with its message, given a full
// stop when the message is not empty and its last character sorts after "."
// as an unsigned byte: a letter (Cyrillic ones included), a digit or "?" gets
// one, while ".", "!", ",", ")" or a blank at the end leaves it as it is.
// Anything else that is raised is shown as an unexpected error naming its
// class, the module and the code address.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// The box text for an error's message (1251 in, 1251 out).
std::string ErrorBoxText(std::string_view message);

// "Exception <class> in module <module> at <address>.\n<message>[.]" for a
// raised object that is not one of the program's errors. The address is
// written as upper-case hexadecimal with one digit per 4 bits of a pointer.
std::string UnexpectedErrorText(std::string_view class_name, std::string_view module, uintptr_t address,
                                std::string_view message);

}  // namespace app
