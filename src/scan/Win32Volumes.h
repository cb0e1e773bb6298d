#pragma once
// What the listings learn of each volume once, kept by its serial number for
// every later folder on it: whether it knows the extended listing class, and
// the facts the size-on-disk rule needs. Listings run on several worker
// threads at once, so the memory is guarded; the system is never asked while
// the guard is held. Serial 0 means unknown and is never remembered.
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>

#include "scan/SizeOnDisk.h"
#include "scan/Win32DirectoryReader.h"

namespace tarnwick {

class Win32Volumes {
 public:
  // The class to list the volume's folders with.
  ListingClass ListingClassOf(std::uint32_t serial) const;
  // The volume refused the extended class: its later folders use the other.
  void RefusedExtendedClass(std::uint32_t serial);

  // The facts of the volume `serial`, which holds `folder` (a path in the
  // system's form), asked of the system the first time.
  VolumeFacts Facts(std::uint32_t serial, const std::wstring& folder);

 private:
  mutable std::mutex mutex_;
  std::set<std::uint32_t> refusing_;
  std::map<std::uint32_t, VolumeFacts> facts_;
};

}  // namespace tarnwick
