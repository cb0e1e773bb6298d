#include "app/Win32Program.h"

#include <stdexcept>

#include "window/Win32Locale.h"

namespace tarnwick {

Win32FileSystem& Win32Program::Disk() {
  // Never destroyed: a worker left blocked in a listing when the program
  // ends may still return into it.
  static Win32FileSystem* const disk = new Win32FileSystem;
  return *disk;
}

Form1& Win32Program::LoadForm1() {
  form_.emplace(window_, Disk(), ReadNumberSeparators(), names_, UserTimes());
  form_->ListOnWorkers(ReadAheadFileSystem::DefaultWorkers());
  if (!window_.Create(*form_, form_->ListView1())) {
    throw std::runtime_error("the main window could not be created");
  }
  return *form_;
}

}  // namespace tarnwick
