// Where the program lives, and the cursors it loads, copies and hands to the system.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/wine/winsys/test_support.h"
#include "winsys/win32/handle_conversion.h"
#include "winsys/win32/win32_window_system.h"

namespace vexlumen::testing {
namespace {

TEST(ReadExecutableDirectory, IsTheDirectoryOfThisProgramWithoutTrailingBackslash) {
  win32::Win32WindowSystem ws;
  const Text dir = ws.ReadExecutableDirectory();
  EXPECT_EQ(dir, ToAnsi(TestProgramDirectory()));
  ASSERT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), '\\');
  EXPECT_NE(GetFileAttributesA((dir + "\\winsys_wine_tests.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Creates every directory on the way to `dir` (wide names, so long paths work).
bool MakeDirectories(const std::wstring& dir) {
  for (std::size_t at = dir.find(L'\\', 3);; at = dir.find(L'\\', at + 1)) {
    const std::wstring part = dir.substr(0, at);
    if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
      return false;
    }
    if (at == std::wstring::npos) return true;
  }
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(ToAnsi(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ReadExecutableDirectory, ProgramsInAwkwardPlaces) {
  wchar_t temp[MAX_PATH] = {};
  ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
  const std::wstring base =
      std::wstring(temp) + L"vexlumen-exe-dir-" + std::to_wstring(GetCurrentProcessId());
  // 48 Chinese characters: 96 bytes in GBK.
  std::wstring chinesePart;
  for (int i = 0; i < 12; ++i) chinesePart += L"\u4e2d\u6587\u76ee\u5f55";
  const std::wstring longDir =
      base + L"\\" + chinesePart + L"\\" + chinesePart + L"\\" + chinesePart;
  ASSERT_LT(longDir.size() + 16, std::size_t{MAX_PATH});
  ASSERT_GT(ToAnsi(longDir).size(), std::size_t{MAX_PATH});
  const struct {
    const char* what;
    std::wstring dir;
    std::wstring exeName;
  } cases[] = {
      // 籠 is BB 5C in GBK: its second byte is the byte of a backslash.
      {"Chinese names, a 0x5C trail byte in the file name", base + L"\\\u4e2d\u6587\u76ee\u5f55",
       L"\u7c60\u5b50.exe"},
      // Fewer characters than MAX_PATH, so the system starts it; more bytes in GBK than the
      // classic MAX_PATH buffer holds.
      {"under MAX_PATH characters, over MAX_PATH bytes", longDir, L"window_host.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(MakeDirectories(c.dir));
    const std::wstring exe = c.dir + L"\\" + c.exeName;
    ASSERT_TRUE(
        CopyFileW((TestProgramDirectory() + L"\\window_host.exe").c_str(), exe.c_str(), FALSE));
    const std::wstring output = base + L"\\output.txt";
    DeleteFileW(output.c_str());

    EXPECT_EQ(RunHostToEnd(exe, L"exe-dir \"" + output + L"\""), 0u);
    EXPECT_EQ(ReadFileBytes(output), ToAnsi(c.dir));
    DeleteFileW(output.c_str());
    DeleteFileW(exe.c_str());
    for (std::wstring d = c.dir; d.size() >= base.size(); d.erase(d.rfind(L'\\'))) {
      RemoveDirectoryW(d.c_str());
    }
  }
}

TEST(Cursors, LoadingAMissingFileGivesNone) {
  win32::Win32WindowSystem ws;
  EXPECT_TRUE(ws.LoadCursorFile("C:\\no such directory\\no such cursor.cur").IsNone());
  EXPECT_TRUE(ws.LoadCursorFile("").IsNone());
}

TEST(Cursors, TheDragCursorBesideTheProgramLoadsByItsChineseName) {
  win32::Win32WindowSystem ws;
  // "鼠标指针.cur" in GBK.
  const Text path = ws.ReadExecutableDirectory() + "\\\xca\xf3\xb1\xea\xd6\xb8\xd5\xeb.cur";
  const CursorHandle cursor = ws.LoadCursorFile(path);
  ASSERT_FALSE(cursor.IsNone());
  EXPECT_TRUE(DestroyCursor(win32::ToHcursor(cursor)));
}

TEST(Cursors, TheCopyOfTheShownCursorBelongsToTheCaller) {
  win32::Win32WindowSystem ws;
  const HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  SetCursor(arrow);
  const CursorHandle copy = ws.CopyCurrentCursor();
  ASSERT_FALSE(copy.IsNone());
  EXPECT_NE(win32::ToHcursor(copy), arrow);
  EXPECT_TRUE(DestroyCursor(win32::ToHcursor(copy)));
}

}  // namespace
}  // namespace vexlumen::testing
