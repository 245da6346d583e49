#include "app/core/error_text.h"

namespace app {

namespace {

bool NeedsFullStop(std::string_view message) {
  return !message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.');
}

std::string Hex(uintptr_t value) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out(sizeof(uintptr_t) * 2, '0');
  for (size_t i = out.size(); i-- > 0; value >>= 4) out[i] = digits[value & 0xF];
  return out;
}

}  // namespace

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (NeedsFullStop(message)) text += '.';
  return text;
}

std::string UnexpectedErrorText(std::string_view class_name, std::string_view module, uintptr_t address,
                                std::string_view message) {
  std::string text = "Exception ";
  text.append(class_name).append(" in module ").append(module).append(" at ").append(Hex(address));
  text += ".\n";
  text.append(message);
  if (!message.empty() && message.back() != '.') text += '.';
  return text;
}

}  // namespace app
