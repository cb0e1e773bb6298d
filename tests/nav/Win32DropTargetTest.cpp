#include "nav/Win32DropTarget.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/Win32Text.h"

namespace tarnwick::testing {
namespace {

// Data as a drag source offers it: one format, or a file list that it claims
// but cannot give.
class HandMadeData final : public IDataObject {
 public:
  HandMadeData(CLIPFORMAT format, std::vector<char> bytes, bool gives = true)
      : format_(format), bytes_(std::move(bytes)), gives_(gives) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDataObject) {
      *out = static_cast<IDataObject*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  // Lives on the test's stack.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* f, STGMEDIUM* medium) override {
    if (QueryGetData(f) != S_OK || !gives_) return DV_E_FORMATETC;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
    std::memcpy(::GlobalLock(memory), bytes_.data(), bytes_.size());
    ::GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* f) override {
    return f->cfFormat == format_ && (f->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  CLIPFORMAT format_;
  std::vector<char> bytes_;
  bool gives_;
};

// A DROPFILES block: the names one after another, each ended by a zero, and
// one more zero; in UTF-16 or in the ANSI code page.
template <class Char>
std::vector<char> FileList(const std::vector<std::basic_string<Char>>& names) {
  std::basic_string<Char> all;
  for (const auto& name : names) all += name + Char(0);
  all += Char(0);
  if (names.empty()) all += Char(0);  // an empty list is still ended by two zeros
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = sizeof(Char) == sizeof(wchar_t);
  std::vector<char> bytes(sizeof header + all.size() * sizeof(Char));
  std::memcpy(bytes.data(), &header, sizeof header);
  std::memcpy(bytes.data() + sizeof header, all.data(), all.size() * sizeof(Char));
  return bytes;
}

std::vector<Str> NamesOf(DroppedFiles& files) {
  std::vector<Str> names;
  const std::int32_t count = files.Count().value_or(-1);
  for (std::int32_t i = 1; i <= count; ++i) names.push_back(files.Files(i).value_or(u"?"));
  return names;
}

TEST(Win32DropTarget, ReadsTheFileListWhateverItsNamesAndTellsOtherDataApart) {
  std::wstring longName = L"C:\\";
  for (int i = 0; i < 40; ++i) longName += L"長い名前😀フォルダ\\";
  longName += L"end.txt";
  const std::vector<std::wstring> wide = {L"C:\\Data", longName, L"D:\\", L"\\\\server\\share\\folder"};
  const std::wstring text = L"selected text";
  const struct {
    const char* what;
    HandMadeData data;
    bool fileList;
    std::optional<std::vector<Str>> names;  // nothing: the list cannot be read
  } cases[] = {
      {"UTF-16 names", HandMadeData(CF_HDROP, FileList(wide)), true,
       std::vector<Str>{u"C:\\Data", FromWide(longName), u"D:\\", u"\\\\server\\share\\folder"}},
      {"ANSI names", HandMadeData(CF_HDROP, FileList<char>({"C:\\Data\\a.txt", "C:\\b"})), true,
       std::vector<Str>{u"C:\\Data\\a.txt", u"C:\\b"}},
      {"an empty list", HandMadeData(CF_HDROP, FileList<wchar_t>({})), true, std::vector<Str>{}},
      {"a list it cannot give", HandMadeData(CF_HDROP, FileList(wide), false), true, std::nullopt},
      {"text", HandMadeData(CF_UNICODETEXT, std::vector<char>(text.begin(), text.end())), false,
       std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DroppedFiles files = ReadDroppedFiles(const_cast<HandMadeData&>(c.data));
    EXPECT_EQ(files.GetFormat(kFileListFormat), c.fileList);
    EXPECT_EQ(files.Count().has_value(), c.names.has_value());
    if (c.names) {
      EXPECT_EQ(NamesOf(files), *c.names);
    }
  }
}

struct RecordingReceiver final : DropReceiver {
  std::vector<std::vector<Str>> drops;
  bool takes = true;
  bool TakesDrops() override { return takes; }
  void Dropped(DroppedFiles data) override { drops.push_back(NamesOf(data)); }
};

TEST(Win32DropTarget, AnswersCopyNeverMoveAndHandsOnWhatIsDropped) {
  RecordingReceiver receiver;
  auto* target = new Win32DropTarget(receiver);
  HandMadeData files(CF_HDROP, FileList<wchar_t>({L"C:\\Data"}));
  const std::wstring text = L"text";
  HandMadeData words(CF_UNICODETEXT, std::vector<char>(text.begin(), text.end()));
  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

  for (IDataObject* data : {static_cast<IDataObject*>(&files), static_cast<IDataObject*>(&words)}) {
    DWORD effect = all;
    EXPECT_EQ(target->DragEnter(data, MK_LBUTTON, POINTL{1, 1}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    effect = all;
    EXPECT_EQ(target->DragOver(MK_LBUTTON, POINTL{2, 2}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    effect = DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(target->Drop(data, 0, POINTL{2, 2}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_LINK});
  }
  EXPECT_EQ(receiver.drops, (std::vector<std::vector<Str>>{{u"C:\\Data"}, {}}));

  // A source that only allows a move gets no drop at all.
  DWORD effect = DROPEFFECT_MOVE;
  EXPECT_EQ(target->Drop(&files, 0, POINTL{2, 2}, &effect), S_OK);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
  EXPECT_EQ(receiver.drops.size(), 2u);

  // While the receiver takes no drops, the source is told so from the start.
  receiver.takes = false;
  effect = all;
  EXPECT_EQ(target->DragEnter(&files, MK_LBUTTON, POINTL{1, 1}, &effect), S_OK);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
  target->Release();
}

TEST(Win32DropTarget, ARegistrationHoldsTheWindowUntilRevoked) {
  const HRESULT ole = ::OleInitialize(nullptr);
  ASSERT_TRUE(SUCCEEDED(ole));
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  RecordingReceiver receiver;
  auto* other = new Win32DropTarget(receiver);
  {
    DropTargetRegistration registration;
    ASSERT_TRUE(registration.Register(window, receiver));
    EXPECT_EQ(::RegisterDragDrop(window, other), DRAGDROP_E_ALREADYREGISTERED);
  }
  // Gone with the registration.
  EXPECT_EQ(::RegisterDragDrop(window, other), S_OK);
  EXPECT_EQ(::RevokeDragDrop(window), S_OK);
  other->Release();
  ::DestroyWindow(window);
  ::OleUninitialize();
}

}  // namespace
}  // namespace tarnwick::testing
