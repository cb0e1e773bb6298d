#include "fakes/MemoryFileSystem.h"

#include <algorithm>

namespace tarnwick::testing {

struct MemoryFileSystem::Inside {
  Inside(MemoryFileSystem& fs, const Str& path) : asking(fs.asking_) {
    Count(+1);
    fs.Asked(path);
  }
  ~Inside() { Count(-1); }
  void Count(int step) {
    const std::lock_guard<std::mutex> lock(asking.mutex);
    asking.inside += step;
    asking.released.notify_all();
  }
  Asking& asking;
};

MemoryFileSystem::~MemoryFileSystem() {
  Release();
  std::unique_lock<std::mutex> lock(asking_.mutex);
  asking_.released.wait(lock, [this] { return asking_.inside == 0; });
}

Str MemoryFileSystem::Normalise(const Str& path) {
  Str p = path;
  while (!p.empty() && p.back() == u'\\') p.pop_back();
  return p;
}

Str MemoryFileSystem::Parent(const Str& path) {
  const size_t slash = path.rfind(u'\\');
  return slash == Str::npos ? Str() : path.substr(0, slash);
}

Str MemoryFileSystem::NameOf(const Str& path) {
  const size_t slash = path.rfind(u'\\');
  return slash == Str::npos ? path : path.substr(slash + 1);
}

void MemoryFileSystem::Link(const Str& path) {
  const Str parent = Parent(path);
  if (parent.empty()) return;
  if (nodes_.find(parent) == nodes_.end()) AddFolder(parent);
  auto& siblings = nodes_[parent].children;
  const Str name = NameOf(path);
  if (std::find(siblings.begin(), siblings.end(), name) == siblings.end()) siblings.push_back(name);
}

void MemoryFileSystem::AddFolder(const Str& path, std::uint32_t attributes, std::uint32_t reparseTag) {
  const Str p = Normalise(path);
  nodes_[p].attributes = attributes | kAttrDirectory;
  nodes_[p].reparseTag = reparseTag;
  Link(p);
}

void MemoryFileSystem::AddFile(const Str& path, std::uint64_t length, std::uint32_t attributes,
                               std::uint32_t reparseTag) {
  const Str p = Normalise(path);
  Node& node = nodes_[p];
  node.attributes = attributes & ~kAttrDirectory;
  node.reparseTag = reparseTag;
  node.length = length;
  Link(p);
}

void MemoryFileSystem::Remove(const Str& path) {
  const Str p = Normalise(path);
  nodes_.erase(p);
  auto parent = nodes_.find(Parent(p));
  if (parent == nodes_.end()) return;
  auto& siblings = parent->second.children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), NameOf(p)), siblings.end());
}

void MemoryFileSystem::Hang(const Str& prefix, int letThrough) {
  const std::lock_guard<std::mutex> lock(asking_.mutex);
  asking_.hanging = Normalise(prefix);
  asking_.letThrough = letThrough;
  asking_.hangs = true;
}

void MemoryFileSystem::Release() {
  const std::lock_guard<std::mutex> lock(asking_.mutex);
  asking_.hangs = false;
  asking_.released.notify_all();
}

int MemoryFileSystem::AskedFrom(std::thread::id thread) const {
  const std::lock_guard<std::mutex> lock(asking_.mutex);
  auto it = asking_.askers.find(thread);
  return it == asking_.askers.end() ? 0 : it->second;
}

void MemoryFileSystem::Asked(const Str& path) {
  std::unique_lock<std::mutex> lock(asking_.mutex);
  ++asking_.askers[std::this_thread::get_id()];
  if (!asking_.hangs || Normalise(path).compare(0, asking_.hanging.size(), asking_.hanging) != 0) return;
  if (asking_.letThrough > 0) {
    --asking_.letThrough;
    return;
  }
  ++asking_.held;
  asking_.released.wait(lock, [this] { return !asking_.hangs; });
  --asking_.held;
}

bool MemoryFileSystem::ListFolder(const Str& folder, std::vector<DirEntry>& entries) {
  const Inside asked(*this, folder);
  {
    const std::lock_guard<std::mutex> lock(asking_.mutex);
    ++listings_;
  }
  if (onList) onList(folder);
  entries.clear();
  const Str p = Normalise(folder);
  auto node = nodes_.find(p);
  if (node == nodes_.end() || failListing_.count(p) != 0 || !(node->second.attributes & kAttrDirectory)) {
    return false;
  }
  for (const Str& name : node->second.children) {
    const Str child = p + u'\\' + name;
    const Node& c = nodes_.at(child);
    DirEntry e;
    e.name = name;
    e.attributes = failAttributes_.count(child) ? 0u : c.attributes;
    e.reparseTag = c.reparseTag;
    if (failLength_.count(child) == 0 && !(c.attributes & kAttrDirectory)) e.length = c.length;
    e.onDisk = c.room.allocation;
    e.id = c.room.id;
    e.volume = c.room.volume;
    entries.push_back(std::move(e));
    Listed(entries.size());
  }
  SettleSizesOnDisk(*this, p + u"\\", entries, volume);
  return true;
}

std::optional<std::uint64_t> MemoryFileSystem::CompressedSize(const Str& path) {
  const Inside asked(*this, path);
  const Str p = Normalise(path);
  {
    const std::lock_guard<std::mutex> lock(asking_.mutex);
    opened_.push_back(p);
  }
  auto node = nodes_.find(p);
  return node == nodes_.end() ? std::nullopt : node->second.room.compressed;
}

std::optional<std::uint32_t> MemoryFileSystem::Attributes(const Str& path) {
  const Inside asked(*this, path);
  const Str p = Normalise(path);
  auto node = nodes_.find(p);
  if (node == nodes_.end() || failAttributes_.count(p) != 0) return std::nullopt;
  return node->second.attributes;
}

bool MemoryFileSystem::IsLink(const Str& folder) {
  const Inside asked(*this, folder);
  auto node = nodes_.find(Normalise(folder));
  return node != nodes_.end() && IsLinkFolder(node->second.attributes, node->second.reparseTag);
}

bool MemoryFileSystem::ProbePattern(const Str& pattern) {
  const Inside asked(*this, pattern);
  return failProbe_.count(pattern) == 0;
}

}  // namespace tarnwick::testing
