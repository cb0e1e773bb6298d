#include "nav/Win32DropTarget.h"

#include <shellapi.h>

#include <exception>
#include <new>
#include <string>

#include "base/Win32Text.h"

namespace tarnwick {
namespace {

class StorageMedium {
 public:
  StorageMedium() = default;
  ~StorageMedium() {
    if (medium_.tymed != TYMED_NULL) ::ReleaseStgMedium(&medium_);
  }
  StorageMedium(const StorageMedium&) = delete;
  StorageMedium& operator=(const StorageMedium&) = delete;
  STGMEDIUM* get() { return &medium_; }

 private:
  STGMEDIUM medium_{};
};

}  // namespace

DroppedFiles ReadDroppedFiles(IDataObject& data) {
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  if (data.QueryGetData(&format) != S_OK) return DroppedFiles::NotFiles();
  StorageMedium medium;
  if (FAILED(data.GetData(&format, medium.get())) || medium.get()->tymed != TYMED_HGLOBAL) {
    return DroppedFiles::Unreadable();
  }
  const auto drop = static_cast<HDROP>(medium.get()->hGlobal);
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<Str> names;
  names.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    // Asked for its length first: a name may be far longer than MAX_PATH.
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    // Some readers count the end of an empty list as one empty name.
    if (length == 0) continue;
    std::wstring name(static_cast<size_t>(length) + 1, L'\0');
    const UINT copied = ::DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(copied);
    names.push_back(FromWide(name));
  }
  return DroppedFiles::Names(std::move(names));
}

HRESULT STDMETHODCALLTYPE Win32DropTarget::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE Win32DropTarget::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE Win32DropTarget::Release() {
  const LONG left = ::InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE Win32DropTarget::DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  *effect = DropEffectFor(*effect, receiver_.TakesDrops());
  return S_OK;
}

HRESULT STDMETHODCALLTYPE Win32DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  *effect = DropEffectFor(*effect, receiver_.TakesDrops());
  return S_OK;
}

HRESULT STDMETHODCALLTYPE Win32DropTarget::DragLeave() { return S_OK; }

HRESULT STDMETHODCALLTYPE Win32DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  if (data == nullptr || effect == nullptr) return E_INVALIDARG;
  *effect = DropEffectFor(*effect, receiver_.TakesDrops());
  if (*effect == kDropEffectNone) return S_OK;
  // No exception may reach the system's frames that called us.
  try {
    receiver_.Dropped(ReadDroppedFiles(*data));
  } catch (const std::exception&) {
    *effect = kDropEffectNone;
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

bool DropTargetRegistration::Register(HWND window, DropReceiver& receiver) {
  Revoke();
  auto* target = new (std::nothrow) Win32DropTarget(receiver);
  if (target == nullptr) return false;
  // The registration keeps its own reference to the target.
  const HRESULT result = ::RegisterDragDrop(window, target);
  target->Release();
  if (FAILED(result)) return false;
  window_ = window;
  return true;
}

void DropTargetRegistration::Revoke() {
  if (window_ == nullptr) return;
  ::RevokeDragDrop(window_);
  window_ = nullptr;
}

}  // namespace tarnwick
