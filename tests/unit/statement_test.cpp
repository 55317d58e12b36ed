// The statement buttons: exact AutoIt text, the hint when a value is missing, and the copy to
// the clipboard. All sources are compiled to GBK, so expected Chinese text is written as GBK
// bytes; a literal here would be converted like the code's own and could not catch a wrong one.
#include <gtest/gtest.h>

#include <optional>

#include "script/statement.h"
#include "tests/fakes/fake_main_window.h"
#include "tests/fakes/fake_window_system.h"

namespace vexlumen {
namespace {

// "你还没有获取窗口标题吧！" (full-width exclamation mark)
const Text kTitleHint =
    "\xc4\xe3\xbb\xb9\xc3\xbb\xd3\xd0\xbb\xf1\xc8\xa1\xb4\xb0\xbf\xda\xb1\xea\xcc\xe2\xb0\xc9"
    "\xa3\xa1";
// "你还没有获取控件ID吧！"
const Text kControlIdHint =
    "\xc4\xe3\xbb\xb9\xc3\xbb\xd3\xd0\xbb\xf1\xc8\xa1\xbf\xd8\xbc\xfe"
    "ID"
    "\xb0\xc9\xa3\xa1";
// "记事本", a typical GBK window title.
const Text kNotepadGbk = "\xbc\xc7\xca\xc2\xb1\xbe";

class StatementTest : public ::testing::Test {
 protected:
  void Fill(const Text& title, const Text& controlId) {
    window.WriteBox(Box::Title, title);
    window.WriteBox(Box::ControlId, controlId);
  }
  Text Output() { return window.ReadBox(Box::Output); }

  testing::FakeWindowSystem ws;
  testing::FakeMainWindow window;  // copy option checked
};

TEST(Statement, WritesExactStatementAndCopiesIt) {
  struct Case {
    const char* name;
    StatementKind kind;
    Text title;
    Text controlId;
    Text expected;
  };
  const Case cases[] = {
      {"wait", StatementKind::WaitWindow, "Title", "Button1", "WinWait(\"Title\")"},
      {"activate", StatementKind::ActivateWindow, "Title", "Button1", "WinActivate(\"Title\")"},
      {"click", StatementKind::ClickControl, "Title", "Button1",
       "ControlClick(\"Title\",\"\",\"Button1\")"},
      {"double click", StatementKind::DoubleClickControl, "Title", "Button1",
       "ControlClick(\"Title\",\"\",\"Button1\",\"left\",2)"},
      // ControlCommand ("Title","","Button1","命令","选项") - note the space before "(".
      {"command", StatementKind::CommandControl, "Title", "Button1",
       "ControlCommand (\"Title\",\"\",\"Button1\",\"\xc3\xfc\xc1\xee\",\"\xd1\xa1\xcf\xee\")"},

      // Window statements need no control identifier.
      {"wait without id", StatementKind::WaitWindow, "Title", "", "WinWait(\"Title\")"},
      {"activate without id", StatementKind::ActivateWindow, "Title", "", "WinActivate(\"Title\")"},
      // Control statements need no title.
      {"click without title", StatementKind::ClickControl, "", "Edit1",
       "ControlClick(\"\",\"\",\"Edit1\")"},
      {"command without title", StatementKind::CommandControl, "", "Edit1",
       "ControlCommand (\"\",\"\",\"Edit1\",\"\xc3\xfc\xc1\xee\",\"\xd1\xa1\xcf\xee\")"},

      // Values go in as typed: no trimming, quoting or escaping.
      {"whitespace-only title counts as filled", StatementKind::WaitWindow, "  ", "",
       "WinWait(\"  \")"},
      {"whitespace-only id counts as filled", StatementKind::ClickControl, "T", " ",
       "ControlClick(\"T\",\"\",\" \")"},
      {"title with quotes", StatementKind::ActivateWindow, "say \"hi\"", "",
       "WinActivate(\"say \"hi\"\")"},
      {"spaces kept", StatementKind::DoubleClickControl, " a b ", " Edit 1 ",
       "ControlClick(\" a b \",\"\",\" Edit 1 \",\"left\",2)"},
      {"GBK title", StatementKind::ClickControl, kNotepadGbk + " - x", "Edit1",
       "ControlClick(\"" + kNotepadGbk + " - x\",\"\",\"Edit1\")"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::FakeWindowSystem ws;
    testing::FakeMainWindow window;
    window.WriteBox(Box::Title, c.title);
    window.WriteBox(Box::ControlId, c.controlId);
    BuildStatement(c.kind, window, ws);
    EXPECT_EQ(window.ReadBox(Box::Output), c.expected);
    EXPECT_EQ(ws.Clipboard(), std::optional<Text>(c.expected));
    EXPECT_EQ(ws.ClipboardWrites(), 1);
    // The inputs are read, never rewritten.
    EXPECT_EQ(window.ReadBox(Box::Title), c.title);
    EXPECT_EQ(window.ReadBox(Box::ControlId), c.controlId);
  }
}

TEST(Statement, MissingValueGivesHintReplacesOldStatementAndLeavesClipboard) {
  struct Case {
    const char* name;
    StatementKind kind;
    Text title;
    Text controlId;
    const Text& hint;
  };
  const Case cases[] = {
      {"wait, no title", StatementKind::WaitWindow, "", "Button1", kTitleHint},
      {"activate, nothing", StatementKind::ActivateWindow, "", "", kTitleHint},
      {"click, no id", StatementKind::ClickControl, "Title", "", kControlIdHint},
      {"double click, no id", StatementKind::DoubleClickControl, "Title", "", kControlIdHint},
      // The identifier is the one asked for even when the title is missing too.
      {"command, nothing", StatementKind::CommandControl, "", "", kControlIdHint},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::FakeWindowSystem ws;
    testing::FakeMainWindow window;  // copy option checked
    ws.PutTextOnClipboard("old clipboard");
    window.WriteBox(Box::Output, "WinWait(\"old\")");
    window.WriteBox(Box::Title, c.title);
    window.WriteBox(Box::ControlId, c.controlId);
    BuildStatement(c.kind, window, ws);
    EXPECT_EQ(window.ReadBox(Box::Output), c.hint);
    EXPECT_EQ(ws.Clipboard(), std::optional<Text>("old clipboard"));
    EXPECT_EQ(ws.ClipboardWrites(), 1);
  }
}

TEST_F(StatementTest, HintAfterStatementKeepsStatementOnClipboardOnly) {
  Fill("Title", "Button1");
  BuildStatement(StatementKind::ClickControl, window, ws);
  ASSERT_EQ(ws.Clipboard(), std::optional<Text>("ControlClick(\"Title\",\"\",\"Button1\")"));

  window.WriteBox(Box::ControlId, "");
  BuildStatement(StatementKind::ClickControl, window, ws);
  EXPECT_EQ(Output(), kControlIdHint);
  EXPECT_EQ(ws.Clipboard(), std::optional<Text>("ControlClick(\"Title\",\"\",\"Button1\")"));
  EXPECT_EQ(ws.ClipboardWrites(), 1);
}

TEST_F(StatementTest, CopyOptionOffLeavesClipboardAlone) {
  window.SetCopyChecked(false);
  Fill("Title", "Button1");
  BuildStatement(StatementKind::WaitWindow, window, ws);
  EXPECT_EQ(Output(), "WinWait(\"Title\")");
  EXPECT_EQ(ws.Clipboard(), std::nullopt);
  EXPECT_EQ(ws.ClipboardWrites(), 0);
}

TEST_F(StatementTest, BusyClipboardStillShowsStatementAndKeepsOldContent) {
  ws.PutTextOnClipboard("old clipboard");
  ws.SetClipboardBusy(true);
  Fill("Title", "Button1");
  BuildStatement(StatementKind::DoubleClickControl, window, ws);
  EXPECT_EQ(Output(), "ControlClick(\"Title\",\"\",\"Button1\",\"left\",2)");
  EXPECT_EQ(ws.Clipboard(), std::optional<Text>("old clipboard"));
}

TEST_F(StatementTest, EveryClickRewritesClipboard) {
  Fill("Title", "Button1");
  BuildStatement(StatementKind::WaitWindow, window, ws);
  BuildStatement(StatementKind::WaitWindow, window, ws);
  // The user may have copied something else in between; a click puts the statement back.
  EXPECT_EQ(ws.ClipboardWrites(), 2);

  window.WriteBox(Box::Title, "Other");
  BuildStatement(StatementKind::ActivateWindow, window, ws);
  EXPECT_EQ(Output(), "WinActivate(\"Other\")");
  EXPECT_EQ(ws.Clipboard(), std::optional<Text>("WinActivate(\"Other\")"));
  EXPECT_EQ(ws.ClipboardWrites(), 3);
}

}  // namespace
}  // namespace vexlumen
