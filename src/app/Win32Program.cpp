#include "app/Win32Program.h"

#include <stdexcept>

#include "app/Win32Locale.h"

namespace tarnwick {

Form1& Win32Program::LoadForm1() {
  form_.emplace(window_, fileSystem_, ReadNumberSeparators(), names_);
  if (!window_.Create(*form_, form_->ListView1())) {
    throw std::runtime_error("the main window could not be created");
  }
  return *form_;
}

}  // namespace tarnwick
