#pragma once
// The names and texts by which other processes find the main window and tell
// how a search ended: the end-to-end probe, the run script's probe and the
// benchmarks read them from here. The texts are the program's own, spelling
// included.
namespace tarnwick {

inline constexpr char16_t kWindowClassName[] = u"TarnwickForm1";
inline constexpr char16_t kAppTitle[] = u"Tarnwick";

// Command1 between runs, and while a run goes on.
inline constexpr char16_t kSearchCaption[] = u"Search";
inline constexpr char16_t kCancelCaption[] = u"Cancel";

// Status-bar panel 1 at the end of a run, and while a subfolder is counted.
inline constexpr char16_t kCompletionPrefix[] = u"Complate. All Search ";
inline constexpr char16_t kCancelledText[] = u"Search is Canceld By User.";
inline constexpr char16_t kRunFailedText[] = u"Error. Search is Canceld.";
inline constexpr char16_t kFolderProgressInfix[] = u"Bytes in ";
inline constexpr char16_t kRootFileProgressSuffix[] = u"Files in Root";

// What a drop on the list or the root box shows: the question before
// searching the folder of several names (after the folder's path), data that
// is no list of files, and a drop whose handling failed.
inline constexpr char16_t kDropQuestionSuffix[] = u"をルートにして読み込みます。よろしいですか?";
inline constexpr char16_t kDropNotFilesText[] = u"ファイル、フォルダ以外がドロップされました。";
inline constexpr char16_t kDropNotFilesStatus[] = u"Error : Drop Miss";
inline constexpr char16_t kDropFailedText[] = u"エラーが発生しました。";
inline constexpr char16_t kDropFailedStatus[] = u"Error : ???";

// Status-bar panel 2 when a run met what it could not read: "3 folders",
// "1 file" or both joined by " and ", followed by this.
inline constexpr char16_t kUnreadableSuffix[] = u" could not be read";
// The window a click on that panel opens, which lists them: its class, its
// caption and its button.
inline constexpr char16_t kUnreadableWindowClassName[] = u"TarnwickUnreadable";
inline constexpr char16_t kUnreadableWindowTitle[] = u"Could not be read";
inline constexpr char16_t kUnreadableCopyCaption[] = u"&Copy";

}  // namespace tarnwick
