#pragma once
// OLE drop targets for the list and the root box: each answers the drag
// source with the effect DropEffectFor chooses (none while the receiver takes
// no drops) and hands every drop, copied out of the system's data object, to
// a DropReceiver.
#include <windows.h>
#include <ole2.h>

#include "nav/Drop.h"

namespace tarnwick {

// The names of a CF_HDROP list, of any length; NotFiles when the data holds
// no file list, Unreadable when it says it does but cannot give it.
DroppedFiles ReadDroppedFiles(IDataObject& data);

class Win32DropTarget final : public IDropTarget {
 public:
  explicit Win32DropTarget(DropReceiver& receiver) : receiver_(receiver) {}
  Win32DropTarget(const Win32DropTarget&) = delete;
  Win32DropTarget& operator=(const Win32DropTarget&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDropTarget
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

 private:
  ~Win32DropTarget() = default;  // only Release deletes
  LONG references_ = 1;
  DropReceiver& receiver_;
};

// A window's drop target for as long as this lives or until Revoke, which
// must come while the window still exists. Registering needs OLE initialised
// on the thread; without it the window simply takes no drops.
class DropTargetRegistration {
 public:
  DropTargetRegistration() = default;
  ~DropTargetRegistration() { Revoke(); }
  DropTargetRegistration(const DropTargetRegistration&) = delete;
  DropTargetRegistration& operator=(const DropTargetRegistration&) = delete;

  bool Register(HWND window, DropReceiver& receiver);
  void Revoke();

 private:
  HWND window_ = nullptr;
};

}  // namespace tarnwick
