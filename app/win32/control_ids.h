// Control identifiers of the main window. Shared with the test driver, which finds the controls
// by these numbers; no <windows.h> here so that portable code may include it too.
#pragma once

namespace vexlumen::control_ids {

inline constexpr int kTitleLabel = 1001;
inline constexpr int kTitleBox = 1002;
inline constexpr int kClassLabel = 1003;
inline constexpr int kClassBox = 1004;
inline constexpr int kControlTextLabel = 1005;
inline constexpr int kControlTextBox = 1006;
inline constexpr int kControlIdLabel = 1007;
inline constexpr int kControlIdBox = 1008;
inline constexpr int kFinderPicture = 1009;
inline constexpr int kOutputBox = 1010;
inline constexpr int kScriptGroup = 1011;
inline constexpr int kCopyCheckBox = 1012;
// The five statement buttons are children of the script group.
inline constexpr int kWaitButton = 1101;
inline constexpr int kActivateButton = 1102;
inline constexpr int kClickButton = 1103;
inline constexpr int kDoubleClickButton = 1104;
inline constexpr int kCommandButton = 1105;

}  // namespace vexlumen::control_ids
